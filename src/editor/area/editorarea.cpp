#include "editor/area/editorarea.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "settings/colors.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>

EditorArea::EditorArea(Shell &shell, const EditorWidgets &widgets, MainActions &actions,
                       QObject *parent)
    : QObject(parent), m_shell(shell), m_w(widgets), m_a(actions) {
    wireCommands();
}

TLEdit *EditorArea::activeEditor() const {
    return m_w.spareEditor->hasFocus() ? m_w.spareEditor : m_w.webPage;
}

void EditorArea::getLocation() {
    TLEdit *editor = activeEditor();
    editor->readSelection();
    m_shell.setStatusText(Shell::CaretPanel,
                          QStringLiteral("%1:%2").arg(editor->endLine).arg(editor->endPos));
}

void EditorArea::documentChanged() {
    if (m_w.webPage->isEnabled())
        getLocation();
    else
        m_shell.setStatusText(Shell::CaretPanel, QString());
}

void EditorArea::copy() {
    // Copy takes the preview's selection while the preview has the focus.
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == m_w.htmlSplit || m_w.htmlSplit->isAncestorOf(focus)))
        m_w.htmlSplit->copyToClipboard();
    else
        activeEditor()->copyToClipboard();
    m_shell.updateMenuStates();
}

void EditorArea::wireCommands() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.undo,           a.redo,       a.cut,         a.copy,
                           a.deleteSel,      a.duplicate,  a.paste,       a.selectAll,
                           a.find,           a.findNext,   a.replace,     a.goToLine,
                           a.popupCut,       a.popupCopy,  a.popupDelete, a.popupDuplicate,
                           a.popupSelectAll, a.popupPaste, a.popupFind,   a.popupReplace,
                           a.popupGoToLine});
    auto on = [this](QAction *action, void (TLEdit::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            (activeEditor()->*command)();
            m_shell.updateMenuStates();
        });
    };
    on(a.undo, &TLEdit::undoEdit);
    on(a.redo, &TLEdit::redoEdit);
    on(a.cut, &TLEdit::cutToClipboard);
    on(a.deleteSel, &TLEdit::deleteSel);
    on(a.duplicate, &TLEdit::duplicateSel);
    on(a.paste, &TLEdit::pasteFromClipboard);
    on(a.selectAll, &TLEdit::selectAllText);
    on(a.find, &TLEdit::showFindDialog);
    on(a.replace, &TLEdit::showReplaceDialog);
    on(a.goToLine, &TLEdit::showGoToLineDialog);
    on(a.popupCut, &TLEdit::cutToClipboard);
    on(a.popupDelete, &TLEdit::deleteSel);
    on(a.popupDuplicate, &TLEdit::duplicateSel);
    on(a.popupPaste, &TLEdit::pasteFromClipboard);
    on(a.popupSelectAll, &TLEdit::selectAllText);
    on(a.popupFind, &TLEdit::showFindDialog);
    on(a.popupReplace, &TLEdit::showReplaceDialog);
    on(a.popupGoToLine, &TLEdit::showGoToLineDialog);
    connect(a.findNext, &QAction::triggered, this, [this] { m_w.webPage->findNext(); });

    connect(a.copy, &QAction::triggered, this, &EditorArea::copy);
    connect(a.popupCopy, &QAction::triggered, this, &EditorArea::copy);
    connect(m_w.copy, &QToolButton::clicked, this, &EditorArea::copy);
    connect(m_w.cut, &QToolButton::clicked, a.cut, &QAction::trigger);
    connect(m_w.paste, &QToolButton::clicked, a.paste, &QAction::trigger);

    for (int i = 0; i < 16; ++i) {
        MainActions::setBuilt({a.setBookmark[i], a.goToBookmark[i]});
        connect(a.setBookmark[i], &QAction::triggered, this,
                [this, i] { m_w.webPage->setBookmark(i + 1); });
        connect(a.goToBookmark[i], &QAction::triggered, this,
                [this, i] { m_w.webPage->goToBookmark(i + 1); });
    }

    // Status panels: caret position and insert mode, from either editor.
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor}) {
        connect(editor, &TLEdit::keyReleased, this, [this] { getLocation(); });
        connect(editor, &TLEdit::mousePressed, this, [this] { getLocation(); });
        connect(editor, &TLEdit::changeMode, this, [this](bool insert) {
            m_shell.setStatusText(Shell::ModePanel, insert ? QStringLiteral("Insert")
                                                           : QStringLiteral("Overwrite"));
        });
        connect(editor, &QsciScintilla::selectionChanged, this,
                [this] { m_shell.updateMenuStates(); });
    }
    // The pad's text decides whether Copy and Cut are usable.
    connect(m_w.spareEditor, &TLEdit::changed, this, [this] { m_shell.updateMenuStates(); });
    m_w.webPage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_w.webPage, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_shell.updateMenuStates();
        m_a.webPagePopup->popup(m_w.webPage->mapToGlobal(pos));
    });
}

