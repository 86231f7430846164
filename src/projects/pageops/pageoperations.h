#pragma once

#include "projects/projectpaths.h"
#include "projects/projecttree.h"

#include <QString>

class UserInteraction;

// The commands that act on one page entry of a project (or, for the
// description, on a project entry). A page that is open in a tab is refused
// with the open-file message. A step on the disk that fails is told to the
// user and leaves the tree as it was, so that every entry keeps naming a
// file that is there; no step ever replaces an existing file.
namespace PageOps {

// "Remove && &Delete Page...": after asking, deletes the page's file and its
// parking file, then its entry. True when the entry is gone.
bool deletePage(ProjectTree &tree, EntryRef page, const QString &programDir,
                const IsFileOpen &isOpen, UserInteraction &ui);

// "Remove file from project...": after asking, removes the entry and leaves
// the file alone. True when the entry is gone.
bool removeFromProject(ProjectTree &tree, EntryRef page, const QString &programDir,
                       const IsFileOpen &isOpen, UserInteraction &ui);

// "&Edit Page Description..." and "&Edit Project Description...": asks for
// the new description, which may not hold a dash. A project entry changes
// in place; a page entry takes its sorted place again. Returns the entry
// that carries the new description; none when nothing changed (and always
// for the project settings entry).
EntryRef changeDescription(ProjectTree &tree, EntryRef entry, UserInteraction &ui);

// A page whose file moved or was copied: where from, where to, and the
// entry it has now.
struct Relocation {
    bool done = false;
    QString from;
    QString to;
    EntryRef entry;
};

// "&Rename File...": asks for the new file name and renames the file in its
// folder; the entry keeps its description and takes its sorted place again.
// Not for the project settings entry.
Relocation renamePage(ProjectTree &tree, EntryRef page, const QString &programDir,
                      const IsFileOpen &isOpen, UserInteraction &ui);

enum class Transfer { Copy, Move };

// "&Copy" and "&Move" of the Copy/Move dialog: the page goes to another
// project under its own file name, or is copied within its own project
// under a name the user gives. The new entry keeps the description. A page
// is never moved within its own project.
Relocation transferPage(ProjectTree &tree, EntryRef page, int targetProject, Transfer transfer,
                        const QString &programDir, const IsFileOpen &isOpen, UserInteraction &ui);

} // namespace PageOps
