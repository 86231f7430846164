#include "projects/inifile.h"
#include "projects/passwordcipher.h"
#include "projects/projectsettings.h"
#include "testfolder.h"

#include <QtTest>

namespace {

// Written by the program on Windows and then touched by hand: BOM, CR LF,
// keys in other letter cases, blanks, a quoted value, a comment, a key this
// program does not know and a second section.
const QByteArray kWindowsIni = "\xEF\xBB\xBF"
                               "; site settings\r\n"
                               "[project]\r\n"
                               "MAILTO = me@acme.test\r\n"
                               "weburl=www.acme.test\r\n"
                               "FTPDirectory=\"/public html\"\r\n"
                               "TextColor=FF0000\r\n"
                               "Passive=1\r\n"
                               "ThemeStyle=ocean\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "mailto=not@this.one\r\n";

QByteArray utf16le(const QString &text) {
    QByteArray out("\xFF\xFE");
    for (const QChar ch : text) {
        out.append(char(ch.unicode() & 0xFF));
        out.append(char(ch.unicode() >> 8));
    }
    return out;
}

} // namespace

class TestProjectSettings : public QObject {
    Q_OBJECT
private slots:
    void cipherRoundTrips_data() {
        QTest::addColumn<QString>("plain");
        QTest::newRow("empty") << "";
        QTest::newRow("one letter") << "x";
        QTest::newRow("ordinary") << "s3cret!";
        QTest::newRow("INI characters") << "a=b;c[d] \"e\" #f";
        QTest::newRow("non-ASCII") << QString::fromUtf8("пароль-ü€");
        QTest::newRow("long") << QString(500, QLatin1Char('p'));
    }
    void cipherRoundTrips() {
        QFETCH(QString, plain);
        const QString coded = encodeStr(plain);
        QCOMPARE(decodeStr(coded), plain);
        QCOMPARE(coded.isEmpty(), plain.isEmpty());
        if (plain.size() > 3)
            QVERIFY(!coded.contains(plain));
        for (const QChar ch : coded)
            QVERIFY(QString("0123456789ABCDEF").contains(ch));
    }

    void cipherLeavesHandTypedValues() {
        QCOMPARE(decodeStr("hunter2"), QString("hunter2"));
        QCOMPARE(decodeStr("ABCD"), QString("ABCD")); // hexadecimal, but not ours
        QVERIFY(encodeStr("abc") != encodeStr("abd"));
    }

    void missingFileGivesMissingValues() {
        TestFolder f;
        ProjectSettings s;
        s.webURL = "left over";
        QVERIFY(readProjectSettings(f.path(), s));
        QCOMPARE(s, ProjectSettings());
        QCOMPARE(s.textColor, QString("000000"));
        QCOMPARE(s.bgColor, QString("000000"));
        QVERIFY(s.themeStyle.isEmpty() && s.loginPassword.isEmpty());
    }

    void newFileHoldsTheElevenKeysInOrder() {
        TestFolder f;
        ProjectSettings s;
        s.mailto = "me@acme.test";
        s.webURL = "www.acme.test";
        s.bgColor = "C0C0C0";
        s.themeStyle = "ocean";
        s.loginID = "acme";
        s.loginPassword = "s3cret";
        QVERIFY(writeProjectSettings(f.path(), s));
        const QByteArray expected = "[PROJECT]\r\nmailto=me@acme.test\r\nWebURL=www.acme.test\r\n"
                                    "FTPDirectory=\r\nTextColor=000000\r\nLinkColor=000000\r\n"
                                    "aLinkColor=000000\r\nvLinkColor=000000\r\nbgColor=C0C0C0\r\n"
                                    "ThemeStyle=ocean\r\nLoginID=acme\r\nLoginPassword=" +
                                    encodeStr("s3cret").toLatin1() + "\r\n";
        QCOMPARE(TestFolder::read(f.file("PROJECT.INI")), expected);
        QCOMPARE(readProjectSettings(f.path()), s);
    }

    void windowsFileReads() {
        TestFolder f;
        f.write("PROJECT.INI", kWindowsIni);
        const ProjectSettings s = readProjectSettings(f.path());
        QCOMPARE(s.mailto, QString("me@acme.test"));
        QCOMPARE(s.webURL, QString("www.acme.test"));
        QCOMPARE(s.ftpDirectory, QString("/public html"));
        QCOMPARE(s.textColor, QString("FF0000"));
        QCOMPARE(s.linkColor, QString("000000"));
        QCOMPARE(s.themeStyle, QString("ocean"));
        QCOMPARE(sendTarget(s), QString("www.acme.test//public html"));
    }

