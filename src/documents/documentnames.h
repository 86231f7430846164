#pragma once

#include <QString>

// Names and paths of the files that belong to an open document.
namespace DocumentNames {

// The parking file: the document's full path with one "_" appended. It holds
// the text of a document whose tab is not on screen and is deleted when the
// document closes.
QString parkingFile(const QString &document);

// "quilview.htm" in a folder (given with a trailing "/"): the copy of the
// text that frame previews and external browsers load.
QString previewFile(const QString &folder);

// The folder of a path, with a trailing "/".
QString folderOf(const QString &path);

// Whether two paths name the same file: the same text, or the same file
// reached through links or "..". A file that does not exist (yet) is known by
// its folder, resolved, and its name.
bool sameFile(const QString &a, const QString &b);

// The file name part of a path (no folder).
QString fileNameOf(const QString &path);

// The working directory for a document folder given with a trailing "/":
// the folder without it, except for the root "/".
QString workingDirectory(const QString &folder);

// Whether New's own page is meant: such a path may be opened before the file
// exists.
bool isNewPagePath(const QString &path);

// Whether saving to this path overwrites New's own page ("newpage.htm" in
// any letter case).
bool isDefaultPage(const QString &path);

// Save As stores pages under lower-case names so that links written on
// case-insensitive systems keep working: the file name is lower-cased, the
// folders are left as they are.
QString saveAsPath(const QString &chosen);

// Whether a file name names a picture the Open dialog shows on its own:
// ".JPG", ".GIF" or ".BMP" anywhere in it, in any letter case.
bool namesImage(const QString &name);

// A page that shows only the picture `name`.
QString imagePage(const QString &name);

// The file name of a project tree entry "description - file": the text after
// the first "-" and the blank that follows it.
QString entryFileName(const QString &entryText);

} // namespace DocumentNames
