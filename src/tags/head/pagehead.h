#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The small texts that the page head commands put into a page: the title
// element, the last-modified stamp, the skeleton of standard tags and the
// template markers. Nothing here touches an editor.
namespace PageHead {

// The title inside a selected "<TITLE>...</TITLE>" pair: the text between its
// first ">" and the next "<".
QString titleOf(const QString &selectedPair);

// "<TITLE>" + title + "</TITLE>"; on a line of its own (a CR in front) when
// it is added to a page that had no title element.
QString titleElement(const QString &title, bool newLine);

// A date and time as the stamp writes them: the locale's short date, a blank
// and its long time; the time is left out at exactly midnight.
QString stampDateTime(const QDateTime &when, const QLocale &locale);
// "<PAGEMODIFIED>" + stampDateTime + "</PAGEMODIFIED>".
QString stampElement(const QDateTime &when, const QLocale &locale);

// The skeleton of a page: eight lines separated by CR, with an empty line
// between "<BODY>" and "</BODY>".
QString basicTags();

// The template markers of the "Page Template" entries, in menu order: "Body
// Settings", "Hot Link", "Mailto: Link", "Image", "Page Defaults", "Plain
// Text", "Heading".
const QStringList &templateMarkerCaptions();
// What each inserts: CR + "<!--##Body-->" + CR and so on; "Page Defaults"
// leaves two empty lines after its marker. Empty for an index out of range.
QString templateMarker(int index);

} // namespace PageHead
