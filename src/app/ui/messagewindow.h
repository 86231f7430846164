#pragma once

#include "app/messagecodes.h"

#include <QDialog>

class QAbstractButton;

// The program's message dialog: a word-wrapped text, the icon and title of its
// kind, and the buttons of the set in their fixed order. Enter presses the
// default button; Escape and the window's close button press the escape
// button (nothing happens when the set has none). "&Help" opens the help and
// leaves the dialog open.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(const QString &text, Msg::Kind kind, Msg::Buttons buttons,
                  const QString &applicationTitle, QWidget *parent = nullptr);

    // The result code of the button pressed (after exec()).
    int resultCode() const { return m_result; }

    QAbstractButton *button(Msg::Button which) const;

signals:
    void helpRequested();

protected:
    void reject() override;
    void showEvent(QShowEvent *event) override;

private:
    void press(const Msg::ButtonInfo &info);

    Msg::Buttons m_buttons;
    int m_result = Msg::ResultNone;
};
