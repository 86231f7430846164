// Keyboard, mouse and drag handling of TLEdit: the hooks and the event signals.

#include "editor/tledit.h"
#include "editor/tledit_p.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

using Sci = QsciScintillaBase;

namespace {

// The character a key press types, as the key hook sees it: Enter is CR,
// Ctrl+Enter LF, a printable key its character; a null QChar for keys that
// type nothing (or more than one UTF-16 unit).
QChar typedCharacter(const QKeyEvent *event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (mods & (Qt::AltModifier | Qt::MetaModifier))
            return QChar();
        return (mods & Qt::ControlModifier) ? QChar(u'\n') : QChar(u'\r');
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return QChar();
    return text.at(0);
}

} // namespace

void TLEdit::keyPressEvent(QKeyEvent *event) {
    Private::ChangeScope batch(d.get());
    const QChar typed = typedCharacter(event);
    if (typed.isNull()) {
        QsciScintilla::keyPressEvent(event);
        d->checkModeChange(); // the Insert key toggles overwrite mode
        return;
    }

    const QChar result = d->keyHook ? d->keyHook(typed) : typed;
    if (result.isNull()) {
        event->accept();
        return;
    }
    if (result == typed && typed != QChar(u'\n')) {
        QsciScintilla::keyPressEvent(event);
    } else if (result == QChar(u'\r') || result == QChar(u'\n')) {
        // Either kind of line break is typed as a plain Enter, which makes a
        // line end of the document's kind (and indents when that is on).
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QsciScintilla::keyPressEvent(&enter);
        event->accept();
    } else {
        QKeyEvent other(QEvent::KeyPress, 0, Qt::NoModifier, QString(result));
        QsciScintilla::keyPressEvent(&other);
        event->accept();
    }
    emit characterTyped(result);
}

void TLEdit::inputMethodEvent(QInputMethodEvent *event) {
    Private::ChangeScope batch(d.get());
    // A character composed by the input method (a dead key, for instance)
    // goes through the key hook like a typed one.
    const QString commit = event->commitString();
    if (!d->keyHook || commit.size() != 1 || !event->preeditString().isEmpty() ||
        !commit.at(0).isPrint()) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    const QChar result = d->keyHook(commit.at(0));
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    if (!result.isNull())
        changed.setCommitString(QString(result), event->replacementStart(),
                                event->replacementLength());
    QsciScintilla::inputMethodEvent(&changed);
    event->accept();
    if (!result.isNull())
        emit characterTyped(result);
}

void TLEdit::keyReleaseEvent(QKeyEvent *event) {
    QsciScintilla::keyReleaseEvent(event);
    emit keyReleased(event->key());
}

void TLEdit::mousePressEvent(QMouseEvent *event) {
    {
        Private::ChangeScope batch(d.get()); // a middle-click pastes
        QsciScintilla::mousePressEvent(event);
    }
    emit mousePressed();
}

void TLEdit::mouseReleaseEvent(QMouseEvent *event) {
    {
        Private::ChangeScope batch(d.get());
        QsciScintilla::mouseReleaseEvent(event);
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The release that ends a double-click is not a click of its own.
    if (d->skipNextClick) {
        d->skipNextClick = false;
        return;
    }
    emit clicked();
}

void TLEdit::mouseDoubleClickEvent(QMouseEvent *event) {
    QsciScintilla::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    d->skipNextClick = true;
    d->trimWordAtTagStart(event->position().toPoint());
    emit doubleClicked();
}

// "<" counts as a word character so that a double-click on BODY in "<BODY"
// selects "<BODY". A "<" inside the selected word starts a new word, though:
// double-clicking "bold" in "<B>bold</B>" selects "bold", not "bold</B".
void TLEdit::Private::trimWordAtTagStart(const QPoint &point) {
    const long start = call(Sci::SCI_GETSELECTIONSTART);
    const long end = call(Sci::SCI_GETSELECTIONEND);
    if (end - start < 2 || end - start > 4096)
        return;
    const long clicked = call(Sci::SCI_POSITIONFROMPOINT, point.x(), point.y());
    QByteArray word(end - start + 1, Qt::Uninitialized);
    sci::textRange(q, start, end, word.data());
    long pieceStart = start;
    long pieceEnd = end;
    for (long i = 1; i < end - start; ++i) {
        if (word.at(i) != '<')
            continue;
        if (start + i <= clicked)
            pieceStart = start + i;
        else {
            pieceEnd = start + i;
            break;
        }
    }
    if (pieceStart != start || pieceEnd != end)
        call(Sci::SCI_SETSEL, pieceStart, pieceEnd);
}

void TLEdit::setKeyPressHook(KeyPressHook hook) {
    d->keyHook = std::move(hook);
}

void TLEdit::setShortcutOwnerHook(ShortcutOwnerHook hook) { d->shortcutOwner = std::move(hook); }

bool TLEdit::event(QEvent *event) {
    // The editor claims every key it has a binding for before shortcuts are
    // looked at; a key owned by a usable window command is left to it.
    if (event->type() == QEvent::ShortcutOverride && d->shortcutOwner) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (d->shortcutOwner(key->keyCombination())) {
            event->ignore();
            return false;
        }
    }
    const bool handled = QsciScintilla::event(event);
    // On a screen with another scale factor the bookmark marks are drawn
    // afresh in its pixels.
    if (event->type() == QEvent::ScreenChangeInternal)
        d->defineBookmarkMarkers();
    return handled;
}

void TLEdit::setDragHooks(DragHook acceptsDrag, DragHook drop) {
    d->acceptsDrag = std::move(acceptsDrag);
    d->drop = std::move(drop);
}

// A drag the hook accepts is the hook's from entering to dropping; any other
// drag gets the editor's own handling (text dragged within or into it).

void TLEdit::dragEnterEvent(QDragEnterEvent *event) {
    d->dragTakenByHook =
        d->acceptsDrag && d->acceptsDrag(event->mimeData(), event->position().toPoint());
    if (d->dragTakenByHook) {
        event->acceptProposedAction();
        return;
    }
    QsciScintilla::dragEnterEvent(event);
}

void TLEdit::dragMoveEvent(QDragMoveEvent *event) {
    if (d->dragTakenByHook) {
        if (d->acceptsDrag(event->mimeData(), event->position().toPoint()))
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QsciScintilla::dragMoveEvent(event);
}

void TLEdit::dropEvent(QDropEvent *event) {
    Private::ChangeScope batch(d.get());
    if (d->dragTakenByHook) {
        d->dragTakenByHook = false;
        if (d->drop && d->drop(event->mimeData(), event->position().toPoint()))
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QsciScintilla::dropEvent(event);
}
