#include "spelling/ui/spellunderliner.h"

#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "spelling/spellingchecker.h"
#include "spelling/wordwalker.h"

#include <QColor>
#include <cstring>
#include <vector>

using Sci = QsciScintillaBase;

namespace {

// Text checked at a time; a slice checks pieces until its budget is spent.
constexpr qint64 kPieceBytes = 2048;
// Around the caret, checked before the rest of the screen.
constexpr qint64 kCaretWindow = 1024;
// How far a piece widens to take whole words, and how far back the start of
// a tag is looked for. Longer runs without a space or a tag are cut.
constexpr qint64 kWordReach = 256;
constexpr qint64 kTagLookBack = 64 * 1024;
// A change larger than this is taken to hold a bracket, unread.
constexpr qint64 kBracketScanLimit = 64 * 1024;
// How much text one look for the next bracket reads.
constexpr qint64 kBracketChunk = 64 * 1024;

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '<' || c == '>';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool holdsBracket(const char *bytes, qint64 count) {
    return std::memchr(bytes, '<', size_t(count)) || std::memchr(bytes, '>', size_t(count));
}

// UTF-8 length of the UTF-16 text from..to.
qint64 utf8Length(const QString &text, qsizetype from, qsizetype to) {
    qint64 n = 0;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            n += 1;
        else if (c < 0x800)
            n += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < to &&
                 QChar::isLowSurrogate(text[i + 1].unicode())) {
            n += 4;
            ++i;
        } else
            n += 3;
    }
    return n;
}

} // namespace

SpellUnderliner::SpellUnderliner(TLEdit &editor, SpellingChecker &checker, QObject *parent)
    : QObject(parent), m_editor(editor), m_checker(checker) {
    m_indicator = m_editor.indicatorDefine(QsciScintilla::SquigglePixmapIndicator);
    m_editor.setIndicatorForegroundColor(QColor(220, 0, 0), m_indicator);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &SpellUnderliner::runSlice);
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *text, int length) {
                modified(position, type, text, length);
            });
    connect(&m_editor, &QsciScintilla::cursorPositionChanged, this, &SpellUnderliner::caretMoved);
}

qint64 SpellUnderliner::length() const {
    return sci::call(&m_editor, Sci::SCI_GETLENGTH);
}

const char *SpellUnderliner::bytes(qint64 from, qint64 count) const {
    return reinterpret_cast<const char *>(
        sci::call(&m_editor, Sci::SCI_GETRANGEPOINTER, from, long(count)));
}

void SpellUnderliner::setActive(bool on) {
    if (on == m_active)
        return;
    m_active = on;
    if (on) {
        recheckAll();
    } else {
        m_timer.stop();
        m_queue.clear();
        m_heldFrom = -1;
        clearAllMarks();
    }
}

void SpellUnderliner::setSkipTags(bool on) {
    if (on == m_skipTags)
        return;
    m_skipTags = on;
    recheckAll();
}

void SpellUnderliner::recheckAll() {
    if (!m_active)
        return;
    m_queue.reset(length());
    m_carryAt = -1;
    m_heldFrom = -1;
    m_typedAt = -1;
    schedule();
}

void SpellUnderliner::clearAllMarks() {
    sci::call(&m_editor, Sci::SCI_SETINDICATORCURRENT, m_indicator);
    sci::call(&m_editor, Sci::SCI_INDICATORCLEARRANGE, 0, long(length()));
}

void SpellUnderliner::schedule() {
    if (m_active && !m_timer.isActive())
        m_timer.start();
}

// Runs before each change of the text: notes where it happens. Whether the
// text going in or out holds a bracket decides how far the change reaches.
void SpellUnderliner::modified(int position, int type, const char *text, int count) {
    const bool inserting = type & Sci::SC_MOD_BEFOREINSERT;
    if (!m_active || !(inserting || (type & Sci::SC_MOD_BEFOREDELETE)))
        return;
    bool bracket = false;
    if (m_skipTags) {
        if (count > kBracketScanLimit) {
            bracket = true;
        } else if (inserting) {
            bracket = !text || holdsBracket(text, count);
        } else {
            QByteArray going(count + 1, '\0');
            sci::textRange(&m_editor, position, position + count, going.data());
            bracket = holdsBracket(going.constData(), count);
        }
    }
    if (m_heldFrom >= 0) {
        m_queue.add(m_heldFrom, m_heldTo);
        m_heldFrom = -1;
    }
    m_carryAt = -1;
    if (inserting) {
        m_queue.inserted(position, count, bracket);
        m_typedAt = count <= 4 ? position + count : -1;
    } else {
        m_queue.deleted(position, count, bracket);
        m_typedAt = count <= 4 ? position : -1;
    }
    schedule();
}

