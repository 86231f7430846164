#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// The search for browser programs below a chosen root, without any window.

// The file masks a program search looks for: the usual browsers' names and,
// when given, the additional name the user typed (spaces around it do not
// count).
QStringList programSearchMasks(const QString &additionalName);

// What a walk reports: a program found (the index of the mask it matches and
// its full path), and each folder as the walk enters it.
struct ProgramWalkReport {
    std::function<void(int mask, const QString &path)> found;
    std::function<void(const QString &folder)> entering; // optional
};

// Walks the folder tree below `root`, depth first in the order the file
// system lists each folder, and reports every executable file (or link to
// one) whose name matches a mask, letter case ignored. Within a folder the
// matches are reported mask by mask; a file that matches two masks is
// reported for each. Symbolic links to folders are never followed and a
// folder is never walked inside itself again, so the walk ends on any tree;
// the kernel's own file systems (/proc, /sys and the like) are not entered,
// and folders that cannot be read are passed over. Returns false when `stop`
// was set before the walk ended (it is checked for every entry).
bool walkForPrograms(const QString &root, const QStringList &masks, const ProgramWalkReport &report,
                     const std::atomic_bool &stop);
