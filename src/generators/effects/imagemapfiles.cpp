#include "generators/effects/imagemapfiles.h"

#include "generators/common/definitionfile.h"

#include <QFileInfo>

namespace ImageMapFiles {

bool saveServerMap(const ImageMapGrid &grid, const QString &path, QString *error) {
    return DefinitionFile::writeLines(path, grid.serverMapLines(), error);
}

bool saveCoordinates(const ImageMapGrid &grid, const QString &path, QString *error) {
    return DefinitionFile::writeLines(path, grid.coordinateLines(), error);
}

bool loadCoordinates(ImageMapGrid &grid, const QString &path, QString &notes, QString *error) {
    notes.clear();
    QStringList lines;
    if (!DefinitionFile::readLines(path, lines, error, kMaxCoordinateFileBytes))
        return false;
    const ImageMapGrid::LoadReport report = grid.loadCoordinateLines(lines);
    const QString name = QFileInfo(path).fileName();
    QStringList said;
    if (report.rowsLoaded == 0) {
        said << QStringLiteral("%1 holds no map type (rect, circle, poly or default), so no "
                               "area was loaded.")
                    .arg(name);
    } else if (report.linesBeforeFirstType > 0) {
        said << QStringLiteral("%1 does not begin with a map type (rect, circle, poly or "
                               "default); the %2 line(s) before the first one were not loaded.")
                    .arg(name)
                    .arg(report.linesBeforeFirstType);
    }
    if (report.linesNotFitting > 0) {
        said << QStringLiteral("%1 line(s) of %2 did not fit into the grid and were not loaded.")
                    .arg(report.linesNotFitting)
                    .arg(name);
    }
    // A coordinate that is no place on a picture is kept for the user to
    // correct, and named here.
    for (int row = 1; row <= report.rowsLoaded && row < ImageMapGrid::kRows; ++row) {
        MapShape shape;
        QString why;
        if (!grid.shape(row, shape, &why)) {
            said << QStringLiteral("Row %1: %2").arg(row).arg(why);
            break;
        }
    }
    notes = said.join(QLatin1Char('\n'));
    return true;
}

} // namespace ImageMapFiles
