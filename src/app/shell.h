#pragma once

#include <QString>

class Area;
class QWidget;
class UserInteraction;
struct Settings;

// What every area may use of the program around it: the user, the
// settings, the program folder, the window's caption, status bar and
// helper tips, and the menus' enabling. The main window is the shell in the
// program; tests give an area a small one of their own.
class Shell {
public:
    virtual ~Shell() = default;

    virtual UserInteraction &ui() = 0;
    virtual Settings &settings() = 0;
    // The program folder, home of the data files, with a trailing "/".
    virtual QString programDir() const = 0;
    // The parent of the area's dialogs.
    virtual QWidget *dialogParent() = 0;

    // The caption becomes "Quilmead - " and the name in upper case.
    virtual void setFormCaption(const QString &name) = 0;
    // The caption as given (the preview's document title).
    virtual void setWindowCaption(const QString &caption) = 0;
    // The status bar's panels: the caret's place, the insert mode, hints.
    enum Panel { CaretPanel = 0, ModePanel = 1, HintPanel = 2 };
    virtual void setStatusText(int panel, const QString &text) = 0;
    // The target of a link under the mouse (the hint panel and the header).
    virtual void showLinkTarget(const QString &target) = 0;
    // A one-time explanation of a feature (HelperTopic numbers).
    virtual void showHelperTopic(int topic) = 0;

    // Whether the full-screen preview hides the editor.
    virtual bool isFullScreen() const = 0;
    // Leaves the full-screen preview, if shown.
    virtual void hideFullScreen() = 0;

    // Re-runs every area's menu rule.
    virtual void updateMenuStates() = 0;
    // Adds an area; the shell calls it at start-up, on menu changes and at
    // shutdown, in the order the areas were added.
    virtual void addArea(Area *area) = 0;
};
