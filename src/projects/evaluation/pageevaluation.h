#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

class FileLookup;

// One reference found in a page.
struct PageReference {
    enum class Kind { Image, Background, Link, Marker };
    Kind kind = Kind::Image;
    int line = 0;   // from 1
    int column = 0; // from 0: where the attribute's keyword starts
    QString value;  // as written, without quotes; empty for a link or name without a value
    bool located = false;
    qint64 size = -1; // images and backgrounds: the file's size, -1 when missing
};

// A line of the details list. Lines that stand for a reference carry its
// place; progress lines, the title and the summary carry line 0.
struct DetailLine {
    QString text;
    int line = 0;
    int column = 0;
};

// What evaluating a page finds. The six lists are sorted without regard to
// case and hold each value once (the first spelling met).
struct PageEvaluation {
    QString title;
    QStringList filesFound;   // SRC and background references whose file exists
    QStringList filesMissing; // ... whose file does not exist
    QStringList links;        // every HREF value
    QStringList locatedLinks; // HREF values that name an existing file
    QStringList pageMarkers;  // NAME values of anchors
    QStringList missingPages; // markers linked to but not defined, and defined but not linked to
    QVector<DetailLine> webDetails;
    QVector<PageReference> references; // in the order of the details lines
    qint64 totalBytes = 0;             // sizes of the located images, each use counted
    bool complete = true;              // false when the page held more references than are taken
};

namespace Evaluation {

// Limits that keep a hostile page from exhausting time or memory: the scan
// stops after this many references, or once the values taken add up to this
// many characters. A value is cut at kMaxValueLength characters; no file
// name is longer.
constexpr int kMaxReferences = 200000;
constexpr qsizetype kMaxValueCharacters = 16 * 1024 * 1024;
constexpr qsizetype kMaxValueLength = 1024;
constexpr qsizetype kMaxTitleLength = 1024;

// The details line that ends an evaluation cut short by the limits.
QString stoppedText();

} // namespace Evaluation

// The value of the attribute whose keyword starts at `keyPos` in `line`: from
// the keyword to the next "="; blanks after it are skipped, then one double
// quote or apostrophe; the value runs from there up to, not including, the
// next blank, double quote or ">" (or the closing apostrophe of a value in
// apostrophes), its first character always being taken (a quote, so that an
// empty pair of quotes gives one). A value that then is a single double quote
// or apostrophe counts as empty; so does a keyword with no "=" after it on
// the line, or a ">" right after the "=". At most `maxLength` characters are
// taken.
QString attrValue(QStringView line, qsizetype keyPos,
                  qsizetype maxLength = Evaluation::kMaxValueLength);

// The page's title: the text after the first "<TITLE>" (any case) up to the
// next "<", when a "</TITLE>" follows; otherwise empty. Cut at
// kMaxTitleLength characters.
QString pageTitle(QStringView text);

// Scans a page's text for the files and places it refers to: its first
// background image, every SRC reference, every HREF link and every named
// anchor, and checks each against the files below `folder` (the page's own
// folder). Lines end at CR LF, LF or CR. Takes time in proportion to the
// text's length. `files` answers the file questions; without one a fresh
// lookup is used.
PageEvaluation evaluatePage(QStringView text, const QString &folder, FileLookup *files = nullptr);

// The NAME values of the page's anchors, as the evaluation finds them.
QStringList namedAnchors(QStringView text);
