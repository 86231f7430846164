#pragma once

#include <QString>

// The program folder: home of every data file. It is the executable's folder
// when the program may write there (the build tree or a portable copy);
// otherwise the per-user data folder, filled at first start from the data
// files installed beside the executable. Always ends in "/".
QString resolveProgramDir(const QString &executableDir, const QString &userDataDir);

// Copies every file below `from` into `to` that `to` does not have yet.
void copyMissingDataFiles(const QString &from, const QString &to);
