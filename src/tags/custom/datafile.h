#pragma once

#include "app/textlines.h"

#include <QString>
#include <QStringList>

// The program's own small line files (button files, tag-menu files): read
// whole, one entry per line, written back with CR LF through a temporary file.
namespace DataFile {

// Limits beyond which a file or a line is taken as damaged rather than read.
constexpr qint64 kMaxFileSize = 1024 * 1024;
constexpr int kMaxLineLength = 8192;

struct Lines {
    enum Status { Read, Missing, Unreadable };
    Status status = Missing;
    QStringList lines;
    QString error; // why an unreadable file could not be read
    bool ok() const { return status != Unreadable; }
};

// Reads a file's lines. Accepts CR LF, LF and CR; decodes UTF-8 when the bytes
// are valid UTF-8 (with or without BOM), otherwise Windows-1252. A final line
// end adds no empty line. A file larger than kMaxFileSize is Unreadable.
Lines read(const QString &path);

// Splits text into lines the same way.
using ::splitLines;

// Whether a line read from a file is damaged: longer than kMaxLineLength, or
// holding control characters (binary bytes) other than a tab.
bool isDamagedLine(const QString &line);

// Writes the lines in UTF-8, each followed by CR LF, to a temporary file that
// then replaces `path`. On failure the old file is kept and `error` says why.
bool write(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace DataFile
