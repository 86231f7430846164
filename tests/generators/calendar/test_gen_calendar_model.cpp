#include "generators/calendar/calendarmodel.h"

#include <QLocale>
#include <QtTest>

namespace {

// The lines of one table row of the day grid: the row start, for each cell its
// start tag, its content (when any) and its end, then the row end.
QStringList gridRow(const QStringList &cells, const QString &cellStart = "    <TD>") {
    QStringList out{"<TR VALIGN=\"top\"> "};
    for (const QString &cell : cells) {
        out << cellStart;
        if (!cell.isEmpty())
            out << "    " + cell;
        out << "    </TD>";
    }
    out << "</TR>";
    return out;
}

QStringList numbers(int from, int to) {
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << QString::number(n);
    return out;
}

CalendarModel model(int month, int year) {
    CalendarModel m;
    m.options.month = month;
    m.options.year = year;
    return m;
}

} // namespace

class TestGenCalendarModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // February 2015 has 28 days and starts on a Sunday: four full weeks, an
    // empty fifth row that is still written, and no sixth row.
    void fullFebruaryKeepsTheEmptyFifthRow() {
        const QStringList lines = model(2, 2015).lines();
        QStringList expected{
            "<TABLE BORDER >",   "<TR VALIGN=\"top\">", "    <TH COLSPAN=\"7\" ALIGN=\"CENTER\">",
            "    February 2015", "    </TH>",           "</TR>"};
        expected << gridRow({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
                            "    <TH width=\"14%\">");
        for (int week = 0; week < 4; ++week)
            expected << gridRow(numbers(week * 7 + 1, week * 7 + 7));
        expected << gridRow(QStringList(7, QString()));
        expected << "</TABLE>";
        QCOMPARE(lines, expected);
    }

    // A sixth week row is written only when it holds a day: May 2015 starts on
    // a Friday and runs to Sunday the 31st.
    void sixthRowOnlyWhenItHoldsADay() {
        const QStringList lines = model(5, 2015).lines();
        const QStringList tail = gridRow({"31", "", "", "", "", "", ""}) << "</TABLE>";
        QCOMPARE(lines.mid(lines.size() - tail.size()), tail);
        QCOMPARE(lines.count("<TR VALIGN=\"top\"> "), 7);
        QCOMPARE(model(6, 2015).lines().count("<TR VALIGN=\"top\"> "), 6);
    }

    void mondayFirst() {
        CalendarModel m = model(2, 2015);
        m.options.firstDay = 1;
        const CalendarGrid g = m.grid();
        QCOMPARE(g[0][0], QString("Mon"));
        QCOMPARE(g[0][6], QString("Sun"));
        // Sunday the 1st is now the last cell of the first week.
        for (int k = 0; k < 6; ++k)
            QVERIFY(g[1][k].isEmpty());
        QCOMPARE(g[1][6], QString("1"));
        QCOMPARE(g[2][0], QString("2"));
        QCOMPARE(g[5][5], QString("28"));
        QVERIFY(g[5][6].isEmpty());
        QVERIFY(g[6][0].isEmpty());
    }

    void saturdayFirstOfTheMonthInEveryFirstDay_data() {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("column");
        // August 2015 starts on a Saturday.
        QTest::newRow("Sunday") << 0 << 6;
        QTest::newRow("Monday") << 1 << 5;
        QTest::newRow("Friday") << 5 << 1;
        QTest::newRow("Saturday") << 6 << 0;
    }
    void saturdayFirstOfTheMonthInEveryFirstDay() {
        QFETCH(int, firstDay);
        QFETCH(int, column);
        CalendarModel m = model(8, 2015);
        m.options.firstDay = firstDay;
        const CalendarGrid g = m.grid();
        QCOMPARE(g[0][column], QString("Sat"));
        QCOMPARE(g[1][column], QString("1"));
    }

    void dayNamesFollowTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const CalendarGrid g = model(2, 2015).grid();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(g[0][0], QLocale(QLocale::German).dayName(7, QLocale::ShortFormat));
        QCOMPARE(g[0][1], QLocale(QLocale::German).dayName(1, QLocale::ShortFormat));
    }

    void tableLine_data() {
        QTest::addColumn<bool>("border");
        QTest::addColumn<QString>("color");
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("line");
        QTest::newRow("defaults") << true << "" << 0 << "<TABLE BORDER >";
        QTest::newRow("no border, colour")
            << false << "FFCC00" << 0 << "<TABLE  BGCOLOR=\"#FFCC00\">";
        QTest::newRow("no border") << false << "" << 0 << "<TABLE >";
        QTest::newRow("all") << true << "00FF00" << 2
                             << "<TABLE BORDER  BGCOLOR=\"#00FF00\" ALIGN=\"center\">";
        QTest::newRow("right") << false << "" << 3 << "<TABLE  ALIGN=\"right\">";
    }
    void tableLine() {
        QFETCH(bool, border);
        QFETCH(QString, color);
        QFETCH(int, align);
        QFETCH(QString, line);
        CalendarModel m = model(3, 2001);
        m.options.border = border;
        m.options.tableColor = color;
        m.options.tableAlign = align;
        QCOMPARE(m.lines().at(0), line);
    }

    void coloursHeightAndAlignment() {
        CalendarModel m = model(3, 2001); // starts on a Thursday
        m.options.textColor = "000080";
        m.options.headingColor = "C0C0C0";
        m.options.rowHeight = 40;
        m.options.cellAlign = 1;
        const QStringList lines = m.lines();
        QCOMPARE(lines.first(), QString("<FONT COLOR=\"#000080\">"));
        QCOMPARE(lines.at(3),
                 QString("    <TH COLSPAN=\"7\" ALIGN=\"CENTER\" BGCOLOR=\"#C0C0C0\">"));
        QCOMPARE(lines.mid(lines.size() - 2), QStringList({"</TABLE>", "</FONT>"}));
        QCOMPARE(lines.at(8), QString("    <TH width=\"14%\" height=\"40\" ALIGN=\"left\">"));
        QCOMPARE(lines.at(11), QString("    <TH width=\"14%\" ALIGN=\"left\">"));
        const int week = lines.indexOf("<TR VALIGN=\"top\"> ", 9);
        QCOMPARE(lines.mid(week + 1, 3), QStringList({"    <TD height=\"40\" ALIGN=\"left\">",
                                                      "    </TD>", "    <TD ALIGN=\"left\">"}));
    }

    void pageLinksForJanuary1998() {
        CalendarModel m = model(1, 1998);
        m.options.links = true;
        const QStringList lines = m.lines();
        QCOMPARE(lines.first(), QString("<A NAME=\"TOP_OF_CALENDAR\"></A>"));
        QVERIFY(lines.contains("    <A HREF=\"#January_1998_5\">5</A>"));
        // Day names are never links.
        QVERIFY(lines.contains("    Sun"));
        const int anchor = lines.indexOf("<A NAME=\"January_1998_5\">January 5, 1998</A> "
                                         "<A HREF=\"#TOP_OF_CALENDAR\">Go Back</A><BR>");
        QVERIFY(anchor > 0);
        QCOMPARE(lines.at(anchor - 1), QString("<BR>"));
        QCOMPARE(lines.at(anchor + 1), QString());
        const int table = lines.indexOf("</TABLE>");
        QCOMPARE(lines.size(), table + 1 + 31 * 3);
        QCOMPARE(lines.at(table + 1), QString("<BR>"));
        QCOMPARE(lines.at(lines.size() - 2),
                 QString("<A NAME=\"January_1998_31\">January 31, 1998</A> "
                         "<A HREF=\"#TOP_OF_CALENDAR\">Go Back</A><BR>"));
    }

    void monthsStepAcrossYears() {
        CalendarModel m = model(1, 2000);
        m.backMonth();
        QCOMPARE(m.options.month, 12);
        QCOMPARE(m.options.year, 1999);
        m.aheadMonth();
        QCOMPARE(m.options.month, 1);
        QCOMPARE(m.options.year, 2000);
        QCOMPARE(CalendarModel::monthName(9), QString("September"));
        // Years outside those a date can hold are kept within range.
        m.setYear(0);
        QCOMPARE(m.options.year, 1);
        m.backMonth();
        QCOMPARE(m.options.year, 1);
        QCOMPARE(m.options.month, 1);
        m.setYear(12000);
        QCOMPARE(m.options.year, 9999);
        QCOMPARE(model(2, 2000).daysInMonth(), 29);
    }
};

QTEST_APPLESS_MAIN(TestGenCalendarModel)
#include "test_gen_calendar_model.moc"
