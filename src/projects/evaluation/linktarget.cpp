#include "projects/evaluation/linktarget.h"

#include "projects/evaluation/filelookup.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A scheme has at least two characters, so that a Windows drive ("C:") is
// not taken for one.
qsizetype schemeLength(const QString &value) {
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    if (colon < 2 || !value.at(0).isLetter())
        return -1;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = value.at(i);
        if (!(c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
              c == QLatin1Char('.')) ||
            c.unicode() > 127)
            return -1;
    }
    return colon;
}

} // namespace

bool isExternalReference(const QString &value) {
    return schemeLength(value) > 0 || value.startsWith(QLatin1String("//")) ||
           value.startsWith(QLatin1String("\\\\"));
}

LinkTarget linkTarget(const QString &value, const QString &pagePath) {
    LinkTarget target;
    const qsizetype mailto = value.indexOf(QLatin1String("mailto:"), 0, Qt::CaseInsensitive);
    if (mailto >= 0) {
        target.mail = true;
        target.url = QUrl(QStringLiteral("mailto:") + value.mid(mailto + 7).trimmed());
        return target;
    }
    if (schemeLength(value) > 0) {
        target.url = QUrl(value);
        return target;
    }
    if (value.startsWith(QLatin1String("//"))) {
        target.url = QUrl(QStringLiteral("http:") + value);
        return target;
    }
    const qsizetype mark = value.indexOf(QLatin1Char('#'));
    const QString file = mark < 0 ? value : value.left(mark);
    const QFileInfo page(pagePath);
    QString path = file.isEmpty() ? page.absoluteFilePath()
                                  : QDir::cleanPath(referencePath(page.absolutePath(), file));
    // A site's address typed without its scheme.
    if (!QFileInfo::exists(path) && file.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        target.url = QUrl(QStringLiteral("http://") + value);
        return target;
    }
    target.url = QUrl::fromLocalFile(path);
    if (mark >= 0)
        target.url.setFragment(value.mid(mark + 1));
    return target;
}

QString linkFailureText(bool mail) {
    return mail ? QStringLiteral("Eudora is not currently running or we just could not find it.")
                : QStringLiteral("Netscape is not currently running or we just could not find it.");
}
