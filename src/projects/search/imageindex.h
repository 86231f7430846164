#pragma once

#include <QString>
#include <QStringList>

// The page "images.htm" in the program folder, which lists pictures with
// their locations, and the lines one run adds to it.
namespace ImageIndex {

// The page: the program folder (with its trailing "/") and "images.htm".
QString pagePath(const QString &programDir);

// Creates the page with its heading line (ended by CR LF) unless something
// is already there. Returns false, with the reason in `error`, when it
// cannot be written.
bool ensurePage(const QString &path, QString *error);

// The masks of a filter text such as "*.gif;*.jpg"; an empty text stands for
// every file.
QStringList masksOf(const QString &filter);

// The names of the files in `folder` that match the filter, in name order
// (letter case ignored for both).
QStringList listFiles(const QString &folder, const QString &filter);

// A folder as it stands before a file name: with a trailing "/" (the root
// "/" already has one).
QString folderPrefix(const QString &folder);

// What one run inserts for the files of a folder: two lines per file, each
// ended by CR, then one CR more. Characters that mean something in HTML are
// written as entities, so that any file name gives a working page.
QString indexText(const QString &folder, const QStringList &files);

} // namespace ImageIndex
