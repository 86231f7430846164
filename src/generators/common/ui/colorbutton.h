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
    explicit ColorButton(QLineEdit *field, QWidget *parent = nullptr);

private:
    void showColorOf(const QString &text);
};

// Runs the colour dialog for a colour field: it starts on the field's colour
// when the field holds text. Returns true when the user chose a colour; the
// field then holds its six upper-case digits. A field whose text is not
// hexadecimal is reported as an error, and the field stays as it was.
bool chooseFieldColor(UserInteraction &ui, QLineEdit &field);
