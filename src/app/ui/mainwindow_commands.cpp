// The window's own commands (help, hints, full screen, split style, the
// project pane), and menu enabling: the defaults of whole menus, then every
// area's own rule.

#include "app/area.h"
#include "app/ui/mainwindow.h"
#include "app/ui/percentsplitter.h"
#include "app/userinteraction.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolButton>

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
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { updateMenuStates(); });
}

void MainWindow::updateMenuStates() {
    if (m_destroying)
        return;
    const UiState s = uiState();
    applyMenuDefaults(m_a, m_w, s);
    for (Area *area : m_areas)
        area->updateMenus(s);
}

