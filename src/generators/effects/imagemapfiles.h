#pragma once

#include "generators/effects/imagemapgrid.h"

#include <QString>

// The image map editor's files: the server-side map ("*.MAP") and its own
// coordinate file ("*.cor"). Both are written through a temporary file with
// lines ended by CR LF; a coordinate file is read with CR LF, LF or CR.
namespace ImageMapFiles {

// No coordinate file comes near this size: 19 rows of 50 cells.
constexpr qint64 kMaxCoordinateFileBytes = 1024 * 1024;

bool saveServerMap(const ImageMapGrid &grid, const QString &path, QString *error);
bool saveCoordinates(const ImageMapGrid &grid, const QString &path, QString *error);

// Reads a coordinate file into the grid (ImageMapGrid::loadCoordinateLines).
// False with the reason in `error` when the file cannot be read, is too
// large or is binary; the grid is then unchanged. Otherwise `notes` says, in
// sentences for the user, what was not loaded and which coordinates are no
// place on a picture; it is empty when the file was loaded whole and clean.
bool loadCoordinates(ImageMapGrid &grid, const QString &path, QString &notes, QString *error);

} // namespace ImageMapFiles
