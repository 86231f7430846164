#include "app/messagecodes.h"

namespace Msg {

QVector<ButtonInfo> buttonsFor(Buttons buttons) {
    static const ButtonInfo table[] = {
        {Yes, QStringLiteral("&Yes"), ResultYes},
        {No, QStringLiteral("&No"), ResultNo},
        {Ok, QStringLiteral("OK"), ResultOk},
        {Cancel, QStringLiteral("Cancel"), ResultCancel},
        {Abort, QStringLiteral("&Abort"), ResultAbort},
        {Retry, QStringLiteral("&Retry"), ResultRetry},
        {Ignore, QStringLiteral("&Ignore"), ResultIgnore},
        {All, QStringLiteral("&All"), ResultAll},
        {Help, QStringLiteral("&Help"), ResultNone},
    };
    QVector<ButtonInfo> out;
    for (const ButtonInfo &info : table)
        if (buttons & info.button)
            out.append(info);
    return out;
}

Button defaultButton(Buttons buttons) {
    if (buttons & Ok)
        return Ok;
    if (buttons & Yes)
        return Yes;
    if (buttons & Retry)
        return Retry;
    return Button(0);
}

Button escapeButton(Buttons buttons) {
    if (buttons & Cancel)
        return Cancel;
    if (buttons & No)
        return No;
    if (buttons & Ok)
        return Ok;
    return Button(0);
}

int resultOf(Button button) {
    for (const ButtonInfo &info : buttonsFor(button))
        return info.result;
    return ResultNone;
}

QString titleFor(Kind kind, const QString &applicationTitle) {
    switch (kind) {
    case Warning:
        return QStringLiteral("Warning");
    case Error:
        return QStringLiteral("Error");
    case Information:
        return QStringLiteral("Information");
    case Confirmation:
        return QStringLiteral("Confirm");
    case Custom:
        break;
    }
    return applicationTitle;
}

QString exceptionText(const QString &step) {
    return QStringLiteral("Exception occured during ") + step + QLatin1Char('!');
}

} // namespace Msg
