#pragma once

#include <QToolButton>

class QLineEdit;
class UserInteraction;

// The small button beside a colour field (six hexadecimal digits, no "#"):
// it shows the field's colour and, when pressed, the dialog asks the user for
// a colour through chooseFieldColor().
class ColorButton : public QToolButton {
    Q_OBJECT
public:
    // Shows the field's colour and follows it as it changes.
    explicit ColorButton(QLineEdit *field, QWidget *parent = nullptr);
    // A button that keeps its colour itself: it shows none until
    // showColor() is called.
    explicit ColorButton(QWidget *parent = nullptr);

    // Shows a colour given as six hexadecimal digits; empty or unreadable
    // text shows a crossed-out frame.
    void showColor(const QString &digits);
};

// Runs the colour dialog for a colour field: it starts on the field's colour
// when the field holds text. Returns true when the user chose a colour; the
// field then holds its six upper-case digits. A field whose text is not
// hexadecimal is reported as an error, and the field stays as it was.
bool chooseFieldColor(UserInteraction &ui, QLineEdit &field);
