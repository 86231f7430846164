#pragma once

#include "generators/template/templatewizard.h"
#include "generators/template/ui/editortemplatetext.h"
#include "generators/template/ui/templategenerator.h"

#include <QDialog>
#include <QString>

class ColorButton;
class GeneratorHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

// "Template Veda Guy": walks through the placeholder lines of the page in the
// editor, shows a page of fields for each, filled from the page, and writes
// the fields back into the page on "&Refresh". It stays open beside the main
// window, on top of it, until closed.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(GeneratorHost &host, const TemplateHooks &hooks, QWidget *parent = nullptr);
    ~TemplateDialog() override;

    const TemplateWizard &wizard() const { return m_wizard; }

    void startClicked();
    void nextClicked();
    void previousClicked();
    void refreshClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // templatedialog_pages.cpp: the pages and their controls.
    QWidget *buildStartingPage();
    QWidget *buildInvalidTagPage();
    QWidget *buildDefaultsPage();
    QWidget *buildHeaderPage();
    QWidget *buildTextPage();
    QWidget *buildImagePage();
    QWidget *buildBodyPage();
    QWidget *buildLinkPage();
    QComboBox *fileList(const QString &name, bool documents, QWidget *parent);

    // templatedialog.cpp
    void showPlaceholder();
    void showPage(const QString &name);
    void fillFields();
    void collectFields();
    void collectLink();
    void displayedTextLeft();
    void imageFileChosen(const QString &name);
    void mailToToggled(bool on);
    void linkStyleChosen(int index);
    void chooseHeaderColor();
    void chooseBodyColor(int index);
    void showBodyColor(int index);
    void browse(QComboBox *field);
    QString pathOf(const QString &name) const;

    GeneratorHost &m_host;
    TemplateHooks m_hooks;
    EditorTemplateText m_text;
    TemplateWizard m_wizard;
    bool m_importing = false; // the page is being filled from the content line
    bool m_restored = false;

    QStackedWidget *m_book = nullptr;
    QPushButton *m_prevTemp = nullptr;
    QPushButton *m_nextTemp = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_lineNumber = nullptr;

    QLineEdit *m_pageTitle = nullptr;
    QLineEdit *m_keywords = nullptr;
    QLineEdit *m_description = nullptr;

    QLineEdit *m_headerText = nullptr;
    QSpinBox *m_headerSize = nullptr;
    QComboBox *m_headerAlignment = nullptr;
    ColorButton *m_headerColorButton = nullptr;
    QString m_headerColor; // six hexadecimal digits; empty: none chosen

    QPlainTextEdit *m_webText = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_underline = nullptr;
    QCheckBox *m_italics = nullptr;
    QComboBox *m_textAlignment = nullptr;

    QComboBox *m_imageFilename = nullptr;
    QSpinBox *m_imageWidth = nullptr;
    QSpinBox *m_imageHeight = nullptr;
    QComboBox *m_imageAlignment = nullptr;

    QLineEdit *m_bodyColors[5] = {};
    QLabel *m_bodyColorLabels[5] = {};
    QComboBox *m_backgroundImage = nullptr;
    QCheckBox *m_bgProperties = nullptr;
    QSpinBox *m_leftMargin = nullptr;
    QSpinBox *m_rightMargin = nullptr;

    QComboBox *m_urlLink = nullptr;
    QLabel *m_urlCaption = nullptr;
    QLineEdit *m_displayedText = nullptr;
    QComboBox *m_linkStyle = nullptr;
    QComboBox *m_displayedGraphic = nullptr;
    QWidget *m_graphicRow = nullptr;
    QComboBox *m_linkAlignment = nullptr;
    QCheckBox *m_mailTo = nullptr;
};
