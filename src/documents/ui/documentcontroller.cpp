// Opening documents, switching between their tabs and closing them.

#include "documents/ui/documentcontroller.h"
#include "app/menurules.h"
#include "app/scopeguards.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/companionfiles.h"
#include "documents/documentnames.h"
#include "documents/openfilter.h"
#include "documents/staleparking.h"
#include "editor/textfile.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace {

// How long after a change the current page's text goes to its parking file.
constexpr int kParkDelayMs = 3000;

bool readWaiting(const QString &path, QByteArray &bytes, QString *error) {
    WaitCursor wait;
    return readFileBytes(path, bytes, error);
}

} // namespace

DocumentController::DocumentController(Shell &shell, PreviewPane &preview,
                                       const DocumentWidgets &widgets, MainActions &actions,
                                       QObject *parent)
    : ActiveDocument(parent), m_shell(shell), m_preview(preview), m_w(widgets), m_a(actions),
      m_editor(widgets.webPage), m_parkTimer(new QTimer(this)) {
    m_parkTimer->setSingleShot(true);
    m_parkTimer->setInterval(kParkDelayMs);
    connect(m_parkTimer, &QTimer::timeout, this, [this] {
        if (m_current >= 0 && !m_busy && m_editor->modified())
            writeParkingFile(nullptr);
    });
    connect(m_w.webPageTabs, &QTabBar::currentChanged, this, &DocumentController::tabChanged);
    m_w.webPageTabs->installEventFilter(this);

    connect(m_editor, &TLEdit::changed, this, &DocumentController::webPageChanged);
    connect(m_editor, &TLEdit::characterTyped, this, [this] {
        m_editor->setModifiedFlag(true);
        m_w.save->setEnabled(true);
    });

    wireCommands();
    wireProjectDrag();
}

DocumentController::~DocumentController() = default;

// --- Area ----------------------------------------------------------------------------

void DocumentController::applySettings() {
    setLastFilesMenu();
}

void DocumentController::firstShow() {
    loadSpareEditorContents();
}

void DocumentController::started() {
    const QString last = m_shell.settings().lastFiles[0];
    if (m_shell.settings().autoLoad && !last.isEmpty() && QFileInfo::exists(last))
        loadFile(last, false);
}

bool DocumentController::queryClose() {
    return closeAllPages();
}

void DocumentController::shutdown() {
    if (!saveSpareEditorContents())
        throw std::runtime_error("scratch pad not written");
}

void DocumentController::updateMenus(const UiState &s) {
    const bool open = s.documentOpen;
    for (QAction *x :
         {m_a.save, m_a.saveAs, m_a.closePage, m_a.closeAll, m_a.print, m_a.printerSetup})
        MainActions::setUsable(x, open);
    for (QAction *x : {m_a.newPage, m_a.open})
        MainActions::setUsable(x, true);
    for (QToolButton *button : {m_w.close, m_w.print})
        button->setEnabled(open);
    if (!open)
        m_w.save->setEnabled(false);
}

bool DocumentController::isOpen() const {
    return m_editor->isEnabled();
}

void DocumentController::markChanged() {
    m_w.save->setEnabled(true);
}

QString DocumentController::openFilter() const {
    return buildOpenFilter(m_shell.settings().extension, m_shell.settings().graphicExtension);
}

void DocumentController::setLastFilesMenu() {
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        const QString &path = m_shell.settings().lastFiles[i];
        if (path.isEmpty())
            continue;
        // A path may hold "&"; double it so it shows as written.
        m_a.lastFiles[i]->setText(QStringLiteral("&%1 ").arg(i + 1) +
                                  QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        m_a.lastFiles[i]->setData(path);
        m_a.lastFiles[i]->setVisible(true);
        any = true;
    }
    for (QAction *a : m_a.fileMenu->actions())
        if (a->objectName() == QLatin1String("LastFilesSeparator"))
            a->setVisible(any);
}

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
    // Another spelling of an open file (a link, "..") would share its parking
    // file: it counts as open too.
    return m_pages.indexOfSameFile(path);
}

// --- Opening -----------------------------------------------------------------------

