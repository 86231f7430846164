#pragma once

#include "app/area.h"
#include "projects/projectcommands.h"
#include "projects/projectlistfile.h"
#include "projects/projectselection.h"
#include "projects/projecttree.h"

#include <QHash>
#include <QObject>
#include <memory>

class ActiveDocument;
class FileListPanel;
class FileListSheet;
class PreviewPane;
class ProjectTreeCommands;
class ProjectTreeView;
class QTabWidget;
class QTreeWidget;
class QWidget;
class Shell;
struct MainActions;

// The widgets of the left pane that the project area works on.
struct ProjectWidgets {
    QTreeWidget *outline = nullptr;    // Outline1, the project tree
    QTabWidget *fileTabs = nullptr;    // FileTabs, the left pane's sheets
    QWidget *projectPage = nullptr;    // ProjectPage, the "Projects" sheet
    FileListPanel *fileList = nullptr; // the browser of the "File List" sheet
};

// The web projects in the left pane: the project tree `Outline1`, read from
// "project.dat" in the program folder at start and written back at exit;
// the "P&rojects" menu and the tree's pop-up menu, their enabling by the
// selected entry, and what clicks and keys in the tree do; the File List
// sheet's clicks.
class ProjectArea : public QObject, public Area, public ProjectSelection {
    Q_OBJECT
public:
    ProjectArea(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                const ProjectWidgets &widgets, MainActions &actions, QObject *parent = nullptr);
    ~ProjectArea() override;

    ProjectTree &tree() { return m_tree; }
    ProjectTreeView &view() { return *m_view; }
    ProjectTreeCommands &commands() { return *m_commands; }

    // ProjectSelection
    const ProjectTree &projectTree() const override { return m_tree; }
    EntryRef selectedEntry() const override;

    // What the project commands depend on, for the selected entry.
    ProjectMenuState menuState();

    // Area
    void created() override;
    void updateMenus(const UiState &state) override;
    void shutdown() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireMenus();
    void wireTree();
    void showPopup(const QPoint &pos);
    // A key pressed in the tree; true when the tree acted on it.
    bool treeKey(int key);
    // Shows an entry's whole text when the narrow pane cuts it off.
    bool showEntryTip(const QPoint &pos, const QPoint &globalPos);
    QString sendTargetOf(const QString &projectDir);
    bool projectSheetActive() const;

    Shell &m_shell;
    ActiveDocument &m_document;
    ProjectWidgets m_w;
    MainActions &m_a;
    ProjectTree m_tree;
    ProjectListFile m_listFile;
    std::unique_ptr<ProjectTreeView> m_view;
    std::unique_ptr<ProjectTreeCommands> m_commands;
    std::unique_ptr<FileListSheet> m_fileSheet;
    // The send targets read for the menus, by project folder; read afresh
    // each time a project menu opens.
    QHash<QString, QString> m_sendTargets;
};
