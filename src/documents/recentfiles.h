#pragma once

#include <QString>
#include <array>

// The four most recently opened files, newest first.
using RecentFiles = std::array<QString, 4>;

// Puts `path` at the top of the list. A path already in the list moves up
// (the entries above it move down one place); a new path pushes every entry
// down and the oldest drops out. Paths are compared exactly.
void setLastFiles(RecentFiles &files, const QString &path);
