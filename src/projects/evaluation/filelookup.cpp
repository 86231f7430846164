#include "projects/evaluation/filelookup.h"

#include <QFileInfo>

namespace {
// Longer paths are refused by the file system anyway (PATH_MAX).
constexpr qsizetype kMaxPathLength = 4096;
} // namespace

bool FileLookup::isImpossiblePath(const QString &path) {
    return path.isEmpty() || path.size() > kMaxPathLength || path.contains(QChar(0));
}

const FileLookup::Entry &FileLookup::lookup(const QString &path) {
    auto it = m_cache.constFind(path);
    if (it != m_cache.constEnd())
        return *it;
    Entry entry{-1, false};
    if (!isImpossiblePath(path)) {
        const QFileInfo info(path);
        entry.present = info.exists();
        if (entry.present && info.isFile())
            entry.size = info.size();
    }
    return *m_cache.insert(path, entry);
}

qint64 FileLookup::fileSize(const QString &path) {
    return lookup(path).size;
}

bool FileLookup::exists(const QString &path) {
    return lookup(path).present;
}

QString referencePath(const QString &folder, const QString &value) {
    QString path = folder.isEmpty() ? QStringLiteral(".") : folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    QString tail = value;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path + tail;
}
