#include "tags/parameterselections.h"
#include "tags/tagtext.h"

namespace ParameterSelections {

const QStringList &pageNames() {
    static const QStringList names = {kAlign, kValign, kSize, kMeta, kEmbed, kObject, kParameter};
    return names;
}

const QStringList &alignItems() {
    static const QStringList items = {QStringLiteral("none"),   QStringLiteral("left"),
                                      QStringLiteral("center"), QStringLiteral("right"),
                                      QStringLiteral("top"),    QStringLiteral("middle"),
                                      QStringLiteral("bottom")};
    return items;
}

const QStringList &valignItems() {
    static const QStringList items = {QStringLiteral("none"), QStringLiteral("top"),
                                      QStringLiteral("middle"), QStringLiteral("bottom")};
    return items;
}

const QStringList &sizeItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const char *sign : {"", "+", "-"})
            for (int i = 1; i <= 7; ++i)
                list << QLatin1String(sign) + QString::number(i);
        return list;
    }();
    return items;
}

const QStringList &httpEquivItems() {
    static const QStringList items = {QStringLiteral("Expires"), QStringLiteral("Keywords"),
                                      QStringLiteral("PICS-Label"), QStringLiteral("Reply-To")};
    return items;
}

namespace {
QString itemOrFirst(const QStringList &items, const QString &value) {
    return items.contains(value) ? value : items.first();
}
} // namespace

Preset presetFor(const QString &text) {
    Preset p;
    const QString upper = text.toUpper();
    const QString value = attributeValue(text);
    if (upper.startsWith(QLatin1String("ALIGN")))
        p.align = itemOrFirst(alignItems(), value);
    if (upper.startsWith(QLatin1String("VALIGN")))
        p.valign = itemOrFirst(valignItems(), value);
    if (upper.startsWith(QLatin1String("SIZE")))
        p.size = itemOrFirst(sizeItems(), value);
    if (upper.startsWith(QLatin1String("<META"))) {
        p.metaName = tagAttribute(text, QStringLiteral("name"));
        p.metaContent = tagAttribute(text, QStringLiteral("content"));
        p.metaHttpEquiv = tagAttribute(text, QStringLiteral("http-equiv"));
    }
    if (upper.startsWith(QLatin1String("<PARAM NAME="))) {
        p.paramName = tagAttribute(text, QStringLiteral("name"));
        p.paramValue = tagAttribute(text, QStringLiteral("value"));
    }
    return p;
}

QString tagAttribute(const QString &tag, const QString &name) {
    const QString key = name + QLatin1Char('=');
    int from = 0;
    int at = -1;
    // The name must start a word, so that "name=" is not found inside
    // "filename=".
    while ((at = tag.indexOf(key, from, Qt::CaseInsensitive)) > 0) {
        const QChar before = tag.at(at - 1);
        if (!before.isLetterOrNumber() && before != QLatin1Char('-') && before != QLatin1Char('_'))
            break;
        from = at + 1;
    }
    if (at < 0)
        return QString();
    int start = at + key.size();
    if (start < tag.size() && tag.at(start) == QLatin1Char('"')) {
        const int end = tag.indexOf(QLatin1Char('"'), start + 1);
        return end < 0 ? tag.mid(start + 1) : tag.mid(start + 1, end - start - 1);
    }
    int end = start;
    while (end < tag.size() && !tag.at(end).isSpace() && tag.at(end) != QLatin1Char('>'))
        ++end;
    return tag.mid(start, end - start);
}

QString alignText(const QString &value) {
    return QStringLiteral("ALIGN=\"%1\"").arg(value);
}

QString valignText(const QString &value) {
    return QStringLiteral("VALIGN=\"%1\"").arg(value);
}

QString sizeText(const QString &value) {
    return QStringLiteral("SIZE=\"%1\"").arg(value);
}

QString metaText(const QString &httpEquiv, const QString &name, const QString &content) {
    QString text = QStringLiteral("<META ");
    if (!httpEquiv.isEmpty())
        text += QStringLiteral("HTTP-EQUIV=\"%1\" ").arg(httpEquiv);
    if (!name.isEmpty())
        text += QStringLiteral("NAME=\"%1\" ").arg(name);
    if (!content.isEmpty())
        text += QStringLiteral("CONTENT=\"%1\" ").arg(content);
    return text + QLatin1Char('>');
}

QString embedText(const QString &source, int height, int width) {
    if (source.isEmpty())
        return QString();
    QString text = QStringLiteral("<EMBED SRC=\"%1\"").arg(source);
    if (height > 0)
        text += QStringLiteral(" HEIGHT=\"%1\"").arg(height);
    if (width > 0)
        text += QStringLiteral(" WIDTH=\"%1\"").arg(width);
    return text + QLatin1Char('>');
}

QString paramText(const QString &name, const QString &value) {
    return QStringLiteral("<PARAM NAME=\"%1\" VALUE=\"%2\">").arg(name, value);
}

} // namespace ParameterSelections
