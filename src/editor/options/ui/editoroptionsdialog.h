#pragma once

#include "editor/options/editoroptions.h"

#include <QDialog>
#include <array>
#include <functional>

class ColorBox;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TLEdit;

// "Default Editor Settings": the editor's and the previews' look and the
// editor's behaviour, on three pages ("General", "Editor Colors", "HTML
// Viewer"), with a sample editor that shows the font, tab size and colours
// as they are chosen. The dialog only collects the choice: "Apply" and "OK"
// hand it to the apply handler, "OK" then closes accepted; "Cancel" puts
// every control back to what the dialog opened with and closes.
class EditorOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditorOptionsDialog(const EditorOptions &initial, QWidget *parent = nullptr);

    // What the controls say.
    EditorOptions options() const;
    // Fills every control (no helper tips) and redraws the sample.
    void setOptions(const EditorOptions &options);
    // Sets the colour boxes to a preset, as its button does.
    void applyScheme(ColorScheme scheme);

    // Receives the choice on "Apply" and "OK".
    void setApplyHandler(std::function<void(const EditorOptions &)> handler) {
        m_apply = std::move(handler);
    }
    // Shows a helper topic: ticking "Use Wordwrap" or "Expand to HTML"
    // asks for its explanation.
    void setHelperTipHandler(std::function<void(int topic)> handler) {
        m_helper = std::move(handler);
    }

    QTabWidget *pages() const { return m_pages; }
    TLEdit *sampleEditor() const { return m_sample; }

public slots:
    // Cancel, Escape and the window's close box.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildColorsPage();
    QWidget *buildViewerPage();
    QComboBox *fontList(const QString &name, const QString &hint, QWidget *parent);
    ColorBox *colorBox(const QString &name, const QString &hint, QWidget *parent);
    void updateSample();
    void apply();

    EditorOptions m_initial;
    std::function<void(const EditorOptions &)> m_apply;
    std::function<void(int)> m_helper;
    bool m_filling = false;

    QTabWidget *m_pages = nullptr;
    // General
    QComboBox *m_fontName = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QComboBox *m_saveType = nullptr;
    QSpinBox *m_tabSize = nullptr;
    QCheckBox *m_autoIndent = nullptr, *m_wordWrap = nullptr, *m_expand = nullptr,
              *m_leds = nullptr;
    // Editor Colors
    ColorBox *m_textColor = nullptr, *m_windowColor = nullptr;
    ColorBox *m_syntaxFore = nullptr, *m_syntaxBack = nullptr;
    ColorBox *m_selectedFore = nullptr, *m_selectedBack = nullptr;
    // HTML Viewer
    QComboBox *m_htmlFontName = nullptr;
    QSpinBox *m_htmlFontSize = nullptr;
    ColorBox *m_htmlWinColor = nullptr, *m_htmlFontColor = nullptr;

    TLEdit *m_sample = nullptr;
};
