#pragma once

#include "projects/projectpaths.h"
#include "projects/projecttree.h"

#include <QString>
#include <functional>

class UserInteraction;

// What the project commands depend on, taken when a menu opens or a key is
// pressed in the tree.
struct ProjectMenuState {
    bool treeHasEntries = false;
    int selectedLevel = 0;         // 0 nothing, 1 a project, 2 a page
    bool selectedFileOpen = false; // the selected page is open in a tab
    bool settingsEntry = false;    // the selected page is the project's PROJECT.INI
    QString sendTarget;            // WebURL + "/" + FTPDirectory of the selection's project
};

// The "P&rojects" menu.
struct ProjectMenuEnabling {
    bool deleteProject = false; // DeleteProject
    bool editProject = false;   // EditProject
    bool pages = false;         // the "&Pages" submenu
};
ProjectMenuEnabling checkProjectMenu(const ProjectMenuState &state);

// The "&Pages" submenu and the tree's pop-up menu ProjectPopup; each flag
// serves the main menu entry and its pop-up twin.
struct PageMenuEnabling {
    bool viewPage = false;          // ViewPage1 (pop-up only)
    bool addPage = false;           // AddPage / AddPage1
    bool importPage = false;        // ImportPage / Importpage1
    bool deletePage = false;        // DeletePage / DeletePage1
    bool copyMovePage = false;      // CopyMovePage / CopyMovePage1
    bool changeDescription = false; // ChangeDescription / ChangeDescription1
    bool renameFile = false;        // RenameFile / RenamePage1
    bool removeFromProject = false; // Removefromproject / Removefilefromproject1
    bool send = false;              // QuikFTPSend / FTPSend
    QString sendCaption = QStringLiteral("Send to website...");
    bool editProject = false;   // EditProject
    bool deleteProject = false; // DeleteProject / DeleteProject1
    bool findOrphans = false;   // FindProjectOrphans / FindOrphans
    // NewProject and AddProject1 are always enabled.
};
PageMenuEnabling checkPageMenu(const ProjectMenuState &state);

// Where a project folder's pages are sent to (see sendTarget()).
using SendTargetOf = std::function<QString(const QString &projectDir)>;

// The state for a tree entry; the send target is asked for (by default read
// from the project's settings file) only when a send entry can be enabled.
ProjectMenuState projectMenuState(const ProjectTree &tree, EntryRef selected,
                                  const QString &programDir, const IsFileOpen &isOpen,
                                  const SendTargetOf &sendTargetOf = {});

// What a key in the tree does, once both menus are checked.
enum class TreeKeyAction {
    None,
    Open,          // Enter: as a double-click, without the open-file test
    DeleteProject, // Delete with a project selected
    DeletePage,    // Delete with a page selected (the page's own command)
    OpenDocument,  // F3 with a page selected: open its file, no open-file test
};
TreeKeyAction treeKeyAction(int qtKey, const ProjectMenuState &state);

// What opening an entry (double-click, Enter) does.
struct TreeOpenRequest {
    enum class Kind {
        Nothing,      // a project entry, or no entry
        EditSettings, // the settings entry: the project dialog in modify mode
        OpenDocument, // any other page: open `path` as a project document
    };
    Kind kind = Kind::Nothing;
    QString path;       // the page's file
    QString projectDir; // its project's folder
};
TreeOpenRequest treeOpenRequest(const ProjectTree &tree, EntryRef entry, const QString &programDir);

// The File List sheet: whether a file shows in the preview as an image (its
// upper-cased name holds ".JPG", ".GIF" or ".BMP") rather than as a page.
bool isPreviewImage(const QString &fileName);

// A double-click in the File List: true when the file is to be opened as a
// document outside any project. Images are not opened; an open file is
// refused with the open-file message.
bool fileListMayOpen(const QString &path, const IsFileOpen &isOpen, UserInteraction &ui);

// The left pane's width in per cent of the window for "Di&splay Projects".
inline int projectPaneBarPercent(bool shown) {
    return shown ? 25 : 0;
}
