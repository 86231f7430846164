#include "app/programdir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString withSlash(const QString &dir) {
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

bool isWritableDir(const QString &dir) {
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isWritable())
        return false;
    // Permissions alone do not tell about read-only mounts: try a file.
    QFile probe(withSlash(dir) + QStringLiteral(".quilmead-write-test"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

void copyMissingDataFiles(const QString &from, const QString &to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        // Data files only: the program and its modules stay where they are.
        const QFileInfo info(path);
        if (info.isExecutable() || info.suffix() == QLatin1String("so") ||
            info.fileName().contains(QLatin1String(".so.")))
            continue;
        const QString target = withSlash(to) + source.relativeFilePath(path);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
    }
}

QString installedDataDir(const QString &executableDir) {
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/quilmead"));
}

QString resolveProgramDir(const QString &executableDir, const QString &userDataDir) {
    // An installed copy keeps its data in ../share/quilmead and none beside
    // the executable: even where the user may write into the executable's
    // folder (an install under the home folder, or root), the data files are
    // not there, so the per-user folder is the program folder.
    const QString shared = installedDataDir(executableDir);
    const bool installed =
        QFileInfo::exists(shared + QStringLiteral("/TIPS.TXT")) &&
        !QFileInfo::exists(withSlash(executableDir) + QStringLiteral("TIPS.TXT"));
    if (!installed && isWritableDir(executableDir))
        return withSlash(QDir::cleanPath(executableDir));
    QDir().mkpath(userDataDir);
    copyMissingDataFiles(installed ? shared : executableDir, userDataDir);
    return withSlash(QDir::cleanPath(userDataDir));
}

QString resolveModuleDir(const QString &executableDir, const QString &moduleFileName) {
    if (QFileInfo::exists(withSlash(executableDir) + moduleFileName))
        return withSlash(QDir::cleanPath(executableDir));
    return withSlash(QDir::cleanPath(executableDir + QStringLiteral("/../lib/quilmead")));
}
