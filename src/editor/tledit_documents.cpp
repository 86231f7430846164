// Several documents taking turns in one editor.

#include "editor/taglexer.h"
#include "editor/tledit.h"
#include "editor/tledit_p.h"

#include <algorithm>
#include <limits>

using Sci = QsciScintillaBase;

TLEditDocument::TLEditDocument() {
    std::fill(std::begin(m_bookmarkHandles), std::end(m_bookmarkHandles), -1);
}

TLEditDocument::~TLEditDocument() {
    if (m_owner)
        m_owner->forgetDocument(this);
}

quint64 TLEdit::changeCount() const {
    return d->changeCount;
}

void TLEdit::forgetDocument(TLEditDocument *document) {
    auto &held = d->heldDocuments;
    held.erase(std::remove(held.begin(), held.end(), document), held.end());
}

std::unique_ptr<TLEditDocument> TLEdit::exchangeDocument(std::unique_ptr<TLEditDocument> incoming) {
    Private::ChangeScope batch(d.get());

    auto outgoing = std::make_unique<TLEditDocument>();
    outgoing->m_document = document();
    outgoing->m_format = d->format;
    outgoing->m_forcedModified = d->forcedModified;
    std::copy(std::begin(d->bookmarkHandles), std::end(d->bookmarkHandles),
              std::begin(outgoing->m_bookmarkHandles));
    // Caret, selection and scroll position belong to the view, not to the
    // document: keep them with the document so that it comes back as it was.
    outgoing->m_anchor = d->call(SCI_GETANCHOR);
    outgoing->m_caret = d->call(SCI_GETCURRENTPOS);
    outgoing->m_firstVisible = d->call(SCI_GETFIRSTVISIBLELINE);
    outgoing->m_xOffset = d->call(SCI_GETXOFFSET);
    outgoing->m_owner = this;
    d->heldDocuments.push_back(outgoing.get());

    const bool fresh = !incoming;
    if (fresh)
        incoming = std::make_unique<TLEditDocument>();
    setDocument(incoming->m_document);
    if (incoming->m_owner) {
        forgetDocument(incoming.get());
        incoming->m_owner = nullptr;
    }

    if (fresh) {
        // Code page, word characters, tab width and the column index are
        // properties of the document: give a new one the editor's settings.
        setUtf8(true);
        sci::callBytes(this, SCI_SETWORDCHARS, 0, d->lexer->wordCharacters());
        d->call(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
        setTabWidth(d->tabSize);
        d->call(SCI_EMPTYUNDOBUFFER);
        d->call(SCI_SETSAVEPOINT);
    }
    setTextFormat(incoming->m_format);
    d->forcedModified = incoming->m_forcedModified;
    std::copy(std::begin(incoming->m_bookmarkHandles), std::end(incoming->m_bookmarkHandles),
              std::begin(d->bookmarkHandles));
    d->updateBookmarkMargin();
    d->call(SCI_SETSEL, incoming->m_anchor, incoming->m_caret);
    d->call(SCI_SETFIRSTVISIBLELINE, incoming->m_firstVisible);
    d->call(SCI_SETXOFFSET, incoming->m_xOffset);

    d->changePending = true;
    d->forgetChanges(); // spans do not reach across documents
    return outgoing;
}

// --- Changed spans -------------------------------------------------------------------

namespace {

// Changes kept for changedSince(); older ones are forgotten.
constexpr size_t kJournalSize = 4096;

} // namespace

int TLEdit::Private::characterOfPosition(long position) const {
    const long line = call(SCI_LINEFROMPOSITION, position);
    return int(call(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16)) +
           charactersBetween(call(SCI_POSITIONFROMLINE, line), position);
}

long TLEdit::Private::positionOfCharacter(int offset) const {
    if (offset <= 0)
        return 0;
    if (offset >= q->textLength())
        return call(SCI_GETLENGTH);
    const long line = call(SCI_LINEFROMINDEXPOSITION, offset, SC_LINECHARACTERINDEX_UTF16);
    const long start = call(SCI_POSITIONFROMLINE, line);
    const long rest = offset - call(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    return rest > 0 ? call(SCI_POSITIONRELATIVECODEUNITS, start, rest) : start;
}

// Called before each change, with the text still as it was. Scintilla does
// not show the inserted text then: the change is kept in bytes, and turned
// into characters when asked for, from the text as it is then.
void TLEdit::Private::recordChange(long position, bool insertion, long length) {
    Change change;
    change.count = changeCount;
    change.position = position;
    change.lengthBefore = q->textLength();
    const long removed = insertion ? 0 : length;
    change.after = call(SCI_GETLENGTH) - position - removed;
    journal.push_back(change);
    if (journal.size() > kJournalSize) {
        journalFrom = journal.front().count;
        journal.pop_front();
    }
}

bool TLEdit::changedSince(quint64 since, ChangedSpan *span) const {
    if (since < d->journalFrom || since > d->changeCount)
        return false;
    const int length = textLength();
    auto it = d->journal.end();
    while (it != d->journal.begin() && std::prev(it)->count > since)
        --it;
    if (it == d->journal.end()) {
        *span = ChangedSpan{length, 0, 0};
        return true;
    }
    // Each change keeps the bytes before its position and those after what
    // it removed; all of them together keep the least of each. Those bytes
    // are the same now as then, and so are their characters.
    long prefix = std::numeric_limits<long>::max();
    long suffix = std::numeric_limits<long>::max();
    const int lengthThen = it->lengthBefore;
    for (; it != d->journal.end(); ++it) {
        prefix = std::min(prefix, it->position);
        suffix = std::min(suffix, it->after);
    }
    const long bytes = d->call(SCI_GETLENGTH);
    // Prefix and suffix do not overlap in either text.
    const int shorter = std::min(length, lengthThen);
    span->prefix = std::min(d->characterOfPosition(std::min(prefix, bytes)), shorter);
    span->suffix =
        std::min(length - d->characterOfPosition(std::max(0L, bytes - suffix)), shorter - span->prefix);
    span->delta = length - lengthThen;
    return true;
}

QString TLEdit::textRange(int from, int to) const {
    return d->textBetween(d->positionOfCharacter(from), d->positionOfCharacter(to));
}

int TLEdit::findInRange(const QString &text, int from, int to) const {
    if (from < 0)
        from = 0;
    if (to <= from)
        return -1;
    const long low = d->positionOfCharacter(from);
    const long high = d->positionOfCharacter(to);
    const long found =
        d->find(text.toUtf8(), low, high, d->searchFlags(d->search.matchCase, false), nullptr);
    return found < 0 ? -1 : d->characterOfPosition(found);
}
