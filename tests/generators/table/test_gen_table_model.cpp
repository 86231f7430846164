// The Table Veda Guy's lines, checked exactly, without its window.

#include "generators/table/cellattributes.h"
#include "generators/table/tablemodel.h"

#include <QtTest>

using namespace TableLines;

namespace {

const QString kStartTag = QStringLiteral(
    "<TABLE BORDER=\"1\" WIDTH=\"0%\"  ALIGN=\"None\"  CELLPADDING=\"1\"  CELLSPACING=\"2\" >");
const QString kCaption = QStringLiteral("<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>");

QString cell(int marker, const QString &text) {
    return QStringLiteral("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                          "BGCOLOR=\"\"><A HREF=\"Cell:%1.\">*</A>%2</TD>")
        .arg(marker)
        .arg(text);
}

// A built table's cell lines only, in order.
QStringList cellsOf(const TableModel &m) {
    QStringList cells;
    for (const QString &line : m.tableLines())
        if (isCellLine(line))
            cells << line;
    return cells;
}

TableModel built(int rows, int columns) {
    TableModel m;
    m.build(rows, columns);
    return m;
}

} // namespace

class TestTableModel : public QObject {
    Q_OBJECT
private slots:
    void defaultTableInsertsElevenLines() {
        TableModel m = built(2, 2);
        const QString plain = QStringLiteral(
            "<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" >%1</TD>");
        const QStringList expected = {kStartTag,           kCaption, "<TR>",    plain.arg("Cell:1"),
                                      plain.arg("Cell:2"), "</TR>",  "<TR>",    plain.arg("Cell:3"),
                                      plain.arg("Cell:4"), "</TR>",  "</TABLE>"};
        QCOMPARE(m.linesToInsert(), expected);
        QCOMPARE(m.tableLines().at(3), cell(0, "Cell:1"));
        QCOMPARE(m.nextCellNumber(), 4);
        QVERIFY(m.tableChanged());
    }

    void startTag_data() {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("justification");
        QTest::addColumn<QString>("tableColor");
        QTest::addColumn<QString>("borderColor");
        QTest::addColumn<QString>("tag");
        QTest::newRow("defaults") << 1 << 0 << "None"
                                  << ""
                                  << "" << kStartTag;
        QTest::newRow("both colours")
            << 0 << 75 << "Center"
            << "FF0000"
            << "00FF00"
            << "<TABLE BORDER=\"0\" WIDTH=\"75%\"  ALIGN=\"Center\"  CELLPADDING=\"1\"  "
               "CELLSPACING=\"2\"  BGCOLOR=\"#FF0000\" BORDERCOLOR=\"#00FF00\">";
        QTest::newRow("border colour only")
            << 3 << 100 << "Right"
            << ""
            << "C0C0C0"
            << "<TABLE BORDER=\"3\" WIDTH=\"100%\"  ALIGN=\"Right\"  CELLPADDING=\"1\"  "
               "CELLSPACING=\"2\"  BORDERCOLOR=\"#C0C0C0\">";
    }
    void startTag() {
        QFETCH(int, border);
        QFETCH(int, width);
        QFETCH(QString, justification);
        QFETCH(QString, tableColor);
        QFETCH(QString, borderColor);
        QFETCH(QString, tag);
        TableSettings s;
        s.border = border;
        s.width = width;
        s.justification = justification;
        s.tableColor = tableColor;
        s.borderColor = borderColor;
        QCOMPARE(buildTableStyle(s), tag);
    }

    void captionLine() {
        TableSettings s;
        QCOMPARE(buildCaptionStyle(s), kCaption);
        s.caption = "Prices & dates";
        s.captionSize = 3;
        s.captionLocation = "Bottom";
        QCOMPARE(buildCaptionStyle(s),
                 QString("<CAPTION ALIGN=\"Bottom\"><H3>Prices & dates</H3></CAPTION>"));
    }

    void newCellCarriesColourAndNumbers() {
        QCOMPARE(newCell(0, ""), cell(0, "Cell:1"));
        QCOMPARE(newCell(9, "#00FF00"),
                 QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                         "BGCOLOR=\"#00FF00\"><A HREF=\"Cell:9.\">*</A>Cell:10</TD>"));
    }

