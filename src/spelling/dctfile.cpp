#include "spelling/dctfile.h"

#include "app/regularfile.h"

#include <QFile>

DctFile::DctFile(const QString &path) : m_path(path) {
    // Only a regular file is opened: a pipe would block, a device never end.
    QFile file;
    if (!RegularFile::open(file, path).ok())
        throw DictionaryError(dct::notFoundText(path));
    m_size = file.size();
    // Refused before anything is read or allocated for it.
    if (m_size > dct::MaxFileSize)
        corrupt();
    m_header = file.read(dct::HeaderSize);
    if (m_header.size() != dct::HeaderSize || !m_header.startsWith(dct::signature()))
        corrupt();
    // A few stray bytes after the last whole entry belong to no entry.
    const qint64 count = (m_size - dct::HeaderSize) / 4;
    if (count < 1 || count > qint64(UINT32_MAX) - 1)
        corrupt();
    m_entries.assign(size_t(count) + 1, 0);

    unsigned char block[dct::BlockSize];
    std::uint32_t k = 1;
    while (k <= count) {
        const qint64 want = std::min<qint64>(dct::BlockSize, 4 * (count - k + 1));
        if (file.read(reinterpret_cast<char *>(block), want) != want)
            corrupt(); // the file shrank while it was read
        for (qint64 at = 0; at < want; at += 4, ++k)
            m_entries[k] = std::uint32_t(block[at]) | std::uint32_t(block[at + 1]) << 8 |
                           std::uint32_t(block[at + 2]) << 16 | std::uint32_t(block[at + 3]) << 24;
    }
    validate();
}

void DctFile::corrupt() {
    throw DictionaryError(dct::corruptText());
}

// Every entry must point inside the file, and the last entry that ends a run
// must lie at or after every entry pointed to (and entry 1), so that no
// search for a letter can run off the end. Cycles need no check: every walk
// is bounded by the length of a word.
void DctFile::validate() const {
    const std::uint32_t count = entryCount();
    std::uint32_t highestTarget = 1;
    std::uint32_t lastRunEnd = 0;
    for (std::uint32_t k = 1; k <= count; ++k) {
        const std::uint32_t e = m_entries[k];
        const std::uint32_t next = dct::nextOf(e);
        if (next > count)
            corrupt();
        if (next > highestTarget)
            highestTarget = next;
        if (dct::isLastSibling(e))
            lastRunEnd = k;
    }
    if (lastRunEnd < highestTarget)
        corrupt();
}

std::uint32_t DctFile::findLetter(std::uint32_t k, unsigned char letter) const {
    for (;; ++k) {
        const std::uint32_t e = entry(k);
        if (dct::letterOf(e) == letter || dct::isLastSibling(e))
            return k;
    }
}

bool DctFile::lookup(const char *word, int length) const {
    if (length > dct::MaxWordBytes)
        length = dct::MaxWordBytes;
    std::uint32_t k = 1;
    int at = 0;
    while (k != 0 && at < length) {
        const unsigned char letter = static_cast<unsigned char>(word[at]);
        const std::uint32_t e = entry(findLetter(k, letter));
        if (dct::letterOf(e) != letter)
            return false;
        ++at;
        if (at == length && dct::isWordEnd(e))
            return true;
        k = dct::nextOf(e);
    }
    return false;
}
