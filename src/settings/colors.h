#pragma once

#include <QColor>
#include <QString>

// Colour texts used across the program.
//
// Mark-up colours are six hexadecimal digits in the order red, green, blue,
// written in upper case ("FF0000" is red); in mark-up a "#" goes in front.
// The settings store keeps colours as the decimal text of a 24-bit value whose
// low byte is red, then green, then blue ("16711680" is pure blue).

// Red, green and blue as six upper-case hexadecimal digits, no "#".
QString colorToHex(const QColor &color);

// Reads six hexadecimal digits RRGGBB; one "#" anywhere is dropped and an
// empty text gives black. Returns false (and leaves `color` alone) when the
// text is not hexadecimal.
bool hexToColor(const QString &text, QColor &color);

// Decimal store text to colour and back; an unreadable text gives an invalid
// colour.
QColor colorFromStoreText(const QString &text);
QString colorToStoreText(const QColor &color);

// A stored colour, or `fallback` when none is stored or it cannot be read.
QColor storedColor(const QString &text, const QColor &fallback);
