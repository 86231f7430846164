#pragma once

#include "app/area.h"
#include "generators/form/ui/formgenerator.h"

#include <QObject>
#include <QPointer>

class ActiveDocument;
class GeneratorHost;
class PercentSplitter;
class PreviewPane;
class QToolButton;
class QWidget;
class Shell;
class TemplateDialog;
struct MainActions;

// What the generators' entry points work on: the split of editor and
// preview (the template wizard gives the editor's room to the preview while
// it is open) and the tool pages that carry the generators' buttons.
struct GeneratorWidgets {
    PercentSplitter *splitScreen = nullptr; // editor | preview | frame preview
    QWidget *tablesPage = nullptr;
    QWidget *formsPage = nullptr;
    QWidget *templatesPage = nullptr;
};

// The entry points of the generators (the Veda Guys): their menu entries,
// keys, pop-up entries and tool-page buttons, each usable exactly when a
// document is open ("Rainbowize Text..." only while the document editor has
// the focus and a selection). Each opens its generator through the
// program's generator host; the preview is refreshed after the generators
// that rewrite the page in place.
class GeneratorsArea : public QObject, public Area {
    Q_OBJECT
public:
    // `submitForm` shows a form submitted in the Form Veda Guy's preview
    // (the main preview's results window).
    GeneratorsArea(Shell &shell, GeneratorHost &host, ActiveDocument &document,
                   PreviewPane &preview, FormSubmitHandler submitForm,
                   const GeneratorWidgets &widgets, MainActions &actions,
                   QObject *parent = nullptr);
    ~GeneratorsArea() override;

    // "&Table Veda Guy..." and "Table Cell &Attributes".
    void openTable();
    void openCellAttributes();
    // "&Data Form Veda Guy...".
    void openForm();
    // "&Calendar Veda Guy...".
    void openCalendar();
    // "Rainbowize Text...".
    void openRainbowizer();
    // "&Frame Creator...": asks first, then runs the frame dialog. Returns
    // whether the page was replaced (and the preview refreshed).
    bool openFrameCreator();
    // The frame dialog without the question, for a new "Frame Page".
    bool startFrameVedaGuy();
    // "Template Veda Guy...", also for a page just made from a template. A
    // wizard already open is closed first. Returns the wizard, or null when
    // the page is too short to hold placeholders (the user was told).
    TemplateDialog *startTemplateVedaGuy();
    // The template wizard while it is open; null otherwise.
    TemplateDialog *templateWizard() const;

    void updateMenus(const UiState &state) override;
    void shutdown() override;

private:
    void wireEntries();
    bool runFrameDialog(bool (*frameDialog)(GeneratorHost &));
    void closeTemplateWizard();
    void collapseEditor();
    void restoreEditor();

    Shell &m_shell;
    GeneratorHost &m_host;
    ActiveDocument &m_document;
    PreviewPane &m_preview;
    FormSubmitHandler m_submitForm;
    GeneratorWidgets m_w;
    MainActions &m_a;

    QToolButton *m_tableButton = nullptr;    // SpeedButton14
    QToolButton *m_cellButton = nullptr;     // SpeedButton70
    QToolButton *m_formButton = nullptr;     // FormVedaGuyButton
    QToolButton *m_templateButton = nullptr; // SpeedButton34
    QPointer<TemplateDialog> m_wizard;
    int m_editorBar = -1; // the editor's bar while the wizard has collapsed it
};
