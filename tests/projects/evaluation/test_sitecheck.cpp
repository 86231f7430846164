// The check of every page of a project: a small site with known faults.

#include "projects/evaluation/sitecheck.h"
#include "projects/evaluation/sitereporttext.h"
#include "testfolder.h"

#include <QtTest>

namespace {

QStringList texts(const QVector<SiteReportLine> &lines) {
    QStringList list;
    for (const SiteReportLine &line : lines)
        list.append(line.text);
    return list;
}

// A project of four pages (and its settings file), with one fault of each
// kind.
void writeSite(const TestFolder &site) {
    site.write("PROJECT.INI", "[PROJECT]\r\n");
    site.write("images/logo.gif", "GIF89a");
    site.write("my page.htm", "<A NAME=\"here\"></A>");
    site.write("index.htm",
               "<HTML><HEAD><TITLE>Home</TITLE></HEAD>\r\n"
               "<BODY><A NAME=\"top\"></A>\r\n"
               "<IMG SRC=\"images/logo.gif\" ALT=\"Logo\">\r\n"
               "<IMG SRC=\"missing.gif\">\r\n"
               "<A HREF=\"about.htm\">About</A> <A HREF=\"news.htm#latest\">News</A>\r\n"
               "<A HREF=\"about.htm#team\">Team</A>\r\n"
               "<A HREF=\"gone.htm\">Gone</A>\r\n"
               "<A HREF=\"http://example.com/\">Out</A> <A HREF=\"mailto:a@b.c\">Mail</A>\r\n"
               "<A HREF=\"#top\">Top</A> <A HREF=\"#nowhere\">?</A>\r\n"
               "<A HREF=\"my%20page.htm#here\">Mine</A> <A HREF=\"images/\">Folder</A>\r\n"
               "</BODY></HTML>\r\n");
    site.write("about.htm", "<BODY BACKGROUND=\"bg.gif\">\r\n"
                            "<A HREF=\"index.htm\">Home</A>\n"
                            "<A HREF=\"index.htm?x=1#top\">Top</A>\n"
                            "</BODY>\r\n");
    site.write("news.htm", "<A NAME=\"latest\"></A>\r"
                           "<A HREF=\"index.htm\">Home</A>\r"
                           "<IMG SRC=\"images/logo.gif\">\r");
    site.write("orphan.htm", "<A HREF=\"index.htm\">Home</A>\r\n");
}

} // namespace

class TestSiteCheck : public QObject {
    Q_OBJECT
private slots:
    void reportOfASiteWithFaults() {
        TestFolder site;
        writeSite(site);
        const QString folder = site.path().chopped(1);
        const SiteReport report = checkSite(folder, {"PROJECT.INI", "index.htm", "about.htm",
                                                     "news.htm", "orphan.htm", "lost.htm"});
        QCOMPARE(report.pageCount, 5);
        QCOMPARE(report.checkedCount, 5);
        QVERIFY(!report.cancelled);
        const QVector<SiteReportLine> lines = siteReportLines(report);
        QCOMPARE(texts(lines), (QStringList{
                                   "Project folder: " + folder,
                                   "Pages checked: 5",
                                   "Problems found: 9",
                                   "",
                                   "index.htm",
                                   "    4: Image without ALT text: missing.gif",
                                   "    4: Missing image: missing.gif",
                                   "    6: Link to a missing marker: about.htm#team",
                                   "    7: Link to a missing file: gone.htm",
                                   "    9: Link to a missing marker: #nowhere",
                                   "",
                                   "about.htm",
                                   "    1: Missing image: bg.gif",
                                   "",
                                   "news.htm",
                                   "    3: Image without ALT text: images/logo.gif",
                                   "",
                                   "orphan.htm",
                                   "    No other page links to this page.",
                                   "",
                                   "lost.htm",
                                   "    The file " + folder + "/lost.htm does not exist.",
                               }));
        // Each line about a page leads to it, at the line of the fault.
        QCOMPARE(lines[7].pagePath, folder + "/index.htm");
        QCOMPARE(lines[7].line, 6);
        QCOMPARE(lines[18].pagePath, folder + "/orphan.htm");
        QCOMPARE(lines[18].line, 1);
        QCOMPARE(lines[0].pagePath, QString());
    }

    void cancelledCheck() {
        TestFolder site;
        writeSite(site);
        int calls = 0;
        const SiteReport report =
            checkSite(site.path(), {"index.htm", "about.htm", "news.htm", "orphan.htm"},
                      [&calls](int done, int total) {
                          ++calls;
                          return total == 4 && done < 2;
                      });
        QCOMPARE(calls, 3);
        QVERIFY(report.cancelled);
        QCOMPARE(report.checkedCount, 2);
        QVERIFY(!report.linksKnown());
        const QStringList lines = texts(siteReportLines(report));
        QCOMPARE(lines.at(1), QString("Check cancelled: 2 of 4 pages checked."));
        // Which pages are linked to is not known, and the markers of pages
        // not read are not judged.
        QVERIFY(!lines.contains("    No other page links to this page."));
        QVERIFY(!lines.contains("    5: Link to a missing marker: news.htm#latest"));
    }

    void siteWithoutFaults() {
        TestFolder site;
        site.write("a.htm", "<A HREF=\"b.htm#end\">b</A><A NAME=\"top\"></A>");
        site.write("b.htm", "<A HREF=\"a.htm#TOP\">a</A><A NAME=\"end\"></A>");
        const SiteReport report = checkSite(site.path(), {site.file("a.htm"), "b.htm"});
        QCOMPARE(texts(siteReportLines(report)),
                 (QStringList{"Project folder: " + site.path(), "Pages checked: 2",
                              "No problems found."}));
    }

    // Pages written on Windows, in either encoding, with backslashes.
    void encodingsAndSeparators() {
        TestFolder site;
        site.write("sub/caf\xC3\xA9.gif", "x");
        site.write("sub/na\xC3\xAFve.gif", "x");
        site.write("utf8.htm", "<IMG SRC=\"sub\\caf\xC3\xA9.gif\" ALT=\"\">");
        site.write("latin.htm",
                   "<IMG SRC=\"sub/na\xEFve.gif\" ALT=\"\"><A HREF=\"utf8.htm\">u</A>");
        site.write("index.htm", "<A HREF=\"latin.htm\">l</A>");
        const SiteReport report = checkSite(site.path(), {"utf8.htm", "latin.htm", "index.htm"});
        QCOMPARE(report.problemCount(), 1); // index.htm: nobody links to it
        QCOMPARE(report.pages[2].linked, false);
    }

    // A frame set shows its pages by SRC: they count as linked.
    void framesLinkTheirPages() {
        TestFolder site;
        site.write("index.htm",
                   "<FRAMESET><FRAME SRC=\"menu.htm\"><FRAME SRC=\"main.htm\"></FRAMESET>");
        site.write("menu.htm", "<A HREF=\"index.htm\">i</A>");
        site.write("main.htm", "x");
        const SiteReport report = checkSite(site.path(), {"index.htm", "menu.htm", "main.htm"});
        QVERIFY(report.pages[0].linked);
        QVERIFY(report.pages[1].linked);
        QVERIFY(report.pages[2].linked);
        QCOMPARE(report.problemCount(), 0);
    }

    void noPages() {
        const SiteReport report = checkSite("/nowhere", {});
        QCOMPARE(report.pageCount, 0);
        QCOMPARE(
            texts(siteReportLines(report)),
            (QStringList{"Project folder: /nowhere", "Pages checked: 0", "No problems found."}));
    }
};

QTEST_GUILESS_MAIN(TestSiteCheck)
#include "test_sitecheck.moc"