bool DocumentController::readDocument(const QString &path, QByteArray &bytes, bool &fromBackup) {
    UserInteraction &ui = m_shell.ui();
    fromBackup = false;
    if (path == m_recovering) {
        const StaleParking stale = findStaleParking(path, m_pages);
        if (stale.found) {
            QString error;
            if (!readWaiting(stale.parkingPath, bytes, &error)) {
                ui.message(error, Msg::Error, Msg::Ok);
                return false;
            }
            fromBackup = true;
            return true;
        }
    }
    // Copies left by a crash or an interrupted save that hold the document's
    // own bytes lose nothing; the others are offered, newest first.
    removeIdenticalCopies(path, m_pages);
    QStringList declined;
    for (;;) {
        const StaleParking stale = findStaleParking(path, m_pages);
        if (!stale.found || declined.contains(stale.parkingPath))
            break;
        const int answer = ui.message(staleParkingQuestion(path, stale), Msg::Confirmation,
                                      Msg::Yes | Msg::No | Msg::Cancel);
        if (answer == Msg::ResultYes) {
            // The copy stays on disk until the next save replaces it.
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
        declined << stale.parkingPath;
        if (!QFile::remove(stale.parkingPath))
            break; // it cannot be removed: it would be offered for ever
    }
    if (QFileInfo::exists(path)) {
        QString error;
        if (!readWaiting(path, bytes, &error)) {
            ui.message(error, Msg::Error, Msg::Ok);
            return false;
        }
    }
    return true;
}

bool DocumentController::loadFile(const QString &givenPath, bool inProject) {
    UserInteraction &ui = m_shell.ui();
    // Kept in the clean absolute form the project tree builds its paths in,
    // so that the exact-path test of an open file finds it.
    const QString path = givenPath.isEmpty() ? givenPath
                         : QDir::isAbsolutePath(givenPath)
                             ? QDir::cleanPath(givenPath)
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
            m_w.webPageTabs->setCurrentIndex(open);
        return true;
    }
    // A file that is some open document's own copy is opened only on the
    // user's word.
    const QString owned = CompanionFiles::ownedFileQuestion(path, m_pages);
    if (!owned.isEmpty() && ui.message(owned, Msg::Warning, Msg::Yes | Msg::No) != Msg::ResultYes)
        return false;

    const QFileInfo info(path);
    const bool exists = info.exists();
    QByteArray bytes;
    bool fromBackup = false;
    if (!readDocument(path, bytes, fromBackup))
        return false;

    CountedScope busy(m_busy);
    {
        WaitCursor wait;
        PageRecord record;
        record.inProject = inProject;
        record.fileName = path;
        m_pages.append(record);
        m_tabStates.emplace_back();
        m_w.webPageTabs->addTab(DocumentNames::fileNameOf(path));

        if (m_pages.count() > 1)
            saveToPageHandle(); // leaves a new, empty document in the editor
        else
            m_editor->exchangeDocument(nullptr);
        m_current = m_pages.count() - 1;
        m_w.webPageTabs->setCurrentIndex(m_current);

        if (exists || fromBackup) {
            m_editor->loadFromBytes(std::move(bytes));
            m_editor->setModifiedFlag(false);
            m_w.save->setEnabled(false);
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
            wizardStarted = m_newPageWizard && m_newPageWizard();
    }

    m_editor->setModifiedFlag(false);
    // The text came from the backup copy, or the wizard wrote a first
    // version of the page: either is not in the file yet.
    if (fromBackup || (wizardStarted && m_editor->textLength() > 0)) {
        m_editor->setModifiedFlag(true);
        m_w.save->setEnabled(true);
    }
    m_preview.updateWebView();
    m_preview.scrollToTop();
    // Whatever opened the page, typing goes into it.
    m_editor->setFocus();
    m_shell.updateMenuStates();
    emit currentDocumentChanged();
    return exists || fromBackup || wizardStarted;
}

bool DocumentController::openRecovered(const QString &path) {
    m_recovering = QDir::cleanPath(path);
    const bool opened = loadFile(path, false);
    m_recovering.clear();
    return opened;
}

void DocumentController::pointAt(const QString &path) {
    m_saveFolder = DocumentNames::folderOf(path);
    m_saveName = DocumentNames::fileNameOf(path);
    m_shell.setFormCaption(path);
    m_currentDir = DocumentNames::folderOf(path);
    changeDirectory(m_currentDir);
    m_currentFile = path;
    m_w.webPageTabs->setToolTip(path);
}

bool DocumentController::changeDirectory(const QString &folder) {
    if (folder.isEmpty() || QDir::setCurrent(DocumentNames::workingDirectory(folder)))
        return true;
    m_shell.ui().message(Msg::kChangeDirectoryFailed, Msg::Error, Msg::Ok);
    return false;
}

void DocumentController::setDocumentControls(bool open) {
    m_editor->setEnabled(open);
    m_w.powerBook->setEnabled(open);
    m_w.powerBook->setVisible(open);
    // Every area's entries and buttons follow the open document.
    m_shell.updateMenuStates();
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
    // The parking file's name may be another open document's: the text then
    // stays in memory only.
    if (!CompanionFiles::mayWrite(parking, m_pages)) {
        if (error)
            *error = parking + QStringLiteral(" is an open document.");
        return false;
    }
    if (state.parkedCopyCurrent && state.parkedAt == m_editor->changeCount() &&
        QFileInfo::exists(parking))
        return true;
    state.parkedCopyCurrent = writeKeepingLineEnds(parking, error);
    state.parkedAt = m_editor->changeCount();
    return state.parkedCopyCurrent;
}

void DocumentController::dropParkingFile() {
    if (m_current < 0 || m_current >= m_pages.count())
        return;
    const QString parking = DocumentNames::parkingFile(m_pages.at(m_current).fileName);
    if (CompanionFiles::mayDelete(parking, m_pages))
        QFile::remove(parking);
    m_tabStates[size_t(m_current)].parkedCopyCurrent = false;
}

void DocumentController::loadFromPageHandle() {
    const int index = m_w.webPageTabs->currentIndex();
    if (index < 0 || index >= m_pages.count())
        return;
    m_current = index;
    const PageRecord &record = m_pages.at(index);
    m_currentDir = DocumentNames::folderOf(record.fileName);
    changeDirectory(m_currentDir);
    m_saveFolder = m_currentDir;
    m_saveName = DocumentNames::fileNameOf(record.fileName);
    m_currentFile = record.fileName;
    m_shell.setStatusText(Shell::HintPanel, record.fileName);
    m_w.webPageTabs->setToolTip(record.fileName);
    m_shell.setFormCaption(record.fileName);

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
    m_w.save->setEnabled(record.modified);
    m_preview.updateWebView();
}

void DocumentController::tabChanged(int index) {
    if (m_busy || index < 0 || index == m_current)
        return;
    CountedScope busy(m_busy);
    m_w.webPageTabs->setEnabled(false);
    {
        WaitCursor wait;
        saveToPageHandle();
        loadFromPageHandle();
        m_w.webPageTabs->setEnabled(true);
        m_editor->setFocus();
    }
    m_shell.updateMenuStates();
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
    const QString preview = DocumentNames::previewFile(m_currentDir);
    bool previewed = false;
    if (!CompanionFiles::mayWrite(preview, m_pages))
        error = preview + QStringLiteral(" is an open document.");
    else
        previewed = parked && writeKeepingLineEnds(preview, &error);
    m_shell.setStatusText(
        Shell::HintPanel,
        parked && previewed
            ? QStringLiteral("A backup of the File has been saved with a '_' character appended.")
            : QStringLiteral("The backup of the File could not be saved: ") + error);
}

bool DocumentController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_w.webPageTabs && event->type() == QEvent::MouseButtonRelease && !m_busy)
        backupCurrentText();
    return QObject::eventFilter(watched, event);
}

