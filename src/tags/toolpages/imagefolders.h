#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Where the Images page finds its pictures. The image root is the program
// folder, or the shared graphics folder when the user chose it; each of its
// sub-folders is a type of images. The type "Default" stands for the page's
// own folder.
namespace ImageFolders {

QString defaultType(); // "Default"

// The folder that holds the types: `sharedDir` when `useShared`, else
// `programDir`.
QString imageRoot(const QString &programDir, const QString &sharedDir, bool useShared);

// "Default", then the names of the root's sub-folders in name order (letter
// case ignored, hidden ones left out). `ok` is false when the root cannot be
// listed; the result is then "Default" alone.
QStringList typeNames(const QString &root, bool *ok = nullptr);

// The folder a type's pictures are taken from, ending in "/": the page's
// folder for "Default" (or no type), else the root joined with the type.
// A "\" in the shared folder's setting counts as a separator.
QString pictureFolder(const QString &type, const QString &root, const QString &pageDir);

// The pictures of a folder: every file whose name ends in one of the
// comma-separated `graphicExtensions`, each once, in name order (letter case
// ignored).
QStringList pictureNames(const QString &folder, const QString &graphicExtensions);

// The pixel size of a picture; invalid when the file cannot be opened as a
// picture (missing, not a regular file, damaged, of no known format).
QSize pictureSize(const QString &path);

} // namespace ImageFolders
