// Tag-menu files and the stored set of special characters.

#include "tags/custom/specialcharacters.h"
#include "tags/custom/tagmenufile.h"
#include "testfolder.h"

#include <QSettings>
#include <QtTest>

class TestMenusAndSpecials : public QObject {
    Q_OBJECT
private slots:
    void menuOrder_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("duplicate without regard to case")
            << QStringList{"b", "A", "a"} << QStringList{"A", "b"};
        QTest::newRow("first of equals kept")
            << QStringList{"em - x", "EM - X"} << QStringList{"em - x"};
        QTest::newRow("blank lines dropped")
            << QStringList{"", "B - bold", "  "} << QStringList{"B - bold"};
        QTest::newRow("case-blind order")
            << QStringList{"strong - s", "<UL><LI>..</UL> - list", "Big - b", "abbr - a"}
            << QStringList{"<UL><LI>..</UL> - list", "abbr - a", "Big - b", "strong - s"};
    }
    void menuOrder() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, entries);
        QCOMPARE(menuEntries(lines), entries);
    }

    void menuFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("CR LF") << QByteArray("b\r\nA\r\na\r\n") << true << QStringList{"A", "b"};
        QTest::newRow("binary bytes")
            << QByteArray("B - bold\r\n\x00\x01\x02\xff", 14) << false << QStringList{};
        QTest::newRow("a line of 1 MB")
            << QByteArray("B\n") + QByteArray(1000000, 'x') << false << QStringList{};
    }
    void menuFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QStringList, entries);
        TestFolder dir;
        const TagMenuEntries read = readTagMenu(dir.write("usercode.mnu", bytes));
        QCOMPARE(read.ok, ok);
        QCOMPARE(read.entries, entries);
        if (!ok)
            QVERIFY(!read.error.isEmpty());
    }

    void missingMenuFileIsEmpty() {
        TestFolder dir;
        const TagMenuEntries read = readTagMenu(dir.file("blkhlght.mnu"));
        QVERIFY(read.ok);
        QVERIFY(read.entries.isEmpty());
    }

    void specialValues_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("character and code")
            << QString::fromUtf8("©|&#169;") << true << QString::fromUtf8("©") << "&#169;";
        QTest::newRow("ampersand") << "&|&amp;" << true << "&"
                                   << "&amp;";
        QTest::newRow("bar alone") << "|" << false << ""
                                   << "";
        QTest::newRow("empty") << "" << false << ""
                               << "";
        QTest::newRow("code without character") << "|&lt;" << false << ""
                                                << "";
        QTest::newRow("no bar") << "x" << false << ""
                                << "";
        QTest::newRow("third part ignored") << "a|b|c" << true << "a"
                                            << "b";
        QTest::newRow("long code kept")
            << "x|" + QString(40, 'y') << true << "x" << QString(40, 'y');
    }
    void specialValues() {
        QFETCH(QString, value);
        QFETCH(bool, visible);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        const SpecialButton b = parseSpecialValue(value);
        QCOMPARE(b.visible, visible);
        QCOMPARE(b.caption, caption);
        QCOMPARE(b.hint, hint);
    }

    void rowValues() {
        QCOMPARE(specialValue("&", "&amp;"), QString("&|&amp;"));
        QCOMPARE(specialValue(QString::fromUtf8("™"), ""), QString("|"));
        QCOMPARE(specialValue("", "&lt;"), QString("|"));
    }

    void firstStartWritesTheDefaults() {
        TestFolder dir;
        QSettings settings(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore store(settings);
        QVERIFY(!store.isSetup());
        QCOMPARE(store.value(1), QString("|"));
        store.ensureSetup();
        QVERIFY(store.isSetup());
        QVERIFY(store.sync());

        // A fresh reader of the same file sees the same set.
        QSettings reread(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore stored(reread);
        const QStringList captions = {"©", "®", "™", "¼", "½", "¾", "§", "<", ">", "&"};
        const QStringList codes = {"&#169;", "&#174;", "&#153;", "&#188;", "&#189;",
                                   "&#190;", "&#167;", "&lt;",   "&gt;",   "&amp;"};
        for (int n = 1; n <= kSpecialButtons; ++n) {
            const SpecialButton b = stored.button(n);
            QCOMPARE(b.visible, n <= 10);
            if (n <= 10) {
                QCOMPARE(b.caption, captions.at(n - 1));
                QCOMPARE(b.hint, codes.at(n - 1));
            }
        }
        QCOMPARE(stored.button(3).caption, QString(QChar(0x2122)));
        QVERIFY(!reread.contains("SpecialCharacters/Spec11"));
        QCOMPARE(reread.value("SpecialCharacters/Setup").toInt(), 1);
    }

    void deletingSetupBringsTheDefaultsBack() {
        TestFolder dir;
        QSettings settings(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore store(settings);
        store.ensureSetup();
        store.setValue(1, "|");
        store.setValue(2, "x|&#120;");
        store.setValue(12, "y|&#121;");
        store.ensureSetup(); // set up already: nothing changes
        QCOMPARE(store.value(2), QString("x|&#120;"));

        settings.remove("SpecialCharacters/Setup");
        store.ensureSetup();
        QCOMPARE(store.button(1).caption, QString::fromUtf8("©"));
        QCOMPARE(store.value(2), QString::fromUtf8("®|&#174;"));
        QCOMPARE(store.value(12), QString("y|&#121;"));
    }

    void unreadableValuesAreFree() {
        TestFolder dir;
        // Written by hand: a list, a number and a truthy "Setup".
        dir.write("store.ini",
                  "[SpecialCharacters]\nSetup=true\nSpec1=a, b\nSpec2=5\nSpec3=\"c|d\"\n");
        QSettings settings(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore store(settings);
        QVERIFY(store.isSetup());
        QVERIFY(!store.button(1).visible);
        QVERIFY(!store.button(2).visible);
        QCOMPARE(store.button(3).hint, QString("d"));
    }
};

QTEST_GUILESS_MAIN(TestMenusAndSpecials)
#include "test_menusandspecials.moc"
