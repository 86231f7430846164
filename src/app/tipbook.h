#pragma once

#include "app/userinteraction.h"

#include <QString>
#include <QStringList>

// The lines of "TIPS.TXT" and the rules for moving through them. Lines 0 to 9
// explain the ten helper topics; the tips of the day cycle from line 10 to the
// second-to-last line (the last line is never shown).
class TipBook {
public:
    enum class Move { Open, Previous, Next };

    TipBook() = default;
    explicit TipBook(QStringList lines) : m_lines(std::move(lines)) {}

    // Reads the file; a missing or unreadable file gives an empty book.
    static TipBook load(const QString &path);

    bool isEmpty() const { return m_lines.isEmpty(); }
    int count() const { return m_lines.size(); }

    // Moves the index before a display: Next adds 1, Previous and Open subtract
    // 1; in tip mode an index below 10 becomes 10; an index below 0 becomes the
    // last line's; an index at or beyond the last line's becomes 10.
    int move(int index, Move how, bool tipMode) const;

    // The formatted line at an index. An index past the end (a book of 11 lines
    // or fewer) gives an empty text.
    TipText at(int index) const;

    // Formats one raw line: its first character chooses the title and the rest,
    // cut to 255 characters, has each of up to five "%s" replaced by a line break.
    static TipText format(const QString &line);

    // The text shown while no tips are available.
    static TipText unavailable();

private:
    QStringList m_lines;
};
