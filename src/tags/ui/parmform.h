#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class UserInteraction;

// The "Parameter Selections" dialog (`TParmForm`): one dialog with seven
// pages ("align", "valign", "size", "meta", "embed", "object", "Parameter"),
// chosen by name before it is shown. It is made once and shown modally each
// time; fields keep their values between showings except where a page empties
// them after use.
class ParmForm : public QDialog {
    Q_OBJECT
public:
    explicit ParmForm(UserInteraction &ui, QWidget *parent = nullptr);

    // Shows the page of that name; false (page unchanged) for an unknown name.
    bool setPage(const QString &name);
    QString page() const;

    // Presets the fields from the text the dialog is about: the selection, or
    // the rest of the caret's line.
    void preset(const QString &text);

    // The mark-up "Ok" inserts for the current page (empty: insert nothing).
    // The meta and embed pages empty their fields afterwards.
    QString takeInsertion();

private:
    void browseEmbedSource();
    QWidget *buildAlignPage();
    QWidget *buildValignPage();
    QWidget *buildSizePage();
    QWidget *buildMetaPage();
    QWidget *buildEmbedPage();
    QWidget *buildObjectPage();
    QWidget *buildParameterPage();

    UserInteraction &m_ui;
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_align = nullptr;
    QComboBox *m_valign = nullptr;
    QComboBox *m_size = nullptr;
    QLineEdit *m_metaName = nullptr;
    QLineEdit *m_metaContent = nullptr;
    QComboBox *m_metaHttpEquiv = nullptr;
    QLineEdit *m_embedSrc = nullptr;
    QToolButton *m_embedBrowse = nullptr;
    QSpinBox *m_embedHeight = nullptr;
    QSpinBox *m_embedWidth = nullptr;
    QLineEdit *m_paramName = nullptr;
    QLineEdit *m_paramValue = nullptr;
};
