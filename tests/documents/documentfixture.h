#pragma once

// A real main window on a temporary program folder, with a scripted user and
// a settings store of its own, for the tests of the open documents.

#include "app/ui/mainwindow.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "testfolder.h"

#include <memory>

struct DocumentFixture {
    TestFolder program; // the program folder
    TestFolder work;    // the user's pages
    Settings settings;
    std::unique_ptr<SettingsStore> store;
    ScriptedUserInteraction ui;
    std::unique_ptr<MainWindow> window;

    DocumentFixture() {
        store = std::make_unique<SettingsStore>(program.file("store.ini"));
        window = std::make_unique<MainWindow>(Workbench{settings, *store, ui, program.path()});
        window->runCreationStep();
        window->show();
        window->runFirstShow();
        // Helper tips are tested where they matter.
        for (bool *flag :
             {&settings.newFile, &settings.savingToDefault, &settings.internalClipboard})
            *flag = false;
        ui.clear();
    }

    DocumentController &docs() { return *window->documents(); }
    MainWidgets &w() { return window->widgets(); }
    TLEdit &editor() { return *window->widgets().webPage; }
    // Writes a page into the work folder and returns its full path.
    QString page(const QString &name, const QByteArray &bytes) { return work.write(name, bytes); }
};
