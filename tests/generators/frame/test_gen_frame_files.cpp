#include "generators/frame/framecreator.h"
#include "generators/frame/framefiles.h"
#include "testfolder.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

FrameCreator shaped() {
    FrameCreator c;
    c.orientation = FrameCreator::ByColumns;
    c.outer = {20, 100};
    c.rows[0] = {25, 75};
    c.rows[1] = {99, 100};
    c.rows[2] = {10, 40};
    FrameRecord &r = c.record(2);
    r.source = "menu.htm";
    r.name = "menu";
    r.marginWidth = 4;
    r.marginHeight = 20;
    r.scrolling = FrameRecord::ScrollNo;
    r.allowResize = false;
    c.record(9).name = "Frame: 9";
    return c;
}

qint32 intAt(const QByteArray &bytes, int at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

} // namespace

class TestFrameFiles : public QObject {
    Q_OBJECT
private slots:
    void recordLayout();
    void recordTexts_data();
    void recordTexts();
    void savedPairIsExact();
    void openRestoresWhatWasSaved();
    void setFileAcceptsAnyLineEnd();
    void parPathReplacesExtension_data();
    void parPathReplacesExtension();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void valuesBeforeABadLineStay();
    void missingFiles();
    void fuzzDamagedParFiles();
};

void TestFrameFiles::recordLayout() {
    FrameRecord r;
    r.source = "a.htm";
    r.marginWidth = 7;
    r.marginHeight = -1;
    r.name = "top";
    r.scrolling = FrameRecord::ScrollYes;
    r.allowResize = true;
    const QByteArray b = r.toBytes();
    QCOMPARE(b.size(), 192);
    QCOMPARE(b.at(0), char(5));
    QCOMPARE(b.mid(1, 5), QByteArray("a.htm"));
    QCOMPARE(intAt(b, 92), 7);
    QCOMPARE(intAt(b, 96), -1);
    QCOMPARE(b.at(102), char(3));
    QCOMPARE(b.mid(103, 3), QByteArray("top"));
    QCOMPARE(intAt(b, 184), 1);
    QCOMPARE(b.at(188), char(1));
    // Every other byte is zero.
    QByteArray rest = b;
    rest.replace(0, 6, QByteArray(6, '\0'));
    rest.replace(92, 8, QByteArray(8, '\0'));
    rest.replace(102, 4, QByteArray(4, '\0'));
    rest.replace(184, 5, QByteArray(5, '\0'));
    QCOMPARE(rest, QByteArray(192, '\0'));

    FrameRecord back;
    QVERIFY(FrameRecord::fromBytes(b.constData(), back));
    QCOMPARE(back, r);
}

void TestFrameFiles::recordTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("Windows-1252") << QString("caf\u00e9\u2122") << QByteArray("caf\xe9\x99")
                                  << QString("caf\u00e9\u2122");
    QTest::newRow("beyond the code page as UTF-8")
        << QString("\u043a\u0430\u0434\u0440.htm")
        << QString("\u043a\u0430\u0434\u0440.htm").toUtf8()
        << QString("\u043a\u0430\u0434\u0440.htm");
    QTest::newRow("cut to 80") << QString(100, 'x') << QByteArray(80, 'x') << QString(80, 'x');
    QTest::newRow("UTF-8 cut on a character")
        << QString(79, 'x') + QString("\u043a") << QByteArray(79, 'x') << QString(79, 'x');
}

void TestFrameFiles::recordTexts() {
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);
    FrameRecord r;
    r.name = text;
    const QByteArray b = r.toBytes();
    QCOMPARE(b.size(), 192);
    QCOMPARE(int(static_cast<unsigned char>(b.at(102))), int(stored.size()));
    QCOMPARE(b.mid(103, stored.size()), stored);
    FrameRecord back;
    QVERIFY(FrameRecord::fromBytes(b.constData(), back));
    QCOMPARE(back.name, readBack);
}

