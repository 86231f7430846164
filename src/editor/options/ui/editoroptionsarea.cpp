#include "editor/options/ui/editoroptionsarea.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "editor/options/ui/editoroptionsdialog.h"
#include "editor/tledit.h"
#include "preview/previewappearance.h"
#include "settings/settings.h"

#include <QAction>
#include <QPalette>

EditorOptionsArea::EditorOptionsArea(Shell &shell, const EditorOptionsWidgets &widgets,
                                     PreviewAppearance &preview, MainActions &actions,
                                     QObject *parent)
    : QObject(parent), m_shell(shell), m_w(widgets), m_preview(preview), m_a(actions) {
    MainActions::setBuilt({m_a.editorOptions});
    connect(m_a.editorOptions, &QAction::triggered, this, &EditorOptionsArea::openDialog);
}

void EditorOptionsArea::updateMenus(const UiState &) {
    MainActions::setUsable(m_a.editorOptions, true);
}

EditorOptions EditorOptionsArea::inForce() const {
    EditorOptions o = EditorOptions::fromSettings(m_shell.settings());
    const TLEdit *page = m_w.webPage;
    const QFont font = page->editorFont();
    o.fontName = font.family();
    if (font.pointSize() > 0)
        o.fontSize = font.pointSize();
    o.fileType = page->unixStyleSave()  ? EditorOptions::UnixStyle
                 : page->macStyleSave() ? EditorOptions::MacStyle
                                        : EditorOptions::DefaultStyle;
    o.tabSize = page->tabStopSize();
    o.textColor = page->editorTextColor();
    o.windowColor = page->editorColor();
    o.tagFore = page->tagForeground();
    o.tagBack = page->tagBackground();
    o.selectedFore = page->foreColorSelected();
    o.selectedBack = page->backColorSelected();

    const PreviewLook look = m_preview.previewLook();
    o.htmlFontName = look.fontName;
    o.htmlFontSize = look.fontSize;
    o.htmlFontColor = look.fontColor;
    o.htmlWindowColor = look.background;
    return o;
}

void EditorOptionsArea::apply(const EditorOptions &o) {
    TLEdit *page = m_w.webPage;
    // The next save writes CR (Mac), LF (Unix), or the document's own line
    // ends (Default).
    page->setMacStyleSave(o.fileType == EditorOptions::MacStyle);
    page->setUnixStyleSave(o.fileType == EditorOptions::UnixStyle);
    page->setAutoIndentOn(o.autoIndent);
    page->setForeColorSelected(o.selectedFore);
    page->setBackColorSelected(o.selectedBack);
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor}) {
        editor->setWordWrapOn(o.wordWrap);
        QFont font = editor->editorFont();
        font.setFamily(o.fontName);
        font.setPointSize(o.fontSize);
        editor->setEditorFont(font);
        editor->setEditorTextColor(o.textColor);
        editor->setEditorColor(o.windowColor);
        editor->setTabStopSize(o.tabSize);
        editor->setTagColors(o.tagFore, o.tagBack);
    }
    m_preview.setPreviewLook({o.htmlFontName, o.htmlFontSize, o.htmlFontColor, o.htmlWindowColor});

    // The project tree looks like the editor, as it does from start-up on.
    if (QWidget *tree = m_w.projectTree) {
        tree->setFont(page->editorFont());
        QPalette palette = tree->palette();
        palette.setColor(QPalette::Base, page->editorColor());
        palette.setColor(QPalette::Text, page->editorTextColor());
        tree->setPalette(palette);
    }
}

void EditorOptionsArea::store(const EditorOptions &o) {
    o.toSettings(m_shell.settings());
    // The caret check on clicks reads the setting; the lamps show with it.
    m_w.ewsPanel->setVisible(o.useWarningLeds);
    m_w.webPage->update();
}

void EditorOptionsArea::openDialog() {
    EditorOptionsDialog dialog(inForce(), m_shell.dialogParent());
    dialog.setApplyHandler([this](const EditorOptions &o) { apply(o); });
    dialog.setHelperTipHandler([this](int topic) { m_shell.showHelperTopic(topic); });
    if (dialog.exec() == QDialog::Accepted)
        store(dialog.options());
    m_shell.updateMenuStates();
}
