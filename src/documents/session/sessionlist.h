#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLockFile;

// The documents open in one run of the program, kept in a small list file so
// that a later start knows, after a run that ended without closing them (a
// crash, a kill, a power cut), which pages may have unsaved text in their
// parking files. Every run keeps its own list ("<run>.lst") and holds its own
// lock ("<run>.lock") in the given folder, so that two programs running at
// once neither overwrite each other's list nor take a running program's
// pages for lost ones.
class SessionList {
public:
    // A list left by a run that has ended without closing its documents.
    struct EndedRun {
        QString listFile;
        QStringList documents;
    };

    explicit SessionList(const QString &folder);
    ~SessionList(); // releases the locks; the list files stay
    SessionList(const SessionList &) = delete;
    SessionList &operator=(const SessionList &) = delete;

    // Starts this run's list (empty) and takes its lock; false (with the
    // reason) when the folder or the files cannot be made.
    bool begin(QString *error = nullptr);
    bool isActive() const { return m_lock != nullptr; }
    // Replaces this run's list, through a temporary file; the list is written
    // only when it changed. False (with the reason) when it could not be.
    bool write(const QStringList &documents, QString *error = nullptr);
    // The run ends in order (every document closed): its list and lock go.
    void end();

    // The lists of runs that ended without end(), oldest first. Each is
    // claimed for this run (its lock taken) so that another start does not
    // offer the same pages at the same time; a running program's list is
    // never returned.
    std::vector<EndedRun> claimEndedRuns();
    // Every page of an ended run was dealt with: its list and lock go.
    void forget(const EndedRun &run);

    QString listFile() const { return m_listFile; }

    // The list file's format: one path per line, CR LF, UTF-8; "%", CR and LF
    // inside a path are written as %25, %0D and %0A.
    static QByteArray encode(const QStringList &documents);
    static QStringList decode(const QByteArray &bytes);

private:
    QString m_folder;
    QString m_listFile;
    std::unique_ptr<QLockFile> m_lock;
    QStringList m_written;
    bool m_anyWritten = false;
    struct Claim {
        QString listFile;
        std::unique_ptr<QLockFile> lock;
    };
    std::vector<Claim> m_claims;
};
