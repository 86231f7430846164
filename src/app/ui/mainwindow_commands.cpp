// The main window's command wiring and menu enabling.

#include "app/ui/mainwindow.h"
#include "app/ui/percentsplitter.h"
#include "app/userinteraction.h"
#include "documents/openfilter.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>

QString MainWindow::openFilter() const {
    return buildOpenFilter(m_wb.settings.extension, m_wb.settings.graphicExtension);
}

void MainWindow::wireCommands() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.exit, a.about, a.showHints, a.contents, a.showTips,
                           a.generalPreferences, a.displayProjects, a.viewFullScreen,
                           a.popupFullScreen});
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(a.showHints, &QAction::triggered, this, [this](bool on) { setHintsShown(on); });
    connect(a.contents, &QAction::triggered, this, [this] { m_wb.ui.showHelp(); });
    connect(a.showTips, &QAction::triggered, this, &MainWindow::showTipOfTheDay);
    connect(a.generalPreferences, &QAction::triggered, this, &MainWindow::openGeneralSettings);
    connect(a.displayProjects, &QAction::triggered, this,
            [this](bool on) { setProjectsShown(on); });
    connect(m_w.buttons.projects, &QToolButton::clicked, this,
            [this] { setProjectsShown(!m_a.displayProjects->isChecked()); });
    connect(m_w.buttons.splitStyle, &QToolButton::clicked, this, &MainWindow::toggleSplitStyle);
    auto toggleFull = [this] { setFullScreen(!m_fullScreen); };
    connect(a.viewFullScreen, &QAction::triggered, this, toggleFull);
    connect(a.popupFullScreen, &QAction::triggered, this, toggleFull);
    connect(m_w.buttons.fullScreen, &QToolButton::clicked, this, toggleFull);
}

void MainWindow::wireEditorCommands() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.undo,           a.redo,       a.cut,         a.copy,
                           a.deleteSel,      a.duplicate,  a.paste,       a.selectAll,
                           a.find,           a.findNext,   a.replace,     a.goToLine,
                           a.popupCut,       a.popupCopy,  a.popupDelete, a.popupDuplicate,
                           a.popupSelectAll, a.popupPaste, a.popupFind,   a.popupReplace,
                           a.popupGoToLine});
    auto on = [this](QAction *action, void (TLEdit::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            (activeEditor()->*command)();
            checkClipboard();
        });
    };
    on(a.undo, &TLEdit::undoEdit);
    on(a.redo, &TLEdit::redoEdit);
    on(a.cut, &TLEdit::cutToClipboard);
    on(a.deleteSel, &TLEdit::deleteSel);
    on(a.duplicate, &TLEdit::duplicateSel);
    on(a.paste, &TLEdit::pasteFromClipboard);
    on(a.selectAll, &TLEdit::selectAllText);
    on(a.find, &TLEdit::showFindDialog);
    on(a.replace, &TLEdit::showReplaceDialog);
    on(a.goToLine, &TLEdit::showGoToLineDialog);
    on(a.popupCut, &TLEdit::cutToClipboard);
    on(a.popupDelete, &TLEdit::deleteSel);
    on(a.popupDuplicate, &TLEdit::duplicateSel);
    on(a.popupPaste, &TLEdit::pasteFromClipboard);
    on(a.popupSelectAll, &TLEdit::selectAllText);
    on(a.popupFind, &TLEdit::showFindDialog);
    on(a.popupReplace, &TLEdit::showReplaceDialog);
    on(a.popupGoToLine, &TLEdit::showGoToLineDialog);
    connect(a.findNext, &QAction::triggered, this, [this] { m_w.webPage->findNext(); });

    // Copy takes the preview's selection while the preview has the focus.
    auto copy = [this] {
        if (uiState().previewFocused)
            m_w.htmlSplit->copyToClipboard();
        else
            activeEditor()->copyToClipboard();
        checkClipboard();
    };
    connect(a.copy, &QAction::triggered, this, copy);
    connect(a.popupCopy, &QAction::triggered, this, copy);
    connect(m_w.buttons.copy, &QToolButton::clicked, this, copy);
    connect(m_w.buttons.cut, &QToolButton::clicked, a.cut, &QAction::trigger);
    connect(m_w.buttons.paste, &QToolButton::clicked, a.paste, &QAction::trigger);

    for (int i = 0; i < 16; ++i) {
        MainActions::setBuilt({a.setBookmark[i], a.goToBookmark[i]});
        connect(a.setBookmark[i], &QAction::triggered, this,
                [this, i] { m_w.webPage->setBookmark(i + 1); });
        connect(a.goToBookmark[i], &QAction::triggered, this,
                [this, i] { m_w.webPage->goToBookmark(i + 1); });
    }

    // Status panels: caret position and insert mode, from either editor.
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor}) {
        connect(editor, &TLEdit::keyReleased, this, [this] { getLocation(); });
        connect(editor, &TLEdit::mousePressed, this, [this] { getLocation(); });
        connect(editor, &TLEdit::changeMode, this, [this](bool insert) {
            m_w.statusPanels[1]->setText(insert ? QStringLiteral("Insert")
                                                : QStringLiteral("Overwrite"));
        });
        connect(editor, &QsciScintilla::selectionChanged, this, [this] { updateMenuStates(); });
    }
    m_w.webPage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_w.webPage, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        updateMenuStates();
        m_a.webPagePopup->popup(m_w.webPage->mapToGlobal(pos));
    });
    m_w.htmlSplit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_w.htmlSplit, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        updateMenuStates();
        m_a.htmlPopup->popup(m_w.htmlSplit->mapToGlobal(pos));
    });
}

