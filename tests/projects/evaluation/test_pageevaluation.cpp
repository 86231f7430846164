// Evaluating a page's references: the attribute values, the lists and the
// details lines, against real files in a temporary folder.

#include "projects/evaluation/pageevaluation.h"
#include "projects/evaluation/textlines.h"
#include "testfolder.h"

#include <QtTest>

namespace {

QStringList detailTexts(const PageEvaluation &e) {
    QStringList texts;
    for (const DetailLine &line : e.webDetails)
        texts.append(line.text);
    return texts;
}

// The details lines between the progress lines: those about references.
QStringList referenceLines(const PageEvaluation &e) {
    QStringList texts;
    for (const DetailLine &line : e.webDetails) {
        if (line.line > 0)
            texts.append(line.text);
    }
    return texts;
}

} // namespace

class TestPageEvaluation : public QObject {
    Q_OBJECT
private slots:
    void attributeValues_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("double quotes") << "<IMG SRC=\"logo.gif\" WIDTH=5>"
                                       << "logo.gif";
        QTest::newRow("unquoted ends at blank") << "<IMG SRC=logo.gif WIDTH=5>"
                                                << "logo.gif";
        QTest::newRow("unquoted ends at >") << "<IMG SRC=logo.gif>"
                                            << "logo.gif";
        QTest::newRow("empty quotes") << "<A HREF=\"\">x</A>"
                                      << "";
        QTest::newRow("blank ends a quoted value") << "<IMG SRC=\"my logo.gif\">"
                                                   << "my";
        QTest::newRow("apostrophes") << "<IMG SRC='logo.gif'>"
                                     << "logo.gif";
        QTest::newRow("empty apostrophes") << "<IMG SRC=''>"
                                           << "";
        QTest::newRow("blanks around =") << "<IMG SRC =  \"logo.gif\">"
                                         << "logo.gif";
        QTest::newRow("quote always taken") << "<IMG SRC=\"\">\""
                                            << "";
        QTest::newRow("tag ends after =") << "<A HREF=>x</A>"
                                          << "";
        QTest::newRow("nothing after =") << "<IMG SRC="
                                         << "";
        QTest::newRow("unclosed quote runs to the end") << "<IMG SRC=\"logo.gif"
                                                        << "logo.gif";
        QTest::newRow("no =") << "<IMG SRC"
                              << "";
    }
    void attributeValues() {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QCOMPARE(attrValue(line, line.indexOf(QLatin1String("SRC")) >= 0
                                     ? line.indexOf(QLatin1String("SRC"))
                                     : line.indexOf(QLatin1String("HREF"))),
                 value);
    }

    void attributeValueIsCut() {
        const QString line = QLatin1String("<IMG SRC=\"") + QString(5000, QLatin1Char('x'));
        QCOMPARE(attrValue(line, 5).size(), Evaluation::kMaxValueLength);
    }

    void titles_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "<HTML><HEAD><TITLE>My Page</TITLE></HEAD>"
                               << "My Page";
        QTest::newRow("lower case") << "<title>Mine</title>"
                                    << "Mine";
        QTest::newRow("up to the next tag") << "<TITLE>A <B>bold</B> one</TITLE>"
                                            << "A ";
        QTest::newRow("over two lines") << "<TITLE>One\r\nTwo</TITLE>"
                                        << "One\r\nTwo";
        QTest::newRow("never closed") << "<TITLE>Open"
                                      << "";
        QTest::newRow("none") << "<HTML><HEAD></HEAD>"
                              << "";
    }
    void titles() {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QCOMPARE(pageTitle(text), title);
    }

    void lineEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lineOfX");
        QTest::newRow("CR LF") << "a\r\nb\r\nX" << 3 << 3;
        QTest::newRow("LF") << "a\nX\n" << 3 << 2;
        QTest::newRow("CR") << "a\rb\rc\rX" << 4 << 4;
        QTest::newRow("mixed") << "a\r\n\n\rX" << 4 << 4;
        QTest::newRow("empty") << "" << 1 << 0;
    }
    void lineEnds() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(int, lineOfX);
        const TextLines lines(text);
        QCOMPARE(lines.count(), count);
        if (lineOfX > 0) {
            QCOMPARE(lines.lineOf(text.indexOf(QLatin1Char('X'))), lineOfX);
            QCOMPARE(lines.text(text, lineOfX).left(1), QString("X"));
        }
    }

    // The summary counts each located image once and its size at each use.
    void sameImageTwice() {
        TestFolder folder;
        folder.write("logo.gif", QByteArray(2048, 'g'));
        const QString page = "<HTML>\r\n"
                             "<IMG SRC=\"logo.gif\"> and again <IMG SRC=\"logo.gif\">\r\n"
                             "<IMG SRC=\"logo.gif\"><IMG SRC=\"gone.gif\">\r\n";
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.filesFound, QStringList{"logo.gif"});
        QCOMPARE(e.filesMissing, QStringList{"gone.gif"});
        QCOMPARE(e.totalBytes, qint64(3 * 2048));
        QCOMPARE(referenceLines(e),
                 (QStringList{"2:5: logo.gif Size=2048 bytes.", "2:36: logo.gif Size=2048 bytes.",
                              "3:5: logo.gif Size=2048 bytes.",
                              "3:25: gone.gif(Did not locate.) Size=-1 bytes."}));
        QCOMPARE(e.webDetails.last().text,
                 QString("Page contains 1 SRC references totalling 6144 bytes."));
    }

    // The lists ignore case: the first spelling met is kept, and the order
    // is alphabetical whatever the case.
    void listsIgnoreCase() {
        TestFolder folder;
        const PageEvaluation e = evaluatePage(u"<A HREF=\"b.htm\">1</A><A HREF=\"A.htm\">2</A>\n"
                                              "<A HREF=\"a.HTM\">3</A><A HREF=\"C.htm\">4</A>\n",
                                              folder.path());
        QCOMPARE(e.links, (QStringList{"A.htm", "b.htm", "C.htm"}));
    }

    // The whole details list of a small page, in order.
    void detailsInOrder() {
        TestFolder folder;
        folder.write("bg.gif", QByteArray(10, 'b'));
        folder.write("next.htm", "x");
        const QString page = "<TITLE>Home</TITLE>\n"
                             "<BODY BACKGROUND=\"bg.gif\">\n"
                             "<A NAME=\"top\"></A><IMG SRC=\"pic.jpg\">\n"
                             "<A HREF=\"next.htm#part\">on</A> <A HREF=\"#top\">up</A>\n"
                             "<A HREF=>bad</A>\n"
                             "<A NAME=\"\"></A>\n";
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.title, QString("Home"));
        QCOMPARE(detailTexts(e), (QStringList{
                                     "Searching for Title...",
                                     "Home",
                                     "2:6: bg.gif(Background Image) Size=10 bytes.",
                                     "Searching for image items...",
                                     "3:23: pic.jpg(Did not locate.) Size=-1 bytes.",
                                     "Searching for link references...",
                                     "4:0: next.htm#part",
                                     "4:31: #top",
                                     "5: Appears to be a link without quotes",
                                     "Searching for page markers...",
                                     "3:1: top",
                                     "6: Appears to be a name without quotes",
                                     "",
                                     "Page contains 1 SRC references totalling 10 bytes.",
                                 }));
        QCOMPARE(e.locatedLinks, QStringList{"next.htm#part"});
        QCOMPARE(e.links, (QStringList{"#top", "next.htm#part"}));
        QCOMPARE(e.missingPages, QStringList());
        // Each reference line knows its place, for the double-click.
        QCOMPARE(e.webDetails[4].line, 3);
        QCOMPARE(e.webDetails[4].column, 23);
    }

    void linksWithoutValue() {
        TestFolder folder;
        const PageEvaluation e = evaluatePage(u"x\n<a href=\"\">empty</a>\n", folder.path());
        QCOMPARE(referenceLines(e), QStringList{"2: Appears to be a link without quotes"});
        QVERIFY(e.links.isEmpty());
    }

    void markerCrossCheck() {
        TestFolder folder;
        const QString page = "<A HREF=\"#top\">up</A> <A HREF=\"#\">none</A>\n"
                             "<A NAME=\"end\"></A>\n"
                             "<A NAME=\"mid\"></A><A HREF=\"#MID\">mid</A>\n";
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.pageMarkers, (QStringList{"end", "mid"}));
        QCOMPARE(e.missingPages, (QStringList{"#end", "top"}));
        QCOMPARE(referenceLines(e),
                 (QStringList{"1:0: #top(Did not locate.)", "1:22: #(Did not locate.)",
                              "3:18: #MID", "2:1: end(Did not locate.)", "3:1: mid"}));
    }

    void absoluteLinkNeverLocated() {
        TestFolder folder;
        const PageEvaluation e =
            evaluatePage(u"<A HREF=\"http://example.com/\">site</A>", folder.path());
        QCOMPARE(e.links, QStringList{"http://example.com/"});
        QVERIFY(e.locatedLinks.isEmpty());
        QCOMPARE(referenceLines(e), QStringList{"1:0: http://example.com/(Did not locate.)"});
    }

    void onlyFirstBackgroundLine() {
        TestFolder folder;
        folder.write("one.gif", "1");
        folder.write("two.gif", "22");
        const QString page = "<BODY background=\"one.gif\">\n"
                             "<TABLE BACKGROUND=\"two.gif\">\n";
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.filesFound, QStringList{"one.gif"});
        QCOMPARE(e.totalBytes, qint64(1));
    }

    void imageBelowTheFolder_data() {
        QTest::addColumn<QString>("reference");
        QTest::newRow("slash") << "images/a.gif";
        QTest::newRow("backslash") << "images\\a.gif";
        QTest::newRow("leading slash") << "/images/a.gif";
    }
    void imageBelowTheFolder() {
        QFETCH(QString, reference);
        TestFolder folder;
        folder.write("images/a.gif", "abc");
        const PageEvaluation e =
            evaluatePage("<IMG SRC=\"" + reference + "\">", folder.path() + "/");
        QCOMPARE(e.filesFound, QStringList{reference});
        QCOMPARE(e.totalBytes, qint64(3));
    }

    void emptyPage() {
        TestFolder folder;
        const PageEvaluation e = evaluatePage(QString(), folder.path());
        QVERIFY(e.filesFound.isEmpty() && e.filesMissing.isEmpty() && e.links.isEmpty() &&
                e.locatedLinks.isEmpty() && e.pageMarkers.isEmpty() && e.missingPages.isEmpty());
        QCOMPARE(detailTexts(e),
                 (QStringList{"Searching for Title...", "", "Searching for image items...",
                              "Searching for link references...", "Searching for page markers...",
                              "", "Page contains 0 SRC references totalling 0 bytes."}));
        QVERIFY(e.complete);
    }

    // What is not a reference is not listed.
    void notReferences_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("src in a file name") << "<IMG SRC=\"mysrc.gif\" WIDTH=10>";
        QTest::newRow("lowsrc") << "<IMG SRC=\"a.gif\" LOWSRC=\"b.gif\">";
        QTest::newRow("meta name") << "<META NAME=\"keywords\"> <A NAME=\"a\"></A>";
        QTest::newRow("textarea name") << "<TEXTAREA NAME=\"t\"></TEXTAREA><A NAME=\"a\"></A>";
        QTest::newRow("empty image") << "<IMG SRC=\"\"> <IMG SRC=\"a.gif\">";
        QTest::newRow("background in text") << "background=<B>a.gif</B> background";
    }
    void notReferences() {
        QFETCH(QString, page);
        TestFolder folder;
        const PageEvaluation e = evaluatePage(page, folder.path());
        QVERIFY(!e.filesMissing.contains(QString()));
        QVERIFY(!e.filesMissing.contains("10"));
        QVERIFY(!e.filesMissing.contains("b.gif"));
        QVERIFY(!e.pageMarkers.contains("keywords"));
        QVERIFY(!e.pageMarkers.contains("t"));
        QVERIFY(e.filesMissing.size() <= 1);
        QVERIFY(e.pageMarkers.size() <= 1);
    }

    // An image in a folder with a name as a file: only a file counts.
    void folderIsNoImage() {
        TestFolder folder;
        folder.write("pics/x.gif", "x");
        const PageEvaluation e = evaluatePage(u"<IMG SRC=\"pics\">", folder.path());
        QCOMPARE(e.filesMissing, QStringList{"pics"});
    }

    // References are searched without regard to case; the first line of the
    // page is searched from its start.
    void caseAndFirstLine() {
        TestFolder folder;
        folder.write("a.htm", "a");
        const PageEvaluation e = evaluatePage(u"<a HrEf=\"a.htm\">a</a>", folder.path());
        QCOMPARE(e.locatedLinks, QStringList{"a.htm"});
    }
};

QTEST_GUILESS_MAIN(TestPageEvaluation)
#include "test_pageevaluation.moc"
