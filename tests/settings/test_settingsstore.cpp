#include "settings/settingsstore.h"
#include "testfolder.h"

#include <QSettings>
#include <QRegularExpression>
#include <QtTest>
#include <sys/stat.h>

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaultsAndCreatesNothing() {
        TestFolder dir;
        const QString ini = dir.file("store.ini");
        SettingsStore store(ini);
        Settings s;
        s.tipNumber = 99; // must be overwritten only by stored values
        const auto result = store.read(s);
        QVERIFY(result.ok);
        QCOMPARE(s.tipNumber, 99);
        QVERIFY(!QFileInfo::exists(ini));
        Settings fresh;
        QCOMPARE(fresh.showHints, false);
        QCOMPARE(fresh.fileTabs, QString("File List"));
        QCOMPARE(fresh.extension, QString("html,htm,shtm,shtml"));
        QCOMPARE(fresh.graphicExtension, QString("gif,jpg"));
        QCOMPARE(fresh.timeOut, 60000);
        QCOMPARE(fresh.suggestCount, 10);
        QCOMPARE(fresh.tipNumber, 10);
        QCOMPARE(fresh.fontSizeChange, 2);
        QVERIFY(fresh.useEws && fresh.showImages && fresh.autoIndent && fresh.expandCharsToHtml);
        QVERIFY(!fresh.showCustom[0] && !fresh.showCustom[3]);
    }

    void roundTripKeepsEveryValue() {
        TestFolder dir;
        Settings out;
        out.lastFiles = {QStringLiteral("/a/one.htm"), QStringLiteral("/b/two.htm"), QString(),
                         QStringLiteral("/d/four.htm")};
        out.autoLoad = true;
        out.fullScreen = false;
        out.savingToDefault = false;
        out.tipNumber = 17;
        out.timeOut = 45000;
        out.smartAscii = QStringLiteral("htm,txt");
        out.language = 3;
        out.dialogStyle = 1;
        out.tabSize = 8;
        out.fileTabs = QStringLiteral("Projects");
        out.showHints = true;
        out.browser1 = QStringLiteral("/usr/bin/firefox");
        out.browser2Prefix = true;
        out.fontName = QStringLiteral("DejaVu Sans Mono");
        out.fontColor = QStringLiteral("16711680");
        out.extension = QStringLiteral("htm,txt");
        out.fileFormat = 2;
        out.showCustom = {true, false, true, false};
        out.customCaption = {QStringLiteral("Mine"), QString(), QStringLiteral("Other"), QString()};
        out.maximized = true;
        out.top = 12;
        out.left = 34;
        out.width = 800;
        out.height = 600;
        out.splitPosition = 40;
        out.splitDirection = 1;
        {
            SettingsStore store(dir.file("store.ini"));
            QVERIFY(store.write(out));
        }
        SettingsStore store(dir.file("store.ini"));
        Settings in;
        QVERIFY(store.read(in).ok);
        QCOMPARE(in.lastFiles, out.lastFiles);
        QCOMPARE(in.autoLoad, true);
        QCOMPARE(in.fullScreen, false);
        QCOMPARE(in.savingToDefault, false);
        QCOMPARE(in.tipNumber, 17);
        QCOMPARE(in.timeOut, 45000);
        QCOMPARE(in.smartAscii, out.smartAscii);
        QCOMPARE(in.language, 3);
        QCOMPARE(in.tabSize, 8);
        QCOMPARE(in.fileTabs, out.fileTabs);
        QCOMPARE(in.showHints, true);
        QCOMPARE(in.browser1, out.browser1);
        QCOMPARE(in.browser2Prefix, true);
        QCOMPARE(in.fontName, out.fontName);
        QCOMPARE(in.fontColor, out.fontColor);
        QCOMPARE(in.extension, out.extension);
        QCOMPARE(in.fileFormat, 2);
        QCOMPARE(in.showCustom, out.showCustom);
        QCOMPARE(in.customCaption, out.customCaption);
        QCOMPARE(in.maximized, true);
        QCOMPARE(in.left, 34);
        QCOMPARE(in.height, 600);
        QCOMPARE(in.splitPosition, 40);
        QCOMPARE(in.splitDirection, 1);
    }

    void flagsAndNumbersAreStoredAsIntegers() {
        TestFolder dir;
        Settings out;
        out.showHints = true;
        {
            SettingsStore store(dir.file("store.ini"));
            store.write(out);
        }
        const QString text = QString::fromUtf8(TestFolder::read(dir.file("store.ini")));
        QVERIFY2(text.contains("ShowHints=1"), qPrintable(text));
        QVERIFY(text.contains("AutoLoad=0"));
        QVERIFY(text.contains("TimeOut=60000"));
        QVERIFY(text.contains("[WindowAttributes]"));
    }

    // A value that cannot be read keeps its default; every value around it is
    // still read, and the reading reports the failure once.
    void wrongTypeCostsOnlyItsOwnValue() {
        TestFolder dir;
        {
            QSettings raw(dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("Helpers/TipNumber", 12);         // before the bad values
            raw.setValue("Defaults/ExpandCharstoHTML", 0); // before the bad values
            raw.setValue("Defaults/TabSize", "wide");      // bad
            raw.setValue("Defaults/ShowHints", 1);         // between them
            raw.setValue("Defaults/FontSizeChange", "x");  // bad
            raw.setValue("WindowAttributes/Width", 900);   // after them
        }
        SettingsStore store(dir.file("store.ini"));
        Settings s;
        const auto result = store.read(s);
        QVERIFY(!result.ok);
        QCOMPARE(result.failedValue, QString("Defaults/TabSize"));
        QCOMPARE(result.failedValues, (QStringList{"Defaults/TabSize", "Defaults/FontSizeChange"}));
        QCOMPARE(s.tipNumber, 12);
        QCOMPARE(s.expandCharsToHtml, false);
        QCOMPARE(s.tabSize, 5);
        QCOMPARE(s.fontSizeChange, 2);
        QCOMPARE(s.showHints, true);
        QCOMPARE(s.width, 900);
    }

    // Store files as a person editing them would write them.
    void handWrittenStores_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("smartAscii");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("ok");
        QTest::newRow("list without quotes")
            << QByteArray("[Defaults]\nExtension=htm,html,shtml\n[WindowAttributes]\nWidth=700\n")
            << "htm,html,shtml"
            << "" << 700 << true;
        QTest::newRow("list with quotes")
            << QByteArray(
                   "[Defaults]\nExtension=\"htm,html,shtml\"\n[WindowAttributes]\nWidth=700\n")
            << "htm,html,shtml"
            << "" << 700 << true;
        QTest::newRow("lists in several sections, CR LF")
            << QByteArray("[FTP]\r\nSmartASCII=htm,txt\r\n[Defaults]\r\nExtension=htm,html\r\n"
                          "[WindowAttributes]\r\nWidth=640\r\n")
            << "htm,html"
            << "htm,txt" << 640 << true;
        QTest::newRow("a quote left open")
            << QByteArray(
                   "[Defaults]\nFileTabs=\"Projects\nExtension=htm,html\n[WindowAttributes]\n"
                   "Width=700\n")
            << "htm,html"
            << "" << 700 << false;
        QTest::newRow("quotes closed, escaped and in comments")
            << QByteArray(
                   "[Defaults]\nFileTabs=\"say \\\"hi\\\"\" ; a \"comment\nExtension=htm,html\n"
                   "[WindowAttributes]\nWidth=700\n")
            << "htm,html"
            << "" << 700 << true;
        QTest::newRow("a list where a number belongs")
            << QByteArray("[Defaults]\nTabSize=4,8\nExtension=htm,html\n[WindowAttributes]\n"
                          "Width=700\n")
            << "htm,html"
            << "" << 700 << false;
    }
    void handWrittenStores() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, extension);
        QFETCH(QString, smartAscii);
        QFETCH(int, width);
        QFETCH(bool, ok);
        TestFolder dir;
        SettingsStore store(dir.write("store.ini", ini));
        Settings s;
        QCOMPARE(store.read(s).ok, ok);
        QCOMPARE(s.extension, extension);
        QCOMPARE(s.smartAscii, smartAscii);
        QCOMPARE(s.width, width);
        QCOMPARE(s.tabSize, 5);
        // Written back and read again, nothing changes.
        QVERIFY(store.write(s));
        Settings again;
        QVERIFY(SettingsStore(dir.file("store.ini")).read(again).ok);
        QCOMPARE(again.extension, extension);
        QCOMPARE(again.width, width);
    }

    // A store whose file is a pipe or a device is neither read (which would
    // block or never end) nor written over.
    void storeThatIsNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "fifo";
        QTest::newRow("link to /dev/zero") << "device";
    }
    void storeThatIsNoFile() {
        QFETCH(QString, kind);
        TestFolder dir;
        const QString path = dir.file("store.ini");
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(TestFolder::linkToDevice(path, "zero"));
        SettingsStore store(path);
        Settings s;
        const auto result = store.read(s);
        QVERIFY(!result.ok);
        QCOMPARE(result.failedValue, path);
        QCOMPARE(s.extension, Settings().extension);
        QVERIFY(!store.write(s));
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), kind == "device");
        QVERIFY(!after.isFile());
    }

    void userStoreIsTheFileQSettingsUses() {
        const SettingsStore store;
        QCOMPARE(store.fileName(),
                 QSettings(QStringLiteral("Tarnholm"), QStringLiteral("Quilmead")).fileName());
    }

    void textsAreCutToTheirLimits_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit");
        QTest::newRow("SmartBinary") << "FTP/SmartBinary" << 200;
        QTest::newRow("Browser1") << "Defaults/Browser1" << 150;
        QTest::newRow("FontColor") << "Defaults/FontColor" << 25;
        QTest::newRow("SyntaxFGColor") << "Defaults/SyntaxFGColor" << 15;
        QTest::newRow("Extension") << "Defaults/Extension" << 100;
        QTest::newRow("Custom3caption") << "Defaults/Custom3caption" << 15;
    }
    void textsAreCutToTheirLimits() {
        QFETCH(QString, key);
        QFETCH(int, limit);
        TestFolder dir;
        {
            QSettings raw(dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue(key, QString(300, QLatin1Char('x')));
        }
        SettingsStore store(dir.file("store.ini"));
        Settings s;
        QVERIFY(store.read(s).ok);
        // Find the value that changed and check its length.
        const QStringList values = {s.smartBinary,   s.browser1,  s.fontColor,
                                    s.syntaxFgColor, s.extension, s.customCaption[2]};
        bool found = false;
        for (const QString &v : values)
            if (v.startsWith("xxx")) {
                QCOMPARE(v.size(), limit);
                found = true;
            }
        QVERIFY(found);
    }

    void recentFilesKeepTheirWholePath() {
        TestFolder dir;
        const QString longPath = QStringLiteral("/home/someone/") + QString(150, QLatin1Char('d')) +
                                 QStringLiteral("/index.htm");
        {
            QSettings raw(dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("LastFiles/File1", longPath);
        }
        SettingsStore store(dir.file("store.ini"));
        Settings s;
        QVERIFY(store.read(s).ok);
        QCOMPARE(s.lastFiles[0], longPath);
    }

    void fontNamesAreKeptWhole() {
        TestFolder dir;
        const QString family = QStringLiteral("Noto Sans Mono CJK SC Regular Condensed");
        {
            QSettings raw(dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("Defaults/FontName", family);
            raw.setValue("Defaults/HTMLFontName", family);
        }
        SettingsStore store(dir.file("store.ini"));
        Settings s;
        QVERIFY(store.read(s).ok);
        QCOMPARE(s.fontName, family);
        QCOMPARE(s.htmlFontName, family);
    }

    void garbageFileDoesNotCrash() {
        TestFolder dir;
        dir.write("store.ini", QByteArray("\x00\x01[[[Defaults\nTabSize=\xff\xfe\n=\n[", 25));
        SettingsStore store(dir.file("store.ini"));
        Settings s;
        store.read(s); // any outcome but a crash is acceptable
        QCOMPARE(s.extension, QString("html,htm,shtm,shtml"));
    }

    void languageNamesAndDictionaryFiles() {
        QCOMPARE(spellingLanguages().size(), 9);
        QCOMPARE(dictionaryFileName(0), QString("ENGLISH.DCT"));
        QCOMPARE(dictionaryFileName(1), QString("BRITISH.DCT"));
        QCOMPARE(dictionaryFileName(8), QString("MEDICAL.DCT"));
        QCOMPARE(dictionaryFileName(42), QString("ENGLISH.DCT"));
    }

    // The table of stored values (names, types, defaults and limits) is
    // pinned in tests/settings/settingsvalues.txt; with
    // QUILMEAD_WRITE_SETTINGSVALUES set the file is written afresh instead.
    void valuesTableMatchesTheGoldenFile() {
        const QString golden =
            qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/tests/settings/settingsvalues.txt";
        const QStringList lines = SettingsStore::describeValues();
        if (qEnvironmentVariableIsSet("QUILMEAD_WRITE_SETTINGSVALUES")) {
            QFile out(golden);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(lines.join('\n').toUtf8() + '\n');
        }
        const QStringList expected =
            QString::fromUtf8(TestFolder::read(golden)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines.at(i), expected.at(i));
    }

    // Every row, written and read back: the stored type and value, and each
    // text cut to its length.
    void everyRowIsStoredAsDescribed() {
        TestFolder dir;
        const QString file = dir.file("store.ini");
        {
            SettingsStore store(file);
            QVERIFY(store.write(Settings()));
        }
        QSettings raw(file, QSettings::IniFormat);
        const QRegularExpression row("^(\\S+) (text|integer|flag) (\"(.*)\"|-?\\d+)(?: (\\S+))?$");
        int rows = 0;
        for (const QString &line : SettingsStore::describeValues()) {
            const QRegularExpressionMatch m = row.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            const QString key = m.captured(1);
            const QVariant stored = raw.value(key);
            QVERIFY2(stored.isValid(), qPrintable(key));
            if (m.captured(2) == "text")
                QCOMPARE(stored.toString(), m.captured(4));
            else
                QCOMPARE(stored.toString(), m.captured(3)); // integers and flags as numbers
            ++rows;
        }
        QCOMPARE(rows, 75);

        // Texts longer than their limit come back cut to it.
        for (const QString &line : SettingsStore::describeValues()) {
            const QRegularExpressionMatch m = row.match(line);
            if (m.captured(2) == "text")
                raw.setValue(m.captured(1), QString(300, 'x'));
        }
        raw.sync();
        Settings read;
        QVERIFY(SettingsStore(file).read(read).ok);
        SettingsStore rewritten(dir.file("again.ini"));
        QVERIFY(rewritten.write(read));
        QSettings back(dir.file("again.ini"), QSettings::IniFormat);
        for (const QString &line : SettingsStore::describeValues()) {
            const QRegularExpressionMatch m = row.match(line);
            if (m.captured(2) != "text")
                continue;
            const int expected = m.captured(5) == "whole" ? 300 : m.captured(5).toInt();
            QCOMPARE(back.value(m.captured(1)).toString().size(), expected);
        }
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
