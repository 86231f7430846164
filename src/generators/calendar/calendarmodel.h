#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

// What the user chose for a one-month calendar.
struct CalendarOptions {
    int month = 1; // 1 to 12
    int year = 2000;
    int firstDay = 0;     // first day of the week, Sunday 0 to Saturday 6
    int tableAlign = 0;   // index into alignments(): 0 is "none"
    int cellAlign = 0;    // likewise, for every cell
    QString headingColor; // six hexadecimal digits, no "#"; empty for none
    QString tableColor;
    QString textColor;
    int rowHeight = 0; // height of each row's first cell when above 0
    bool border = true;
    bool links = false; // day numbers link to anchors below the table

    static constexpr int kMinYear = 1;
    static constexpr int kMaxYear = 9999;

    // The options for the month of `date`, everything else at its default.
    static CalendarOptions forDate(const QDate &date);
};

// The month grid: row 0 holds the abbreviated day names of the default
// locale starting with the first day of the week; rows 1 to 6 the day numbers
// in week order, empty where no day falls.
using CalendarGrid = std::array<std::array<QString, 7>, 7>;

// The model of the calendar generator: the options and the lines they give.
class CalendarModel {
public:
    CalendarOptions options;

    // "January" to "December".
    static QString monthName(int month);
    // "none", "left", "center", "right": the items of both alignment lists.
    static QStringList alignments();
    // "Sunday" to "Saturday": the items of the first-day list.
    static QStringList weekDays();

    // One month back or ahead, crossing into the year before or after (never
    // past the first or last year a calendar can show).
    void backMonth();
    void aheadMonth();
    // Sets the year, held within kMinYear to kMaxYear.
    void setYear(int year);

    int daysInMonth() const;
    CalendarGrid grid() const;

    // The calendar's mark-up, one entry per line.
    QStringList lines() const;

private:
    QString dayAnchor(int day) const; // "January_1998_5"
};
