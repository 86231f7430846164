// The colour run of Rainbowize: the steps, the random choices, the names of
// "16 Color Only" and the FONT elements around each character.

#include "generators/rainbow/rainbowtext.h"
#include "scripteddice.h"

#include <QtTest>

namespace {

QString font(const QString &color, const QString &character) {
    return QStringLiteral("<FONT COLOR=\"%1\">%2</FONT>").arg(color, character);
}

} // namespace

class TestGenRainbowModel : public QObject {
    Q_OBJECT
private slots:
    // One element per letter; the first letter already has the colour after
    // the base colour (red).
    void abcGivesThreeFontElements() {
        const RainbowChoices standard;
        QCOMPARE(standard.base, QColor(255, 0, 0));
        ScriptedDice dice({0});
        QCOMPARE(rainbowText("abc", standard, dice.dice()),
                 font("#2122DE", "a") + font("#4344BC", "b") + font("#65669A", "c"));
        QVERIFY(dice.bounds().isEmpty());
    }

    void nextColor_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("roll");
        QTest::addColumn<QColor>("next");
        const int standard = int(RainbowStep::Standard);
        const int random = int(RainbowStep::Random);
        QTest::newRow("standard") << QColor(0, 0, 255) << standard << 0 << QColor(34, 34, 221);
        QTest::newRow("standard to the limits")
            << QColor(221, 221, 34) << standard << 0 << QColor(255, 255, 0);
        QTest::newRow("standard wraps round")
            << QColor(222, 255, 33) << standard << 0 << QColor(0, 33, 255);
        QTest::newRow("random red") << QColor(0, 0, 0) << random << 0 << QColor(34, 0, 0);
        QTest::newRow("random green") << QColor(0, 0, 0) << random << 1 << QColor(0, 34, 0);
        QTest::newRow("random blue wraps") << QColor(9, 9, 250) << random << 2 << QColor(9, 9, 28);
    }
    void nextColor() {
        QFETCH(QColor, color);
        QFETCH(int, step);
        QFETCH(int, roll);
        QFETCH(QColor, next);
        ScriptedDice dice({roll});
        QCOMPARE(nextRainbowColor(color, RainbowStep(step), dice.dice()), next);
        QCOMPARE(dice.bounds(), step == int(RainbowStep::Random) ? QList<int>{3} : QList<int>{});
    }

    // However long the text, every colour text is "#" and six digits.
    void everyColourTextHasSixDigits() {
        RainbowChoices choices;
        choices.base = QColor(200, 100, 7);
        const QString text =
            rainbowText(QString(300, QLatin1Char('x')), choices, ScriptedDice({0}).dice());
        const QRegularExpression element("^(<FONT COLOR=\"#[0-9A-F]{6}\">x</FONT>){300}$");
        QVERIFY(element.match(text).hasMatch());
    }

    void randomStepAdvancesOneComponent() {
        RainbowChoices choices;
        choices.step = RainbowStep::Random;
        ScriptedDice dice({2, 0});
        QCOMPARE(rainbowText("xy", choices, dice.dice()),
                 font("#FF0022", "x") + font("#210022", "y"));
        QCOMPARE(dice.bounds(), QList<int>({3, 3}));
    }

    // "UseRandom": three components from 0 to 254 for each character.
    void useRandomGivesUnrelatedColours() {
        RainbowChoices choices;
        choices.useRandom = true;
        ScriptedDice dice({0, 128, 254, 17, 1, 2});
        QCOMPARE(rainbowText("ab", choices, dice.dice()),
                 font("#0080FE", "a") + font("#110102", "b"));
        QCOMPARE(dice.bounds(), QList<int>(6, 255));
    }

    // "16 Color Only": a name from the first fifteen; without "UseRandom"
    // its tick does not count.
    void sixteenColourNames() {
        QCOMPARE(
            sixteenColorNames(),
            QStringList({"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
                         "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
        RainbowChoices choices;
        choices.useRandom = true;
        choices.only16 = true;
        ScriptedDice dice({4, 0, 14});
        QCOMPARE(rainbowText("xyz", choices, dice.dice()),
                 font("Navy", "x") + font("Black", "y") + font("Aqua", "z"));
        QCOMPARE(dice.bounds(), QList<int>(3, 15));

        choices.useRandom = false;
        QCOMPARE(rainbowText("a", choices, ScriptedDice({0}).dice()), font("#2122DE", "a"));
    }

    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("characters");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("space") << "a b" << QStringList{"a", " ", "b"};
        QTest::newRow("CR LF is one") << "a\r\nb" << QStringList{"a", "\r\n", "b"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "\n", "b"};
        QTest::newRow("CR") << "a\rb" << QStringList{"a", "\r", "b"};
        QTest::newRow("outside the basic plane")
            << QString::fromUtf8("x\xF0\x9F\x98\x80")
            << QStringList{"x", QString::fromUtf8("\xF0\x9F\x98\x80")};
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QStringList, characters);
        RainbowChoices choices;
        choices.useRandom = true;
        choices.only16 = true;
        QString expected;
        for (const QString &c : characters)
            expected += font("Red", c);
        QCOMPARE(rainbowText(text, choices, ScriptedDice({9}).dice()), expected);
    }

    void hexForm() {
        QCOMPARE(rainbowHexForm(QColor(10, 171, 255)), QString("0AABFF"));
        QCOMPARE(rainbowHexForm(QColor(0, 0, 0)), QString("000000"));
    }
};

QTEST_GUILESS_MAIN(TestGenRainbowModel)
#include "test_gen_rainbow_model.moc"
