#pragma once

#include <QChar>
#include <QColor>
#include <QString>
#include <QStringList>

struct FontChoice;

// The texts that tag insertion puts around the selection, and the small
// rules that derive them from tag names, menu captions and dialog choices.
// Nothing here touches an editor.

struct TagPair {
    QString opening;
    QString closing;
};

// The closing tag of a bare tag: "/" after its first character ("<B>" gives
// "</B>"). Attributes are kept, so this is only meant for bare tags.
QString closingTagFor(const QString &tag);

// An uneven-tag specification: opening, "..", closing, then optionally a blank,
// a dash and a description ("<UL><LI>..</UL> - bulleted list", "OL..LI").
// A part without "<" is put in angle brackets. A text without ".." is all
// opening, with nothing to close.
TagPair unevenTags(const QString &spec);

// A menu caption split after its first ">": "<P ALIGN="left"></P>" gives
// "<P ALIGN="left">" and "</P>". A caption without ">" is all opening.
TagPair captionAsTag(const QString &caption);

// Tag-menu captions: one holding ".." is an uneven-tag specification;
// otherwise the tag is the caption's first word ("H1 - Size 1" gives "<H1>").
bool isUnevenSpec(const QString &caption);
QString firstWordTag(const QString &caption);

// The four entries the drop-down arrow of a tool button offers, by the
// button's hint ("P", "DIV", "H1", "BR", "HR" or a user's own tag name).
QStringList dropDownEntries(const QString &hint);
// Whether an entry of that arrow is inserted as it stands (the "BR" arrow) or
// split as a caption (all others).
bool dropDownInsertsAsText(const QString &hint);

// "<FONT FACE=... SIZE=... COLOR=...>" and "</FONT>" from the font dialog, with
// the chosen styles as B, I, U and S tags around them.
TagPair fontDialogTags(const FontChoice &font);
// "<FONT COLOR="#RRGGBB">".
QString fontColorTag(const QColor &color);
// "<FONT SIZE=+2>" / "<FONT SIZE=-2>" for a step of 2.
QString fontStepTag(int step, bool larger);
// "<FONT SIZE=" + size + ">".
QString fontSizeTag(const QString &size);
// "<FONT FACE="name">".
QString fontFaceTag(const QString &name);

// The named HTML entity a typed character is replaced by (accented Latin-1
// letters: "é" gives "&eacute;"); empty for every other character.
QString expandToHtml(QChar ch);

// Whether a caret at `column` of `line` stands inside a tag: the next "<" or
// ">" after it is ">", or else the nearest one before it is "<".
bool inATag(const QString &line, int column);

// How a closing text lies once inserted: the number of line breaks in it (CR,
// LF and CR LF each count once) and the length of the part before the first
// break. Used to put the caret just before the closing text.
struct TextShape {
    int lineBreaks = 0;
    int firstLineLength = 0;
};
TextShape textShape(const QString &text);

// The value of an attribute expression: the text between its first two double
// quotes, or, when that is empty, the text after its first "=" (the whole
// text when there is no "=").
QString attributeValue(const QString &expression);
