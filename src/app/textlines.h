#pragma once

#include <QStringList>

// Splits text into lines at CR LF, LF or CR (files written on any system); a
// line end at the very end gives no empty line.
QStringList splitLines(const QString &text);
