#include "spelling/ui/spellchecksession.h"

#include "app/userinteraction.h"
#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "spelling/spellingchecker.h"

#include <QGuiApplication>
#include <QScreen>

SpellCheckSession::SpellCheckSession(TLEdit &editor, SpellingChecker &checker,
                                     const SpellerProperties &properties, UserInteraction &ui,
                                     SpellCheckDialog &dialog, Hooks hooks, QObject *parent)
    : QObject(parent), m_editor(editor), m_checker(checker), m_properties(properties), m_ui(ui),
      m_dialog(dialog), m_hooks(std::move(hooks)) {
    connect(&m_dialog, &SpellCheckDialog::chosen, this, &SpellCheckSession::choose);
}

SpellCheckSession::~SpellCheckSession() {
    if (m_running)
        m_dialog.hide();
}

QString SpellCheckSession::confirmAddText(const QString &word) {
    return QStringLiteral("Add \"%1\" to the user dictionary?").arg(word);
}

void SpellCheckSession::start() {
    m_running = true;
    m_line = 1;
    m_resumeColumn = 0;
    m_lineStartsInTag = false;
    m_walker.reset();
    advance();
}

void SpellCheckSession::advance() {
    if (findNext())
        present();
    else if (!m_checker.isOpen())
        // The main dictionary turned out damaged on the way.
        finish(false);
    else
        finish(true);
}

bool SpellCheckSession::findNext() {
    const int lines = m_editor.lineCount();
    while (m_line <= lines) {
        if (!m_walker) {
            m_lineText = m_editor.getLineText(m_line);
            m_walker.emplace(m_lineText, m_properties.supportHtml, m_lineStartsInTag);
        }
        while (std::optional<WalkedWord> w = m_walker->next()) {
            if (w->start < m_resumeColumn || m_checker.isKnown(w->text))
                continue;
            if (!m_checker.isOpen()) {
                m_ui.message(m_checker.error(), Msg::Error, Msg::Ok);
                return false;
            }
            m_word = *w;
            return true;
        }
        m_lineStartsInTag = m_walker->inTag();
        m_walker.reset();
        m_resumeColumn = 0;
        ++m_line;
    }
    return false;
}

void SpellCheckSession::present() {
    m_editor.startLine = m_line;
    m_editor.startPos = int(m_word.start);
    m_editor.endLine = m_line;
    m_editor.endPos = int(m_word.end);
    m_editor.applySelection();
    m_editor.ensureCursorVisible();
    if (m_hooks.wordShown)
        m_hooks.wordShown();

    const QStringList suggestions = m_properties.autoSuggest
                                        ? m_checker.suggest(m_word.text, m_properties.suggestions)
                                        : QStringList();
    m_dialog.showWord(m_word.text, suggestions);
    if (!m_dialog.isVisible()) {
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.show();
    }
    m_dialog.raise();
    m_dialog.activateWindow();
    if (m_properties.autoShift)
        moveDialogOffWord();
}

// Keeps the word in sight: a dialog over it goes below it, or above it when
// there is no room below.
void SpellCheckSession::moveDialogOffWord() {
    using Sci = QsciScintillaBase;
    const long from = sci::call(&m_editor, Sci::SCI_GETSELECTIONSTART);
    const long to = sci::call(&m_editor, Sci::SCI_GETSELECTIONEND);
    const int x = int(sci::call(&m_editor, Sci::SCI_POINTXFROMPOSITION, 0, from));
    const int y = int(sci::call(&m_editor, Sci::SCI_POINTYFROMPOSITION, 0, from));
    const int right = int(sci::call(&m_editor, Sci::SCI_POINTXFROMPOSITION, 0, to));
    const int height = int(sci::call(&m_editor, Sci::SCI_TEXTHEIGHT, m_line - 1));
    const QPoint topLeft = m_editor.viewport()->mapToGlobal(QPoint(x, y));
    const QRect word(topLeft, QSize(qMax(1, right - x), qMax(1, height)));
    const QRect dialog = m_dialog.frameGeometry();
    if (!dialog.intersects(word.adjusted(-4, -4, 4, 4)))
        return;
    const QScreen *screen =
        m_dialog.screen() ? m_dialog.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    int top = word.bottom() + 8;
    if (top + dialog.height() > available.bottom())
        top = word.top() - 8 - dialog.height();
    m_dialog.move(m_dialog.x(), qMax(available.top(), top) + (m_dialog.y() - dialog.y()));
}

void SpellCheckSession::choose(SpellCheckDialog::Choice choice) {
    if (!m_running)
        return;
    using C = SpellCheckDialog::Choice;
    switch (choice) {
    case C::Replace:
        replace();
        break;
    case C::SkipOnce:
        m_resumeColumn = m_word.end;
        advance();
        break;
    case C::SkipAlways:
        m_checker.skipAlways(m_word.text);
        if (m_hooks.wordsChanged)
            m_hooks.wordsChanged();
        m_resumeColumn = m_word.end;
        advance();
        break;
    case C::Suggest: {
        // Suggestions for what the user typed in "Replace With", else for
        // the word.
        const QString typed = m_dialog.replacement().trimmed();
        m_dialog.setSuggestions(
            m_checker.suggest(typed.isEmpty() ? m_word.text : typed, m_properties.suggestions));
        break;
    }
    case C::Add:
        add();
        break;
    case C::Close:
        finish(false);
        break;
    }
}

void SpellCheckSession::replace() {
    const QString typed = m_dialog.replacement();
    const QString original = m_lineText.mid(m_word.start, m_word.end - m_word.start);
    if (typed == m_word.text) {
        m_resumeColumn = m_word.end;
        advance();
        return;
    }
    const QString text = replacementLike(original, typed);
    m_editor.replaceSel(text);
    if (m_hooks.textChanged)
        m_hooks.textChanged();
    // The line changed: walk it again from its start, going on after the
    // replacement.
    m_resumeColumn = m_word.start + text.size();
    m_walker.reset();
    advance();
}

void SpellCheckSession::add() {
    if (m_properties.confirmAdd && m_ui.message(confirmAddText(m_word.text), Msg::Confirmation,
                                                Msg::Yes | Msg::No) != Msg::ResultYes)
        return;
    if (m_checker.add(m_word.text) && m_hooks.wordsChanged)
        m_hooks.wordsChanged();
    m_resumeColumn = m_word.end;
    advance();
}

void SpellCheckSession::finish(bool complete) {
    if (!m_running)
        return;
    m_running = false;
    m_walker.reset();
    m_dialog.hide();
    if (complete)
        m_ui.message(completeText(), Msg::Information, Msg::Ok);
    emit finished();
}
