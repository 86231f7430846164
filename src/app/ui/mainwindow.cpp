#include "app/ui/mainwindow.h"
#include "app/area.h"
#include "app/helpertips.h"
#include "app/ui/aboutbox.h"
#include "app/ui/filelistpanel.h"
#include "app/ui/glyphs.h"
#include "app/ui/percentsplitter.h"
#include "app/userinteraction.h"
#include "documents/openfilter.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <stdexcept>

namespace {
const QString kApplicationTitle = QStringLiteral("Quilmead 32");
}

MainWindow::MainWindow(Workbench workbench, QWidget *parent)
    : QMainWindow(parent), m_wb(workbench) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(Glyphs::programIcon());
    resize(623, 456);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildMainWidgets(this, m_w);
    m_a.build(menuBar(), this);

    // Both editors start disabled until a document opens; the pad follows it.
    m_w.webPage->setEnabled(false);
    m_w.webPage->setUndoDepth(100);
    m_w.spareEditor->setUndoDepth(50);
    m_w.spareEditor->setEditorFont(QFont(QStringLiteral("Courier New"), 10));
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor})
        editor->setUserInteraction(&m_wb.ui);

    wireCommands();
    wireMenuEnabling();
    releaseEditorKeys();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    // Child widgets are deleted after this body; focus and selection changes
    // they cause on the way must not reach the half-destroyed window.
    detachAreas();
    if (qApp) {
        qApp->removeEventFilter(this);
        disconnect(qApp, nullptr, this, nullptr);
        disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    }
}

void MainWindow::addArea(Area *area) {
    m_areas.append(area);
}

void MainWindow::detachAreas() {
    m_destroying = true;
    m_areas.clear();
}

void MainWindow::releaseEditorKeys() {
    // The editors claim every key they have a binding for before shortcuts
    // are looked at (Ctrl+L would cut a line instead of opening the list
    // dialog). A key whose menu entry is usable at that moment goes to the
    // entry; otherwise the editor keeps it, as when the entry is disabled.
    QHash<int, QList<QAction *>> owners;
    for (QAction *a : findChildren<QAction *>())
        for (const QKeySequence &seq : a->shortcuts())
            if (!seq.isEmpty())
                owners[seq[0].toCombined()] << a;
    auto hook = [this, owners](QKeyCombination key) {
        const auto it = owners.constFind(key.toCombined());
        if (it == owners.constEnd())
            return false;
        updateMenuStates();
        for (QAction *a : *it)
            if (a->isEnabled())
                return true;
        return false;
    };
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor})
        editor->setShortcutOwnerHook(hook);
}

// --- State -----------------------------------------------------------------------------

bool MainWindow::documentOpen() const {
    return m_w.webPage->isEnabled();
}

TLEdit *MainWindow::activeEditor() const {
    return m_w.spareEditor->hasFocus() ? m_w.spareEditor : m_w.webPage;
}

UiState MainWindow::uiState() const {
    return uiStateOf(m_w);
}

// --- Shell -----------------------------------------------------------------------------

void MainWindow::setFormCaption(const QString &name) {
    setWindowTitle(formCaption(name));
}

void MainWindow::setStatusText(int panel, const QString &text) {
    if (m_destroying || panel < 0 || panel >= int(m_w.statusPanels.size()))
        return;
    m_w.statusPanels[size_t(panel)]->setText(text);
}

void MainWindow::showLinkTarget(const QString &target) {
    m_w.statusPanels[HintPanel]->setText(target);
    m_w.headerSections[3]->setText(target);
}

void MainWindow::showHelperTopic(int topic) {
    ::showHelperTopic(m_wb.ui, m_tips, m_wb.settings, topic);
}

void MainWindow::showHint(const QString &hint) {
    m_w.statusPanels[HintPanel]->setText(hint);
    m_w.headerSections[2]->setText(hint);
}

void MainWindow::setHintsShown(bool on) {
    m_hintsShown = on;
    m_a.showHints->setChecked(on);
    m_wb.settings.showHints = on;
}

void MainWindow::setFullScreen(bool on) {
    if (on == m_fullScreen)
        return;
    if (on) {
        showHelperTopic(HelperTopic::FullScreen);
        m_fullScreen = true;
        m_w.mainSplitter->hide();
        m_w.toolsPanel->hide();
        m_w.htmlFull->show();
        m_w.buttons.fullScreen->setToolTip(MainWidgets::fullScreenHint(true));
        m_w.buttons.fullScreen->setStatusTip(MainWidgets::fullScreenHint(true));
        m_a.viewFullScreen->setText(QStringLiteral("&View Split Screen!"));
    } else {
        m_fullScreen = false;
        m_w.htmlFull->hide();
        m_w.buttons.fullScreen->setToolTip(MainWidgets::fullScreenHint(false));
        m_w.buttons.fullScreen->setStatusTip(MainWidgets::fullScreenHint(false));
        m_a.viewFullScreen->setText(QStringLiteral("&View Full Screen!"));
        m_w.toolsPanel->show();
        m_w.mainSplitter->show();
    }
    for (Area *area : m_areas)
        area->fullScreenChanged(on);
}

