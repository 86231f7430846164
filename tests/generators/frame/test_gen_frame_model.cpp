#include "generators/frame/framecreator.h"

#include <QtTest>

namespace {

std::array<bool, 9> allUsable() {
    std::array<bool, 9> usable;
    usable.fill(true);
    return usable;
}

QStringList noFramesBlock() {
    return {"<NOFRAMES>",
            "<BODY >",
            "<!-- Anything inserted between the NOFRAMES tags will appear-->",
            "<!-- in a browser that does not support frames.             -->",
            "This site makes use of frames.<BR>",
            "For your viewing pleasure you should use Netscape or Internet Explorer.<br>",
            "</BODY>",
            "</NOFRAMES>"};
}

} // namespace

class TestFrameCreator : public QObject {
    Q_OBJECT
private slots:
    void defaultDocumentAfterNext();
    void namesOnlyAfterNext();
    void rowWithBarsAtTheEnd_data();
    void rowWithBarsAtTheEnd();
    void outerBar2At100LeavesOutRowThree();
    void byColumnsSwapsDimensions();
    void framesetLine_data();
    void framesetLine();
    void frameLineAttributes_data();
    void frameLineAttributes();
    void barsStayInOrder();
    void draggingRowOneKeepsOffTheEdge();
    void panesShownByBars();
    void steppingSkipsFramesWithoutName();
    void nextPastLastShowsFinished();
    void prevFromFirstFrameReturnsToStart();
    void noFrameAtAllStaysOnStart();
};

void TestFrameCreator::defaultDocumentAfterNext() {
    FrameCreator c;
    c.next(allUsable());
    QStringList expected{"<HTML>", "<HEAD>", "<TITLE>Document Title</TITLE>", "</HEAD>",
                         "<FRAMESET ROWS=\"33%,*,34%\">"};
    for (int row = 0; row < 3; ++row) {
        expected << "<FRAMESET COLS=\"33%,*,34%\">";
        for (int i = 1; i <= 3; ++i)
            expected << QString("<FRAME SRC=\"\" NAME=\"Frame: %1\">").arg(row * 3 + i);
        expected << "</FRAMESET>";
    }
    expected << "</FRAMESET>" << noFramesBlock() << "</HTML>";
    QCOMPARE(c.documentLines(), expected);
}

void TestFrameCreator::namesOnlyAfterNext() {
    FrameCreator c;
    c.noFrames = false;
    c.pageTitle = "Mine";
    const QStringList lines = c.documentLines();
    QCOMPARE(lines.at(2), QString("<TITLE>Mine</TITLE>"));
    QCOMPARE(lines.at(6), QString("<FRAME SRC=\"\">"));
    QCOMPARE(lines.size(), 5 + 3 * 5 + 2);
    QCOMPARE(lines.constLast(), QString("</HTML>"));
    QCOMPARE(lines.at(lines.size() - 2), QString("</FRAMESET>"));
}

void TestFrameCreator::rowWithBarsAtTheEnd_data() {
    QTest::addColumn<int>("bar1");
    QTest::addColumn<int>("bar2");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("bar 2 at 100") << 33 << 100
                                  << QStringList{"<FRAMESET COLS=\"33%,*\">", "<FRAME SRC=\"\">",
                                                 "<FRAME SRC=\"\">", "</FRAMESET>"};
    QTest::newRow("bar 1 at 99 as well") << 99 << 100 << QStringList{"<FRAME SRC=\"\">"};
    QTest::newRow("bar 2 at 97 keeps a thin frame")
        << 50 << 97
        << QStringList{"<FRAMESET COLS=\"50%,*,3%\">", "<FRAME SRC=\"\">", "<FRAME SRC=\"\">",
                       "<FRAME SRC=\"\">", "</FRAMESET>"};
    QTest::newRow("bar 1 at 98") << 98 << 99 << QStringList{"<FRAME SRC=\"\">"};
}

void TestFrameCreator::rowWithBarsAtTheEnd() {
    QFETCH(int, bar1);
    QFETCH(int, bar2);
    QFETCH(QStringList, row);
    FrameCreator c;
    c.noFrames = false;
    c.rows[0].bar2 = bar2;
    c.rows[0].bar1 = bar1;
    c.record(1).source = "a.htm";
    const QStringList lines = c.documentLines();
    row.replace(row.size() == 1 ? 0 : 1, "<FRAME SRC=\"a.htm\">");
    QCOMPARE(lines.mid(5, row.size()), row);
    QCOMPARE(lines.at(5 + row.size()), QString("<FRAMESET COLS=\"33%,*,34%\">"));
}

