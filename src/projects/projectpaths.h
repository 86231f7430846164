#pragma once

#include "projects/projecttree.h"

#include <QString>
#include <functional>

class UserInteraction;

// Whether a document with exactly this path is open in a tab.
using IsFileOpen = std::function<bool(const QString &path)>;

// The folder of a project named `name` (the name part of its entry): the name
// itself when it is an absolute path, else the name under the program folder.
// A "\" in the name counts as a separator. No trailing "/".
QString resolveProjectDir(const QString &programDir, const QString &name);

// The folder of the project an entry belongs to (the entry itself or the
// project of a page); empty for no entry.
QString projectDir(const ProjectTree &tree, EntryRef entry, const QString &programDir);

// The file of a page entry: its project's folder + "/" + its name. Empty for a
// project entry or no entry.
QString entryFilePath(const ProjectTree &tree, EntryRef entry, const QString &programDir);

// "Selected operation may not be performed on an open file.  Please close the
// file and try again."
QString openFileRefusal();

// Whether the file of a page entry is open. With `ui`, an open file is also
// reported (Information, OK).
bool isEntryFileOpen(const ProjectTree &tree, EntryRef entry, const QString &programDir,
                     const IsFileOpen &isOpen, UserInteraction *ui = nullptr);

// Whether any page of a project entry is open; false for a page entry.
bool isAProjectFileOpen(const ProjectTree &tree, EntryRef entry, const QString &programDir,
                        const IsFileOpen &isOpen);
