#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// An image tag of a page that has no ALT attribute.
struct ImageWithoutAlt {
    int line = 0;   // from 1
    int column = 0; // from 0: where "<IMG" starts
    QString source; // its SRC value, empty when it has none
};

// Every "<IMG" tag of the text without an ALT attribute. An empty ALT text
// (ALT="") is the usual mark of a decorative image and counts as present. A
// tag ends at the next ">" or, when a "<" comes first (an unclosed tag), just
// before that "<". Takes time in proportion to the text's length.
QVector<ImageWithoutAlt> imagesWithoutAlt(QStringView text);
