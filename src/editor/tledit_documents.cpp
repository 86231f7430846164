// Several documents taking turns in one editor.

#include "editor/taglexer.h"
#include "editor/tledit.h"
#include "editor/tledit_p.h"

#include <algorithm>

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
    return outgoing;
}