void TestFrameCreator::outerBar2At100LeavesOutRowThree() {
    FrameCreator c;
    c.noFrames = false;
    c.outer.setBar2(100);
    const QStringList lines = c.documentLines();
    QCOMPARE(lines.at(4), QString("<FRAMESET ROWS=\"33%,*\">"));
    QCOMPARE(lines.count("<FRAMESET COLS=\"33%,*,34%\">"), 2);
    QCOMPARE(lines.size(), 5 + 2 * 5 + 2);

    c.outer.setBar1(99);
    QCOMPARE(c.documentLines().at(4), QString("<FRAMESET ROWS=\"100%\">"));
    QCOMPARE(c.documentLines().count("<FRAMESET COLS=\"33%,*,34%\">"), 1);
}

void TestFrameCreator::byColumnsSwapsDimensions() {
    FrameCreator c;
    c.orientation = FrameCreator::ByColumns;
    const QStringList lines = c.documentLines();
    QCOMPARE(lines.at(4), QString("<FRAMESET COLS=\"33%,*,34%\">"));
    QCOMPARE(lines.count("<FRAMESET ROWS=\"33%,*,34%\">"), 3);
}

void TestFrameCreator::framesetLine_data() {
    QTest::addColumn<int>("bar1");
    QTest::addColumn<int>("bar2");
    QTest::addColumn<bool>("outerSet");
    QTest::addColumn<QString>("line");
    QTest::newRow("defaults") << 33 << 66 << false << "<FRAMESET COLS=\"33%,*,34%\">";
    QTest::newRow("bar 2 at 98") << 20 << 98 << false << "<FRAMESET COLS=\"20%,*\">";
    QTest::newRow("both high, inner") << 98 << 99 << false << "<FRAMESET COLS=\"\">";
    QTest::newRow("both high, outer") << 98 << 99 << true << "<FRAMESET COLS=\"100%\">";
    QTest::newRow("bar 1 at 97") << 97 << 99 << true << "<FRAMESET COLS=\"97%,*\">";
    QTest::newRow("bar 2 at 97") << 10 << 97 << true << "<FRAMESET COLS=\"10%,*,3%\">";
}

void TestFrameCreator::framesetLine() {
    QFETCH(int, bar1);
    QFETCH(int, bar2);
    QFETCH(bool, outerSet);
    QFETCH(QString, line);
    SplitBars bars;
    bars.bar1 = bar1;
    bars.bar2 = bar2;
    QCOMPARE(FrameCreator::framesetLine("COLS", bars, outerSet), line);
}

void TestFrameCreator::frameLineAttributes_data() {
    QTest::addColumn<int>("marginWidth");
    QTest::addColumn<int>("marginHeight");
    QTest::addColumn<bool>("resize");
    QTest::addColumn<int>("scrolling");
    QTest::addColumn<QString>("line");
    QTest::newRow("all given")
        << 0 << 12 << false << 1
        << "<FRAME SRC=\"x.htm\" NAME=\"main\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"12\" NORESIZE "
           "SCROLLING=\"YES\">";
    QTest::newRow("no scrolling") << -1 << -1 << true << 2
                                  << "<FRAME SRC=\"x.htm\" NAME=\"main\" SCROLLING=\"NO\">";
    QTest::newRow("auto") << -1 << 3 << true << 0
                          << "<FRAME SRC=\"x.htm\" NAME=\"main\" MARGINHEIGHT=\"3\">";
}

void TestFrameCreator::frameLineAttributes() {
    QFETCH(int, marginWidth);
    QFETCH(int, marginHeight);
    QFETCH(bool, resize);
    QFETCH(int, scrolling);
    QFETCH(QString, line);
    FrameCreator c;
    FrameRecord &r = c.record(5);
    r.source = "x.htm";
    r.name = "main";
    r.marginWidth = marginWidth;
    r.marginHeight = marginHeight;
    r.allowResize = resize;
    r.scrolling = scrolling;
    QCOMPARE(c.frameLine(5), line);
}

