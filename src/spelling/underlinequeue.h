#pragma once

#include <QtGlobal>
#include <vector>

// The parts of a text whose spelling marks are out of date, in positions of
// the text (bytes of the editor's document), for checking them a little at
// a time while the user types.
//
// Spans follow the text's changes: an insertion moves what lies after it and
// is itself to be checked; a deletion closes up and leaves its place to be
// checked. A span may reach "to the next bracket": a "<" or ">" typed or
// removed changes what counts as inside a tag up to the next bracket after
// it, so whoever checks such a span goes on from its end until a bracket has
// been passed (see take()).
class UnderlineQueue {
public:
    struct Span {
        qint64 from = 0;
        qint64 to = 0;              // from <= to; an empty span marks the words touching `from`
        bool toNextBracket = false; // checking goes on from `to` to the next bracket
        bool operator==(const Span &o) const {
            return from == o.from && to == o.to && toNextBracket == o.toNextBracket;
        }
    };

    void clear() { m_spans.clear(); }
    // The whole text of `length` is to be checked.
    void reset(qint64 length);
    // Marks from..to (merged with the spans it touches).
    void add(qint64 from, qint64 to, bool toNextBracket = false);
    // The text changed: `length` bytes went in at `at`, or went out from `at`.
    // `bracket`: the text that went in or out holds a "<" or ">".
    void inserted(qint64 at, qint64 length, bool bracket);
    void deleted(qint64 at, qint64 length, bool bracket);

    bool isEmpty() const { return m_spans.empty(); }
    const std::vector<Span> &spans() const { return m_spans; }

    // Takes at most `maxBytes` of pending text, starting at the first
    // pending position in [windowFrom, windowTo]. Returns false (taking
    // nothing) when nothing is pending there. The piece carries
    // `toNextBracket` only when it ends its span.
    bool takeWithin(qint64 windowFrom, qint64 windowTo, qint64 maxBytes, Span &piece);
    // The same from the first pending position of the text.
    bool take(qint64 maxBytes, Span &piece);

private:
    std::vector<Span> m_spans; // sorted, neither overlapping nor touching
};
