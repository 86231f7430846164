#pragma once

#include <QDialog>
#include <array>
#include <functional>

struct Settings;
class UserInteraction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

// "General Settings": edits part of the settings in memory. The controls are
// filled from the settings when the dialog is made; "Ok" copies them back,
// Cancel changes nothing.
class GeneralSettingsDialog : public QDialog {
    Q_OBJECT
public:
    GeneralSettingsDialog(Settings &settings, UserInteraction &ui, QWidget *parent = nullptr);

    // Shows a helper topic (entering the extensions field shows topic 7).
    void setHelperTipHandler(std::function<void(int topic)> handler) {
        m_helper = std::move(handler);
    }

    // Copies every control back into the settings (what "Ok" does).
    void store();

    QTabWidget *pages() const { return m_pages; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void buildGeneralPage();
    void buildDefaultsPage();
    void buildSpellingPage();
    void buildFtpPage();
    void chooseGraphicRepository();
    // The program search dialog; the program picked there becomes the
    // field's text.
    void searchForBrowser(QLineEdit *field);

    Settings &m_settings;
    UserInteraction &m_ui;
    std::function<void(int)> m_helper;
    bool m_filling = false;

    QTabWidget *m_pages = nullptr;
    QSpinBox *m_fontAdj = nullptr;
    std::array<QCheckBox *, 4> m_customPages{};
    QCheckBox *m_autoUpdate = nullptr, *m_closingP = nullptr, *m_useBr = nullptr;
    QCheckBox *m_autoload = nullptr, *m_timeStamp = nullptr;
    QLineEdit *m_extensions = nullptr, *m_graphicExtensions = nullptr;
    QLineEdit *m_browser1 = nullptr, *m_browser2 = nullptr, *m_sharedDir = nullptr;
    QCheckBox *m_prefix1 = nullptr, *m_prefix2 = nullptr;
    QToolButton *m_search1 = nullptr, *m_search2 = nullptr, *m_browseShared = nullptr;
    QComboBox *m_language = nullptr, *m_dialogStyle = nullptr;
    QSpinBox *m_suggestCount = nullptr, *m_timeOut = nullptr;
    QCheckBox *m_skipHtml = nullptr, *m_confirmAdd = nullptr;
    QLineEdit *m_binaryExt = nullptr, *m_asciiExt = nullptr;
};
