#include "editor/textfile.h"
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    // Decoding detects the encoding and the first line end, and encoding with
    // the detected format gives back the very same bytes.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<int>("lineEnd");
        QTest::addColumn<QString>("text");
        const int utf8 = int(TextFormat::Encoding::Utf8);
        const int w1252 = int(TextFormat::Encoding::Windows1252);
        const int crlf = int(TextFormat::LineEnd::CrLf), lf = int(TextFormat::LineEnd::Lf),
                  cr = int(TextFormat::LineEnd::Cr);
        QTest::newRow("ascii crlf") << QByteArray("<HTML>\r\n</HTML>\r\n") << utf8 << false << crlf
                                    << QStringLiteral("<HTML>\r\n</HTML>\r\n");
        QTest::newRow("ascii lf") << QByteArray("a\nb") << utf8 << false << lf
                                  << QStringLiteral("a\nb");
        QTest::newRow("ascii cr") << QByteArray("a\rb\r") << utf8 << false << cr
                                  << QStringLiteral("a\rb\r");
        QTest::newRow("no line end is a new document's crlf")
            << QByteArray("abc") << utf8 << false << crlf << QStringLiteral("abc");
        QTest::newRow("empty") << QByteArray() << utf8 << false << crlf << QString();
        QTest::newRow("mixed: first line end counts")
            << QByteArray("a\nb\r\nc\rd") << utf8 << false << lf << QStringLiteral("a\nb\r\nc\rd");
        QTest::newRow("utf8 without bom")
            << QByteArray("caf\xC3\xA9 \xE2\x84\xA2 \xF0\x9F\x98\x80") << utf8 << false << crlf
            << QStringLiteral("caf\u00E9 \u2122 ") + QString::fromUcs4(U"\U0001F600", 1);
        QTest::newRow("utf8 with bom")
            << QByteArray("\xEF\xBB\xBFx\r\ny") << utf8 << true << crlf << QStringLiteral("x\r\ny");
        QTest::newRow("bom only") << QByteArray("\xEF\xBB\xBF") << utf8 << true << crlf
                                  << QString();
        QTest::newRow("windows-1252 high controls")
            << QByteArray("\x80\x85\x91\x92\x93\x94\x96\x97\x99\x9F") << w1252 << false << crlf
            << QStringLiteral("\u20AC\u2026\u2018\u2019\u201C\u201D\u2013\u2014\u2122\u0178");
        QTest::newRow("windows-1252 latin letters")
            << QByteArray("caf\xE9\nna\xEFve") << w1252 << false << lf
            << QStringLiteral("caf\u00E9\nna\u00EFve");
        QTest::newRow("windows-1252 undefined codes survive")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << w1252 << false << crlf
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("truncated utf8 sequence falls back")
            << QByteArray("ok \xE2\x84") << w1252 << false << crlf
            << QStringLiteral("ok \u00E2\u201E");
        QTest::newRow("overlong utf8 falls back")
            << QByteArray("\xC0\xAF") << w1252 << false << crlf << QStringLiteral("\u00C0\u00AF");
        QTest::newRow("encoded surrogate falls back")
            << QByteArray("\xED\xA0\x80") << w1252 << false << crlf
            << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::newRow("bom then invalid bytes")
            << QByteArray("\xEF\xBB\xBF\xFF") << w1252 << false << crlf
            << QStringLiteral("\u00EF\u00BB\u00BF\u00FF");
        QTest::newRow("nul bytes kept") << QByteArray("a\0b\r\n", 5) << utf8 << false << crlf
                                        << QString::fromUtf8("a\0b\r\n", 5);
        QTest::newRow("utf8 noncharacter")
            << QByteArray("\xEF\xBF\xBF") << utf8 << false << crlf << QStringLiteral("\uFFFF");
    }
    void roundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(bool, bom);
        QFETCH(int, lineEnd);
        QFETCH(QString, text);
        const TextFile file = decodeText(bytes);
        QCOMPARE(file.text, text);
        QCOMPARE(int(file.format.encoding), encoding);
        QCOMPARE(file.format.byteOrderMark, bom);
        QCOMPARE(int(file.format.lineEnd), lineEnd);
        QCOMPARE(encodeText(file.text, file.format), bytes);
    }

    void utf8Validation_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ascii") << QByteArray("plain <HTML> text, long enough for blocks") << true;
        QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << true;
        QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << true;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("highest code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("lone continuation") << QByteArray("a\x80") << false;
        QTest::newRow("overlong two bytes") << QByteArray("\xC1\xBF") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x9F\xBF") << false;
        QTest::newRow("overlong four bytes") << QByteArray("\xF0\x8F\xBF\xBF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xB0\x80") << false;
        QTest::newRow("last before surrogates") << QByteArray("\xED\x9F\xBF") << true;
        QTest::newRow("cut short at the end") << QByteArray("abcdefgh\xE2\x82") << false;
        QTest::newRow("bad second continuation") << QByteArray("\xE2\x82\x41") << false;
        QTest::newRow("F5 lead byte") << QByteArray("\xF5\x80\x80\x80") << false;
        QTest::newRow("high byte after a block") << QByteArray("12345678\xFF") << false;
    }
    void utf8Validation() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes.constData(), bytes.size()), valid);
        if (valid)
            QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes);
    }

    // Every byte value survives Windows-1252 decoding and encoding.
    void windows1252AllBytes() {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        const TextFile file = decodeText(all);
        QCOMPARE(int(file.format.encoding), int(TextFormat::Encoding::Windows1252));
        QCOMPARE(file.text.size(), 256);
        QCOMPARE(file.text.at(153), QChar(0x2122));
        QCOMPARE(encodeText(file.text, file.format), all);
    }

    void windows1252Characters_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("unicode");
        QTest::newRow("A") << 65 << 0x41;
        QTest::newRow("euro") << 128 << 0x20AC;
        QTest::newRow("trade mark") << 153 << 0x2122;
        QTest::newRow("Y diaeresis") << 159 << 0x178;
        QTest::newRow("nbsp") << 160 << 0xA0;
        QTest::newRow("y diaeresis") << 255 << 0xFF;
    }
    void windows1252Characters() {
        QFETCH(int, code);
        QFETCH(int, unicode);
        QCOMPARE(int(windows1252ToUnicode(uchar(code)).unicode()), unicode);
        QCOMPARE(unicodeToWindows1252(QChar(unicode)), code);
    }

    // Characters the code page cannot hold become numeric references.
    void windows1252References_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("greek") << QStringLiteral("\u03B1=1") << QByteArray("&#945;=1");
        QTest::newRow("c1 control without code")
            << QStringLiteral("\u0080") << QByteArray("&#128;");
        QTest::newRow("astral as one reference")
            << QString::fromUcs4(U"\U0001F600", 1) << QByteArray("&#128512;");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("&#65533;");
        QTest::newRow("trade mark stays a byte") << QStringLiteral("\u2122") << QByteArray("\x99");
    }
    void windows1252References() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        TextFormat format;
        format.encoding = TextFormat::Encoding::Windows1252;
        QCOMPARE(encodeText(text, format), bytes);
    }

    void lineEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lineEnd");
        QTest::addColumn<QString>("expected");
        const int crlf = int(TextFormat::LineEnd::CrLf), lf = int(TextFormat::LineEnd::Lf),
                  cr = int(TextFormat::LineEnd::Cr);
        const QString mixed = QStringLiteral("a\r\nb\nc\rd\n\re");
        QTest::newRow("mixed to crlf")
            << mixed << crlf << QStringLiteral("a\r\nb\r\nc\r\nd\r\n\r\ne");
        QTest::newRow("mixed to lf") << mixed << lf << QStringLiteral("a\nb\nc\nd\n\ne");
        QTest::newRow("mixed to cr") << mixed << cr << QStringLiteral("a\rb\rc\rd\r\re");
        QTest::newRow("trailing cr") << QStringLiteral("x\r") << lf << QStringLiteral("x\n");
        QTest::newRow("none") << QStringLiteral("plain") << crlf << QStringLiteral("plain");
        QTest::newRow("empty") << QString() << cr << QString();
    }
    void lineEnds() {
        QFETCH(QString, text);
        QFETCH(int, lineEnd);
        QFETCH(QString, expected);
        QCOMPARE(withLineEnds(text, TextFormat::LineEnd(lineEnd)), expected);
    }

    void readErrors() {
        TestFolder folder;
        TextFile out;
        QString error;
        QVERIFY(!readTextFile(folder.file("missing.htm"), out, &error));
        QVERIFY(error.contains("missing.htm"));
        error.clear();
        QDir(folder.path()).mkdir("sub");
        QVERIFY(!readTextFile(folder.file("sub"), out, &error));
        QVERIFY(error.contains("folder"));
        // A huge file is refused with a message instead of exhausting memory
        // (a sparse file, so the test writes nothing).
        {
            QFile huge(folder.file("huge.htm"));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(qint64(300) * 1024 * 1024));
        }
        error.clear();
        QVERIFY(!readTextFile(folder.file("huge.htm"), out, &error));
        QVERIFY2(error.contains("too large"), qPrintable(error));
    }

    // Only regular files are read: a pipe would block for good, and a device
    // such as /dev/zero (whose size reads as 0) would be read without end.
    // Neither is opened.
    void onlyRegularFilesAreRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe") << "fifo"
                              << "is a pipe, not a file";
        QTest::newRow("link to a pipe") << "fifolink"
                                        << "is a pipe, not a file";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "is a device, not a file";
        QTest::newRow("link to /dev/null") << "null"
                                           << "is a device, not a file";
    }
    void onlyRegularFilesAreRead() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestFolder folder;
        const QString path = folder.file("page.htm");
        const QString fifo = folder.file("pipe");
        if (kind.startsWith("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (kind == "fifo")
            QVERIFY(QFile::rename(fifo, path));
        else
            QVERIFY(kind == "fifolink" ? QFile::link(fifo, path)
                                       : TestFolder::linkToDevice(path, kind));
        QByteArray bytes = "untouched";
        QString error;
        QVERIFY(!readFileBytes(path, bytes, &error));
        QVERIFY2(error.contains(path + " " + reason), qPrintable(error));
        QCOMPARE(bytes, QByteArray("untouched"));
        // Nor is anything written in its place.
        QVERIFY(!writeFileAtomically(path, "text", &error));
        QVERIFY2(error.contains("not a regular file"), qPrintable(error));
        QVERIFY(!QFileInfo(path).isFile());
    }

    void writeReplacesFileAndLeavesNoTemporaries() {
        TestFolder folder;
        const QString path = folder.write("page.htm", "old contents");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QString error;
        QVERIFY2(writeFileAtomically(path, "new", &error), qPrintable(error));
        QCOMPARE(TestFolder::read(path), QByteArray("new"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"page.htm"});
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions(QFile::ReadGroup));
        // A new file is created too.
        QVERIFY(writeFileAtomically(folder.file("new.htm"), "x", &error));
        QCOMPARE(TestFolder::read(folder.file("new.htm")), QByteArray("x"));
    }

    void writeFailureLeavesTargetUntouched_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only folder") << "readonly";
        QTest::newRow("disk full while writing") << "limit";
        QTest::newRow("folder missing") << "nofolder";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("read-only file") << "readonlyfile";
    }
    void writeFailureLeavesTargetUntouched() {
        QFETCH(QString, how);
        TestFolder folder;
        const QByteArray original = "precious original text";
        QString path = folder.write("dir/page.htm", original);
        const QString dir = folder.file("dir");
        const QByteArray replacement(256 * 1024, 'x');
        QString error;
        bool ok = true;
        if (how == "readonly") {
            if (geteuid() == 0) {
                // Permissions do not bind root: the save runs as "nobody".
                const QFileDevice::Permissions open = QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther;
                QFile::setPermissions(folder.path(), open);
                QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadOther | QFile::WriteOther);
                QProcess child;
                child.start(QStringLiteral("setpriv"),
                            {"--reuid=65534", "--regid=65534", "--clear-groups",
                             QStringLiteral(FULLDISK_WRITER), "try", path});
                QVERIFY(child.waitForFinished(30000));
                const QString said = QString::fromLocal8Bit(child.readAllStandardOutput());
                QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QVERIFY2(said.startsWith("failed: "), qPrintable(said));
                error = said.mid(8).trimmed();
                ok = false;
            } else {
                QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
                ok = writeFileAtomically(path, replacement, &error);
                QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        } else if (how == "limit") {
            // (The full disk itself: fullDiskNamesTheReason.)
            // A file size limit makes the write fail part way, as a full disk
            // would.
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = 64 * 1024;
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            ok = writeFileAtomically(path, replacement, &error);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        } else if (how == "nofolder") {
            path = folder.file("nothere/page.htm");
            ok = writeFileAtomically(path, replacement, &error);
            QVERIFY(!QFile::exists(path));
        } else if (how == "readonlyfile") {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            ok = writeFileAtomically(path, replacement, &error);
        } else {
            ok = writeFileAtomically(dir, replacement, &error);
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(QFileInfo(path).fileName()) || how == "folder", qPrintable(error));
        if (how == "limit") // the system's reason, not "Unknown error"
            QVERIFY2(error.endsWith(": File too large"), qPrintable(error));
        QCOMPARE(TestFolder::read(folder.file("dir/page.htm")), original);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
    }

    // A save writes its temporary file under a fixed name beside the target,
    // so that a save cut short can be found again; the next save replaces
    // such a leftover, but never through a link.
    void temporaryFileOfASave() {
        TestFolder folder;
        const QString path = folder.write("page.htm", "old");
        QCOMPARE(savingFile(path), path + ".saving");
        folder.write("page.htm.saving", "left by a save cut short");
        QString error;
        QVERIFY2(writeFileAtomically(path, "new", &error), qPrintable(error));
        QCOMPARE(TestFolder::read(path), QByteArray("new"));
        QVERIFY(!QFileInfo::exists(savingFile(path)));

        const QString victim = folder.write("victim.txt", "keep me");
        QVERIFY(QFile::link(victim, savingFile(path)));
        QVERIFY(!writeFileAtomically(path, "newer", &error));
        QVERIFY2(error.endsWith(": File exists"), qPrintable(error));
        QCOMPARE(TestFolder::read(victim), QByteArray("keep me"));
        QCOMPARE(TestFolder::read(path), QByteArray("new"));
    }

    void savingThroughALinkKeepsTheLink() {
        TestFolder folder;
        const QString real = folder.write("real.htm", "old");
        const QString link = folder.file("link.htm");
        QVERIFY(QFile::link(real, link));
        QString error;
        QVERIFY2(writeFileAtomically(link, "new", &error), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(TestFolder::read(real), QByteArray("new"));
    }

    // A full disk is reported with the system's reason. The disk is a small
    // file system mounted in a private mount namespace, in a child process;
    // where such namespaces are not allowed, a file size limit stands in
    // for it (the reason is then "File too large").
    void fullDiskNamesTheReason() {
        TestFolder folder;
        QVERIFY(QDir().mkpath(folder.file("disk")));
        QProcess child;
        child.start("unshare", {"-rm", "sh", "-c",
                                "mount -t tmpfs -o size=64k quilmead-test \"$0\" && "
                                "exec \"$1\" \"$0\"",
                                folder.file("disk"), QStringLiteral(FULLDISK_WRITER)});
        const bool started = child.waitForStarted(10000);
        QVERIFY(!started || child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        if (started && output.startsWith("failed:")) {
            QVERIFY2(output.contains("failed: Cannot save ") &&
                         output.contains("page.htm: No space left on device\n") &&
                         output.contains("original kept\n") && output.contains("no temporary\n"),
                     qPrintable(output));
            return;
        }
        qInfo("No private mount namespace here (%s); a file size limit stands in for the full "
              "disk.",
              qPrintable(started ? QString::fromLocal8Bit(child.readAllStandardError()).trimmed()
                                 : child.errorString()));
        const QString path = folder.write("page.htm", "precious");
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 64 * 1024;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString error;
        const bool ok = writeFileAtomically(path, QByteArray(256 * 1024, 'x'), &error);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!ok);
        QCOMPARE(error, "Cannot save " + path + ": File too large");
        QCOMPARE(TestFolder::read(path), QByteArray("precious"));
        QVERIFY(!QFileInfo::exists(savingFile(path)));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
