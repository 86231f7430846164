#pragma once

struct UiState;

// One part of the program as the main window sees it: the documents, the
// preview, tag editing, projects, a generator's entry points. An area is
// built by the composition root from the small interfaces it needs, wires
// the menu entries, keys and buttons it serves, and is added to the shell,
// which calls it at the moments below. Each call defaults to doing nothing.
class Area {
public:
    virtual ~Area() = default;

    // The creation step, after the stored settings were read and applied:
    // read what the area keeps between runs (the project list, ...).
    virtual void created() {}
    // The stored settings were read: apply what concerns this area.
    virtual void applySettings() {}
    // The General Settings dialog changed the settings.
    virtual void settingsChanged() {}
    // The first show of the window, in the order the areas were added.
    virtual void firstShow() {}
    // After every area's first-show step (opening the last file).
    virtual void started() {}

    // Enables the entries, keys and buttons the area owns. Runs whenever a
    // menu opens, the focus or the clipboard changes, and after a document
    // opens or closes: an entry, its key and its button are always in one
    // state.
    virtual void updateMenus(const UiState &state) { (void)state; }
    // The window entered or left the full-screen preview.
    virtual void fullScreenChanged(bool on) { (void)on; }

    // Asked before the program closes; false keeps it running.
    virtual bool queryClose() { return true; }
    // Takes the state in force back into the settings before they are
    // written at exit.
    virtual void captureSettings() {}
    // Writes what the area keeps between runs. A failure (an exception) is
    // reported and the next area's step runs.
    virtual void shutdown() {}
};
