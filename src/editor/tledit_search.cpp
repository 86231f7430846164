// Searching and replacing in TLEdit, and its find, replace and go-to dialogs.
//
// Searches run over the document's own bytes, so they cost no copy of the
// text however large the document is.

#include "app/userinteraction.h"
#include "editor/bytesearch.h"
#include "editor/taglexer.h"
#include "editor/tledit.h"
#include "editor/tledit_p.h"

#include <QApplication>

using Sci = QsciScintillaBase;

namespace {

const QString kNotFound = QStringLiteral("Search text not found.");
const char kPlainWordCharacters[] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

// The byte search folds only ASCII letters when it ignores case. For a search
// text with other letters that have case forms, the search runs as a regular
// expression in which each such letter is a set of its forms ("[éÉ]").
// Returns an empty pattern when the byte search does the job.
QByteArray foldingPattern(const QString &needle) {
    bool needed = false;
    for (const QChar c : needle) {
        if (c.unicode() >= 0x80 && (c.toLower() != c || c.toUpper() != c))
            needed = true;
        // The regular expression search works line by line.
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return QByteArray();
    }
    if (!needed)
        return QByteArray();
    static const QString special = QStringLiteral("^$\\.*+?()[]{}|/");
    QString pattern;
    for (qsizetype i = 0; i < needle.size(); ++i) {
        const QChar c = needle.at(i);
        if (c.isSurrogate()) {
            pattern += c;
            continue;
        }
        const QChar lower = c.toLower(), upper = c.toUpper(), title = c.toTitleCase();
        if (lower == c && upper == c) {
            if (special.contains(c))
                pattern += QLatin1Char('\\');
            pattern += c;
            continue;
        }
        pattern += QLatin1Char('[');
        pattern += lower;
        pattern += upper;
        if (title != upper)
            pattern += title;
        pattern += QLatin1Char(']');
    }
    return pattern.toUtf8();
}

} // namespace

long TLEdit::Private::find(const QByteArray &needle, long from, long to, int flags,
                           long *matchEnd) const {
    if (needle.isEmpty())
        return -1;
    const bool wholeWord = flags & Sci::SCFIND_WHOLEWORD;
    const bool matchCase = flags & Sci::SCFIND_MATCHCASE;
    if (!matchCase) {
        const QByteArray pattern = foldingPattern(QString::fromUtf8(needle));
        if (!pattern.isEmpty())
            return findByExpression(pattern, from, to, wholeWord, matchEnd);
    }
    const bool backward = from > to;
    const long low = qMin(from, to);
    const long high = qMax(from, to);
    const qsizetype size = needle.size();
    if (high - low < size)
        return -1;

    // The bytes are searched in place; the pointer stays valid as long as the
    // document is not changed.
    const ByteSearch searcher(needle, matchCase);
    const char *data =
        reinterpret_cast<const char *>(call(Sci::SCI_GETRANGEPOINTER, low, high - low));
    // "Whole word" means letters, digits and "_" here, not the wider set of
    // characters a double-click selects.
    if (wholeWord)
        sci::callBytes(q, Sci::SCI_SETWORDCHARS, 0, kPlainWordCharacters);
    auto acceptable = [&](qsizetype at) {
        return !wholeWord || call(Sci::SCI_ISRANGEWORD, low + at, low + at + size) != 0;
    };
    long found = -1;
    if (!backward) {
        for (qsizetype at = searcher.forward(data, high - low, 0); at >= 0;
             at = searcher.forward(data, high - low, at + 1)) {
            if (acceptable(at)) {
                found = low + at;
                break;
            }
        }
    } else {
        for (qsizetype at = searcher.backward(data, high - low); at >= 0;
             at = searcher.backward(data, at + size - 1)) {
            if (acceptable(at)) {
                found = low + at;
                break;
            }
        }
    }
    if (wholeWord)
        sci::callBytes(q, Sci::SCI_SETWORDCHARS, 0, lexer->wordCharacters());
    if (found >= 0 && matchEnd)
        *matchEnd = found + size;
    return found;
}

