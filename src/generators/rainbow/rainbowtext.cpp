#include "generators/rainbow/rainbowtext.h"

#include <QRandomGenerator>

RainbowDice systemRainbowDice() {
    return [](int bound) { return int(QRandomGenerator::global()->bounded(bound)); };
}

const QStringList &sixteenColorNames() {
    static const QStringList names{
        QStringLiteral("Black"), QStringLiteral("Maroon"),  QStringLiteral("Green"),
        QStringLiteral("Olive"), QStringLiteral("Navy"),    QStringLiteral("Purple"),
        QStringLiteral("Teal"),  QStringLiteral("Gray"),    QStringLiteral("Silver"),
        QStringLiteral("Red"),   QStringLiteral("Lime"),    QStringLiteral("Yellow"),
        QStringLiteral("Blue"),  QStringLiteral("Fuchsia"), QStringLiteral("Aqua"),
        QStringLiteral("White")};
    return names;
}

namespace {

constexpr int kStep = 34;

int wrapped(int component) {
    return (component % 256 + 256) % 256;
}

// The characters of a text as the user sees them.
QStringList charactersOf(const QString &text) {
    QStringList characters;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            length = 2;
        else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        characters << text.mid(i, length);
        i += length;
    }
    return characters;
}

} // namespace

QColor nextRainbowColor(const QColor &color, RainbowStep step, const RainbowDice &dice) {
    int rgb[3] = {color.red(), color.green(), color.blue()};
    if (step == RainbowStep::Standard) {
        rgb[0] += kStep;
        rgb[1] += kStep;
        rgb[2] -= kStep;
    } else {
        rgb[dice(3)] += kStep;
    }
    return QColor(wrapped(rgb[0]), wrapped(rgb[1]), wrapped(rgb[2]));
}

QString rainbowHexForm(const QColor &color) {
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString rainbowText(const QString &text, const RainbowChoices &choices, const RainbowDice &dice) {
    QString out;
    QColor color = choices.base;
    for (const QString &character : charactersOf(text)) {
        QString colorText;
        if (choices.useRandom && choices.only16) {
            // One of the first fifteen: "White" is never chosen.
            colorText = sixteenColorNames().at(dice(15));
        } else if (choices.useRandom) {
            const int red = dice(255);
            const int green = dice(255);
            const int blue = dice(255);
            colorText = QLatin1Char('#') + rainbowHexForm(QColor(red, green, blue));
        } else {
            color = nextRainbowColor(color, choices.step, dice);
            colorText = QLatin1Char('#') + rainbowHexForm(color);
        }
        out += QStringLiteral("<FONT COLOR=\"") + colorText + QStringLiteral("\">") + character +
               QStringLiteral("</FONT>");
    }
    return out;
}
