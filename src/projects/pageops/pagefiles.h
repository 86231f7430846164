#pragma once

#include <QByteArray>
#include <QString>

// The file steps of the page operations. None of them ever replaces
// anything already at its target: a target that is taken is a failure. Every
// file is written through a temporary file beside it and a rename, so a
// failed step leaves no part of a file behind.
namespace PageFiles {

// Whether `name` can be the file of a page, which always lies directly in
// its project's folder: not empty, not "." or "..", no "/" and no "\".
bool isPlainFileName(const QString &name);

// Whether anything is at `path`: a file, a folder, a link (even one that
// leads nowhere) or anything else.
bool occupied(const QString &path);

// Creates a file holding `bytes` where nothing is yet.
bool createFile(const QString &target, const QByteArray &bytes, QString *error = nullptr);

// Copies a regular file (or the file a link leads to) to `target`, where
// nothing may be yet.
bool copyFile(const QString &source, const QString &target, QString *error = nullptr);

// Moves a file to `target`, where nothing may be yet: renamed in one step
// where both lie on one file system, else copied and the source removed. A
// copy whose source cannot be removed is taken back, so the file is in one
// place only, and that place is known.
bool moveFile(const QString &source, const QString &target, QString *error = nullptr);

// Removes a file, or a link (never what it leads to); never a folder. True
// when nothing is at the path afterwards.
bool removeFile(const QString &path, QString *error = nullptr);

} // namespace PageFiles
