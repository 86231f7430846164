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

QString resolveProgramDir(const QString &executableDir, const QString &userDataDir) {
    if (isWritableDir(executableDir))
        return withSlash(QDir::cleanPath(executableDir));
    QDir().mkpath(userDataDir);
    // An installed copy keeps its data either beside the executable or in
    // ../share/quilmead.
    const QString shared = QDir::cleanPath(executableDir + QStringLiteral("/../share/quilmead"));
    const QString dataSource =
        QFileInfo::exists(shared + QStringLiteral("/TIPS.TXT")) ? shared : executableDir;
    copyMissingDataFiles(dataSource, userDataDir);
    return withSlash(QDir::cleanPath(userDataDir));
}
