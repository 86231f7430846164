#include "projects/area/projectarea.h"

#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "projects/area/filelistsheet.h"
#include "projects/area/projecttreecommands.h"
#include "projects/projectsettings.h"
#include "projects/ui/projecttreeview.h"

#include <QAction>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>

namespace {

// A text shown as a menu caption: "&" stands for itself.
QString captionText(const QString &text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

ProjectArea::ProjectArea(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                         const ProjectWidgets &widgets, MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_w(widgets), m_a(actions),
      m_listFile(shell.programDir() + QStringLiteral("project.dat")) {
    m_view = std::make_unique<ProjectTreeView>(m_w.outline, m_tree);
    m_commands = std::make_unique<ProjectTreeCommands>(shell, document, *m_view);
    m_fileSheet = std::make_unique<FileListSheet>(shell.ui(), document, preview, m_w.fileList);
    wireMenus();
    wireTree();
}

ProjectArea::~ProjectArea() {
    m_w.outline->removeEventFilter(this);
    m_w.outline->viewport()->removeEventFilter(this);
}

// --- Start-up and shutdown -------------------------------------------------------------

void ProjectArea::created() {
    const ProjectListLoad load = m_listFile.load(m_tree);
    const QString message = m_listFile.loadMessage(load);
    if (!message.isEmpty())
        m_shell.ui().message(message, Msg::Warning, Msg::Ok);
}

void ProjectArea::shutdown() {
    if (!m_listFile.save(m_tree))
        m_shell.ui().message(m_listFile.saveFailureMessage(), Msg::Warning, Msg::Ok);
}

// --- Menus -----------------------------------------------------------------------------

void ProjectArea::wireMenus() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.newProject, a.addProject1, a.deleteProject, a.deleteProject1,
                           a.viewPage1, a.checkReferences, a.checkReferences1});
    ProjectTreeCommands *c = m_commands.get();
    for (QAction *x : {a.newProject, a.addProject1})
        connect(x, &QAction::triggered, c, &ProjectTreeCommands::newProject);
    for (QAction *x : {a.deleteProject, a.deleteProject1})
        connect(x, &QAction::triggered, c, &ProjectTreeCommands::deleteProject);
    connect(a.viewPage1, &QAction::triggered, c, &ProjectTreeCommands::viewPage);
    for (QAction *x : {a.checkReferences, a.checkReferences1})
        connect(x, &QAction::triggered, c, &ProjectTreeCommands::checkReferences);

    // Each menu of projects reads the send targets afresh as it opens.
    for (QMenu *menu : {a.projectsMenu, a.pagesMenu, a.projectPopup}) {
        connect(menu, &QMenu::aboutToShow, this, [this] {
            m_sendTargets.clear();
            m_shell.updateMenuStates();
        });
    }
    // The "P&rojects" menu is usable while the "Projects" sheet is shown.
    connect(m_w.fileTabs, &QTabWidget::currentChanged, this,
            [this] { m_shell.updateMenuStates(); });
}

bool ProjectArea::projectSheetActive() const {
    return m_w.fileTabs->currentWidget() == m_w.projectPage;
}

QString ProjectArea::sendTargetOf(const QString &projectDir) {
    auto it = m_sendTargets.constFind(projectDir);
    if (it == m_sendTargets.constEnd())
        it = m_sendTargets.insert(projectDir, sendTarget(readProjectSettings(projectDir)));
    return *it;
}

EntryRef ProjectArea::selectedEntry() const {
    return m_view->selectedEntry();
}

ProjectMenuState ProjectArea::menuState() {
    return projectMenuState(m_tree, m_view->selectedEntry(), m_shell.programDir(),
                            m_commands->isFileOpen(),
                            [this](const QString &dir) { return sendTargetOf(dir); });
}

