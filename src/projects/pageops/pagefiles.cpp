#include "projects/pageops/pagefiles.h"

#include "app/regularfile.h"
#include "editor/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace PageFiles {

namespace {

// Pages and pictures are small; nothing larger is copied through memory.
constexpr qint64 kMaxCopyBytes = qint64(1) << 30;

bool fail(QString *error, const QString &why) {
    if (error)
        *error = why;
    return false;
}

QString takenText(const QString &target) {
    return QStringLiteral("%1 already exists.").arg(target);
}

} // namespace

bool isPlainFileName(const QString &name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool occupied(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

bool createFile(const QString &target, const QByteArray &bytes, QString *error) {
    if (occupied(target))
        return fail(error, takenText(target));
    return writeFileAtomically(target, bytes, error);
}

bool copyFile(const QString &source, const QString &target, QString *error) {
    if (occupied(target))
        return fail(error, takenText(target));
    QByteArray bytes;
    const RegularFile::Outcome read = RegularFile::readAll(source, bytes, kMaxCopyBytes);
    if (!read.ok())
        return fail(error, read.message);
    return writeFileAtomically(target, bytes, error);
}

bool moveFile(const QString &source, const QString &target, QString *error) {
    if (!occupied(source))
        return fail(error, QStringLiteral("%1 does not exist.").arg(source));
    if (occupied(target))
        return fail(error, takenText(target));
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    const int reason = errno;
    // Another file system (or one that cannot rename without replacing):
    // copy, then remove the source.
    if (reason != EXDEV && reason != EINVAL && reason != ENOSYS)
        return fail(error, QStringLiteral("Cannot move %1 to %2: %3")
                               .arg(source, target, qt_error_string(reason)));
    if (!copyFile(source, target, error))
        return false;
    QString why;
    if (removeFile(source, &why))
        return true;
    QFile::remove(target);
    return fail(error, why);
}

bool removeFile(const QString &path, QString *error) {
    const QFileInfo info(path);
    if (!info.isSymLink() && !info.exists())
        return true;
    if (!info.isSymLink() && info.isDir())
        return fail(error, QStringLiteral("%1 is a folder, not a file.").arg(path));
    QFile file(path);
    if (file.remove())
        return true;
    return fail(error, QStringLiteral("Cannot remove %1: %2").arg(path, file.errorString()));
}

} // namespace PageFiles
