#include "generators/table/cellattributes.h"

namespace {

QString attribute(const char *name, const QString &value) {
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + value +
           QLatin1Char('"');
}

} // namespace

QString cellAttributeString(const CellAttributes &a) {
    QString s;
    if (a.rowSpan > 1)
        s += attribute("ROWSPAN", QString::number(a.rowSpan));
    if (a.colSpan > 1)
        s += attribute("COLSPAN", QString::number(a.colSpan));
    if (a.vAlign != QLatin1String("none"))
        s += attribute("VALIGN", a.vAlign);
    if (a.hAlign != QLatin1String("none"))
        s += attribute("ALIGN", a.hAlign);
    if (!a.color.isEmpty())
        s += attribute("BGCOLOR", a.color);
    if (a.height > 0)
        s += attribute("HEIGHT", QString::number(a.height) +
                                     (a.heightPercent ? QStringLiteral("%") : QString()));
    if (a.width > 0)
        s += attribute("WIDTH", QString::number(a.width) +
                                    (a.widthPercent ? QStringLiteral("%") : QString()));
    return s;
}
