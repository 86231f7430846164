#include "generators/calendar/calendarmodel.h"

#include <QLocale>
#include <algorithm>

namespace {

const QString kIndent = QStringLiteral("    ");

} // namespace

CalendarOptions CalendarOptions::forDate(const QDate &date) {
    CalendarOptions o;
    o.month = date.month();
    o.year = std::clamp(date.year(), kMinYear, kMaxYear);
    return o;
}

QString CalendarModel::monthName(int month) {
    static const char *const names[12] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    return (month >= 1 && month <= 12) ? QLatin1String(names[month - 1]) : QString();
}

QStringList CalendarModel::alignments() {
    return {QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"),
            QStringLiteral("right")};
}

QStringList CalendarModel::weekDays() {
    return {QStringLiteral("Sunday"),    QStringLiteral("Monday"),   QStringLiteral("Tuesday"),
            QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
            QStringLiteral("Saturday")};
}

void CalendarModel::backMonth() {
    if (options.month > 1) {
        --options.month;
    } else if (options.year > CalendarOptions::kMinYear) {
        options.month = 12;
        --options.year;
    }
}

void CalendarModel::aheadMonth() {
    if (options.month < 12) {
        ++options.month;
    } else if (options.year < CalendarOptions::kMaxYear) {
        options.month = 1;
        ++options.year;
    }
}

void CalendarModel::setYear(int year) {
    options.year = std::clamp(year, CalendarOptions::kMinYear, CalendarOptions::kMaxYear);
}

int CalendarModel::daysInMonth() const {
    return QDate(options.year, options.month, 1).daysInMonth();
}

CalendarGrid CalendarModel::grid() const {
    CalendarGrid g;
    const int first = ((options.firstDay % 7) + 7) % 7;
    const QLocale locale;
    for (int k = 0; k < 7; ++k) {
        const int day = (k + first) % 7; // Sunday 0
        g[0][k] = locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat);
    }
    const QDate start(options.year, options.month, 1);
    // Qt counts Monday 1 to Sunday 7; the grid counts Sunday 0.
    const int column = (start.dayOfWeek() % 7 - first + 7) % 7;
    const int days = start.daysInMonth();
    for (int day = 1; day <= days; ++day) {
        const int cell = column + day - 1;
        g[1 + cell / 7][cell % 7] = QString::number(day);
    }
    return g;
}

QString CalendarModel::dayAnchor(int day) const {
    return monthName(options.month) + QLatin1Char('_') + QString::number(options.year) +
           QLatin1Char('_') + QString::number(day);
}

QStringList CalendarModel::lines() const {
    const CalendarOptions &o = options;
    const QString month = monthName(o.month);
    const QString year = QString::number(o.year);
    const QStringList aligns = alignments();
    QStringList out;

    if (o.links)
        out << QStringLiteral("<A NAME=\"TOP_OF_CALENDAR\"></A>");
    if (!o.textColor.isEmpty())
        out << QLatin1String("<FONT COLOR=\"#") + o.textColor + QLatin1String("\">");

    QString table = QStringLiteral("<TABLE ");
    if (o.border)
        table += QLatin1String("BORDER ");
    if (!o.tableColor.isEmpty())
        table += QLatin1String(" BGCOLOR=\"#") + o.tableColor + QLatin1Char('"');
    if (o.tableAlign > 0 && o.tableAlign < aligns.size())
        table += QLatin1String(" ALIGN=\"") + aligns[o.tableAlign] + QLatin1Char('"');
    out << table + QLatin1Char('>');

    out << QStringLiteral("<TR VALIGN=\"top\">");
    QString heading = QStringLiteral("    <TH COLSPAN=\"7\" ALIGN=\"CENTER\"");
    if (!o.headingColor.isEmpty())
        heading += QLatin1String(" BGCOLOR=\"#") + o.headingColor + QLatin1Char('"');
    out << heading + QLatin1Char('>') << kIndent + month + QLatin1Char(' ') + year
        << QStringLiteral("    </TH>") << QStringLiteral("</TR>");

    QString cellAlign;
    if (o.cellAlign > 0 && o.cellAlign < aligns.size())
        cellAlign = QLatin1String(" ALIGN=\"") + aligns[o.cellAlign] + QLatin1Char('"');
    const CalendarGrid g = grid();
    for (int r = 0; r < 7; ++r) {
        if (r == 6 && g[6][0].isEmpty())
            break;
        out << QStringLiteral("<TR VALIGN=\"top\"> ");
        for (int k = 0; k < 7; ++k) {
            QString start =
                r == 0 ? QStringLiteral("    <TH width=\"14%\"") : QStringLiteral("    <TD");
            if (k == 0 && o.rowHeight > 0)
                start +=
                    QLatin1String(" height=\"") + QString::number(o.rowHeight) + QLatin1Char('"');
            out << start + cellAlign + QLatin1Char('>');
            QString content = g[r][k];
            if (o.links && r > 0 && !content.isEmpty())
                content = QLatin1String("<A HREF=\"#") + dayAnchor(content.toInt()) +
                          QLatin1String("\">") + content + QLatin1String("</A>");
            if (!content.isEmpty())
                out << kIndent + content;
            out << QStringLiteral("    </TD>");
        }
        out << QStringLiteral("</TR>");
    }
    out << QStringLiteral("</TABLE>");
    if (!o.textColor.isEmpty())
        out << QStringLiteral("</FONT>");

    if (o.links) {
        const int days = daysInMonth();
        for (int n = 1; n <= days; ++n) {
            out << QStringLiteral("<BR>")
                << QLatin1String("<A NAME=\"") + dayAnchor(n) + QLatin1String("\">") + month +
                       QLatin1Char(' ') + QString::number(n) + QLatin1String(", ") + year +
                       QLatin1String("</A> <A HREF=\"#TOP_OF_CALENDAR\">Go Back</A><BR>")
                << QString();
        }
    }
    return out;
}