void ProjectArea::updateMenus(const UiState &) {
    MainActions &a = m_a;
    const bool sheet = projectSheetActive();
    const ProjectMenuState state = menuState();
    const ProjectMenuEnabling projects = checkProjectMenu(state);
    const PageMenuEnabling pages = checkPageMenu(state);
    const bool selected = state.selectedLevel > 0;

    // The main menu's entries (and so their keys) follow the menu itself.
    a.projectsMenu->menuAction()->setEnabled(sheet);
    auto main = [sheet](QAction *x, bool on) { MainActions::setUsable(x, sheet && on); };
    main(a.newProject, true);
    main(a.editProject, projects.editProject);
    main(a.deleteProject, projects.deleteProject);
    a.pagesMenu->menuAction()->setEnabled(sheet && projects.pages);
    main(a.addPage, pages.addPage);
    main(a.importPage, pages.importPage);
    main(a.deletePage, pages.deletePage);
    main(a.copyMovePage, pages.copyMovePage);
    main(a.changeDescription, pages.changeDescription);
    main(a.renameFile, pages.renameFile);
    main(a.removeFromProject, pages.removeFromProject);
    main(a.quikFtpSend, pages.send);
    main(a.findProjectOrphans, pages.findOrphans);
    main(a.checkReferences, selected);

    // The tree's pop-up menu.
    auto popup = [](QAction *x, bool on) { MainActions::setUsable(x, on); };
    popup(a.viewPage1, pages.viewPage);
    popup(a.addPage1, pages.addPage);
    popup(a.importPage1, pages.importPage);
    popup(a.deletePage1, pages.deletePage);
    popup(a.copyMovePage1, pages.copyMovePage);
    popup(a.changeDescription1, pages.changeDescription);
    popup(a.renamePage1, pages.renameFile);
    popup(a.removeFileFromProject1, pages.removeFromProject);
    popup(a.ftpSend, pages.send);
    popup(a.deleteProject1, pages.deleteProject);
    popup(a.findOrphans, pages.findOrphans);
    popup(a.checkReferences1, selected);
    popup(a.addProject1, true);

    const QString send = captionText(pages.sendCaption);
    a.quikFtpSend->setText(send);
    a.ftpSend->setText(send);
}

// --- The tree --------------------------------------------------------------------------

void ProjectArea::wireTree() {
    QTreeWidget *tree = m_w.outline;
    // The left pane is narrow: entries keep their whole width and the tree
    // scrolls sideways; one still cut off shows whole in a tip.
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->installEventFilter(this);
    tree->viewport()->installEventFilter(this);
    connect(tree, &QTreeWidget::itemDoubleClicked, m_commands.get(), [this](QTreeWidgetItem *item) {
        if (item && m_view->entryOf(item) == m_view->selectedEntry())
            m_commands->viewPage();
    });
    connect(tree, &QTreeWidget::currentItemChanged, this, [this] { m_shell.updateMenuStates(); });
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this, &ProjectArea::showPopup);
}

void ProjectArea::showPopup(const QPoint &pos) {
    // The entry under the pointer is the one the commands act on.
    if (QTreeWidgetItem *item = m_w.outline->itemAt(pos))
        m_view->select(m_view->entryOf(item));
    m_a.projectPopup->popup(m_w.outline->viewport()->mapToGlobal(pos));
}

bool ProjectArea::treeKey(int key) {
    // Every key first brings both menus up to date.
    m_shell.updateMenuStates();
    switch (treeKeyAction(key, menuState())) {
    case TreeKeyAction::None:
        return false;
    case TreeKeyAction::Open:
        m_commands->loadProjectPage();
        return true;
    case TreeKeyAction::DeleteProject:
        m_commands->deleteProject();
        return true;
    case TreeKeyAction::DeletePage:
        // The page's own command, once it is there.
        if (m_a.deletePage1->isEnabled())
            m_a.deletePage1->trigger();
        return true;
    case TreeKeyAction::OpenDocument:
        m_commands->openPageFile();
        return true;
    }
    return false;
}

bool ProjectArea::showEntryTip(const QPoint &pos, const QPoint &globalPos) {
    QTreeWidget *tree = m_w.outline;
    QTreeWidgetItem *item = tree->itemAt(pos);
    if (!item)
        return false;
    const QRect rect = tree->visualItemRect(item);
    // The text starts a little inside the item, after the tree's indent.
    const int margin = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int textWidth = tree->fontMetrics().horizontalAdvance(item->text(0));
    if (rect.left() + margin + textWidth <= qMin(rect.right(), tree->viewport()->width()))
        return false;
    QToolTip::showText(globalPos, item->text(0), tree->viewport(), rect);
    return true;
}

bool ProjectArea::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_w.outline &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // F3 is "Find Next" elsewhere; in the tree it opens the selected page.
            if (key->key() == Qt::Key_F3 && m_view->selectedEntry().isPage())
                event->accept();
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            treeKey(key->key());
            return true; // not also an activation of the item
        case Qt::Key_Delete:
        case Qt::Key_F3:
            return treeKey(key->key());
        default:
            return false;
        }
    }
    if (watched == m_w.outline->viewport() && event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (!showEntryTip(help->pos(), help->globalPos()))
            QToolTip::hideText();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
