// Applying the stored settings to the main window, taking the appearance in
// force back into them, and the General Settings dialog.

#include "app/area.h"
#include "app/ui/filelistpanel.h"
#include "documents/openfilter.h"
#include "app/ui/mainwindow.h"
#include "app/ui/percentsplitter.h"
#include "editor/tledit.h"
#include "settings/settings.h"
#include "settings/ui/generalsettingsdialog.h"

#include <QAction>
#include <QTabWidget>
#include <QTreeWidget>


void MainWindow::applySettings() {
    applyWindowSettings();
    for (Area *area : m_areas)
        area->applySettings();
    // The project tree takes the editor's font and colours.
    m_w.outline->setFont(m_w.webPage->editorFont());
    QPalette treePalette = m_w.outline->palette();
    treePalette.setColor(QPalette::Base, m_w.webPage->editorColor());
    treePalette.setColor(QPalette::Text, m_w.webPage->editorTextColor());
    m_w.outline->setPalette(treePalette);
    emit settingsApplied();
}

// The window's own settings: file list filter, panes, splitters, size and
// place, hints, the lamps' panel and the left pane's sheet.
void MainWindow::applyWindowSettings() {
    Settings &s = m_wb.settings;
    m_w.fileList->setFilter(buildOpenFilter(s.extension, s.graphicExtension));

    if (!s.showProjectPanel)
        setProjectsShown(false);

    if (s.splitPosition >= 1)
        m_w.splitScreen->setBarPercent(0, s.splitPosition);
    setSplitDirection(s.splitDirection);

    if (s.width >= 1) {
        if (s.maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        } else {
            move(s.left, s.top);
            resize(s.width, qMax(1, s.height));
        }
    }

    setHintsShown(s.showHints);
    m_w.ewsPanel->setVisible(s.useEws);
    m_w.fileTabs->setCurrentWidget(s.fileTabs == QLatin1String("File List") ? m_w.filePage
                                                                            : m_w.projectPage);
}

void MainWindow::recordWindowState() {
    Settings &s = m_wb.settings;
    s.maximized = isMaximized();
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    s.top = normal.top();
    s.left = normal.left();
    s.width = normal.width();
    s.height = normal.height();
    s.splitPosition = m_w.splitScreen->barPercent(0);
    s.fileTabs = m_w.fileTabs->tabText(m_w.fileTabs->currentIndex());
    s.showProjectPanel = m_a.displayProjects->isChecked();
}

void MainWindow::openGeneralSettings() {
    GeneralSettingsDialog dialog(m_wb.settings, m_wb.ui, this);
    dialog.setHelperTipHandler([this](int topic) { showHelperTopic(topic); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_w.fileList->setFilter(
        buildOpenFilter(m_wb.settings.extension, m_wb.settings.graphicExtension));
    for (Area *area : m_areas)
        area->settingsChanged();
    updateMenuStates();
}
