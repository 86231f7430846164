// The image map editor driven with the mouse and keyboard on the real
// dialog: choosing types, capturing points on the picture, drawing, the map
// for the page and the files.

#include "fakegeneratorhost.h"
#include "generators/effects/ui/imagemapdialog.h"
#include "generators/effects/ui/mappicture.h"
#include "testfolder.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using Type = ScriptedUserInteraction::Type;

namespace {

const QRgb kBackground = qRgb(0, 0, 128) & 0xffffff;
const QRgb kInverted = qRgb(255, 255, 127) & 0xffffff;

} // namespace

class TestImageMapDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeGeneratorHost> host;
    PendingMap pending;
    std::unique_ptr<ImageMapDialog> dialog;
    std::unique_ptr<TestFolder> page; // the page's folder, fresh for each test

    template <class T> T *child(const char *name) {
        T *w = dialog->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QTableWidget *table() { return child<QTableWidget>("CoordGrid"); }
    MapPicture *picture() { return dialog->picture(); }
    QString cell(int tableRow, int column) {
        const QTableWidgetItem *item = table()->item(tableRow, column);
        return item ? item->text() : QString();
    }
    QRgb pixel(int x, int y) { return picture()->canvas().pixel(x, y) & 0xffffff; }
    QRgb rgb(QRgb c) { return c & 0xffffff; }

    // Clicks the type cell of a row and types a type into the list shown
    // over it.
    void chooseType(int tableRow, const QString &type) {
        const QRect rect = table()->visualRect(table()->model()->index(tableRow, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, rect.center());
        auto *list = child<QComboBox>("MapStyle");
        QVERIFY(list->isVisible());
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), type);
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    }
    // Moves to a pixel of the picture and clicks it, as the user does.
    void clickPicture(int x, int y) {
        QTest::mouseMove(picture(), QPoint(x, y));
        QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(x, y));
    }
    void setPositions() { child<QPushButton>("BitBtn1")->click(); }
    bool choosing() { return child<QLabel>("ChooseLoc")->isVisible(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }

private slots:
    void init() {
        page = std::make_unique<TestFolder>();
        host = std::make_unique<FakeGeneratorHost>();
        host->folder = page->path();
        pending = PendingMap();
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(kBackground);
        dialog = std::make_unique<ImageMapDialog>(*host, image, pending);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup() {
        dialog.reset();
        QCOMPARE(host->user.unexpected(), 0);
    }

    void opensOnThePictureAtItsOwnSize() {
        QCOMPARE(dialog->objectName(), QString("TSimpleForm"));
        QCOMPARE(dialog->windowTitle(), QString("Image Mapping"));
        QCOMPARE(picture()->size(), QSize(200, 120));
        QVERIFY(dialog->width() >= 200);
        QVERIFY(dialog->height() >= 120 + table()->height());
        QCOMPARE(table()->rowCount(), 19);
        QCOMPARE(table()->columnCount(), 50);
        QCOMPARE(table()->horizontalHeaderItem(0)->text(), QString("Map Type"));
        QCOMPARE(table()->horizontalHeaderItem(1)->text(), QString("Link To:"));
        QVERIFY(!choosing());
        QCOMPARE(dialog->mapName(), QString());

        QTest::mouseMove(picture(), QPoint(0, 0));
        QTest::mouseMove(picture(), QPoint(41, 17));
        QCOMPARE(child<QLabel>("XPosition")->text(), QString("42"));
        QCOMPARE(child<QLabel>("YPosition")->text(), QString("18"));
        // Not capturing: a click does nothing.
        clickPicture(5, 5);
        QCOMPARE(cell(0, 2), QString());
    }

    void rectStopsAfterTheSecondClick() {
        chooseType(0, "rect");
        QCOMPARE(cell(0, 0), QString("rect"));
        setPositions();
        QVERIFY(choosing());
        clickPicture(9, 19);
        QVERIFY(choosing());
        QCOMPARE(pixel(9, 19), kBackground); // nothing drawn after the first point
        clickPicture(109, 79);
        QVERIFY(!choosing());
        QCOMPARE(QStringList({cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5)}),
                 QStringList({"10", "20", "110", "80"}));
        // The rectangle in white, corner to corner; inside it the picture.
        QCOMPARE(pixel(9, 19), rgb(qRgb(255, 255, 255)));
        QCOMPARE(pixel(109, 79), rgb(qRgb(255, 255, 255)));
        QCOMPARE(pixel(60, 19), rgb(qRgb(255, 255, 255)));
        QCOMPARE(pixel(60, 50), kBackground);
        QCOMPARE(pixel(110, 80), kBackground);
        clickPicture(150, 100);
        QCOMPARE(cell(0, 6), QString());
    }

    void polyGoesOnUntilTheRightButton() {
        chooseType(1, "poly");
        table()->setCurrentCell(1, 1);
        setPositions();
        clickPicture(10, 10);
        clickPicture(100, 10);
        clickPicture(100, 100);
        QVERIFY(choosing());
        QCOMPARE(cell(1, 6), QString("101"));
        QCOMPARE(cell(1, 7), QString("101"));
        // One clean triangle: the first edge is not put back by drawing the
        // polygon again after the third point.
        QCOMPARE(pixel(50, 10), kInverted);
        QCOMPARE(pixel(100, 50), kInverted);
        QCOMPARE(pixel(55, 55), kInverted);
        QCOMPARE(pixel(60, 40), kBackground);
        QTest::mousePress(picture(), Qt::RightButton, {}, QPoint(30, 30));
        QVERIFY(!choosing());
        clickPicture(30, 30);
        QCOMPARE(cell(1, 8), QString());
        // Refresh draws every row again, the triangle the same.
        const QImage before = picture()->canvas();
        child<QPushButton>("Button1")->click();
        QCOMPARE(picture()->canvas(), before);
    }

    void circleTypedByHand() {
        chooseType(2, "circle");
        QCOMPARE(cell(2, 0), QString("circle"));
        setPositions();
        clickPicture(99, 59);
        clickPicture(119, 59);
        QVERIFY(!choosing());
        QCOMPARE(pixel(79, 59), kInverted);
        QCOMPARE(pixel(99, 39), kInverted);
        QCOMPARE(pixel(99, 59), kBackground);
    }

    void setPositionsNeedsAShape_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("default") << "default";
        QTest::newRow("no type") << "";
    }
    void setPositionsNeedsAShape() {
        QFETCH(QString, type);
        if (!type.isEmpty())
            chooseType(3, type);
        table()->setCurrentCell(3, 1);
        setPositions();
        QVERIFY(!choosing());
        clickPicture(50, 50);
        QCOMPARE(cell(3, 2), QString());
    }

    void theTypeListStaysWithItsRow() {
        chooseType(0, "rect");
        auto *list = child<QComboBox>("MapStyle");
        QVERIFY(list->isVisible());
        table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
        QVERIFY(!list->isVisible());
    }

    // A map with a rect and a default row goes to the page as four lines.
    void saveMapToPage() {
        chooseType(0, "rect");
        setPositions();
        clickPicture(9, 19);
        clickPicture(109, 79);
        chooseType(1, "default");
        table()->setItem(0, 1, new QTableWidgetItem("a.htm"));
        table()->setItem(1, 1, new QTableWidgetItem("b.htm"));

        trigger("SaveReturn");
        QCOMPARE(host->user.asked().last().text,
                 QString("You must give your map a name first.  Click the button \"Map Name\" to "
                         "assign it a name."));
        QCOMPARE(host->user.asked().last().kind, int(Msg::Information));
        QVERIFY(dialog->isVisible());
        QVERIFY(!pending.pending());

        host->user.answerInput("nav");
        child<QPushButton>("Button2")->click();
        QCOMPARE(host->user.asked().last().caption, QString("Map Name"));
        QCOMPARE(host->user.asked().last().text, QString("Name of map:"));
        QCOMPARE(dialog->mapName(), QString("nav"));
        trigger("SaveReturn");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(pending.name, QString("nav"));
        QCOMPARE(pending.lines,
                 QStringList({"<MAP NAME=\"nav\">",
                              "<AREA SHAPE=rect  COORDS=\" 10, 20, 110, 80\" HREF=\"a.htm\">",
                              "<AREA SHAPE=default  HREF=\"b.htm\">", "</MAP>"}));
    }

    void abandonLeavesThePendingMap() {
        pending.name = "old";
        pending.lines = QStringList({"<MAP NAME=\"old\">", "</MAP>"});
        trigger("Exit1");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(pending.name, QString("old"));
    }

    void mapAndCoordinateFiles() {
        chooseType(0, "poly");
        setPositions();
        clickPicture(1, 1); // (0, 0) would stand for the middle
        clickPicture(11, 1);
        clickPicture(11, 11);
        QTest::mousePress(picture(), Qt::RightButton, {}, QPoint(1, 1));
        table()->setItem(0, 1, new QTableWidgetItem("p.htm"));

        host->user.answerFile(page->file("site.map"));
        trigger("SaveFile");
        QCOMPARE(host->user.asked().last().text,
                 QString("External Map Files|*.MAP|Quilmead Coordinate Files *.cor|*.COR"));
        QCOMPARE(host->user.asked().last().filterIndex, 1);
        QVERIFY(TestFolder::read(page->file("site.map"))
                    .startsWith("#This file should be pointed to by an entry in IMAGEMAP.CNF\r\n"
                                "poly  p.htm  2,2 12,2 12,12\r\n"));

        host->user.answerFile(page->file("site.cor"));
        trigger("SaveCoord");
        QCOMPARE(host->user.asked().last().filterIndex, 2);
        QCOMPARE(TestFolder::read(page->file("site.cor")),
                 QByteArray("poly\r\np.htm\r\n2\r\n2\r\n12\r\n2\r\n12\r\n12\r\n"));

        // Loaded into a fresh editor, the grid comes back.
        QImage image(50, 50, QImage::Format_RGB32);
        image.fill(kBackground);
        dialog = std::make_unique<ImageMapDialog>(*host, image, pending);
        host->user.answerFile(page->file("site.cor"));
        trigger("LoadCoord");
        QCOMPARE(host->user.asked().last().type, Type::OpenFile);
        QCOMPARE(host->user.asked().last().text,
                 QString("Graphics|*.JPG;*.GIF|Quilmead Coordinate Files: *.cor|*.COR"));
        QCOMPARE(host->user.asked().last().filterIndex, 2);
        QCOMPARE(QStringList({cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 7), cell(0, 8)}),
                 QStringList({"poly", "p.htm", "2", "12", ""}));
        QCOMPARE(dialog->grid().pageMapLines("m").at(1),
                 QString("<AREA SHAPE=poly  COORDS=\" 2, 2, 12, 2, 12, 12\" HREF=\"p.htm\">"));
    }

    void badCoordinateFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("first line not a type")
            << QByteArray("shape\r\nrect\r\na.htm\r\n1\r\n2\r\n3\r\n4\r\n") << int(Msg::Warning)
            << "bad.cor does not begin with a map type (rect, circle, poly or default); the 1 "
               "line(s) before the first one were not loaded.";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                << int(Msg::Error) << QString();
    }
    void badCoordinateFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const QString path = page->write("bad.cor", bytes);
        host->user.answerFile(path);
        trigger("LoadCoord");
        QCOMPARE(host->user.asked().last().type, Type::Message);
        QCOMPARE(host->user.asked().last().kind, kind);
        if (!message.isEmpty())
            QCOMPARE(host->user.asked().last().text, message);
        else
            QVERIFY(host->user.asked().last().text.contains(path));
        QCOMPARE(table()->horizontalHeaderItem(0)->text(), QString("Map Type"));
        QCOMPARE(table()->horizontalHeaderItem(1)->text(), QString("Link To:"));
    }

    // A coordinate typed wrongly is told once; the other shapes are drawn.
    void refreshWithAWrongCoordinate() {
        chooseType(0, "rect");
        chooseType(1, "rect");
        for (int c = 2; c < 6; ++c) {
            table()->setItem(0, c, new QTableWidgetItem(c == 3 ? "x" : "5"));
            table()->setItem(1, c, new QTableWidgetItem(QString::number(c * 10)));
        }
        child<QPushButton>("Button1")->click();
        QCOMPARE(host->user.messageTexts(), QStringList({"'x' is not a valid integer value."}));
        QCOMPARE(pixel(19, 29), rgb(qRgb(255, 255, 255)));
        QCOMPARE(pixel(4, 4), kBackground);
    }

    void aDamagedPictureOpensNothing() {
        const QString path = page->write("broken.gif", QByteArray("GIF89a\x10\0\x10\0garbage", 16));
        QVERIFY(!openImageMapEditor(*host, path, pending));
        QCOMPARE(host->user.asked().size(), 1);
        QVERIFY(host->user.asked().first().text.startsWith("The picture " + path +
                                                           " cannot be shown: "));
        QCOMPARE(host->user.asked().first().kind, int(Msg::Error));
    }
};

QTEST_MAIN(TestImageMapDialog)
#include "test_gen_imagemap_dialog.moc"
