#pragma once

#include "spelling/dctformat.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// One main dictionary file. Opening reads the file once, block by block (512
// bytes, 128 entries, from offset 83), checks it and keeps its entries in
// memory: lookups then cost no file reads, and a file changed on disk later
// does not affect the open dictionary.
//
// The file is untrusted: opening checks the signature, that every entry
// points inside the file, and that no run of alternatives that an entry
// points to can run past the last entry. Reading an entry checks its number
// again. Any damage ends in DictionaryError "Dictionary Corrupt."; nothing is
// read outside the entries, and every walk is bounded by the word's length.
class DctFile {
public:
    // Opens `path`. Throws DictionaryError: "Dictionary not found : " + path
    // when there is no such file, "Dictionary Corrupt." when it is not a
    // dictionary or is damaged.
    explicit DctFile(const QString &path);

    const QString &path() const { return m_path; }
    qint64 size() const { return m_size; }
    const QByteArray &header() const { return m_header; }
    std::uint32_t entryCount() const { return std::uint32_t(m_entries.size() - 1); }

    // Entry k, numbered from 1.
    std::uint32_t entry(std::uint32_t k) const {
        if (k == 0 || k >= m_entries.size())
            corrupt();
        return m_entries[k];
    }

    // Searches the alternatives starting at entry k for `letter`. Returns the
    // number of the last entry read: the letter's entry, or the run's last.
    std::uint32_t findLetter(std::uint32_t k, unsigned char letter) const;

    // Whether the bytes form a whole word of this dictionary (the word is cut
    // to 50 bytes).
    bool lookup(const char *word, int length) const;
    bool lookup(const QByteArray &word) const { return lookup(word.constData(), int(word.size())); }

    // All entries, index 0 unused.
    const std::vector<std::uint32_t> &entries() const { return m_entries; }

    [[noreturn]] static void corrupt();

private:
    void validate() const;

    QString m_path;
    qint64 m_size = 0;
    QByteArray m_header;
    std::vector<std::uint32_t> m_entries;
};
