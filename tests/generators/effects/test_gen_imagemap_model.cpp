// The image map editor's grid without its window: capturing points, the
// shapes drawn, the three outputs and reading coordinate files back.

#include "generators/effects/imagemapfiles.h"
#include "generators/effects/imagemapgrid.h"
#include "testfolder.h"

#include <QtTest>

namespace {

void setRow(ImageMapGrid &grid, int row, const QStringList &cells) {
    for (int c = 0; c < cells.size(); ++c)
        grid.setCell(row, c, cells.at(c));
}

QStringList rowOf(const ImageMapGrid &grid, int row) {
    QStringList cells;
    for (int c = 0; c < ImageMapGrid::kColumns; ++c)
        cells << grid.cell(row, c);
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

} // namespace

class TestGenImageMapModel : public QObject {
    Q_OBJECT
private slots:
    void header() {
        ImageMapGrid grid;
        QCOMPARE(rowOf(grid, 0), QStringList({"Map Type", "Link To:"}));
        QCOMPARE(grid.cell(20, 0), QString());
        QCOMPARE(grid.cell(1, 50), QString());
    }

    void setPositionsStartsOnlyOnAShape_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("captures");
        QTest::newRow("rect") << "rect" << true;
        QTest::newRow("poly") << "poly" << true;
        QTest::newRow("circle") << "circle" << true;
        QTest::newRow("default") << "default" << false;
        QTest::newRow("no type") << "" << false;
    }
    void setPositionsStartsOnlyOnAShape() {
        QFETCH(QString, type);
        QFETCH(bool, captures);
        ImageMapGrid grid;
        setRow(grid, 3, {type, "a.htm", "1", "2", "3", "4"});
        grid.setPositions(3);
        QCOMPARE(grid.capturing(), captures);
        // Either way the row's points are gone and the next goes first.
        QCOMPARE(rowOf(grid, 3),
                 type.isEmpty() ? QStringList({"", "a.htm"}) : QStringList({type, "a.htm"}));
        QCOMPARE(grid.nextColumn(), 2);
        QCOMPARE(grid.addPoint(5, 6), captures);
    }

