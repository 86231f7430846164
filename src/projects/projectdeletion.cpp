#include "projects/projectdeletion.h"

#include "app/userinteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ProjectTexts {
QString closeProjectFiles() {
    return QStringLiteral("Close all project files before deleting project!");
}
QString removeEverything() {
    return QStringLiteral("Project contains documents, remove everything?");
}
QString removeEmptyProject() {
    return QStringLiteral("Remove empty project?");
}
QString errorRemovingFile(const QString &path) {
    return QStringLiteral("Error removing file ") + path +
           QStringLiteral(". Would you like to remove the project from the list anyway?");
}
QString errorRemovingProjectDirectory() {
    return QStringLiteral("Error removing project directory. Would you like to remove the "
                          "project from the list anyway?");
}
} // namespace ProjectTexts

namespace {

bool isPlainFileName(const QString &name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// Removes a file or a symbolic link (never what it points at), never a folder.
bool removeFile(const QString &path) {
    const QFileInfo info(path);
    if (!info.isSymLink() && (!info.exists() || info.isDir()))
        return false;
    return QFile::remove(path);
}

} // namespace

ProjectDeletionPlan planProjectDeletion(const ProjectTree &tree, int project,
                                        const QString &programDir) {
    ProjectDeletionPlan plan;
    if (!tree.contains({project, -1}))
        return plan;
    plan.project = project;
    plan.folder = projectDir(tree, {project, -1}, programDir);
    for (const QString &text : tree.pages(project)) {
        const QString name = entryName(text);
        plan.pages.append({plan.folder + QLatin1Char('/') + name, isPlainFileName(name)});
    }
    return plan;
}

ProjectDeletion deleteProject(ProjectTree &tree, int project, const QString &programDir,
                              const IsFileOpen &isOpen, UserInteraction &ui) {
    if (!tree.contains({project, -1}))
        return ProjectDeletion::Nothing;
    if (isAProjectFileOpen(tree, {project, -1}, programDir, isOpen)) {
        ui.message(ProjectTexts::closeProjectFiles(), Msg::Warning, Msg::Ok);
        return ProjectDeletion::FilesOpen;
    }
    const QString question = tree.pageCount(project) > 0 ? ProjectTexts::removeEverything()
                                                         : ProjectTexts::removeEmptyProject();
    if (ui.message(question, Msg::Warning, Msg::Ok | Msg::Cancel) != Msg::ResultOk)
        return ProjectDeletion::Cancelled;

    const ProjectDeletionPlan plan = planProjectDeletion(tree, project, programDir);
    // The first page is always the next one: each handled page leaves the
    // tree, and a page kept on the user's word ends the walk.
    for (const ProjectDeletionPlan::Page &page : plan.pages) {
        if (page.removable && removeFile(page.path)) {
            tree.removePage(project, 0);
            const QString parking = page.path + QLatin1Char('_');
            if (QFileInfo(parking).isFile() || QFileInfo(parking).isSymLink())
                QFile::remove(parking);
            continue;
        }
        if (ui.message(ProjectTexts::errorRemovingFile(page.path), Msg::Warning,
                       Msg::Yes | Msg::No) != Msg::ResultYes)
            break;
        tree.removePage(project, 0);
    }

    // A process working folder inside the project moves out first, as the
    // folder cannot be in use once it is gone.
    const QString folder = QDir::cleanPath(plan.folder);
    const QString current = QDir::cleanPath(QDir::currentPath());
    if (current == folder || current.startsWith(folder + QLatin1Char('/')))
        QDir::setCurrent(QFileInfo(folder).absolutePath());
    const QFileInfo info(folder);
    if (info.isDir() && !info.isSymLink() && QDir().rmdir(folder)) {
        tree.removeProject(project);
        return ProjectDeletion::Removed;
    }
    if (ui.message(ProjectTexts::errorRemovingProjectDirectory(), Msg::Warning,
                   Msg::Yes | Msg::No) == Msg::ResultYes) {
        tree.removeProject(project);
        return ProjectDeletion::Removed;
    }
    return ProjectDeletion::Kept;
}