void SpellUnderliner::caretMoved() {
    if (m_heldFrom < 0)
        return;
    const qint64 caret = sci::call(&m_editor, Sci::SCI_GETCURRENTPOS);
    if (caret >= m_heldFrom && caret <= m_heldTo)
        return;
    m_queue.add(m_heldFrom, m_heldTo);
    m_heldFrom = -1;
    m_typedAt = -1;
    schedule();
}

void SpellUnderliner::runSlice() {
    if (!m_active || m_queue.isEmpty())
        return;
    QElapsedTimer clock;
    clock.start();
    if (!m_checker.open()) {
        // No dictionary: nothing can be checked until another is named.
        m_queue.clear();
        return;
    }
    ++m_slices;
    UnderlineQueue::Span piece;
    while (takePiece(piece)) {
        checkPiece(piece);
        if (!m_checker.isOpen()) {
            m_queue.clear();
            break;
        }
        if (clock.nsecsElapsed() >= m_budget)
            break;
    }
    m_longestSlice = qMax(m_longestSlice, clock.nsecsElapsed());
    if (m_queue.isEmpty())
        emit idle();
    else
        schedule();
}

// The words around the caret first, then the lines on screen, then the rest.
bool SpellUnderliner::takePiece(UnderlineQueue::Span &piece) {
    const qint64 caret = sci::call(&m_editor, Sci::SCI_GETCURRENTPOS);
    if (m_queue.takeWithin(caret - kCaretWindow, caret + kCaretWindow, kPieceBytes, piece))
        return true;
    const long firstLine = sci::call(&m_editor, Sci::SCI_DOCLINEFROMVISIBLE,
                                     sci::call(&m_editor, Sci::SCI_GETFIRSTVISIBLELINE));
    const long lastLine = firstLine + sci::call(&m_editor, Sci::SCI_LINESONSCREEN);
    const qint64 from = sci::call(&m_editor, Sci::SCI_POSITIONFROMLINE, firstLine);
    const qint64 lines = sci::call(&m_editor, Sci::SCI_GETLINECOUNT);
    const qint64 to =
        sci::call(&m_editor, Sci::SCI_GETLINEENDPOSITION, qMin<qint64>(lastLine, lines - 1));
    if (m_queue.takeWithin(from, to, kPieceBytes, piece))
        return true;
    return m_queue.take(kPieceBytes, piece);
}

qint64 SpellUnderliner::wordStartBefore(qint64 position) const {
    const qint64 limit = qMax<qint64>(0, position - kWordReach);
    if (position <= limit)
        return position;
    const char *text = bytes(limit, position - limit);
    qint64 at = position;
    while (at > limit && !isSeparator(text[at - 1 - limit]))
        --at;
    while (at < position && isContinuationByte(text[at - limit]))
        ++at;
    return at;
}

qint64 SpellUnderliner::wordEndAfter(qint64 position) const {
    const qint64 total = length();
    const qint64 limit = qMin(total, position + kWordReach);
    if (position >= limit)
        return position;
    // A few bytes past the limit, to step back to a character's start there.
    const qint64 readTo = qMin(total, limit + 4);
    const char *text = bytes(position, readTo - position);
    qint64 at = position;
    while (at < limit && !isSeparator(text[at - position]))
        ++at;
    while (at > position && at < readTo && isContinuationByte(text[at - position]))
        --at;
    return at;
}

