#pragma once

#include "editor/textfile.h"

#include <Qsci/qscidocument.h>
#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QString>
#include <functional>
#include <memory>

class QInputMethodEvent;
class QPrinter;
class TagLexer;
class TLEdit;
class UserInteraction;

// A document held apart from the editor: its text, undo history, modified
// flag, bookmarks and file format. Several documents can take turns in one
// editor (TLEdit::exchangeDocument) and each comes back exactly as it was.
// A document goes back into the editor it came from; when that editor is
// destroyed first, the document's text goes with it.
class TLEditDocument {
public:
    TLEditDocument();
    ~TLEditDocument();
    TLEditDocument(const TLEditDocument &) = delete;
    TLEditDocument &operator=(const TLEditDocument &) = delete;

private:
    friend class TLEdit;
    TLEdit *m_owner = nullptr; // the editor the text came from, while it lives
    QsciDocument m_document;
    TextFormat m_format;
    bool m_forcedModified = false;
    int m_bookmarkHandles[16];
    long m_anchor = 0;
    long m_caret = 0;
    long m_firstVisible = 0;
    long m_xOffset = 0;
};

// The syntax-colouring editor used for the document (`WebPage`) and the
// scratch pad (`SpareEditor`), over QScintilla.
//
// Positions: lines count from 1, columns (characters) from 0. Characters are
// counted as QString counts them (UTF-16 code units), so a column found in
// getLineText() can be used directly.
//
// The selection is read into and applied from four cached values: `startLine`
// and `startPos` are the anchor (where the selection began), `endLine` and
// `endPos` the caret. `readSelection` fills them from the control,
// `applySelection` selects what they say (start = end is a bare caret).
//
// Inserted text may separate lines with CR, LF or CR LF; the editor turns each
// into a line break of the document's own kind.
class TLEdit : public QsciScintilla {
    Q_OBJECT
public:
    explicit TLEdit(QWidget *parent = nullptr);
    ~TLEdit() override;

    // --- Text -------------------------------------------------------------
    // The whole text, line ends as they stand in the document and NUL
    // characters included (QsciScintilla::text() stops at the first NUL).
    using QsciScintilla::text;
    QString text() const;
    // Replaces the whole text as given (line ends are kept as they are), puts
    // the caret at the start, removes the bookmarks, empties the undo history
    // and clears the modified flag. Setting empty text equals clearAll.
    void setText(const QString &text) override;
    int textLength() const; // characters
    int lineCount() const;
    int lineLength(int line) const;      // characters, without the line end
    QString getLineText(int line) const; // clamped to 1 .. lineCount; no line end
    void clearAll();

    // --- Cached selection ---------------------------------------------------
    int startLine = 1;
    int startPos = 0;
    int endLine = 1;
    int endPos = 0;
    void readSelection();
    void applySelection();

    // Scroll position: first visible line (from 1) and horizontal offset (in
    // pixels).
    int firstVisibleLine() const;
    void setFirstVisibleLine(int line);
    int firstVisiblePos() const;
    void setFirstVisiblePos(int pos);

    int selLength() const; // characters
    QString getSelText() const;
    // As getSelText, but an empty selection is first widened to the end of
    // the caret's line.
    QString getSelTextOrLineRest();
    void replaceSel(const QString &text);
    void insertAt(int line, int column, const QString &text); // clamped
    void appendText(const QString &text);                     // caret and selection stay put

    // --- Edit commands ----------------------------------------------------------
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    void deleteSel();
    void selectAllText();
    void duplicateSel(); // duplicates the selection, or the caret's line
    void undoEdit();
    void redoEdit();
    // Undo depth the control aims for (100 for the document, 50 for the pad).
    // Kept for callers that read it back; Scintilla's undo history itself has
    // no limit.
    void setUndoDepth(int depth);
    int undoDepth() const;

    // --- Search -------------------------------------------------------------------
    void showFindDialog();
    void showReplaceDialog();
    // Repeats the last search of the dialogs (QsciScintilla's findNext has the
    // same name, hence the bool: true when found).
    bool findNext() override;
    void showGoToLineDialog();
    void setSearchText(const QString &text);  // at most 125 characters kept
    void setReplaceText(const QString &text); // at most 125 characters kept
    QString searchTextValue() const;
    QString replaceTextValue() const;
    bool matchCase() const;
    void setMatchCase(bool on);
    // Finds the next occurrence after the control's selection; 1 when found,
    // the match becoming the control's selection, else 0.
    int searchText(const QString &text);
    // Searches from the position in the cached selection (its end), without
    // touching the control's selection or caret; 1 when found, the match's
    // start and end written into the cached selection, else 0.
    int locateText(const QString &text);
    // Replaces every occurrence; returns how many. One undo step.
    int replaceAll(const QString &search, const QString &replacement);

    // Where the search dialogs tell the user that a text was not found. Without
    // one they only beep.
    void setUserInteraction(UserInteraction *ui);

