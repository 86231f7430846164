#include "app/filefilter.h"

QStringList toQtFilters(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        out << parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    }
    return out;
}

int qtFilterIndex(const QString &filter, const QString &qtFilter) {
    return toQtFilters(filter).indexOf(qtFilter) + 1;
}