    void twoPointShapesStopAfterTheSecond_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("rect") << "rect";
        QTest::newRow("circle") << "circle";
    }
    void twoPointShapesStopAfterTheSecond() {
        QFETCH(QString, type);
        ImageMapGrid grid;
        setRow(grid, 1, {type});
        grid.setPositions(1);
        QVERIFY(grid.addPoint(10, 20));
        QVERIFY(grid.capturing());
        QVERIFY(grid.addPoint(110, 80));
        QVERIFY(!grid.capturing());
        QVERIFY(!grid.addPoint(1, 1));
        QCOMPARE(rowOf(grid, 1), QStringList({type, "", "10", "20", "110", "80"}));
    }

    void polyGoesOnUntilStoppedOrFull() {
        ImageMapGrid grid;
        setRow(grid, 2, {"poly"});
        grid.setPositions(2);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(grid.addPoint(i, i));
        QVERIFY(grid.capturing());
        grid.stopCapturing();
        QVERIFY(!grid.addPoint(9, 9));
        QCOMPARE(grid.coordinates(2).size(), 10);

        grid.setPositions(2);
        for (int i = 1; i <= ImageMapGrid::kMaxPoints; ++i) {
            QVERIFY(grid.capturing());
            QVERIFY(grid.addPoint(i, 100 + i));
        }
        QVERIFY(!grid.capturing());
        QCOMPARE(grid.cell(2, 48), QString("24"));
        QCOMPARE(grid.cell(2, 49), QString("124"));
    }

    void shapes() {
        ImageMapGrid grid;
        setRow(grid, 1, {"rect", "a", "10", "20", "110", "80"});
        setRow(grid, 2, {"circle", "b", "50", "50", "53", "54"});
        setRow(grid, 3, {"poly", "c", "1", "1", "9", "1", "5", "7"});
        setRow(grid, 4, {"rect", "d", "10", "20"}); // one corner only
        setRow(grid, 5, {"default", "e"});
        MapShape s;
        QVERIFY(grid.shape(1, s, nullptr));
        QCOMPARE(s.kind, MapShape::Rect);
        QCOMPARE(s.points, QVector<QPoint>({{10, 20}, {110, 80}}));
        QVERIFY(grid.shape(2, s, nullptr));
        QCOMPARE(s.kind, MapShape::Circle);
        QCOMPARE(s.radius, 5);
        QVERIFY(grid.shape(3, s, nullptr));
        QCOMPARE(s.kind, MapShape::Poly);
        QCOMPARE(s.points.size(), 3);
        QVERIFY(grid.shape(4, s, nullptr));
        QCOMPARE(s.kind, MapShape::None);
        QVERIFY(grid.shape(5, s, nullptr));
        QCOMPARE(s.kind, MapShape::None);
    }

    void coordinatesThatAreNoPlace_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("text") << "ten"
                              << "'ten' is not a valid integer value.";
        QTest::newRow("fraction") << "1.5"
                                  << "'1.5' is not a valid integer value.";
        QTest::newRow("beyond any number")
            << "99999999999999999999"
            << "'99999999999999999999' is not a valid integer value.";
        QTest::newRow("negative") << "-5"
                                  << "'-5' is not a place on a picture: coordinates run from 0 to "
                                     "32767.";
        QTest::newRow("huge") << "4000000000"
                              << "'4000000000' is not a place on a picture: coordinates run from "
                                 "0 to 32767.";
    }
    void coordinatesThatAreNoPlace() {
        QFETCH(QString, value);
        QFETCH(QString, error);
        ImageMapGrid grid;
        setRow(grid, 1, {"poly", "a", "1", "2", value, "4"});
        MapShape s;
        QString why;
        QVERIFY(!grid.shape(1, s, &why));
        QCOMPARE(why, error);
        QCOMPARE(s.kind, MapShape::None);
        QCOMPARE(grid.cell(1, 4), value);
    }

    // A rect and a default row give four lines; the map ends at the first
    // row without a type.
    void pageMap() {
        ImageMapGrid grid;
        setRow(grid, 1, {"rect", "a.htm", "10", "20", "110", "80"});
        setRow(grid, 2, {"default", "b.htm"});
        setRow(grid, 4, {"poly", "c.htm", "1", "1", "2", "2"});
        QCOMPARE(grid.pageMapLines("nav"),
                 QStringList({"<MAP NAME=\"nav\">",
                              "<AREA SHAPE=rect  COORDS=\" 10, 20, 110, 80\" HREF=\"a.htm\">",
                              "<AREA SHAPE=default  HREF=\"b.htm\">", "</MAP>"}));
    }

    void serverMap() {
        ImageMapGrid grid;
        setRow(grid, 1, {"rect", "a.htm", "10", "20", "110", "80"});
        setRow(grid, 3, {"poly", "c.htm", "1", "2", "3", "4", "5", "6"});
        const QStringList lines = grid.serverMapLines();
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.at(0),
                 QString("#This file should be pointed to by an entry in IMAGEMAP.CNF"));
        QCOMPARE(lines.at(1), QString("rect  a.htm  10,20 110,80"));
        QCOMPARE(lines.at(2), QString("   "));
        QCOMPARE(lines.at(3), QString("poly  c.htm  1,2 3,4 5,6"));
        QCOMPARE(lines.at(19), QString("   "));
    }

    void coordinateFileRoundTrip() {
        ImageMapGrid grid;
        setRow(grid, 1, {"rect", "a.htm", "10", "20", "110", "80"});
        setRow(grid, 2, {"circle", "", "50", "50", "60", "50"}); // no link yet
        setRow(grid, 4, {"default", "b.htm"});
        QCOMPARE(grid.coordinateLines(),
                 QStringList({"rect", "a.htm", "10", "20", "110", "80", "circle", "", "50", "50",
                              "60", "50", "default", "b.htm"}));

        TestFolder folder;
        const QString path = folder.file("nav.cor");
        QString error;
        QVERIFY(ImageMapFiles::saveCoordinates(grid, path, &error));
        QVERIFY(TestFolder::read(path).startsWith("rect\r\na.htm\r\n10\r\n"));

        ImageMapGrid fresh;
        QString notes;
        QVERIFY(ImageMapFiles::loadCoordinates(fresh, path, notes, &error));
        QCOMPARE(notes, QString());
        QCOMPARE(rowOf(fresh, 0), QStringList({"Map Type", "Link To:"}));
        QCOMPARE(rowOf(fresh, 1), rowOf(grid, 1));
        QCOMPARE(rowOf(fresh, 2), rowOf(grid, 2));
        QCOMPARE(rowOf(fresh, 3), rowOf(grid, 4)); // rows close up
        QCOMPARE(fresh.coordinateLines(), grid.coordinateLines());
    }

    // Rows read are emptied first; the rows after them stay.
    void loadingOverAGrid() {
        ImageMapGrid grid;
        setRow(grid, 1, {"poly", "old.htm", "1", "1", "2", "2", "3", "3"});
        setRow(grid, 2, {"rect", "keep.htm", "5", "5", "6", "6"});
        const ImageMapGrid::LoadReport report =
            grid.loadCoordinateLines({"rect", "new.htm", "7", "8", "9", "10"});
        QCOMPARE(report.rowsLoaded, 1);
        QCOMPARE(rowOf(grid, 1), QStringList({"rect", "new.htm", "7", "8", "9", "10"}));
        QCOMPARE(rowOf(grid, 2), QStringList({"rect", "keep.htm", "5", "5", "6", "6"}));
    }

    void firstLineNotAType() {
        ImageMapGrid grid;
        const ImageMapGrid::LoadReport report =
            grid.loadCoordinateLines({"Rectangle", "a.htm", "rect", "b.htm", "1", "2", "3", "4"});
        QCOMPARE(report.linesBeforeFirstType, 2);
        QCOMPARE(report.rowsLoaded, 1);
        QCOMPARE(rowOf(grid, 0), QStringList({"Map Type", "Link To:"}));
        QCOMPARE(rowOf(grid, 1), QStringList({"rect", "b.htm", "1", "2", "3", "4"}));
    }

    void moreThanTheGridHolds() {
        QStringList lines;
        for (int i = 0; i < 21; ++i)
            lines << "default" << QString("p%1.htm").arg(i);
        for (int i = 0; i < 60; ++i) // far more cells than a row has
            lines.insert(2, "7");
        ImageMapGrid grid;
        const ImageMapGrid::LoadReport report = grid.loadCoordinateLines(lines);
        QCOMPARE(report.rowsLoaded, 19);
        QCOMPARE(grid.cell(1, 49), QString("7"));
        QCOMPARE(report.linesNotFitting, (61 - 49) + 4); // the rest of row 1, rows 20 and 21
        QCOMPARE(grid.cell(19, 1), QString("p18.htm"));
    }

    void damagedAndOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("notes");
        QTest::newRow("binary") << QByteArray("rect\0\1\2", 7) << false << QString();
        QTest::newRow("no type at all")
            << QByteArray("hello\r\nworld\r\n") << true
            << "x.cor holds no map type (rect, circle, poly or default), so no area was loaded.";
        QTest::newRow("first line not a type")
            << QByteArray("#map\nrect\na.htm\n1\n2\n3\n4\n") << true
            << "x.cor does not begin with a map type (rect, circle, poly or default); the 1 "
               "line(s) before the first one were not loaded.";
        QTest::newRow("negative coordinate")
            << QByteArray("rect\ra.htm\r-10\r2\r3\r4\r") << true
            << "Row 1: '-10' is not a place on a picture: coordinates run from 0 to 32767.";
        QTest::newRow("mac line ends")
            << QByteArray("rect\ra.htm\r1\r2\r3\r4\r") << true << QString();
    }
    void damagedAndOddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QFETCH(QString, notes);
        TestFolder folder;
        const QString path = folder.write("x.cor", bytes);
        ImageMapGrid grid;
        setRow(grid, 1, {"default", "before.htm"});
        QString said, error;
        QCOMPARE(ImageMapFiles::loadCoordinates(grid, path, said, &error), read);
        QCOMPARE(said, notes);
        if (!read) {
            QVERIFY(error.contains("binary"));
            QCOMPARE(rowOf(grid, 1), QStringList({"default", "before.htm"}));
        }
    }

    void serverMapFile() {
        ImageMapGrid grid;
        setRow(grid, 1, {"rect", "a.htm", "10", "20", "110", "80"});
        TestFolder folder;
        QString error;
        QVERIFY(ImageMapFiles::saveServerMap(grid, folder.file("nav.MAP"), &error));
        const QByteArray bytes = TestFolder::read(folder.file("nav.MAP"));
        QVERIFY(bytes.startsWith("#This file should be pointed to by an entry in IMAGEMAP.CNF\r\n"
                                 "rect  a.htm  10,20 110,80\r\n   \r\n"));
        QCOMPARE(bytes.count("\r\n"), 20);
        QVERIFY(!ImageMapFiles::saveServerMap(grid, folder.file("no/such/folder.MAP"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGenImageMapModel)
#include "test_gen_imagemap_model.moc"
