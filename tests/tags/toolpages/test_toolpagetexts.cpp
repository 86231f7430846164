// The mark-up of the tool pages and the small menu insertions, as texts.

#include "tags/toolpages/toolpagetexts.h"

#include <QtTest>

using namespace ToolPageTexts;

class TestToolPageTexts : public QObject {
    Q_OBJECT
private slots:
    void list_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("startAt");
        QTest::addColumn<QStringList>("lines");
        const int ordered = int(ListKind::Ordered), unordered = int(ListKind::Unordered);
        QTest::newRow("ordered, upper letters from 3")
            << ordered << "A (Upper)" << 2 << 3
            << QStringList{"<OL TYPE=\"A\" START=3 >", "<LI> Line:1", "<LI> Line:2", "</OL>"};
        QTest::newRow("ordered, small roman")
            << ordered << "i (sm Roman)" << 1 << 1
            << QStringList{"<OL TYPE=\"i\" >", "<LI> Line:1", "</OL>"};
        QTest::newRow("ordered, default from 1")
            << ordered << "Default" << 1 << 1 << QStringList{"<OL >", "<LI> Line:1", "</OL>"};
        QTest::newRow("ordered, default from 0")
            << ordered << "Default" << 1 << 0
            << QStringList{"<OL START=0 >", "<LI> Line:1", "</OL>"};
        QTest::newRow("unordered square")
            << unordered << "square" << 1 << 1
            << QStringList{"<UL TYPE=\"square\" >", "<LI> Line:1", "</UL>"};
        // The start belongs to ordered lists only.
        QTest::newRow("unordered ignores the start")
            << unordered << "Default" << 1 << 5 << QStringList{"<UL >", "<LI> Line:1", "</UL>"};
        QTest::newRow("no type: empty first and last lines")
            << int(ListKind::None) << "Default" << 2 << 1
            << QStringList{"", "<LI> Line:1", "<LI> Line:2", ""};
    }
    void list() {
        QFETCH(int, kind);
        QFETCH(QString, style);
        QFETCH(int, count);
        QFETCH(int, startAt);
        QFETCH(QStringList, lines);
        ListChoice choice;
        choice.kind = ListKind(kind);
        choice.style = style;
        choice.count = count;
        choice.startAt = startAt;
        QCOMPARE(listLines(choice), lines);
    }

    void longestList() {
        ListChoice choice;
        choice.kind = ListKind::Ordered;
        choice.count = kMaxListItems;
        const QStringList lines = listLines(choice);
        QCOMPARE(lines.size(), 1602);
        QCOMPARE(lines.at(1600), QStringLiteral("<LI> Line:1600"));
        QCOMPARE(lines.last(), QStringLiteral("</OL>"));
    }

    void quickTable_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("border");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("border and width") << 2 << 1 << 50 << true
                                          << QStringList{"<TABLE BORDER WIDTH=\"50%\">",
                                                         "<TR>",
                                                         "<TD>Cell:1,1</TD>",
                                                         "<TD>Cell:1,2</TD>",
                                                         "</TR>",
                                                         "</TABLE>"};
        QTest::newRow("neither") << 1 << 2 << 0 << false
                                 << QStringList{"<TABLE >", "<TR>",    "<TD>Cell:1,1</TD>",
                                                "</TR>",    "<TR>",    "<TD>Cell:2,1</TD>",
                                                "</TR>",    "</TABLE>"};
        QTest::newRow("width only") << 1 << 1 << 100 << false
                                    << QStringList{"<TABLE WIDTH=\"100%\">", "<TR>",
                                                   "<TD>Cell:1,1</TD>", "</TR>", "</TABLE>"};
        QTest::newRow("border only")
            << 1 << 1 << 0 << true
            << QStringList{"<TABLE BORDER >", "<TR>", "<TD>Cell:1,1</TD>", "</TR>", "</TABLE>"};
    }
    void quickTable() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, width);
        QFETCH(bool, border);
        QFETCH(QStringList, lines);
        QCOMPARE(quickTableLines({columns, rows, width, border}), lines);
    }

    void largestQuickTable() {
        const QStringList lines = quickTableLines({kMaxTableColumns, kMaxTableRows, 0, false});
        QCOMPARE(lines.size(), 32002);
        QCOMPARE(lines.at(2), QStringLiteral("<TD>Cell:1,1</TD>"));
        // Row r starts at line 1 + (r - 1) * 32; its cell c is c lines on.
        QCOMPARE(lines.at(1 + 499 * 32 + 17), QStringLiteral("<TD>Cell:500,17</TD>"));
        QCOMPARE(lines.at(lines.size() - 3), QStringLiteral("<TD>Cell:1000,30</TD>"));
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("</TR>"));
        QCOMPARE(lines.count(QStringLiteral("<TR>")), 1000);
    }

    void image_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("alignment");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("tag");
        QTest::newRow("aligned, sized")
            << "dot.gif"
            << "left" << QSize(16, 16) << ""
            << "<IMG SRC=\"dot.gif\" ALIGN=\"left\" WIDTH=\"16\" HEIGHT=\"16\">";
        QTest::newRow("\"none\" is written") << "a.jpg"
                                             << "none" << QSize() << ""
                                             << "<IMG SRC=\"a.jpg\" ALIGN=\"none\">";
        QTest::newRow("not opened: no size") << "a.jpg"
                                             << "" << QSize() << ""
                                             << "<IMG SRC=\"a.jpg\">";
        QTest::newRow("sizes only above 0") << "a.jpg"
                                            << "" << QSize(0, 7) << ""
                                            << "<IMG SRC=\"a.jpg\" HEIGHT=\"7\">";
        QTest::newRow("hot link")
            << "b.gif"
            << "" << QSize(2, 3) << "next.htm"
            << "<A HREF=\"next.htm\"><IMG SRC=\"b.gif\" WIDTH=\"2\" HEIGHT=\"3\"></A>";
        QTest::newRow("no name, nothing") << ""
                                          << "left" << QSize(2, 3) << "next.htm"
                                          << "";
    }
    void image() {
        QFETCH(QString, name);
        QFETCH(QString, alignment);
        QFETCH(QSize, size);
        QFETCH(QString, link);
        QFETCH(QString, tag);
        QCOMPARE(imageTag({name, alignment, size, link}), tag);
    }

    void gallery() {
        const QString page =
            imageGalleryPage("/pics/Buttons/", {"next.gif", "a \"quoted\" & <odd>.gif"});
        const QStringList lines = page.split("\r\n");
        QCOMPARE(lines.at(0),
                 QStringLiteral(
                     "<H2 align=\"center\">Select an image below to insert into the toolbar</H2>"));
        QCOMPARE(lines.at(1), QStringLiteral("<a href=\"/pics/Buttons/next.gif\"><img "
                                             "src=\"/pics/Buttons/next.gif\"></a><br>"));
        // A name cannot end the attribute early.
        QCOMPARE(lines.at(2),
                 QStringLiteral("<a href=\"/pics/Buttons/a &quot;quoted&quot; &amp; "
                                "&lt;odd&gt;.gif\"><img src=\"/pics/Buttons/a &quot;quoted&quot; "
                                "&amp; &lt;odd&gt;.gif\"></a><br>"));
    }

    void menuTexts() {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QDateTime when(QDate(2024, 3, 5), QTime(13, 4, 5));
        QCOMPARE(dateText(when, us), " " + us.toString(when.date(), QLocale::ShortFormat) + " ");
        QCOMPARE(dateText(when, us), QStringLiteral(" 3/5/24 "));
        QVERIFY(timeText(when, us).startsWith(QStringLiteral(" 1:04:05 PM")));
        QVERIFY(timeText(when, us).endsWith(' '));
        QCOMPARE(dateTimeText(when, us), " 3/5/24/" + timeText(when, us).mid(1));
        QCOMPARE(includeTag("/site/menu.htm"),
                 QStringLiteral("<!--#include FILE=\"/site/menu.htm\"-->"));
        QVERIFY(includeFilter().startsWith(QStringLiteral("HTM Files|*.htm|")));
        QCOMPARE(linkOpening("mailto:", "info"), QStringLiteral("<A HREF=\"mailto:info\">"));
    }
};

QTEST_APPLESS_MAIN(TestToolPageTexts)
#include "test_toolpagetexts.moc"