void MainWindow::hideFullScreen() {
    if (m_fullScreen)
        setFullScreen(false);
}

void MainWindow::setProjectsShown(bool shown) {
    m_a.displayProjects->setChecked(shown);
    m_w.mainSplitter->setBarPercent(0, shown ? 25 : 0);
}

void MainWindow::setSplitDirection(int direction) {
    m_wb.settings.splitDirection = direction ? 1 : 0;
    m_w.splitScreen->setOrientation(direction ? Qt::Horizontal : Qt::Vertical);
    // Keep the bars where they were in per cent.
    m_w.splitScreen->setBarPercent(0, m_w.splitScreen->barPercent(0));
}

void MainWindow::toggleSplitStyle() {
    setSplitDirection(m_wb.settings.splitDirection ? 0 : 1);
}

// --- Start-up --------------------------------------------------------------------------

void MainWindow::runCreationStep() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runStep(m_wb.ui, QStringLiteral("FormCreate"), [this] {
        if (!QDir::setCurrent(m_wb.programDir))
            m_wb.ui.message(Msg::kChangeDirectoryFailed, Msg::Error,
                            Msg::Ok);
        m_w.htmlSplit->setHistoryMaxCount(10);
        m_w.htmlFull->setHistoryMaxCount(10);
        m_tips = TipBook::load(m_wb.programDir + QStringLiteral("TIPS.TXT"));
        const SettingsStore::ReadResult read = m_wb.store.read(m_wb.settings);
        if (!read.ok)
            m_wb.ui.message(Msg::exceptionText(QStringLiteral("ReadINI")), Msg::Warning, Msg::Ok);
        // What was read is applied even when reading stopped early, so that
        // the values before the bad one are in force (and written back).
        applySettings();
    });
    for (Area *area : m_areas)
        runStep(m_wb.ui, QStringLiteral("FormCreate"), [area] { area->created(); });
    QApplication::restoreOverrideCursor();
}

void MainWindow::runFirstShow() {
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    runStep(m_wb.ui, QStringLiteral("FormShow"), [this] {
        if (m_wb.settings.width < 1) {
            // Fit the client width to the tool bar with its tag pages, which
            // are still hidden now (they show once a page is open).
            int needed = m_w.buttonPanel->sizeHint().width() + m_w.ewsPanel->sizeHint().width() +
                         m_w.toolPages[MainWidgets::Font]->sizeHint().width() + 10;
            if (QScreen *screen = QGuiApplication::primaryScreen())
                needed = qMin(needed, screen->availableGeometry().width());
            if (needed > width()) {
                const QPoint centre = geometry().center();
                resize(needed, height());
                move(centre.x() - width() / 2, y());
            }
        }
        m_w.statusPanels[ModePanel]->setText(QStringLiteral("Insert"));
        m_a.viewFullScreen->setVisible(false);
        m_w.webPage->setModifiedFlag(false);
        for (Area *area : m_areas)
            area->firstShow();
        for (Area *area : m_areas)
            area->started();
    });
    m_w.fileList->setFilter(buildOpenFilter(m_wb.settings.extension, m_wb.settings.graphicExtension));
    updateMenuStates();
}

void MainWindow::runActivation() {
    if (m_tipShowing)
        return;
    // Only a return from outside the program counts; coming back from one of
    // the program's own dialogs (the tip dialog among them) does not.
    const bool fromOutside = !m_firstActivationDone || m_leftToOutside;
    m_firstActivationDone = true;
    m_leftToOutside = false;
    if (!fromOutside)
        return;
    runStep(m_wb.ui, QStringLiteral("FormActivate"), [this] {
        if (m_wb.settings.showTipOfTheDay && !documentOpen())
            showTipOfTheDay();
    });
}

void MainWindow::showTipOfTheDay() {
    m_tipShowing = true;
    bool show = m_wb.settings.showTipOfTheDay;
    const int last = m_wb.ui.tipOfTheDay(m_wb.settings.tipNumber, show);
    m_wb.settings.tipNumber = last + 2;
    m_wb.settings.showTipOfTheDay = show;
    m_tipShowing = false;
}

// --- Shutdown --------------------------------------------------------------------------

bool MainWindow::runShutdown() {
    for (Area *area : m_areas)
        if (!area->queryClose())
            return false;
    if (documentOpen())
        return false;
    for (Area *area : m_areas)
        runStep(m_wb.ui, QStringLiteral("FormClose"), [area] { area->shutdown(); });
    runStep(m_wb.ui, QStringLiteral("FormClose"), [this] {
        recordWindowState();
        for (Area *area : m_areas)
            area->captureSettings();
        if (!m_wb.store.write(m_wb.settings))
            throw std::runtime_error("settings not written");
    });
    return true;
}

// --- Events ----------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    runFirstShow();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (runShutdown())
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        runActivation();
    } else {
        // The program's own dialogs take activation without leaving it.
        m_leftToOutside = QApplication::activeWindow() == nullptr;
    }
}

bool MainWindow::event(QEvent *event) {
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ToolTip && !m_hintsShown) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showAbout() {
    AboutBox box(this);
    box.exec();
}
