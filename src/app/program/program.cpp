#include "app/program/program.h"
#include "app/ui/toolbook.h"

#include "documents/ui/documentcontroller.h"
#include "editor/area/editorarea.h"
#include "editor/options/ui/editoroptionsarea.h"
#include "editor/tidy/ui/tidyarea.h"
#include "generators/area/effectsarea.h"
#include "generators/area/generatorsarea.h"
#include "generators/host/generatorhostimpl.h"
#include "preview/controller/previewcontroller.h"
#include "preview/controller/submitform.h"
#include "projects/area/evaluationarea.h"
#include "projects/area/pageoperationsarea.h"
#include "projects/area/projectarea.h"
#include "projects/search/area/imageindexarea.h"
#include "publish/area/sendarea.h"
#include "settings/settingsstore.h"
#include "spelling/ui/spellingarea.h"
#include "tags/custom/area/customtagsarea.h"
#include "tags/head/ui/pageheadarea.h"
#include "tags/toolpages/ui/toolpagesarea.h"
#include "tags/ui/tagcontroller.h"

#include <QTreeWidget>

namespace {

// What the custom buttons, tag menus and special characters insert through.
TagInsertion tagInsertionOf(TagController &t) {
    TagInsertion i;
    i.buttonInsertAsIs = [&t](const QString &code) { t.buttonInsertAsIs(code); };
    i.buttonInsertEven = [&t](const QString &code) { t.buttonInsertEven(code); };
    i.buttonInsertUnEven = [&t](const QString &code) { t.buttonInsertUnEven(code); };
    i.address1Click = [&t](const QString &caption) { t.address1Click(caption); };
    i.insertText = [&t](const QString &text) { t.insertText(text); };
    i.insertCaptionAsTag = [&t](const QString &caption) { t.insertCaptionAsTag(caption); };
    return i;
}

} // namespace

