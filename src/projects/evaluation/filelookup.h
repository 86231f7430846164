#pragma once

#include <QHash>
#include <QString>

// Answers whether the files that pages refer to exist, and their sizes,
// asking the file system once per path. One lookup serves a whole run (an
// evaluation, or the check of every page of a project); files changed during
// the run are not seen again.
class FileLookup {
public:
    // The size of the file at `path` in bytes, or -1 when there is no such
    // file (a folder is not a file).
    qint64 fileSize(const QString &path);
    bool isFile(const QString &path) { return fileSize(path) >= 0; }
    // Whether a file or a folder is there.
    bool exists(const QString &path);

    // A path no file can have: empty, holding a NUL, or longer than any path
    // the file system takes. Such a path is not looked up.
    static bool isImpossiblePath(const QString &path);

private:
    struct Entry {
        qint64 size;  // -1 when not a file
        bool present; // file or folder
    };
    const Entry &lookup(const QString &path);
    QHash<QString, Entry> m_cache;
};

// Where a reference of a page leads: the folder, a separator, and the value
// with every "\" read as "/" (pages written on Windows keep working). The
// value is appended as it stands, so "/images/a.gif" also stays below the
// folder, as it did where the pages were first made.
QString referencePath(const QString &folder, const QString &value);