void MainWindow::wireMenuEnabling() {
    // Every top-level menu leaves full-screen mode and re-checks its entries
    // when it opens.
    for (QMenu *menu :
         {m_a.fileMenu, m_a.projectsMenu, m_a.editMenu, m_a.searchMenu, m_a.pageMenu,
          m_a.insertMenu, m_a.htmlCodesMenu, m_a.optionsMenu, m_a.historyMenu, m_a.helpMenu}) {
        connect(menu, &QMenu::aboutToShow, this, [this] {
            hideFullScreen();
            updateMenuStates();
        });
    }
    for (QMenu *menu : {m_a.webPagePopup, m_a.htmlPopup, m_a.popupEditMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { updateMenuStates(); });
    // Shortcuts act without a menu opening: keep the states current.
    connect(qApp, &QApplication::focusChanged, this, [this] { updateMenuStates(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        updateMenuStates();
        checkClipboard();
    });
}

void MainWindow::updateMenuStates() {
    if (m_destroying)
        return;
    const UiState s = uiState();
    const bool open = s.documentOpen;
    MainActions &a = m_a;

    for (QAction *x :
         {a.save, a.saveAs, a.closePage, a.closeAll, a.print, a.printerSetup, a.frameCreator})
        MainActions::setUsable(x, open);
    for (QAction *x : {a.newPage, a.open, a.createIndexOfImages, a.exit})
        MainActions::setUsable(x, true);

    const EditMenuEnabling e = editMenuEnabling(s);
    for (QAction *x : a.editMenu->actions())
        MainActions::setUsable(x, e.others);
    a.editSeparator->setVisible(!s.previewFocused && e.separator);
    MainActions::setUsable(a.cut, e.cut);
    MainActions::setUsable(a.copy, e.copy);
    MainActions::setUsable(a.deleteSel, e.deleteSel);
    MainActions::setUsable(a.duplicate, e.duplicate);
    MainActions::setUsable(a.paste, e.paste);
    MainActions::setUsable(a.rainbowize, e.rainbowize);

    const PopupEditEnabling p = popupEditEnabling(s);
    MainActions::setUsable(a.popupCut, p.cut);
    MainActions::setUsable(a.popupCopy, p.copy);
    MainActions::setUsable(a.popupDelete, p.deleteSel);
    MainActions::setUsable(a.popupDuplicate, p.duplicate);
    MainActions::setUsable(a.popupPaste, p.paste);
    MainActions::setUsable(a.popupSelectAll, open);

    const SearchMenuEnabling sm = searchMenuEnabling(s);
    for (QAction *x : a.searchMenu->actions())
        MainActions::setUsable(x, sm.others);
    MainActions::setUsable(a.searchSource, sm.searchSource);

    for (QAction *x : {a.evaluate, a.refreshHtml, a.checkCursorPosition})
        MainActions::setUsable(x, open);
    const BrowserEntry b1 = browserEntry(m_wb.settings.browser1, open);
    const BrowserEntry b2 = browserEntry(m_wb.settings.browser2, open);
    a.browser1->setVisible(b1.visible);
    a.browser2->setVisible(b2.visible);
    if (b1.visible)
        a.browser1->setText(b1.caption);
    if (b2.visible)
        a.browser2->setText(b2.caption);
    MainActions::setUsable(a.browser1, b1.enabled);
    MainActions::setUsable(a.browser2, b2.enabled);

    for (QAction *x : a.insertMenu->actions())
        MainActions::setUsable(x, open);
    for (QAction *x : a.htmlCodesFirstNine)
        MainActions::setUsable(x, open);
    MainActions::setUsable(a.viewInlineImages, open);

    const PreviewPopupEnabling pp = previewPopupEnabling(s);
    for (QAction *x : a.htmlPopup->actions())
        MainActions::setUsable(x, pp.others);
    MainActions::setUsable(a.previewSearchSource, pp.searchSource);
    MainActions::setUsable(a.previewCopy, pp.copy);

    for (QAction *x : {a.popupRefresh, a.popupEvaluate, a.popupTableCell, a.popupListItem,
                       a.popupTableVedaGuy, a.popupFormVedaGuy, a.popupFrameVedaGuy,
                       a.popupFullScreen, a.popupFind, a.popupReplace, a.popupGoToLine})
        MainActions::setUsable(x, open);
    for (int i = 0; i < 16; ++i) {
        MainActions::setUsable(a.setBookmark[i], open);
        MainActions::setUsable(a.goToBookmark[i], open);
    }
    MainActions::setUsable(a.viewFullScreen, open);
}