// --- Closing -----------------------------------------------------------------------

void DocumentController::clearPage() {
    m_editor->clearAll();
    m_currentFile.clear();
    m_shell.setFormCaption(QString());
    m_preview.clearPreviews();
}

bool DocumentController::closeActivePage() {
    if (m_pages.isEmpty() || m_current < 0)
        return false;
    const QString file = m_pages.at(m_current).fileName;
    if (m_editor->modified()) {
        const int answer = m_shell.ui().message(
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

    CountedScope busy(m_busy);
    for (const QString &own : {DocumentNames::parkingFile(file),
                               DocumentNames::previewFile(DocumentNames::folderOf(file))})
        if (CompanionFiles::mayDelete(own, m_pages))
            QFile::remove(own);
    clearPage();

    const int closing = m_current;
    const int tabs = m_pages.count();
    if (tabs < 2) {
        m_editor->clearAll();
        m_preview.updateWebView();
    } else {
        m_w.webPageTabs->setCurrentIndex(closing < tabs - 1 ? closing + 1 : closing - 1);
        loadFromPageHandle();
    }
    m_w.webPageTabs->removeTab(closing);
    m_pages.removeAt(closing);
    m_tabStates.erase(m_tabStates.begin() + closing);
    if (m_pages.isEmpty()) {
        m_current = -1;
        m_editor->exchangeDocument(nullptr); // no undo back into the closed page
        m_shell.setStatusText(Shell::HintPanel, QString());
        setDocumentControls(false);
    } else {
        m_current = m_w.webPageTabs->currentIndex();
    }
    m_shell.updateMenuStates();
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
        m_w.save->setEnabled(true);
    if (m_current >= 0 && !m_busy && !m_parkTimer->isActive())
        m_parkTimer->start();
}