void TestFrameFiles::savedPairIsExact() {
    TestFolder folder;
    const FrameCreator c = shaped();
    QString error;
    QVERIFY(saveFrameSettings(c, folder.file("layout.set"), &error));
    QCOMPARE(TestFolder::read(folder.file("layout.set")),
             QByteArray("1\r\n100\r\n20\r\n75\r\n25\r\n100\r\n99\r\n40\r\n10\r\n"));
    const QByteArray par = TestFolder::read(folder.file("layout.par"));
    QCOMPARE(par.size(), 1728);
    QCOMPARE(par.mid(192, 192), c.record(2).toBytes());
    QCOMPARE(par.left(192), FrameRecord().toBytes());
    QCOMPARE(par.mid(8 * 192 + 102, 9), QByteArray("\x08"
                                                   "Frame: 9"));
}

void TestFrameFiles::openRestoresWhatWasSaved() {
    TestFolder folder;
    const FrameCreator saved = shaped();
    QVERIFY(saveFrameSettings(saved, folder.file("x.set"), nullptr));
    FrameCreator c;
    QString error;
    QVERIFY2(openFrameSettings(c, folder.file("x.set"), &error), qPrintable(error));
    QCOMPARE(c.orientation, saved.orientation);
    QCOMPARE(c.outer, saved.outer);
    QCOMPARE(c.rows, saved.rows);
    for (int frame = 1; frame <= 9; ++frame)
        QCOMPARE(c.record(frame), saved.record(frame));
    QCOMPARE(c.documentLines(), saved.documentLines());
}

void TestFrameFiles::setFileAcceptsAnyLineEnd() {
    FrameCreator c;
    QVERIFY(applySetFile(c, "0\n50\n10\r70\r\n60\n 80 \n40\n90\n5", "x.set", nullptr));
    QCOMPARE(c.outer, (SplitBars{10, 50}));
    QCOMPARE(c.rows[0], (SplitBars{60, 70}));
    QCOMPARE(c.rows[1], (SplitBars{40, 80}));
    QCOMPARE(c.rows[2], (SplitBars{5, 90}));
}

void TestFrameFiles::parPathReplacesExtension_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("par");
    QTest::newRow("set") << "/a/b/frames.set"
                         << "/a/b/frames.par";
    QTest::newRow("no extension") << "/a/b.d/frames"
                                  << "/a/b.d/frames.par";
    QTest::newRow("two dots") << "/a/my.frames.set"
                              << "/a/my.frames.par";
    QTest::newRow("relative") << "frames.SET"
                              << "frames.par";
}

void TestFrameFiles::parPathReplacesExtension() {
    QFETCH(QString, set);
    QFETCH(QString, par);
    QCOMPARE(parPathFor(set), par);
}

void TestFrameFiles::damagedFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QByteArray>("par");
    QTest::addColumn<QString>("message");
    const QByteArray goodSet = "0\r\n66\r\n33\r\n66\r\n33\r\n66\r\n33\r\n66\r\n33\r\n";
    const QByteArray goodPar = parFileBytes(FrameCreator());
    QByteArray longName = goodPar;
    longName[3 * 192 + 102] = char(81);
    QByteArray longSource = goodPar;
    longSource[8 * 192] = char(255);
    QTest::newRow("short par") << goodSet << goodPar.left(1727)
                               << "The frame file %1x.par holds 1727 bytes instead of 1728.";
    QTest::newRow("long par") << goodSet << goodPar + "x"
                              << "The frame file %1x.par holds 1729 bytes instead of 1728.";
    QTest::newRow("name length 81") << goodSet << longName << "Frame 4 in %1x.par is damaged.";
    QTest::newRow("source length 255") << goodSet << longSource << "Frame 9 in %1x.par is damaged.";
    QTest::newRow("word in set") << QByteArray("0\r\n66\r\nabc\r\n") << goodPar
                                 << "Line 3 of %1x.set is not a number: \"abc\".";
    QTest::newRow("empty line in set")
        << QByteArray("0\r\n\r\n") << goodPar << "Line 2 of %1x.set is not a number: \"\".";
    QTest::newRow("short set") << QByteArray("1\r\n66\r\n") << goodPar
                               << "The frame settings file %1x.set ends after 2 lines; it needs "
                                  "nine.";
    QTest::newRow("binary set") << QByteArray("\x00\xff\x01", 3) << goodPar
                                << "Line 1 of %1x.set is not a number: \"?\u00ff?\".";
}

