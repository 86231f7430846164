#include "projects/area/filelistsheet.h"

#include "app/ui/filelistpanel.h"
#include "documents/activedocument.h"
#include "preview/previewpane.h"
#include "projects/projectcommands.h"

FileListSheet::FileListSheet(UserInteraction &ui, ActiveDocument &document, PreviewPane &preview,
                             FileListPanel *panel, QObject *parent)
    : QObject(parent), m_ui(ui), m_document(document), m_preview(preview) {
    connect(panel, &FileListPanel::fileClicked, this, &FileListSheet::fileClicked);
    connect(panel, &FileListPanel::fileDoubleClicked, this, &FileListSheet::fileDoubleClicked);
}

void FileListSheet::fileClicked(const QString &path) {
    if (!path.isEmpty())
        m_preview.showFile(path);
}

void FileListSheet::fileDoubleClicked(const QString &path) {
    ActiveDocument *document = &m_document;
    const IsFileOpen isOpen = [document](const QString &p) { return document->isFileNameOpen(p); };
    if (fileListMayOpen(path, isOpen, m_ui))
        m_document.loadFile(path, false);
}
