#include "dcttestutil.h"
#include "spelling/dctfile.h"
#include "testfolder.h"

#include <QProcess>
#include <QtTest>

class TestDctBuild : public QObject {
    Q_OBJECT
private:
    TestFolder m_folder;

    struct Run {
        int exitCode;
        QString errors;
    };
    Run runTool(const QStringList &arguments) {
        QProcess p;
        p.start(DCTBUILD_PROGRAM, arguments);
        if (!p.waitForFinished(60000))
            return {-1, QStringLiteral("did not finish")};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

private slots:
    // What the compiler keeps of a list, seen through lookups of the result.
    void wordPreparation_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArrayList>("found");
        QTest::addColumn<QByteArrayList>("missing");
        QTest::newRow("lower-cased, duplicates merged")
            << QByteArray("Apple\napple\nAPPLE\nBoston\n") << QByteArrayList{"apple", "boston"}
            << QByteArrayList{"Apple", "Boston"};
        QTest::newRow("possessives left out")
            << QByteArray("dog\ndog's\nit's\no'clock\n") << QByteArrayList{"dog", "o'clock"}
            << QByteArrayList{"dog's", "it's", "it"};
        QTest::newRow("CR LF, CR and blank lines, spaces trimmed")
            << QByteArray("one\r\ntwo\rthree\n\n  four  \r\n")
            << QByteArrayList{"one", "two", "three", "four"} << QByteArrayList{""};
        QTest::newRow("UTF-8 stored as Windows-1252")
            << QByteArray("caf\xC3\xA9\n\xC3\x89t\xC3\xA9\n\xC5\x93uvre\n")
            << QByteArrayList{"caf\xE9", "\xE9t\xE9", "\x9Cuvre"} << QByteArrayList{};
        QTest::newRow("Windows-1252 list read as such")
            << QByteArray("caf\xE9\n\x9Cuvre\n") << QByteArrayList{"caf\xE9", "\x9Cuvre"}
            << QByteArrayList{};
        QTest::newRow("words Windows-1252 cannot hold left out")
            << QByteArray("ok\n\xC5\x9Dip\n") << QByteArrayList{"ok"} << QByteArrayList{"?ip"};
        QTest::newRow("inner spaces left out")
            << QByteArray("new york\nyork\n") << QByteArrayList{"york"}
            << QByteArrayList{"new", "new york"};
        QTest::newRow("long words cut to 50 bytes")
            << QByteArray(60, 'q') + "\n"
            << QByteArrayList{QByteArray(50, 'q')} << QByteArrayList{QByteArray(49, 'q')};
        QTest::newRow("words sharing endings")
            << QByteArray("walking\ntalking\nwalked\ntalked\nwalk\ntalk\nwalks\n")
            << QByteArrayList{"walking", "talking", "walked", "talked", "walk", "talk", "walks"}
            << QByteArrayList{"talks", "wal", "talke"};
    }
    void wordPreparation() {
        QFETCH(QByteArray, list);
        QFETCH(QByteArrayList, found);
        QFETCH(QByteArrayList, missing);
        DctBuilder builder;
        builder.addList(list);
        std::vector<std::uint32_t> entries;
        QString error;
        QVERIFY2(builder.build(entries, &error), qPrintable(error));
        const QString path = m_folder.file("prep.dct");
        QVERIFY(writeDctFile(path, entries));
        DctFile f(path);
        for (const QByteArray &w : found)
            QVERIFY2(f.lookup(w), w.constData());
        for (const QByteArray &w : missing)
            QVERIFY2(!f.lookup(w), w.constData());
    }

    void counts() {
        DctBuilder builder;
        builder.addList("Cat\ncat\ncat's\n\xC5\x9D\nred fox\n\ndog\n");
        std::vector<std::uint32_t> entries;
        QVERIFY(builder.build(entries, nullptr));
        QCOMPARE(builder.counts().lines, 6);
        QCOMPARE(builder.counts().words, 2);
        QCOMPARE(builder.counts().possessives, 1);
        QCOMPARE(builder.counts().unencodable, 1);
        QCOMPARE(builder.counts().notSingleWord, 1);
        QCOMPARE(builder.counts().entries, std::uint32_t(entries.size() - 1));
    }

    // Equal endings are stored once: a list of many words with the same
    // endings takes far fewer entries than letters.
    void sharedEndings() {
        DctBuilder builder;
        int letters = 0;
        for (const char *stem : {"walk", "talk", "stalk", "balk", "chalk", "caulk"})
            for (const char *end : {"", "s", "ed", "ing", "er", "ers"}) {
                const QString w = QString::fromLatin1(stem) + QString::fromLatin1(end);
                builder.addLine(w);
                letters += int(w.size());
            }
        std::vector<std::uint32_t> entries;
        QVERIFY(builder.build(entries, nullptr));
        QVERIFY2(builder.counts().entries * 3 < std::uint32_t(letters),
                 qPrintable(QString::number(builder.counts().entries)));
    }

