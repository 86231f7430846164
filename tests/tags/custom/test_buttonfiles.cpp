// Button files: reading and writing them, laying out a page's buttons from
// their lines, and the setup dialog's lists.

#include "tags/custom/buttonfile.h"
#include "tags/custom/custombuttonsetup.h"
#include "tags/custom/datafile.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>

using Action = ButtonSlot::Action;
Q_DECLARE_METATYPE(ButtonSlot::Action)

class TestButtonFiles : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a|1\r\nb|2\r\n") << QStringList{"a|1", "b|2"};
        QTest::newRow("LF, no final") << QByteArray("a|1\nb|2") << QStringList{"a|1", "b|2"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("Windows-1252")
            << QByteArray("\xa9|&#169;\r\n") << QStringList{QString::fromUtf8("©|&#169;")};
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xef\xbb\xbf\xc2\xa9|x") << QStringList{QString::fromUtf8("©|x")};
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder dir;
        const DataFile::Lines read = DataFile::read(dir.write("page1.btn", bytes));
        QCOMPARE(read.status, DataFile::Lines::Read);
        QCOMPARE(read.lines, lines);
    }

    void missingAndOversizedFiles() {
        TestFolder dir;
        QCOMPARE(DataFile::read(dir.file("none.btn")).status, DataFile::Lines::Missing);
        QVERIFY(DataFile::read(dir.file("none.btn")).ok());
        const QString big = dir.write("big.btn", QByteArray(DataFile::kMaxFileSize + 1, 'x'));
        const DataFile::Lines read = DataFile::read(big);
        QVERIFY(!read.ok());
        QVERIFY(read.lines.isEmpty());
        QVERIFY(!read.error.isEmpty());
    }

    void writesCrLfAndKeepsTheOldFileOnFailure() {
        TestFolder dir;
        const QString path = dir.file("page1.btn");
        QVERIFY(DataFile::write(path, {QString::fromUtf8("©|&#169;|0|0"), "||0|0"}));
        QCOMPARE(TestFolder::read(path), QByteArray("\xc2\xa9|&#169;|0|0\r\n||0|0\r\n"));
        QCOMPARE(DataFile::read(path).lines,
                 QStringList({QString::fromUtf8("©|&#169;|0|0"), QStringLiteral("||0|0")}));

        // A read-only file is refused and stays as it was.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
        QString error;
        QVERIFY(!DataFile::write(path, {"B|B|1|0"}, &error));
        QVERIFY(error.contains(path));
        QCOMPARE(TestFolder::read(path), QByteArray("\xc2\xa9|&#169;|0|0\r\n||0|0\r\n"));
    }

    void layout_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<int>("setUp");
        QTest::addColumn<int>("visible");
        QTest::newRow("three lines")
            << QStringList{"B|B|1|0", "||0|0", "I|I|1|0"} << false << 19 << 2;
        QTest::newRow("empty file") << QStringList{} << false << 19 << 0;
        QTest::newRow("arrow and its button")
            << QStringList{"***|xx|0|0", "H1|H1|1|0"} << false << 19 << 2;
        QTest::newRow("type not a number")
            << QStringList{"B|B|1|0", "I|I|x|0", "U|U|1|0"} << true << 1 << 1;
        QTest::newRow("missing type") << QStringList{"B|B|1|0", "I|I"} << true << 1 << 1;
        QTest::newRow("arrow on the last line")
            << QStringList{"B|B|1|0", "***|x|0|0"} << true << 1 << 1;
        QTest::newRow("arrow style not a number")
            << QStringList{"***|x|0|y", "H1|H1|1|0"} << true << 0 << 0;
        QTest::newRow("binary bytes")
            << QStringList{"B|B|1|0", QString::fromLatin1("\x01\x02|\x00|1|0", 8)} << true << 1
            << 1;
        QTest::newRow("a line of 1 MB")
            << QStringList{"B|B|1|0", "C|" + QString(1 << 20, 'x') + "|0|0"} << true << 1 << 1;
        QTest::newRow("more than 19 lines") << QStringList(25, "B|B|1|0") << false << 19 << 19;
        // The type field of a free slot is still read.
        QTest::newRow("free slot, bad type") << QStringList{"|||"} << true << 0 << 0;
    }
    void layout() {
        QFETCH(QStringList, lines);
        QFETCH(bool, failed);
        QFETCH(int, setUp);
        QFETCH(int, visible);
        const ButtonLayout layout = layoutButtons(lines);
        QCOMPARE(layout.failed, failed);
        QCOMPARE(layout.buttons.size(), setUp);
        int shown = 0;
        for (int i = 0; i < layout.buttons.size(); ++i) {
            const ButtonSlot &s = layout.buttons.at(i);
            shown += s.visible ? 1 : 0;
            if (!s.arrow) {
                QCOMPARE(QRect(s.left, s.top, s.width, s.height), QRect(30 * i, 0, 30, 26));
            }
            if (i >= lines.size()) {
                QVERIFY(!s.visible);
                QCOMPARE(s.action, Action::None);
            }
        }
        QCOMPARE(shown, visible);
    }

    void actionsByField_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<ButtonSlot::Action>("action");
        QTest::addColumn<QString>("hint");
        QTest::newRow("as is") << "BR|<BR CLEAR=\"all\">|0|0" << Action::InsertAsIs
                               << "<BR CLEAR=\"all\">";
        QTest::newRow("even") << "B|B|1|0" << Action::InsertEven << "B";
        QTest::newRow("uneven") << "DL|<DL>..</DL> - definition list|2|0" << Action::InsertUnEven
                                << "<DL>..</DL> - definition list";
        QTest::newRow("unknown kind does nothing") << "Q|Q|7|0" << Action::None << "Q";
        QTest::newRow("style ignored without arrow") << "B|B|1|zz" << Action::InsertEven << "B";
    }
    void actionsByField() {
        QFETCH(QString, line);
        QFETCH(ButtonSlot::Action, action);
        QFETCH(QString, hint);
        const ButtonLayout layout = layoutButtons({line});
        QVERIFY(!layout.failed);
        QCOMPARE(layout.buttons.at(0).action, action);
        QCOMPARE(layout.buttons.at(0).hint, hint);
        QCOMPARE(layout.buttons.at(0).caption, ButtonLine::parse(line).caption);
    }

    void arrowTakesTheNextButtonsCode() {
        const ButtonLayout layout =
            layoutButtons({"B|B|1|0", "***|xx|0|0", "H1|H1|1|0", "***||0|1", "BR|BR|0|0"});
        QVERIFY(!layout.failed);
        const ButtonSlot &arrow = layout.buttons.at(1);
        QVERIFY(arrow.arrow && arrow.visible);
        QCOMPARE(arrow.caption, QString());
        QCOMPARE(arrow.hint, QString("H1"));
        QCOMPARE(QRect(arrow.left, arrow.top, arrow.width, arrow.height), QRect(42, 0, 19, 26));
        QCOMPARE(arrow.action, Action::DropDownAlign);
        QCOMPARE(layout.buttons.at(3).action, Action::DropDownClear);
        QCOMPARE(layout.buttons.at(3).hint, QString("BR"));

        QCOMPARE(arrowEntries("H1", DropStyle::Align),
                 QStringList({"<H1></H1>", "<H1 ALIGN=\"left\"></H1>", "<H1 ALIGN=\"center\"></H1>",
                              "<H1 ALIGN=\"right\"></H1>"}));
        QCOMPARE(arrowEntries("BR", DropStyle::Clear),
                 QStringList({"<BR>", "<BR CLEAR=\"left\">", "<BR CLEAR=\"all\">",
                              "<BR CLEAR=\"right\">"}));
    }

    void setupPadsAssignsAndWritesAllFour() {
        TestFolder dir;
        dir.write("page1.btn", "B|B|1|0\r\nI|I|1|0\r\n");
        dir.write("page4.btn", "U|U|1|0\n");
        CustomButtonSetup setup(dir.path());
        setup.load();
        for (int p = 0; p < kCustomPages; ++p)
            QCOMPARE(setup.lines(p).size(), kButtonSlots);
        QCOMPARE(setup.lines(0).at(1), QString("I|I|1|0"));
        QCOMPARE(setup.lines(1).at(0), freeButtonLine());
        QVERIFY(!setup.modified());

        ButtonLine line;
        line.caption = "S";
        line.code = "STRONG";
        line.tagType = "1";
        setup.assign(3, 2, line);
        QVERIFY(setup.modified());
        const CustomButtonSetup::SaveResult saved = setup.save();
        QVERIFY(saved.ok());
        QVERIFY(!setup.modified());

        const QStringList fourth = DataFile::read(dir.file("page4.btn")).lines;
        QCOMPARE(fourth.size(), kButtonSlots);
        QCOMPARE(fourth.at(0), QString("U|U|1|0"));
        QCOMPARE(fourth.at(2), QString("S|STRONG|1|0"));
        QVERIFY(TestFolder::read(dir.file("page4.btn")).startsWith("U|U|1|0\r\n||0|0\r\n"));
        // Every file is written and reads back as the dialog held it.
        CustomButtonSetup again(dir.path());
        again.load();
        for (int p = 0; p < kCustomPages; ++p) {
            QVERIFY(QFile::exists(dir.file(buttonFileName(p))));
            QCOMPARE(again.lines(p), setup.lines(p));
        }
    }

    void setupKeepsExtraLines() {
        TestFolder dir;
        dir.write("page2.btn", QStringList(22, "B|B|1|0").join("\r\n").toUtf8());
        CustomButtonSetup setup(dir.path());
        setup.load();
        QCOMPARE(setup.lines(1).size(), 22);
        QVERIFY(setup.save().ok());
        QCOMPARE(DataFile::read(dir.file("page2.btn")).lines.size(), 22);
    }

    void setupLeavesAnUnreadableFileAlone() {
        TestFolder dir;
        const QByteArray big(DataFile::kMaxFileSize + 10, 'x');
        dir.write("page3.btn", big);
        CustomButtonSetup setup(dir.path());
        setup.load();
        QVERIFY(setup.unreadable(2));
        const CustomButtonSetup::SaveResult saved = setup.save();
        QVERIFY(saved.ok());
        QVERIFY(!saved.written[2]);
        QCOMPARE(TestFolder::read(dir.file("page3.btn")).size(), big.size());
        // Assigning on that page replaces the file.
        setup.assign(2, 0, ButtonLine::parse("B|B|1|0"));
        QVERIFY(setup.save().written[2]);
        QCOMPARE(DataFile::read(dir.file("page3.btn")).lines.first(), QString("B|B|1|0"));
    }

    void setupReportsAFileThatCannotBeWritten() {
        TestFolder dir;
        const QString second = dir.write("page2.btn", "B|B|1|0\r\n");
        QFile::setPermissions(second, QFile::ReadOwner | QFile::ReadUser);
        CustomButtonSetup setup(dir.path());
        setup.load();
        setup.assign(1, 1, ButtonLine::parse("I|I|1|0"));
        const CustomButtonSetup::SaveResult saved = setup.save();
        QVERIFY(!saved.ok());
        QCOMPARE(saved.errors.size(), 1);
        QVERIFY(saved.written[0] && !saved.written[1] && saved.written[2] && saved.written[3]);
        QVERIFY(setup.modified());
        QCOMPARE(TestFolder::read(second), QByteArray("B|B|1|0\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestButtonFiles)
#include "test_buttonfiles.moc"
