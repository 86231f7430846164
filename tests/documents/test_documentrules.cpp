// The rules of the open documents that need no window: the page list, the
// recent files, the names of the files that belong to a document, the open
// filter, the file listings and stale parking files.

#include "documents/documentnames.h"
#include "documents/filelisting.h"
#include "documents/openfilter.h"
#include "documents/pagelist.h"
#include "documents/recentfiles.h"
#include "documents/staleparking.h"
#include "testfolder.h"

#include <QtTest>

class TestDocumentRules : public QObject {
    Q_OBJECT
private slots:
    void pageListFindsExactPathsFromTheLast() {
        PageList list;
        for (const char *name : {"/w/a.htm", "/w/B.htm", "/w/a.htm"}) {
            PageRecord r;
            r.fileName = QString::fromLatin1(name);
            list.append(r);
        }
        QCOMPARE(list.indexOf("/w/a.htm"), 2);
        QCOMPARE(list.indexOf("/w/b.htm"), -1); // letter case counts
        QVERIFY(list.isFileNameOpen("/w/B.htm"));
        list.removeAt(2);
        QCOMPARE(list.indexOf("/w/a.htm"), 0);
    }

    void recentFiles_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        const QStringList full{"/a", "/b", "/c", "/d"};
        QTest::newRow("newest again") << full << "/a" << full;
        QTest::newRow("second moves up") << full << "/b" << QStringList{"/b", "/a", "/c", "/d"};
        QTest::newRow("oldest moves up") << full << "/d" << QStringList{"/d", "/a", "/b", "/c"};
        QTest::newRow("fifth drops the oldest")
            << full << "/e" << QStringList{"/e", "/a", "/b", "/c"};
        QTest::newRow("case differs: a new path")
            << full << "/A" << QStringList{"/A", "/a", "/b", "/c"};
        QTest::newRow("into empty slots")
            << QStringList{"/a", "", "", ""} << "/b" << QStringList{"/b", "/a", "", ""};
    }
    void recentFiles() {
        QFETCH(QStringList, before);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        RecentFiles files;
        for (int i = 0; i < 4; ++i)
            files[i] = before.at(i);
        setLastFiles(files, path);
        QCOMPARE(QStringList(files.begin(), files.end()), after);
    }

    void saveAsLowerCasesOnlyTheFileName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("capitals") << "/home/U/Web/Index.HTM"
                                  << "/home/U/Web/index.htm";
        QTest::newRow("already lower") << "/w/a.htm"
                                       << "/w/a.htm";
        QTest::newRow("dotted folder") << "/My.Site/Page.Html"
                                       << "/My.Site/page.html";
    }
    void saveAsLowerCasesOnlyTheFileName() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(DocumentNames::saveAsPath(chosen), saved);
    }

    void documentNames() {
        QCOMPARE(DocumentNames::parkingFile("/w/a.htm"), QString("/w/a.htm_"));
        QCOMPARE(DocumentNames::previewFile("/w/"), QString("/w/quilview.htm"));
        QCOMPARE(DocumentNames::folderOf("/w/x/a.htm"), QString("/w/x/"));
        QCOMPARE(DocumentNames::folderOf("/a.htm"), QString("/"));
        QCOMPARE(DocumentNames::fileNameOf("/w/x/a.htm"), QString("a.htm"));
        QCOMPARE(DocumentNames::workingDirectory("/w/x/"), QString("/w/x"));
        QCOMPARE(DocumentNames::workingDirectory("/"), QString("/"));
        QVERIFY(DocumentNames::isNewPagePath("/prog/newpage.htm"));
        QVERIFY(!DocumentNames::isNewPagePath("/prog/NewPage.htm"));
        QVERIFY(DocumentNames::isDefaultPage("/prog/NewPage.HTM"));
        QVERIFY(!DocumentNames::isDefaultPage("/prog/new page.htm"));
    }

    void imageNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::newRow("gif") << "logo.gif" << true;
        QTest::newRow("JPG upper") << "PHOTO.JPG" << true;
        QTest::newRow("bmp mixed") << "a.Bmp" << true;
        QTest::newRow("anywhere in the name") << "a.gif.htm" << true;
        QTest::newRow("png is a page") << "a.png" << false;
        QTest::newRow("html") << "index.html" << false;
    }
    void imageNames() {
        QFETCH(QString, name);
        QFETCH(bool, image);
        QCOMPARE(DocumentNames::namesImage(name), image);
    }

    void projectEntryFileName() {
        QCOMPARE(DocumentNames::entryFileName("Readme File - readme.htm"), QString("readme.htm"));
        // Names may hold "-"; the first one ends the description.
        QCOMPARE(DocumentNames::entryFileName("Notes - my-page.htm"), QString("my-page.htm"));
        QCOMPARE(DocumentNames::imagePage("a b.gif"), QString("<IMG SRC=\"a b.gif\">"));
    }

    void openFilter_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("graphics");
        QTest::addColumn<QString>("filter");
        QTest::newRow("empty settings give the defaults without a trailing ;")
            << ""
            << ""
            << "Web Documents|*.htm;*.html|HTMLFiles|*.html|Graphics|*.gif;*.jpg"
               "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class";
        QTest::newRow("htm and txt")
            << "htm,txt"
            << "gif"
            << "Web Documents|*.htm;*.txt;|HTMLFiles|*.html|Graphics|*.gif;"
               "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class";
        QTest::newRow("empty entries skipped")
            << "htm,,html"
            << ",png"
            << "Web Documents|*.htm;*.html;|HTMLFiles|*.html|Graphics|*.png;"
               "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class";
    }
    void openFilter() {
        QFETCH(QString, extension);
        QFETCH(QString, graphics);
        QFETCH(QString, filter);
        QCOMPARE(buildOpenFilter(extension, graphics), filter);
        QCOMPARE(filter.split('|').at(2 * (kGraphicsFilterIndex - 1)), QString("Graphics"));
    }

    void fileListings() {
        TestFolder dir;
        for (const char *name :
             {"b.gif", "A.GIF", "c.jpg", "d.jpeg", "e.htm", "f.html", "gif", "x.gif.txt"})
            dir.write(QString::fromLatin1(name), "x");
        QDir().mkpath(dir.file("folder.gif"));
        QStringList list{"c.jpg"};
        listGraphicFiles(dir.path(), "gif,jpg", list);
        QCOMPARE(list, (QStringList{"c.jpg", "A.GIF", "b.gif"}));
        // Entries after the first empty one are not used.
        QStringList docs;
        listDocumentFiles(dir.path(), "htm,,html", docs);
        QCOMPARE(docs, QStringList{"e.htm"});
        QStringList none;
        listMatchingFiles(dir.file("missing"), "htm", none);
        QVERIFY(none.isEmpty());
    }

    void staleParkingFiles() {
        TestFolder dir;
        const QString page = dir.write("a.htm", "saved text");
        QVERIFY(!findStaleParking(page).found);
        // The same bytes: nothing to lose either way.
        dir.write("a.htm_", "saved text");
        QVERIFY(!findStaleParking(page).found);
        dir.write("a.htm_", "changed text");
        const StaleParking stale = findStaleParking(page);
        QVERIFY(stale.found);
        QCOMPARE(stale.parkingPath, page + "_");
        QVERIFY(stale.savedAt.isValid());
        const QString question = staleParkingQuestion(page, stale);
        QVERIFY(question.startsWith("A backup copy of " + page + " was found (" + page + "_"));
        QVERIFY(question.contains("Cancel: open neither and keep both."));
        // Left beside a page that no longer exists.
        QFile::remove(page);
        QVERIFY(findStaleParking(page).found);
        QVERIFY(!findStaleParking(page).savedAt.isValid());
    }
};

QTEST_MAIN(TestDocumentRules)
#include "test_documentrules.moc"
