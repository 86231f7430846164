#include "editor/tledit.h"

#include "app/userinteraction.h"
#include "editor/editoraccessibility.h"
#include "editor/taglexer.h"
#include "editor/tledit_p.h"

#include <QFontDatabase>
#include <QTimer>

using Sci = QsciScintillaBase;

// --- Positions -----------------------------------------------------------------

int TLEdit::Private::lineCount() const {
    return int(call(Sci::SCI_GETLINECOUNT));
}

long TLEdit::Private::lineStart(int line) const {
    return call(Sci::SCI_POSITIONFROMLINE, line - 1);
}

long TLEdit::Private::lineEnd(int line) const {
    return call(Sci::SCI_GETLINEENDPOSITION, line - 1);
}

int TLEdit::Private::lineLength(int line) const {
    return charactersBetween(lineStart(line), lineEnd(line));
}

int TLEdit::Private::charactersBetween(long from, long to) const {
    if (to <= from)
        return 0;
    return int(call(Sci::SCI_COUNTCODEUNITS, from, to));
}

long TLEdit::Private::positionAt(int line, int column) const {
    line = qBound(1, line, lineCount());
    const long start = lineStart(line);
    column = qBound(0, column, lineLength(line));
    if (column == 0)
        return start;
    return call(Sci::SCI_POSITIONRELATIVECODEUNITS, start, column);
}

void TLEdit::Private::lineColumnOf(long position, int &line, int &column) const {
    const long line0 = call(Sci::SCI_LINEFROMPOSITION, position);
    line = int(line0) + 1;
    column = charactersBetween(call(Sci::SCI_POSITIONFROMLINE, line0), position);
}

QString TLEdit::Private::textBetween(long from, long to) const {
    if (to <= from)
        return QString();
    // Decoded straight from the document's buffer, without a copy of the bytes.
    const char *bytes =
        reinterpret_cast<const char *>(call(Sci::SCI_GETRANGEPOINTER, from, to - from));
    return QString::fromUtf8(bytes, to - from);
}

TextFormat::LineEnd TLEdit::Private::documentLineEnd() const {
    switch (call(Sci::SCI_GETEOLMODE)) {
    case Sci::SC_EOL_CR:
        return TextFormat::LineEnd::Cr;
    case Sci::SC_EOL_LF:
        return TextFormat::LineEnd::Lf;
    default:
        return TextFormat::LineEnd::CrLf;
    }
}

QByteArray TLEdit::Private::insertionBytes(const QString &text) const {
    return withLineEnds(text, documentLineEnd()).toUtf8();
}

long TLEdit::Private::replaceRange(long from, long to, const QByteArray &bytes) {
    call(Sci::SCI_BEGINUNDOACTION);
    call(Sci::SCI_SETTARGETRANGE, from, to);
    const long inserted =
        sci::callBytes(q, Sci::SCI_REPLACETARGET, bytes.size(), bytes.constData());
    call(Sci::SCI_ENDUNDOACTION);
    return from + inserted;
}

void TLEdit::Private::replaceWholeText(const QByteArray &bytes) {
    ChangeScope batch(this);
    call(Sci::SCI_SETUNDOCOLLECTION, 0);
    call(Sci::SCI_CLEARALL);
    if (!bytes.isEmpty())
        sci::callBytes(q, Sci::SCI_ADDTEXT, bytes.size(), bytes.constData());
    call(Sci::SCI_SETUNDOCOLLECTION, 1);
    call(Sci::SCI_EMPTYUNDOBUFFER);
    clearBookmarks();
    call(Sci::SCI_GOTOPOS, 0);
    call(Sci::SCI_SETSAVEPOINT);
    forcedModified = false;
}

void TLEdit::Private::endChangeBatch() {
    if (--changeBatch == 0)
        flushChange();
}

void TLEdit::Private::noteChange() {
    ++changeCount;
    changePending = true;
    if (changeBatch > 0 || flushScheduled)
        return;
    flushScheduled = true;
    QTimer::singleShot(0, q, [this] {
        flushScheduled = false;
        if (changeBatch == 0)
            flushChange();
    });
}

void TLEdit::Private::flushChange() {
    if (!changePending)
        return;
    changePending = false;
    emit q->changed();
    emit q->textChanged();
    const int lines = lineCount();
    if (lines != lastLineCount) {
        lastLineCount = lines;
        emit q->linesChanged();
    }
}

// --- Construction ------------------------------------------------------------