    void emptyShapes() {
        QCOMPARE(built(0, 3).tableLines(), QStringList({kStartTag, kCaption, "</TABLE>"}));
        QCOMPARE(built(2, 0).tableLines(),
                 QStringList({kStartTag, kCaption, "<TR>", "</TR>", "<TR>", "</TR>", "</TABLE>"}));
    }

    void rebuildResetsSettingsButColours() {
        TableModel m = built(1, 1);
        TableSettings s;
        s.border = 5;
        s.caption = "Old";
        s.tableColor = "112233";
        s.borderColor = "445566";
        m.setSettings(s);
        m.build(1, 2, m.settings());
        TableSettings expected;
        expected.tableColor = "112233";
        expected.borderColor = "445566";
        QCOMPARE(m.settings(), expected);
        QCOMPARE(m.tableLines().at(0), buildTableStyle(expected));
        QCOMPARE(cellsOf(m), QStringList({cell(0, "Cell:1"), cell(1, "Cell:2")}));
    }

    void settingsChangeRewritesHeadOnlyOnceBuilt() {
        TableModel m;
        TableSettings s;
        s.caption = "Early";
        m.setSettings(s);
        QVERIFY(m.tableLines().isEmpty());
        QVERIFY(!m.tableChanged());

        m = built(1, 1);
        m.markSaved();
        s.caption = "Late";
        s.padding = 4;
        m.setSettings(s);
        QVERIFY(m.tableChanged());
        QCOMPARE(m.tableLines().at(1), QString("<CAPTION ALIGN=\"Top\"><H1>Late</H1></CAPTION>"));
        QVERIFY(m.tableLines().at(0).contains("CELLPADDING=\"4\""));
        QCOMPARE(m.tableLines().size(), 6);
    }

    void selectingFindsTheMarkersOwnCell() {
        TableModel m = built(2, 6); // cells 0 .. 11
        QVERIFY(m.selectCell("Cell:1."));
        QCOMPARE(m.currentCell(), 4);
        QVERIFY(m.selectCell("cell:10."));
        QCOMPARE(m.currentCell(), 15);
        QVERIFY(!m.selectCell("Cell:12."));
        QVERIFY(!m.selectCell("next.htm"));
        QCOMPARE(m.currentCell(), 15);

        // A caption or a cell text that names a marker is not that cell.
        TableSettings s;
        s.caption = "See Cell:3.";
        m.setSettings(s);
        QVERIFY(m.selectCell("Cell:2."));
        CellSettings c = m.currentCellSettings();
        c.text = "Cell:3. is next";
        m.updateCell(c);
        QVERIFY(m.selectCell("Cell:3."));
        QCOMPARE(m.tableLines().at(m.currentCell()), cell(3, "Cell:4"));
    }

    void updateCellRebuildsTheLine() {
        TableModel m = built(1, 2);
        m.updateCell(CellSettings()); // nothing selected
        QCOMPARE(m.tableLines().at(3), cell(0, "Cell:1"));

        QVERIFY(m.selectCell("Cell:1."));
        CellSettings c = m.currentCellSettings();
        QCOMPARE(c.text, QString("Cell:2"));
        QCOMPARE(c.vAlign, QString("top"));
        QCOMPARE(c.hAlign, QString("left"));
        c.header = true;
        c.rowSpan = 2;
        c.colSpan = 3;
        c.vAlign = "Middle";
        c.hAlign = "Center";
        c.color = "ABCDEF";
        c.text = "Total";
        m.updateCell(c);
        QCOMPARE(m.tableLines().at(4),
                 QString("<TH ROWSPAN=\"2\" COLSPAN=\"3\" VALIGN=\"Middle\" ALIGN=\"Center\" "
                         "BGCOLOR=\"#ABCDEF\"><A HREF=\"Cell:1.\">*</A>Total</TH>"));
    }

