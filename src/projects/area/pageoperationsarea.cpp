#include "projects/area/pageoperationsarea.h"

#include "app/scopeguards.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "documents/opendocuments.h"
#include "documents/openfilter.h"
#include "editor/tledit.h"
#include "projects/pageops/linkupdate.h"
#include "projects/pageops/newpage.h"
#include "projects/pageops/orphansearch.h"
#include "projects/pageops/pageimport.h"
#include "projects/pageops/pageoperations.h"
#include "projects/pageops/pagetexts.h"
#include "projects/pageops/ui/copymoveform.h"
#include "projects/pageops/ui/crtpageform.h"
#include "projects/pageops/ui/extrafilesfrm.h"
#include "projects/ui/projecttreeview.h"
#include "settings/settings.h"

#include <QAction>
#include <QDir>
#include <QTreeWidget>

PageOperationsArea::PageOperationsArea(Shell &shell, ActiveDocument &document,
                                       OpenDocuments &openDocuments, ProjectTreeView &view,
                                       MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_open(openDocuments), m_view(view),
      m_a(actions) {
    wireMenus();
}

void PageOperationsArea::wireMenus() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.addPage, a.addPage1, a.importPage, a.importPage1, a.deletePage,
                           a.deletePage1, a.copyMovePage, a.copyMovePage1, a.changeDescription,
                           a.changeDescription1, a.editProject, a.renameFile, a.renamePage1,
                           a.removeFromProject, a.removeFileFromProject1, a.findProjectOrphans,
                           a.findOrphans});
    auto on = [this](std::initializer_list<QAction *> actions,
                     void (PageOperationsArea::*command)()) {
        for (QAction *x : actions)
            connect(x, &QAction::triggered, this, command);
    };
    on({a.addPage, a.addPage1}, &PageOperationsArea::addPage);
    on({a.importPage, a.importPage1}, &PageOperationsArea::importPage);
    on({a.deletePage, a.deletePage1}, &PageOperationsArea::deletePage);
    on({a.copyMovePage, a.copyMovePage1}, &PageOperationsArea::copyMovePage);
    on({a.changeDescription, a.changeDescription1, a.editProject},
       &PageOperationsArea::changeDescription);
    on({a.renameFile, a.renamePage1}, &PageOperationsArea::renameFile);
    on({a.removeFromProject, a.removeFileFromProject1}, &PageOperationsArea::removeFromProject);
    on({a.findProjectOrphans, a.findOrphans}, &PageOperationsArea::findOrphans);
}

IsFileOpen PageOperationsArea::isFileOpen() const {
    ActiveDocument *document = &m_document;
    return [document](const QString &path) { return document->isFileNameOpen(path); };
}

QStringList PageOperationsArea::pageFiles(int project) const {
    const ProjectTree &tree = m_view.tree();
    QStringList files;
    for (int i = 0; i < tree.pageCount(project); ++i) {
        const QString name = entryName(tree.pageText(project, i));
        if (name == settingsFileName())
            continue;
        const QString path = entryFilePath(tree, {project, i}, m_shell.programDir());
        if (!files.contains(path))
            files << path;
    }
    return files;
}

// --- New pages and import --------------------------------------------------------------

void PageOperationsArea::addPage() {
    ProjectTree &tree = m_view.tree();
    UserInteraction &ui = m_shell.ui();
    const int project = projectOfSelection(tree, m_view.selectedEntry());
    if (project < 0) {
        ui.message(PageTexts::highlightAProject(), Msg::Information, Msg::Ok);
        return;
    }
    m_shell.hideFullScreen();
    const QString programDir = m_shell.programDir();
    CrtPageForm form(
        ui, documentExtensions(m_shell.settings().extension),
        [programDir] { return templateNames(programDir); }, m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted)
        return;
    const NewPage page = createPage(tree, project, programDir, form.request(), ui);
    if (!page.created)
        return;
    m_view.select(page.entry);
    m_shell.updateMenuStates();
    if (!openNewPage(page.path))
        return;
    switch (page.step) {
    case NewPageStep::None:
        break;
    case NewPageStep::BasicTags:
        if (m_document.editor().lineCount() <= 1 && m_steps.insertBasicTags)
            m_steps.insertBasicTags();
        break;
    case NewPageStep::TemplateVedaGuy:
        if (m_steps.templateVedaGuy)
            m_steps.templateVedaGuy();
        break;
    case NewPageStep::FrameCreator:
        if (m_steps.frameCreator)
            m_steps.frameCreator();
        break;
    }
}

bool PageOperationsArea::openNewPage(const QString &path) {
    QTreeWidget *tree = m_view.widget();
    tree->setEnabled(false);
    const bool opened = m_document.loadFile(path, true);
    tree->setEnabled(true);
    if (opened)
        m_document.editor().setFocus(Qt::OtherFocusReason);
    return opened;
}

