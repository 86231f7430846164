// Appearance, insert mode and bookmarks of TLEdit.

#include "editor/taglexer.h"
#include "editor/tledit.h"
#include "editor/tledit_p.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

using Sci = QsciScintillaBase;

namespace {
constexpr int kBookmarkMargin = 1;
} // namespace

void TLEdit::Private::applyStyles() {
    lexer->setDefaultFont(font);
    lexer->setDefaultColor(ink);
    lexer->setDefaultPaper(paper);
    lexer->setFont(font, -1);
    lexer->setColor(ink, TagLexer::Text);
    lexer->setPaper(paper, TagLexer::Text);
    lexer->setColor(tagInk, TagLexer::Tag);
    lexer->setPaper(tagPaper, TagLexer::Tag);
    // The area past the end of each line and below the text uses the default
    // style, which the lexer sets only when it is installed.
    call(Sci::SCI_STYLESETBACK, Sci::STYLE_DEFAULT,
         long(paper.red() | paper.green() << 8 | paper.blue() << 16));
    call(Sci::SCI_STYLESETFORE, Sci::STYLE_DEFAULT,
         long(ink.red() | ink.green() << 8 | ink.blue() << 16));
    q->setSelectionForegroundColor(selectedInk);
    q->setSelectionBackgroundColor(selectedPaper);
    q->setCaretForegroundColor(ink);
    applyBraceColors();
    defineBookmarkMarkers();
}

// A brace beside the caret and its partner look like the tag they belong
// to; an unmatched one is red on the tag background.
void TLEdit::Private::applyBraceColors() {
    q->setMatchedBraceForegroundColor(tagInk);
    q->setMatchedBraceBackgroundColor(tagPaper);
    q->setUnmatchedBraceBackgroundColor(tagPaper);
}

void TLEdit::setEditorFont(const QFont &font) {
    d->font = font;
    d->applyStyles();
    d->updateBookmarkMargin();
}

QFont TLEdit::editorFont() const {
    return d->font;
}

void TLEdit::setEditorColor(const QColor &background) {
    d->paper = background;
    d->applyStyles();
}

QColor TLEdit::editorColor() const {
    return d->paper;
}

void TLEdit::setEditorTextColor(const QColor &color) {
    d->ink = color;
    d->applyStyles();
}

QColor TLEdit::editorTextColor() const {
    return d->ink;
}

void TLEdit::setForeColorSelected(const QColor &color) {
    d->selectedInk = color;
    setSelectionForegroundColor(color);
}

QColor TLEdit::foreColorSelected() const {
    return d->selectedInk;
}

void TLEdit::setBackColorSelected(const QColor &color) {
    d->selectedPaper = color;
    setSelectionBackgroundColor(color);
}

QColor TLEdit::backColorSelected() const {
    return d->selectedPaper;
}

void TLEdit::setTabStopSize(int size) {
    d->tabSize = qBound(1, size, 64);
    setTabWidth(d->tabSize);
}

int TLEdit::tabStopSize() const {
    return d->tabSize;
}

void TLEdit::setWordWrapOn(bool on) {
    d->wordWrap = on;
    setWrapMode(on ? WrapWord : WrapNone);
    // Wrapped lines never need the horizontal scroll bar.
    d->call(SCI_SETHSCROLLBAR, on ? 0 : 1);
}

bool TLEdit::wordWrapOn() const {
    return d->wordWrap;
}

void TLEdit::setAutoIndentOn(bool on) {
    d->autoIndent = on;
    setAutoIndent(on);
}

bool TLEdit::autoIndentOn() const {
    return d->autoIndent;
}

void TLEdit::setTagColors(const QColor &foreground, const QColor &background) {
    d->tagInk = foreground;
    d->tagPaper = background;
    d->lexer->setColor(foreground, TagLexer::Tag);
    d->lexer->setPaper(background, TagLexer::Tag);
    d->applyBraceColors();
}

QColor TLEdit::tagForeground() const {
    return d->tagInk;
}
QColor TLEdit::tagBackground() const {
    return d->tagPaper;
}

bool TLEdit::insertMode() const {
    return d->call(SCI_GETOVERTYPE) == 0;
}

void TLEdit::setInsertMode(bool insert) {
    d->call(SCI_SETOVERTYPE, insert ? 0 : 1);
    d->checkModeChange();
}

void TLEdit::Private::checkModeChange() {
    const bool insert = q->insertMode();
    if (insert != lastInsertMode) {
        lastInsertMode = insert;
        emit q->changeMode(insert);
    }
}

// --- Bookmarks ---------------------------------------------------------------------
// Bookmark n uses marker number n - 1, drawn in the symbol margin as its number
// in the editor's text colour on its background colour. The margin is shown
// only while a bookmark is set.

void TLEdit::Private::defineBookmarkMarkers() {
    const QFontMetrics metrics(font);
    const int height = qMax(12, metrics.height());
    const int width = metrics.horizontalAdvance(QStringLiteral("16")) + 6;
    // Drawn in the screen's pixels and handed over with the scale, so that
    // the marks keep their size and stay sharp at any scale factor.
    const qreal ratio = q->devicePixelRatioF();
    call(Sci::SCI_RGBAIMAGESETSCALE, qRound(ratio * 100));
    for (int n = 1; n <= kBookmarks; ++n) {
        QImage image(QSize(width, height) * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(paper);
        QPainter painter(&image);
        painter.setPen(ink);
        painter.drawRect(0, 0, width - 1, height - 1);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QString::number(n));
        painter.end();
        q->markerDefine(image, n - 1);
    }
}

void TLEdit::Private::updateBookmarkMargin() {
    bool any = false;
    for (int n = 0; n < kBookmarks; ++n) {
        if (bookmarkHandles[n] >= 0 && call(Sci::SCI_MARKERLINEFROMHANDLE, bookmarkHandles[n]) >= 0)
            any = true;
    }
    const QFontMetrics metrics(font);
    const int width = any ? metrics.horizontalAdvance(QStringLiteral("16")) + 10 : 0;
    q->setMarginWidth(kBookmarkMargin, width);
    q->setMarginMarkerMask(kBookmarkMargin, (1 << kBookmarks) - 1);
}

void TLEdit::Private::clearBookmarks() {
    for (int n = 0; n < kBookmarks; ++n) {
        call(Sci::SCI_MARKERDELETEALL, n);
        bookmarkHandles[n] = -1;
    }
    updateBookmarkMargin();
}

void TLEdit::setBookmark(int n) {
    if (n < 1 || n > Private::kBookmarks)
        return;
    int &handle = d->bookmarkHandles[n - 1];
    if (handle >= 0)
        d->call(SCI_MARKERDELETEHANDLE, handle);
    const long line0 = d->call(SCI_LINEFROMPOSITION, d->call(SCI_GETCURRENTPOS));
    handle = int(d->call(SCI_MARKERADD, line0, n - 1));
    d->updateBookmarkMargin();
}

int TLEdit::bookmarkLine(int n) const {
    if (n < 1 || n > Private::kBookmarks || d->bookmarkHandles[n - 1] < 0)
        return 0;
    const long line0 = d->call(SCI_MARKERLINEFROMHANDLE, d->bookmarkHandles[n - 1]);
    return line0 < 0 ? 0 : int(line0) + 1;
}

void TLEdit::goToBookmark(int n) {
    const int line = bookmarkLine(n);
    if (line == 0)
        return;
    // The whole line without its line end; the caret at its end.
    d->call(SCI_SETSEL, d->lineStart(line), d->lineEnd(line));
}
