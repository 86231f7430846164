#pragma once

#include <QString>
#include <QStringList>

// Reading the mark-up of a template page: placeholder lines and the pieces
// of the content lines that the template wizard fills its fields from.

// A placeholder line holds "<!--##"; its kind is the first marker it holds,
// tested in the order of this list. A placeholder with none of them is
// Invalid.
enum class PlaceholderKind { None, Invalid, Heading, Defaults, Text, Image, Link, MailLink, Body };

bool isPlaceholderLine(const QString &line);
// None for a line that is no placeholder.
PlaceholderKind placeholderKind(const QString &line);

// The text between the tags of a line: the line is cut at ">", the pieces
// are counted up to the first empty one, and the piece numbered half that
// count (at least 1, counting from 0) is taken up to its first "<".
// "<H2>Hello</H2>" gives "Hello".
QString innerText(const QString &line);

// The value of an attribute (`name` without "="), found where the name
// stands as a whole attribute name, letter case ignored: a quoted value up
// to its closing quote, an unquoted one up to the next blank or ">". Empty
// when the attribute is absent.
QString attributeValue(const QString &line, const QString &name);
// Whether the attribute occurs at all.
bool hasAttribute(const QString &line, const QString &name);

// The index of `value` among `items`, letter case ignored; 0 when absent.
int itemIndex(const QStringList &items, const QString &value);

// Six hexadecimal digits in upper case from a colour value ("#ff0000" gives
// "FF0000"); empty when the value is no such colour.
QString colorDigits(const QString &value);
