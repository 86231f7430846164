#include "editor/bytesearch.h"

ByteSearch::ByteSearch(const QByteArray &needle, bool matchCase) {
    for (int c = 0; c < 256; ++c)
        m_fold[c] = (!matchCase && c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
    m_needle = needle;
    for (char &c : m_needle)
        c = char(m_fold[static_cast<unsigned char>(c)]);
    // Horspool's shift table, indexed by folded bytes.
    const qsizetype m = m_needle.size();
    for (qsizetype &s : m_skip)
        s = m > 0 ? m : 1;
    for (qsizetype i = 0; i + 1 < m; ++i)
        m_skip[static_cast<unsigned char>(m_needle.at(i))] = m - 1 - i;
}

bool ByteSearch::matchesAt(const unsigned char *at) const {
    const auto *n = reinterpret_cast<const unsigned char *>(m_needle.constData());
    for (qsizetype i = 0; i < m_needle.size(); ++i) {
        if (m_fold[at[i]] != n[i])
            return false;
    }
    return true;
}

qsizetype ByteSearch::forward(const char *data, qsizetype size, qsizetype from) const {
    const qsizetype m = m_needle.size();
    if (m == 0 || from < 0)
        return -1;
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char last = static_cast<unsigned char>(m_needle.at(m - 1));
    for (qsizetype i = from; i + m <= size;) {
        const unsigned char c = m_fold[p[i + m - 1]];
        if (c == last && matchesAt(p + i))
            return i;
        i += m_skip[c];
    }
    return -1;
}

qsizetype ByteSearch::backward(const char *data, qsizetype to) const {
    const qsizetype m = m_needle.size();
    if (m == 0)
        return -1;
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char first = static_cast<unsigned char>(m_needle.at(0));
    for (qsizetype i = to - m; i >= 0; --i) {
        if (m_fold[p[i]] == first && matchesAt(p + i))
            return i;
    }
    return -1;
}
