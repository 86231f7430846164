#pragma once

#include <QList>
#include <QString>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Every menu entry of the main window, its pop-up menus and their sub-menus.
// Each action's objectName is the entry's component name, so that tests and
// readers find it by name.
//
// An entry whose feature is not there yet is "pending": it is shown, but
// always disabled (never a silent no-op). Use setUsable() instead of
// QAction::setEnabled for entries that may be pending.
struct MainActions {
    // File
    QMenu *fileMenu = nullptr;
    QAction *newPage = nullptr, *open = nullptr, *save = nullptr, *saveAs = nullptr;
    QAction *closePage = nullptr, *closeAll = nullptr, *print = nullptr, *printerSetup = nullptr;
    QAction *createIndexOfImages = nullptr, *frameCreator = nullptr, *exit = nullptr;
    std::array<QAction *, 4> lastFiles{};

    // Projects
    QMenu *projectsMenu = nullptr, *pagesMenu = nullptr;
    QAction *newProject = nullptr, *editProject = nullptr, *deleteProject = nullptr;
    QAction *addPage = nullptr, *importPage = nullptr, *deletePage = nullptr;
    QAction *copyMovePage = nullptr, *changeDescription = nullptr, *renameFile = nullptr;
    QAction *removeFromProject = nullptr, *quikFtpSend = nullptr, *findProjectOrphans = nullptr;
    QAction *checkReferences = nullptr; // "Check Project References..."
    QAction *displayProjects = nullptr;

    // Edit
    QMenu *editMenu = nullptr;
    QAction *undo = nullptr, *redo = nullptr, *editSeparator = nullptr, *cut = nullptr;
    QAction *copy = nullptr, *deleteSel = nullptr, *duplicate = nullptr, *paste = nullptr;
    QAction *insertFile = nullptr, *selectAll = nullptr, *stripHtmlCodes = nullptr;
    QAction *removeInvalidColors = nullptr, *bodyStatement = nullptr, *title = nullptr;
    QAction *metaTag = nullptr, *safeSurfRating = nullptr, *insertStandardTags = nullptr;
    QAction *rainbowize = nullptr, *updateLastModified = nullptr;
    QAction *center = nullptr, *bold = nullptr, *italics = nullptr, *underline = nullptr;

    // Search
    QMenu *searchMenu = nullptr;
    QAction *find = nullptr, *findNext = nullptr, *replace = nullptr, *goToLine = nullptr;
    QAction *spellCheck = nullptr, *searchSource = nullptr;

    // Page
    QMenu *pageMenu = nullptr;
    QAction *evaluate = nullptr, *refreshHtml = nullptr, *checkCursorPosition = nullptr;
    QAction *checkWithTidy = nullptr;
    QAction *browser1 = nullptr, *browser2 = nullptr;

    // Insert
    QMenu *insertMenu = nullptr, *pageTemplateMenu = nullptr, *vedaGuysMenu = nullptr;
    QAction *horizontalBar = nullptr, *heading = nullptr, *listType = nullptr, *image = nullptr;
    QAction *text = nullptr, *urlReference = nullptr, *applet = nullptr, *include = nullptr;
    QAction *tableCellAttributes = nullptr;
    QList<QAction *> pageTemplates; // Body Settings .. Heading
    QAction *tableVedaGuy = nullptr, *dataFormVedaGuy = nullptr, *calendarVedaGuy = nullptr;
    QAction *templateVedaGuy = nullptr;

    // HTML Codes
    QMenu *htmlCodesMenu = nullptr;
    std::array<QMenu *, 3> tagMenus{}; // Block Tags, Text Attributes, Additional Tags
    QMenu *headingsMenu = nullptr, *separatorsMenu = nullptr, *dateTimeMenu = nullptr;
    QList<QAction *> headings;        // "H1 - Size 1" .. "H6 - Size 6"
    QAction *paragraph = nullptr;     // "<P></P>" (Ctrl+P)
    QList<QAction *> paragraphAligns; // the three <P ALIGN=...> entries
    QList<QAction *> lineBreaks;      // "<BR>", "<BR CLEAR="left">", "<BR CLEAR="right">"
    QList<QAction *> divisions;       // the four <DIV> entries
    QAction *separatorRule = nullptr; // "HR - Horizontal Bar"
    QAction *nonBreakingSpace = nullptr;
    QAction *dateItem = nullptr, *timeItem = nullptr, *dateTimeItem = nullptr;
    QAction *embed = nullptr, *meta = nullptr, *param = nullptr, *modifyMenuTags = nullptr;
    QList<QAction *> htmlCodesFirstNine; // the entries that follow the open document

