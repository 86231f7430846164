#include "projects/area/projecttreecommands.h"

#include "app/scopeguards.h"
#include "app/shell.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "documents/openfilter.h"
#include "editor/tledit.h"
#include "projects/evaluation/ui/sitecheckdialog.h"
#include "projects/projectcreation.h"
#include "projects/projectdeletion.h"
#include "projects/projectpaths.h"
#include "projects/projectsettings.h"
#include "projects/ui/crtprjform.h"
#include "projects/ui/projecttreeview.h"
#include "settings/settings.h"

#include <QTreeWidget>

ProjectTreeCommands::ProjectTreeCommands(Shell &shell, ActiveDocument &document,
                                         ProjectTreeView &view, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_view(view) {}

ProjectTreeCommands::~ProjectTreeCommands() {
    // The check's window calls back into this object.
    delete m_siteCheck;
}

IsFileOpen ProjectTreeCommands::isFileOpen() const {
    ActiveDocument *document = &m_document;
    return [document](const QString &path) { return document->isFileNameOpen(path); };
}

// --- Projects --------------------------------------------------------------------------

void ProjectTreeCommands::newProject() {
    const QString programDir = m_shell.programDir();
    CrtPrjForm form(m_shell.ui(), programDir, themeNames(programDir), m_shell.dialogParent());
    FileRequest browse;
    browse.caption = QStringLiteral("Open");
    browse.folder = programDir;
    const Settings &s = m_shell.settings();
    browse.filter = buildOpenFilter(s.extension, s.graphicExtension);
    form.setBrowseRequest(browse);
    form.startNew(m_view.tree());
    if (form.exec() == QDialog::Accepted)
        m_view.select(form.creation().settingsEntry);
    m_shell.updateMenuStates();
}

void ProjectTreeCommands::deleteProject() {
    const EntryRef selected = m_view.selectedEntry();
    if (!selected.isProject() || !m_view.tree().contains(selected))
        return;
    ::deleteProject(m_view.tree(), selected.project, m_shell.programDir(), isFileOpen(),
                    m_shell.ui());
    m_shell.updateMenuStates();
}

// --- Opening from the tree -------------------------------------------------------------

void ProjectTreeCommands::viewPage() {
    if (isEntryFileOpen(m_view.tree(), m_view.selectedEntry(), m_shell.programDir(), isFileOpen(),
                        &m_shell.ui()))
        return;
    loadProjectPage();
}

void ProjectTreeCommands::loadProjectPage() {
    const TreeOpenRequest request =
        treeOpenRequest(m_view.tree(), m_view.selectedEntry(), m_shell.programDir());
    switch (request.kind) {
    case TreeOpenRequest::Kind::Nothing:
        break;
    case TreeOpenRequest::Kind::EditSettings:
        editSettings(request.projectDir);
        break;
    case TreeOpenRequest::Kind::OpenDocument:
        openDocument(request.path);
        break;
    }
}

void ProjectTreeCommands::openPageFile() {
    const EntryRef selected = m_view.selectedEntry();
    if (selected.isPage())
        openDocument(entryFilePath(m_view.tree(), selected, m_shell.programDir()));
}

void ProjectTreeCommands::editSettings(const QString &projectDir) {
    const EntryRef selected = m_view.selectedEntry();
    ProjectSettings settings;
    QString error;
    bool read = false;
    {
        WaitCursor wait;
        read = readProjectSettings(projectDir, settings, &error);
    }
    // Confirming defaults over a file that could not be read would lose it.
    if (!read) {
        m_shell.ui().message(error, Msg::Warning, Msg::Ok);
        return;
    }
    const QString programDir = m_shell.programDir();
    CrtPrjForm form(m_shell.ui(), programDir, themeNames(programDir), m_shell.dialogParent());
    form.startModify(projectDir, entryDescription(m_view.tree().projectText(selected.project)),
                     settings);
    form.exec();
    m_shell.updateMenuStates();
}

bool ProjectTreeCommands::openDocument(const QString &path) {
    if (path.isEmpty())
        return false;
    QTreeWidget *tree = m_view.widget();
    tree->setEnabled(false);
    const bool opened = m_document.loadFile(path, true);
    tree->setEnabled(true);
    if (opened)
        m_document.editor().setFocus(Qt::OtherFocusReason);
    return opened;
}

// --- The references of a whole project -------------------------------------------------

void ProjectTreeCommands::checkReferences() {
    const ProjectTree &tree = m_view.tree();
    const EntryRef selected = m_view.selectedEntry();
    if (!tree.contains(selected))
        return;
    QStringList pages;
    for (const QString &page : tree.pages(selected.project))
        pages.append(entryName(page));
    // One check at a time: a running one is brought to the front instead.
    if (m_siteCheck && m_siteCheck->isRunning()) {
        m_siteCheck->raise();
        m_siteCheck->activateWindow();
        return;
    }
    delete m_siteCheck;
    auto *dialog = new SiteCheckDialog(
        projectDir(tree, selected, m_shell.programDir()), pages,
        [this](const QString &path, int line) { openPageAt(path, line); }, m_shell.dialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_siteCheck = dialog;
    dialog->show();
    dialog->run();
}

void ProjectTreeCommands::openPageAt(const QString &path, int line) {
    if (!m_document.loadFile(path, true))
        return;
    TLEdit &editor = m_document.editor();
    editor.startLine = editor.endLine = qBound(1, line, qMax(1, editor.lineCount()));
    editor.startPos = editor.endPos = 0;
    editor.applySelection();
    m_shell.setStatusText(Shell::CaretPanel, QStringLiteral("%1:%2").arg(editor.endLine).arg(0));
    editor.window()->activateWindow();
    editor.setFocus(Qt::OtherFocusReason);
}
