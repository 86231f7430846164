#include "app/ui/mainwidgets.h"
#include "app/menurules.h"
#include "app/ui/filelistpanel.h"
#include "app/ui/glyphs.h"
#include "app/ui/lamp.h"
#include "app/ui/percentsplitter.h"
#include "app/ui/toolbook.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

const QStringList &MainWidgets::toolPageCaptions() {
    static const QStringList captions = {
        QStringLiteral("Font"),     QStringLiteral("Special"),  QStringLiteral("Format"),
        QStringLiteral("Lists"),    QStringLiteral("Tables"),   QStringLiteral("Images"),
        QStringLiteral("Links"),    QStringLiteral("Forms"),    QStringLiteral("Templates"),
        QStringLiteral("ASP"),      QStringLiteral("Custom 1"), QStringLiteral("Custom 2"),
        QStringLiteral("Custom 3"), QStringLiteral("Custom 4")};
    return captions;
}

QString MainWidgets::fullScreenHint(bool fullScreenShown) {
    return fullScreenShown ? QStringLiteral("View HTML document in split screen")
                           : QStringLiteral("View HTML document in full screen");
}

namespace {

QToolButton *toolButton(QWidget *parent, const QString &name, const QString &hint,
                        Glyphs::Tool glyph, bool enabled) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(Glyphs::tool(glyph));
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setEnabled(enabled);
    return b;
}

void buildButtons(QWidget *panel, ToolButtons &b) {
    using T = Glyphs::Tool;
    b.open =
        toolButton(panel, QStringLiteral("OpenBtn"), QStringLiteral("Open page"), T::Open, true);
    b.close = toolButton(panel, QStringLiteral("CloseBtn"), QStringLiteral("Close page"), T::Close,
                         false);
    b.save =
        toolButton(panel, QStringLiteral("SaveAsBtn"), QStringLiteral("Save page"), T::Save, false);
    b.fullScreen =
        toolButton(panel, QStringLiteral("FullScreenBtn"),
                   MainWidgets::fullScreenHint(false), T::FullScreen, false);
    b.print =
        toolButton(panel, QStringLiteral("PrintBtn"), QStringLiteral("Print"), T::Print, false);
    b.refresh = toolButton(panel, QStringLiteral("RefreshBtn"),
                           QStringLiteral("Refresh HTML Viewer"), T::Refresh, false);
    b.splitStyle = toolButton(panel, QStringLiteral("SplitStyleBtn"),
                              QStringLiteral("Toggle split screen style"), T::SplitStyle, true);
    b.newPage =
        toolButton(panel, QStringLiteral("NewBtn"), QStringLiteral("New page"), T::New, true);
    b.back = toolButton(panel, QStringLiteral("BackBtn"),
                        QStringLiteral("Move viewer back one page"), T::Back, false);
    b.forward = toolButton(panel, QStringLiteral("ForwardBtn"),
                           QStringLiteral("Move viewer forward one page"), T::Forward, false);
    b.browser = toolButton(panel, QStringLiteral("BrowserBtn"),
                           QStringLiteral("Launch external browser #1"), T::Browser, false);
    b.projects = toolButton(panel, QStringLiteral("ProjectsBtn"),
                            QStringLiteral("Display/Hide project structure"), T::Projects, true);
    b.cut = toolButton(panel, QStringLiteral("CutBtn"), QStringLiteral("Cut to clipboard"), T::Cut,
                       false);
    b.paste = toolButton(panel, QStringLiteral("PasteBtn"), QStringLiteral("Paste to clipboard"),
                         T::Paste, false);
    b.copy = toolButton(panel, QStringLiteral("CopyBtn"), QStringLiteral("Copy to clipboard"),
                        T::Copy, false);
    b.spell = toolButton(panel, QStringLiteral("SpellBtn"), QStringLiteral("Spell Checker"),
                         T::Spell, false);

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    const QToolButton *order[] = {b.newPage, b.open,    b.save,       b.close,
                                  b.print,   b.cut,     b.copy,       b.paste,
                                  b.spell,   b.refresh, b.fullScreen, b.splitStyle,
                                  b.back,    b.forward, b.browser,    b.projects};
    for (int i = 0; i < 16; ++i)
        grid->addWidget(const_cast<QToolButton *>(order[i]), i / 8, i % 8);
}

