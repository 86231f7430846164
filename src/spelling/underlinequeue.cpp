#include "spelling/underlinequeue.h"

#include <algorithm>
#include <limits>

namespace {

// Past this many spans they are joined into one: checking a little more
// text costs less than keeping track of many small pieces.
constexpr size_t kMaxSpans = 256;

} // namespace

void UnderlineQueue::reset(qint64 length) {
    m_spans.assign(1, Span{0, qMax<qint64>(0, length), false});
}

void UnderlineQueue::add(qint64 from, qint64 to, bool toNextBracket) {
    if (to < from)
        std::swap(from, to);
    from = qMax<qint64>(0, from);
    to = qMax(from, to);
    // The first span that ends at or after `from` may touch the new one.
    auto first = std::lower_bound(m_spans.begin(), m_spans.end(), from,
                                  [](const Span &s, qint64 at) { return s.to < at; });
    auto last = first;
    Span merged{from, to, toNextBracket};
    while (last != m_spans.end() && last->from <= merged.to) {
        merged.from = qMin(merged.from, last->from);
        merged.to = qMax(merged.to, last->to);
        merged.toNextBracket = merged.toNextBracket || last->toNextBracket;
        ++last;
    }
    const auto at = m_spans.erase(first, last);
    m_spans.insert(at, merged);
    if (m_spans.size() > kMaxSpans) {
        Span all{m_spans.front().from, m_spans.back().to, false};
        for (const Span &s : m_spans)
            all.toNextBracket = all.toNextBracket || s.toNextBracket;
        m_spans.assign(1, all);
    }
}

void UnderlineQueue::inserted(qint64 at, qint64 length, bool bracket) {
    for (Span &s : m_spans) {
        if (s.from >= at)
            s.from += length;
        if (s.to >= at)
            s.to += length;
    }
    add(at, at + length, bracket);
}

void UnderlineQueue::deleted(qint64 at, qint64 length, bool bracket) {
    const qint64 end = at + length;
    auto map = [at, end, length](qint64 p) { return p <= at ? p : p >= end ? p - length : at; };
    for (Span &s : m_spans) {
        s.from = map(s.from);
        s.to = map(s.to);
    }
    add(at, at, bracket);
}

bool UnderlineQueue::takeWithin(qint64 windowFrom, qint64 windowTo, qint64 maxBytes, Span &piece) {
    auto it = std::lower_bound(m_spans.begin(), m_spans.end(), windowFrom,
                               [](const Span &s, qint64 at) { return s.to < at; });
    qint64 start = 0;
    for (;; ++it) {
        if (it == m_spans.end())
            return false;
        start = qMax(it->from, windowFrom);
        if (start > windowTo)
            return false;
        // A span that only ends where the window starts has nothing in it.
        if (start < it->to || it->from == it->to)
            break;
    }
    const Span span = *it;
    piece.from = start;
    piece.to = qMin(span.to, start + qMax<qint64>(1, maxBytes));
    piece.toNextBracket = piece.to == span.to && span.toNextBracket;

    std::vector<Span> rest;
    if (span.from < piece.from)
        rest.push_back(Span{span.from, piece.from, false});
    if (piece.to < span.to)
        rest.push_back(Span{piece.to, span.to, span.toNextBracket});
    it = m_spans.erase(it);
    m_spans.insert(it, rest.begin(), rest.end());
    return true;
}

bool UnderlineQueue::take(qint64 maxBytes, Span &piece) {
    return takeWithin(0, std::numeric_limits<qint64>::max(), maxBytes, piece);
}
