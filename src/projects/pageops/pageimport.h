#pragma once

#include "projects/projecttree.h"

#include <QString>
#include <QStringList>

class UserInteraction;

// Import brings an existing page into a project: the page is copied into
// the project folder under its name in lower case (a page that already lies
// there stays where it is, under its own name), gets an entry, and the
// pictures it refers to that are not beside it yet are copied from the
// folder it came from.

// Imports one chosen file into `project`: asks for its description (Cancel
// skips the file), copies the page and its missing pictures (never over an
// existing file) and adds its entry, unless the project lists that file
// already. Returns the page's entry; none when the file was skipped or
// could not be imported (the user was told why).
EntryRef importPage(ProjectTree &tree, int project, const QString &programDir,
                    const QString &chosen, UserInteraction &ui);

// The description of an imported page: the one given, or else the first 25
// characters of the page's title, or else "New Page"; dashes become blanks.
QString importDescription(const QString &given, const QString &pageText);

// Copies the pictures named by `references` (as written in a page) from
// `sourceFolder` to the same places below `projectFolder`, making folders as
// needed; a file already there stays. Web addresses are not copied. Returns
// false when a picture could not be found in the source folder, or would
// lie outside the project folder.
bool copyMissingImages(const QStringList &references, const QString &sourceFolder,
                       const QString &projectFolder);