TLEdit::TLEdit(QWidget *parent) : QsciScintilla(parent), d(std::make_unique<Private>(this)) {
    editoraccessibility::install();
    for (int &handle : d->bookmarkHandles)
        handle = -1;
    d->font = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    setUtf8(true);
    d->lexer = new TagLexer(this);
    setLexer(d->lexer);
    sci::callBytes(this, SCI_SETWORDCHARS, 0, d->lexer->wordCharacters());
    // Columns count UTF-16 code units like QString does; the index keeps
    // textLength() cheap on large documents.
    d->call(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);

    setEolMode(EolWindows);
    d->call(SCI_SETPASTECONVERTENDINGS, 1);
    setBraceMatching(SloppyBraceMatch);
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    setMarginWidth(2, 0);
    setAutoIndent(true);
    setTabWidth(d->tabSize);
    setWrapMode(WrapNone);
    d->applyStyles();
    d->defineBookmarkMarkers();

    // Only the "before" notices: QScintilla answers every "text inserted" or
    // "text deleted" notice with work that grows with the position of the
    // change in the document, which would make editing near the end of a
    // large document slow. QsciScintilla::textChanged and linesChanged are sent
    // from here.
    d->call(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length) {
                if (!(type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)))
                    return;
                d->noteChange();
                d->recordChange(position, type & SC_MOD_BEFOREINSERT, length);
            });
    d->call(SCI_EMPTYUNDOBUFFER);
    d->call(SCI_SETSAVEPOINT);
}

TLEdit::~TLEdit() {
    // Scintilla releases a document's text only through a living editor.
    for (TLEditDocument *held : d->heldDocuments) {
        held->m_document = QsciDocument();
        held->m_owner = nullptr;
    }
    d->heldDocuments.clear();
    // The dialogs are children; close them before the private part goes.
    delete d->findDialog;
    delete d->replaceDialog;
    disconnect(this, nullptr, this, nullptr);
}

// --- Text --------------------------------------------------------------------------

QString TLEdit::text() const {
    const long length = d->call(SCI_GETLENGTH);
    return d->textBetween(0, length);
}

void TLEdit::setText(const QString &text) {
    d->replaceWholeText(text.toUtf8());
}

int TLEdit::textLength() const {
    const int lines = d->lineCount();
    const long lastStart = d->lineStart(lines);
    const long lastIndex =
        d->call(SCI_INDEXPOSITIONFROMLINE, lines - 1, SC_LINECHARACTERINDEX_UTF16);
    return int(lastIndex) + d->charactersBetween(lastStart, d->call(SCI_GETLENGTH));
}

int TLEdit::lineCount() const {
    return d->lineCount();
}

int TLEdit::lineLength(int line) const {
    if (line < 1 || line > d->lineCount())
        return 0;
    return d->lineLength(line);
}

QString TLEdit::getLineText(int line) const {
    line = qBound(1, line, d->lineCount());
    return d->textBetween(d->lineStart(line), d->lineEnd(line));
}

void TLEdit::clearAll() {
    d->replaceWholeText(QByteArray());
}

// --- Selection ---------------------------------------------------------------------

void TLEdit::readSelection() {
    d->lineColumnOf(d->call(SCI_GETANCHOR), startLine, startPos);
    d->lineColumnOf(d->call(SCI_GETCURRENTPOS), endLine, endPos);
}

void TLEdit::applySelection() {
    const long anchor = d->positionAt(startLine, startPos);
    const long caret = d->positionAt(endLine, endPos);
    d->call(SCI_SETSEL, anchor, caret);
}

int TLEdit::firstVisibleLine() const {
    const long visible = d->call(SCI_GETFIRSTVISIBLELINE);
    return int(d->call(SCI_DOCLINEFROMVISIBLE, visible)) + 1;
}

void TLEdit::setFirstVisibleLine(int line) {
    line = qBound(1, line, d->lineCount());
    d->call(SCI_SETFIRSTVISIBLELINE, d->call(SCI_VISIBLEFROMDOCLINE, line - 1));
}

int TLEdit::firstVisiblePos() const {
    return int(d->call(SCI_GETXOFFSET));
}

void TLEdit::setFirstVisiblePos(int pos) {
    d->call(SCI_SETXOFFSET, qMax(0, pos));
}

int TLEdit::selLength() const {
    return d->charactersBetween(d->call(SCI_GETSELECTIONSTART), d->call(SCI_GETSELECTIONEND));
}

QString TLEdit::getSelText() const {
    return d->textBetween(d->call(SCI_GETSELECTIONSTART), d->call(SCI_GETSELECTIONEND));
}

QString TLEdit::getSelTextOrLineRest() {
    if (d->call(SCI_GETSELECTIONEMPTY)) {
        const long caret = d->call(SCI_GETCURRENTPOS);
        const long line0 = d->call(SCI_LINEFROMPOSITION, caret);
        d->call(SCI_SETSEL, caret, d->call(SCI_GETLINEENDPOSITION, line0));
    }
    return getSelText();
}

void TLEdit::replaceSel(const QString &text) {
    Private::ChangeScope batch(d.get());
    const long from = d->call(SCI_GETSELECTIONSTART);
    const long to = d->call(SCI_GETSELECTIONEND);
    const long end = d->replaceRange(from, to, d->insertionBytes(text));
    d->call(SCI_GOTOPOS, end);
}