void TestFrameFiles::damagedFilesAreRefused() {
    QFETCH(QByteArray, set);
    QFETCH(QByteArray, par);
    QFETCH(QString, message);
    TestFolder folder;
    folder.write("x.set", set);
    folder.write("x.par", par);
    FrameCreator c;
    QString error;
    QVERIFY(!openFrameSettings(c, folder.file("x.set"), &error));
    QCOMPARE(error, message.arg(folder.path()));
}

void TestFrameFiles::valuesBeforeABadLineStay() {
    FrameCreator c;
    QVERIFY(!applySetFile(c, "1\r\n90\r\n80\r\n50\r\nx\r\n", "x.set", nullptr));
    QCOMPARE(c.orientation, FrameCreator::ByColumns);
    QCOMPARE(c.outer, (SplitBars{80, 90}));
    QCOMPARE(c.rows[0], (SplitBars{33, 50}));
    QCOMPARE(c.rows[1], SplitBars());

    // Records before a damaged one are taken.
    FrameCreator saved;
    saved.record(1).name = "one";
    saved.record(2).name = "two";
    QByteArray par = parFileBytes(saved);
    par[192 + 102] = char(200);
    QVERIFY(!applyParFile(c, par, "x.par", nullptr));
    QCOMPARE(c.record(1).name, QString("one"));
    QCOMPARE(c.record(2).name, QString());
}

void TestFrameFiles::missingFiles() {
    TestFolder folder;
    FrameCreator c;
    QString error;
    QVERIFY(!openFrameSettings(c, folder.file("none.set"), &error));
    QVERIFY(error.contains("none.set"));
    folder.write("only.set", setFileBytes(shaped()));
    QVERIFY(!openFrameSettings(c, folder.file("only.set"), &error));
    QVERIFY(error.contains("only.par"));
    QCOMPARE(c.outer, shaped().outer);
}

// Damaged ".par" files in great number: every read ends with a record taken
// or a refusal, never a read past the end (run under ASan or valgrind to see
// that).
void TestFrameFiles::fuzzDamagedParFiles() {
    QRandomGenerator random(20240611);
    const QByteArray good = parFileBytes(shaped());
    int refused = 0;
    for (int round = 0; round < 50000; ++round) {
        QByteArray bytes = good;
        const int changes = 1 + int(random.bounded(8));
        for (int i = 0; i < changes; ++i) {
            const int at = int(random.bounded(bytes.size()));
            switch (random.bounded(4)) {
            case 0:
                bytes[at] = char(random.bounded(256));
                break;
            case 1: { // a length byte
                const int lengthAt = int(random.bounded(9)) * 192 + (random.bounded(2) ? 0 : 102);
                if (lengthAt < bytes.size())
                    bytes[lengthAt] = char(random.bounded(256));
                break;
            }
            case 2:
                bytes.truncate(at);
                break;
            default:
                bytes.insert(at, char(random.bounded(256)));
                break;
            }
            if (bytes.isEmpty())
                break;
        }
        // A copy exactly as long as the damaged file, so a read past its end
        // leaves the allocation.
        const QByteArray exact(bytes.constData(), bytes.size());
        FrameCreator c;
        QString error;
        if (!applyParFile(c, exact, "fuzz.par", &error)) {
            ++refused;
            QVERIFY(!error.isEmpty());
        }
        for (int frame = 1; frame <= 9; ++frame) {
            QVERIFY(c.record(frame).name.size() <= 80);
            QVERIFY(c.record(frame).source.size() <= 80);
        }
        c.documentLines();
    }
    QVERIFY(refused > 0);
}

QTEST_GUILESS_MAIN(TestFrameFiles)
#include "test_gen_frame_files.moc"
