#include "generators/effects/imagemapgrid.h"

#include <QtMath>

namespace {

const QString kDefault = QStringLiteral("default");

// A coordinate cell as a number; false with the reason when it is none.
bool coordinateOf(const QString &text, int &value, QString *error) {
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok) {
        if (error)
            *error = QStringLiteral("'%1' is not a valid integer value.").arg(text);
        return false;
    }
    if (number < 0 || number > ImageMapGrid::kMaxCoordinate) {
        if (error)
            *error = QStringLiteral("'%1' is not a place on a picture: coordinates run from 0 "
                                    "to %2.")
                         .arg(text)
                         .arg(ImageMapGrid::kMaxCoordinate);
        return false;
    }
    value = int(number);
    return true;
}

} // namespace

ImageMapGrid::ImageMapGrid() : m_cells(kRows, QStringList(kColumns, QString())) {
    resetHeader();
}

QString ImageMapGrid::cell(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return QString();
    return m_cells.at(row).at(column);
}

void ImageMapGrid::setCell(int row, int column, const QString &text) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return;
    m_cells[row][column] = text;
}

void ImageMapGrid::resetHeader() {
    m_cells[0][0] = QStringLiteral("Map Type");
    m_cells[0][1] = QStringLiteral("Link To:");
}

void ImageMapGrid::clearAreas() {
    for (int row = 1; row < kRows; ++row)
        m_cells[row].fill(QString());
}

void ImageMapGrid::setPositions(int row) {
    row = qBound(1, row, kRows - 1);
    const QString kind = type(row);
    m_capturing = !kind.isEmpty() && kind != kDefault;
    m_captureRow = row;
    m_nextColumn = kFirstPointColumn;
    for (int column = kFirstPointColumn; column < kColumns; ++column)
        m_cells[row][column].clear();
}

bool ImageMapGrid::addPoint(int x, int y) {
    if (!m_capturing || m_nextColumn + 1 >= kColumns)
        return false;
    m_cells[m_captureRow][m_nextColumn] = QString::number(x);
    m_cells[m_captureRow][m_nextColumn + 1] = QString::number(y);
    m_nextColumn += 2;
    const int points = capturedPoints();
    if ((type(m_captureRow) != QLatin1String("poly") && points >= 2) || points >= kMaxPoints)
        m_capturing = false;
    return true;
}

QStringList ImageMapGrid::coordinates(int row) const {
    QStringList out;
    for (int column = kFirstPointColumn; column < kColumns; ++column) {
        const QString text = cell(row, column);
        if (text.isEmpty())
            break;
        out << text;
    }
    return out;
}

bool ImageMapGrid::shape(int row, MapShape &out, QString *error) const {
    out = MapShape();
    const QString kind = type(row);
    MapShape::Kind wanted = MapShape::None;
    if (kind == QLatin1String("rect"))
        wanted = MapShape::Rect;
    else if (kind == QLatin1String("circle"))
        wanted = MapShape::Circle;
    else if (kind == QLatin1String("poly"))
        wanted = MapShape::Poly;
    if (wanted == MapShape::None)
        return true;

    // The points up to the first one without both its numbers.
    QVector<QPoint> points;
    for (int column = kFirstPointColumn; column + 1 < kColumns; column += 2) {
        const QString x = cell(row, column);
        const QString y = cell(row, column + 1);
        if (x.isEmpty() || y.isEmpty())
            break;
        int px = 0, py = 0;
        if (!coordinateOf(x, px, error) || !coordinateOf(y, py, error))
            return false;
        points << QPoint(px, py);
        if (wanted != MapShape::Poly && points.size() == 2)
            break;
    }
    if (points.size() < 2)
        return true;
    out.kind = wanted;
    out.points = points;
    if (wanted == MapShape::Circle) {
        const QPoint d = points.at(1) - points.at(0);
        out.radius = qRound(std::hypot(double(d.x()), double(d.y())));
    }
    return true;
}

QString ImageMapGrid::areaLine(const QString &type, const QStringList &coordinates,
                               const QString &link) {
    QString line = QStringLiteral("<AREA SHAPE=") + type + QLatin1Char(' ');
    if (type != kDefault) {
        line += QStringLiteral(" COORDS=\"");
        for (int i = 0; i < coordinates.size(); ++i)
            line += (i > 0 ? QStringLiteral(", ") : QStringLiteral(" ")) + coordinates.at(i);
        line += QLatin1Char('"');
    }
    line += QStringLiteral(" HREF=\"") + link + QStringLiteral("\">");
    return line;
}

QStringList ImageMapGrid::pageMapLines(const QString &mapName) const {
    QStringList lines{QStringLiteral("<MAP NAME=\"") + mapName + QStringLiteral("\">")};
    for (int row = 1; row < kRows && !type(row).isEmpty(); ++row)
        lines << areaLine(type(row), coordinates(row), cell(row, 1));
    lines << QStringLiteral("</MAP>");
    return lines;
}

QString ImageMapGrid::serverMapComment() {
    return QStringLiteral("#This file should be pointed to by an entry in IMAGEMAP.CNF");
}

QStringList ImageMapGrid::serverMapLines() const {
    QStringList lines{serverMapComment()};
    for (int row = 1; row < kRows; ++row) {
        QString line = type(row) + QStringLiteral("  ") + cell(row, 1) + QLatin1Char(' ');
        for (int column = kFirstPointColumn; column + 1 < kColumns; column += 2) {
            if (cell(row, column).isEmpty())
                break;
            line += QLatin1Char(' ') + cell(row, column) + QLatin1Char(',') + cell(row, column + 1);
        }
        lines << line;
    }
    return lines;
}

QStringList ImageMapGrid::coordinateLines() const {
    QStringList lines;
    for (int row = 1; row < kRows; ++row) {
        if (type(row).isEmpty())
            continue;
        int last = kColumns - 1;
        while (last > 0 && cell(row, last).isEmpty())
            --last;
        for (int column = 0; column <= last; ++column)
            lines << cell(row, column);
    }
    return lines;
}

bool ImageMapGrid::isTypeKeyword(const QString &line) {
    return line == QLatin1String("rect") || line == QLatin1String("circle") ||
           line == QLatin1String("poly") || line == kDefault;
}

ImageMapGrid::LoadReport ImageMapGrid::loadCoordinateLines(const QStringList &lines) {
    LoadReport report;
    int row = 0; // the row being filled; 0 until the first map type
    int column = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isTypeKeyword(line)) {
            if (row + 1 >= kRows) {
                // The grid is full: the rest of the file stays out.
                report.linesNotFitting += int(lines.size() - i);
                break;
            }
            ++row;
            m_cells[row].fill(QString());
            m_cells[row][0] = line;
            column = 0;
            ++report.rowsLoaded;
        } else if (row == 0) {
            ++report.linesBeforeFirstType;
        } else if (column + 1 < kColumns) {
            m_cells[row][++column] = line;
        } else {
            ++report.linesNotFitting;
        }
    }
    return report;
}