    void refusals() {
        std::vector<std::uint32_t> entries;
        QString error;
        DctBuilder empty;
        empty.addList("\n  \n\n");
        QVERIFY(!empty.build(entries, &error));
        QCOMPARE(error, QString("the word list holds no words"));

        DctBuilder big;
        for (int i = 0; i < 50; ++i)
            big.addLine(QString::number(i * 31337));
        QVERIFY(!big.build(entries, &error, 40));
        QVERIFY2(error.contains("a dictionary file holds at most 40"), qPrintable(error));
    }

    void toolWritesDictionary() {
        const QString list = m_folder.write("words.txt", "Zebra\nant\nant's\n");
        const QString out = m_folder.file("OUT.DCT");
        const Run r = runTool({"--quiet", "-o", out, list});
        QCOMPARE(r.exitCode, 0);
        DctFile f(out);
        QVERIFY(f.lookup("zebra"));
        QVERIFY(f.lookup("ant"));
    }

    void toolFailures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing list") << QStringList{"-o", "@OUT", "@nothere.txt"} << "cannot read";
        QTest::newRow("empty list") << QStringList{"-o", "@OUT", "@empty.txt"} << "holds no words";
        QTest::newRow("too many entries")
            << QStringList{"--max-entries", "5", "-o", "@OUT", "@ten.txt"} << "at most 5";
        QTest::newRow("no output named") << QStringList{"@ten.txt"} << "usage";
        QTest::newRow("unwritable output")
            << QStringList{"-o", "@nofolder/x/OUT.DCT", "@ten.txt"} << "cannot write";
    }
    void toolFailures() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        m_folder.write("empty.txt", "\n\n");
        m_folder.write("ten.txt", "alpha\nbeta\ngamma\ndelta\nepsilon\n");
        const QString out = m_folder.file("FAILED.DCT");
        for (QString &a : arguments) {
            if (a == "@OUT")
                a = out;
            else if (a.startsWith('@'))
                a = m_folder.file(a.mid(1));
        }
        const Run r = runTool(arguments);
        QVERIFY(r.exitCode != 0);
        QVERIFY2(r.errors.contains(message), qPrintable(r.errors));
        QVERIFY(!QFile::exists(out));
    }

    // A failed build leaves an earlier dictionary of that name as it was.
    void failedBuildKeepsEarlierFile() {
        const QString out = m_folder.file("KEEP.DCT");
        QVERIFY(compileDictionary(out, {"kept"}));
        const QByteArray before = fileBytes(out);
        m_folder.write("empty2.txt", "");
        QVERIFY(runTool({"-o", out, m_folder.file("empty2.txt")}).exitCode != 0);
        QCOMPARE(fileBytes(out), before);
    }

    // The shipped dictionaries, built from the system word lists: a row for
    // each one this build makes (English always).
    void shippedDictionaries_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArrayList>("words");
        const QStringList shipped = QString(SHIPPED_DICTIONARIES).split(',', Qt::SkipEmptyParts);
        QVERIFY(shipped.contains("ENGLISH.DCT"));
        const QMap<QString, QByteArrayList> known = {
            {"ENGLISH.DCT", {"color", "receive", "the", "zebra", "paris"}},
            {"BRITISH.DCT", {"colour", "receive", "organise", "the"}},
            {"DUTCH.DCT", {"huis", "fiets"}},
            {"FRENCH.DCT", {"maison", "\xE9t\xE9"}},
            {"GERMAN.DCT",
             {"haus", "und",
              "stra\xDF"
              "e"}},
            {"ITALIAN.DCT", {"casa", "citt\xE0"}},
            {"SPANISH.DCT", {"casa", "ni\xF1o"}}};
        for (const QString &file : shipped)
            QTest::newRow(qPrintable(file)) << file << known.value(file);
    }
    void shippedDictionaries() {
        QFETCH(QString, file);
        QFETCH(QByteArrayList, words);
        QVERIFY2(!words.isEmpty(), "a shipped dictionary without words to look up");
        DctFile f(QStringLiteral(QUILMEAD_DICTIONARY_DIR) + "/" + file);
        QVERIFY(f.entryCount() > 1000);
        for (const QByteArray &w : words)
            QVERIFY2(f.lookup(w), w.constData());
        QVERIFY(!f.lookup("recieve"));
        QVERIFY(!f.lookup("receiv"));
    }
};

QTEST_GUILESS_MAIN(TestDctBuild)
#include "test_dctbuild.moc"
