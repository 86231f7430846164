// Definition files of the generators: line ends, encodings, and files that
// are not definitions at all.

#include "generators/common/definitionfile.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>

class TestDefinitionFile : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("LF, no final end") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("mixed with empty lines") << "a\r\n\n\rb" << QStringList{"a", "", "", "b"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one line end") << "\r\n" << QStringList{""};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(DefinitionFile::splitLines(text), lines);
    }

    void writesCrLfUtf8AndReadsItBack() {
        TestFolder folder;
        const QString path = folder.file("t.tbl");
        QString error;
        const QStringList lines = {"<TABLE>", "caf\u00e9 \u20ac", "", "</TABLE>"};
        QVERIFY2(DefinitionFile::writeLines(path, lines, &error), qPrintable(error));
        QCOMPARE(TestFolder::read(path),
                 QByteArray("<TABLE>\r\ncaf\xc3\xa9 \xe2\x82\xac\r\n\r\n</TABLE>\r\n"));
        QStringList read;
        QVERIFY(DefinitionFile::readLines(path, read, &error));
        QCOMPARE(read, lines);
    }

    void readsWindows1252() {
        TestFolder folder;
        const QString path = folder.write("old.tbl", "<TD>caf\xe9 \x99</TD>\r\n");
        QStringList read;
        QVERIFY(DefinitionFile::readLines(path, read, nullptr));
        QCOMPARE(read, QStringList{QString("<TD>caf\u00e9 \u2122</TD>")});
    }

    void refusesWhatIsNoDefinition_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("because");
        QTest::newRow("missing") << "none.tbl"
                                 << "does not exist";
        QTest::newRow("folder") << "sub"
                                << "is a folder";
        QTest::newRow("binary") << "binary.tbl"
                                << "binary data";
        QTest::newRow("100 MB") << "huge.tbl"
                                << "too large";
    }
    void refusesWhatIsNoDefinition() {
        QFETCH(QString, name);
        QFETCH(QString, because);
        TestFolder folder;
        QDir(folder.path()).mkdir("sub");
        folder.write("binary.tbl", QByteArray("<TABLE>\r\n\x00\x01\x02\xff", 13));
        {
            // Sparse: takes no room, but is 100 MB long.
            QFile huge(folder.file("huge.tbl"));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(100LL * 1024 * 1024));
        }
        QStringList lines = {"kept"};
        QString error;
        QVERIFY(!DefinitionFile::readLines(folder.file(name), lines, &error));
        QVERIFY2(error.contains(because), qPrintable(error));
        QVERIFY(error.contains(folder.file(name)));
        QCOMPARE(lines, QStringList{"kept"});
    }

    void failedWriteLeavesTheFileAlone() {
        TestFolder folder;
        const QString path = folder.write("t.tbl", "old\r\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        QString error;
        QVERIFY(!DefinitionFile::writeLines(path, {"new"}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFolder::read(path), QByteArray("old\r\n"));
        QVERIFY(!DefinitionFile::writeLines(folder.file("no/such/folder/t.tbl"), {"new"}, &error));
    }

    void extension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("none") << "/a/table"
                              << "/a/table.tbl";
        QTest::newRow("other") << "/a/table.txt"
                               << "/a/table.tbl";
        QTest::newRow("last one only") << "/a/my.table.htm"
                                       << "/a/my.table.tbl";
        QTest::newRow("dot in a folder") << "/a.b/table"
                                         << "/a.b/table.tbl";
        QTest::newRow("hidden file") << "/a/.table"
                                     << "/a/.table.tbl";
        QTest::newRow("already") << "/a/t.tbl"
                                 << "/a/t.tbl";
    }
    void extension() {
        QFETCH(QString, path);
        QFETCH(QString, result);
        QCOMPARE(DefinitionFile::withExtension(path, ".tbl"), result);
    }
};

QTEST_APPLESS_MAIN(TestDefinitionFile)
#include "test_gen_definitionfile.moc"
