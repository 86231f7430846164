#pragma once

// What an area's test needs instead of the main window: the window's widgets
// and menus built into a plain QMainWindow, a scripted user, settings, a
// temporary program folder, and a small shell that runs the areas added to
// it. The test builds the area under test from these (and fakes of the other
// areas' interfaces), as the composition root does in the program.

#include "app/area.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/ui/mainwidgets.h"
#include "app/ui/toolbook.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "testfolder.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

class RigShell : public Shell {
public:
    RigShell(ScriptedUserInteraction &user, Settings &prefs, QString programDir,
             QMainWindow &window, MainWidgets &widgets, MainActions &actions);

    UserInteraction &ui() override { return m_user; }
    Settings &settings() override { return m_prefs; }
    QString programDir() const override { return m_programDir; }
    QWidget *dialogParent() override { return &m_window; }
    void setFormCaption(const QString &name) override;
    void setWindowCaption(const QString &caption) override;
    void setStatusText(int panel, const QString &text) override;
    void showLinkTarget(const QString &target) override;
    void showHelperTopic(int topic) override;
    bool isFullScreen() const override { return fullScreen; }
    void hideFullScreen() override { fullScreen = false; }
    void updateMenuStates() override;
    void addArea(Area *area) override { m_areas.append(area); }
    // The stored settings are applied to every area, as at start-up.
    void applySettings() {
        for (Area *area : m_areas)
            area->applySettings();
    }

    bool fullScreen = false;
    QList<int> helperTopics; // every topic asked for, shown or not
    int menuUpdates = 0;

private:
    ScriptedUserInteraction &m_user;
    Settings &m_prefs;
    QString m_programDir;
    QMainWindow &m_window;
    MainWidgets &m_w;
    MainActions &m_a;
    QList<Area *> m_areas;
};

struct AreaRig {
    TestFolder program; // the program folder
    Settings settings;
    ScriptedUserInteraction ui;
    QMainWindow window;
    MainWidgets w;
    MainActions a;
    RigShell shell;

    // `show`: the window is shown (needed where focus matters).
    explicit AreaRig(bool show = true);
    ~AreaRig();

    // As if a document were open (the document editor enabled).
    void openDocument(bool open = true);

    // Presses an entry: a tool button of that name is clicked, else the menu
    // entry is triggered.
    void press(const QString &name);
    // Whether the user can press it: enabled, and for an entry, built.
    bool usable(const QString &name);

    template <typename T> T *find(const QString &name) {
        T *child = window.findChild<T *>(name);
        if (!child)
            qFatal("no child %s", qPrintable(name));
        return child;
    }
};
