#include "generators/template/templatemarkup.h"

namespace {

const QString Marker = QStringLiteral("<!--##");

bool isNameCharacter(QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char('-') || ch == QLatin1Char('_');
}

// Where the value of the attribute begins (just after "="), or -1.
int valueStart(const QString &line, const QString &name) {
    int from = 0;
    while (true) {
        const int at = line.indexOf(name, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        from = at + 1;
        if (at > 0 && isNameCharacter(line.at(at - 1)))
            continue; // LINK inside VLINK
        int i = at + name.size();
        while (i < line.size() && line.at(i) == QLatin1Char(' '))
            ++i;
        if (i < line.size() && line.at(i) == QLatin1Char('=')) {
            ++i;
            while (i < line.size() && line.at(i) == QLatin1Char(' '))
                ++i;
            return i;
        }
    }
}

} // namespace

bool isPlaceholderLine(const QString &line) {
    return line.contains(Marker);
}

PlaceholderKind placeholderKind(const QString &line) {
    if (!isPlaceholderLine(line))
        return PlaceholderKind::None;
    static const struct {
        const char *name;
        PlaceholderKind kind;
    } kinds[] = {{"Heading", PlaceholderKind::Heading}, {"Defaults", PlaceholderKind::Defaults},
                 {"Text", PlaceholderKind::Text},       {"Image", PlaceholderKind::Image},
                 {"Link", PlaceholderKind::Link},       {"MailLink", PlaceholderKind::MailLink},
                 {"Body", PlaceholderKind::Body}};
    for (const auto &k : kinds) {
        if (line.contains(Marker + QLatin1String(k.name)))
            return k.kind;
    }
    return PlaceholderKind::Invalid;
}

QString innerText(const QString &line) {
    const QStringList pieces = line.split(QLatin1Char('>'));
    int count = 0;
    while (count < pieces.size() && !pieces.at(count).isEmpty())
        ++count;
    const int index = qMax(1, count / 2);
    if (index >= pieces.size())
        return QString();
    const QString &piece = pieces.at(index);
    const int tag = piece.indexOf(QLatin1Char('<'));
    return tag < 0 ? piece : piece.left(tag);
}

bool hasAttribute(const QString &line, const QString &name) {
    return valueStart(line, name) >= 0;
}

QString attributeValue(const QString &line, const QString &name) {
    int i = valueStart(line, name);
    if (i < 0)
        return QString();
    if (i < line.size() && (line.at(i) == QLatin1Char('"') || line.at(i) == QLatin1Char('\''))) {
        const QChar quote = line.at(i);
        const int end = line.indexOf(quote, i + 1);
        return line.mid(i + 1, end < 0 ? -1 : end - i - 1);
    }
    const int begin = i;
    while (i < line.size() && line.at(i) != QLatin1Char(' ') && line.at(i) != QLatin1Char('"') &&
           line.at(i) != QLatin1Char('>'))
        ++i;
    return line.mid(begin, i - begin);
}

int itemIndex(const QStringList &items, const QString &value) {
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).compare(value, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

QString colorDigits(const QString &value) {
    QString digits = value.trimmed();
    if (digits.startsWith(QLatin1Char('#')))
        digits.remove(0, 1);
    if (digits.size() != 6)
        return QString();
    for (QChar ch : digits) {
        const char c = ch.toUpper().toLatin1();
        if (!(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'F'))
            return QString();
    }
    return digits.toUpper();
}
