#include "documents/documentnames.h"

#include <QDir>
#include <QFileInfo>

namespace DocumentNames {

QString parkingFile(const QString &document) {
    return document + QLatin1Char('_');
}

QString previewFile(const QString &folder) {
    return folder + QStringLiteral("quilview.htm");
}

QString folderOf(const QString &path) {
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    if (slash < 0)
        return QString();
    return path.left(slash + 1);
}

namespace {
QString resolved(const QString &path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return folder + QLatin1Char('/') + info.fileName();
}
} // namespace

bool sameFile(const QString &a, const QString &b) {
    if (a == b)
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    return resolved(a) == resolved(b);
}

QString fileNameOf(const QString &path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString workingDirectory(const QString &folder) {
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        return folder.left(folder.size() - 1);
    return folder;
}

bool isNewPagePath(const QString &path) {
    return path.contains(QLatin1String("newpage"));
}

bool isDefaultPage(const QString &path) {
    return path.toLower().contains(QLatin1String("newpage.htm"));
}

QString saveAsPath(const QString &chosen) {
    const QString folder = folderOf(chosen);
    return folder + chosen.mid(folder.size()).toLower();
}

bool namesImage(const QString &name) {
    const QString upper = name.toUpper();
    return upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".GIF")) ||
           upper.contains(QLatin1String(".BMP"));
}

QString imagePage(const QString &name) {
    return QStringLiteral("<IMG SRC=\"") + name + QStringLiteral("\">");
}

QString entryFileName(const QString &entryText) {
    const int dash = int(entryText.indexOf(QLatin1Char('-')));
    if (dash < 0)
        return entryText.trimmed();
    return entryText.mid(dash + 2);
}

} // namespace DocumentNames
