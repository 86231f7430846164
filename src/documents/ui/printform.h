#pragma once

#include <QDialog>

class QRadioButton;

// The "Print" dialog: what to print (the rendered page, its text, or both).
// "Print" accepts it; the caller prints.
class PrintForm : public QDialog {
    Q_OBJECT
public:
    enum Choice { GraphicView, TextView, BothViews };

    explicit PrintForm(QWidget *parent = nullptr);
    Choice choice() const;
    void setChoice(Choice choice);

private:
    QRadioButton *m_options[3] = {};
};
