#pragma once

#include "app/menurules.h"
#include "app/shell.h"
#include "app/tipbook.h"
#include "app/ui/mainactions.h"
#include "app/ui/mainwidgets.h"

#include <QList>
#include <QMainWindow>

struct Settings;
class SettingsStore;
class UserInteraction;
class TLEdit;

// A window rectangle brought onto the primary screen's available area: no
// larger than it, and placed on it.
QRect fitOnScreen(int wantedLeft, int wantedTop, int wantedWidth, int wantedHeight);

// What the main window and the areas it hosts share.
struct Workbench {
    Settings &settings;
    SettingsStore &store;
    UserInteraction &ui;
    QString programDir; // with a trailing "/"
};

// The main window (`TForm1`). It builds the window's components and menus,
// is the shell every area plugs into (caption, status bar, helper tips, menu
// enabling), runs the start-up steps (creation, first show, activation) and
// the orderly shutdown through the areas, and applies and collects the
// window's own settings (size, splitters, hints). It knows no area by name:
// the composition root (app/program) builds the areas and adds them.
class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
public:
    explicit MainWindow(Workbench workbench, QWidget *parent = nullptr);
    ~MainWindow() override;

    Workbench &workbench() { return m_wb; }
    MainWidgets &widgets() { return m_w; }
    MainActions &actions() { return m_a; }
    const TipBook &tips() const { return m_tips; }

    // --- Shell ------------------------------------------------------------------------
    UserInteraction &ui() override { return m_wb.ui; }
    Settings &settings() override { return m_wb.settings; }
    QString programDir() const override { return m_wb.programDir; }
    QWidget *dialogParent() override { return this; }
    void setFormCaption(const QString &name) override;
    void setWindowCaption(const QString &caption) override { setWindowTitle(caption); }
    void setStatusText(int panel, const QString &text) override;
    void showLinkTarget(const QString &target) override;
    void showHelperTopic(int topic) override;
    bool isFullScreen() const override { return m_fullScreen; }
    void hideFullScreen() override;
    void updateMenuStates() override;
    void addArea(Area *area) override;
    // Forgets every area (they are about to be destroyed); nothing calls
    // them afterwards.
    void detachAreas();

    // --- State ------------------------------------------------------------------------
    // A document is open exactly when the document editor is enabled.
    bool documentOpen() const;
    // The editor that Edit and Search commands act on: the scratch pad when it
    // has the focus, else the document editor.
    TLEdit *activeEditor() const;
    UiState uiState() const;

    // --- The window's own commands ----------------------------------------------------
    void setFullScreen(bool on);
    // Shows or hides the project structure (the left pane).
    void setProjectsShown(bool shown);
    // Hint texts go to status panel 2 and the hidden header's third section.
    void showHint(const QString &hint);
    void setHintsShown(bool on);

    // Start-up and shutdown steps, in order. The program calls them itself
    // (see app/program); tests call them one by one.
    void runCreationStep();
    void runFirstShow();  // also run by the first showEvent
    void runActivation(); // also run when the window becomes active
    // Asks every area whether the program may close (the documents ask about
    // modified pages) and, when all agree, lets each area write what it keeps
    // and writes the settings. Returns false when the program keeps running.
    bool runShutdown();

    // Settings: apply the stored values to the window and the areas, and
    // take the state in force back into the settings.
    void applySettings();
    void recordWindowState();

signals:
    // The settings were applied or changed by the General Settings dialog.
    void settingsApplied();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireCommands();
    void wireMenuEnabling();
    void releaseEditorKeys();
    void applyWindowSettings();
    void showAbout();
    void showTipOfTheDay();
    void openGeneralSettings();
    void toggleSplitStyle();
    void setSplitDirection(int direction);

    Workbench m_wb;
    MainWidgets m_w;
    MainActions m_a;
    TipBook m_tips;
    QList<Area *> m_areas;
    bool m_destroying = false;
    bool m_fullScreen = false;
    bool m_firstShowDone = false;
    bool m_firstActivationDone = false;
    bool m_leftToOutside = false;
    bool m_tipShowing = false;
    bool m_hintsShown = true;
};
