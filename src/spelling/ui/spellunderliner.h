#pragma once

#include "spelling/underlinequeue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class SpellingChecker;
class TLEdit;

// Underlines the unknown words of an editor's text with a squiggle (a
// QScintilla indicator) while the user types.
//
// Typing only notes which part of the text changed (UnderlineQueue); the
// checking runs from a zero timer in slices of about two milliseconds,
// the words around the caret first, then the lines on screen, then the rest
// of the text, so that a keystroke never waits for it. The word being typed
// is left alone until the caret leaves it.
class SpellUnderliner : public QObject {
    Q_OBJECT
public:
    SpellUnderliner(TLEdit &editor, SpellingChecker &checker, QObject *parent = nullptr);

    // Off removes every mark and stops checking; on checks the whole text.
    void setActive(bool on);
    bool isActive() const { return m_active; }
    // Pass over tags; a change checks the whole text again.
    void setSkipTags(bool on);
    // The whole text is to be checked again (another document or dictionary).
    void recheckAll();
    // Removes the marks of words that became known (added, skipped for good).
    void dropKnown();

    // The marked word at or just before a document position.
    bool markedWordAt(long position, long &start, long &end) const;
    int indicator() const { return m_indicator; }
    bool isPending() const { return !m_queue.isEmpty(); }

    // One slice of checking, as the timer runs it.
    void runSlice();
    void setSliceBudget(qint64 nanoseconds) { m_budget = nanoseconds; }
    // The longest slice so far, in nanoseconds, and how many ran.
    qint64 longestSlice() const { return m_longestSlice; }
    int sliceCount() const { return m_slices; }
    void resetStatistics() {
        m_longestSlice = 0;
        m_slices = 0;
    }

signals:
    // Nothing is left to check.
    void idle();

private:
    void modified(int position, int type, const char *text, int length);
    void caretMoved();
    void schedule();
    bool takePiece(UnderlineQueue::Span &piece);
    void checkPiece(const UnderlineQueue::Span &piece);
    void continueToBracket(qint64 from);
    bool insideTagAt(qint64 position) const;
    qint64 wordStartBefore(qint64 position) const;
    qint64 wordEndAfter(qint64 position) const;
    qint64 length() const;
    const char *bytes(qint64 from, qint64 count) const;
    void clearAllMarks();

    TLEdit &m_editor;
    SpellingChecker &m_checker;
    UnderlineQueue m_queue;
    QTimer m_timer;
    int m_indicator = -1;
    bool m_active = false;
    bool m_skipTags = true;
    qint64 m_budget = 2'000'000;

    // Where the last piece ended and whether that was inside a tag, so that
    // the next piece going on from there needs no look back.
    qint64 m_carryAt = -1;
    bool m_carryInTag = false;
    // The end of the last small change (a keystroke), and the unknown word
    // there left unmarked while the caret stands in it.
    qint64 m_typedAt = -1;
    qint64 m_heldFrom = -1, m_heldTo = -1;

    qint64 m_longestSlice = 0;
    int m_slices = 0;
};
