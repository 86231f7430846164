#include "projects/evaluation/imagealt.h"

#include "projects/evaluation/pageevaluation.h"
#include "projects/evaluation/textlines.h"

namespace {

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n') || c == QLatin1Char('\f');
}

// Where the attribute `name` (lower case) starts in a lower-cased tag, or -1.
// An attribute name follows a blank and is followed by a blank, "=", "/",
// ">" or the tag's end; so "alt" inside a value such as "salt.gif" is not
// taken for one.
qsizetype findAttribute(QStringView tag, QLatin1String name) {
    for (qsizetype pos = tag.indexOf(name); pos >= 0; pos = tag.indexOf(name, pos + 1)) {
        if (pos == 0 || !isSpace(tag[pos - 1]))
            continue;
        const qsizetype after = pos + name.size();
        if (after == tag.size() || isSpace(tag[after]) || tag[after] == QLatin1Char('=') ||
            tag[after] == QLatin1Char('/') || tag[after] == QLatin1Char('>'))
            return pos;
    }
    return -1;
}

} // namespace

QVector<ImageWithoutAlt> imagesWithoutAlt(QStringView text) {
    QVector<ImageWithoutAlt> found;
    const QString lower = asciiLower(text);
    const QStringView low(lower);
    const TextLines lines(text);
    qsizetype from = 0;
    while (found.size() < Evaluation::kMaxReferences) {
        const qsizetype start = low.indexOf(QLatin1String("<img"), from);
        if (start < 0)
            break;
        qsizetype end = start + 4;
        if (end < low.size() && !isSpace(low[end]) && low[end] != QLatin1Char('>') &&
            low[end] != QLatin1Char('/')) {
            from = end; // "<imgsomething" is another tag
            continue;
        }
        while (end < low.size() && low[end] != QLatin1Char('>') && low[end] != QLatin1Char('<'))
            ++end;
        // The tags found do not overlap, so the text is read once.
        from = end;
        const QStringView tag = low.mid(start, end - start);
        if (findAttribute(tag, QLatin1String("alt")) >= 0)
            continue;
        ImageWithoutAlt image;
        image.line = lines.lineOf(start);
        image.column = int(start - lines.start(image.line));
        const qsizetype src = findAttribute(tag, QLatin1String("src"));
        if (src >= 0)
            image.source = attrValue(text.mid(start, end - start), src);
        found.append(image);
    }
    return found;
}