long TLEdit::Private::findByExpression(const QByteArray &pattern, long from, long to,
                                       bool wholeWord, long *matchEnd) const {
    const int flags = Sci::SCFIND_REGEXP | Sci::SCFIND_CXX11REGEX | Sci::SCFIND_MATCHCASE;
    if (wholeWord)
        sci::callBytes(q, Sci::SCI_SETWORDCHARS, 0, kPlainWordCharacters);
    const bool backward = from > to;
    long found = -1;
    long end = 0;
    for (;;) {
        call(Sci::SCI_SETTARGETRANGE, from, to);
        call(Sci::SCI_SETSEARCHFLAGS, flags);
        found = sci::callBytes(q, Sci::SCI_SEARCHINTARGET, pattern.size(), pattern.constData());
        if (found < 0)
            break;
        end = call(Sci::SCI_GETTARGETEND);
        // The expression search ignores the whole-word flag: check here and
        // go on past a match inside a word.
        if (!wholeWord || call(Sci::SCI_ISRANGEWORD, found, end))
            break;
        from = backward ? found : call(Sci::SCI_POSITIONAFTER, found);
        if (backward ? from <= to : from >= to) {
            found = -1;
            break;
        }
    }
    if (wholeWord)
        sci::callBytes(q, Sci::SCI_SETWORDCHARS, 0, lexer->wordCharacters());
    if (found >= 0 && matchEnd)
        *matchEnd = end;
    return found;
}

int TLEdit::Private::searchFlags(bool matchCase, bool wholeWord) const {
    return (matchCase ? Sci::SCFIND_MATCHCASE : 0) | (wholeWord ? Sci::SCFIND_WHOLEWORD : 0);
}

int TLEdit::Private::replaceAllMatches(const QString &search, const QString &replacement,
                                       int flags) {
    if (search.isEmpty())
        return 0;
    const QByteArray needle = search.toUtf8();
    const QByteArray bytes = insertionBytes(replacement);
    int count = 0;
    ChangeScope batch(this);
    call(Sci::SCI_BEGINUNDOACTION);
    long from = 0;
    for (;;) {
        long end = 0;
        const long found = find(needle, from, call(Sci::SCI_GETLENGTH), flags, &end);
        if (found < 0)
            break;
        call(Sci::SCI_SETTARGETRANGE, found, end);
        from = found + sci::callBytes(q, Sci::SCI_REPLACETARGET, bytes.size(), bytes.constData());
        ++count;
    }
    call(Sci::SCI_ENDUNDOACTION);
    return count;
}

void TLEdit::setSearchText(const QString &text) {
    d->search.text = text.left(SearchDialog::kMaxTextLength);
}

void TLEdit::setReplaceText(const QString &text) {
    d->search.replacement = text.left(SearchDialog::kMaxTextLength);
}

QString TLEdit::searchTextValue() const {
    return d->search.text;
}
QString TLEdit::replaceTextValue() const {
    return d->search.replacement;
}
bool TLEdit::matchCase() const {
    return d->search.matchCase;
}
void TLEdit::setMatchCase(bool on) {
    d->search.matchCase = on;
}

// The remembered search text is cut to its 125 characters, but the search
// itself uses the whole text given, so a long text is never matched by its
// beginning alone.
int TLEdit::searchText(const QString &text) {
    setSearchText(text);
    long end = 0;
    const long found = d->find(text.toUtf8(), d->call(SCI_GETSELECTIONEND), d->call(SCI_GETLENGTH),
                               d->searchFlags(d->search.matchCase, false), &end);
    if (found < 0)
        return 0;
    d->call(SCI_SETSEL, found, end);
    return 1;
}

int TLEdit::locateText(const QString &text) {
    setSearchText(text);
    long end = 0;
    const long found =
        d->find(text.toUtf8(), d->positionAt(endLine, endPos), d->call(SCI_GETLENGTH),
                d->searchFlags(d->search.matchCase, false), &end);
    if (found < 0)
        return 0;
    d->lineColumnOf(found, startLine, startPos);
    d->lineColumnOf(end, endLine, endPos);
    return 1;
}

int TLEdit::replaceAll(const QString &search, const QString &replacement) {
    return d->replaceAllMatches(search, replacement, d->searchFlags(d->search.matchCase, false));
}

void TLEdit::setUserInteraction(UserInteraction *ui) {
    d->ui = ui;
}

// --- Dialog searches -----------------------------------------------------------------

