// The editor options as a value: the named colours, the conversion to and
// from the settings, and the colour presets.

#include "editor/options/editoroptions.h"
#include "editor/options/namedcolors.h"
#include "settings/settings.h"

#include <QtTest>

namespace {

// Options that differ from the defaults in every value.
EditorOptions everyValueChanged() {
    EditorOptions o;
    o.fontName = QStringLiteral("Liberation Mono");
    o.fontSize = 14;
    o.fileType = EditorOptions::UnixStyle;
    o.tabSize = 3;
    o.autoIndent = false;
    o.wordWrap = true;
    o.expandToHtml = false;
    o.useWarningLeds = false;
    o.textColor = QColor(192, 192, 192);
    o.windowColor = QColor(0, 0, 0);
    o.tagFore = QColor(0, 255, 255);
    o.tagBack = QColor(0x12, 0x34, 0x56);
    o.selectedFore = QColor(255, 255, 0);
    o.selectedBack = QColor(0, 128, 128);
    o.htmlFontName = QStringLiteral("DejaVu Serif");
    o.htmlFontSize = 20;
    o.htmlFontColor = QColor(128, 0, 0);
    o.htmlWindowColor = QColor(255, 255, 0);
    return o;
}

} // namespace

class TestEditorOptions : public QObject {
    Q_OBJECT
private slots:
    void namedColorsInOrder() {
        QCOMPARE(NamedColors::count, 18);
        QStringList names;
        for (int i = 0; i < NamedColors::count; ++i)
            names << NamedColors::name(i) + "=" + NamedColors::color(i).name().mid(1).toUpper();
        QCOMPARE(names, (QStringList{"Aqua=00FFFF", "Black=000000", "Blue=0000FF", "DkGray=808080",
                                     "Fuchsia=FF00FF", "Gray=808080", "Green=008000", "Lime=00FF00",
                                     "LtGray=C0C0C0", "Maroon=800000", "Navy=000080",
                                     "Olive=808000", "Purple=800080", "Red=FF0000", "Silver=C0C0C0",
                                     "Teal=008080", "White=FFFFFF", "Yellow=FFFF00"}));
    }

    void namedColorIndex_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << QColor(0, 255, 255) << 0;
        QTest::newRow("last") << QColor(255, 255, 0) << 17;
        QTest::newRow("shared grey finds DkGray") << QColor(128, 128, 128) << 3;
        QTest::newRow("shared silver finds LtGray") << QColor(192, 192, 192) << 8;
        QTest::newRow("not named") << QColor(0x12, 0x34, 0x56) << -1;
        QTest::newRow("invalid") << QColor() << -1;
    }
    void namedColorIndex() {
        QFETCH(QColor, color);
        QFETCH(int, index);
        QCOMPARE(NamedColors::indexOf(color), index);
    }

    void settingsRoundTripKeepsEveryValue() {
        const EditorOptions chosen = everyValueChanged();
        Settings s;
        chosen.toSettings(s);
        QCOMPARE(s.fileFormat, 2);
        QCOMPARE(s.fontSize, QString("14"));
        QCOMPARE(s.backgroundColor, QString("0"));
        QCOMPARE(s.syntaxBgColor, QString::number(0x563412)); // blue, green, red from high
        QVERIFY(!s.useEws && !s.expandCharsToHtml && s.wordwrap && !s.autoIndent);
        QCOMPARE(EditorOptions::fromSettings(s), chosen);
        // Settings that the options do not hold stay as they were.
        QCOMPARE(s.showHints, Settings().showHints);
        QCOMPARE(s.fontStyle, QString());
    }

    // A value the settings leave empty or cannot be read keeps the one in
    // force; read values replace it.
    void unreadableValuesKeepWhatIsInForce_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "  ";
        QTest::newRow("not a number") << "navy";
        QTest::newRow("negative") << "-4";
    }
    void unreadableValuesKeepWhatIsInForce() {
        QFETCH(QString, value);
        const EditorOptions inForce = everyValueChanged();
        Settings s;
        for (QString *text : {&s.fontSize, &s.fontColor, &s.backgroundColor, &s.syntaxFgColor,
                              &s.syntaxBgColor, &s.highlightFgColor, &s.highlightBgColor,
                              &s.htmlFontSize, &s.htmlFontColor, &s.htmlBackgroundColor})
            *text = value;
        if (value.trimmed().isEmpty())
            s.fontName = s.htmlFontName = value;
        s.tabSize = 0;
        s.fileFormat = 7;
        const EditorOptions o = EditorOptions::fromSettings(s, inForce);
        QCOMPARE(o.fontSize, inForce.fontSize);
        QCOMPARE(o.htmlFontSize, inForce.htmlFontSize);
        QCOMPARE(o.tabSize, inForce.tabSize);
        QCOMPARE(o.fileType, inForce.fileType);
        QCOMPARE(o.textColor, inForce.textColor);
        QCOMPARE(o.selectedBack, inForce.selectedBack);
        QCOMPARE(o.htmlWindowColor, inForce.htmlWindowColor);
        QCOMPARE(o.fontName, inForce.fontName);
        QCOMPARE(o.htmlFontName, inForce.htmlFontName);
        // The switches are always read.
        QCOMPARE(o.useWarningLeds, s.useEws);
        QCOMPARE(o.autoIndent, s.autoIndent);
    }

    void schemesChangeColoursOnly_data() {
        QTest::addColumn<int>("scheme");
        QTest::newRow("default") << int(ColorScheme::Default);
        QTest::newRow("dark") << int(ColorScheme::Dark);
    }
    void schemesChangeColoursOnly() {
        QFETCH(int, scheme);
        const EditorOptions before = everyValueChanged();
        EditorOptions o = before;
        applyColorScheme(o, ColorScheme(scheme));
        QCOMPARE(o.fontName, before.fontName);
        QCOMPARE(o.fontSize, before.fontSize);
        QCOMPARE(o.htmlFontName, before.htmlFontName);
        QCOMPARE(o.tabSize, before.tabSize);
        QCOMPARE(o.useWarningLeds, before.useWarningLeds);
        // Every colour of a preset is one the boxes offer by name.
        for (const QColor &c : {o.textColor, o.windowColor, o.tagFore, o.tagBack, o.selectedFore,
                                o.selectedBack, o.htmlFontColor, o.htmlWindowColor})
            QVERIFY2(NamedColors::indexOf(c) >= 0, qPrintable(c.name()));
        // Text and selection stand out from their backgrounds.
        QVERIFY(o.textColor != o.windowColor && o.tagFore != o.tagBack);
        QVERIFY(o.selectedFore != o.selectedBack && o.htmlFontColor != o.htmlWindowColor);
    }

    void darkSchemeAndBack() {
        EditorOptions o;
        applyColorScheme(o, ColorScheme::Dark);
        QVERIFY(o.windowColor.lightness() < 64 && o.htmlWindowColor.lightness() < 64);
        applyColorScheme(o, ColorScheme::Default);
        QCOMPARE(o, EditorOptions());
    }
};

QTEST_APPLESS_MAIN(TestEditorOptions)
#include "test_editoroptions.moc"
