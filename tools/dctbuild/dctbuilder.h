#pragma once

#include "spelling/dctformat.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// Compiles a plain word list into the entries of a main dictionary file.
//
// Words are prepared the way the checker looks them up: lower-cased, stored as
// Windows-1252 bytes, cut to 50 bytes. Words the checker can never ask for are
// left out: those ending in "'s" (the checker removes that ending first), those
// with a character Windows-1252 cannot hold, and lines with inner spaces.
//
// Identical runs of alternatives are stored once (a word graph rather than a
// plain tree); a lookup walks it exactly as it walks a tree.
class DctBuilder {
public:
    struct Counts {
        int lines = 0;         // non-empty lines seen
        int possessives = 0;   // left out: ending in "'s"
        int unencodable = 0;   // left out: no Windows-1252 code
        int notSingleWord = 0; // left out: inner white space
        int words = 0;         // distinct words stored (after build())
        std::uint32_t entries = 0;
    };

    // Adds one line of a word list.
    void addLine(const QString &line);
    // Adds every line of a word list file's contents (UTF-8 when valid,
    // otherwise Windows-1252; CR LF, LF or CR line ends).
    void addList(const QByteArray &contents);

    // Builds the entries (index 0 unused, entry 1 first). Returns false with
    // `error` set when there are no words or the entries would exceed
    // `maxEntries` (an entry can point to at most entry 4,194,303).
    bool build(std::vector<std::uint32_t> &entries, QString *error,
               std::uint32_t maxEntries = dct::MaxEntries);

    const Counts &counts() const { return m_counts; }

private:
    std::vector<std::string> m_words;
    Counts m_counts;
};
