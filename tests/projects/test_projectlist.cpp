#include "projects/projectlist.h"
#include "testfolder.h"

#include <QFileInfo>
#include <QtTest>
#include <sys/stat.h>

class TestProjectList : public QObject {
    Q_OBJECT
private slots:
    void readsEveryLineEnd_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("Site - web\r\n\tHome - index.htm\r\n");
        QTest::newRow("LF") << QByteArray("Site - web\n\tHome - index.htm\n");
        QTest::newRow("CR") << QByteArray("Site - web\r\tHome - index.htm\r");
    }
    void readsEveryLineEnd() {
        QFETCH(QByteArray, bytes);
        TestFolder dir;
        ProjectList list;
        QVERIFY(readProjectList(dir.write("project.dat", bytes), list));
        QCOMPARE(list, (ProjectList{{1, "Site - web"}, {2, "Home - index.htm"}}));
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
            QVERIFY(QFile::link("/dev/zero", path));
        ProjectList list{{1, "kept"}};
        QVERIFY(!readProjectList(path, list));
        QCOMPARE(list, (ProjectList{{1, "kept"}}));
        QVERIFY(!writeProjectList(path, defaultProjectList()));
        QCOMPARE(QFileInfo(path).isSymLink(), kind == "zero");
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestProjectList)
#include "test_projectlist.moc"
