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
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>


QRect fitOnScreen(int wantedLeft, int wantedTop, int wantedWidth, int wantedHeight) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = qBound(100, wantedWidth, qMax(100, area.width()));
    const int height = qBound(100, wantedHeight, qMax(100, area.height()));
    // Stored places are ints from the store: keep the arithmetic in range.
    const qint64 left = std::clamp<qint64>(
        wantedLeft, area.left(), std::max<qint64>(area.left(), area.right() + 1 - width));
    const qint64 top = std::clamp<qint64>(
        wantedTop, area.top(), std::max<qint64>(area.top(), area.bottom() + 1 - height));
    return QRect(int(left), int(top), width, height);
}

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
            // A stored size or place from another screen (or a damaged
            // store) is brought onto this one.
            const QRect placed = fitOnScreen(s.left, s.top, s.width, s.height);
            move(placed.topLeft());
            resize(placed.size());
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