void TLEdit::insertAt(int line, int column, const QString &text) {
    Private::ChangeScope batch(d.get());
    d->call(SCI_GOTOPOS, d->positionAt(line, column));
    replaceSel(text);
}

void TLEdit::appendText(const QString &text) {
    const QByteArray bytes = d->insertionBytes(text);
    if (bytes.isEmpty())
        return;
    Private::ChangeScope batch(d.get());
    sci::callBytes(this, SCI_APPENDTEXT, bytes.size(), bytes.constData());
}

// --- Edit commands -----------------------------------------------------------------

void TLEdit::cutToClipboard() {
    Private::ChangeScope batch(d.get());
    cut();
}
void TLEdit::copyToClipboard() {
    copy();
}
void TLEdit::pasteFromClipboard() {
    Private::ChangeScope batch(d.get());
    paste();
}

void TLEdit::deleteSel() {
    Private::ChangeScope batch(d.get());
    if (!d->call(SCI_GETSELECTIONEMPTY))
        removeSelectedText();
}

void TLEdit::selectAllText() {
    d->call(SCI_SELECTALL);
}
void TLEdit::duplicateSel() {
    Private::ChangeScope batch(d.get());
    d->call(SCI_SELECTIONDUPLICATE);
}
void TLEdit::undoEdit() {
    Private::ChangeScope batch(d.get());
    undo();
}
void TLEdit::redoEdit() {
    Private::ChangeScope batch(d.get());
    redo();
}

// Scintilla keeps an unlimited undo history; the depth is kept for callers
// that read it back.
void TLEdit::setUndoDepth(int depth) {
    d->undoDepth = qMax(0, depth);
}
int TLEdit::undoDepth() const {
    return d->undoDepth;
}

// --- Files -----------------------------------------------------------------------

bool TLEdit::loadFromFile(const QString &path, QString *error) {
    QByteArray bytes;
    if (!readFileBytes(path, bytes, error))
        return false;
    loadFromBytes(std::move(bytes));
    return true;
}

void TLEdit::loadFromBytes(QByteArray bytes) {
    const TextFormat format = detectFormat(bytes);
    setTextFormat(format);
    if (format.encoding == TextFormat::Encoding::Utf8) {
        // Valid UTF-8 goes into the document as it is.
        if (format.byteOrderMark)
            bytes.remove(0, 3);
        d->replaceWholeText(bytes);
    } else {
        d->replaceWholeText(decodeText(bytes).text.toUtf8());
    }
}

bool TLEdit::saveToFile(const QString &path, QString *error) const {
    const TextFormat &format = d->format;
    if (format.encoding == TextFormat::Encoding::Utf8 && !d->unixStyleSave && !d->macStyleSave) {
        // The document's own bytes are the file's bytes.
        const long length = d->call(SCI_GETLENGTH);
        const char *bytes = reinterpret_cast<const char *>(d->call(SCI_GETCHARACTERPOINTER));
        if (!format.byteOrderMark) // written straight from the document, without a copy
            return writeFileAtomically(path, QByteArray::fromRawData(bytes, length), error);
        QByteArray content("\xEF\xBB\xBF");
        content.append(bytes, length);
        return writeFileAtomically(path, content, error);
    }
    QString content = text();
    if (d->unixStyleSave)
        content = withLineEnds(content, TextFormat::LineEnd::Lf);
    else if (d->macStyleSave)
        content = withLineEnds(content, TextFormat::LineEnd::Cr);
    return writeFileAtomically(path, encodeText(content, format), error);
}

TextFormat TLEdit::textFormat() const {
    return d->format;
}

void TLEdit::setTextFormat(const TextFormat &format) {
    d->format = format;
    switch (format.lineEnd) {
    case TextFormat::LineEnd::CrLf:
        setEolMode(EolWindows);
        break;
    case TextFormat::LineEnd::Lf:
        setEolMode(EolUnix);
        break;
    case TextFormat::LineEnd::Cr:
        setEolMode(EolMac);
        break;
    }
}

bool TLEdit::unixStyleSave() const {
    return d->unixStyleSave;
}
void TLEdit::setUnixStyleSave(bool on) {
    d->unixStyleSave = on;
}
bool TLEdit::macStyleSave() const {
    return d->macStyleSave;
}
void TLEdit::setMacStyleSave(bool on) {
    d->macStyleSave = on;
}

bool TLEdit::modified() const {
    return d->forcedModified || d->call(SCI_GETMODIFY) != 0;
}

void TLEdit::setModifiedFlag(bool on) {
    if (on) {
        d->forcedModified = true;
    } else {
        d->forcedModified = false;
        d->call(SCI_SETSAVEPOINT);
    }
}

// --- Printing ----------------------------------------------------------------------

QPrinter &TLEdit::printer() {
    return d->printer;
}

bool TLEdit::print() {
    return d->printer.printRange(this);
}

bool TLEdit::printerSetup() {
    if (!d->ui)
        return false;
    return d->ui->choosePrinter(d->printer, true);
}
