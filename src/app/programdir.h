#pragma once

#include <QString>

// The program folder: home of every data file. It is the executable's folder
// when the program may write there and its data files are there (the build
// tree or a portable copy); otherwise the per-user data folder, filled at
// start from the installed data files (../share/quilmead beside an installed
// executable's folder, else the executable's folder). Files the user already
// has there are kept. Always ends in "/".
QString resolveProgramDir(const QString &executableDir, const QString &userDataDir);

// Where an installed copy keeps its data files: ../share/quilmead.
QString installedDataDir(const QString &executableDir);

// The folder of the preview module: beside the executable when it is there
// (the build tree, a portable copy), else ../lib/quilmead, where an install
// puts it. Always ends in "/".
QString resolveModuleDir(const QString &executableDir, const QString &moduleFileName);

// Copies every file below `from` into `to` that `to` does not have yet.
void copyMissingDataFiles(const QString &from, const QString &to);
