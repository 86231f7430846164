#pragma once

#include "spelling/spellerproperties.h"
#include "spelling/ui/spellcheckdialog.h"
#include "spelling/wordwalker.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class SpellingChecker;
class TLEdit;
class UserInteraction;

// One run of the spell checker over an editor's text, from its start to its
// end, word by word. Each word that is not known is selected in the editor
// and shown in the dialog; the user's choice is carried out and the run goes
// on with the next word. Replacements go through the editor's selection and
// replaceSel, one undo step each. The dialog is modal while the run lasts, so
// the text changes only through the run.
class SpellCheckSession : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> textChanged;  // a replacement was made
        std::function<void()> wordsChanged; // a word was added or skipped for good
        std::function<void()> wordShown;    // a word is selected in the editor and shown
    };

    SpellCheckSession(TLEdit &editor, SpellingChecker &checker, const SpellerProperties &properties,
                      UserInteraction &ui, SpellCheckDialog &dialog, Hooks hooks,
                      QObject *parent = nullptr);
    ~SpellCheckSession() override;

    // Goes to the first unknown word, or tells the user the check is
    // complete (finished() follows at once then). The dictionary must be open.
    void start();
    bool isRunning() const { return m_running; }

    // The word on show: its line (from 1) and columns in the editor.
    int line() const { return m_line; }
    const WalkedWord &word() const { return m_word; }

    static QString completeText() { return QStringLiteral("Spell check complete."); }
    static QString confirmAddText(const QString &word);

signals:
    void finished();

private:
    void choose(SpellCheckDialog::Choice choice);
    void replace();
    void add();
    // Finds the next unknown word from the resume point; false at the end.
    bool findNext();
    void advance();
    void present();
    void moveDialogOffWord();
    void finish(bool complete);

    TLEdit &m_editor;
    SpellingChecker &m_checker;
    SpellerProperties m_properties;
    UserInteraction &m_ui;
    SpellCheckDialog &m_dialog;
    Hooks m_hooks;
    bool m_running = false;

    int m_line = 1;
    qsizetype m_resumeColumn = 0;
    bool m_lineStartsInTag = false;
    QString m_lineText;
    std::optional<WordWalker> m_walker; // over m_lineText
    WalkedWord m_word;
};
