// The orphan search on a real project folder, and how its dialog shows a
// file.

#include "projects/pageops/orphansearch.h"
#include "testfolder.h"

#include <QtTest>

class TestOrphanSearch : public QObject {
    Q_OBJECT
private slots:
    void everythingUsedLeavesSettingsAndParkingFiles() {
        TestFolder site;
        site.write("PROJECT.INI", "[PROJECT]");
        site.write("index.htm", "<IMG SRC=\"logo.gif\"><A HREF=\"./about.htm#team\">x</A>"
                                "<IMG SRC=\"pics/a.gif\"><A HREF=\"gone.htm\">");
        site.write("index.htm_", "parked");
        site.write("about.htm", "<BODY BACKGROUND=\"back.jpg\"><A HREF=\"notes.txt\">");
        site.write("logo.gif", "GIF");
        site.write("back.jpg", "JPG");
        site.write("notes.txt", "notes");
        site.write("pics/a.gif", "GIF");
        site.write("stray.gif", "GIF");
        OrphanSearch search(site.path(), {"index.htm", "about.htm"});
        QCOMPARE(search.filesInUse(), (QStringList{"about.htm", "index.htm"}));
        const QStringList files = OrphanSearch::folderFiles(site.path());
        QCOMPARE(files, (QStringList{"about.htm", "back.jpg", "index.htm", "index.htm_", "logo.gif",
                                     "notes.txt", "PROJECT.INI", "stray.gif"}));
        search.searchFile(0);
        QCOMPARE(search.supportingFiles(), (QStringList{"back.jpg", "notes.txt"}));
        search.searchFile(1);
        QCOMPARE(search.supportingFiles(),
                 (QStringList{"back.jpg", "logo.gif", "notes.txt", "pics/a.gif"}));
        QCOMPARE(search.orphans(files), (QStringList{"index.htm_", "PROJECT.INI", "stray.gif"}));
        QCOMPARE(OrphanSearch::statusText(1, 2), QString("1 of 2"));
    }

    void showing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("showing");
        QTest::newRow("picture") << "a.GIF" << int(FileShowing::Picture);
        QTest::newRow("page") << "a.Htm" << int(FileShowing::Page);
        QTest::newRow("text") << "PROJECT.INI" << int(FileShowing::PlainText);
        QTest::newRow("parking file") << "a.htm_" << int(FileShowing::PlainText);
        QTest::newRow("no extension") << "README" << int(FileShowing::PlainText);
    }
    void showing() {
        QFETCH(QString, name);
        QFETCH(int, showing);
        QCOMPARE(int(fileShowing(name, "html,htm", "gif, jpg")), showing);
    }

    void pagesThatShowFiles() {
        TestFolder site;
        QCOMPARE(plainTextPage(site.write("a.ini", "<b>&")),
                 QString("<HTML><BODY><PRE>&lt;b&gt;&amp;</PRE></BODY></HTML>"));
        QCOMPARE(plainTextPage(site.file("missing")), QString());
        QCOMPARE(picturePage("my pic&.gif"),
                 QString("<HTML><BODY><IMG SRC=\"my%20pic%26.gif\"></BODY></HTML>"));
    }
};

QTEST_GUILESS_MAIN(TestOrphanSearch)
#include "test_orphansearch.moc"
