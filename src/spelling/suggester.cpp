#include "spelling/suggester.h"

#include "spelling/dctfile.h"
#include "spelling/dctformat.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// A walk visits at most this many entries of one tree. The shipped
// dictionaries need at most about 25,000; the limit only bounds the work on a
// damaged or hostile file.
constexpr std::int64_t WalkBudget = 500000;

// Costs of the ranking score, in tenths of an edit.
constexpr int FullEdit = 10;
constexpr int DoubledLetter = 5;
constexpr int Swapped = 5;
constexpr int NearLetter = 6;
constexpr int AccentOnly = 3;
constexpr int FirstLetterChanged = 4;

// The letter without its accent, for the Windows-1252 letters that have one.
unsigned char baseLetter(unsigned char c) {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = static_cast<unsigned char>(i);
        const char *groups[] = {"a\xE0\xE1\xE2\xE3\xE4\xE5",
                                "c\xE7",
                                "e\xE8\xE9\xEA\xEB",
                                "i\xEC\xED\xEE\xEF",
                                "n\xF1",
                                "o\xF2\xF3\xF4\xF5\xF6\xF8",
                                "u\xF9\xFA\xFB\xFC",
                                "y\xFD\xFF",
                                "s\x9A",
                                "z\x9E"};
        for (const char *g : groups)
            for (const char *p = g + 1; *p; ++p)
                t[static_cast<unsigned char>(*p)] = static_cast<unsigned char>(g[0]);
        return t;
    }();
    return table[c];
}

bool isVowel(unsigned char c) {
    switch (baseLetter(c)) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 'y':
        return true;
    default:
        return false;
    }
}

// Whether two letters sit next to each other on a QWERTY keyboard.
bool nearKeys(unsigned char a, unsigned char b) {
    static const char *rows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    auto place = [](unsigned char c, int &row, int &col) {
        for (int r = 0; r < 3; ++r)
            for (int i = 0; rows[r][i]; ++i)
                if (rows[r][i] == char(c)) {
                    row = r;
                    col = 2 * i + r; // each row sits half a key to the right
                    return true;
                }
        return false;
    };
    int ra, ca, rb, cb;
    if (!place(a, ra, ca) || !place(b, rb, cb))
        return false;
    return std::abs(ra - rb) <= 1 && std::abs(ca - cb) <= 2;
}

int substitutionCost(unsigned char a, unsigned char b) {
    if (a == b)
        return 0;
    if (baseLetter(a) == baseLetter(b))
        return AccentOnly;
    if ((isVowel(a) && isVowel(b)) || nearKeys(a, b))
        return NearLetter;
    return FullEdit;
}

} // namespace

Suggester::Suggester(const QByteArray &word)
    : m_target(word.constData(), size_t(std::min<qsizetype>(word.size(), dct::MaxWordBytes))),
      m_maxEdits(m_target.size() >= 3 ? 2 : 1),
      m_maxDepth(std::min(int(m_target.size()) + m_maxEdits, dct::MaxWordBytes)) {
    m_rows.assign(size_t(m_maxDepth + 1) * (m_target.size() + 1), 0);
    for (size_t j = 0; j <= m_target.size(); ++j)
        m_rows[j] = int(j);
    m_prefix.resize(size_t(m_maxDepth));
}

void Suggester::searchTree(const std::vector<std::uint32_t> &entries) {
    if (entries.size() < 2)
        DctFile::corrupt();
    m_entries = entries.data();
    m_count = std::uint32_t(entries.size() - 1);
    m_budget = WalkBudget;
    walk(1, 0);
    m_entries = nullptr;
}

void Suggester::walk(std::uint32_t k, int depth) {
    const int m = int(m_target.size());
    const unsigned char *t = reinterpret_cast<const unsigned char *>(m_target.data());
    const int *prev = row(depth);
    int *cur = row(depth + 1);
    for (;; ++k) {
        if (k == 0 || k > m_count)
            DctFile::corrupt();
        if (--m_budget < 0) {
            m_cut = true;
            return;
        }
        const std::uint32_t e = m_entries[k];
        const unsigned char c = dct::letterOf(e);
        m_prefix[size_t(depth)] = char(c);
        cur[0] = depth + 1;
        int rowMin = cur[0];
        for (int j = 1; j <= m; ++j) {
            int v = std::min(prev[j] + 1, cur[j - 1] + 1);
            v = std::min(v, prev[j - 1] + (t[j - 1] == c ? 0 : 1));
            if (depth > 0 && j > 1 && c == t[j - 2] &&
                static_cast<unsigned char>(m_prefix[size_t(depth - 1)]) == t[j - 1])
                v = std::min(v, row(depth - 1)[j - 2] + 1);
            cur[j] = v;
            rowMin = std::min(rowMin, v);
        }
        if (dct::isWordEnd(e) && cur[m] <= m_maxEdits)
            record(m_prefix.substr(0, size_t(depth + 1)), cur[m]);
        if (rowMin <= m_maxEdits && dct::nextOf(e) != 0 && depth + 1 < m_maxDepth) {
            walk(dct::nextOf(e), depth + 1);
            if (m_cut)
                return;
        }
        if (dct::isLastSibling(e))
            return;
    }
}

