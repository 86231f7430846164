#pragma once

#include <QString>
#include <array>

class FileListPanel;
class HtmlViewer;
class Lamp;
class PercentSplitter;
class QLabel;
class QMainWindow;
class QStatusBar;
class QTabBar;
class QTabWidget;
class ToolBook;
class QToolButton;
class QTreeWidget;
class QWidget;
class TLEdit;

// The tool buttons of the main tool bar, each with its hint.
struct ToolButtons {
    QToolButton *open = nullptr;       // "Open page"
    QToolButton *close = nullptr;      // "Close page"
    QToolButton *save = nullptr;       // "Save page" (SaveAsBtn)
    QToolButton *fullScreen = nullptr; // "View HTML document in full screen"
    QToolButton *print = nullptr;      // "Print"
    QToolButton *refresh = nullptr;    // "Refresh HTML Viewer"
    QToolButton *splitStyle = nullptr; // "Toggle split screen style"
    QToolButton *newPage = nullptr;    // "New page"
    QToolButton *back = nullptr;       // "Move viewer back one page"
    QToolButton *forward = nullptr;    // "Move viewer forward one page"
    QToolButton *browser = nullptr;    // "Launch external browser #1"
    QToolButton *projects = nullptr;   // "Display/Hide project structure"
    QToolButton *cut = nullptr;        // "Cut to clipboard"
    QToolButton *paste = nullptr;      // "Paste to clipboard"
    QToolButton *copy = nullptr;       // "Copy to clipboard"
    QToolButton *spell = nullptr;      // "Spell Checker"
};

// The named components of the main window, built by buildMainWidgets().
// Each widget's objectName is its component name.
struct MainWidgets {
    QWidget *toolsPanel = nullptr;  // ToolsPanel
    QWidget *buttonPanel = nullptr; // ButtonPanel1
    ToolButtons buttons;
    QWidget *ewsPanel = nullptr;     // EWSPanel
    Lamp *inATagLight = nullptr;     // InATagLight, "TAG:"
    Lamp *inABodyLight = nullptr;    // InABodyLight, "BODY:"
    ToolBook *powerBook = nullptr;   // PowerBook, the tag tool pages
    // Pages of PowerBook by caption: Font, Special, Format, Lists, Tables,
    // Images, Links, Forms, Templates, ASP, Custom 1 .. Custom 4.
    std::array<QWidget *, 14> toolPages{};

    PercentSplitter *mainSplitter = nullptr; // MainSplitter: file tabs | documents | scratch pad
    QTabWidget *fileTabs = nullptr;          // FileTabs
    QWidget *projectPage = nullptr;          // ProjectPage, "Projects"
    QTreeWidget *outline = nullptr;          // Outline1
    QWidget *filePage = nullptr;             // FilePage, "File List"
    FileListPanel *fileList = nullptr;
    PercentSplitter *splitScreen = nullptr; // SplitScreen: editor | preview | frame preview
    QTabBar *webPageTabs = nullptr;         // WebPageTabs
    TLEdit *webPage = nullptr;              // WebPage
    HtmlViewer *htmlSplit = nullptr;        // HTMLSplit
    HtmlViewer *htmlFrames = nullptr;       // HTMLFrames
    TLEdit *spareEditor = nullptr;          // SpareEditor
    HtmlViewer *htmlFull = nullptr;         // HTMLFull

    QStatusBar *statusBar = nullptr;
    std::array<QLabel *, 3> statusPanels{}; // caret, insert mode, hint
    QWidget *header = nullptr;              // Header1 (hidden)
    std::array<QLabel *, 4> headerSections{};

    static const QStringList &toolPageCaptions();
    // The full-screen button's hint: what pressing it does next.
    static QString fullScreenHint(bool fullScreenShown);
    enum ToolPage {
        Font,
        Special,
        Format,
        Lists,
        Tables,
        Images,
        Links,
        Forms,
        Templates,
        Asp,
        Custom1,
        Custom2,
        Custom3,
        Custom4
    };
};

struct UiState;
// The state the menu rules decide from, read off the widgets.
UiState uiStateOf(const MainWidgets &w);

// Builds the window's component tree into `window`.
void buildMainWidgets(QMainWindow *window, MainWidgets &w);
