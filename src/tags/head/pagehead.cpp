#include "tags/head/pagehead.h"

#include <iterator>

namespace PageHead {

QString titleOf(const QString &selectedPair) {
    const int open = selectedPair.indexOf(QLatin1Char('>'));
    if (open < 0)
        return QString();
    const int close = selectedPair.indexOf(QLatin1Char('<'), open + 1);
    return close < 0 ? selectedPair.mid(open + 1) : selectedPair.mid(open + 1, close - open - 1);
}

QString titleElement(const QString &title, bool newLine) {
    const QString element = QStringLiteral("<TITLE>") + title + QStringLiteral("</TITLE>");
    return newLine ? QLatin1Char('\r') + element : element;
}

QString stampDateTime(const QDateTime &when, const QLocale &locale) {
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(when.time(), QLocale::LongFormat);
    return text;
}

QString stampElement(const QDateTime &when, const QLocale &locale) {
    return QStringLiteral("<PAGEMODIFIED>") + stampDateTime(when, locale) +
           QStringLiteral("</PAGEMODIFIED>");
}

QString basicTags() {
    return QStringLiteral("<HTML>\r<HEAD>\r<TITLE>Web page Title</TITLE>\r</HEAD>\r<BODY>\r\r"
                          "</BODY>\r</HTML>");
}

const QStringList &templateMarkerCaptions() {
    static const QStringList captions = {
        QStringLiteral("Body Settings"), QStringLiteral("Hot Link"),
        QStringLiteral("Mailto: Link"),  QStringLiteral("Image"),
        QStringLiteral("Page Defaults"), QStringLiteral("Plain Text"),
        QStringLiteral("Heading")};
    return captions;
}

QString templateMarker(int index) {
    static const char *const names[] = {"Body",     "Link", "MailLink", "Image",
                                        "Defaults", "Text", "Heading"};
    if (index < 0 || index >= int(std::size(names)))
        return QString();
    const QString marker =
        QStringLiteral("\r<!--##") + QLatin1String(names[index]) + QStringLiteral("-->\r");
    // The defaults marker is followed by room for the lines it stands for.
    return index == 4 ? marker + QStringLiteral("\r\r") : marker;
}

} // namespace PageHead
