#pragma once

#include <QByteArray>

// Finds a byte string in a buffer, optionally ignoring the case of ASCII
// letters. Works on UTF-8 text: the bytes of a multi-byte character are never
// mistaken for ASCII, so a match always starts and ends on whole characters.
class ByteSearch {
public:
    ByteSearch(const QByteArray &needle, bool matchCase);

    qsizetype needleSize() const { return m_needle.size(); }

    // The first match at or after `from` that lies wholly inside the buffer;
    // -1 when there is none.
    qsizetype forward(const char *data, qsizetype size, qsizetype from) const;
    // The last match that ends at or before `to`; -1 when there is none.
    qsizetype backward(const char *data, qsizetype to) const;

private:
    bool matchesAt(const unsigned char *at) const;

    QByteArray m_needle; // folded when case is ignored
    unsigned char m_fold[256];
    qsizetype m_skip[256];
};
