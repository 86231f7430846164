#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The lines of a text as the editor splits them: a line ends at CR LF, LF or
// CR. Lines count from 1; offsets are positions in the text (UTF-16 code
// units), so a column is an offset less its line's start.
class TextLines {
public:
    explicit TextLines(QStringView text);

    int count() const { return int(m_starts.size()); }
    qsizetype start(int line) const { return m_starts[size_t(line - 1)]; }
    qsizetype end(int line) const { return m_ends[size_t(line - 1)]; } // before the line end
    // Where the line after `line` starts (the text's length after the last).
    qsizetype next(int line) const;
    // The line that holds `offset` (a line end belongs to its line).
    int lineOf(qsizetype offset) const;
    QStringView text(QStringView whole, int line) const {
        return whole.mid(start(line), end(line) - start(line));
    }

private:
    std::vector<qsizetype> m_starts;
    std::vector<qsizetype> m_ends;
    qsizetype m_length;
};

// A copy of the text with only the letters A to Z turned into lower case, so
// that every position in the copy is the same position in the text.
QString asciiLower(QStringView text);
