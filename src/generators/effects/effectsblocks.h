#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The small blocks of mark-up the Web Effects dialog builds, one function per
// page of the dialog, each from a plain record of the page's fields. The
// dialog shows the lines in its preview and inserts them with "Add".

// The pages of the dialog, in the order of its tab strip.
enum class EffectsTab { Headers, Tables, ListTypes, Images, DocumentText, References, Applet };

namespace Effects {

// The tab captions: "Headers", "Tables", "List Types", "Images",
// "Document Text", "References", "Applet".
const QStringList &tabCaptions();

// The longest selection taken over into the text fields.
constexpr int kMaxCapturedSelection = 154;

// The selection taken over when the dialog is shown: the selected text when
// it is 1 to 154 characters long, else empty. A line break inside it
// becomes one blank, so that the words on either side stay apart.
QString capturedSelection(const QString &selected);

// The block as one line: the lines run together, every CR and LF removed.
QString oneLine(const QStringList &lines);

struct HeaderFields {
    QString text;
    int size = 1;                             // 1 to 6
    QString justify = QStringLiteral("none"); // none, left, center, right
};
// "<H1>text</H1>" (with ' ALIGN="center"' after "<H1" unless "none"), then an
// empty line.
QStringList headerLines(const HeaderFields &f);

struct TableFields {
    int columns = 2; // 1 to 10
    int rows = 2;    // 1 to 100
    int padding = 1;
    int spacing = 2;
    int width = 0; // per cent; 0 = not given
    bool border = true;
    QString justify = QStringLiteral("left"); // left, center, right
    QString caption;
    QString captionLocation = QStringLiteral("Top"); // Top, Bottom
    int captionSize = 5;                             // 1 to 6
    // The cell texts by row and column from 0; a missing or empty cell shows
    // "Cell:" row "," column.
    QVector<QStringList> cells;
};
// "<table ...>", the caption line when there is a caption, each row's
// "<tr>", one "<td>" line per cell and "</tr>", then "</table>".
QStringList tableLines(const TableFields &f);

// The list kinds, as the dialog names them.
const QStringList &listKinds(); // "Ordered", "UnOrder", "Definition", "Directory", "Menu"

struct ListFields {
    QString kind = QStringLiteral("Ordered");
    int parents = 4;  // 1 to 100
    int children = 0; // per parent, 0 to 100
    QString childKind = QStringLiteral("Ordered");
    // The texts of the item grid's rows from the first below its header;
    // they are used in order: a parent, its children, the next parent...
    QStringList items;
};
QStringList listLines(const ListFields &f);

struct ImageFields {
    QString file;
    QString alternateText;
    QString align = QStringLiteral("none"); // none, top, middle, bottom, left, right
    QString width;
    QString height;
    bool center = false;
};
// The preview of the picture in running text:
// 'sample<img src="f" alt="a" WIDTH="w" HEIGHT="h">text', then an empty line.
QStringList imagePreviewLines(const ImageFields &f);
// The tag "Add" inserts: '<IMG SRC="name" ALT="a" ... WIDTH="w" HEIGHT="h">'
// with the picture's name without its folder; " ISMAP " after "<IMG " when
// `isMap` and no map is pending (`mapName` empty), ' USEMAP="#name"' before
// the ">" when `isMap` and a map is pending.
QString imageTag(const ImageFields &f, bool isMap, bool mapPending, const QString &mapName);

// The options of the Document Text page. Each checked option's opening tag
// goes on top of those of the options before it, so the first is innermost.
enum TextOption {
    UseSize,
    Center,
    Bold,
    Italics,
    Underline,
    Paragraph,
    Typewriter,
    Address,
    Blink,
    BlockQuote,
    Variable,
    Citation,
    Code,
    Superscript,
    Subscript,
    TextOptionCount
};

struct TextFields {
    QStringList lines; // the text, line by line
    bool options[TextOptionCount] = {};
    int fontSize = 3; // 1 to 7
};
// The opening tags of the checked options (last checked on top), the text,
// then the closing tags in option order.
QStringList documentTextLines(const TextFields &f);
// The block as "Add" puts it in: one line, the lines of the user's own text
// joined by a blank, the tags around it without any.
QString documentTextLine(const TextFields &f);

struct ReferenceFields {
    QString description = QStringLiteral("Reference");
    QString url;
    bool anchor = false;                      // "Page Anchor" instead of "URL"
    QString justify = QStringLiteral("none"); // none, left, center
};
// '<a href="url">description</a>' (or '<a name="...">'), wrapped in
// "<center>" ... "</center>" unless "none", then an empty line.
QStringList referenceLines(const ReferenceFields &f);

struct AppletFields {
    QString codebase;
    QString code; // the class file, possibly with its folder
    QString name;
    QString title;
    QString height;
    QString width;
    QString align;
};
// Whether "Code:", "Width:" and "Height:" are all filled.
bool appletComplete(const AppletFields &f);
// '<APPLET CODE="x.class" ', the filled attributes, 'WIDTH="w" ',
// 'HEIGHT="h">' and "</APPLET>", each line ending in CR.
QString appletText(const AppletFields &f);

// The prefixes offered by the pop-up of the link fields.
const QStringList &linkPrefixes();

// The file name of a path without its folder ("/" and "\" both separate).
QString fileNameOf(const QString &path);
// Whether `path` names a folder and that folder is not `folder`.
bool isInOtherFolder(const QString &path, const QString &folder);

} // namespace Effects
