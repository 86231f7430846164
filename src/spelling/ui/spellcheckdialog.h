#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// The "Spell Checker" dialog: the word not found, the text to put in its
// place, the suggestions, and the buttons that decide what happens to the
// word. It only shows and collects; the check run (SpellCheckSession) acts
// on the user's choice, sent as chosen().
class SpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Replace, SkipOnce, SkipAlways, Suggest, Add, Close };
    Q_ENUM(Choice)

    explicit SpellCheckDialog(QWidget *parent = nullptr);

    // Button pictures beside the captions.
    void setShowGlyphs(bool on);

    // Shows a word not found with its suggestions; "Replace With" takes the
    // first suggestion, or the word itself when there is none.
    void showWord(const QString &word, const QStringList &suggestions);
    // Replaces the suggestions ("&Suggest"), leaving "Replace With" alone.
    void setSuggestions(const QStringList &suggestions);

    QString word() const;
    QString replacement() const;
    QStringList suggestions() const;

signals:
    void chosen(SpellCheckDialog::Choice choice);

protected:
    void reject() override;

private:
    QPushButton *button(const QString &caption, const QString &name, Choice choice);

    QLineEdit *m_notFound;
    QLineEdit *m_replaceWith;
    QListWidget *m_suggestions;
    QList<QPushButton *> m_buttons;
};
