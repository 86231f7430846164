#pragma once

#include "app/ui/mainwindow.h"
#include "documents/session/ui/sessionarea.h"

#include <memory>

class CustomTagsArea;
class DocumentController;
class GeneratorHost;
class GeneratorsArea;
class EditorArea;
class EffectsArea;
class EditorOptionsArea;
class EvaluationArea;
class ImageIndexArea;
class PageHeadArea;
class PageOperationsArea;
class PreviewController;
class ProjectArea;
class SendArea;
class SpellingArea;
class TagController;
class ToolPagesArea;
class TidyArea;

// The composition root: builds the main window and every area in order,
// hands each area the small interfaces and widgets it needs, and adds the
// areas to the window, which runs the start-up and shutdown steps through
// them. The only place that knows every area.
class Program {
public:
    // `session`: where the open documents are listed for a crash, and the
    // files to open after start-up (none in tests by default).
    explicit Program(Workbench workbench, SessionOptions session = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    MainWindow &window() { return *m_window; }
    EditorArea &editing() { return *m_editing; }
    PreviewController &preview() { return *m_preview; }
    EditorOptionsArea &editorOptions() { return *m_editorOptions; }
    DocumentController &documents() { return *m_documents; }
    TagController &tags() { return *m_tags; }
    CustomTagsArea &customTags() { return *m_customTags; }
    PageHeadArea &pageHead() { return *m_pageHead; }
    ProjectArea &projects() { return *m_projects; }
    EvaluationArea &evaluation() { return *m_evaluation; }
    SendArea &send() { return *m_send; }
    GeneratorHost &generatorHost() { return *m_generatorHost; }
    GeneratorsArea &generators() { return *m_generators; }
    PageOperationsArea &pageOperations() { return *m_pageOperations; }
    ToolPagesArea &toolPages() { return *m_toolPages; }
    EffectsArea &effects() { return *m_effects; }
    ImageIndexArea &imageIndex() { return *m_imageIndex; }
    SpellingArea &spelling() { return *m_spelling; }
    SessionArea &session() { return *m_session; }
    TidyArea &tidy() { return *m_tidy; }

private:
    // Declared first, destroyed last: the areas go before the window whose
    // widgets they use.
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<EditorArea> m_editing;
    std::unique_ptr<PreviewController> m_preview;
    std::unique_ptr<EditorOptionsArea> m_editorOptions;
    std::unique_ptr<DocumentController> m_documents;
    std::unique_ptr<TagController> m_tags;
    std::unique_ptr<CustomTagsArea> m_customTags;
    std::unique_ptr<PageHeadArea> m_pageHead;
    std::unique_ptr<ProjectArea> m_projects;
    std::unique_ptr<EvaluationArea> m_evaluation;
    std::unique_ptr<SendArea> m_send;
    std::unique_ptr<GeneratorHost> m_generatorHost;
    std::unique_ptr<GeneratorsArea> m_generators;
    std::unique_ptr<PageOperationsArea> m_pageOperations;
    std::unique_ptr<ToolPagesArea> m_toolPages;
    std::unique_ptr<EffectsArea> m_effects;
    std::unique_ptr<ImageIndexArea> m_imageIndex;
    std::unique_ptr<SpellingArea> m_spelling;
    std::unique_ptr<SessionArea> m_session;
    std::unique_ptr<TidyArea> m_tidy;
};
