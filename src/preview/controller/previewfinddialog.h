#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The preview's "Find" dialog: a text and "Match case"; it searches forward
// through the rendered page, so it has no whole-word or direction choice.
// Non-modal: each "Find Next" asks for the next match.
class PreviewFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreviewFindDialog(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    bool matchCase() const;
    void setMatchCase(bool on);

signals:
    void findNextRequested(const QString &text, bool matchCase);

private:
    QLineEdit *m_text = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QPushButton *m_findNext = nullptr;
};