void PageOperationsArea::importPage() {
    ProjectTree &tree = m_view.tree();
    const int project = projectOfSelection(tree, m_view.selectedEntry());
    if (project < 0)
        return;
    const Settings &s = m_shell.settings();
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = QDir::currentPath();
    request.filter = buildOpenFilter(s.extension, s.graphicExtension);
    request.filterIndex = 1;
    for (const QString &chosen : m_shell.ui().openFiles(request)) {
        m_view.select({project, -1});
        const EntryRef entry =
            ::importPage(tree, project, m_shell.programDir(), chosen, m_shell.ui());
        if (entry.isValid())
            m_view.select(entry);
    }
    m_shell.updateMenuStates();
}

// --- One page --------------------------------------------------------------------------

void PageOperationsArea::deletePage() {
    PageOps::deletePage(m_view.tree(), m_view.selectedEntry(), m_shell.programDir(), isFileOpen(),
                        m_shell.ui());
    m_shell.updateMenuStates();
}

void PageOperationsArea::removeFromProject() {
    PageOps::removeFromProject(m_view.tree(), m_view.selectedEntry(), m_shell.programDir(),
                               isFileOpen(), m_shell.ui());
    m_shell.updateMenuStates();
}

void PageOperationsArea::changeDescription() {
    const EntryRef entry =
        PageOps::changeDescription(m_view.tree(), m_view.selectedEntry(), m_shell.ui());
    if (entry.isValid())
        m_view.select(entry);
    m_shell.updateMenuStates();
}

void PageOperationsArea::renameFile() {
    const PageOps::Relocation renamed = PageOps::renamePage(
        m_view.tree(), m_view.selectedEntry(), m_shell.programDir(), isFileOpen(), m_shell.ui());
    if (!renamed.done)
        return;
    m_view.select(renamed.entry);
    m_shell.updateMenuStates();
    offerLinkUpdate(renamed.from, renamed.to, pageFiles(renamed.entry.project));
}

void PageOperationsArea::copyMovePage() {
    ProjectTree &tree = m_view.tree();
    const EntryRef page = m_view.selectedEntry();
    const QString programDir = m_shell.programDir();
    if (!page.isPage() || !tree.contains(page) ||
        isEntryFileOpen(tree, page, programDir, isFileOpen(), &m_shell.ui()))
        return;
    QStringList projects;
    for (int i = 0; i < tree.projectCount(); ++i)
        projects << tree.projectText(i);
    const QString workingWith = entryName(tree.projectText(page.project)) + QLatin1Char('/') +
                                entryName(tree.pageText(page.project, page.page));
    CopyMoveForm form(workingWith, projects, page.project, m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted)
        return;
    const PageOps::Relocation moved = PageOps::transferPage(
        tree, page, form.chosenProject(), form.transfer(), programDir, isFileOpen(), m_shell.ui());
    if (!moved.done)
        return;
    m_view.select(moved.entry);
    m_shell.updateMenuStates();
    if (form.transfer() == PageOps::Transfer::Move)
        offerLinkUpdate(moved.from, moved.to, pageFiles(page.project));
}

void PageOperationsArea::offerLinkUpdate(const QString &from, const QString &to,
                                         const QStringList &pages) {
    LinkUpdate update(from, to);
    {
        WaitCursor wait;
        update.scan(pages, &m_open);
    }
    if (update.isEmpty())
        return;
    UserInteraction &ui = m_shell.ui();
    if (ui.message(update.question(), Msg::Confirmation, Msg::Yes | Msg::No) != Msg::ResultYes)
        return;
    QStringList failures;
    {
        WaitCursor wait;
        failures = update.apply(&m_open);
    }
    if (!failures.isEmpty())
        ui.message(QStringLiteral("The links in these pages could not be changed:\n") +
                       failures.join(QLatin1Char('\n')),
                   Msg::Warning, Msg::Ok);
    m_shell.updateMenuStates();
}

// --- Orphans ---------------------------------------------------------------------------

void PageOperationsArea::findOrphans() {
    const ProjectTree &tree = m_view.tree();
    const EntryRef selected = m_view.selectedEntry();
    if (!tree.contains(selected))
        return;
    const QString dir = projectDir(tree, selected, m_shell.programDir());
    QStringList inUse;
    QString own;
    if (selected.isPage()) {
        own = entryName(tree.pageText(selected.project, selected.page));
        inUse << own;
    } else {
        for (const QString &text : tree.pages(selected.project)) {
            const QString name = entryName(text);
            if (name != settingsFileName())
                inUse << name;
        }
    }
    OrphanSearch search(dir, inUse);
    const Settings &s = m_shell.settings();
    ExtraFilesFrm form(search, OrphanSearch::folderFiles(dir), own, s.extension, s.graphicExtension,
                       m_shell.dialogParent());
    form.exec();
}
