#include "projects/pageops/pageoperations.h"

#include "app/userinteraction.h"
#include "projects/pageops/newpage.h"
#include "projects/pageops/pagefiles.h"
#include "projects/pageops/pagetexts.h"

namespace PageOps {

namespace {

bool isSettingsEntry(const ProjectTree &tree, EntryRef entry) {
    return entry.isPage() &&
           entryName(tree.pageText(entry.project, entry.page)) == settingsFileName();
}

// A page entry that a command may work on: present and not open.
bool usablePage(const ProjectTree &tree, EntryRef page, const QString &programDir,
                const IsFileOpen &isOpen, UserInteraction &ui) {
    return page.isPage() && tree.contains(page) &&
           !isEntryFileOpen(tree, page, programDir, isOpen, &ui);
}

// The entry of a file that has just arrived in a project: an entry left
// over for that file name serves again, so a file is never listed twice.
EntryRef addOrFind(ProjectTree &tree, int project, const QString &description,
                   const QString &fileName) {
    int index = pageIndexOf(tree, project, fileName);
    if (index < 0)
        index = tree.addPage(project, makeEntryText(description, fileName));
    return {project, index};
}

QString folderOf(const ProjectTree &tree, int project, const QString &programDir) {
    return projectDir(tree, {project, -1}, programDir);
}

} // namespace

bool deletePage(ProjectTree &tree, EntryRef page, const QString &programDir,
                const IsFileOpen &isOpen, UserInteraction &ui) {
    if (!usablePage(tree, page, programDir, isOpen, ui))
        return false;
    if (ui.message(PageTexts::deleteSelectedFile(), Msg::Warning, Msg::Ok | Msg::Cancel) !=
        Msg::ResultOk)
        return false;
    const QString name = entryName(tree.pageText(page.project, page.page));
    const QString path = folderOf(tree, page.project, programDir) + QLatin1Char('/') + name;
    QString error;
    if (!PageFiles::isPlainFileName(name))
        error = QStringLiteral("%1 is not a file of the project folder.").arg(name);
    else if (PageFiles::removeFile(path, &error))
        PageFiles::removeFile(path + QLatin1Char('_'));
    if (!error.isEmpty()) {
        ui.message(PageTexts::deleteFailed(error), Msg::Warning, Msg::Ok);
        return false;
    }
    tree.removePage(page.project, page.page);
    return true;
}

bool removeFromProject(ProjectTree &tree, EntryRef page, const QString &programDir,
                       const IsFileOpen &isOpen, UserInteraction &ui) {
    if (!usablePage(tree, page, programDir, isOpen, ui))
        return false;
    if (ui.message(PageTexts::removeFromProject(), Msg::Warning, Msg::Ok | Msg::Cancel) !=
        Msg::ResultOk)
        return false;
    tree.removePage(page.project, page.page);
    return true;
}

EntryRef changeDescription(ProjectTree &tree, EntryRef entry, UserInteraction &ui) {
    if (!tree.contains(entry) || isSettingsEntry(tree, entry))
        return {};
    const QString text = tree.text(entry);
    const QString name = entryName(text);
    QString description = entryDescription(text);
    if (!ui.inputBox(PageTexts::descriptionCaption(), PageTexts::descriptionPrompt(name),
                     description))
        return {};
    description = description.trimmed();
    if (hasDash(description)) {
        ui.message(PageTexts::dashInDescription(), Msg::Warning, Msg::Ok);
        return {};
    }
    const QString changed = makeEntryText(description, name);
    if (entry.isProject()) {
        tree.setText(entry, changed);
        return entry;
    }
    tree.removePage(entry.project, entry.page);
    return {entry.project, tree.addPage(entry.project, changed)};
}

Relocation renamePage(ProjectTree &tree, EntryRef page, const QString &programDir,
                      const IsFileOpen &isOpen, UserInteraction &ui) {
    Relocation result;
    if (!page.isPage() || !tree.contains(page) || isSettingsEntry(tree, page) ||
        !usablePage(tree, page, programDir, isOpen, ui))
        return result;
    const QString text = tree.pageText(page.project, page.page);
    const QString oldName = entryName(text);
    QString newName = oldName;
    if (!ui.inputBox(PageTexts::renameCaption(), PageTexts::renamePrompt(oldName), newName))
        return result;
    newName = newName.trimmed();
    if (newName == oldName)
        return result;
    const QString folder = folderOf(tree, page.project, programDir);
    const QString from = folder + QLatin1Char('/') + oldName;
    const QString to = folder + QLatin1Char('/') + newName;
    if (!PageFiles::isPlainFileName(oldName) || !PageFiles::isPlainFileName(newName) ||
        !PageFiles::moveFile(from, to)) {
        ui.message(PageTexts::cannotRename(), Msg::Information, Msg::Ok);
        return result;
    }
    tree.removePage(page.project, page.page);
    return {true, from, to, addOrFind(tree, page.project, entryDescription(text), newName)};
}

Relocation transferPage(ProjectTree &tree, EntryRef page, int targetProject, Transfer transfer,
                        const QString &programDir, const IsFileOpen &isOpen, UserInteraction &ui) {
    Relocation result;
    if (!usablePage(tree, page, programDir, isOpen, ui) || !tree.contains({targetProject, -1}))
        return result;
    const bool ownProject = targetProject == page.project;
    if (ownProject && transfer == Transfer::Move)
        return result;
    const QString text = tree.pageText(page.project, page.page);
    const QString name = entryName(text);
    QString targetName = name;
    if (ownProject) {
        targetName.clear();
        if (!ui.inputBox(PageTexts::newNameCaption(), PageTexts::newNamePrompt(), targetName))
            return result;
        targetName = targetName.trimmed();
        if (targetName.isEmpty()) {
            ui.message(PageTexts::requiredFieldMissing(), Msg::Information, Msg::Ok);
            return result;
        }
    }
    if (!PageFiles::isPlainFileName(name) || !PageFiles::isPlainFileName(targetName)) {
        ui.message(PageTexts::nameRefusal(), Msg::Warning, Msg::Ok);
        return result;
    }
    const QString from = folderOf(tree, page.project, programDir) + QLatin1Char('/') + name;
    const QString to = folderOf(tree, targetProject, programDir) + QLatin1Char('/') + targetName;
    if (PageFiles::occupied(to)) {
        ui.message(PageTexts::pageExists(), Msg::Information, Msg::Ok);
        return result;
    }
    QString error;
    if (transfer == Transfer::Copy ? !PageFiles::copyFile(from, to, &error)
                                   : !PageFiles::moveFile(from, to, &error)) {
        ui.message(transfer == Transfer::Copy ? PageTexts::copyFailed(error)
                                              : PageTexts::moveFailed(error),
                   Msg::Warning, Msg::Ok);
        return result;
    }
    if (transfer == Transfer::Move)
        tree.removePage(page.project, page.page);
    return {true, from, to, addOrFind(tree, targetProject, entryDescription(text), targetName)};
}

} // namespace PageOps
