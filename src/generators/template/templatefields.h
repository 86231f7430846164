#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The fields of each kind of placeholder: read from the page's content line
// (fields reset first; an empty line leaves them so) and written back as the
// line that replaces it. A write that gives no value leaves the line alone.

// Alignment items of the pages, in list order; "none" writes no ALIGN.
const QStringList &blockAlignments(); // none, left, center, right
const QStringList &imageAlignments(); // none, top, middle, bottom, left, right

struct HeadingFields {
    QString text;
    int size = 1; // 1 .. 6
    QString alignment = QStringLiteral("none");
    QString color; // six hexadecimal digits, empty: none chosen

    void read(const QString &line);
    // Nothing while the heading text is empty.
    std::optional<QString> write() const;
};

struct DefaultsFields {
    QString title;
    QString keywords;
    QString description;

    // The title line and the two META lines after it.
    void read(const QString &titleLine, const QString &secondLine, const QString &thirdLine);
    QStringList write() const; // three lines
};

struct TextFields {
    QString text; // lines separated by "\n"
    bool bold = false;
    bool underline = false;
    bool italics = false;
    QString alignment = QStringLiteral("none");

    void read(const QString &line);
    // Nothing while the text is empty; its lines joined by CR LF.
    std::optional<QString> write() const;
};

struct ImageFields {
    QString file;
    int width = 0;
    int height = 0;
    QString alignment = QStringLiteral("none");

    void read(const QString &line);
    QString write() const; // empty for an empty file name
};

struct LinkFields {
    QString url;
    QString displayedText;
    bool imageLink = false; // "Image link" rather than "Text Link"
    QString graphic;
    QString alignment = QStringLiteral("none");
    bool mailTo = false;

    // Keeps `mailTo` as set for the placeholder's kind, and ticks it when
    // the link is a "mailto:" link, so that reading and writing back keeps
    // the link as it was.
    void read(const QString &line);
    QString write() const; // empty for an empty URL
};

struct BodyFields {
    QString background;
    QString text = QStringLiteral("000000");
    QString link = QStringLiteral("000000");
    QString vlink = QStringLiteral("000000");
    QString alink = QStringLiteral("000000");
    QString bgcolor = QStringLiteral("FFFFFF");
    bool fixedBackground = false;
    int leftMargin = -1;
    int rightMargin = -1;

    void read(const QString &line);
    QString write() const;
};
