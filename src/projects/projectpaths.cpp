#include "projects/projectpaths.h"

#include "app/userinteraction.h"

#include <QDir>

QString resolveProjectDir(const QString &programDir, const QString &name) {
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QDir::isAbsolutePath(path)) {
        QString base = programDir;
        if (!base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
        path = base + path;
    }
    return QDir::cleanPath(path);
}

QString projectDir(const ProjectTree &tree, EntryRef entry, const QString &programDir) {
    if (!tree.contains(entry))
        return QString();
    return resolveProjectDir(programDir, entryName(tree.projectText(entry.project)));
}

QString entryFilePath(const ProjectTree &tree, EntryRef entry, const QString &programDir) {
    if (!entry.isPage() || !tree.contains(entry))
        return QString();
    QString name = entryName(tree.pageText(entry.project, entry.page));
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return projectDir(tree, entry, programDir) + QLatin1Char('/') + name;
}

QString openFileRefusal() {
    return QStringLiteral("Selected operation may not be performed on an open file.  Please "
                          "close the file and try again.");
}

bool isEntryFileOpen(const ProjectTree &tree, EntryRef entry, const QString &programDir,
                     const IsFileOpen &isOpen, UserInteraction *ui) {
    const QString path = entryFilePath(tree, entry, programDir);
    if (path.isEmpty() || !isOpen || !isOpen(path))
        return false;
    if (ui)
        ui->message(openFileRefusal(), Msg::Information, Msg::Ok);
    return true;
}

bool isAProjectFileOpen(const ProjectTree &tree, EntryRef entry, const QString &programDir,
                        const IsFileOpen &isOpen) {
    if (!entry.isProject() || !tree.contains(entry))
        return false;
    for (int i = 0; i < tree.pageCount(entry.project); ++i) {
        if (isEntryFileOpen(tree, {entry.project, i}, programDir, isOpen))
            return true;
    }
    return false;
}
