#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Every file the program reads goes through here. Only regular files (or
// links to them) are opened: a named pipe would block the program until some
// other program writes to it, and a device such as /dev/zero never ends while
// its size reads as 0. Anything else is refused with a message, without ever
// being opened.
namespace RegularFile {

enum class Failure {
    None,
    Missing,    // nothing at the path
    Folder,     // a folder
    NotRegular, // a pipe, a device or a socket
    CannotOpen, // no permission and the like
    TooLarge,   // larger than the caller accepts
    CannotRead, // a read error part way
};

struct Outcome {
    Failure failure = Failure::None;
    QString message; // for the user; names the path and the reason
    bool ok() const { return failure == Failure::None; }
};

// Whether `path` is a regular file or a link to one. Looks, opens nothing.
bool isRegular(const QString &path);

// What is at `path`, looked at without opening it: None for a regular file
// (or a link to one), else Missing, Folder or NotRegular with its message.
Outcome inspect(const QString &path);

// Whether a file may be written under `path`: nothing is there yet, or a
// regular file (or a link to one) is. A folder, a pipe, a device or a socket
// is refused; a writer that renames over its target would replace it (or,
// through a link, a device itself).
Outcome replaceable(const QString &path);

// Opens `path` read-only when it is a regular file; `file` is left closed
// otherwise.
Outcome open(QFile &file, const QString &path);

// Reads a whole regular file of at most `maxBytes` bytes. No more than that is
// ever read, whatever size the file claims (files in /proc read as empty).
Outcome readAll(const QString &path, QByteArray &out, qint64 maxBytes);

} // namespace RegularFile
