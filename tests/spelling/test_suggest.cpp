#include "dcttestutil.h"
#include "scripteduserinteraction.h"
#include "spelling/dictionary.h"
#include "spelling/suggester.h"
#include "testfolder.h"

#include <QtTest>

class TestSuggest : public QObject {
    Q_OBJECT
private:
    TestFolder m_folder;
    ScriptedUserInteraction m_ui;
    QString m_english;

    QString smallDictionary() {
        const QString path = m_folder.file("SMALL.DCT");
        if (!QFile::exists(path))
            compileDictionary(path, {"the", "then", "they", "ten", "tea", "receive", "believe",
                                     "address", "dress", "caf\u00e9", "cafe", "house", "mouse",
                                     "horse", "hose", "a", "i", "an", "bad"});
        return path;
    }

private slots:
    void initTestCase() { m_english = QStringLiteral(QUILMEAD_DICTIONARY_DIR) + "/ENGLISH.DCT"; }

    void ranking_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("first");
        QTest::newRow("swapped letters") << "recieve"
                                         << "receive";
        QTest::newRow("letter missing") << "adress"
                                        << "address";
        QTest::newRow("letter doubled") << "housse"
                                        << "house";
        QTest::newRow("accent missing prefers the accented near word") << "caff"
                                                                       << "cafe";
        QTest::newRow("swap at the end") << "teh"
                                         << "the";
        QTest::newRow("vowel for vowel") << "beleive"
                                         << "believe";
        QTest::newRow("first letter kept when possible") << "hpuse"
                                                         << "house";
    }
    void ranking() {
        QFETCH(QString, word);
        QFETCH(QString, first);
        Dictionary d(m_ui);
        d.openMainDictionary(smallDictionary());
        const QStringList s = d.suggest(word, 5);
        QVERIFY2(!s.isEmpty() && s.first() == first, qPrintable(s.join(',')));
    }

    void limitsAndForms() {
        m_folder.write("EXCL.TXT", "then\n");
        m_folder.write("USER.DIC", "thesaurus\ntheq\n");
        Dictionary d(m_ui);
        d.openMainDictionary(smallDictionary());
        d.openUserList("USER.DIC");
        d.openExclusionList("EXCL.TXT");
        QCOMPARE(d.suggest("thx", 2).size(), 2);
        QVERIFY(d.suggest("thx", 0).isEmpty());
        QVERIFY(d.suggest("", 5).isEmpty());
        QVERIFY(d.suggest("'s", 5).isEmpty());
        const QStringList all = d.suggest("thx", 100);
        QVERIFY2(!all.contains("then"), qPrintable(all.join(','))); // excluded
        QVERIFY2(all.contains("theq"), qPrintable(all.join(',')));  // from the user list
        QCOMPARE(QStringList(all).removeDuplicates(), 0);
        // The word's letter case and possessive ending carry over.
        QCOMPARE(d.suggest("Teh", 1), QStringList{"The"});
        QCOMPARE(d.suggest("TEH", 1), QStringList{"THE"});
        QCOMPARE(d.suggest("teh's", 1), QStringList{"the's"});
        QCOMPARE(d.suggest("Adress'S", 1), QStringList{"Address'S"});
        // A correct word comes first.
        QCOMPARE(d.suggest("house", 1), QStringList{"house"});
        // Accented results decode back to their letters.
        QVERIFY(d.suggest("caf\u00ea", 3).contains("caf\u00e9"));
    }

    void editBounds() {
        Suggester s("abcd");
        QCOMPARE(s.maxEdits(), 2);
        QCOMPARE(Suggester("ab").maxEdits(), 1);
        s.consider("abcd");
        s.consider("bacd");    // one swap
        s.consider("xbcy");    // two replacements
        s.consider("xycd");    // two replacements
        s.consider("wxyz");    // too far
        s.consider("abcdefg"); // three added
        const QList<QByteArray> best = s.best(10);
        QCOMPARE(best.first(), QByteArray("abcd"));
        QCOMPARE(best.size(), 4);
        QVERIFY(!best.contains("wxyz"));
        QVERIFY(Suggester::score("adress", "address") < Suggester::score("adress", "adrens"));
        QVERIFY(Suggester::score("cafe", "caf\xE9") < Suggester::score("cafe", "cafo"));
        QVERIFY(Suggester::score("hpuse", "house") < Suggester::score("hpuse", "hpusx"));
    }

    void realMisspellings_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::newRow("recieve") << "recieve"
                                 << "receive";
        QTest::newRow("definately") << "definately"
                                    << "definitely";
        QTest::newRow("seperate") << "seperate"
                                  << "separate";
        QTest::newRow("occured") << "occured"
                                 << "occurred";
        QTest::newRow("untill") << "untill"
                                << "until";
        QTest::newRow("wierd") << "wierd"
                               << "weird";
        QTest::newRow("teh") << "teh"
                             << "the";
        QTest::newRow("accomodate") << "accomodate"
                                    << "accommodate";
        QTest::newRow("goverment") << "goverment"
                                   << "government";
        QTest::newRow("Tuesday capitalised") << "Tuseday"
                                             << "Tuesday";
    }
    void realMisspellings() {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        Dictionary d(m_ui);
        d.openMainDictionary(m_english);
        const QStringList s = d.suggest(word, 5);
        QVERIFY2(s.contains(expected), qPrintable(s.join(',')));
    }
};

QTEST_GUILESS_MAIN(TestSuggest)
#include "test_suggest.moc"
