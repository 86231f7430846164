#include "tags/tagtext.h"
#include "app/userinteraction.h"
#include "settings/colors.h"

namespace {

QString bracketed(const QString &part) {
    if (part.contains(QLatin1Char('<')))
        return part;
    return QLatin1Char('<') + part + QLatin1Char('>');
}

// Entity names of the Latin-1 letters 192 .. 255; 215 and 247 (the
// multiplication and division signs) have none.
const char *const kLetterEntities[64] = {
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig", "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc", "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",  nullptr,
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN", "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig", "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc", "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",  nullptr,
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn", "yuml"};

} // namespace

QString closingTagFor(const QString &tag) {
    if (tag.isEmpty())
        return QString();
    return tag.left(1) + QLatin1Char('/') + tag.mid(1);
}

TagPair unevenTags(const QString &spec) {
    const int dots = spec.indexOf(QLatin1String(".."));
    if (dots < 0)
        return {bracketed(spec), QString()};
    const int dash = spec.indexOf(QLatin1Char('-'));
    TagPair pair;
    pair.opening = spec.left(dots);
    // The closing text runs from after ".." to two characters before the dash
    // (leaving out the blank in front of it).
    const int from = dots + 2;
    const int count = dash - 1 - from;
    if (dash >= 0 && count > 0)
        pair.closing = spec.mid(from, count);
    if (pair.closing.isEmpty())
        pair.closing = spec.mid(from);
    pair.opening = bracketed(pair.opening);
    pair.closing = bracketed(pair.closing);
    return pair;
}

TagPair captionAsTag(const QString &caption) {
    const int end = caption.indexOf(QLatin1Char('>'));
    if (end < 0)
        return {caption, QString()};
    return {caption.left(end + 1), caption.mid(end + 1)};
}

bool isUnevenSpec(const QString &caption) {
    return caption.contains(QLatin1String(".."));
}

QString firstWordTag(const QString &caption) {
    const int blank = caption.indexOf(QLatin1Char(' '));
    const QString name = blank < 0 ? caption : caption.left(blank);
    return QLatin1Char('<') + name + QLatin1Char('>');
}

QStringList dropDownEntries(const QString &hint) {
    QStringList patterns;
    if (hint == QLatin1String("BR")) {
        patterns = {QStringLiteral("<%s>"), QStringLiteral("<%s CLEAR=\"left\">"),
                    QStringLiteral("<%s CLEAR=\"all\">"), QStringLiteral("<%s CLEAR=\"right\">")};
    } else if (hint == QLatin1String("HR")) {
        patterns = {QStringLiteral("<%s>"),
                    QStringLiteral("<%s ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%%\">"),
                    QStringLiteral("<%s ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%%\">"),
                    QStringLiteral("<%s ALIGN=\"right\" SIZE=\"2\" WIDTH=\"100%%\">")};
    } else {
        patterns = {QStringLiteral("<%s></%s>"), QStringLiteral("<%s ALIGN=\"left\"></%s>"),
                    QStringLiteral("<%s ALIGN=\"center\"></%s>"),
                    QStringLiteral("<%s ALIGN=\"right\"></%s>")};
    }
    QStringList entries;
    for (QString p : patterns) {
        // Format-style: "%s" is the hint, "%%" a literal "%". Replace in one
        // pass so that a "%" inside the hint stays as it is.
        QString out;
        for (int i = 0; i < p.size(); ++i) {
            if (p.at(i) == QLatin1Char('%') && i + 1 < p.size()) {
                const QChar next = p.at(i + 1);
                if (next == QLatin1Char('s')) {
                    out += hint;
                    ++i;
                    continue;
                }
                if (next == QLatin1Char('%')) {
                    out += QLatin1Char('%');
                    ++i;
                    continue;
                }
            }
            out += p.at(i);
        }
        entries << out;
    }
    return entries;
}

bool dropDownInsertsAsText(const QString &hint) {
    return hint == QLatin1String("BR");
}

TagPair fontDialogTags(const FontChoice &font) {
    TagPair pair;
    pair.opening = QStringLiteral("<FONT FACE=\"%1\" SIZE=\"%2\" COLOR=\"#%3\">")
                       .arg(font.family.left(31))
                       .arg(font.pointSize)
                       .arg(colorToHex(font.color));
    pair.closing = QStringLiteral("</FONT>");
    const struct {
        bool on;
        const char *name;
    } styles[] = {
        {font.bold, "B"}, {font.italic, "I"}, {font.underline, "U"}, {font.strikeOut, "S"}};
    for (const auto &s : styles) {
        if (!s.on)
            continue;
        const QString name = QLatin1String(s.name);
        pair.opening.prepend(QLatin1Char('<') + name + QLatin1Char('>'));
        pair.closing.append(QStringLiteral("</") + name + QLatin1Char('>'));
    }
    return pair;
}

QString fontColorTag(const QColor &color) {
    return QStringLiteral("<FONT COLOR=\"#%1\">").arg(colorToHex(color));
}

QString fontStepTag(int step, bool larger) {
    return QStringLiteral("<FONT SIZE=%1%2>")
        .arg(larger ? QLatin1Char('+') : QLatin1Char('-'))
        .arg(step);
}

QString fontSizeTag(const QString &size) {
    return QStringLiteral("<FONT SIZE=") + size + QLatin1Char('>');
}

QString fontFaceTag(const QString &name) {
    return QStringLiteral("<FONT FACE=\"") + name + QStringLiteral("\">");
}

QString expandToHtml(QChar ch) {
    const ushort code = ch.unicode();
    if (code < 192 || code > 255)
        return QString();
    const char *name = kLetterEntities[code - 192];
    if (!name)
        return QString();
    return QLatin1Char('&') + QLatin1String(name) + QLatin1Char(';');
}

bool inATag(const QString &line, int column) {
    if (line.isEmpty())
        return false;
    column = qBound(0, column, int(line.size()));
    for (int i = column; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('>'))
            return true;
        if (c == QLatin1Char('<'))
            break;
    }
    for (int i = column - 1; i >= 0; --i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('<'))
            return true;
        if (c == QLatin1Char('>'))
            return false;
    }
    return false;
}

TextShape textShape(const QString &text) {
    TextShape shape;
    shape.firstLineLength = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        if (shape.firstLineLength < 0)
            shape.firstLineLength = i;
        ++shape.lineBreaks;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    if (shape.firstLineLength < 0)
        shape.firstLineLength = int(text.size());
    return shape;
}

QString attributeValue(const QString &expression) {
    const int first = expression.indexOf(QLatin1Char('"'));
    if (first >= 0) {
        const int second = expression.indexOf(QLatin1Char('"'), first + 1);
        if (second > first + 1)
            return expression.mid(first + 1, second - first - 1);
    }
    const int equals = expression.indexOf(QLatin1Char('='));
    return expression.mid(equals + 1);
}
