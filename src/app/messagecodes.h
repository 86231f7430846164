#pragma once

#include <QString>
#include <QVector>

// Kinds, buttons and result codes of the program's one message dialog.
namespace Msg {

enum Kind { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

enum Button {
    Yes = 1,
    No = 2,
    Ok = 4,
    Cancel = 8,
    Abort = 16,
    Retry = 32,
    Ignore = 64,
    All = 128,
    Help = 256,
};
using Buttons = int;

enum Result {
    ResultNone = 0,
    ResultOk = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7,
    ResultAll = 8,
};

struct ButtonInfo {
    Button button;
    QString caption; // with "&" before the accelerator
    int result;      // ResultNone for Help, which opens the help instead
};

// The buttons of a set, in the order they appear.
QVector<ButtonInfo> buttonsFor(Buttons buttons);

// The button pressed by Enter: OK if present, else Yes, else Retry, else none.
Button defaultButton(Buttons buttons);

// The button pressed by Escape or by closing the window: Cancel if present,
// else No, else OK. Returns 0 when none of them is in the set.
Button escapeButton(Buttons buttons);

int resultOf(Button button);

// The window title for a kind; Custom uses the application title.
QString titleFor(Kind kind, const QString &applicationTitle);

// "Exception occured during " + step + "!"
QString exceptionText(const QString &step);

// The Error told when the working directory cannot follow a document.
inline const QString kChangeDirectoryFailed = QStringLiteral("Error changing default directory.");

} // namespace Msg
