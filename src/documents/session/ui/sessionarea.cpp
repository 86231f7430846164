#include "documents/session/ui/sessionarea.h"
#include "app/shell.h"
#include "app/userinteraction.h"
#include "documents/session/ui/recoverpagesdialog.h"
#include "documents/ui/documentcontroller.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// How often files handed over wait for a dialog to close.
constexpr int kRetryMs = 200;

} // namespace

SessionArea::SessionArea(Shell &shell, DocumentController &documents, SessionOptions options,
                         QObject *parent)
    : QObject(parent), m_shell(shell), m_documents(documents), m_options(std::move(options)),
      m_list(m_options.sessionsFolder), m_pending(m_options.files), m_retry(new QTimer(this)) {
    m_retry->setSingleShot(true);
    m_retry->setInterval(kRetryMs);
    connect(m_retry, &QTimer::timeout, this, &SessionArea::openPending);
    connect(&m_documents, &ActiveDocument::currentDocumentChanged, this,
            &SessionArea::recordOpenDocuments);
}

SessionArea::~SessionArea() = default;

void SessionArea::created() {
    // Without a list the program runs as before; only a crash loses more.
    if (!m_options.sessionsFolder.isEmpty())
        m_list.begin();
}

void SessionArea::started() {
    recover();
    m_started = true;
    // After every area's start-up step (the last file of AutoLoad among them).
    if (!m_pending.isEmpty())
        m_retry->start(0);
}

void SessionArea::shutdown() {
    // Every document is closed by now.
    m_list.end();
}

void SessionArea::openFiles(const QStringList &files) {
    m_pending += files;
    if (m_started && !m_retry->isActive())
        m_retry->start(0);
}

void SessionArea::openPending() {
    if (QApplication::activeModalWidget()) {
        m_retry->start(kRetryMs);
        return;
    }
    const QStringList files = m_pending;
    m_pending.clear();
    for (const QString &file : files)
        m_documents.loadFile(file, false);
    if (QWidget *window = m_shell.dialogParent()) {
        window = window->window();
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

void SessionArea::recordOpenDocuments() {
    QStringList documents;
    for (int i = 0; i < m_documents.pages().count(); ++i)
        documents << m_documents.pages().at(i).fileName;
    m_list.write(documents);
}

void SessionArea::recover() {
    if (m_options.sessionsFolder.isEmpty())
        return;
    const std::vector<SessionList::EndedRun> runs = m_list.claimEndedRuns();
    if (runs.empty())
        return;
    QStringList documents;
    for (const SessionList::EndedRun &run : runs)
        documents += run.documents;
    const QList<RecoverablePage> pages = findRecoverablePages(documents, m_documents.pages());
    bool allDone = true;
    if (!pages.isEmpty()) {
        QList<RecoveryAction> actions;
        if (!choose(pages, actions) || actions.size() != pages.size())
            return; // later: the lists stay for the next start
        for (int i = 0; i < pages.size(); ++i) {
            const QString &document = pages.at(i).document;
            if (actions.at(i) == RecoveryAction::Open) {
                // A page that does not open keeps its copy for the next start.
                if (!m_documents.openRecovered(document))
                    allDone = false;
            } else {
                QString error;
                if (!discardUnsavedCopies(document, m_documents.pages(), &error)) {
                    m_shell.ui().message(error, Msg::Error, Msg::Ok);
                    allDone = false;
                }
            }
        }
    }
    if (!allDone)
        return;
    for (const SessionList::EndedRun &run : runs)
        m_list.forget(run);
}

bool SessionArea::choose(const QList<RecoverablePage> &pages, QList<RecoveryAction> &actions) {
    if (m_options.chooser)
        return m_options.chooser(pages, actions);
    RecoverPagesDialog dialog(pages, m_shell.dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    actions = dialog.actions();
    return true;
}
