#pragma once

#include <QString>

// Which menu entries are usable, decided from a snapshot of the window's
// state each time a menu opens. A document is open exactly when the document
// editor is enabled.
struct UiState {
    bool documentOpen = false;
    bool previewFocused = false;      // the split preview has the keyboard focus
    bool previewHasSelection = false; // text is selected in the split preview
    bool editorHasSelection = false;  // the editor the commands act on has a selection
    bool webPageFocused = false;      // the document editor has the focus
    bool clipboardHasText = false;
};

struct EditMenuEnabling {
    bool others = false; // every entry not named below
    bool separator = false;
    bool cut = false;
    bool copy = false;
    bool deleteSel = false;
    bool duplicate = false;
    bool paste = false;
    bool rainbowize = false;
};
EditMenuEnabling editMenuEnabling(const UiState &state);

struct PopupEditEnabling {
    bool cut = false, copy = false, deleteSel = false, duplicate = false, paste = false;
};
PopupEditEnabling popupEditEnabling(const UiState &state);

struct SearchMenuEnabling {
    bool others = false;
    bool searchSource = false;
};
SearchMenuEnabling searchMenuEnabling(const UiState &state);

struct PreviewPopupEnabling {
    bool others = false;
    bool searchSource = false;
    bool copy = false;
};
PreviewPopupEnabling previewPopupEnabling(const UiState &state);

// The window caption for a document: "Quilmead - " and the name in upper case.
QString formCaption(const QString &name);

// The Page menu's entry for an external browser: hidden when no program is
// set, else "View page in " and the program's file name.
struct BrowserEntry {
    bool visible = false;
    bool enabled = false;
    QString caption;
};
BrowserEntry browserEntry(const QString &browserProgram, bool documentOpen);
