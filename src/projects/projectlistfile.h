#pragma once

#include "editor/textfile.h"
#include "projects/projecttree.h"

#include <QByteArray>
#include <QString>

// The project list file "project.dat": one line per tree entry in tree order,
// a project line as its text, a page line as one TAB and its text, each line
// ending in CR LF. Readers accept CR LF, LF or CR, and any number of TABs
// (more than one still means a page).

// Lines longer than this are not entries (a folder path is at most 4096
// bytes on this platform); they are left out.
constexpr int kMaxEntryLength = 4096;
// A larger list file is not read at all.
constexpr qint64 kMaxProjectListSize = qint64(16) * 1024 * 1024;

// Turns the bytes of a list file into a tree. Lines that cannot be entries
// (control characters, over-long, a page before any project) are left out
// and counted in `skippedLines`; blank lines are ignored. `format` receives
// the encoding found, so that the file can be written back the same way.
ProjectTree parseProjectList(const QByteArray &bytes, int *skippedLines = nullptr,
                             TextFormat *format = nullptr);

// The bytes of a list file: CR LF after every line, in the given encoding
// (UTF-8 when the tree holds a character Windows-1252 has not).
QByteArray formatProjectList(const ProjectTree &tree, const TextFormat &format = TextFormat());

struct ProjectListLoad {
    enum class Status { Loaded, Missing, Unreadable, TooLarge };
    Status status = Status::Loaded;
    int skippedLines = 0;
    QString error; // why the file could not be read

    // Whether everything the file held is in the tree.
    bool complete() const {
        return (status == Status::Loaded || status == Status::Missing) && skippedLines == 0;
    }
};

// Reads the list at start-up and writes it at shutdown. When the file could
// not be read whole, the next save first keeps it as "<path>.bak", so that
// what could not be read is not lost.
class ProjectListFile {
public:
    explicit ProjectListFile(const QString &path) : m_path(path) {}

    const QString &path() const { return m_path; }
    QString backupPath() const { return m_path + QStringLiteral(".bak"); }

    // Fills `tree`: from the file when it exists (an empty file gives an empty
    // tree), with the Welcome project when it does not exist, empty when it
    // cannot be read.
    ProjectListLoad load(ProjectTree &tree);
    // What to tell the user about a load; empty when there is nothing to tell.
    QString loadMessage(const ProjectListLoad &load) const;

    // Writes the whole tree through a temporary file. On failure the file from
    // before is left as it was and errorString() says why.
    bool save(const ProjectTree &tree);
    QString errorString() const { return m_error; }
    // The message for a failed save.
    QString saveFailureMessage() const;

private:
    QString m_path;
    TextFormat m_format;
    bool m_keepOriginal = false;
    QString m_error;
};
