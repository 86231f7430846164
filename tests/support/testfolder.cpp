#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
