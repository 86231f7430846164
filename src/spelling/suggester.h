#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// Finds the words closest to a misspelled word, in Windows-1252 bytes.
//
// Candidates are the words within one edit (two for words of three letters
// or more) of the word, counting a letter inserted, removed, replaced, or two
// neighbours swapped as one edit. They are found by walking the letter tree
// once, carrying one row of the edit-distance table per letter and leaving
// every branch whose row shows more edits than allowed. The candidates are
// then ranked by a finer score: doubled letters, swapped neighbours, keys
// next to each other on the keyboard, vowels for vowels and accents cost less
// than other edits, and a changed first letter costs more.
class Suggester {
public:
    explicit Suggester(const QByteArray &word);

    // Walks a whole letter tree (entries as read from a dictionary file,
    // index 0 unused). The walk is bounded: it never goes deeper than the
    // longest candidate and stops after a fixed number of entries, so a
    // damaged tree (even one with cycles) ends quickly. Throws DictionaryError
    // "Dictionary Corrupt." when an entry points outside the tree.
    void searchTree(const std::vector<std::uint32_t> &entries);

    // Considers one word from elsewhere (the user's list).
    void consider(const QByteArray &candidate);

    // The best candidates, best first, at most `max`, skipping those for
    // which `skip` returns true.
    QList<QByteArray> best(int max,
                           const std::function<bool(const QByteArray &)> &skip = nullptr) const;

    int maxEdits() const { return m_maxEdits; }
    // Whether a walk stopped early at its entry limit.
    bool walkWasCut() const { return m_cut; }

    // The ranking score of `candidate` for `word` (lower is better).
    static int score(const QByteArray &word, const QByteArray &candidate);

private:
    void walk(std::uint32_t k, int depth);
    int *row(int depth) { return m_rows.data() + size_t(depth) * (m_target.size() + 1); }
    void record(const std::string &word, int edits);

    std::string m_target;
    int m_maxEdits;
    int m_maxDepth;
    std::vector<int> m_rows;
    std::string m_prefix;
    const std::uint32_t *m_entries = nullptr;
    std::uint32_t m_count = 0;
    std::int64_t m_budget = 0;
    bool m_cut = false;
    std::unordered_map<std::string, int> m_found; // word -> edits
};
