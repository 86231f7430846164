#include "tags/toolpages/imagefolders.h"
#include "app/regularfile.h"
#include "documents/filelisting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace ImageFolders {

namespace {

QString withSeparator(QString folder) {
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString defaultType() {
    return QStringLiteral("Default");
}

QString imageRoot(const QString &programDir, const QString &sharedDir, bool useShared) {
    return useShared ? sharedDir : programDir;
}

QStringList typeNames(const QString &root, bool *ok) {
    QStringList names{defaultType()};
    const QDir dir(withSeparator(root));
    const bool readable = !root.isEmpty() && dir.exists() && dir.isReadable();
    if (ok)
        *ok = readable;
    if (readable)
        names += dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    return names;
}

QString pictureFolder(const QString &type, const QString &root, const QString &pageDir) {
    if (type.isEmpty() || type == defaultType())
        return withSeparator(pageDir);
    return withSeparator(withSeparator(root) + type);
}

QStringList pictureNames(const QString &folder, const QString &graphicExtensions) {
    QStringList names;
    if (folder.isEmpty())
        return names;
    listGraphicFiles(folder, graphicExtensions, names);
    names.sort(Qt::CaseInsensitive);
    return names;
}

QSize pictureSize(const QString &path) {
    QFile file;
    if (!RegularFile::open(file, path).ok())
        return QSize();
    QImageReader reader(&file);
    if (!reader.canRead())
        return QSize();
    // Most formats tell the size from their header; the others are read.
    const QSize told = reader.size();
    if (told.isValid() && !told.isEmpty())
        return told;
    QImage image;
    if (!reader.read(&image))
        return QSize();
    return image.size();
}

} // namespace ImageFolders
