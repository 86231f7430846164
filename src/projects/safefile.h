#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writes a whole file through a temporary file beside it, renamed over the
// target only once every byte is on disk; on any failure the target stays as
// it was and `error` says why. Unlike a bare QSaveFile, this also catches a
// write that the system cut short (a full disk, a file size limit), which
// QSaveFile::commit() can let through. `beforeReplace` runs just before the
// rename; returning false (with a reason) cancels the write.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                     const std::function<bool(QString *why)> &beforeReplace = {});
