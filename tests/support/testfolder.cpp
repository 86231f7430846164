#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

TestFolder::TestFolder() : m_dir(QDir::tempPath() + QStringLiteral("/quilmead-test-XXXXXX")) {}

QString TestFolder::path() const {
    return m_dir.path() + QLatin1Char('/');
}

QString TestFolder::write(const QString &name, const QByteArray &bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray TestFolder::read(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestFolder::linkToDevice(const QString &linkPath, const QString &device) {
    QString target = QStringLiteral("/dev/") + device;
    if (geteuid() == 0) {
        const unsigned minor = device == QLatin1String("null") ? 3 : 5;
        const QString node = QFileInfo(linkPath).absolutePath() + QStringLiteral("/.device-") + device;
        if (!QFileInfo::exists(node) &&
            mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
            return false;
        target = node;
    }
    return QFile::link(target, linkPath);
}
