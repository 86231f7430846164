#pragma once

#include <QByteArray>
#include <QString>

// How a document's text is stored on disk, so that it can be written back the
// way it was read: a file opened and saved without edits gives back the same
// bytes.
struct TextFormat {
    enum class Encoding { Utf8, Windows1252 };
    enum class LineEnd { CrLf, Lf, Cr };
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineEnd lineEnd = LineEnd::CrLf; // what the file used (first line end found)
};

struct TextFile {
    QString text; // line ends as stored in the file
    TextFormat format;
};

// Decodes bytes: UTF-8 when they are valid UTF-8 (with or without BOM),
// otherwise Windows-1252.
TextFile decodeText(const QByteArray &bytes);

// The format decodeText would find, without decoding.
TextFormat detectFormat(const QByteArray &bytes);

// Whether the bytes are well-formed UTF-8: no overlong forms, no encoded
// surrogates, nothing past U+10FFFF. Such bytes decode and encode back
// unchanged.
bool isValidUtf8(const char *data, qsizetype size);

// Encodes text in the given encoding. Characters Windows-1252 cannot hold are
// written as HTML numeric character references ("&#8364;") so nothing is lost.
QByteArray encodeText(const QString &text, const TextFormat &format);

// Converts every line end of `text` (CR LF, LF or CR) to the given one.
QString withLineEnds(const QString &text, TextFormat::LineEnd lineEnd);

// Reads a whole file's bytes. Returns false and sets `error` when it cannot be
// read: also when it is a folder, a pipe, a device or a socket (none of which
// is ever opened) or too large to edit.
bool readFileBytes(const QString &path, QByteArray &out, QString *error = nullptr);

// Reads and decodes a whole file. Returns false and sets `error` when it
// cannot be read.
bool readTextFile(const QString &path, TextFile &out, QString *error = nullptr);

// Writes a whole file safely: the bytes go to a temporary file beside the
// target (savingFile), which then replaces the target. When anything fails
// the target is left untouched, the temporary file is removed and `error`
// names the system's reason ("No space left on device"). Through a link the
// file it points to is replaced and the link stays; a folder, a pipe, a
// device or a read-only file is not written.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The temporary file a save of `path` writes before renaming it over `path`.
// Its name is fixed so that a save cut short (a crash, a power cut) leaves a
// file the program can find again and offer back. A leftover of an earlier
// save under this name is replaced by the next save.
QString savingFile(const QString &path);

// Windows-1252 conversions of single characters (codes 128 to 159 differ from
// Latin-1: 153 is U+2122).
QChar windows1252ToUnicode(unsigned char code);
// The Windows-1252 code of a character, or -1 when it has none.
int unicodeToWindows1252(QChar ch);
