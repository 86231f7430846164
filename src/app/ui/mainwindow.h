#pragma once

#include "app/menurules.h"
#include "app/tipbook.h"
#include "app/ui/mainactions.h"
#include "app/ui/mainwidgets.h"

#include <QMainWindow>
#include <functional>

struct Settings;
class DocumentController;
class PreviewController;
class SettingsStore;
class TagController;
class UserInteraction;
class TLEdit;

// What the main window and the areas it wires together share.
struct Workbench {
    Settings &settings;
    SettingsStore &store;
    UserInteraction &ui;
    QString programDir; // with a trailing "/"
};

// The main window (`TForm1`). It builds the window's components and menus,
// runs the start-up steps (creation, first show, activation) and the orderly
// shutdown, applies and collects the settings, and keeps the menus' enabled
// states. The areas (documents, editing, preview, projects) are wired in by
// their controllers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Workbench workbench, QWidget *parent = nullptr);
    ~MainWindow() override;

    Workbench &workbench() { return m_wb; }
    MainWidgets &widgets() { return m_w; }
    MainActions &actions() { return m_a; }
    const TipBook &tips() const { return m_tips; }

    // The areas' controllers.
    DocumentController *documents() const { return m_documents; }
    PreviewController *preview() const { return m_preview; }
    TagController *tags() const { return m_tags; }

    // --- State other areas read ---------------------------------------------------
    // A document is open exactly when the document editor is enabled.
    bool documentOpen() const;
    // The editor that Edit and Search commands act on: the scratch pad when it
    // has the focus, else the document editor.
    TLEdit *activeEditor() const;
    UiState uiState() const;
    bool isFullScreen() const { return m_fullScreen; }

    // --- Operations other areas call ------------------------------------------------
    // The caption becomes "Quilmead - " and the name in upper case.
    void setFormCaption(const QString &name);
    void showHelperTopic(int topic);
    // Writes the caret position ("line:column") into status panel 0.
    void getLocation();
    // Enables the Paste tool button while a document is open and the
    // clipboard holds text.
    void checkClipboard();
    void hideFullScreen();
    void setFullScreen(bool on);
    // Shows or hides the project structure (the left pane).
    void setProjectsShown(bool shown);
    // The open-file filter from the extension settings.
    QString openFilter() const;
    void setLastFilesMenu();
    // Re-runs every menu enabling rule.
    void updateMenuStates();
    // Hint texts go to status panel 2 and the hidden header's third section.
    void showHint(const QString &hint);
    void setHintsShown(bool on);

    // Start-up and shutdown steps, in order. The program calls them itself
    // (see main.cpp); tests call them one by one.
    void runCreationStep();
    void runFirstShow();  // also run by the first showEvent
    void runActivation(); // also run when the window becomes active
    // Closes every document (asking about modified ones) and, when all are
    // closed, writes the project list, the scratch pad and the settings.
    // Returns false when the user cancelled.
    bool runShutdown();

    // Settings: apply the stored values to the window, and take the
    // appearance in force back into the settings.
    void applySettings();
    void captureAppearance();
    void recordWindowState();

    // Hooks the areas provide; each may be left empty.
    struct Hooks {
        std::function<bool()> closeAllPages; // false when the user cancelled
        std::function<void()> saveScratchPad;
        std::function<void()> loadScratchPad;
        std::function<void()> autoLoadLastFile;
        std::function<void()> fillImageDirectoryListing;
        std::function<void()> buildCustomPages;
        std::function<void()> openFilterChanged;
        std::function<void()> generalSettingsChanged;
    };
    Hooks &hooks() { return m_hooks; }

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
    void wireEditorCommands();
    void wireMenuEnabling();
    void releaseEditorKeys();
    void loadProjectTree();
    void saveProjectTree();
    void showAbout();
    void showTipOfTheDay();
    void openGeneralSettings();
    void toggleSplitStyle();
    void setSplitDirection(int direction);

    Workbench m_wb;
    MainWidgets m_w;
    MainActions m_a;
    TipBook m_tips;
    Hooks m_hooks;
    DocumentController *m_documents = nullptr;
    PreviewController *m_preview = nullptr;
    TagController *m_tags = nullptr;
    bool m_destroying = false;
    bool m_fullScreen = false;
    bool m_firstShowDone = false;
    bool m_firstActivationDone = false;
    bool m_leftToOutside = false;
    bool m_tipShowing = false;
    bool m_hintsShown = true;
};
