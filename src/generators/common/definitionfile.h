#pragma once

#include "app/textlines.h"

#include <QString>
#include <QStringList>

// Generators keep their definitions (".tbl", ".frm", ".set" and the like) as
// text files of one entry per line. These read and write them safely: lines
// are written ended by CR LF in UTF-8 through a temporary file and a rename;
// a reader accepts CR LF, LF or CR, UTF-8 or Windows-1252, and refuses what
// cannot be a definition (a folder, a binary file, a file far too large)
// with a reason it can show the user.
namespace DefinitionFile {

// No definition a user builds comes near this size.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// Reads the lines of a definition file. A line end after the last line gives
// no empty line. Returns false and sets `error` (a full sentence naming the
// file) when the file cannot be read, is larger than `maxBytes` or holds
// binary data (NUL bytes).
bool readLines(const QString &path, QStringList &lines, QString *error,
               qint64 maxBytes = kMaxBytes);

// Splits text at CR LF, LF or CR; a line end at the very end gives no empty
// line.
using ::splitLines;

// Writes the lines, each followed by CR LF. On failure the file on disk is
// unchanged and `error` says why.
bool writeLines(const QString &path, const QStringList &lines, QString *error);

// The path with the file name's extension replaced by `extension` (".tbl"),
// or `extension` appended when the name has none. A leading dot (a hidden
// file's name) is not an extension.
QString withExtension(const QString &path, const QString &extension);

} // namespace DefinitionFile
