#include "app/program/program.h"

#include "documents/ui/documentcontroller.h"
#include "editor/area/editorarea.h"
#include "generators/host/generatorhostimpl.h"
#include "preview/controller/previewcontroller.h"
#include "projects/area/projectarea.h"
#include "tags/head/ui/pageheadarea.h"
#include "tags/ui/tagcontroller.h"

Program::Program(Workbench workbench) : m_window(std::make_unique<MainWindow>(workbench)) {
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
    QObject::connect(m_documents.get(), &ActiveDocument::currentDocumentChanged,
                     m_editing.get(), &EditorArea::documentChanged);

    m_projects = std::make_unique<ProjectArea>(window, w.outline);
    m_generatorHost = std::make_unique<ProgramGeneratorHost>(window, *m_tags, *m_documents);

    for (Area *area : std::initializer_list<Area *>{m_editing.get(), m_preview.get(),
                                                    m_projects.get(), m_documents.get(),
                                                    m_tags.get(), m_pageHead.get()})
        window.addArea(area);
    window.updateMenuStates();
}

Program::~Program() {
    m_window->detachAreas();
    m_generatorHost.reset();
    m_projects.reset();
    m_pageHead.reset();
    m_tags.reset();
    m_documents.reset();
    m_preview.reset();
    m_editing.reset();
}
