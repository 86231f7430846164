#pragma once

#include <QString>

// How a project's site is reached, kept in its "PROJECT.INI" (section
// "PROJECT") beside the project's own settings: `Passive` (passive data
// connections) and `Secure` (FTPS), each 1 or 0. A missing key is 0, so a
// project made before these existed is sent as it always was.
struct SendOptions {
    bool passive = false;
    bool secure = false;
    bool operator==(const SendOptions &o) const {
        return passive == o.passive && secure == o.secure;
    }
    bool operator!=(const SendOptions &o) const { return !(*this == o); }
};

SendOptions readSendOptions(const QString &projectDir);
// Sets the two keys, leaving every other line of the file as it is. False
// (with `error`) when the file cannot be written.
bool writeSendOptions(const QString &projectDir, const SendOptions &options,
                      QString *error = nullptr);
