#include "spelling/wordwalker.h"

#include "spelling/htmlentities.h"

#include <QList>

namespace {

constexpr char32_t kSoftHyphen = 0xAD;

bool isWordLetter(char32_t c) {
    if (c < 128)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool spoilsWord(char32_t c) {
    return c == '_' || QChar::isDigit(c);
}

bool isApostrophe(char32_t c) {
    return c == '\'' || c == 0x2019 || c == 0x02BC;
}

bool isAlphanumeric(QChar c) {
    return c.isLetterOrNumber();
}

void appendCharacter(QString &text, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
    } else {
        text += QChar(char16_t(c));
    }
}

} // namespace

WordWalker::WordWalker(QStringView text, bool skipTags, bool inTag)
    : m_text(text), m_skipTags(skipTags), m_inTag(skipTags && inTag) {}

WordWalker::Char WordWalker::charAt(qsizetype at) const {
    const QChar raw = m_text[at];
    if (raw == u'&') {
        const htmlentity::Decoded d = htmlentity::decodeAt(m_text, at);
        if (d.length > 0)
            return {d.character, d.length};
    } else if (raw.isHighSurrogate() && at + 1 < m_text.size() && m_text[at + 1].isLowSurrogate()) {
        return {QChar::surrogateToUcs4(raw, m_text[at + 1]), 2};
    }
    return {raw.unicode(), 1};
}

std::optional<WalkedWord> WordWalker::next() {
    const qsizetype n = m_text.size();
    while (m_pos < n) {
        if (m_skipTags) {
            if (m_inTag) {
                const qsizetype close = m_text.indexOf(u'>', m_pos);
                if (close < 0) {
                    m_pos = n;
                    break;
                }
                m_pos = close + 1;
                m_inTag = false;
                continue;
            }
            if (m_text[m_pos] == u'<') {
                m_inTag = true;
                ++m_pos;
                continue;
            }
        }
        const Char ch = charAt(m_pos);
        if (isWordLetter(ch.c) || spoilsWord(ch.c)) {
            WalkedWord word;
            if (takeRun(word))
                return word;
            continue;
        }
        m_pos += ch.length;
    }
    return std::nullopt;
}

bool WordWalker::takeRun(WalkedWord &word) {
    const qsizetype n = m_text.size();
    const qsizetype start = m_pos;
    qsizetype end = m_pos; // just after the last letter taken
    bool spoiled = false;
    QString text;
    // Whether a letter follows at `at` (an apostrophe or soft hyphen is only
    // part of the word between letters).
    auto letterAt = [this, n](qsizetype at) {
        if (at >= n || (m_skipTags && m_text[at] == u'<'))
            return false;
        const char32_t c = charAt(at).c;
        return isWordLetter(c) || spoilsWord(c);
    };
    qsizetype i = m_pos;
    while (i < n) {
        if (m_skipTags && m_text[i] == u'<')
            break;
        const Char ch = charAt(i);
        if (isWordLetter(ch.c) || spoilsWord(ch.c)) {
            spoiled = spoiled || spoilsWord(ch.c);
            appendCharacter(text, ch.c);
            i += ch.length;
            end = i;
        } else if (ch.c == kSoftHyphen && letterAt(i + ch.length)) {
            i += ch.length;
        } else if (isApostrophe(ch.c) && letterAt(i + ch.length)) {
            text += QLatin1Char('\'');
            i += ch.length;
        } else {
            break;
        }
    }
    m_pos = end;
    if (spoiled || partOfAddress(start, end))
        return false;
    word.text = std::move(text);
    word.start = start;
    word.end = end;
    return true;
}

bool WordWalker::partOfAddress(qsizetype runStart, qsizetype runEnd) const {
    const qsizetype n = m_text.size();
    if (runStart > 0) {
        const QChar before = m_text[runStart - 1];
        if (before == u'@' || before == u'/' || before == u'\\')
            return true;
        if (before == u'.' && runStart > 1 && isAlphanumeric(m_text[runStart - 2]))
            return true;
    }
    if (runEnd < n) {
        const QChar after = m_text[runEnd];
        if (after == u'@' || after == u'/' || after == u'\\')
            return true;
        const bool nextIsName = runEnd + 1 < n && isAlphanumeric(m_text[runEnd + 1]);
        if (after == u'.' && nextIsName)
            return true;
        if (after == u':' && runEnd + 1 < n && m_text[runEnd + 1] == u'/')
            return true;
    }
    return false;
}

bool WordWalker::endsInTag(QStringView text, bool inTag) {
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i] == u'>')
            return false;
        if (text[i] == u'<')
            return true;
    }
    return inTag;
}

QString replacementLike(QStringView original, const QString &replacement) {
    bool usesReferences = false;
    QString apostropheForm;
    for (qsizetype i = 0; i < original.size();) {
        qsizetype length = 1;
        char32_t c = original[i].unicode();
        if (original[i] == u'&') {
            const htmlentity::Decoded d = htmlentity::decodeAt(original, i);
            if (d.length > 0) {
                usesReferences = true;
                c = d.character;
                length = d.length;
            }
        }
        if (isApostrophe(c) && apostropheForm.isEmpty())
            apostropheForm = original.mid(i, length).toString();
        i += length;
    }
    QString out;
    const QList<uint> characters = replacement.toUcs4();
    for (const uint c : characters) {
        if (c == '\'' && !apostropheForm.isEmpty()) {
            out += apostropheForm;
            continue;
        }
        if (usesReferences && c >= 128) {
            const QString name = htmlentity::namedReference(c);
            if (!name.isEmpty()) {
                out += name;
                continue;
            }
        }
        appendCharacter(out, c);
    }
    return out;
}
