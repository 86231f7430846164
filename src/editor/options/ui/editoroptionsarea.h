#pragma once

#include "app/area.h"
#include "editor/options/editoroptions.h"

#include <QObject>

class PreviewAppearance;
class Shell;
class TLEdit;
class QWidget;
struct MainActions;

// What the editor options act on besides the previews.
struct EditorOptionsWidgets {
    TLEdit *webPage = nullptr;      // the document editor
    TLEdit *spareEditor = nullptr;  // the scratch pad
    QWidget *ewsPanel = nullptr;    // the TAG/BODY lamps
    QWidget *projectTree = nullptr; // takes the document editor's font and colours
};

// "&Editor Options...": opens "Default Editor Settings" with what is in
// force, applies the user's choice to both editors and the previews, and on
// OK keeps it in the settings and shows or hides the lamps.
class EditorOptionsArea : public QObject, public Area {
    Q_OBJECT
public:
    EditorOptionsArea(Shell &shell, const EditorOptionsWidgets &widgets, PreviewAppearance &preview,
                      MainActions &actions, QObject *parent = nullptr);

    // What the dialog opens with: the editor's and the previews' look and
    // the save style in force, the rest from the settings.
    EditorOptions inForce() const;
    // "Apply": the look and behaviour to the editors and the previews.
    // Nothing is kept in the settings.
    void apply(const EditorOptions &options);
    // "OK" after applying: the settings take every value, the lamps follow.
    void store(const EditorOptions &options);
    // Opens the dialog (modal).
    void openDialog();

    void updateMenus(const UiState &state) override;

private:
    Shell &m_shell;
    EditorOptionsWidgets m_w;
    PreviewAppearance &m_preview;
    MainActions &m_a;
};
