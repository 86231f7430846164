#include "generators/effects/besidepage.h"

#include "editor/textfile.h"
#include "generators/effects/effectsblocks.h"

#include <QDir>
#include <QFileInfo>

QString resolvedPath(const QString &path, const QString &folder) {
    QString own = path;
    own.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (own.isEmpty() || QDir::isAbsolutePath(own) || folder.isEmpty())
        return own;
    return QDir(folder).filePath(own);
}

bool copyIntoFolder(const QString &source, const QString &folder, QString *error) {
    QByteArray bytes;
    if (!readFileBytes(source, bytes, error))
        return false;
    const QString target = QDir(folder).filePath(Effects::fileNameOf(source));
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath())
        return true;
    return writeFileAtomically(target, bytes, error);
}
