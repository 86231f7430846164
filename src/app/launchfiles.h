#pragma once

#include <QString>
#include <QStringList>

// The files a start of the program was given (`quilmead FILE...`, as a file
// manager starts it), as clean absolute paths: relative ones are taken from
// `workingDir`, "file:" URLs become their paths and other URLs are skipped. Options (arguments that
// begin with "-") are skipped, except after "--", which ends them.
QStringList launchFiles(const QStringList &arguments, const QString &workingDir);