void TestFrameCreator::barsStayInOrder() {
    SplitBars bars;
    QVERIFY(!bars.setBar1(66));
    QVERIFY(!bars.setBar2(33));
    QVERIFY(bars.setBar2(100));
    QVERIFY(bars.setBar1(99));
    QCOMPARE(bars.bar1, 99);
    QVERIFY(!bars.setBar2(99));
    QCOMPARE(bars.bar2, 100);

    // A saved pair comes back as it was, whatever the bars were before.
    bars.restore(20, 10);
    QCOMPARE(bars, (SplitBars{10, 20}));
    bars.restore(95, 90);
    QCOMPARE(bars, (SplitBars{90, 95}));
    // A pair out of order is offered bar by bar, each refused where it breaks
    // the order.
    bars.restore(40, 50);
    QCOMPARE(bars, (SplitBars{50, 95}));
    bars.restore(250, -3);
    QCOMPARE(bars, (SplitBars{0, 100}));
}

void TestFrameCreator::draggingRowOneKeepsOffTheEdge() {
    FrameCreator c;
    QVERIFY(c.dragBar(1, 1, 2));
    QCOMPARE(c.rows[0].bar1, 5);
    QVERIFY(c.dragBar(1, 2, 8));
    QCOMPARE(c.rows[0].bar2, 11);
    // The other splitters take the bar where it was dragged.
    QVERIFY(c.dragBar(2, 1, 2));
    QCOMPARE(c.rows[1].bar1, 2);
    QVERIFY(c.dragBar(0, 2, 90));
    QCOMPARE(c.outer.bar2, 90);
    QVERIFY(!c.dragBar(0, 1, 95));
    QCOMPARE(c.outer.bar1, 33);
}

void TestFrameCreator::panesShownByBars() {
    FrameCreator c;
    for (int frame = 1; frame <= 9; ++frame)
        QVERIFY(c.paneShown(frame));
    c.rows[0].bar2 = 100;
    QVERIFY(c.paneShown(2));
    QVERIFY(!c.paneShown(3));
    c.rows[0].bar1 = 99;
    QVERIFY(!c.paneShown(2));
    c.outer.bar2 = 100;
    QVERIFY(!c.rowShown(3));
    QVERIFY(!c.paneShown(7));
    QVERIFY(c.paneShown(4));
    c.outer.bar1 = 99;
    QVERIFY(!c.paneShown(4));
    QVERIFY(c.paneShown(1));
}

void TestFrameCreator::steppingSkipsFramesWithoutName() {
    FrameCreator c;
    c.record(4).name = "kept";
    auto usable = allUsable();
    usable[0] = false; // frame 1 too small
    usable[1] = false;
    usable[4] = false;
    c.next(usable);
    QCOMPARE(c.page(), FrameCreator::SettingsPage);
    QCOMPARE(c.currentFrame(), 3);
    QCOMPARE(c.record(1).name, QString());
    QCOMPARE(c.record(3).name, QString("Frame: 3"));
    QCOMPARE(c.record(4).name, QString("kept"));
    c.next();
    QCOMPARE(c.currentFrame(), 4);
    c.next();
    QCOMPARE(c.currentFrame(), 6);
    c.prev();
    QCOMPARE(c.currentFrame(), 4);
}

void TestFrameCreator::nextPastLastShowsFinished() {
    FrameCreator c;
    auto usable = allUsable();
    usable[8] = false;
    c.next(usable);
    for (int i = 0; i < 7; ++i)
        c.next();
    QCOMPARE(c.currentFrame(), 8);
    QVERIFY(!c.finishedShown());
    c.next();
    QCOMPARE(c.currentFrame(), 8);
    QCOMPARE(c.page(), FrameCreator::SettingsPage);
    QVERIFY(c.finishedShown());
    c.prev();
    QVERIFY(!c.finishedShown());
    QCOMPARE(c.currentFrame(), 7);
}

void TestFrameCreator::prevFromFirstFrameReturnsToStart() {
    FrameCreator c;
    c.next(allUsable());
    c.prev();
    QCOMPARE(c.page(), FrameCreator::StartPage);
    // Names given before stay, and a second "Next" starts at frame 1 again.
    c.next(allUsable());
    QCOMPARE(c.currentFrame(), 1);

    FrameCreator d;
    auto usable = allUsable();
    usable[0] = false;
    d.next(usable);
    QCOMPARE(d.currentFrame(), 2);
    d.prev();
    QCOMPARE(d.page(), FrameCreator::StartPage);
}

void TestFrameCreator::noFrameAtAllStaysOnStart() {
    FrameCreator c;
    c.next(std::array<bool, 9>{});
    QCOMPARE(c.page(), FrameCreator::StartPage);
    QVERIFY(!c.finishedShown());
}

QTEST_GUILESS_MAIN(TestFrameCreator)
#include "test_gen_frame_model.moc"
