#pragma once

#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The mark-up the Lists, Tables, Images, Links, Forms and ASP tool pages and
// the small insertions of the Insert and HTML Codes menus write. Nothing here
// touches a widget or an editor: each function turns the user's choices into
// the exact text or lines to put into the page.
namespace ToolPageTexts {

// --- Lists ----------------------------------------------------------------------------

enum class ListKind { None, Ordered, Unordered };

struct ListChoice {
    ListKind kind = ListKind::None;
    // The style as its box shows it: "Default", "A (Upper)" .. for an
    // ordered list, "Default", "disc" .. for an unordered one.
    QString style = QStringLiteral("Default");
    int count = 1;   // items
    int startAt = 1; // the number (or letter) an ordered list starts with
};

// The entries of the list-type and style boxes.
QStringList listKinds();       // "Ordered", "Unordered"
QStringList orderedStyles();   // "Default", "A (Upper)", "a (Lower)", ...
QStringList unorderedStyles(); // "Default", "disc", "circle", "square"
inline constexpr int kMaxListItems = 1600;

// The opening line, one "<LI> Line:n" per item, and the closing line. With
// no type chosen the first and last lines are empty.
QStringList listLines(const ListChoice &choice);

// --- Tables ---------------------------------------------------------------------------

struct QuickTable {
    int columns = 1;
    int rows = 1;
    int widthPercent = 0; // 0: no WIDTH
    bool border = false;
};
inline constexpr int kMaxTableColumns = 30;
inline constexpr int kMaxTableRows = 1000;

// "<TABLE ...>", then per row "<TR>", one "<TD>Cell:r,c</TD>" per column and
// "</TR>", then "</TABLE>".
QStringList quickTableLines(const QuickTable &table);

// --- Images ---------------------------------------------------------------------------

struct ImageChoice {
    QString name;      // the picture's file name, as it goes into SRC
    QString alignment; // empty: none chosen ("none" is written as it stands)
    QSize size;        // the picture's pixel size; invalid when it cannot be opened
    QString hotLink;   // empty: no link around the picture
};

QStringList imageAlignments(); // "none", "top", "middle", "bottom", "left", "right"

// "<IMG SRC="dot.gif" ALIGN="left" WIDTH="16" HEIGHT="16">", in an
// "<A HREF=...>" ... "</A>" when a link is given. Empty without a name.
QString imageTag(const ImageChoice &image);

// The page the preview shows to pick a picture from: a heading, then a
// linked picture per name, each from `folder` (which ends in a separator).
QString imageGalleryPage(const QString &folder, const QStringList &names);

// --- Links ----------------------------------------------------------------------------

QStringList linkPrefixes(); // "http://", "http://www.", ... "wais://"

// "<A HREF="" + prefix + url + "">".
QString linkOpening(const QString &prefix, const QString &url);

// --- Forms and ASP --------------------------------------------------------------------

// A button of the Forms or the ASP page and what it writes: `closing` is
// null for a button that inserts `opening` as it stands, else the button
// wraps the selection in the two.
struct PageButton {
    QString name; // the component name
    QString caption;
    QString hint;
    QString opening;
    QString closing;
    bool wraps() const { return !closing.isNull(); }
};

// The form skeleton of the Forms page: opening FORM tag, a comment, the
// submit and reset buttons and the closing tag, each on a line of its own.
QString formSkeleton();
// The buttons of the Forms page in their order on the page, the skeleton
// first (the Data Entry Form Veda Guy's button is not among them).
QVector<PageButton> formButtons();
// The buttons of the ASP page in their order on the page.
QVector<PageButton> aspButtons();

// --- Menu insertions ------------------------------------------------------------------

// " date ", " time " and " date/time ": the date in the locale's short
// format, the time in its long format.
QString dateText(const QDateTime &when, const QLocale &locale);
QString timeText(const QDateTime &when, const QLocale &locale);
QString dateTimeText(const QDateTime &when, const QLocale &locale);

// "<!--#include FILE="path"-->".
QString includeTag(const QString &path);
// The file dialog's filters for "# Include...", HTM files first.
QString includeFilter();

} // namespace ToolPageTexts