QWidget *buildEditorPane(QWidget *parent, MainWidgets &w) {
    auto *pane = new QWidget(parent);
    pane->setObjectName(QStringLiteral("EditorPane"));
    w.webPageTabs = new QTabBar(pane);
    w.webPageTabs->setObjectName(QStringLiteral("WebPageTabs"));
    w.webPageTabs->setExpanding(false);
    w.webPageTabs->setDocumentMode(true);
    w.webPage = new TLEdit(pane);
    w.webPage->setObjectName(QStringLiteral("WebPage"));
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(w.webPageTabs);
    layout->addWidget(w.webPage, 1);
    return pane;
}

} // namespace

void buildMainWidgets(QMainWindow *window, MainWidgets &w) {
    auto *central = new QWidget(window);
    central->setObjectName(QStringLiteral("ClientArea"));
    window->setCentralWidget(central);

    // Tool panel: buttons, lamps, tag tool pages.
    w.toolsPanel = new QWidget(central);
    w.toolsPanel->setObjectName(QStringLiteral("ToolsPanel"));
    w.buttonPanel = new QWidget(w.toolsPanel);
    w.buttonPanel->setObjectName(QStringLiteral("ButtonPanel1"));
    buildButtons(w.buttonPanel, w.buttons);

    w.ewsPanel = new QWidget(w.toolsPanel);
    w.ewsPanel->setObjectName(QStringLiteral("EWSPanel"));
    w.inATagLight = new Lamp(QStringLiteral("TAG:"), w.ewsPanel);
    w.inATagLight->setObjectName(QStringLiteral("InATagLight"));
    w.inABodyLight = new Lamp(QStringLiteral("BODY:"), w.ewsPanel);
    w.inABodyLight->setObjectName(QStringLiteral("InABodyLight"));
    w.ewsPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *lamps = new QVBoxLayout(w.ewsPanel);
    lamps->setContentsMargins(4, 2, 4, 2);
    lamps->addWidget(w.inATagLight);
    lamps->addWidget(w.inABodyLight);

    w.powerBook = new ToolBook(w.toolsPanel);
    w.powerBook->setObjectName(QStringLiteral("PowerBook"));
    w.powerBook->setUsesScrollButtons(true);
    w.powerBook->setDocumentMode(true);
    const QStringList &captions = MainWidgets::toolPageCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto *page = new QWidget(w.powerBook);
        page->setObjectName(QString(captions.at(i)).remove(QLatin1Char(' ')) +
                            QStringLiteral("Page"));
        page->setMinimumHeight(30);
        w.toolPages[i] = page;
        w.powerBook->addPage(page, captions.at(i));
    }
    w.powerBook->setEnabled(false);
    w.powerBook->setVisible(false);

    auto *tools = new QHBoxLayout(w.toolsPanel);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(2);
    tools->addWidget(w.buttonPanel);
    tools->addWidget(w.ewsPanel);
    tools->addWidget(w.powerBook, 1);

    // Main splitter: the file tabs, the documents, the scratch pad.
    w.mainSplitter = new PercentSplitter(Qt::Horizontal, central);
    w.mainSplitter->setObjectName(QStringLiteral("MainSplitter"));

    w.fileTabs = new QTabWidget(w.mainSplitter);
    w.fileTabs->setObjectName(QStringLiteral("FileTabs"));
    w.projectPage = new QWidget(w.fileTabs);
    w.projectPage->setObjectName(QStringLiteral("ProjectPage"));
    w.outline = new QTreeWidget(w.projectPage);
    w.outline->setObjectName(QStringLiteral("Outline1"));
    w.outline->setHeaderHidden(true);
    w.outline->setColumnCount(1);
    auto *projectLayout = new QVBoxLayout(w.projectPage);
    projectLayout->setContentsMargins(0, 0, 0, 0);
    projectLayout->addWidget(w.outline);
    w.fileTabs->addTab(w.projectPage, QStringLiteral("Projects"));
    w.filePage = new QWidget(w.fileTabs);
    w.filePage->setObjectName(QStringLiteral("FilePage"));
    w.fileList = new FileListPanel(w.filePage);
    auto *fileLayout = new QVBoxLayout(w.filePage);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(w.fileList);
    w.fileTabs->addTab(w.filePage, QStringLiteral("File List"));

    w.splitScreen = new PercentSplitter(Qt::Vertical, w.mainSplitter);
    w.splitScreen->setObjectName(QStringLiteral("SplitScreen"));
    w.splitScreen->addWidget(buildEditorPane(w.splitScreen, w));
    w.htmlSplit = new HtmlViewer(w.splitScreen);
    w.htmlSplit->setObjectName(QStringLiteral("HTMLSplit"));
    w.splitScreen->addWidget(w.htmlSplit);
    w.htmlFrames = new HtmlViewer(w.splitScreen);
    w.htmlFrames->setObjectName(QStringLiteral("HTMLFrames"));
    w.splitScreen->addWidget(w.htmlFrames);
    w.splitScreen->setBarPercent(0, 50);
    w.splitScreen->setBarPercent(1, 100);

    w.spareEditor = new TLEdit(w.mainSplitter);
    w.spareEditor->setObjectName(QStringLiteral("SpareEditor"));

    w.mainSplitter->addWidget(w.fileTabs);
    w.mainSplitter->addWidget(w.splitScreen);
    w.mainSplitter->addWidget(w.spareEditor);
    w.mainSplitter->setBarPercent(0, 20);
    w.mainSplitter->setBarPercent(1, 100);

    w.htmlFull = new HtmlViewer(central);
    w.htmlFull->setObjectName(QStringLiteral("HTMLFull"));
    w.htmlFull->setVisible(false);

    w.header = new QWidget(central);
    w.header->setObjectName(QStringLiteral("Header1"));
    auto *headerLayout = new QHBoxLayout(w.header);
    for (int i = 0; i < 4; ++i) {
        w.headerSections[i] = new QLabel(w.header);
        w.headerSections[i]->setObjectName(QStringLiteral("Header1Section%1").arg(i));
        headerLayout->addWidget(w.headerSections[i]);
    }
    w.header->setVisible(false);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(w.toolsPanel);
    layout->addWidget(w.mainSplitter, 1);
    layout->addWidget(w.htmlFull, 1);
    layout->addWidget(w.header);

    w.statusBar = window->statusBar();
    w.statusBar->setObjectName(QStringLiteral("StatusBar"));
    w.statusBar->setSizeGripEnabled(true);
    const int widths[] = {80, 80, 0};
    for (int i = 0; i < 3; ++i) {
        w.statusPanels[i] = new QLabel(w.statusBar);
        w.statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        w.statusPanels[i]->setFrameShape(QFrame::StyledPanel);
        if (widths[i] > 0)
            w.statusPanels[i]->setMinimumWidth(widths[i]);
        w.statusBar->addWidget(w.statusPanels[i], widths[i] > 0 ? 0 : 1);
    }
}

UiState uiStateOf(const MainWidgets &w) {
    UiState s;
    s.documentOpen = w.webPage->isEnabled();
    QWidget *focus = QApplication::focusWidget();
    s.previewFocused = focus && (focus == w.htmlSplit || w.htmlSplit->isAncestorOf(focus));
    s.previewHasSelection = w.htmlSplit->selectionLength() > 0;
    const TLEdit *active = w.spareEditor->hasFocus() ? w.spareEditor : w.webPage;
    s.editorHasSelection = active->hasSelectedText();
    s.webPageFocused = w.webPage->hasFocus();
    s.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    return s;
}
