#pragma once

#include "app/messagecodes.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

// A file dialog's request. The filter is in the "Name|pattern;pattern|Name|..."
// form the program builds; `filterIndex` counts from 1.
struct FileRequest {
    QString caption;
    QString folder;
    QString fileName;
    QString filter;
    int filterIndex = 1;
};

// What the common font dialog returns; its effects include colour.
struct FontChoice {
    QString family;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = QColor(0, 0, 0);
};

// A one-time explanation or a tip of the day, already formatted.
struct TipText {
    QString title; // "Today's tip..." and the like; may be empty
    QString text;  // line breaks as "\n"
};

// Every question the program asks the user, and every message it tells,
// passes through this interface. The program uses the Qt dialogs
// (QtUserInteraction); tests answer from a script and check the exact texts.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The message dialog: returns the result code of the button pressed.
    virtual int message(const QString &text, Msg::Kind kind, Msg::Buttons buttons) = 0;

    // A plain message with an OK button and the application title.
    virtual void plainMessage(const QString &text) = 0;

    // A one-line input box; false on Cancel. `value` holds the preset text and
    // receives the answer.
    virtual bool inputBox(const QString &caption, const QString &prompt, QString &value) = 0;

    // File dialogs: the chosen full path, or empty on Cancel. `chosenFilter`
    // receives the 1-based index of the filter in force when one is given.
    virtual QString openFile(const FileRequest &request, int *chosenFilter = nullptr) = 0;
    virtual QString saveFile(const FileRequest &request, int *chosenFilter = nullptr) = 0;
    // The open dialog with several files allowed: the chosen paths in the
    // dialog's order, or none on Cancel. Without a dialog of its own, an
    // interaction offers one file through openFile.
    virtual QStringList openFiles(const FileRequest &request);

    // Colour and font dialogs; false on Cancel, the argument holds the preset
    // and receives the choice.
    virtual bool chooseColor(QColor &color) = 0;
    virtual bool chooseFont(FontChoice &font) = 0;

    // The printer dialog (print) or the printer set-up; false on Cancel.
    virtual bool choosePrinter(QPrinter &printer, bool setupOnly) = 0;

    // A helper tip: shows the tip under `caption` with a ticked "Show Helper on
    // next entry" box; returns the state of that box when closed.
    virtual bool helperTip(const QString &caption, const TipText &tip) = 0;

    // The tip of the day, opened at `index` with its "Show Tips at Startup"
    // box set to `showAtStartup`. The dialog pages through tips itself.
    // Returns the index last shown; `showAtStartup` receives the box's state.
    virtual int tipOfTheDay(int index, bool &showAtStartup) = 0;

    // Shows the help book (its contents page).
    virtual void showHelp() = 0;
};

// Runs one step of a larger routine. A failure of the step (an exception) is
// reported as the Warning "Exception occured during <name>!" with OK, and the
// caller carries on. Returns whether the step completed.
bool runStep(UserInteraction &ui, const QString &name, const std::function<void()> &step);
