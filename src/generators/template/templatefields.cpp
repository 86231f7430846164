#include "generators/template/templatefields.h"

#include "generators/template/templatemarkup.h"

namespace {

QString quoted(const QString &name, const QString &value) {
    return QStringLiteral(" %1=\"%2\"").arg(name, value);
}

// The alignment item named by the line's ALIGN value, or "none".
QString alignmentOf(const QString &line, const QStringList &items) {
    return items.at(itemIndex(items, attributeValue(line, QStringLiteral("ALIGN"))));
}

int numberOr(const QString &value, int fallback) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok ? n : fallback;
}

QString withoutHash(const QString &value) {
    return value.startsWith(QLatin1Char('#')) ? value.mid(1) : value;
}

} // namespace

const QStringList &blockAlignments() {
    static const QStringList items{QStringLiteral("none"), QStringLiteral("left"),
                                   QStringLiteral("center"), QStringLiteral("right")};
    return items;
}

const QStringList &imageAlignments() {
    static const QStringList items{QStringLiteral("none"),   QStringLiteral("top"),
                                   QStringLiteral("middle"), QStringLiteral("bottom"),
                                   QStringLiteral("left"),   QStringLiteral("right")};
    return items;
}

// --- Heading ------------------------------------------------------------------

void HeadingFields::read(const QString &line) {
    *this = HeadingFields();
    if (line.isEmpty())
        return;
    const int tag = line.indexOf(QLatin1String("<H"), 0, Qt::CaseInsensitive);
    if (tag >= 0 && tag + 2 < line.size()) {
        const int digit = line.at(tag + 2).unicode() - '0';
        if (digit >= 1 && digit <= 6)
            size = digit;
    }
    text = innerText(line);
    alignment = alignmentOf(line, blockAlignments());
    color = colorDigits(attributeValue(line, QStringLiteral("COLOR")));
}

std::optional<QString> HeadingFields::write() const {
    if (text.isEmpty())
        return std::nullopt;
    QString line = QStringLiteral("<H%1").arg(size);
    if (alignment != QLatin1String("none"))
        line += quoted(QStringLiteral("ALIGN"), alignment);
    line += QStringLiteral(">%1</H%2>").arg(text, QString::number(size));
    if (!color.isEmpty())
        line = QStringLiteral("<FONT COLOR=\"#%1\">%2</FONT>").arg(color, line);
    return line;
}

// --- Defaults -----------------------------------------------------------------

