#pragma once

#include "projects/projectpaths.h"
#include "projects/projecttree.h"

#include <QString>
#include <QVector>

class UserInteraction;

// What deleting a project would remove: each listed page's file, then the
// project folder once it is empty. A page whose name is not a plain file
// name (a path, "." or "..") is never removed: removing it counts as failed.
struct ProjectDeletionPlan {
    struct Page {
        QString path; // project folder + "/" + name
        bool removable = false;
    };
    int project = -1;
    QString folder;
    QVector<Page> pages; // in tree order
};

ProjectDeletionPlan planProjectDeletion(const ProjectTree &tree, int project,
                                        const QString &programDir);

enum class ProjectDeletion {
    Nothing,   // no such project
    FilesOpen, // a page of the project is open; nothing was done
    Cancelled, // the user said no
    Removed,   // the project entry is gone
    Kept,      // something could not be removed; the project entry stays
};

// Deletes a project after asking: each listed file in turn (and its parking
// file), removing its entry; then the folder, if it is empty, and the
// project entry. A file that cannot be removed asks whether to drop its entry
// anyway and, on No, stops there, leaving the rest of the files and entries
// as they were. Never removes anything but the listed files, their parking
// files and the empty folder; symbolic links are removed, never followed.
ProjectDeletion deleteProject(ProjectTree &tree, int project, const QString &programDir,
                              const IsFileOpen &isOpen, UserInteraction &ui);

namespace ProjectTexts {
QString closeProjectFiles();  // "Close all project files before deleting project!"
QString removeEverything();   // "Project contains documents, remove everything?"
QString removeEmptyProject(); // "Remove empty project?"
QString errorRemovingFile(const QString &path);
QString errorRemovingProjectDirectory();
} // namespace ProjectTexts
