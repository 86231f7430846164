#include "projects/projectlistfile.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>
#include <sys/stat.h>
#include <csignal>
#include <sys/resource.h>

namespace {

// A list as the program on Windows wrote it: CR LF, TABs, Windows-1252 text.
const QByteArray kWindowsList = "Welcome - Welcome\r\n"
                                "\tInternational Vendors - internat.htm\r\n"
                                "\tReadme File - readme.htm\r\n"
                                "Caf\xE9 du Nord - D:\\Web\\cafe\r\n"
                                "\t#Default Project Settings - PROJECT.INI\r\n"
                                "\tMen\xFC - menu.htm\r\n"
                                "Empty project - empty\r\n";

} // namespace

class TestProjectListFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileGivesTheWelcomeProject() {
        TestFolder f;
        ProjectListFile file(f.file("project.dat"));
        ProjectTree tree;
        const ProjectListLoad load = file.load(tree);
        QCOMPARE(load.status, ProjectListLoad::Status::Missing);
        QVERIFY(file.loadMessage(load).isEmpty());
        QCOMPARE(tree.projectCount(), 1);
        QCOMPARE(tree.projectText(0), QString("Welcome - Welcome"));
        QCOMPARE(tree.pages(0),
                 QStringList({"International Vendors - internat.htm", "Readme File - readme.htm",
                              "Safesurf Ratings Explanation - ssplan.htm",
                              "Update notices - updates.htm"}));
    }

    void emptyFileGivesAnEmptyTree() {
        TestFolder f;
        ProjectListFile file(f.write("project.dat", QByteArray()));
        ProjectTree tree = ProjectTree::defaultTree();
        const ProjectListLoad load = file.load(tree);
        QCOMPARE(load.status, ProjectListLoad::Status::Loaded);
        QVERIFY(load.complete());
        QVERIFY(tree.isEmpty());
        QVERIFY(file.save(tree));
        QCOMPARE(TestFolder::read(file.path()), QByteArray());
    }

    void windowsListRoundTripsByteForByte() {
        TestFolder f;
        ProjectListFile file(f.write("project.dat", kWindowsList));
        ProjectTree tree;
        QVERIFY(file.load(tree).complete());
        QCOMPARE(tree.projectCount(), 3);
        QCOMPARE(tree.projectText(1), QString::fromUtf8("Café du Nord - D:\\Web\\cafe"));
        QCOMPARE(tree.pageText(1, 1), QString::fromUtf8("Menü - menu.htm"));
        QCOMPARE(tree.pageCount(2), 0);
        QVERIFY(file.save(tree));
        QCOMPARE(TestFolder::read(file.path()), kWindowsList);
    }

    void newTextThatWindows1252CannotHoldIsWrittenAsUtf8() {
        TestFolder f;
        ProjectListFile file(f.write("project.dat", kWindowsList));
        ProjectTree tree;
        file.load(tree);
        tree.addPage(2, QString::fromUtf8("Доклад - report.htm"));
        QVERIFY(file.save(tree));
        ProjectTree again;
        QVERIFY(ProjectListFile(file.path()).load(again).complete());
        QCOMPARE(again, tree);
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("LF") << QByteArray("A - a\n\tP - p.htm\nB - b");
        QTest::newRow("CR") << QByteArray("A - a\r\tP - p.htm\rB - b\r");
        QTest::newRow("blank lines and BOM")
            << QByteArray("\xEF\xBB\xBF\r\nA - a\r\n\r\n\tP - p.htm\r\n\t\r\nB - b\r\n\r\n");
        QTest::newRow("two TABs are a page") << QByteArray("A - a\r\n\t\tP - p.htm\r\nB - b");
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        int skipped = -1;
        const ProjectTree tree = parseProjectList(bytes, &skipped);
        QCOMPARE(skipped, 0);
        ProjectTree expected;
        expected.appendPage(expected.addProject("A - a"), "P - p.htm");
        expected.addProject("B - b");
        QCOMPARE(tree, expected);
    }

    void damagedLinesAreLeftOutAndTheFileKept_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("skipped");
        QTest::newRow("page before any project")
            << QByteArray("\tX - x.htm\r\nA - a\r\n\tP - p.htm\r\n") << 1;
        QTest::newRow("binary bytes") << (QByteArray("A - a\r\n") + QByteArray("\x01\x02\x00", 3) +
                                          "\xFF\xFE garbage\r\n\tP - p.htm\r\n")
                                      << 1;
        QTest::newRow("over-long line")
            << (QByteArray("A - a\r\n\t") + QByteArray(kMaxEntryLength + 1, 'x') +
                "\r\n\tP - p.htm\r\n")
            << 1;
    }
    void damagedLinesAreLeftOutAndTheFileKept() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, skipped);
        TestFolder f;
        ProjectListFile file(f.write("project.dat", bytes));
        ProjectTree tree;
        const ProjectListLoad load = file.load(tree);
        QCOMPARE(load.skippedLines, skipped);
        QVERIFY(!load.complete());
        QVERIFY(file.loadMessage(load).contains(file.path()));
        QVERIFY(file.loadMessage(load).contains(file.backupPath()));
        QCOMPARE(tree.projectText(0), QString("A - a"));
        QCOMPARE(tree.pages(0), QStringList("P - p.htm"));
        QVERIFY(file.save(tree));
        QCOMPARE(TestFolder::read(file.backupPath()), bytes);
        QCOMPARE(TestFolder::read(file.path()), QByteArray("A - a\r\n\tP - p.htm\r\n"));
    }

    void wholeBinaryFileNeverHangs() {
        QByteArray noise(200000, '\0');
        quint32 x = 12345;
        for (char &c : noise) {
            x = x * 1103515245u + 12345u;
            c = char(x >> 24);
        }
        int skipped = 0;
        const ProjectTree tree = parseProjectList(noise, &skipped);
        QVERIFY(skipped > 0);
        for (int p = 0; p < tree.projectCount(); ++p)
            QVERIFY(tree.projectText(p).size() <= kMaxEntryLength);
    }

    void tooLargeIsNotReadAndKept() {
        TestFolder f;
        const QString path = f.file("project.dat");
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(kMaxProjectListSize + 1)); // sparse
        big.close();
        ProjectListFile file(path);
        ProjectTree tree = ProjectTree::defaultTree();
        const ProjectListLoad load = file.load(tree);
        QCOMPARE(load.status, ProjectListLoad::Status::TooLarge);
        QVERIFY(tree.isEmpty());
        QVERIFY(!file.loadMessage(load).isEmpty());
        QVERIFY(file.save(tree));
        QCOMPARE(QFileInfo(file.backupPath()).size(), kMaxProjectListSize + 1);
    }

    void failedSaveKeepsTheOldFile() {
        // A file size limit makes the write fail, for any user.
        TestFolder f;
        ProjectListFile file(f.write("project.dat", kWindowsList));
        ProjectTree tree;
        file.load(tree);
        for (int i = 0; i < 100; ++i)
            tree.addPage(0, QString("Page %1 - p%1.htm").arg(i));
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 1000;
        const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = file.save(tree);
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QVERIFY(!file.errorString().isEmpty());
        QVERIFY(file.saveFailureMessage().contains(file.path()));
        QCOMPARE(TestFolder::read(file.path()), kWindowsList);
        QCOMPARE(QDir(f.path()).entryList(QDir::Files), QStringList("project.dat"));
        QVERIFY(file.save(tree));
    }

    // A list file that is a pipe or a device is neither read (which would
    // block or never end) nor replaced when the list is written.
    void listThatIsNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
    }
    void listThatIsNoFile() {
        QFETCH(QString, kind);
        TestFolder dir;
        const QString path = dir.file("project.dat");
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(TestFolder::linkToDevice(path, "zero"));
        ProjectListFile file(path);
        ProjectTree tree;
        QCOMPARE(file.load(tree).status, ProjectListLoad::Status::Unreadable);
        QCOMPARE(tree.projectCount(), 0);
        QVERIFY(!file.save(ProjectTree::defaultTree()));
        QCOMPARE(QFileInfo(path).isSymLink(), kind == "zero");
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_APPLESS_MAIN(TestProjectListFile)
#include "test_projectlistfile.moc"
