#pragma once

#include <QColor>
#include <QString>

// What the page's body statement said last, kept for the whole run: the
// attribute editing of the editor stores colours picked for TEXT, LINK,
// VLINK, ALINK and BGCOLOR here, and the Body Settings dialog starts from it.
struct BodyMemory {
    QString background;
    QColor text = QColor(0, 0, 0);
    QColor link = QColor(0, 0, 0);
    QColor vlink = QColor(0, 0, 0);
    QColor alink = QColor(0, 0, 0);
    QColor bgcolor = QColor(0, 0, 0);
    int leftMargin = -1; // -1: not given
    int rightMargin = -1;
    int topMargin = -1;
    int bottomMargin = -1;
    bool fixedBackground = false;

    // Stores `color` for the colour attribute an expression starts with
    // ("TEXT", "LINK", "VLINK", "ALINK" or "BGCOLOR", as written in upper
    // case); returns false when it starts with none of them.
    bool rememberColor(const QString &expression, const QColor &color);
};
