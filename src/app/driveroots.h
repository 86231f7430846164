#pragma once

#include <QStringList>

// The roots a drive box offers: "/", the home folder, then every mounted
// volume that holds files (the kernel's own file systems under /proc, /sys,
// /dev and /run are left out), each once.
QStringList driveRoots();
