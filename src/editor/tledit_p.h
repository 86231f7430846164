#pragma once

// Internal state of TLEdit, shared by its source files.

#include "editor/scintillacall.h"
#include "editor/searchdialogs.h"
#include "editor/textfile.h"
#include "editor/tledit.h"

#include <Qsci/qsciprinter.h>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <deque>
#include <vector>

class TagLexer;

struct TLEdit::Private {
    explicit Private(TLEdit *owner) : q(owner) {}

    static constexpr int kBookmarks = 16;

    TLEdit *q;
    TagLexer *lexer = nullptr;
    QsciPrinter printer;
    UserInteraction *ui = nullptr;

    // Files
    TextFormat format;
    bool unixStyleSave = false;
    bool macStyleSave = false;
    bool forcedModified = false;
    int undoDepth = 100;

    // Search
    SearchOptions search;
    QPointer<SearchDialog> findDialog;
    QPointer<SearchDialog> replaceDialog;

    // Bookmarks: the Scintilla marker handle of each, -1 when not set.
    int bookmarkHandles[kBookmarks];

    // Appearance
    QFont font;
    QColor paper{255, 255, 255};
    QColor ink{0, 0, 0};
    QColor selectedInk{255, 255, 255};
    QColor selectedPaper{0, 0, 128};
    QColor tagInk{0, 0, 255};
    QColor tagPaper{255, 255, 255};
    int tabSize = 5;
    bool wordWrap = false;
    bool autoIndent = true;
    bool lastInsertMode = true;

    // Hooks and events
    KeyPressHook keyHook;
    DragHook acceptsDrag;
    DragHook drop;
    ShortcutOwnerHook shortcutOwner;
    bool dragTakenByHook = false;
    bool skipNextClick = false;

    // Documents taken out by exchangeDocument and not yet back: their text
    // must be released while an editor still exists.
    std::vector<TLEditDocument *> heldDocuments;

    // Change notifications. Scintilla reports each change before it happens;
    // the editor's own operations and event handlers run as a batch and
    // announce the change once, when they are done. Changes made any other
    // way are announced from the event loop.
    quint64 changeCount = 0; // every change of the text, counted as it happens
    int changeBatch = 0;
    bool changePending = false;
    bool flushScheduled = false;
    int lastLineCount = 1;

    // The changes since changeCount was `journalFrom`, each as the byte
    // position it starts at, the bytes after what it removed, and the
    // text's length in characters before it; the oldest are dropped.
    struct Change {
        quint64 count = 0; // changeCount once made
        long position = 0;
        long after = 0;
        int lengthBefore = 0;
    };
    std::deque<Change> journal;
    quint64 journalFrom = 0;
    void recordChange(long position, bool insertion, long length);
    void forgetChanges() { journal.clear(), journalFrom = changeCount + 1; }
    long positionOfCharacter(int offset) const;
    int characterOfPosition(long position) const;

    long call(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return sci::call(q, message, wParam, lParam);
    }

    // Positions: lines from 1, columns in UTF-16 code units from 0, both
    // clamped to the text.
    int lineCount() const;
    long lineStart(int line) const; // line from 1, not clamped
    long lineEnd(int line) const;   // before the line end characters
    int lineLength(int line) const; // in characters, not clamped
    long positionAt(int line, int column) const;
    void lineColumnOf(long position, int &line, int &column) const;
    int charactersBetween(long from, long to) const;
    QString textBetween(long from, long to) const;

    // The text as it goes into the document: its line ends turned into the
    // document's kind, in UTF-8.
    QByteArray insertionBytes(const QString &text) const;
    TextFormat::LineEnd documentLineEnd() const;

    // Puts bytes in place of from..to as one undo step; returns the end of the
    // inserted text. NUL bytes are kept.
    long replaceRange(long from, long to, const QByteArray &bytes);
    // Replaces the whole document; see TLEdit::setText.
    void replaceWholeText(const QByteArray &bytes);

    // Searches from..to (backwards when from > to); the match's start, or -1.
    long find(const QByteArray &needle, long from, long to, int flags, long *matchEnd) const;
    long findByExpression(const QByteArray &pattern, long from, long to, bool wholeWord,
                          long *matchEnd) const;
    int searchFlags(bool matchCase, bool wholeWord) const;
    int replaceAllMatches(const QString &search, const QString &replacement, int flags);

    void beginChangeBatch() { ++changeBatch; }
    void endChangeBatch();
    void noteChange();
    void flushChange();

    void clearBookmarks();
    void applyBraceColors();
    void defineBookmarkMarkers();
    void updateBookmarkMargin();
    void applyStyles();
    void checkModeChange();
    void trimWordAtTagStart(const QPoint &point);

    bool runSearch(const SearchOptions &options, bool tellWhenNotFound);
    void notFound();
    SearchDialog *searchDialog(bool withReplace);
    void showSearchDialog(bool replacing);

    // Runs a batch of changes: `changed` is sent once, when the scope ends.
    class ChangeScope {
    public:
        explicit ChangeScope(Private *d) : m_d(d) { m_d->beginChangeBatch(); }
        ~ChangeScope() { m_d->endChangeBatch(); }
        ChangeScope(const ChangeScope &) = delete;
        ChangeScope &operator=(const ChangeScope &) = delete;

    private:
        Private *m_d;
    };
};