void DefaultsFields::read(const QString &titleLine, const QString &secondLine,
                          const QString &thirdLine) {
    *this = DefaultsFields();
    const int open = titleLine.indexOf(QLatin1Char('>'));
    if (open >= 0) {
        const int close = titleLine.indexOf(QLatin1Char('<'), open + 1);
        title = titleLine.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    for (const QString &line : {secondLine, thirdLine}) {
        const QString name = attributeValue(line, QStringLiteral("NAME"));
        if (name == QLatin1String("Keywords"))
            keywords = attributeValue(line, QStringLiteral("CONTENT"));
        else if (name == QLatin1String("Description"))
            description = attributeValue(line, QStringLiteral("CONTENT"));
    }
}

QStringList DefaultsFields::write() const {
    return {QStringLiteral("<TITLE>%1</TITLE>").arg(title),
            QStringLiteral("<META NAME=\"Keywords\" CONTENT=\"%1\">").arg(keywords),
            QStringLiteral("<META NAME=\"Description\" CONTENT=\"%1\">").arg(description)};
}

// --- Text ------------------------------------------------------------------------

void TextFields::read(const QString &line) {
    *this = TextFields();
    if (line.isEmpty())
        return;
    text = line.contains(QLatin1Char('<')) ? innerText(line) : line;
    alignment = alignmentOf(line, blockAlignments());
    bold = line.contains(QLatin1String("<B"));
    underline = line.contains(QLatin1String("<U"));
    italics = line.contains(QLatin1String("<I"));
}

std::optional<QString> TextFields::write() const {
    if (text.isEmpty())
        return std::nullopt;
    // The memo's lines joined by CR LF. No line end after the last line, so
    // that writing the same text again leaves the page as it is.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    QString line = lines.join(QStringLiteral("\r\n"));
    if (bold)
        line = QStringLiteral("<B>%1</B>").arg(line);
    if (underline)
        line = QStringLiteral("<U>%1</U>").arg(line);
    if (italics)
        line = QStringLiteral("<I>%1</I>").arg(line);
    if (alignment != QLatin1String("none"))
        line = QStringLiteral("<P ALIGN=\"%1\">%2</P>").arg(alignment, line);
    return line;
}

// --- Image ---------------------------------------------------------------------

void ImageFields::read(const QString &line) {
    *this = ImageFields();
    if (line.isEmpty())
        return;
    alignment = alignmentOf(line, imageAlignments());
    height = numberOr(attributeValue(line, QStringLiteral("HEIGHT")), 0);
    width = numberOr(attributeValue(line, QStringLiteral("WIDTH")), 0);
    file = attributeValue(line, QStringLiteral("SRC"));
}

QString ImageFields::write() const {
    if (file.isEmpty())
        return QString();
    QString line = QStringLiteral("<IMG SRC=\"%1\"").arg(file);
    if (height > 0)
        line += quoted(QStringLiteral("HEIGHT"), QString::number(height));
    if (width > 0)
        line += quoted(QStringLiteral("WIDTH"), QString::number(width));
    if (alignment != QLatin1String("none"))
        line += quoted(QStringLiteral("ALIGN"), alignment);
    return line + QLatin1Char('>');
}

// --- Link ----------------------------------------------------------------------

void LinkFields::read(const QString &line) {
    const bool kindMailTo = mailTo;
    *this = LinkFields();
    mailTo = kindMailTo;
    if (line.isEmpty())
        return;
    alignment = alignmentOf(line, blockAlignments());
    url = attributeValue(line, QStringLiteral("HREF"));
    if (url.contains(QLatin1String("mailto:"))) {
        const int colon = url.indexOf(QLatin1Char(':'));
        const int next = url.indexOf(QLatin1Char(':'), colon + 1);
        url = url.mid(colon + 1, next < 0 ? -1 : next - colon - 1);
        mailTo = true;
    }
    if (hasAttribute(line, QStringLiteral("SRC"))) {
        graphic = attributeValue(line, QStringLiteral("SRC"));
        imageLink = true;
    } else {
        displayedText = innerText(line);
    }
}

QString LinkFields::write() const {
    if (url.isEmpty())
        return QString();
    QString line = QStringLiteral("<A HREF=\"%1%2\">")
                       .arg(mailTo ? QStringLiteral("mailto:") : QString(), url);
    if (imageLink) {
        if (!graphic.isEmpty())
            line += QStringLiteral("<IMG SRC=\"%1\">").arg(graphic);
    } else {
        line += displayedText;
    }
    line += QStringLiteral("</A>");
    if (alignment != QLatin1String("none"))
        line = QStringLiteral("<P ALIGN=\"%1\">%2</P>").arg(alignment, line);
    return line;
}

// --- Body ------------------------------------------------------------------------

void BodyFields::read(const QString &line) {
    *this = BodyFields();
    if (line.isEmpty())
        return;
    // Names are found in the line upper-cased character by character, so the
    // positions match and the background image keeps its letter case.
    QString upper = line;
    for (QChar &ch : upper)
        ch = ch.toUpper();
    auto value = [&](const char *name) { return attributeValue(upper, QLatin1String(name)); };
    auto present = [&](const char *name) { return hasAttribute(upper, QLatin1String(name)); };
    if (present("BACKGROUND"))
        background = attributeValue(line, QStringLiteral("BACKGROUND"));
    QString *colors[] = {&text, &link, &vlink, &alink, &bgcolor};
    const char *names[] = {"TEXT", "LINK", "VLINK", "ALINK", "BGCOLOR"};
    for (int i = 0; i < 5; ++i) {
        if (present(names[i]))
            *colors[i] = withoutHash(value(names[i]));
    }
    rightMargin = numberOr(value("RIGHTMARGIN"), -1);
    leftMargin = numberOr(value("LEFTMARGIN"), -1);
    fixedBackground = present("BGPROPERTIES");
}

QString BodyFields::write() const {
    QString line = QStringLiteral("<BODY ");
    if (!background.isEmpty())
        line += QStringLiteral("BACKGROUND=\"%1\"").arg(background);
    const QString *colors[] = {&text, &link, &vlink, &alink, &bgcolor};
    const char *names[] = {"TEXT", "LINK", "VLINK", "ALINK", "BGCOLOR"};
    for (int i = 0; i < 5; ++i) {
        if (!colors[i]->isEmpty())
            line += QStringLiteral(" %1=\"#%2\"").arg(QLatin1String(names[i]), *colors[i]);
    }
    if (leftMargin >= 0)
        line += quoted(QStringLiteral("LEFTMARGIN"), QString::number(leftMargin));
    if (rightMargin >= 0)
        line += quoted(QStringLiteral("RIGHTMARGIN"), QString::number(rightMargin));
    if (fixedBackground)
        line += QStringLiteral(" BGPROPERTIES=\"FIXED\"");
    return line + QLatin1Char('>');
}
