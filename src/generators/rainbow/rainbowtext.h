#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

// Rainbowize: every character of a text gets a font colour of its own, so
// that the text shows as a run of colours.

// How the colour moves on from one character to the next ("Generate:").
enum class RainbowStep {
    Standard, // red and green up by 34, blue down by 34
    Random,   // one component, chosen at random, up by 34
};

struct RainbowChoices {
    QColor base = QColor(255, 0, 0); // the colour before the first character
    RainbowStep step = RainbowStep::Standard;
    bool useRandom = false; // "UseRandom": each character an unrelated colour
    bool only16 = false;    // "16 Color Only": named colours; counts only with useRandom
};

// A number from 0 to bound - 1, chosen at random with equal chance. Tests
// give a fixed sequence.
using RainbowDice = std::function<int(int bound)>;
// The program's dice.
RainbowDice systemRainbowDice();

// The colour names of "16 Color Only", in their order.
const QStringList &sixteenColorNames();

// The colour after `color`. A component taken past 255 or below 0 wraps
// round (255 + 34 gives 33, 0 - 34 gives 222), so the run of colours goes on
// however long the text.
QColor nextRainbowColor(const QColor &color, RainbowStep step, const RainbowDice &dice);

// Six upper-case hexadecimal digits: red, green, blue.
QString rainbowHexForm(const QColor &color);

// The text with every character in a FONT element of its own colour:
// <FONT COLOR="#RRGGBB">x</FONT> (a colour name in place of "#RRGGBB" with
// "16 Color Only"). A line end (CR LF, CR or LF) and a character outside
// the basic plane (two UTF-16 code units) each count as one character, so
// that neither is torn apart.
QString rainbowText(const QString &text, const RainbowChoices &choices, const RainbowDice &dice);