    // Options
    QMenu *optionsMenu = nullptr;
    QAction *viewInlineImages = nullptr, *editorOptions = nullptr, *generalPreferences = nullptr;
    QAction *customizeButtons = nullptr, *toggleInternalClipboard = nullptr;
    QAction *specialCharacters = nullptr;

    // Top-level command and history
    QAction *viewFullScreen = nullptr;
    QMenu *historyMenu = nullptr;
    std::array<QAction *, 10> historyItems{};

    // Help
    QMenu *helpMenu = nullptr;
    QAction *about = nullptr, *showHints = nullptr, *contents = nullptr, *showTips = nullptr;

    // Editor pop-up (WebPagePopup)
    QMenu *webPagePopup = nullptr, *popupEditMenu = nullptr, *popupSearchMenu = nullptr;
    QMenu *setBookmarkMenu = nullptr, *goToBookmarkMenu = nullptr;
    QAction *popupRefresh = nullptr, *popupEvaluate = nullptr;
    QAction *popupCut = nullptr, *popupCopy = nullptr, *popupDelete = nullptr;
    QAction *popupDuplicate = nullptr, *popupSelectAll = nullptr, *popupPaste = nullptr;
    QAction *popupTableCell = nullptr, *popupListItem = nullptr;
    QAction *popupFind = nullptr, *popupReplace = nullptr, *popupGoToLine = nullptr;
    std::array<QAction *, 16> setBookmark{};
    std::array<QAction *, 16> goToBookmark{};
    QAction *popupTableVedaGuy = nullptr, *popupFormVedaGuy = nullptr;
    QAction *popupFrameVedaGuy = nullptr, *popupFullScreen = nullptr;

    // Preview pop-up (HTMLPopup)
    QMenu *htmlPopup = nullptr;
    QAction *previewRefresh = nullptr, *previewSearchSource = nullptr, *previewTop = nullptr;
    QAction *previewBottom = nullptr, *previewCopy = nullptr, *previewFind = nullptr;

    // Project tree pop-up (ProjectPopup)
    QMenu *projectPopup = nullptr;
    QAction *viewPage1 = nullptr, *addPage1 = nullptr, *importPage1 = nullptr;
    QAction *deletePage1 = nullptr, *copyMovePage1 = nullptr, *changeDescription1 = nullptr;
    QAction *renamePage1 = nullptr, *removeFileFromProject1 = nullptr, *ftpSend = nullptr;
    QAction *deleteProject1 = nullptr, *findOrphans = nullptr, *checkReferences1 = nullptr;
    QAction *addProject1 = nullptr;

    // Builds every menu into the menu bar (and the pop-ups, parented to
    // `owner`). Every entry starts pending; each feature makes its own usable.
    void build(QMenuBar *bar, QWidget *owner);

    static void setPending(QAction *action, bool pending);
    static bool isPending(QAction *action);
    // Enables the action when `on` and it is not pending.
    static void setUsable(QAction *action, bool on);
    // Marks several actions as built (no longer pending).
    static void setBuilt(std::initializer_list<QAction *> actions);
};

struct MainWidgets;
struct UiState;
// The states whole menus take before the areas decide on their own entries:
// the Edit, Search and Insert menus, the first HTML Codes entries and the
// pop-ups follow the open document (and the preview's focus); the window's
// own full-screen entries too. An entry no area serves stays disabled.
void applyMenuDefaults(MainActions &a, MainWidgets &w, const UiState &s);
