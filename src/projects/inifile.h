#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// An INI text file read and rewritten line by line, as Windows programs keep
// them: section and key names match in any letter case, blanks around keys
// and values do not count, and a value in quotes loses them. Setting a value
// changes only its own line (or adds one at the end of its section), so
// every other line, comment and unknown key stays exactly as it was.
//
// Files are read as UTF-16 when they start with its byte order mark, else as
// UTF-8 when they are valid UTF-8 (with or without a BOM), else as
// Windows-1252; they are written back the same way, with CR LF line ends.
class IniFile {
public:
    // Larger files are not read (and so never written over).
    static constexpr qint64 kMaxSize = 1024 * 1024;

    // Reads a file; a missing file reads as empty. Returns false (and keeps
    // the file from being written over by save()) when it exists but cannot
    // be read.
    bool load(const QString &path);
    void setBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
    // Writes the file through a temporary file. Returns false and sets
    // errorString() when it cannot.
    bool save(const QString &path);
    QString errorString() const { return m_error; }

    std::optional<QString> value(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &missing) const {
        return value(section, key).value_or(missing);
    }
    // Line breaks in the value become blanks: a value is one line.
    void setValue(const QString &section, const QString &key, const QString &value);

    const QStringList &lines() const { return m_lines; }

private:
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE };

    // The line range [first, end) of a section's body; first < 0 when absent.
    void findSection(const QString &section, int &first, int &end) const;
    // The index of a key's line within [first, end); -1 when absent.
    int findKey(int first, int end, const QString &key) const;

    QStringList m_lines;
    Encoding m_encoding = Encoding::Utf8;
    bool m_byteOrderMark = false;
    bool m_unreadable = false;
    QString m_error;
};
