#pragma once

#include "generators/rainbow/rainbowtext.h"

#include <QDialog>

class GeneratorHost;
class GeneratorPreview;
class QCheckBox;
class QFrame;
class RadioGroup;

// "Rainbowizer" (`TRainbowForm`): previews the text selected in the editor
// with every character in a colour of its own; OK puts exactly the text
// previewed in place of the selection.
class RainbowDialog : public QDialog {
    Q_OBJECT
public:
    RainbowDialog(GeneratorHost &host, RainbowDice dice = systemRainbowDice(),
                  QWidget *parent = nullptr);

    const RainbowChoices &choices() const { return m_choices; }
    // What OK puts in place of the selection (`RainbowText`).
    QString rainbowText() const { return m_text; }
    GeneratorPreview *preview() const { return m_preview; }

    // Builds the text from the editor's selection and the controls and shows
    // it (`CreateRainbow`).
    void createRainbow();

private:
    void readControls();
    void chooseBaseColor();
    void showBaseColor();
    void replaceSelection();

    GeneratorHost &m_host;
    RainbowDice m_dice;
    RainbowChoices m_choices;
    QString m_text;

    GeneratorPreview *m_preview = nullptr;
    RadioGroup *m_generate = nullptr;
    QCheckBox *m_useRandom = nullptr;
    QCheckBox *m_color16 = nullptr;
    QFrame *m_panelColor = nullptr;
};