    void rewritingKeepsEveryOtherLine() {
        TestFolder f;
        f.write("PROJECT.INI", kWindowsIni);
        ProjectSettings s = readProjectSettings(f.path());
        s.loginID = "acme";
        QVERIFY(writeProjectSettings(f.path(), s));
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "; site settings\r\n"
                                    "[project]\r\n"
                                    "MAILTO=me@acme.test\r\n"
                                    "weburl=www.acme.test\r\n"
                                    "FTPDirectory=/public html\r\n"
                                    "TextColor=FF0000\r\n"
                                    "Passive=1\r\n"
                                    "ThemeStyle=ocean\r\n"
                                    "LinkColor=000000\r\n"
                                    "aLinkColor=000000\r\n"
                                    "vLinkColor=000000\r\n"
                                    "bgColor=000000\r\n"
                                    "LoginID=acme\r\n"
                                    "LoginPassword=\r\n"
                                    "\r\n"
                                    "[Other]\r\n"
                                    "mailto=not@this.one\r\n";
        QCOMPARE(TestFolder::read(f.file("PROJECT.INI")), expected);
        QCOMPARE(readProjectSettings(f.path()), s);
        // Written again unchanged, the file stays the same.
        QVERIFY(writeProjectSettings(f.path(), s));
        QCOMPARE(TestFolder::read(f.file("PROJECT.INI")), expected);
    }

    void encodings_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mailto");
        QTest::addColumn<QByteArray>("rewritten"); // with mailto set again
        const QByteArray cp1252 = "[PROJECT]\nmailto=Jos\xE9@acme.test\n";
        QTest::newRow("Windows-1252, LF")
            << "PROJECT.INI" << cp1252 << QString::fromUtf8("José@acme.test")
            << QByteArray(cp1252).replace("\n", "\r\n");
        const QByteArray wide = utf16le(QString::fromUtf8("[Project]\r\nMailTo=é\r\n"));
        QTest::newRow("UTF-16 with BOM") << "PROJECT.INI" << wide << QString::fromUtf8("é") << wide;
        const QByteArray lower = "[PROJECT]\r\nmailto=x\r\n";
        QTest::newRow("lower-case file name") << "project.ini" << lower << "x" << lower;
    }
    void encodings() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mailto);
        QFETCH(QByteArray, rewritten);
        TestFolder f;
        f.write(fileName, bytes);
        QCOMPARE(projectIniPath(f.path()), f.file(fileName));
        QCOMPARE(readProjectSettings(f.path()).mailto, mailto);
        IniFile ini;
        QVERIFY(ini.load(f.file(fileName)));
        ini.setValue("PROJECT", "mailto", mailto);
        QCOMPARE(ini.toBytes(), rewritten);
        // Settings written back go into the same file, readable again.
        ProjectSettings s = readProjectSettings(f.path());
        s.webURL = QString::fromUtf8("www.ü.test");
        QVERIFY(writeProjectSettings(f.path(), s));
        QCOMPARE(QDir(f.path()).entryList(QDir::Files), QStringList(fileName));
        QCOMPARE(readProjectSettings(f.path()), s);
    }

    void damagedFilesLoadWhatTheyCan() {
        TestFolder f;
        QByteArray bytes = "[PROJECT]\r\n\x01\x02\xFF\xFE\r\n=novalue\r\n" +
                           QByteArray(200000, 'x') + "\r\nWebURL=www.ok.test\r\n[broken\r\n" +
                           QByteArray("mailto=a\0b\r\n", 12);
        f.write("PROJECT.INI", bytes);
        ProjectSettings s;
        QVERIFY(readProjectSettings(f.path(), s));
        QCOMPARE(s.webURL, QString("www.ok.test"));
        QCOMPARE(s.mailto.size(), 3);
        s.mailto = "me@ok.test";
        QVERIFY(writeProjectSettings(f.path(), s));
        const QByteArray again = TestFolder::read(f.file("PROJECT.INI"));
        QVERIFY(again.contains(QByteArray(200000, 'x')));
        QVERIFY(again.contains("\x01\x02\xFF\xFE\r\n"));
        QVERIFY(again.contains("mailto=me@ok.test\r\n"));
    }

    void tooLargeFileIsNeitherReadNorWrittenOver() {
        TestFolder f;
        const QByteArray big = "[PROJECT]\r\nWebURL=x\r\n" + QByteArray(IniFile::kMaxSize, ';');
        f.write("PROJECT.INI", big);
        ProjectSettings s;
        QString error;
        QVERIFY(!readProjectSettings(f.path(), s, &error));
        QVERIFY(error.contains("PROJECT.INI"));
        QVERIFY(s.webURL.isEmpty());
        QVERIFY(!writeProjectSettings(f.path(), s, &error));
        QVERIFY(error.startsWith("Unable to write to " + f.file("PROJECT.INI")));
        QCOMPARE(TestFolder::read(f.file("PROJECT.INI")), big);
    }

    void valuesStayOnOneLine() {
        IniFile ini;
        ini.setValue("PROJECT", "mailto", "a\r\n[PROJECT]\nWebURL=evil");
        QCOMPARE(ini.lines().size(), 2);
        QVERIFY(!ini.value("PROJECT", "WebURL").has_value());
    }
};

QTEST_APPLESS_MAIN(TestProjectSettings)
#include "test_projectsettings.moc"
