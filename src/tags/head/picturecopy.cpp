#include "tags/head/picturecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PictureCopy {

Outcome copyInto(const QString &source, const QString &folder, QString *error) {
    const QDir dir(folder);
    QString path = source;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo from(dir.absoluteFilePath(path));
    const QFileInfo to(dir.absoluteFilePath(from.fileName()));
    if (to.exists() || to.isSymLink())
        return Outcome::AlreadyThere;
    if (!from.isFile()) {
        if (error)
            *error = QStringLiteral("%1 is not a file").arg(from.filePath());
        return Outcome::Failed;
    }
    // QFile::copy writes a temporary file in the folder and renames it, so
    // a copy that fails half-way leaves no part of the picture behind.
    QFile file(from.filePath());
    if (!file.copy(to.filePath())) {
        if (error)
            *error = file.errorString();
        return Outcome::Failed;
    }
    return Outcome::Copied;
}

QString failureText(const QString &source, const QString &folder) {
    return QStringLiteral("Cannot copy %1 to %2").arg(source, folder);
}

} // namespace PictureCopy
