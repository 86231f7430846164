#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// One word of a text, as the spell checker sees it.
struct WalkedWord {
    QString text;        // as a reader sees it: references decoded, "'" for every apostrophe
    qsizetype start = 0; // where it starts in the walked text
    qsizetype end = 0;   // just after its last character (after a reference's ";")
};

// Walks the words of a text, for checking spelling.
//
// A word is a run of letters (and the marks that go with them), with
// apostrophes between letters ("don't", "o'clock"); a soft hyphen inside a
// word is invisible and does not end it. Character references are read as
// the character they stand for, so that "caf&eacute;" is the word "café" and
// "&nbsp;" separates words. Runs holding a digit or an underscore ("mp3",
// "user_name") are no words, nor are runs that are part of an address or a
// file name (next to "@", "/", "\", "://" or a "." followed by a letter, as
// in "index.htm" or "www.example.com").
//
// With `skipTags`, everything from "<" to the next ">" is passed over; the
// state carries from one piece of text to the next (a tag may span lines),
// so a walk can go on where the previous piece ended.
class WordWalker {
public:
    WordWalker(QStringView text, bool skipTags, bool inTag = false);

    // The next word, or none at the end of the text.
    std::optional<WalkedWord> next();

    // Whether the walk stands inside a tag (at the end, after the last word).
    bool inTag() const { return m_inTag; }
    qsizetype position() const { return m_pos; }

    // Whether the text ends inside a tag, for a walk that started outside.
    static bool endsInTag(QStringView text, bool inTag = false);

private:
    struct Char {
        char32_t c = 0;
        int length = 0; // in the walked text
    };
    Char charAt(qsizetype at) const;
    // Passes over a run of word-like characters from m_pos; returns whether it
    // is a word to check, filling `word`.
    bool takeRun(WalkedWord &word);
    bool partOfAddress(qsizetype runStart, qsizetype runEnd) const;

    QStringView m_text;
    bool m_skipTags;
    bool m_inTag;
    qsizetype m_pos = 0;
};

// The text to put in place of a word found in mark-up: when the word was
// written with character references ("caf&eacute;"), the replacement's
// characters that have a named reference are written the same way, and its
// apostrophes as the word wrote its first one. Otherwise the replacement as
// it is.
QString replacementLike(QStringView original, const QString &replacement);
