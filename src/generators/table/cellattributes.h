#pragma once

#include <QString>

// The choices of the Cell Attributes dialog, which builds the attributes of a
// cell tag the user is typing by hand.
struct CellAttributes {
    int colSpan = 1;
    int rowSpan = 1;
    QString vAlign = QStringLiteral("none"); // as chosen or typed
    QString hAlign = QStringLiteral("none");
    int height = 0;
    bool heightPercent = false;
    int width = 0;
    bool widthPercent = false;
    QString color; // as typed; no "#" is added
};

// The attribute string, each attribute with a leading blank:
// " ROWSPAN="2" VALIGN="top" HEIGHT="50%"". Empty with all defaults.
QString cellAttributeString(const CellAttributes &a);
