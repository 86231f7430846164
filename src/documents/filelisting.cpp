#include "documents/filelisting.h"

#include <QDir>

void listMatchingFiles(const QString &folder, const QString &extension, QStringList &list) {
    if (extension.isEmpty())
        return;
    const QDir dir(folder);
    const QString suffix = QLatin1Char('.') + extension;
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (name.endsWith(suffix, Qt::CaseInsensitive) && !list.contains(name))
            list << name;
    }
}

void listFilesOfExtensions(const QString &folder, const QString &extensions, QStringList &list) {
    for (const QString &extension : extensions.split(QLatin1Char(','))) {
        if (extension.isEmpty())
            break;
        listMatchingFiles(folder, extension, list);
    }
}
