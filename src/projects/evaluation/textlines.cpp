#include "projects/evaluation/textlines.h"

#include <algorithm>

TextLines::TextLines(QStringView text) : m_length(text.size()) {
    const QChar *p = text.data();
    const qsizetype n = text.size();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        m_starts.push_back(lineStart);
        m_ends.push_back(i);
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    // The editor always has a line after the last line end (empty text is
    // one empty line).
    m_starts.push_back(lineStart);
    m_ends.push_back(n);
}

qsizetype TextLines::next(int line) const {
    return line < count() ? m_starts[size_t(line)] : m_length;
}

int TextLines::lineOf(qsizetype offset) const {
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return int(it - m_starts.begin()); // at least 1: the first start is 0
}

QString asciiLower(QStringView text) {
    QString lower(text.size(), Qt::Uninitialized);
    const QChar *from = text.data();
    QChar *to = lower.data();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t c = from[i].unicode();
        to[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
    }
    return lower;
}
