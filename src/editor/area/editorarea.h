#pragma once

#include "app/area.h"

#include <QObject>

class HtmlViewer;
class QToolButton;
class Shell;
class TLEdit;
struct MainActions;

// What the editing commands act on.
struct EditorWidgets {
    TLEdit *webPage = nullptr;     // the document editor
    TLEdit *spareEditor = nullptr; // the scratch pad
    HtmlViewer *htmlSplit = nullptr; // Copy takes its selection while it has the focus
    QToolButton *cut = nullptr, *copy = nullptr, *paste = nullptr;
};

// The editors' own commands: undo, the clipboard, find and go-to, bookmarks,
// the editor pop-up, the caret and insert-mode panels of the status bar, and
// the editors' appearance from the settings.
class EditorArea : public QObject, public Area {
    Q_OBJECT
public:
    EditorArea(Shell &shell, const EditorWidgets &widgets, MainActions &actions,
               QObject *parent = nullptr);

    // The editor that Edit and Search commands act on: the scratch pad when
    // it has the focus, else the document editor.
    TLEdit *activeEditor() const;
    // Writes the caret position ("line:column") into status panel 0.
    void getLocation();
    // The caret panel follows the document on screen (empty with none).
    void documentChanged();

    void applySettings() override;
    void firstShow() override;
    void updateMenus(const UiState &state) override;

private:
    void wireCommands();
    void copy();

    Shell &m_shell;
    EditorWidgets m_w;
    MainActions &m_a;
};
