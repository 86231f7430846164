#include "tags/toolpages/toolpagetexts.h"

namespace ToolPageTexts {

namespace {

const QChar kCr = QLatin1Char('\r');

QString quoted(const QString &name, const QString &value) {
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

} // namespace

// --- Lists ----------------------------------------------------------------------------

QStringList listKinds() {
    return {QStringLiteral("Ordered"), QStringLiteral("Unordered")};
}

QStringList orderedStyles() {
    return {QStringLiteral("Default"), QStringLiteral("A (Upper)"), QStringLiteral("a (Lower)"),
            QStringLiteral("I (lg Roman)"), QStringLiteral("i (sm Roman)")};
}

QStringList unorderedStyles() {
    return {QStringLiteral("Default"), QStringLiteral("disc"), QStringLiteral("circle"),
            QStringLiteral("square")};
}

QStringList listLines(const ListChoice &choice) {
    const bool styled = !choice.style.isEmpty() && choice.style != QLatin1String("Default");
    QString first, last;
    switch (choice.kind) {
    case ListKind::Ordered:
        first = QStringLiteral("<OL ");
        // The style's first character is its TYPE: "A (Upper)" gives "A".
        if (styled)
            first += QStringLiteral("TYPE=\"") + choice.style.left(1) + QStringLiteral("\" ");
        if (choice.startAt != 1)
            first += QStringLiteral("START=") + QString::number(choice.startAt) + QLatin1Char(' ');
        first += QLatin1Char('>');
        last = QStringLiteral("</OL>");
        break;
    case ListKind::Unordered:
        first = QStringLiteral("<UL ");
        if (styled)
            first += QStringLiteral("TYPE=\"") + choice.style + QStringLiteral("\" ");
        first += QLatin1Char('>');
        last = QStringLiteral("</UL>");
        break;
    case ListKind::None:
        break;
    }
    QStringList lines;
    const int count = qMax(0, choice.count);
    lines.reserve(count + 2);
    lines << first;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("<LI> Line:") + QString::number(i);
    lines << last;
    return lines;
}

// --- Tables ---------------------------------------------------------------------------

QStringList quickTableLines(const QuickTable &table) {
    QString first = QStringLiteral("<TABLE ");
    if (table.border)
        first += QStringLiteral("BORDER ");
    if (table.widthPercent > 0)
        first += QStringLiteral("WIDTH=\"") + QString::number(table.widthPercent) +
                 QStringLiteral("%\"");
    first += QLatin1Char('>');

    const int rows = qMax(0, table.rows);
    const int columns = qMax(0, table.columns);
    QStringList lines;
    lines.reserve(rows * (columns + 2) + 2);
    lines << first;
    for (int r = 1; r <= rows; ++r) {
        lines << QStringLiteral("<TR>");
        const QString row = QStringLiteral("<TD>Cell:") + QString::number(r) + QLatin1Char(',');
        for (int c = 1; c <= columns; ++c)
            lines << row + QString::number(c) + QStringLiteral("</TD>");
        lines << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

// --- Images ---------------------------------------------------------------------------

QStringList imageAlignments() {
    return {QStringLiteral("none"),   QStringLiteral("top"),  QStringLiteral("middle"),
            QStringLiteral("bottom"), QStringLiteral("left"), QStringLiteral("right")};
}

QString imageTag(const ImageChoice &image) {
    if (image.name.isEmpty())
        return QString();
    QString tag = QStringLiteral("<IMG SRC=\"") + image.name + QLatin1Char('"');
    if (!image.alignment.isEmpty())
        tag += quoted(QStringLiteral("ALIGN"), image.alignment);
    if (image.size.width() > 0)
        tag += quoted(QStringLiteral("WIDTH"), QString::number(image.size.width()));
    if (image.size.height() > 0)
        tag += quoted(QStringLiteral("HEIGHT"), QString::number(image.size.height()));
    tag += QLatin1Char('>');
    if (!image.hotLink.isEmpty())
        tag = QStringLiteral("<A HREF=\"") + image.hotLink + QStringLiteral("\">") + tag +
              QStringLiteral("</A>");
    return tag;
}

QString imageGalleryPage(const QString &folder, const QStringList &names) {
    QString page = QStringLiteral(
        "<H2 align=\"center\">Select an image below to insert into the toolbar</H2>");
    for (const QString &name : names) {
        // A file name may hold characters that would end the attribute.
        const QString path = (folder + name).toHtmlEscaped();
        page += QStringLiteral("\r\n<a href=\"") + path + QStringLiteral("\"><img src=\"") + path +
                QStringLiteral("\"></a><br>");
    }
    return page + QStringLiteral("\r\n");
}

// --- Links ----------------------------------------------------------------------------

QStringList linkPrefixes() {
    return {QStringLiteral("http://"),    QStringLiteral("http://www."), QStringLiteral("ftp://"),
            QStringLiteral("ftp://ftp."), QStringLiteral("mailto:"),     QStringLiteral("#"),
            QStringLiteral("news:"),      QStringLiteral("file:"),       QStringLiteral("file:///"),
            QStringLiteral("gopher://"),  QStringLiteral("telnet://"),   QStringLiteral("wais://")};
}

QString linkOpening(const QString &prefix, const QString &url) {
    return QStringLiteral("<A HREF=\"") + prefix + url + QStringLiteral("\">");
}

// --- Forms and ASP --------------------------------------------------------------------

QString formSkeleton() {
    return kCr + QStringLiteral("<FORM METHOD=\"POST\" ACTION=\"mailto:you@example.com\">") + kCr +
           QStringLiteral("<!--Put form fields after the above opening FORM tag and before the "
                          "closing /FORM tag-->") +
           kCr +
           QStringLiteral("<P ALIGN=\"CENTER\"><INPUT TYPE=\"submit\" VALUE=\"Submit Form\">"
                          "<INPUT TYPE=\"reset\" VALUE=\"Reset Form\"></P>") +
           kCr + QStringLiteral("</FORM>");
}

QVector<PageButton> formButtons() {
    const QString none; // a null closing: inserted as it stands
    return {
        {QStringLiteral("SpeedButton33"), QStringLiteral("Form"),
         QStringLiteral("Opening and Closing Form tags w/buttons"), formSkeleton(), none},
        {QStringLiteral("CBButton"), QStringLiteral("Check"), QStringLiteral("Add Checkbox"),
         QStringLiteral("<INPUT TYPE=\"checkbox\" NAME=\"cb1\" VALUE=\"value1\">"),
         QStringLiteral("<BR>")},
        {QStringLiteral("RGButton"), QStringLiteral("Radio"), QStringLiteral("Add Radio Button"),
         QStringLiteral("<INPUT TYPE=\"radio\" NAME=\"radio1\" VALUE=\"value1\" CHECKED>"),
         QStringLiteral("<BR>")},
        {QStringLiteral("DEButton"), QStringLiteral("Text"),
         QStringLiteral("Add Text or Password field"),
         QStringLiteral("<INPUT TYPE=\"text\" NAME=\"text1\" SIZE=25>"), none},
        {QStringLiteral("TAButton"), QStringLiteral("Area"), QStringLiteral("Add Text Area"),
         QStringLiteral("<TEXTAREA NAME=\"textarea\" ROWS=5 COLS=25></TEXTAREA>"), none},
        {QStringLiteral("BitBtn3"), QStringLiteral("Hidden"), QStringLiteral("Add Hidden Field"),
         QStringLiteral("<INPUT TYPE=\"hidden\" NAME=\"name1\" VALUE=\"value1\">"), none},
        {QStringLiteral("LBButton"), QStringLiteral("List"), QStringLiteral("Add Listbox"),
         QStringLiteral("<SELECT NAME=\"listbox\" Size=\"0\">") + kCr + QStringLiteral("</SELECT>"),
         none},
        {QStringLiteral("SpeedButton21"), QStringLiteral("Op"),
         QStringLiteral("Options tag for Listbox field"), QStringLiteral("<OPTION>"), none},
    };
}

QVector<PageButton> aspButtons() {
    const QString none;
    return {
        {QStringLiteral("SpeedButton8"), QStringLiteral("ITE"),
         QStringLiteral("<% If ... Then ... End If%>"), QStringLiteral("<% If ... Then %>") + kCr,
         kCr + QStringLiteral("<% End If %>")},
        {QStringLiteral("SpeedButton58"), QStringLiteral("If"),
         QStringLiteral("<% If  ... Then %>"), QStringLiteral("<% If "),
         QStringLiteral(" Then %>")},
        {QStringLiteral("SpeedButton62"), QStringLiteral("E..I"),
         QStringLiteral("<% Else If ... Then %>"), QStringLiteral("<% Else If "),
         QStringLiteral(" Then %>")},
        {QStringLiteral("SpeedButton61"), QStringLiteral("Else"), QString(),
         QStringLiteral("<% Else %>"), none},
        {QStringLiteral("SpeedButton52"), QStringLiteral("End"), QString(),
         QStringLiteral("<% End If %>"), none},
        {QStringLiteral("SpeedButton57"), QStringLiteral("Loop"),
         QStringLiteral("<% While ...%> <% Loop %>"), kCr + QStringLiteral("<% While ... %>") + kCr,
         kCr + QStringLiteral("<% Loop %>") + kCr},
        {QStringLiteral("ASPEqual"), QStringLiteral("="), QString(), QStringLiteral("<% ="),
         QStringLiteral(" %>")},
        {QStringLiteral("ASPPercent"), QStringLiteral("%"), QString(), QStringLiteral("<% "),
         QStringLiteral(" %>")},
    };
}

// --- Menu insertions ------------------------------------------------------------------

QString dateText(const QDateTime &when, const QLocale &locale) {
    return QLatin1Char(' ') + locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ');
}

QString timeText(const QDateTime &when, const QLocale &locale) {
    return QLatin1Char(' ') + locale.toString(when.time(), QLocale::LongFormat) + QLatin1Char(' ');
}

QString dateTimeText(const QDateTime &when, const QLocale &locale) {
    return QLatin1Char(' ') + locale.toString(when.date(), QLocale::ShortFormat) +
           QLatin1Char('/') + locale.toString(when.time(), QLocale::LongFormat) + QLatin1Char(' ');
}

QString includeTag(const QString &path) {
    return QStringLiteral("<!--#include FILE=\"") + path + QStringLiteral("\"-->");
}

QString includeFilter() {
    return QStringLiteral("HTM Files|*.htm|HTML Files|*.html|All Files|*");
}

} // namespace ToolPageTexts
