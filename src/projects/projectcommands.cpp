#include "projects/projectcommands.h"

#include "app/userinteraction.h"
#include "projects/projectsettings.h"

#include <QFileInfo>

ProjectMenuEnabling checkProjectMenu(const ProjectMenuState &state) {
    ProjectMenuEnabling e;
    if (!state.treeHasEntries)
        return e;
    e.pages = true;
    e.deleteProject = e.editProject = state.selectedLevel == 1;
    return e;
}

PageMenuEnabling checkPageMenu(const ProjectMenuState &state) {
    PageMenuEnabling e;
    const bool project = state.selectedLevel == 1;
    const bool page = state.selectedLevel == 2;
    e.viewPage = page;
    e.addPage = e.importPage = project || page;
    e.deletePage = e.copyMovePage = e.removeFromProject = page;
    // The settings entry keeps its name and description.
    e.changeDescription = e.renameFile = page && !state.settingsEntry;
    if (page && !state.selectedFileOpen) {
        e.send = true;
        e.sendCaption = QStringLiteral("Send to ") + state.sendTarget;
    } else if (project) {
        e.send = true;
        e.sendCaption = QStringLiteral("Send entire site to ") + state.sendTarget;
    }
    e.editProject = e.deleteProject = e.findOrphans = project;
    return e;
}

ProjectMenuState projectMenuState(const ProjectTree &tree, EntryRef selected,
                                  const QString &programDir, const IsFileOpen &isOpen,
                                  const SendTargetOf &sendTargetOf) {
    ProjectMenuState state;
    state.treeHasEntries = !tree.isEmpty();
    if (!tree.contains(selected))
        return state;
    state.selectedLevel = selected.level();
    state.selectedFileOpen = isEntryFileOpen(tree, selected, programDir, isOpen);
    state.settingsEntry = selected.isPage() && entryName(tree.text(selected)) == settingsFileName();
    if (selected.isProject() || !state.selectedFileOpen) {
        const QString dir = projectDir(tree, selected, programDir);
        state.sendTarget = sendTargetOf ? sendTargetOf(dir) : sendTarget(readProjectSettings(dir));
    }
    return state;
}

TreeKeyAction treeKeyAction(int qtKey, const ProjectMenuState &state) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TreeKeyAction::Open;
    case Qt::Key_Delete:
        if (checkProjectMenu(state).deleteProject)
            return TreeKeyAction::DeleteProject;
        if (checkPageMenu(state).deletePage)
            return TreeKeyAction::DeletePage;
        return TreeKeyAction::None;
    case Qt::Key_F3:
        return state.selectedLevel == 2 ? TreeKeyAction::OpenDocument : TreeKeyAction::None;
    default:
        return TreeKeyAction::None;
    }
}

TreeOpenRequest treeOpenRequest(const ProjectTree &tree, EntryRef entry,
                                const QString &programDir) {
    TreeOpenRequest request;
    if (!entry.isPage() || !tree.contains(entry))
        return request;
    request.path = entryFilePath(tree, entry, programDir);
    request.projectDir = projectDir(tree, entry, programDir);
    request.kind = QFileInfo(request.path).fileName() == settingsFileName()
                       ? TreeOpenRequest::Kind::EditSettings
                       : TreeOpenRequest::Kind::OpenDocument;
    return request;
}

bool isPreviewImage(const QString &fileName) {
    const QString upper = fileName.toUpper();
    return upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".GIF")) ||
           upper.contains(QLatin1String(".BMP"));
}

bool fileListMayOpen(const QString &path, const IsFileOpen &isOpen, UserInteraction &ui) {
    if (path.isEmpty() || isPreviewImage(QFileInfo(path).fileName()))
        return false;
    if (isOpen && isOpen(path)) {
        ui.message(openFileRefusal(), Msg::Information, Msg::Ok);
        return false;
    }
    return true;
}
