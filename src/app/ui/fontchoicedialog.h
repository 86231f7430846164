#pragma once

#include "app/userinteraction.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

// The font dialog: family, size and styles (bold, italic, underline,
// strike-out) as Qt's font dialog offers them, plus the text colour.
class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontChoiceDialog(const FontChoice &preset, QWidget *parent = nullptr);
    FontChoice choice() const;

private:
    void showColor();

    QFontDialog *m_fonts = nullptr;
    QPushButton *m_color = nullptr;
    QColor m_chosenColor;
};
