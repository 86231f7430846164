// Opening documents, switching between their tabs and closing them.

#include "documents/ui/documentcontroller.h"
#include "app/ui/mainwindow.h"
#include "app/userinteraction.h"
#include "documents/documentnames.h"
#include "documents/staleparking.h"
#include "editor/textfile.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "preview/htmlviewer.h"
#include "settings/settings.h"
#include "tags/ui/tagcontroller.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <stdexcept>

namespace {

// The hourglass for the length of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// Counts the controller's own changes for their duration.
class BusyScope {
public:
    explicit BusyScope(int &busy) : m_busy(busy) { ++m_busy; }
    ~BusyScope() { --m_busy; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    int &m_busy;
};

bool readWaiting(const QString &path, QByteArray &bytes, QString *error) {
    WaitCursor wait;
    return readFileBytes(path, bytes, error);
}

} // namespace

DocumentController::DocumentController(MainWindow &window)
    : QObject(&window), m_window(window), m_editor(window.widgets().webPage) {
    MainWidgets &w = window.widgets();
    connect(w.webPageTabs, &QTabBar::currentChanged, this, &DocumentController::tabChanged);
    w.webPageTabs->installEventFilter(this);

    connect(m_editor, &TLEdit::changed, this, &DocumentController::webPageChanged);
    connect(m_editor, &TLEdit::characterTyped, this, [this] {
        m_editor->setModifiedFlag(true);
        m_window.widgets().buttons.save->setEnabled(true);
    });
    for (TLEdit *editor : {w.webPage, w.spareEditor})
        connect(editor, &QsciScintilla::selectionChanged, this,
                &DocumentController::updateCopyCutButtons);
    connect(w.spareEditor, &TLEdit::changed, this, [this] {
        updateCopyCutButtons();
        m_window.checkClipboard();
    });
    // Copy and Cut follow the editor that takes the focus. (Watching the
    // application's focus changes instead would also report the editors'
    // own teardown.)
    w.webPage->installEventFilter(this);
    w.spareEditor->installEventFilter(this);

    MainWindow::Hooks &hooks = window.hooks();
    hooks.closeAllPages = [this] { return closeAllPages(); };
    hooks.loadScratchPad = [this] { loadSpareEditorContents(); };
    hooks.saveScratchPad = [this] {
        if (!saveSpareEditorContents())
            throw std::runtime_error("scratch pad not written");
    };
    hooks.autoLoadLastFile = [this] {
        const QString last = m_window.workbench().settings.lastFiles[0];
        if (!last.isEmpty() && QFileInfo::exists(last))
            loadFile(last, false);
    };

    wireCommands();
    wireProjectDrag();
}

DocumentController::~DocumentController() = default;

QString DocumentController::currentFile() const {
    return m_currentFile;
}
QString DocumentController::currentDir() const {
    return m_currentDir;
}
int DocumentController::count() const {
    return m_pages.count();
}

bool DocumentController::isFileNameOpen(const QString &path) const {
    return m_pages.isFileNameOpen(path);
}

int DocumentController::openIndexOf(const QString &path) const {
    const int exact = m_pages.indexOf(path);
    if (exact >= 0)
        return exact;
    // Another spelling of an open file (a link, "..") would share its parking
    // file: it counts as open too.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return -1;
    for (int i = m_pages.count() - 1; i >= 0; --i) {
        if (QFileInfo(m_pages.at(i).fileName).canonicalFilePath() == canonical)
            return i;
    }
    return -1;
}

// --- Opening -----------------------------------------------------------------------

bool DocumentController::readDocument(const QString &path, QByteArray &bytes, bool &fromBackup) {
    UserInteraction &ui = m_window.workbench().ui;
    fromBackup = false;
    bool dropBackup = false;
    const StaleParking stale = findStaleParking(path);
    if (stale.found) {
        const int answer = ui.message(staleParkingQuestion(path, stale), Msg::Confirmation,
                                      Msg::Yes | Msg::No | Msg::Cancel);
        if (answer == Msg::ResultYes) {
            QString error;
            if (!readWaiting(stale.parkingPath, bytes, &error)) {
                ui.message(error, Msg::Error, Msg::Ok);
                return false;
            }
            fromBackup = true;
            return true;
        }
        if (answer != Msg::ResultNo)
            return false;
        dropBackup = true;
    }
    if (QFileInfo::exists(path)) {
        QString error;
        if (!readWaiting(path, bytes, &error)) {
            ui.message(error, Msg::Error, Msg::Ok);
            return false;
        }
    }
    // Only once the file itself has been read: the user chose its text.
    if (dropBackup)
        QFile::remove(stale.parkingPath);
    return true;
}

bool DocumentController::loadFile(const QString &givenPath, bool inProject) {
    UserInteraction &ui = m_window.workbench().ui;
    MainWidgets &w = m_window.widgets();
    const QString path = givenPath.isEmpty() || QDir::isAbsolutePath(givenPath)
                             ? givenPath
                             : QFileInfo(givenPath).absoluteFilePath();

    if (!QFileInfo::exists(path) && !DocumentNames::isNewPagePath(path)) {
        ui.message(QStringLiteral("Could not find or open: ") + givenPath, Msg::Information,
                   Msg::Ok);
        return false;
    }
    if (path.isEmpty())
        return false;

    const int open = openIndexOf(path);
    if (open >= 0) {
        if (open != m_current)
            w.webPageTabs->setCurrentIndex(open);
        return true;
    }

    const QFileInfo info(path);
    const bool exists = info.exists();
    QByteArray bytes;
    bool fromBackup = false;
    if (!readDocument(path, bytes, fromBackup))
        return false;

    BusyScope busy(m_busy);
    {
        WaitCursor wait;
        PageRecord record;
        record.inProject = inProject;
        record.fileName = path;
        m_pages.append(record);
        m_tabStates.emplace_back();
        w.webPageTabs->addTab(DocumentNames::fileNameOf(path));

        if (m_pages.count() > 1)
            saveToPageHandle(); // leaves a new, empty document in the editor
        else
            m_editor->exchangeDocument(nullptr);
        m_current = m_pages.count() - 1;
        w.webPageTabs->setCurrentIndex(m_current);

        if (exists || fromBackup) {
            m_editor->loadFromBytes(std::move(bytes));
            m_editor->setModifiedFlag(false);
            w.buttons.save->setEnabled(false);
        }
        pointAt(path);
        pushRecentFile(path);
    }

    if (exists) {
        const QFile::Permissions writeBits =
            QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (!info.isWritable() || !(info.permissions() & writeBits))
            ui.plainMessage(QStringLiteral("File opened in Read-Only mode"));
    }
    // The editor is usable before the wizard of a new page may write into it.
    setDocumentControls(true);
    bool wizardStarted = false;
    if (!fromBackup && (!exists || info.size() == 0)) {
        if (ui.message(QStringLiteral("Empty file, start creation of new page?"), Msg::Information,
                       Msg::Yes | Msg::No) == Msg::ResultYes)
            wizardStarted = m_window.tags()->startInitialValues();
    }

    m_editor->setModifiedFlag(false);
    if (fromBackup) {
        // The text came from the backup copy, not from the file.
        m_editor->setModifiedFlag(true);
        w.buttons.save->setEnabled(true);
    }
    m_window.preview()->updateWebView();
    w.htmlSplit->setPosition(0);
    m_window.updateMenuStates();
    emit currentDocumentChanged();
    return exists || fromBackup || wizardStarted;
}

void DocumentController::pointAt(const QString &path) {
    MainWidgets &w = m_window.widgets();
    m_saveFolder = DocumentNames::folderOf(path);
    m_saveName = DocumentNames::fileNameOf(path);
    m_window.setFormCaption(path);
    m_currentDir = DocumentNames::folderOf(path);
    changeDirectory(m_currentDir);
    m_currentFile = path;
    w.webPageTabs->setToolTip(path);
}

bool DocumentController::changeDirectory(const QString &folder) {
    if (folder.isEmpty() || QDir::setCurrent(DocumentNames::workingDirectory(folder)))
        return true;
    m_window.workbench().ui.message(QStringLiteral("Error changing default directory."), Msg::Error,
                                    Msg::Ok);
    return false;
}

void DocumentController::setDocumentControls(bool open) {
    MainWidgets &w = m_window.widgets();
    ToolButtons &b = w.buttons;
    m_editor->setEnabled(open);
    w.powerBook->setEnabled(open);
    w.powerBook->setVisible(open);
    m_window.actions().viewFullScreen->setVisible(open);
    if (open) {
        for (QToolButton *button : {b.paste, b.spell, b.close, b.print, b.refresh, b.fullScreen})
            button->setEnabled(true);
        b.browser->setEnabled(!m_window.workbench().settings.browser1.isEmpty());
    } else {
        for (QToolButton *button : {b.paste, b.copy, b.cut, b.spell, b.close, b.save, b.print,
                                    b.refresh, b.fullScreen, b.browser})
            button->setEnabled(false);
    }
}

// --- Parking and tab changes ---------------------------------------------------------

bool DocumentController::writeKeepingLineEnds(const QString &path, QString *error) {
    // The copies the program keeps for itself hold the text as it is, whatever
    // line ends saving is set to write.
    const bool unixStyle = m_editor->unixStyleSave();
    const bool macStyle = m_editor->macStyleSave();
    m_editor->setUnixStyleSave(false);
    m_editor->setMacStyleSave(false);
    const bool ok = m_editor->saveToFile(path, error);
    m_editor->setUnixStyleSave(unixStyle);
    m_editor->setMacStyleSave(macStyle);
    return ok;
}

void DocumentController::saveToPageHandle() {
    if (m_current < 0 || m_current >= m_pages.count())
        return;
    PageRecord &record = m_pages.at(m_current);
    m_editor->readSelection();
    record.startPos = m_editor->startPos;
    record.startLine = m_editor->startLine;
    record.endPos = m_editor->endPos;
    record.endLine = m_editor->endLine;
    record.modified = m_editor->modified();
    // The text stays in memory; the parking file is its copy on disk. When
    // it cannot be written (a read-only folder) nothing is lost.
    writeParkingFile(nullptr);
    m_tabStates[size_t(m_current)].held = m_editor->exchangeDocument(nullptr);
}

bool DocumentController::writeParkingFile(QString *error) {
    TabState &state = m_tabStates[size_t(m_current)];
    const QString parking = DocumentNames::parkingFile(m_pages.at(m_current).fileName);
    if (state.parkedCopyCurrent && state.parkedAt == m_editor->changeCount() &&
        QFileInfo::exists(parking))
        return true;
    state.parkedCopyCurrent = writeKeepingLineEnds(parking, error);
    state.parkedAt = m_editor->changeCount();
    return state.parkedCopyCurrent;
}

void DocumentController::loadFromPageHandle() {
    MainWidgets &w = m_window.widgets();
    const int index = w.webPageTabs->currentIndex();
    if (index < 0 || index >= m_pages.count())
        return;
    m_current = index;
    const PageRecord &record = m_pages.at(index);
    m_currentDir = DocumentNames::folderOf(record.fileName);
    changeDirectory(m_currentDir);
    m_saveFolder = m_currentDir;
    m_saveName = DocumentNames::fileNameOf(record.fileName);
    m_currentFile = record.fileName;
    w.statusPanels[2]->setText(record.fileName);
    w.webPageTabs->setToolTip(record.fileName);
    m_window.setFormCaption(record.fileName);

    TabState &state = m_tabStates[size_t(index)];
    std::unique_ptr<TLEditDocument> held = std::move(state.held);
    if (held) {
        m_editor->exchangeDocument(std::move(held));
    } else {
        // Not held in memory: the parking file has the text.
        m_editor->exchangeDocument(nullptr);
        m_editor->loadFromFile(DocumentNames::parkingFile(record.fileName));
    }
    state.parkedAt = m_editor->changeCount(); // the held text has not changed
    m_editor->startLine = record.startLine;
    m_editor->startPos = record.startPos;
    m_editor->endLine = record.endLine;
    m_editor->endPos = record.endPos;
    m_editor->applySelection();
    m_editor->setModifiedFlag(record.modified);
    w.buttons.save->setEnabled(record.modified);
    m_window.preview()->updateWebView();
}

void DocumentController::tabChanged(int index) {
    if (m_busy || index < 0 || index == m_current)
        return;
    BusyScope busy(m_busy);
    MainWidgets &w = m_window.widgets();
    w.webPageTabs->setEnabled(false);
    {
        WaitCursor wait;
        saveToPageHandle();
        loadFromPageHandle();
        w.webPageTabs->setEnabled(true);
        m_editor->setFocus();
        if (m_window.workbench().settings.useEws)
            m_window.tags()->webPageClick();
        m_window.getLocation();
    }
    m_window.updateMenuStates();
    emit currentDocumentChanged();
}

void DocumentController::backupCurrentText() {
    if (m_current < 0 || m_currentFile.isEmpty())
        return;
    if (!changeDirectory(m_currentDir))
        return;
    WaitCursor wait;
    QString error;
    const bool parked = writeParkingFile(&error);
    const bool previewed =
        parked && writeKeepingLineEnds(DocumentNames::previewFile(m_currentDir), &error);
    m_window.widgets().statusPanels[2]->setText(
        parked && previewed
            ? QStringLiteral("A backup of the File has been saved with a '_' character appended.")
            : QStringLiteral("The backup of the File could not be saved: ") + error);
}

bool DocumentController::eventFilter(QObject *watched, QEvent *event) {
    const MainWidgets &w = m_window.widgets();
    if (watched == w.webPageTabs && event->type() == QEvent::MouseButtonRelease && !m_busy)
        backupCurrentText();
    else if ((watched == w.webPage || watched == w.spareEditor) && event->type() == QEvent::FocusIn)
        updateCopyCutButtons();
    return QObject::eventFilter(watched, event);
}

// --- Closing -----------------------------------------------------------------------

void DocumentController::clearPage() {
    m_editor->clearAll();
    m_currentFile.clear();
    m_window.setFormCaption(QString());
    m_window.widgets().htmlSplit->clear();
}

bool DocumentController::closeActivePage() {
    if (m_pages.isEmpty() || m_current < 0)
        return false;
    const QString file = m_pages.at(m_current).fileName;
    if (m_editor->modified()) {
        const int answer = m_window.workbench().ui.message(
            QStringLiteral("Save ") + file + QStringLiteral(" before closing?"), Msg::Confirmation,
            Msg::Yes | Msg::No | Msg::Cancel);
        if (answer == Msg::ResultYes) {
            // A failed save keeps the document open: closing would lose it.
            if (!save())
                return false;
        } else if (answer != Msg::ResultNo) {
            return false;
        }
    }

    BusyScope busy(m_busy);
    MainWidgets &w = m_window.widgets();
    QFile::remove(DocumentNames::parkingFile(file));
    QFile::remove(DocumentNames::previewFile(DocumentNames::folderOf(file)));
    clearPage();

    const int closing = m_current;
    const int tabs = m_pages.count();
    if (tabs < 2) {
        m_editor->clearAll();
        m_window.preview()->updateWebView();
    } else {
        w.webPageTabs->setCurrentIndex(closing < tabs - 1 ? closing + 1 : closing - 1);
        loadFromPageHandle();
    }
    w.webPageTabs->removeTab(closing);
    m_pages.removeAt(closing);
    m_tabStates.erase(m_tabStates.begin() + closing);
    if (m_pages.isEmpty()) {
        m_current = -1;
        m_editor->exchangeDocument(nullptr); // no undo back into the closed page
        setDocumentControls(false);
    } else {
        m_current = w.webPageTabs->currentIndex();
    }
    m_window.updateMenuStates();
    emit currentDocumentChanged();
    return true;
}

bool DocumentController::closeAllPages() {
    while (!m_pages.isEmpty()) {
        if (!closeActivePage())
            return false;
    }
    return true;
}

// --- Editor events -----------------------------------------------------------------

void DocumentController::webPageChanged() {
    if (m_editor->modified())
        m_window.widgets().buttons.save->setEnabled(true);
    // Opening, switching and closing refresh the preview themselves.
    if (!m_busy && m_window.workbench().settings.autoUpdate && m_window.documentOpen())
        m_window.preview()->updateWebView();
    updateCopyCutButtons();
    m_window.checkClipboard();
}

void DocumentController::updateCopyCutButtons() {
    if (!m_window.documentOpen())
        return;
    const bool selection = m_window.activeEditor()->hasSelectedText();
    m_window.widgets().buttons.copy->setEnabled(selection);
    m_window.widgets().buttons.cut->setEnabled(selection);
}