    void headerCellKeepsTextAndTagWhenSpanChanges() {
        TableModel m = built(1, 1);
        QVERIFY(m.selectCell("Cell:0."));
        CellSettings c = m.currentCellSettings();
        c.header = true;
        c.text = "Name </TD> here";
        m.updateCell(c);
        // Selected again as the dialog does after a click.
        QVERIFY(m.selectCell("Cell:0."));
        c = m.currentCellSettings();
        QVERIFY(c.header);
        QCOMPARE(c.text, QString("Name </TD> here"));
        c.rowSpan = 4;
        m.updateCell(c);
        const QString line = m.tableLines().at(3);
        QVERIFY(line.startsWith("<TH ROWSPAN=\"4\""));
        QVERIFY(line.endsWith("*</A>Name </TD> here</TH>"));
    }

    void deleteCell_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("lines");
        QTest::newRow("one of two") << 1 << 2 << "Cell:0." << QStringList{cell(1, "Cell:2")} << 6;
        QTest::newRow("only cell of a row")
            << 2 << 1 << "Cell:1." << QStringList{cell(0, "Cell:1")} << 6;
        QTest::newRow("only cell of the table") << 1 << 1 << "Cell:0." << QStringList() << 3;
    }
    void deleteCell() {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, marker);
        QFETCH(QStringList, cells);
        QFETCH(int, lines);
        TableModel m = built(rows, columns);
        QVERIFY(m.selectCell(marker));
        m.deleteCell();
        QCOMPARE(cellsOf(m), cells);
        QCOMPARE(m.tableLines().size(), lines);
        QCOMPARE(m.currentCell(), -1);
        QCOMPARE(m.nextCellNumber(), rows * columns);
        // Nothing is selected now: a second delete does nothing.
        m.deleteCell();
        QCOMPARE(m.tableLines().size(), lines);
        QCOMPARE(m.tableLines().constLast(), QString("</TABLE>"));
    }

    void addCellBeforeAndAfter() {
        TableModel m = built(1, 2);
        TableSettings s;
        s.tableColor = "FFFF00";
        m.setSettings(s);
        QVERIFY(m.selectCell("Cell:1."));
        m.addCell(TableModel::Where::After);
        m.addCell(TableModel::Where::Before);
        const QString yellow = QStringLiteral("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" "
                                              "ALIGN=\"left\" BGCOLOR=\"#FFFF00\"><A "
                                              "HREF=\"Cell:%1.\">*</A>Cell:%2</TD>");
        QCOMPARE(cellsOf(m), QStringList({cell(0, "Cell:1"), yellow.arg(3).arg(4),
                                          cell(1, "Cell:2"), yellow.arg(2).arg(3)}));
        // The selection still points at the cell that was selected.
        QCOMPARE(m.tableLines().at(m.currentCell()), cell(1, "Cell:2"));
        QCOMPARE(m.nextCellNumber(), 4);
    }

    void addRow_data() {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QStringList>("lines");
        const QStringList newRow = {"<TR>", cell(4, "Cell:5"), "</TR>"};
        QTest::newRow("after") << false
                               << (QStringList{kStartTag, kCaption, "<TR>", cell(0, "Cell:1"),
                                               cell(1, "Cell:2"), "</TR>"}
                                   << newRow
                                   << QStringList{"<TR>", cell(2, "Cell:3"), cell(3, "Cell:4"),
                                                  "</TR>", "</TABLE>"});
        QTest::newRow("before") << true
                                << (QStringList{kStartTag, kCaption}
                                    << newRow
                                    << QStringList{"<TR>", cell(0, "Cell:1"), cell(1, "Cell:2"),
                                                   "</TR>", "<TR>", cell(2, "Cell:3"),
                                                   cell(3, "Cell:4"), "</TR>", "</TABLE>"});
    }
    void addRow() {
        QFETCH(bool, before);
        QFETCH(QStringList, lines);
        TableModel m = built(2, 2);
        QVERIFY(m.selectCell("Cell:1."));
        m.addRow(before ? TableModel::Where::Before : TableModel::Where::After);
        QCOMPARE(m.tableLines(), lines);
        QCOMPARE(m.nextCellNumber(), 5);
        // A change after adding still goes to the selected cell.
        QCOMPARE(m.tableLines().at(m.currentCell()), cell(1, "Cell:2"));
        CellSettings c = m.currentCellSettings();
        c.text = "Changed";
        m.updateCell(c);
        QCOMPARE(cellsOf(m).count(cell(4, "Cell:5")), 1);
        QVERIFY(m.tableLines().contains(cell(1, "Changed")));
    }

    void viewAndEditRenumber() {
        TableModel m = built(1, 3);
        QVERIFY(m.selectCell("Cell:0."));
        m.deleteCell();
        QVERIFY(m.selectCell("Cell:2."));
        m.addCell(TableModel::Where::After); // marker 3
        QCOMPARE(cellsOf(m),
                 QStringList({cell(1, "Cell:2"), cell(2, "Cell:3"), cell(3, "Cell:4")}));

        m.toggleView();
        QVERIFY(m.isViewForm());
        QCOMPARE(m.currentCell(), -1);
        QCOMPARE(m.tableLines().at(3),
                 QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                         "BGCOLOR=\"\">Cell:2</TD>"));
        m.addCell(TableModel::Where::After); // no selection: nothing
        QCOMPARE(m.tableLines().size(), 8);

        m.toggleView();
        QVERIFY(!m.isViewForm());
        QCOMPARE(cellsOf(m),
                 QStringList({cell(0, "Cell:2"), cell(1, "Cell:3"), cell(2, "Cell:4")}));
        QCOMPARE(m.nextCellNumber(), 3);
    }

    void copyIsTheSameInBothForms() {
        TableModel m = built(1, 1);
        QVERIFY(m.selectCell("Cell:0."));
        const QString expected =
            kStartTag + "\r\n" + kCaption +
            "\r\n<TR>\r\n<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
            "BGCOLOR=\"\">Cell:1</TD>\r\n</TR>\r\n</TABLE>\r\n";
        QCOMPARE(m.clipboardText(), expected);
        QVERIFY(!m.isViewForm());
        QCOMPARE(m.currentCell(), 3); // copying leaves the selection alone
        m.toggleView();
        QCOMPARE(m.clipboardText(), expected);
        QVERIFY(m.isViewForm());
    }

    void insertKeepsEmptyColoursOnlyFromTheViewForm() {
        TableModel m = built(1, 1);
        QCOMPARE(
            m.linesToInsert().at(3),
            QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" >Cell:1</TD>"));
        m.toggleView();
        QCOMPARE(m.linesToInsert().at(3),
                 QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                         "BGCOLOR=\"\">Cell:1</TD>"));
    }

    void viewFormKeepsLinksTheUserTyped() {
        TableModel m = built(1, 1);
        QVERIFY(m.selectCell("Cell:0."));
        CellSettings c = m.currentCellSettings();
        c.text = "<A HREF=\"a.htm\">A</A>";
        m.updateCell(c);
        m.toggleView();
        QVERIFY(m.tableLines().at(3).endsWith("\"\"><A HREF=\"a.htm\">A</A></TD>"));
        m.toggleView();
        QVERIFY(
            m.tableLines().at(3).endsWith("<A HREF=\"Cell:0.\">*</A><A HREF=\"a.htm\">A</A></TD>"));
        QVERIFY(m.linesToInsert().at(3).endsWith(" ><A HREF=\"a.htm\">A</A></TD>"));
    }

    void reopenRestoresEverything() {
        TableModel m = built(2, 2);
        TableSettings s;
        s.border = 4;
        s.width = 80;
        s.justification = "Right";
        s.padding = 6;
        s.spacing = 0;
        s.tableColor = "0000FF";
        s.borderColor = "808080";
        s.caption = "Opening hours";
        s.captionSize = 5;
        s.captionLocation = "Bottom";
        m.setSettings(s);
        m.toggleView(); // saved from the view form: the edit form is what is kept
        m.showEditForm();
        const QStringList saved = m.definitionLines();
        QCOMPARE(saved.at(3), cell(0, "Cell:1"));

        TableModel reopened;
        QStringList notes;
        QVERIFY(reopened.open(saved, &notes));
        QCOMPARE(notes, QStringList());
        QCOMPARE(reopened.settings(), s);
        QCOMPARE(reopened.tableLines(), saved);
        QVERIFY(reopened.tableBuilt());
        QCOMPARE(reopened.nextCellNumber(), 4);
    }

    void reopenedGapsGiveNoDuplicateMarkers() {
        TableModel m = built(1, 4);
        QVERIFY(m.selectCell("Cell:1."));
        m.deleteCell(); // markers 0, 2, 3 remain
        TableModel reopened;
        QVERIFY(reopened.open(m.definitionLines()));
        QCOMPARE(reopened.nextCellNumber(), 4);
        QVERIFY(reopened.selectCell("Cell:3."));
        reopened.addCell(TableModel::Where::After);
        QCOMPARE(cellsOf(reopened).constLast(), cell(4, "Cell:5"));
        reopened.toggleView();
        reopened.toggleView();
        QCOMPARE(cellsOf(reopened), QStringList({cell(0, "Cell:1"), cell(1, "Cell:3"),
                                                 cell(2, "Cell:4"), cell(3, "Cell:5")}));
    }

    void damagedDefinitions_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("justification");
        QTest::addColumn<int>("border");
        QTest::newRow("not a table")
            << QStringList{"hello", "<TABLE>"} << false
            << QStringList{"it does not start with a table tag"} << "None" << 1;
        QTest::newRow("empty") << QStringList{"", " "} << false
                               << QStringList{"it does not start with a table tag"} << "None" << 1;
        QTest::newRow("start tag only")
            << QStringList{"<TABLE BORDER=\"3\" WIDTH=\"50%\"  ALIGN=\"Left\"  CELLPADDING=\"1\"  "
                           "CELLSPACING=\"2\" >"}
            << true << QStringList{"the caption line", "the end of the table"} << "Left" << 3;
        QTest::newRow("fields missing") << QStringList{"<table border=\"7\">",
                                                       kCaption,
                                                       "<TR>",
                                                       "<TD>x</TD>",
                                                       "</TR>",
                                                       "</TABLE>",
                                                       ""}
                                        << true
                                        << QStringList{"the table width", "the table justification",
                                                       "the cell padding", "the cell spacing"}
                                        << "None" << 7;
        QTest::newRow("unknown justification and location")
            << QStringList{"<TABLE BORDER=\"x\" WIDTH=\"250%\"  ALIGN=\"Justify\"  "
                           "CELLPADDING=\"1\"  CELLSPACING=\"2\" >",
                           "<CAPTION ALIGN=\"Middle\"><H9>Big</H9></CAPTION>", "</TABLE>"}
            << true
            << QStringList{"the border width", "the table width", "the table justification",
                           "the caption location", "the caption size"}
            << "None" << 1;
        QTest::newRow("lower-case justification is read")
            << QStringList{"<TABLE BORDER=\"2\" WIDTH=\"0%\"  ALIGN=\"center\"  CELLPADDING=\"1\"  "
                           "CELLSPACING=\"2\" >",
                           kCaption, "</TABLE>"}
            << true << QStringList() << "Center" << 2;
    }
    void damagedDefinitions() {
        QFETCH(QStringList, file);
        QFETCH(bool, opens);
        QFETCH(QStringList, notes);
        QFETCH(QString, justification);
        QFETCH(int, border);
        TableModel m = built(1, 1);
        const QStringList before = m.tableLines();
        QStringList got;
        QCOMPARE(m.open(file, &got), opens);
        QCOMPARE(got, notes);
        if (!opens) {
            QCOMPARE(m.tableLines(), before);
            return;
        }
        // Whatever was read, the table keeps its shape: the dialog may rewrite
        // lines 0 and 1 and add cells without damaging anything else.
        QVERIFY(m.tableLines().at(0).startsWith("<TABLE", Qt::CaseInsensitive));
        QVERIFY(m.tableLines().at(1).startsWith("<CAPTION"));
        QCOMPARE(m.tableLines().constLast(), QString("</TABLE>"));
        QCOMPARE(m.settings().justification, justification);
        QCOMPARE(m.settings().border, border);
        QVERIFY(m.settings().width >= 0 && m.settings().width <= 100);
        for (const QString &line : m.tableLines())
            if (isCellLine(line))
                QVERIFY(m.selectCell(markerOf(line)));
    }

    void cellWithoutMarkerGetsOne() {
        TableModel m;
        QVERIFY(m.open({kStartTag, kCaption, "<TR>", "<TD>plain</TD>", "</TR>", "</TABLE>"}));
        QCOMPARE(m.tableLines().at(3), QString("<TD><A HREF=\"Cell:1.\">*</A>plain</TD>"));
        QVERIFY(m.selectCell("Cell:1."));
        CellSettings c = m.currentCellSettings();
        QCOMPARE(c.text, QString("plain"));
        QCOMPARE(c.rowSpan, 1);
        c.vAlign = "top";
        m.updateCell(c);
        QCOMPARE(m.tableLines().at(3),
                 QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"\" BGCOLOR=\"\">"
                         "<A HREF=\"Cell:1.\">*</A>plain</TD>"));
    }

    void attributeString_data() {
        QTest::addColumn<int>("rowSpan");
        QTest::addColumn<int>("colSpan");
        QTest::addColumn<QString>("vAlign");
        QTest::addColumn<QString>("hAlign");
        QTest::addColumn<QString>("color");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("heightPercent");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("widthPercent");
        QTest::addColumn<QString>("text");
        QTest::newRow("defaults") << 1 << 1 << "none"
                                  << "none"
                                  << "" << 0 << false << 0 << false << "";
        QTest::newRow("rows, top, height in per cent")
            << 2 << 1 << "top"
            << "none"
            << "" << 50 << true << 0 << false << " ROWSPAN=\"2\" VALIGN=\"top\" HEIGHT=\"50%\"";
        QTest::newRow("everything")
            << 3 << 4 << "bottom"
            << "center"
            << "FF00FF" << 20 << false << 90 << true
            << " ROWSPAN=\"3\" COLSPAN=\"4\" VALIGN=\"bottom\" ALIGN=\"center\" "
               "BGCOLOR=\"FF00FF\" HEIGHT=\"20\" WIDTH=\"90%\"";
        QTest::newRow("None is not none; negatives are nothing")
            << 1 << 1 << "None"
            << ""
            << "" << -5 << true << 0 << true << " VALIGN=\"None\" ALIGN=\"\"";
    }
    void attributeString() {
        CellAttributes a;
        QFETCH(int, rowSpan);
        QFETCH(int, colSpan);
        QFETCH(QString, vAlign);
        QFETCH(QString, hAlign);
        QFETCH(QString, color);
        QFETCH(int, height);
        QFETCH(bool, heightPercent);
        QFETCH(int, width);
        QFETCH(bool, widthPercent);
        QFETCH(QString, text);
        a.rowSpan = rowSpan;
        a.colSpan = colSpan;
        a.vAlign = vAlign;
        a.hAlign = hAlign;
        a.color = color;
        a.height = height;
        a.heightPercent = heightPercent;
        a.width = width;
        a.widthPercent = widthPercent;
        QCOMPARE(cellAttributeString(a), text);
    }
};

QTEST_APPLESS_MAIN(TestTableModel)
#include "test_gen_table_model.moc"
