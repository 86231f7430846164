#pragma once

#include <QString>
#include <QStringList>

// Plain-text word lists (the user's list, the exclusion list): one word per
// line.

// Reads the non-empty lines of a word list, trimmed. Returns false when the
// file cannot be read. `wasUtf8` tells whether it was read as UTF-8 (as
// opposed to Windows-1252).
bool readWordListFile(const QString &path, QStringList &words, bool *wasUtf8 = nullptr);

// Writes the words one per line with CR LF line ends, as UTF-8 or, when
// `utf8` is false and every word fits, as Windows-1252. The file is written
// beside its final name and renamed over it.
bool writeWordListFile(const QString &path, const QStringList &words, bool utf8,
                       QString *error = nullptr);

// File names compare without regard to letter case on the system the
// dictionaries come from. Returns `path` when it exists; otherwise the file in
// the same folder whose name differs only in letter case, if there is exactly
// one; otherwise `path`.
QString existingPathIgnoringCase(const QString &path);

// A path as stored or typed, with "\" read as a folder separator.
QString normalizedPath(const QString &path);
