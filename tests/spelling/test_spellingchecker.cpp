// What the spell-check component asks of the dictionaries, and its
// properties as the settings set and take them back.

#include "dcttestutil.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "spelling/dictionary.h"
#include "spelling/spellerproperties.h"
#include "spelling/spellingchecker.h"
#include "testfolder.h"

#include <QtTest>

class TestSpellingChecker : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestFolder> m_folder;
    ScriptedUserInteraction m_ui;
    QString m_main;

private slots:
    void init() {
        m_folder = std::make_unique<TestFolder>();
        m_ui.clear();
        m_main = m_folder->file("ENGLISH.DCT");
        QVERIFY(compileDictionary(m_main, {"the", "cat", "house"}));
    }

    void knownSkippedAndAdded() {
        SpellingChecker c(m_ui);
        c.setFiles(m_main, "USERDCT.DCT");
        QVERIFY(!c.isKnown("cat")); // not open yet
        QVERIFY(c.open());
        const quint64 opened = c.generation();
        QVERIFY(c.isKnown("Cat"));
        QVERIFY(!c.isKnown("teh"));
        c.skipAlways("TEH");
        QVERIFY(c.isKnown("teh"));
        QVERIFY(c.isKnown("Teh"));
        QVERIFY(c.generation() > opened);
        const quint64 skipped = c.generation();
        QVERIFY(c.add("Zork"));
        QVERIFY(c.isKnown("zork"));
        QVERIFY(c.generation() > skipped);
        QVERIFY(!c.add("house")); // known already
        QVERIFY(c.suggest("hous", 3).contains("house"));
        QVERIFY(c.suggest("hous", 0).isEmpty());
        QVERIFY(c.close());
        QCOMPARE(TestFolder::read(m_folder->file("USERDCT.DCT")), QByteArray("zork\r\n"));
        // Skipped words outlive the dictionary; known words need it.
        QVERIFY(!c.isKnown("cat"));
        QVERIFY(c.open());
        QVERIFY(c.isKnown("teh"));
        QVERIFY(c.isKnown("zork"));
    }

    void failuresAreKeptUntilRetried_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << QByteArray() << "Dictionary not found : %1";
        QTest::newRow("damaged") << QByteArray("not a dictionary at all") << "Dictionary Corrupt.";
    }
    void failuresAreKeptUntilRetried() {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        const QString path = m_folder->file("FRENCH.DCT");
        if (!content.isEmpty())
            m_folder->write("FRENCH.DCT", content);
        SpellingChecker c(m_ui);
        c.setFiles(path, "USERDCT.DCT");
        QVERIFY(!c.open());
        QCOMPARE(c.error(), error.contains("%1") ? error.arg(path) : error);
        QVERIFY(!Dictionary::exists());
        // Not tried again, even once the file is there ...
        QVERIFY(compileDictionary(path, {"oui"}));
        QVERIFY(!c.open());
        // ... until asked to, or until another file is named.
        c.retry();
        QVERIFY(c.open());
        QVERIFY(c.isKnown("oui"));
        c.setFiles(m_main, "USERDCT.DCT");
        QVERIFY(!c.isOpen());
        QVERIFY(c.error().isEmpty());
        QVERIFY(c.open());
        QVERIFY(c.isKnown("house"));
        QVERIFY(!c.isKnown("oui"));
    }

    // Naming another dictionary saves the words added to the user's list.
    void anotherDictionarySavesTheList() {
        SpellingChecker c(m_ui);
        c.setFiles(m_main, "USERDCT.DCT");
        QVERIFY(c.open());
        QVERIFY(c.add("zork"));
        const QString british = m_folder->file("BRITISH.DCT");
        QVERIFY(compileDictionary(british, {"colour"}));
        c.setFiles(british, "USERDCT.DCT");
        QCOMPARE(TestFolder::read(m_folder->file("USERDCT.DCT")), QByteArray("zork\r\n"));
        QVERIFY(c.open());
        QVERIFY(c.isKnown("zork"));
    }

    void dialogTypes() {
        QCOMPARE(spellerDialogTypeIndex(SpellerDialogType::MSWord), 0);
        QCOMPARE(spellerDialogTypeIndex(SpellerDialogType::WordPerfect), 1);
        QCOMPARE(spellerDialogTypeIndex(SpellerDialogType::WordPro96), 2);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(spellerDialogTypeIndex(spellerDialogTypeOf(i)), i);
        QCOMPARE(spellerDialogTypeOf(7), SpellerDialogType::WordPerfect);
    }

    void propertiesFromAndToSettings() {
        const SpellerProperties initial;
        QVERIFY(initial.autoShift && initial.autoSuggest && initial.confirmAdd);
        QVERIFY(initial.supportHtml && initial.showGlyphs && !initial.forceModal);
        QCOMPARE(initial.suggestions, 10);
        QCOMPARE(initial.userDictionary, QString("USERDCT.DCT"));
        QCOMPARE(initial.mainDictionaryPath("/prog/"), QString("/prog/ENGLISH.DCT"));

        Settings s;
        s.autoAdd = true;
        s.skipHtml = false;
        s.suggestCount = 7;
        s.language = 1;
        s.dialogStyle = 0;
        SpellerProperties p;
        p.apply(s);
        QVERIFY(p.confirmAdd);
        QVERIFY(!p.supportHtml);
        QCOMPARE(p.suggestions, 7);
        QCOMPARE(p.mainDictionaryPath("/prog/"), QString("/prog/BRITISH.DCT"));
        QCOMPARE(p.dialogStyle, SpellerDialogType::WordPerfect); // the look stays

        p.confirmAdd = false;
        p.suggestions = 12;
        Settings out;
        out.language = 4;
        p.capture(out);
        QVERIFY(!out.autoAdd);
        QVERIFY(!out.skipHtml);
        QCOMPARE(out.suggestCount, 12);
        QCOMPARE(out.dialogStyle, 1);
        QCOMPARE(out.language, 4); // kept as it is in memory

        // A language index from a damaged store falls back to English.
        s.language = 42;
        p.apply(s);
        QCOMPARE(p.mainDictionaryPath("/prog/"), QString("/prog/ENGLISH.DCT"));
    }
};

QTEST_GUILESS_MAIN(TestSpellingChecker)
#include "test_spellingchecker.moc"