Program::Program(Workbench workbench, SessionOptions session)
    : m_window(std::make_unique<MainWindow>(workbench)) {
    MainWindow &window = *m_window;
    MainWidgets &w = window.widgets();
    MainActions &a = window.actions();
    ToolButtons &b = w.buttons;

    m_editing = std::make_unique<EditorArea>(
        window, EditorWidgets{w.webPage, w.spareEditor, w.htmlSplit, b.cut, b.copy, b.paste}, a);

    m_preview = std::make_unique<PreviewController>(
        window,
        PreviewWidgets{w.webPage, w.htmlSplit, w.htmlFull, w.htmlFrames, w.splitScreen,
                       w.toolsPanel, b.refresh, b.back, b.forward, b.browser},
        a);

    m_editorOptions = std::make_unique<EditorOptionsArea>(
        window, EditorOptionsWidgets{w.webPage, w.spareEditor, w.ewsPanel, w.outline}, *m_preview,
        a);

    m_documents = std::make_unique<DocumentController>(
        window, *m_preview,
        DocumentWidgets{w.webPage, w.spareEditor, w.webPageTabs, w.powerBook, w.mainSplitter,
                        w.outline, b.newPage, b.open, b.save, b.close, b.print},
        a);
    m_preview->setActiveDocument(m_documents.get());

    m_tags = std::make_unique<TagController>(
        window, *m_documents, *m_preview,
        TagWidgets{w.inATagLight, w.inABodyLight, w.powerBook, w.toolPages}, a);
    m_documents->setTagInserter(m_tags.get());
    m_pageHead = std::make_unique<PageHeadArea>(window, *m_documents, *m_tags, *m_preview,
                                                w.toolPages[MainWidgets::Templates], a);
    m_documents->setBeforeSave([this] { m_pageHead->setLastModifiedDate(); });
    m_documents->setNewPageWizard([this] { return m_pageHead->startInitialValues(); });
    QObject::connect(m_documents.get(), &ActiveDocument::currentDocumentChanged, m_editing.get(),
                     &EditorArea::documentChanged);

    m_customTags = std::make_unique<CustomTagsArea>(
        window, tagInsertionOf(*m_tags), window.workbench().store.raw(),
        CustomTagsWidgets{w.powerBook,
                          {w.toolPages[MainWidgets::Custom1], w.toolPages[MainWidgets::Custom2],
                           w.toolPages[MainWidgets::Custom3], w.toolPages[MainWidgets::Custom4]},
                          w.toolPages[MainWidgets::Special]},
        a);

    m_projects = std::make_unique<ProjectArea>(
        window, *m_documents, *m_preview,
        ProjectWidgets{w.outline, w.fileTabs, w.projectPage, w.fileList}, a);
    m_evaluation = std::make_unique<EvaluationArea>(window, *m_documents, a);
    m_toolPages = std::make_unique<ToolPagesArea>(
        window, *m_documents, *m_tags, *m_preview,
        ToolPagesWidgets{w.toolPages[MainWidgets::Lists], w.toolPages[MainWidgets::Tables],
                         w.toolPages[MainWidgets::Images], w.toolPages[MainWidgets::Links],
                         w.toolPages[MainWidgets::Forms], w.toolPages[MainWidgets::Asp]},
        a);
    QObject::connect(m_preview.get(), &PreviewController::pictureLinkChosen, m_toolPages.get(),
                     &ToolPagesArea::choosePicture);
    m_send = std::make_unique<SendArea>(window, *m_documents, *m_projects, a);
    m_generatorHost = std::make_unique<ProgramGeneratorHost>(window, *m_tags, *m_documents);
    m_generators = std::make_unique<GeneratorsArea>(
        window, *m_generatorHost, *m_documents, *m_preview,
        [this](const QString &action, const QString &method, const QStringList &results) {
            m_preview->submitForm()->showResults(action, method, results);
        },
        GeneratorWidgets{w.splitScreen, w.toolPages[MainWidgets::Tables],
                         w.toolPages[MainWidgets::Forms], w.toolPages[MainWidgets::Templates]},
        a);
    m_effects = std::make_unique<EffectsArea>(window, *m_generatorHost,
                                              EffectsWidgets{w.toolPages[MainWidgets::Lists],
                                                             w.toolPages[MainWidgets::Images],
                                                             w.toolPages[MainWidgets::Links]},
                                              a);

    // Before the documents: unsaved pages are offered before AutoLoad opens one.
    m_session = std::make_unique<SessionArea>(window, *m_documents, std::move(session));
    for (Area *area :
         std::initializer_list<Area *>{m_editing.get(), m_preview.get(), m_projects.get(),
                                       m_customTags.get(), m_session.get(), m_documents.get(),
                                       m_tags.get(), m_editorOptions.get(), m_evaluation.get()})
        window.addArea(area);
    window.addArea(m_pageHead.get());
    window.addArea(m_generators.get());
    m_pageOperations = std::make_unique<PageOperationsArea>(window, *m_documents, *m_documents,
                                                            m_projects->view(), a);
    m_pageOperations->setNewPageSteps({[this] { m_pageHead->insertBasicTags(); },
                                       [this] { m_generators->startTemplateVedaGuy(); },
                                       [this] { m_generators->startFrameVedaGuy(); }});
    window.addArea(m_pageOperations.get());
    window.addArea(m_toolPages.get());
    window.addArea(m_send.get());
    window.addArea(m_effects.get());
    m_imageIndex = std::make_unique<ImageIndexArea>(window, *m_documents, *m_preview, a);
    window.addArea(m_imageIndex.get());
    m_spelling = std::make_unique<SpellingArea>(
        window, *m_documents, SpellingWidgets{w.webPage, w.spareEditor, b.spell}, a);
    window.addArea(m_spelling.get());
    m_tidy = std::make_unique<TidyArea>(window, *m_documents, a);
    window.addArea(m_tidy.get());
    window.updateMenuStates();
}

Program::~Program() {
    m_window->detachAreas();
    m_pageOperations.reset();
    m_effects.reset();
    m_imageIndex.reset();
    m_spelling.reset();
    m_session.reset();
    m_tidy.reset();
    m_generators.reset();
    m_generatorHost.reset();
    m_toolPages.reset();
    m_send.reset();
    m_evaluation.reset();
    m_projects.reset();
    m_customTags.reset();
    m_pageHead.reset();
    m_tags.reset();
    m_documents.reset();
    m_editorOptions.reset();
    m_preview.reset();
    m_editing.reset();
}