void EditorArea::updateMenus(const UiState &s) {
    MainActions &a = m_a;
    const bool open = s.documentOpen;
    const EditMenuEnabling e = editMenuEnabling(s);
    MainActions::setUsable(a.cut, e.cut);
    MainActions::setUsable(a.copy, e.copy);
    MainActions::setUsable(a.deleteSel, e.deleteSel);
    MainActions::setUsable(a.duplicate, e.duplicate);
    MainActions::setUsable(a.paste, e.paste);

    const PopupEditEnabling p = popupEditEnabling(s);
    MainActions::setUsable(a.popupCut, p.cut);
    MainActions::setUsable(a.popupCopy, p.copy);
    MainActions::setUsable(a.popupDelete, p.deleteSel);
    MainActions::setUsable(a.popupDuplicate, p.duplicate);
    MainActions::setUsable(a.popupPaste, p.paste);
    MainActions::setUsable(a.popupSelectAll, open);
    for (int i = 0; i < 16; ++i) {
        MainActions::setUsable(a.setBookmark[i], open);
        MainActions::setUsable(a.goToBookmark[i], open);
    }

    // The buttons: Copy and Cut with a selection in the editor the commands
    // act on, Paste with text on the clipboard.
    const bool selection = open && activeEditor()->hasSelectedText();
    m_w.copy->setEnabled(selection);
    m_w.cut->setEnabled(selection);
    m_w.paste->setEnabled(open && s.clipboardHasText);
}

// --- Appearance ------------------------------------------------------------------------

void EditorArea::applySettings() {
    const Settings &s = m_shell.settings();
    TLEdit *page = m_w.webPage;
    const QColor tagFg = storedColor(s.syntaxFgColor, QColor(0, 0, 255));
    const QColor tagBg = storedColor(s.syntaxBgColor, QColor(255, 255, 255));
    page->setTagColors(tagFg, tagBg);
    m_w.spareEditor->setTagColors(tagFg, tagBg);
    if (!s.highlightBgColor.isEmpty())
        page->setBackColorSelected(storedColor(s.highlightBgColor, QColor(0, 0, 128)));
    if (!s.highlightFgColor.isEmpty())
        page->setForeColorSelected(storedColor(s.highlightFgColor, QColor(255, 255, 255)));

    page->setAutoIndentOn(s.autoIndent);
    // The line ends the next save writes: CR, LF, or the document's own.
    page->setMacStyleSave(s.fileFormat == 1);
    page->setUnixStyleSave(s.fileFormat == 2);

    // Both editors share the font, the colours, the tab size and wrapping.
    for (TLEdit *editor : {m_w.webPage, m_w.spareEditor}) {
        if (s.tabSize >= 1)
            editor->setTabStopSize(s.tabSize);
        if (s.wordwrap)
            editor->setWordWrapOn(true);
        QFont font = editor->editorFont();
        if (!s.fontName.isEmpty())
            font.setFamily(s.fontName);
        bool ok = false;
        const int points = s.fontSize.toInt(&ok);
        if (ok && points > 0)
            font.setPointSize(points);
        editor->setEditorFont(font);
        if (!s.fontColor.isEmpty())
            editor->setEditorTextColor(storedColor(s.fontColor, Qt::black));
        if (!s.backgroundColor.isEmpty())
            editor->setEditorColor(storedColor(s.backgroundColor, Qt::white));
    }
}

// The appearance in force at first show is what gets written at exit.
void EditorArea::firstShow() {
    Settings &s = m_shell.settings();
    const TLEdit *editor = m_w.webPage;
    s.tabSize = editor->tabStopSize();
    s.autoIndent = editor->autoIndentOn();
    s.backgroundColor = colorToStoreText(editor->editorColor());
    s.fontName = editor->editorFont().family();
    s.fontSize = QString::number(editor->editorFont().pointSize());
    s.fontColor = colorToStoreText(editor->editorTextColor());
    s.syntaxFgColor = colorToStoreText(editor->tagForeground());
    s.syntaxBgColor = colorToStoreText(editor->tagBackground());
    s.highlightFgColor = colorToStoreText(editor->foreColorSelected());
    s.highlightBgColor = colorToStoreText(editor->backColorSelected());
}
