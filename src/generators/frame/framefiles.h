#pragma once

#include <QByteArray>
#include <QString>

class FrameCreator;

// Frame settings are kept as a pair of files: a ".set" text file of nine
// numbers, one a line (orientation, then bar 2 and bar 1 of the outer
// splitter and of rows 1 to 3), and beside it a ".par" file with the same
// name and the nine frame records of 192 bytes each.

// The ".par" file that goes with a ".set" file: its extension replaced (or
// ".par" added when it has none).
QString parPathFor(const QString &setPath);

QByteArray setFileBytes(const FrameCreator &creator);
QByteArray parFileBytes(const FrameCreator &creator); // always 1728 bytes

// Writes both files (each through a temporary file). The ".set" file goes
// under `setPath` as given. Returns false with the message to show.
bool saveFrameSettings(const FrameCreator &creator, const QString &setPath, QString *error);

// Reads both files into `creator`, applying the values in file order. On
// failure returns false with the message to show; values applied before the
// failure stay, and a damaged ".par" file is never read past its end.
bool openFrameSettings(FrameCreator &creator, const QString &setPath, QString *error);
// The same for bytes already read (used by the fuzz test).
bool applySetFile(FrameCreator &creator, const QByteArray &bytes, const QString &name,
                  QString *error);
bool applyParFile(FrameCreator &creator, const QByteArray &bytes, const QString &name,
                  QString *error);
