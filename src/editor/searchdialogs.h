#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the find and replace dialogs ask for.
struct SearchOptions {
    QString text;
    QString replacement;
    bool matchCase = false;
    bool wholeWord = false;
    bool forward = true;
};

// The editor's find dialog, or with `withReplace` its replace dialog. It is
// modeless and only collects the options; the editor does the searching when
// one of the request signals fires.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxTextLength = 125;

    SearchDialog(bool withReplace, QWidget *parent);

    void setOptions(const SearchOptions &options);
    SearchOptions options() const;
    bool withReplace() const { return m_withReplace; }

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();
    void optionsChanged();

private:
    void updateButtons();

    bool m_withReplace;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
};

// Asks for a line number from 1 to the number of lines.
class GoToLineDialog : public QDialog {
    Q_OBJECT
public:
    GoToLineDialog(int currentLine, int lineCount, QWidget *parent);
    int line() const;

private:
    QSpinBox *m_line = nullptr;
};
