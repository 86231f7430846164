#include "dcttestutil.h"
#include "spelling/dctfile.h"
#include "testfolder.h"

#include <QtTest>
#include <sys/stat.h>

using dct::makeEntry;

class TestDctFile : public QObject {
    Q_OBJECT
private:
    TestFolder m_folder;

    // A file of hand-made entries (index 0 unused).
    QString handMade(const QString &name, const std::vector<std::uint32_t> &entries) {
        const QString path = m_folder.file(name);
        writeDctFile(path, entries);
        return path;
    }

    static QString openError(const QString &path) {
        try {
            DctFile f(path);
        } catch (const DictionaryError &e) {
            return e.text();
        }
        return QString();
    }

private slots:
    void signatureAndHeader() {
        const QString path = m_folder.file("sig.dct");
        QVERIFY(compileDictionary(path, {"cat"}));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.left(43), QByteArray("Copyright (c) 1996, Eminent Domain Software"));
        QCOMPARE(bytes.mid(43, 40), QByteArray(40, '\0'));
        DctFile f(path);
        QCOMPARE(f.header().size(), 83);
        QCOMPARE(f.size(), qint64(bytes.size()));
        QCOMPARE(f.entryCount(), std::uint32_t((bytes.size() - 83) / 4));
        // c -> a -> t: one entry per letter, each the last of its run.
        QCOMPARE(f.entry(1), makeEntry('c', true, false, 2));
        QCOMPARE(f.entry(2), makeEntry('a', true, false, 3));
        QCOMPARE(f.entry(3), makeEntry('t', true, true, 0));
    }

    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray sig = dct::signature() + QByteArray(33, '\0');
        auto le = [](std::uint32_t e) {
            return QByteArray(1, char(e)) + char(e >> 8) + char(e >> 16) + char(e >> 24);
        };
        const QString corrupt = "Dictionary Corrupt.";
        QTest::newRow("empty file") << QByteArray() << corrupt;
        QTest::newRow("shorter than the header") << sig.left(60) << corrupt;
        QByteArray wrong = sig + le(makeEntry('a', true, true, 0));
        wrong[10] = 'X';
        QTest::newRow("wrong signature") << wrong << corrupt;
        QByteArray noZero = sig + le(makeEntry('a', true, true, 0));
        noZero[45] = '1';
        QTest::newRow("signature padding not zero") << noZero << corrupt;
        QTest::newRow("header only") << sig << corrupt;
        QTest::newRow("entry points past the end")
            << sig + le(makeEntry('a', true, true, 2)) << corrupt;
        QTest::newRow("run never ends")
            << sig + le(makeEntry('a', false, true, 0)) + le(makeEntry('b', false, true, 0))
            << corrupt;
        QTest::newRow("pointed-to run never ends")
            << sig + le(makeEntry('a', true, false, 2)) + le(makeEntry('b', false, true, 0))
            << corrupt;
        QTest::newRow("largest pointer past the end")
            << sig + le(makeEntry('a', true, true, dct::MaxEntries)) << corrupt;
    }
    void refusedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QCOMPARE(openError(m_folder.write("bad.dct", bytes)), error);
    }

    void missingFile() {
        const QString path = m_folder.file("nothing/ENGLISH.DCT");
        QCOMPARE(openError(path), "Dictionary not found : " + path);
        QCOMPARE(openError(m_folder.path()), "Dictionary not found : " + m_folder.path());
    }

    // Files that cannot be a dictionary are refused before they are read: a
    // pipe (which would block), a device (which never ends), and a file
    // larger than any dictionary behind a valid header (sparse here, so the
    // test writes next to nothing).
    void noDictionaryIsReadWhole_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("corrupt");
        QTest::newRow("pipe") << "fifo" << qint64(0) << false;
        QTest::newRow("link to /dev/zero") << "zero" << qint64(0) << false;
        QTest::newRow("one entry more than can be read")
            << "sparse" << dct::MaxFileSize + 1 << true;
        QTest::newRow("gigabytes") << "sparse" << (qint64(6) << 30) << true;
    }
    void noDictionaryIsReadWhole() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(bool, corrupt);
        TestFolder folder;
        const QString path = folder.file("HUGE.DCT");
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "zero") {
            QVERIFY(TestFolder::linkToDevice(path, "zero"));
        } else {
            QFile file(folder.write("HUGE.DCT", dct::signature() + QByteArray(33, '\0')));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(size));
        }
        QCOMPARE(openError(path),
                 corrupt ? QString("Dictionary Corrupt.") : "Dictionary not found : " + path);
    }

    void strayBytesAfterLastEntryAreIgnored() {
        const QString path = m_folder.file("stray.dct");
        QVERIFY(compileDictionary(path, {"ox"}));
        QByteArray bytes = fileBytes(path);
        bytes.append('\x1A');
        m_folder.write("stray.dct", bytes);
        DctFile f(path);
        QCOMPARE(f.entryCount(), 2u);
        QVERIFY(f.lookup("ox"));
    }

    void lookup_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<bool>("found");
        QTest::newRow("whole word") << QByteArray("car") << true;
        QTest::newRow("longer word through a word end") << QByteArray("carton") << true;
        QTest::newRow("bare prefix of words") << QByteArray("cart") << false;
        QTest::newRow("one letter prefix") << QByteArray("c") << false;
        QTest::newRow("past a leaf") << QByteArray("cartons") << false;
        QTest::newRow("letter missing among alternatives") << QByteArray("cz") << false;
        QTest::newRow("first letter missing") << QByteArray("dog") << false;
        QTest::newRow("empty word") << QByteArray() << false;
        QTest::newRow("later alternative") << QByteArray("cure") << true;
        QTest::newRow("case is not folded here") << QByteArray("Car") << false;
        QTest::newRow("accented bytes") << QByteArray("caf\xE9") << true;
        QTest::newRow("cut to 50 bytes") << QByteArray(50, 'x') + "yyy" << true;
        QTest::newRow("49 bytes") << QByteArray(49, 'x') << false;
    }
    void lookup() {
        QFETCH(QByteArray, word);
        QFETCH(bool, found);
        const QString path = m_folder.file("lookup.dct");
        if (!QFile::exists(path))
            QVERIFY(compileDictionary(
                path, {"car", "carton", "cartoon", "cure", "caf\u00e9", QString(50, 'x')}));
        DctFile f(path);
        QCOMPARE(f.lookup(word), found);
    }

    // 150 one-letter words make a first run of 150 alternatives: entry 128
    // ends block 0 at offset 591, entry 129 starts block 1 at offset 595.
    void blockBoundary() {
        QStringList words;
        QByteArray letters;
        for (int c = 0x21; c < 0x100 && letters.size() < 150; ++c) {
            const QString s = cp1252::decode(QByteArray(1, char(c)));
            if (c == 0x7F || s.toLower() != s || s.at(0).isSpace())
                continue;
            letters.append(char(c));
            words << s;
        }
        const QString path = m_folder.file("blocks.dct");
        QVERIFY(compileDictionary(path, words));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(dct::entryOffset(128), qint64(591));
        QCOMPARE(dct::entryOffset(129), qint64(595));

        DctFile f(path);
        QCOMPARE(f.entry(128), entryAt(bytes, 128));
        QCOMPARE(dct::letterOf(f.entry(128)), static_cast<unsigned char>(letters.at(127)));
        QVERIFY(!dct::isLastSibling(f.entry(128)));
        QCOMPARE(f.entry(129), entryAt(bytes, 129));
        QCOMPARE(dct::letterOf(f.entry(129)), static_cast<unsigned char>(letters.at(128)));

        // Finding a letter walks across the boundary; every word is found.
        for (char c : letters)
            QVERIFY2(f.lookup(QByteArray(1, c)), QByteArray(1, c).toHex().constData());
        QVERIFY(!f.lookup(QByteArray("\x21\x21")));
        QVERIFY(!f.lookup(QByteArray(1, char(0x7F))));
    }

    // Entries come in whole blocks and a shorter last block; every one must
    // match the bytes at its offset.
    void entriesMatchTheirOffsets() {
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << QString::number(i * 7919 + 100000);
        const QString path = m_folder.file("blocks2.dct");
        QVERIFY(compileDictionary(path, words));
        const QByteArray bytes = fileBytes(path);
        DctFile f(path);
        QVERIFY(f.entryCount() > 2 * 128);
        QVERIFY(f.entryCount() % 128 != 0);
        for (std::uint32_t k = 1; k <= f.entryCount(); ++k)
            QCOMPARE(f.entry(k), entryAt(bytes, k));
        for (const QString &w : words)
            QVERIFY(f.lookup(w.toLatin1()));
    }

    void outOfRangeEntries() {
        const QString path = m_folder.file("range.dct");
        QVERIFY(compileDictionary(path, {"ab"}));
        DctFile f(path);
        for (std::uint32_t k : {0u, 3u, 0xFFFFFFFFu}) {
            bool thrown = false;
            try {
                f.entry(k);
            } catch (const DictionaryError &e) {
                thrown = e.text() == "Dictionary Corrupt.";
            }
            QVERIFY2(thrown, QByteArray::number(k).constData());
        }
    }

    // The entries are read when the file is opened; a later change to the
    // file (another program cutting it short) does not reach the open one.
    void fileChangedAfterOpen() {
        QStringList words;
        for (int i = 0; i < 300; ++i)
            words << QString::number(i * 104729 + 1000000);
        const QString path = m_folder.file("shrink.dct");
        QVERIFY(compileDictionary(path, words));
        DctFile f(path);
        QFile file(path);
        QVERIFY(file.resize(83 + 4 * 10));
        for (const QString &w : words)
            QVERIFY(f.lookup(w.toLatin1()));
        QCOMPARE(openError(path), QString("Dictionary Corrupt."));
    }

    void windows1252Codec() {
        QByteArray all;
        for (int c = 0; c < 256; ++c)
            all.append(char(c));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x99), QChar(0x2122));
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        QByteArray back;
        QVERIFY(cp1252::encode(text, back));
        QCOMPARE(back, all);
        QVERIFY(!cp1252::encode(QString::fromUtf8("\xC5\x9D"), back)); // U+015D
        QCOMPARE(cp1252::encodeLossy(QString::fromUtf8("a\xC5\x9D\xE2\x82\xAC"), '?'),
                 QByteArray("a?\x80"));
    }
};

QTEST_GUILESS_MAIN(TestDctFile)
#include "test_dctfile.moc"
