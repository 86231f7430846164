#pragma once

#include "app/tipbook.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The tip of the day and helper tip dialog. In tip mode it pages through the
// tips with "Previous Tip" and "Next Tip"; in helper mode those buttons are
// hidden and it shows one helper topic. The index moves before every display
// (TipBook::move), also when the dialog opens.
class TipDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Tip, Helper };

    TipDialog(const TipBook &book, Mode mode, QWidget *parent = nullptr);

    // The index before opening; the dialog shows move(index, Open) first.
    void setStartIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    void setChecked(bool on);
    bool isChecked() const;

    QString titleText() const;
    QString tipText() const;

    // Shows the given text instead of a line of the book (helper tips).
    void setFixedTip(const TipText &tip);

    void showPrevious();
    void showNext();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void display(TipBook::Move how);

    const TipBook &m_book;
    Mode m_mode;
    int m_index = 10;
    bool m_opened = false;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QCheckBox *m_check = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
};
