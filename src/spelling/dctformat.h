#pragma once

#include "app/textlines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

// The main dictionary file ("*.DCT"): an 83-byte header whose first 50 bytes
// are the signature, then 32-bit little-endian entries numbered from 1. The
// entries form a letter tree: the alternatives for one position of a word are
// consecutive entries ending with the one that carries the last-sibling flag,
// and each entry names the first entry of the letters that may follow it.
namespace dct {

constexpr int HeaderSize = 83;
constexpr int SignatureSize = 50;
constexpr int BlockSize = 512;
constexpr int EntriesPerBlock = BlockSize / 4;
// Words are looked up by at most this many bytes.
constexpr int MaxWordBytes = 50;

constexpr std::uint32_t LastSiblingFlag = 1u << 23;
constexpr std::uint32_t WordEndFlag = 1u << 22;
constexpr std::uint32_t NextMask = (1u << 22) - 1;
// The highest entry number an entry can point to.
constexpr std::uint32_t MaxEntries = NextMask;
// The largest file that can be a dictionary: past the highest entry an entry
// can point to, only the rest of that entry's run of alternatives (at most one
// per letter) can ever be read. Larger files are refused before they are read.
constexpr qint64 MaxFileSize = HeaderSize + 4 * (qint64(MaxEntries) + 256) + 3;

inline unsigned char letterOf(std::uint32_t e) {
    return static_cast<unsigned char>(e >> 24);
}
inline bool isLastSibling(std::uint32_t e) {
    return (e & LastSiblingFlag) != 0;
}
inline bool isWordEnd(std::uint32_t e) {
    return (e & WordEndFlag) != 0;
}
inline std::uint32_t nextOf(std::uint32_t e) {
    return e & NextMask;
}
inline std::uint32_t makeEntry(unsigned char letter, bool last, bool wordEnd, std::uint32_t next) {
    return (std::uint32_t(letter) << 24) | (last ? LastSiblingFlag : 0u) |
           (wordEnd ? WordEndFlag : 0u) | (next & NextMask);
}

// The 50 signature bytes: the copyright text followed by zero bytes.
QByteArray signature();

// Offset in the file of entry k (k >= 1).
inline qint64 entryOffset(std::uint32_t k) {
    return HeaderSize + 4 * (qint64(k) - 1);
}

// Message texts of the dictionary failures.
QString notFoundText(const QString &path);
QString corruptText();
QString multipleText();

} // namespace dct

// A failure of the dictionaries, carrying the exact text to show the user.
class DictionaryError : public std::runtime_error {
public:
    explicit DictionaryError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// Windows-1252, the code page of the letters stored in dictionary files.
namespace cp1252 {

// Encodes `text`; returns false (and leaves `out` unspecified) when a
// character has no Windows-1252 code.
bool encode(const QString &text, QByteArray &out);
// Like encode(), but puts `replacement` for each character without a code.
QByteArray encodeLossy(const QString &text, char replacement);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, int length);

} // namespace cp1252

// Plain text files (word lists): decoded as UTF-8 (a byte-order mark dropped)
// when the bytes are valid UTF-8, otherwise as Windows-1252; `wasUtf8` tells
// which. Lines may end in CR LF, LF or CR.
QString decodeText(const QByteArray &bytes, bool *wasUtf8 = nullptr);
