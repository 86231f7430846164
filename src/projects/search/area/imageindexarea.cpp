#include "projects/search/area/imageindexarea.h"

#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "projects/search/imageindex.h"
#include "projects/search/ui/imageindexdialog.h"

#include <QAction>
#include <QDir>

ImageIndexArea::ImageIndexArea(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                               MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_preview(preview), m_a(actions) {
    MainActions::setBuilt({m_a.createIndexOfImages});
    connect(m_a.createIndexOfImages, &QAction::triggered, this,
            &ImageIndexArea::createIndexOfImages);
}

void ImageIndexArea::updateMenus(const UiState &) {
    MainActions::setUsable(m_a.createIndexOfImages, true);
}

void ImageIndexArea::createIndexOfImages() {
    m_shell.hideFullScreen();
    const QString page = QDir::cleanPath(ImageIndex::pagePath(m_shell.programDir()));
    QString why;
    if (!ImageIndex::ensurePage(page, &why)) {
        QString text = QStringLiteral("Unable to write to ") + page;
        if (!why.isEmpty())
            text += QStringLiteral(" (") + why + QLatin1Char(')');
        m_shell.ui().message(text, Msg::Warning, Msg::Ok);
        return;
    }
    const bool wasOpen = m_document.isFileNameOpen(page);
    if (!m_document.loadFile(page, false))
        return;
    if (!wasOpen)
        moveCaretToEnd();

    if (m_lastFolder.isEmpty())
        m_lastFolder = m_document.currentDir();
    ImageIndexDialog dialog(m_lastFolder, m_shell.dialogParent());
    if (dialog.exec() == QDialog::Accepted) {
        m_lastFolder = dialog.folder();
        TLEdit &editor = m_document.editor();
        editor.replaceSel(ImageIndex::indexText(dialog.folder(), dialog.files()));
        editor.setFocus(Qt::OtherFocusReason);
    }
    m_preview.updateWebView();
}

void ImageIndexArea::moveCaretToEnd() {
    TLEdit &editor = m_document.editor();
    editor.startLine = editor.endLine = editor.lineCount();
    editor.startPos = editor.endPos = editor.lineLength(editor.lineCount());
    editor.applySelection();
}
