#pragma once

#include <QString>
#include <QStringList>

// Fillers for the drop-down lists of image and link names.

// Adds to `list` the name (without folder) of every file in `folder` whose
// name ends in "." + extension (letter case ignored), in name order, skipping
// names already in the list.
void listMatchingFiles(const QString &folder, const QString &extension, QStringList &list);

// Calls listMatchingFiles for each comma-separated entry of `extensions`, in
// order, stopping at the first empty entry.
void listFilesOfExtensions(const QString &folder, const QString &extensions, QStringList &list);

// The same with the graphic extensions or the document extensions of the
// settings.
inline void listGraphicFiles(const QString &folder, const QString &graphicExtension,
                             QStringList &list) {
    listFilesOfExtensions(folder, graphicExtension, list);
}
inline void listDocumentFiles(const QString &folder, const QString &extension, QStringList &list) {
    listFilesOfExtensions(folder, extension, list);
}
