// Finding and changing the references to a page that moved, in page texts
// and in page files on disk.

#include "editor/textfile.h"
#include "projects/pageops/linkupdate.h"
#include "testfolder.h"

#include <QtTest>

namespace {

const QString kFolder = "/site";
const QString kOld = "/site/old.htm";
const QString kNew = "/site/new page.htm";

} // namespace

class TestLinkUpdate : public QObject {
    Q_OBJECT
private slots:
    void references_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("changed");
        QTest::newRow("double quotes") << "<A HREF=\"old.htm\">x</A>"
                                       << "<A HREF=\"new page.htm\">x</A>";
        QTest::newRow("apostrophes, blanks") << "<a href = 'old.htm#top'>"
                                             << "<a href = 'new page.htm#top'>";
        QTest::newRow("unquoted, query") << "<FRAME SRC=old.htm?a=1 NAME=main>"
                                         << "<FRAME SRC=new page.htm?a=1 NAME=main>";
        QTest::newRow("dot slash") << "<a href=\"./old.htm\">"
                                   << "<a href=\"./new page.htm\">";
        QTest::newRow("root") << "<a href=\"/old.htm\">"
                              << "<a href=\"/new page.htm\">";
        QTest::newRow("backslash, detour") << "<a href=\"sub\\..\\old.htm\">"
                                           << "<a href=\"new page.htm\">";
        QTest::newRow("percent") << "<a href=\"o%6Cd.htm\">"
                                 << "<a href=\"new%20page.htm\">";
        QTest::newRow("several, across lines")
            << "<IMG\r\n  SRC=\"x.gif\" LOWSRC=\"old.htm\"><FORM ACTION=\"old.htm\">"
            << "<IMG\r\n  SRC=\"x.gif\" LOWSRC=\"new page.htm\"><FORM ACTION=\"new page.htm\">";
        QTest::newRow("other case") << "<a href=\"OLD.htm\">"
                                    << "<a href=\"OLD.htm\">";
        QTest::newRow("other file") << "<a href=\"old.html\">"
                                    << "<a href=\"old.html\">";
        QTest::newRow("web address") << "<a href=\"http://old.htm\">"
                                     << "<a href=\"http://old.htm\">";
        QTest::newRow("other attribute") << "<a title=\"old.htm\">"
                                         << "<a title=\"old.htm\">";
        QTest::newRow("comment") << "<!-- <a href=\"old.htm\"> -->"
                                 << "<!-- <a href=\"old.htm\"> -->";
        QTest::newRow("text") << "see href=old.htm"
                              << "see href=old.htm";
        QTest::newRow("marker only") << "<a href=\"#old.htm\">"
                                     << "<a href=\"#old.htm\">";
    }
    void references() {
        QFETCH(QString, text);
        QFETCH(QString, changed);
        QCOMPARE(applyReplacements(text, linkReplacements(text, kFolder, kOld, kNew)), changed);
    }

    void referenceLines() {
        const QString text = "<P>\r\n<a href=old.htm>a</a>\r<a href=old.htm>\n<b><a href=old.htm>";
        QVector<int> lines;
        for (const LinkReference &r : findReferences(text, kFolder, kOld))
            lines << r.line;
        QCOMPARE(lines, (QVector<int>{2, 3, 4}));
    }

    void retargetedPaths_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("path");
        QTest::newRow("other project") << "old.htm"
                                       << "/other/old.htm"
                                       << "../other/old.htm";
        QTest::newRow("root, leaving") << "/old.htm"
                                       << "/other/a.htm"
                                       << "../other/a.htm";
        QTest::newRow("backslashes") << ".\\old.htm"
                                     << "/site/sub/a.htm"
                                     << ".\\sub\\a.htm";
    }
    void retargetedPaths() {
        QFETCH(QString, written);
        QFETCH(QString, to);
        QFETCH(QString, path);
        QCOMPARE(retargetedPath(written, kFolder, to), path);
    }

    void pagesOnDiskKeepTheirBytes() {
        TestFolder site;
        // Windows-1252 with CR LF, a UTF-8 page with LF and a byte order
        // mark, a page without links to the file, and a binary file.
        const QString ansi =
            site.write("ansi.htm", "<P>caf\xE9\r\n<A HREF=\"old.htm\">\xAB</A>\r\n");
        const QString utf8 =
            site.write("utf8.htm", "\xEF\xBB\xBF<p>\xE2\x82\xAC\n<a href=old.htm>\n");
        const QString none = site.write("none.htm", "<a href=\"other.htm\">");
        const QString binary = site.write("pic.gif", QByteArray("GIF<a href=old.htm>\0", 20));
        const QString from = site.file("old.htm");
        LinkUpdate update(from, site.file("new.htm"));
        update.scan({ansi, utf8, none, binary}, nullptr);
        QCOMPARE(update.pages().size(), 2);
        QCOMPARE(update.referenceCount(), 2);
        QCOMPARE(update.question(), QString("These links lead to old.htm, which is now new.htm:\n\n"
                                            "ansi.htm, line 2: <A HREF=\"old.htm\">\n"
                                            "utf8.htm, line 2: <a href=old.htm>\n"
                                            "\nChange them to lead to new.htm?"));
        QCOMPARE(update.apply(nullptr), QStringList());
        QCOMPARE(TestFolder::read(ansi),
                 QByteArray("<P>caf\xE9\r\n<A HREF=\"new.htm\">\xAB</A>\r\n"));
        QCOMPARE(TestFolder::read(utf8),
                 QByteArray("\xEF\xBB\xBF<p>\xE2\x82\xAC\n<a href=new.htm>\n"));
        QCOMPARE(TestFolder::read(none), QByteArray("<a href=\"other.htm\">"));
        QCOMPARE(TestFolder::read(binary), QByteArray("GIF<a href=old.htm>\0", 20));
    }

    void longListsAreCut() {
        TestFolder site;
        QByteArray many;
        for (int i = 0; i < LinkUpdate::kListedPlaces + 5; ++i)
            many += "<P>text <a href=old.htm title=\"" + QByteArray(100, 'x') + "\">\r\n";
        const QString page = site.write("many.htm", many);
        LinkUpdate update(site.file("old.htm"), site.file("new.htm"));
        update.scan({page}, nullptr);
        const QString tag = "<a href=old.htm title=\"" + QString(100, 'x') + "\">";
        const QString question = update.question();
        QVERIFY(question.contains("many.htm, line 30: " + tag.left(70) + "...\n"));
        QVERIFY(!question.contains("line 31:"));
        QVERIFY(question.contains("... and 5 more.\n"));
    }
};

QTEST_GUILESS_MAIN(TestLinkUpdate)
#include "test_linkupdate.moc"
