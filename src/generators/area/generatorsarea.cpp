#include "generators/area/generatorsarea.h"

#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/ui/percentsplitter.h"
#include "app/ui/toolpagerow.h"
#include "documents/activedocument.h"
#include "generators/calendar/ui/calendargenerator.h"
#include "generators/frame/ui/framegenerator.h"
#include "generators/rainbow/ui/rainbowgenerator.h"
#include "generators/table/ui/tablegenerator.h"
#include "generators/template/ui/templatedialog.h"
#include "generators/template/ui/templategenerator.h"
#include "preview/previewpane.h"

#include <QAction>
#include <QToolButton>

GeneratorsArea::GeneratorsArea(Shell &shell, GeneratorHost &host, ActiveDocument &document,
                               PreviewPane &preview, FormSubmitHandler submitForm,
                               const GeneratorWidgets &widgets, MainActions &actions,
                               QObject *parent)
    : QObject(parent), m_shell(shell), m_host(host), m_document(document), m_preview(preview),
      m_submitForm(std::move(submitForm)), m_w(widgets), m_a(actions) {
    wireEntries();
    // The wizard works on the text in the editor: once another document is
    // there (or none), it would write into the wrong page.
    connect(&m_document, &ActiveDocument::currentDocumentChanged, this,
            &GeneratorsArea::closeTemplateWizard);
}

// The wizard refers to the host and the editor: it goes with the area.
GeneratorsArea::~GeneratorsArea() {
    delete m_wizard.data();
}

void GeneratorsArea::wireEntries() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.tableVedaGuy, a.popupTableVedaGuy, a.tableCellAttributes,
                           a.dataFormVedaGuy, a.popupFormVedaGuy, a.calendarVedaGuy, a.frameCreator,
                           a.popupFrameVedaGuy, a.templateVedaGuy, a.rainbowize});

    m_tableButton = addToolPageButton(m_w.tablesPage, QStringLiteral("SpeedButton14"),
                                      QStringLiteral("Table..."), QStringLiteral("Table Veda Guy"));
    m_cellButton = addToolPageButton(m_w.tablesPage, QStringLiteral("SpeedButton70"),
                                     QStringLiteral("Cell..."),
                                     QStringLiteral("Change table cell attributes"));
    m_formButton =
        addToolPageButton(m_w.formsPage, QStringLiteral("FormVedaGuyButton"),
                          QStringLiteral("Form..."), QStringLiteral("Data Entry Form Veda Guy"));
    m_templateButton =
        addToolPageButton(m_w.templatesPage, QStringLiteral("SpeedButton34"), QStringLiteral("Go!"),
                          QStringLiteral("Fill in template definitions"));

    auto on = [this](QAction *action, void (GeneratorsArea::*entry)()) {
        connect(action, &QAction::triggered, this, entry);
    };
    auto onButton = [this](QToolButton *button, void (GeneratorsArea::*entry)()) {
        connect(button, &QToolButton::clicked, this, entry);
    };
    on(a.tableVedaGuy, &GeneratorsArea::openTable);
    on(a.popupTableVedaGuy, &GeneratorsArea::openTable);
    onButton(m_tableButton, &GeneratorsArea::openTable);
    on(a.tableCellAttributes, &GeneratorsArea::openCellAttributes);
    onButton(m_cellButton, &GeneratorsArea::openCellAttributes);
    on(a.dataFormVedaGuy, &GeneratorsArea::openForm);
    on(a.popupFormVedaGuy, &GeneratorsArea::openForm);
    onButton(m_formButton, &GeneratorsArea::openForm);
    on(a.calendarVedaGuy, &GeneratorsArea::openCalendar);
    connect(a.frameCreator, &QAction::triggered, this, [this] { openFrameCreator(); });
    connect(a.popupFrameVedaGuy, &QAction::triggered, this, [this] { openFrameCreator(); });
    connect(a.templateVedaGuy, &QAction::triggered, this, [this] { startTemplateVedaGuy(); });
    connect(m_templateButton, &QToolButton::clicked, this, [this] { startTemplateVedaGuy(); });
    on(a.rainbowize, &GeneratorsArea::openRainbowizer);
}

