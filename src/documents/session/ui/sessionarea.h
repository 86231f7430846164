#pragma once

#include "app/area.h"
#include "documents/session/recovery.h"
#include "documents/session/sessionlist.h"

#include <QObject>
#include <QStringList>
#include <functional>

class DocumentController;
class QTimer;
class Shell;

// Asks the user what to do with each recoverable page: fills `actions` (one
// per page) and returns true, or returns false to decide later (nothing is
// touched then, and the pages are offered again at the next start).
using RecoveryChooser =
    std::function<bool(const QList<RecoverablePage> &pages, QList<RecoveryAction> &actions)>;

struct SessionOptions {
    // Where the lists of open documents are kept; empty: none is kept and
    // nothing is recovered.
    QString sessionsFolder;
    // The files the program was started with.
    QStringList files;
    // Empty: the "Recover unsaved pages" dialog asks.
    RecoveryChooser chooser;
};

// The program's run as the desktop sees it: it keeps the list of open
// documents current (SessionList), offers at start the unsaved pages of runs
// that ended without closing them, then opens the files the program was
// started with, and later the files a second start hands over.
class SessionArea : public QObject, public Area {
    Q_OBJECT
public:
    SessionArea(Shell &shell, DocumentController &documents, SessionOptions options,
                QObject *parent = nullptr);
    ~SessionArea() override;

    // --- Area ---------------------------------------------------------------------
    void created() override;
    void started() override;
    void shutdown() override;

    // Opens each file in a tab once the start-up steps are over and no
    // dialog is up, and brings the window to the front.
    void openFiles(const QStringList &files);
    // Offers the unsaved pages of ended runs (run at start).
    void recover();

    const SessionList &sessionList() const { return m_list; }

private:
    void openPending();
    void recordOpenDocuments();
    bool choose(const QList<RecoverablePage> &pages, QList<RecoveryAction> &actions);

    Shell &m_shell;
    DocumentController &m_documents;
    SessionOptions m_options;
    SessionList m_list;
    QStringList m_pending;
    bool m_started = false;
    QTimer *m_retry;
};
