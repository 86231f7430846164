#pragma once

// The open documents on their own: the window's widgets and menus with a
// scripted shell (AreaRig), the editing commands, and the document area
// with a counting preview and a tag insertion that writes into the editor.

#include "arearig.h"
#include "documents/ui/documentcontroller.h"
#include "editor/area/editorarea.h"
#include "editor/tledit.h"
#include "fakeareas.h"

#include <memory>

struct DocumentFixture : AreaRig {
    TestFolder work; // the user's pages
    FakePreviewPane preview;
    FakeTagInserter tags{w.webPage};
    std::unique_ptr<EditorArea> editing;
    std::unique_ptr<DocumentController> documents;

    DocumentFixture() {
        ToolButtons &b = w.buttons;
        editing = std::make_unique<EditorArea>(
            shell, EditorWidgets{w.webPage, w.spareEditor, w.htmlSplit, b.cut, b.copy, b.paste},
            a);
        documents = std::make_unique<DocumentController>(
            shell, preview,
            DocumentWidgets{w.webPage, w.spareEditor, w.webPageTabs, w.powerBook, w.mainSplitter,
                            w.outline, b.newPage, b.open, b.save, b.close, b.print},
            a);
        documents->setTagInserter(&tags);
        QObject::connect(documents.get(), &ActiveDocument::currentDocumentChanged, editing.get(),
                         &EditorArea::documentChanged);
        shell.addArea(editing.get());
        shell.addArea(documents.get());
        shell.updateMenuStates();
        // Helper tips are tested where they matter.
        for (bool *flag :
             {&settings.newFile, &settings.savingToDefault, &settings.internalClipboard})
            *flag = false;
    }
    ~DocumentFixture() {
        documents.reset();
        editing.reset();
    }

    DocumentController &docs() { return *documents; }
    TLEdit &editor() { return *w.webPage; }
    // Writes a page into the work folder and returns its full path.
    QString page(const QString &name, const QByteArray &bytes) { return work.write(name, bytes); }
};