void GeneratorsArea::updateMenus(const UiState &state) {
    const bool open = state.documentOpen;
    MainActions &a = m_a;
    for (QAction *x : {a.tableVedaGuy, a.popupTableVedaGuy, a.tableCellAttributes,
                       a.dataFormVedaGuy, a.popupFormVedaGuy, a.calendarVedaGuy, a.frameCreator,
                       a.popupFrameVedaGuy, a.templateVedaGuy})
        MainActions::setUsable(x, open);
    for (QToolButton *b : {m_tableButton, m_cellButton, m_formButton, m_templateButton})
        b->setEnabled(open);
    MainActions::setUsable(a.rainbowize, editMenuEnabling(state).rainbowize);
}

void GeneratorsArea::shutdown() {
    // Puts the editor's room back before the window records its split.
    closeTemplateWizard();
}

// --- The entry points --------------------------------------------------------------
//
// A key reaches its entry while the full-screen preview hides the editor;
// each entry leaves it first, as opening a menu does, so that what the
// generator puts into the page lands in view.

void GeneratorsArea::openTable() {
    m_shell.hideFullScreen();
    openTableGenerator(m_host);
}

void GeneratorsArea::openCellAttributes() {
    m_shell.hideFullScreen();
    ::openCellAttributes(m_host);
}

void GeneratorsArea::openForm() {
    m_shell.hideFullScreen();
    openFormGenerator(m_host, m_submitForm);
}

void GeneratorsArea::openCalendar() {
    m_shell.hideFullScreen();
    openCalendarGenerator(m_host);
}

// The Rainbowizer replaces the selection in the editor: the preview
// follows.
void GeneratorsArea::openRainbowizer() {
    m_shell.hideFullScreen();
    ::openRainbowizer(m_host);
    m_preview.updateWebView();
}

bool GeneratorsArea::openFrameCreator() {
    return runFrameDialog(&::openFrameCreator);
}

bool GeneratorsArea::startFrameVedaGuy() {
    return runFrameDialog(&::startFrameVedaGuy);
}

// The frame dialog replaces the page in the editor: the preview follows,
// and a template wizard open on the old page would write into the new one.
bool GeneratorsArea::runFrameDialog(bool (*frameDialog)(GeneratorHost &)) {
    m_shell.hideFullScreen();
    if (!frameDialog(m_host))
        return false;
    closeTemplateWizard();
    m_preview.updateWebView();
    return true;
}

TemplateDialog *GeneratorsArea::startTemplateVedaGuy() {
    m_shell.hideFullScreen();
    // One wizard at a time: two would each remember the other's collapsed
    // editor as the place to restore.
    closeTemplateWizard();
    TemplateHooks hooks;
    hooks.refreshPreview = [this] { m_preview.updateWebView(); };
    hooks.collapseEditor = [this] { collapseEditor(); };
    hooks.restoreEditor = [this] { restoreEditor(); };
    m_wizard = openTemplateVedaGuy(m_host, hooks);
    return m_wizard;
}

TemplateDialog *GeneratorsArea::templateWizard() const {
    return m_wizard;
}

void GeneratorsArea::closeTemplateWizard() {
    if (m_wizard)
        m_wizard->close();
}

void GeneratorsArea::collapseEditor() {
    if (m_editorBar < 0)
        m_editorBar = m_w.splitScreen->barPercent(0);
    m_w.splitScreen->setBarPercent(0, 0);
}

void GeneratorsArea::restoreEditor() {
    if (m_editorBar < 0)
        return;
    m_w.splitScreen->setBarPercent(0, m_editorBar);
    m_editorBar = -1;
}