void TLEdit::Private::notFound() {
    if (ui)
        ui->message(kNotFound, Msg::Information, Msg::Ok);
    else
        QApplication::beep();
}

bool TLEdit::Private::runSearch(const SearchOptions &options, bool tellWhenNotFound) {
    const QByteArray needle = options.text.toUtf8();
    const int flags = searchFlags(options.matchCase, options.wholeWord);
    long found = -1;
    long end = 0;
    if (options.forward) {
        found = find(needle, call(Sci::SCI_GETSELECTIONEND), call(Sci::SCI_GETLENGTH), flags, &end);
    } else {
        found = find(needle, call(Sci::SCI_GETSELECTIONSTART), 0, flags, &end);
    }
    if (found < 0) {
        if (tellWhenNotFound)
            notFound();
        return false;
    }
    // Backward searches leave the caret at the match's start, so that the
    // next one goes on before it.
    if (options.forward)
        call(Sci::SCI_SETSEL, found, end);
    else
        call(Sci::SCI_SETSEL, end, found);
    return true;
}

SearchDialog *TLEdit::Private::searchDialog(bool withReplace) {
    QPointer<SearchDialog> &slot = withReplace ? replaceDialog : findDialog;
    if (slot)
        return slot;
    auto *dialog = new SearchDialog(withReplace, q);
    slot = dialog;
    QObject::connect(dialog, &SearchDialog::optionsChanged, q, [this, dialog] {
        const SearchOptions o = dialog->options();
        search.text = o.text;
        search.matchCase = o.matchCase;
        search.wholeWord = o.wholeWord;
        search.forward = o.forward;
        if (dialog->withReplace())
            search.replacement = o.replacement;
    });
    QObject::connect(dialog, &SearchDialog::findNextRequested, q, [this] { q->findNext(); });
    QObject::connect(dialog, &SearchDialog::replaceRequested, q, [this, dialog] {
        ChangeScope batch(this);
        const SearchOptions o = dialog->options();
        // Replace the selection when it is a match, then go on to the next.
        long end = 0;
        const long selStart = call(Sci::SCI_GETSELECTIONSTART);
        const long selEnd = call(Sci::SCI_GETSELECTIONEND);
        if (selEnd > selStart &&
            find(o.text.toUtf8(), selStart, selEnd, searchFlags(o.matchCase, o.wholeWord), &end) ==
                selStart &&
            end == selEnd) {
            const long after = replaceRange(selStart, selEnd, insertionBytes(o.replacement));
            call(Sci::SCI_GOTOPOS, after);
        }
        SearchOptions forward = o;
        forward.forward = true;
        runSearch(forward, true);
    });
    QObject::connect(dialog, &SearchDialog::replaceAllRequested, q, [this, dialog] {
        const SearchOptions o = dialog->options();
        if (replaceAllMatches(o.text, o.replacement, searchFlags(o.matchCase, o.wholeWord)) == 0)
            notFound();
    });
    return dialog;
}

void TLEdit::showFindDialog() { d->showSearchDialog(false); }

void TLEdit::showReplaceDialog() { d->showSearchDialog(true); }

void TLEdit::Private::showSearchDialog(bool replacing) {
    SearchDialog *dialog = searchDialog(replacing);
    if (SearchDialog *other = replacing ? findDialog : replaceDialog)
        other->hide();
    // A one-line selection becomes the text to look for.
    SearchOptions preset = search;
    const QString selected = q->getSelText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\n')) &&
        !selected.contains(QLatin1Char('\r')))
        preset.text = selected.left(SearchDialog::kMaxTextLength);
    dialog->setOptions(preset);
    search.text = preset.text;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

bool TLEdit::findNext() {
    if (d->search.text.isEmpty()) {
        showFindDialog();
        return false;
    }
    return d->runSearch(d->search, true);
}

void TLEdit::showGoToLineDialog() {
    const long caret = d->call(SCI_GETCURRENTPOS);
    const int current = int(d->call(SCI_LINEFROMPOSITION, caret)) + 1;
    GoToLineDialog dialog(current, d->lineCount(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const long target = d->lineStart(qBound(1, dialog.line(), d->lineCount()));
    d->call(SCI_GOTOPOS, target);
    setFocus();
}