void Suggester::record(const std::string &word, int edits) {
    auto it = m_found.find(word);
    if (it == m_found.end())
        m_found.emplace(word, edits);
    else if (edits < it->second)
        it->second = edits;
}

void Suggester::consider(const QByteArray &candidate) {
    const std::string b(candidate.constData(), size_t(candidate.size()));
    const std::string &a = m_target;
    if (b.empty() || std::abs(int(a.size()) - int(b.size())) > m_maxEdits)
        return;
    // The plain edit count, with swapped neighbours as one edit.
    const size_t n = a.size(), w = b.size() + 1;
    std::vector<int> d((n + 1) * w);
    for (size_t i = 0; i <= n; ++i)
        for (size_t j = 0; j < w; ++j) {
            if (i == 0 || j == 0) {
                d[i * w + j] = int(i + j);
                continue;
            }
            int v = std::min(d[(i - 1) * w + j] + 1, d[i * w + j - 1] + 1);
            v = std::min(v, d[(i - 1) * w + j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1));
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                v = std::min(v, d[(i - 2) * w + j - 2] + 1);
            d[i * w + j] = v;
        }
    if (d[n * w + w - 1] <= m_maxEdits)
        record(b, d[n * w + w - 1]);
}

int Suggester::score(const QByteArray &word, const QByteArray &candidate) {
    const unsigned char *a = reinterpret_cast<const unsigned char *>(word.constData());
    const unsigned char *b = reinterpret_cast<const unsigned char *>(candidate.constData());
    const int n = int(word.size()), m = int(candidate.size()), w = m + 1;
    // Typing a letter twice, or once where it is doubled, is a small slip.
    auto removeCost = [&](const unsigned char *s, int len, int i) {
        const bool doubled = (i > 0 && s[i] == s[i - 1]) || (i + 1 < len && s[i] == s[i + 1]);
        return doubled ? DoubledLetter : FullEdit;
    };
    std::vector<int> d(size_t(n + 1) * size_t(w));
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= m; ++j) {
            int v;
            if (i == 0 && j == 0)
                v = 0;
            else if (i == 0)
                v = d[size_t(j - 1)] + removeCost(b, m, j - 1);
            else if (j == 0)
                v = d[size_t((i - 1) * w)] + removeCost(a, n, i - 1);
            else {
                v = std::min(d[size_t((i - 1) * w + j)] + removeCost(a, n, i - 1),
                             d[size_t(i * w + j - 1)] + removeCost(b, m, j - 1));
                v = std::min(v,
                             d[size_t((i - 1) * w + j - 1)] + substitutionCost(a[i - 1], b[j - 1]));
                if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                    v = std::min(v, d[size_t((i - 2) * w + j - 2)] + Swapped);
            }
            d[size_t(i * w + j)] = v;
        }
    int s = d[size_t(n * w + m)];
    if (n > 0 && m > 0 && baseLetter(a[0]) != baseLetter(b[0]))
        s += FirstLetterChanged;
    return s;
}

QList<QByteArray> Suggester::best(int max,
                                  const std::function<bool(const QByteArray &)> &skip) const {
    struct Ranked {
        int score;
        int lengthDifference;
        QByteArray word;
    };
    const QByteArray target(m_target.data(), qsizetype(m_target.size()));
    std::vector<Ranked> ranked;
    ranked.reserve(m_found.size());
    for (const auto &f : m_found) {
        QByteArray w(f.first.data(), qsizetype(f.first.size()));
        if (skip && skip(w))
            continue;
        ranked.push_back({score(target, w), std::abs(int(w.size()) - int(target.size())), w});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked &x, const Ranked &y) {
        if (x.score != y.score)
            return x.score < y.score;
        if (x.lengthDifference != y.lengthDifference)
            return x.lengthDifference < y.lengthDifference;
        return x.word < y.word;
    });
    QList<QByteArray> out;
    for (const Ranked &r : ranked) {
        if (out.size() >= max)
            break;
        out << r.word;
    }
    return out;
}
