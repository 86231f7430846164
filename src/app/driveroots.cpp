#include "app/driveroots.h"

#include <QDir>
#include <QStorageInfo>

QStringList driveRoots() {
    QStringList roots{QStringLiteral("/"), QDir::homePath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(root) &&
            !root.startsWith(QStringLiteral("/proc")) && !root.startsWith(QStringLiteral("/sys")) &&
            !root.startsWith(QStringLiteral("/dev")) && !root.startsWith(QStringLiteral("/run")))
            roots << root;
    }
    return roots;
}
