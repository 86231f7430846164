#pragma once

#include "app/area.h"
#include "spelling/spellerproperties.h"
#include "spelling/spellingchecker.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class ActiveDocument;
class QAction;
class QToolButton;
class Shell;
class SpellCheckDialog;
class SpellCheckSession;
class SpellUnderliner;
class TLEdit;
struct MainActions;

// The widgets spell checking works on.
struct SpellingWidgets {
    TLEdit *webPage = nullptr;     // the document editor
    TLEdit *spareEditor = nullptr; // the scratch pad
    QToolButton *spell = nullptr;  // "Spell Checker"
};

// The main window's spell-check component: "Spell Check..." (Ctrl+S) and the
// "Spell Checker" button, one command in one state, usable while a document
// is open and on screen; its properties from and back to the settings; the
// squiggles under unknown words in the document editor, and the editor's
// pop-up offering suggestions, "Add" and "Skip A&lways" for them.
class SpellingArea : public QObject, public Area {
    Q_OBJECT
public:
    SpellingArea(Shell &shell, ActiveDocument &document, const SpellingWidgets &widgets,
                 MainActions &actions, QObject *parent = nullptr);
    ~SpellingArea() override;

    // Runs the check on the scratch pad when it has the focus, else on the
    // document editor.
    void spellCheck();

    const SpellerProperties &properties() const { return m_properties; }
    SpellingChecker &checker() { return m_checker; }
    SpellUnderliner &underliner() { return *m_underliner; }
    // The dialog, once a check has shown it.
    SpellCheckDialog *dialog() const;
    bool isChecking() const;

    // --- Area ---------------------------------------------------------------------------
    void applySettings() override;
    void settingsChanged() override;
    void updateMenus(const UiState &state) override;
    void fullScreenChanged(bool on) override;
    void captureSettings() override;
    void shutdown() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeSettings();
    void documentChanged();
    void sessionFinished();
    void showLocation(TLEdit *editor);
    void addSpellingEntries();
    void removeSpellingEntries();
    void replaceMarkedWord(long from, long to, const QString &original, const QString &with);
    void addWord(const QString &word);

    Shell &m_shell;
    ActiveDocument &m_document;
    SpellingWidgets m_w;
    MainActions &m_a;
    SpellerProperties m_properties;
    SpellingChecker m_checker;
    std::unique_ptr<SpellUnderliner> m_underliner;
    QPointer<SpellCheckDialog> m_dialog;
    std::unique_ptr<SpellCheckSession> m_session;
    // Where the editor's pop-up was asked for (a document position), and the
    // entries put into it for a marked word.
    long m_menuPosition = -1;
    QList<QAction *> m_entries;
};