// Whether a position lies inside a tag: the last bracket before it opens one.
bool SpellUnderliner::insideTagAt(qint64 position) const {
    const qint64 limit = qMax<qint64>(0, position - kTagLookBack);
    if (position <= limit)
        return false;
    const char *text = bytes(limit, position - limit);
    for (qint64 i = position - limit - 1; i >= 0; --i) {
        if (text[i] == '>')
            return false;
        if (text[i] == '<')
            return true;
    }
    return false;
}

void SpellUnderliner::checkPiece(const UnderlineQueue::Span &span) {
    const qint64 total = length();
    const qint64 from = wordStartBefore(qBound<qint64>(0, span.from, total));
    const qint64 to = wordEndAfter(qBound(from, span.to, total));
    const bool inTag = m_skipTags && (from == m_carryAt ? m_carryInTag : insideTagAt(from));

    const QString text = QString::fromUtf8(bytes(from, to - from), to - from);
    const bool ascii = text.size() == to - from;
    WordWalker walker(text, m_skipTags, inTag);
    const qint64 caret = sci::call(&m_editor, Sci::SCI_GETCURRENTPOS);
    std::vector<std::pair<qint64, qint64>> marks;
    qsizetype mappedChars = 0;
    qint64 mappedBytes = 0;
    auto byteAt = [&](qsizetype offset) {
        if (ascii)
            return from + offset;
        mappedBytes += utf8Length(text, mappedChars, offset);
        mappedChars = offset;
        return from + mappedBytes;
    };
    while (std::optional<WalkedWord> w = walker.next()) {
        if (m_checker.isKnown(w->text))
            continue;
        const qint64 start = byteAt(w->start);
        const qint64 end = qMin(to, byteAt(w->end));
        if (m_typedAt >= 0 && caret == m_typedAt && start <= caret && caret <= end) {
            m_heldFrom = start;
            m_heldTo = end;
            continue;
        }
        marks.emplace_back(start, end);
    }
    sci::call(&m_editor, Sci::SCI_SETINDICATORCURRENT, m_indicator);
    sci::call(&m_editor, Sci::SCI_INDICATORCLEARRANGE, from, long(to - from));
    for (const auto &[start, end] : marks)
        sci::call(&m_editor, Sci::SCI_INDICATORFILLRANGE, start, long(end - start));

    m_carryAt = to;
    m_carryInTag = walker.inTag();
    if (span.toNextBracket && m_skipTags)
        continueToBracket(to);
}

// A bracket typed or removed changes what lies inside a tag up to the next
// bracket: that stretch is checked too, a chunk at a time.
void SpellUnderliner::continueToBracket(qint64 from) {
    const qint64 total = length();
    if (from >= total)
        return;
    const qint64 count = qMin(kBracketChunk, total - from);
    const char *text = bytes(from, count);
    for (qint64 i = 0; i < count; ++i) {
        if (text[i] == '<' || text[i] == '>') {
            m_queue.add(from, from + i + 1);
            return;
        }
    }
    m_queue.add(from, from + count, true);
}

bool SpellUnderliner::markedWordAt(long position, long &start, long &end) const {
    for (const long at : {position, position - 1}) {
        if (at < 0 || !sci::call(&m_editor, Sci::SCI_INDICATORVALUEAT, m_indicator, at))
            continue;
        start = sci::call(&m_editor, Sci::SCI_INDICATORSTART, m_indicator, at);
        end = sci::call(&m_editor, Sci::SCI_INDICATOREND, m_indicator, at);
        return end > start;
    }
    return false;
}

void SpellUnderliner::dropKnown() {
    if (!m_active || !m_checker.isOpen())
        return;
    const long total = long(length());
    sci::call(&m_editor, Sci::SCI_SETINDICATORCURRENT, m_indicator);
    long at = 0;
    while (at < total) {
        const long end = sci::call(&m_editor, Sci::SCI_INDICATOREND, m_indicator, at);
        if (end <= at)
            break;
        if (sci::call(&m_editor, Sci::SCI_INDICATORVALUEAT, m_indicator, at)) {
            const QString text = QString::fromUtf8(bytes(at, end - at), end - at);
            std::optional<WalkedWord> w = WordWalker(text, false).next();
            if (!w || m_checker.isKnown(w->text))
                sci::call(&m_editor, Sci::SCI_INDICATORCLEARRANGE, at, end - at);
        }
        at = end;
    }
}
