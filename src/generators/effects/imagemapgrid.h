#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

// One area of an image map as it is drawn over the picture. Points are in
// picture pixels counted from 1, as the grid holds them.
struct MapShape {
    enum Kind { None, Rect, Circle, Poly };
    Kind kind = None;
    QVector<QPoint> points; // Rect: two corners; Circle: centre and a point on the edge
    int radius = 0;         // Circle: the distance between its points, rounded
};

// The areas of an image map, as the image map editor holds them: a grid of 20
// rows and 50 columns whose row 0 is the header ("Map Type", "Link To:") and
// whose rows 1 to 19 each hold one area: its type ("rect", "circle", "poly"
// or "default"), its link and up to 24 points (x in columns 2, 4, ..., y in
// 3, 5, ...). Points are captured one click at a time.
class ImageMapGrid {
public:
    static constexpr int kRows = 20;
    static constexpr int kColumns = 50;
    static constexpr int kFirstPointColumn = 2;
    static constexpr int kMaxPoints = (kColumns - kFirstPointColumn) / 2; // 24
    // Coordinates beyond this are refused as no place on a picture.
    static constexpr int kMaxCoordinate = 32767;

    ImageMapGrid();

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    QString type(int row) const { return cell(row, 0); }
    // The header row back as it was.
    void resetHeader();
    // Rows 1 to 19 emptied.
    void clearAreas();

    // --- Capturing points -------------------------------------------------
    // "Set Positions" on `row`: capturing starts when the row's type is
    // neither empty nor "default", else it stops; either way the row's
    // points are emptied and the next point goes into column 2.
    void setPositions(int row);
    // A click on the picture while capturing: the point (x, y, counted from
    // 1) goes into the capture row. Returns false, changing nothing, when
    // not capturing. Capturing stops by itself once a non-"poly" row has two
    // points, or when the row's 24 points are set.
    bool addPoint(int x, int y);
    // The right mouse button: capturing stops.
    void stopCapturing() { m_capturing = false; }
    bool capturing() const { return m_capturing; }
    int captureRow() const { return m_captureRow; }
    int nextColumn() const { return m_nextColumn; }
    // How many points the capture row holds.
    int capturedPoints() const { return (m_nextColumn - kFirstPointColumn) / 2; }

    // --- Shapes -----------------------------------------------------------
    // The row's shape for drawing: a rect or circle with its two points, a
    // poly with all its points when there are at least two. An empty,
    // "default" or unknown type, or too few points, gives kind None. A
    // coordinate that is not a whole number from 0 to kMaxCoordinate makes
    // it fail: false, with the reason in `error`.
    bool shape(int row, MapShape &out, QString *error) const;
    // The coordinate cells of a row up to the first empty one.
    QStringList coordinates(int row) const;

    // --- Output -----------------------------------------------------------
    // The client-side map: '<MAP NAME="name">', one AREA line per row from
    // row 1 down to the first row without a type, "</MAP>".
    QStringList pageMapLines(const QString &mapName) const;
    static QString areaLine(const QString &type, const QStringList &coordinates,
                            const QString &link);
    // The server-side map file: its comment line, then one line per row 1 to
    // 19, filled or not ("rect  a.htm  10,20 110,80").
    QStringList serverMapLines() const;
    static QString serverMapComment();
    // The coordinate file: for each row that has a type, its cells from the
    // type up to the last filled one, one per line (an empty link gives an
    // empty line, so the points after it come back).
    QStringList coordinateLines() const;

    // What loading a coordinate file found besides the areas it loaded.
    struct LoadReport {
        int rowsLoaded = 0;
        int linesBeforeFirstType = 0; // lines before any map type: not loaded
        int linesNotFitting = 0;      // beyond a row's 50 columns or the 19th row
    };
    // Reads a coordinate file's lines into the grid: a line that is exactly a
    // map type ("rect", "circle", "poly", "default") starts the next row from
    // row 1, emptied first, and goes into its column 0; any other line goes
    // into the next column of that row. Rows after the last one read stay as
    // they were; the header is never written.
    LoadReport loadCoordinateLines(const QStringList &lines);
    static bool isTypeKeyword(const QString &line);

private:
    QVector<QStringList> m_cells;
    bool m_capturing = false;
    int m_captureRow = 1;
    int m_nextColumn = kFirstPointColumn;
};

// The client-side map the image map editor hands back to the Web Effects
// dialog, which inserts it before the image tag that uses it.
struct PendingMap {
    QString name;
    QStringList lines; // '<MAP NAME="...">', the AREA lines, "</MAP>"

    bool pending() const { return !lines.isEmpty(); }
    void clear() { lines.clear(); }
};
