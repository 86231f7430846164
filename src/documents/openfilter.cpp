#include "documents/openfilter.h"

#include <QStringList>

namespace {

QString patterns(const QString &extensions, const QString &fallback) {
    QString out;
    for (const QString &e : extensions.split(QLatin1Char(','))) {
        if (e.isEmpty())
            continue;
        out += QStringLiteral("*.") + e + QLatin1Char(';');
    }
    return out.isEmpty() ? fallback : out;
}

} // namespace

QString buildOpenFilter(const QString &extension, const QString &graphicExtension) {
    return QStringLiteral("Web Documents|") + patterns(extension, QStringLiteral("*.htm;*.html")) +
           QStringLiteral("|HTMLFiles|*.html|Graphics|") +
           patterns(graphicExtension, QStringLiteral("*.gif;*.jpg")) +
           QStringLiteral("|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class");
}