    // --- Files ----------------------------------------------------------------------
    // Loads a file, keeping its encoding and line ends for saving. Returns
    // false (text unchanged) when it cannot be read.
    bool loadFromFile(const QString &path, QString *error = nullptr);
    // The same for a file's bytes already read (readFileBytes).
    void loadFromBytes(QByteArray bytes);
    // Writes the text through a temporary file and a rename, in the loaded
    // file's encoding; line ends as the save style says: the Unix style writes
    // LF, the Mac style CR (Unix wins when both are set), otherwise the text's
    // own line ends are written unchanged. Leaves the modified flag alone.
    bool saveToFile(const QString &path, QString *error = nullptr) const;
    TextFormat textFormat() const;
    void setTextFormat(const TextFormat &format);
    bool unixStyleSave() const;
    void setUnixStyleSave(bool on);
    bool macStyleSave() const;
    void setMacStyleSave(bool on);

    bool modified() const;
    void setModifiedFlag(bool on);
    // Counts every change of the text as it happens (whichever document is
    // in the editor), so that a caller can tell whether the text changed
    // since it last looked.
    quint64 changeCount() const;
    // Where the text differs from what it was when changeCount() was `since`:
    // its first `prefix` and last `suffix` characters are those of the text
    // then, and it is `delta` characters longer; the two do not overlap in
    // either text. A span covers every change made since, so it may be wider
    // than the difference.
    struct ChangedSpan {
        int prefix = 0;
        int suffix = 0;
        qsizetype delta = 0;
    };
    // False when the editor cannot tell: too many changes since, another
    // document put in, or `since` not a count it has reached.
    bool changedSince(quint64 since, ChangedSpan *span) const;
    // The first occurrence of `text` between the characters `from` and `to`
    // (a match lies wholly inside), letter case as the search's match-case
    // option says; its character offset, or -1. Caret, selection and the
    // search text stay as they are.
    int findInRange(const QString &text, int from, int to) const;
    // The characters from `from` up to `to` (offsets as in text()).
    QString textRange(int from, int to) const;

    // --- Documents held apart ------------------------------------------------------
    // Puts `incoming` into the editor (a new empty document when null) and
    // returns the document the editor held until now, with its caret and
    // selection, undo history, modified flag, bookmarks and file format.
    // Sends `changed`. Appearance and save styles stay with the editor.
    std::unique_ptr<TLEditDocument> exchangeDocument(std::unique_ptr<TLEditDocument> incoming);

    // --- Bookmarks (1 .. 16) --------------------------------------------------------
    void setBookmark(int n);       // on the caret's line
    void goToBookmark(int n);      // selects that whole line, without its line end
    int bookmarkLine(int n) const; // 0 when not set

    // --- Printing -------------------------------------------------------------------
    QPrinter &printer();
    bool print(); // prints the whole text on printer()
    // The printer set-up dialog, through the user interaction; false on Cancel
    // or when the editor has none.
    bool printerSetup();

    // --- Appearance and behaviour ------------------------------------------------
    bool insertMode() const;
    void setInsertMode(bool insert);
    void setEditorFont(const QFont &font);
    QFont editorFont() const;
    void setEditorColor(const QColor &background);
    QColor editorColor() const;
    void setEditorTextColor(const QColor &color);
    QColor editorTextColor() const;
    void setForeColorSelected(const QColor &color);
    QColor foreColorSelected() const;
    void setBackColorSelected(const QColor &color);
    QColor backColorSelected() const;
    void setTabStopSize(int size);
    int tabStopSize() const;
    void setWordWrapOn(bool on); // with wrap, only a vertical scroll bar
    bool wordWrapOn() const;
    void setAutoIndentOn(bool on);
    bool autoIndentOn() const;
    // Colours of every stretch from "<" to ">".
    void setTagColors(const QColor &foreground, const QColor &background);
    QColor tagForeground() const;
    QColor tagBackground() const;

    // --- Hooks ----------------------------------------------------------------------
    // Sees every typed character before the editor does (Enter as CR, Ctrl+Enter
    // as LF) and returns the character to type instead, or a null QChar to
    // swallow it.
    using KeyPressHook = std::function<QChar(QChar)>;
    void setKeyPressHook(KeyPressHook hook);

    // Accepts or refuses a drag over the editor, and handles a drop.
    using DragHook = std::function<bool(const QMimeData *, const QPoint &)>;
    void setDragHooks(DragHook acceptsDrag, DragHook drop);

    // Tells whether a key combination belongs to a usable command of the
    // window (a menu entry's shortcut). Such keys go to that command even
    // when the editor has a binding of its own; other keys stay the editor's.
    using ShortcutOwnerHook = std::function<bool(QKeyCombination)>;
    void setShortcutOwnerHook(ShortcutOwnerHook hook);

signals:
    // After any change of the text: at the end of the operation for this
    // class's operations and the user's typing, clicking and dropping; from
    // the event loop for changes made through the QsciScintilla API directly.
    // QsciScintilla::textChanged (and linesChanged) are sent alongside.
    void changed();
    void changeMode(bool insert); // insert / overwrite toggled
    void clicked();               // mouse button released after a click
    void doubleClicked();         // after the word under the pointer is selected
    void keyReleased(int key);
    void mousePressed();
    void characterTyped(QChar ch); // after a typed character went in

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class TLEditDocument;
    void forgetDocument(TLEditDocument *document);

    struct Private;
    std::unique_ptr<Private> d;
};
