#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// What was last sent from a project: for each site and remote name, the
// size and SHA-256 sum of the file that arrived there. Kept in "PROJECT.SNT"
// beside the project's settings file, one line per file:
//   site TAB remote name TAB size TAB sum (hexadecimal)
// A file is recorded only once its upload has succeeded, so a file whose
// send failed or was cancelled counts as changed next time.
class SentRecord {
public:
    static QString fileName() { return QStringLiteral("PROJECT.SNT"); }
    // Larger records are not read (and so not written over).
    static constexpr qint64 kMaxSize = 64 * 1024 * 1024;

    // Reads the record of a project folder; a missing file is an empty
    // record. False when the file is there but cannot be read or is too
    // large; such a record is never saved over.
    bool load(const QString &projectDir);
    // Writes the record through a temporary file. False (with `error`) when
    // it cannot be written.
    bool save(QString *error = nullptr);
    // Whether entries were recorded since the last load or save.
    bool isDirty() const { return m_dirty; }

    // The site a file goes to, as the record keys it: user, host and folder.
    static QString siteKey(const QString &host, const QString &user, const QString &folder);

    // Whether the file at `localPath` is the one last sent under `remoteName`
    // to `site`: same size and same sum. The sum is only worked out when the
    // size matches.
    bool isUnchanged(const QString &site, const QString &remoteName,
                     const QString &localPath) const;
    void recordSent(const QString &site, const QString &remoteName, qint64 size,
                    const QByteArray &sha256);
    int count() const { return int(m_entries.size()); }

    // The SHA-256 sum of a regular file; empty when it cannot be read.
    static QByteArray sha256Of(const QString &path);

private:
    struct Entry {
        qint64 size = -1;
        QByteArray sha256; // raw bytes
    };
    static QString key(const QString &site, const QString &remoteName);

    QString m_path;
    QHash<QString, Entry> m_entries;
    QStringList m_order; // keys in the order first met, so the file keeps its order
    bool m_unreadable = false;
    bool m_dirty = false;
};
