#include "generators/form/formdefinition.h"
#include "generators/form/formentry.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>

namespace {

const QString kFormLine = "<FORM METHOD=\"POST\" ACTION=\"mailto:me@example.org\" >";
const QStringList kButtons{"<P ALIGN=\"CENTER\">", "<INPUT TYPE=\"submit\" VALUE=\"Submit Form\">",
                           "<INPUT TYPE=\"reset\" VALUE=\"Reset Form\">", "</P>"};

FormDefinition formOf(const QStringList &records, bool table = false, bool pre = false) {
    FormDefinition form;
    form.options.mailTo = "me@example.org";
    form.options.useTable = table;
    form.options.preformat = pre;
    form.setRecords(records);
    return form;
}

// The mark-up of one record inside a whole form, without the form's own lines.
QStringList fieldLines(const QString &record, bool table, bool pre) {
    FormDefinition form = formOf({record}, table, pre);
    QStringList lines = form.build();
    const int first = table ? 2 : 1;
    const int tail = kButtons.size() + 1 + (table ? 5 : 0);
    return lines.mid(first, lines.size() - first - tail);
}

QString readBytes(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return QString::fromUtf8(f.readAll());
}

} // namespace

class TestGenFormModel : public QObject {
    Q_OBJECT
private slots:
    void emailFieldPlain() {
        FormDefinition form = formOf({"DE|email|E-mail:|20|0"});
        const QStringList expected = QStringList{kFormLine}
                                     << "E-mail:  <INPUT TYPE=\"text\" NAME=\"email\" SIZE=20><BR>"
                                     << kButtons << "</FORM>";
        QCOMPARE(form.build(), expected);
    }

    void emailFieldInTable() {
        FormDefinition form = formOf({"DE|email|E-mail:|20|0"}, true);
        const QStringList expected =
            QStringList{kFormLine, "<TABLE >",
                        "<TR><TD VALIGN=\"TOP\">E-mail:</TD><TD VALIGN=\"TOP\">  <INPUT "
                        "TYPE=\"text\" NAME=\"email\" SIZE=20><BR></TD></TR>",
                        "<TR>", "<TD COLSPAN=\"2\">"}
            << kButtons << "</TD>"
            << "</TR>"
            << "</TABLE>"
            << "</FORM>";
        QCOMPARE(form.build(), expected);
    }

    void recordMarkup_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("table");
        QTest::addColumn<bool>("pre");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("checkbox") << "CB|agree|yes|I agree|1" << false << false
                                  << QStringList{"<INPUT TYPE=\"checkbox\" NAME=\"agree\" "
                                                 "VALUE=\"yes\" CHECKED> I agree<BR>"};
        QTest::newRow("checkbox, both")
            << "CB|agree|yes|I agree|0" << true << true
            << QStringList{"<TR><TD></TD><TD VALIGN=\"TOP\"><PRE><INPUT TYPE=\"checkbox\" "
                           "NAME=\"agree\" VALUE=\"yes\"> I agree<BR></PRE></TD></TR>"};
        QTest::newRow("radio") << "RG|size|L|Large|0" << false << true
                               << QStringList{"<PRE><INPUT TYPE=\"radio\" NAME=\"size\" "
                                              "VALUE=\"L\"> Large<BR></PRE>"};
        QTest::newRow("hidden in table")
            << "HD|from|web" << true << true
            << QStringList{"<PRE><INPUT TYPE=\"HIDDEN\" NAME=\"from\" VALUE=\"web\"></PRE>"};
        QTest::newRow("password, pre, table")
            << "DE|pw|Password:|8|1" << true << true
            << QStringList{"<TR><TD VALIGN=\"TOP\"><PRE>Password:</TD><TD VALIGN=\"TOP\">  "
                           "<INPUT TYPE=\"password\" NAME=\"pw\" SIZE=8><BR></PRE></TD></TR>"};
        QTest::newRow("text area") << "TA|note|Notes|40|5" << false << false
                                   << QStringList{"Notes<BR><TEXTAREA NAME=\"note\" ROWS=5 "
                                                  "COLS=40></TEXTAREA><BR><P>"};
        QTest::newRow("page text, size 0, bold and italics")
            << "PT|1|1|0|0|0|text" << false << true << QStringList{"<I><B>text</B></I><BR>"};
        QTest::newRow("page text, all")
            << "PT|1|1|1|1|3|Hi" << true << false
            << QStringList{"<TR><TD COLSPAN=\"2\"><FONT SIZE=3><PRE><U><I><B>Hi</B></I></U></PRE>"
                           "</FONT><BR></TD></TR>"};
        QTest::newRow("list box") << "LB|colour|Colour:|1|0|3|Blue|Green|Red|" << false << false
                                  << QStringList{"Colour:   <SELECT NAME=\"colour\" Size=3>",
                                                 "<OPTION SELECTED>Blue", "<OPTION>Green",
                                                 "<OPTION>Red", "</SELECT><BR>"};
        QTest::newRow("list box, both")
            << "LB|c|C:|0|1|2|A|B|" << true << true
            << QStringList{"<TR>",
                           "<TD VALIGN=\"TOP\">",
                           "<PRE>C:</TD><TD VALIGN=\"TOP\">   <SELECT NAME=\"c\" Multiple Size=2>",
                           "<OPTION SELECTED>A",
                           "<OPTION>B",
                           "</SELECT><BR>",
                           "</PRE>",
                           "</TD></TR>"};
        QTest::newRow("list box, entries end at an empty field")
            << "LB|c|C:|0|0|1|A||B|" << false << false
            << QStringList{"C:   <SELECT NAME=\"c\" Size=1>", "<OPTION SELECTED>A",
                           "</SELECT><BR>"};
        QTest::newRow("unknown code") << "XX|a|b" << false << false << QStringList{};
        QTest::newRow("number that is not one")
            << "DE|a|b|wide|0" << false << false << QStringList{};
        QTest::newRow("flag that is not one") << "CB|a|b|c|yes" << false << false << QStringList{};
        QTest::newRow("missing fields") << "TA|a|b|3" << false << false << QStringList{};
        QTest::newRow("empty line") << "" << false << false << QStringList{};
    }
    void recordMarkup() {
        QFETCH(QString, record);
        QFETCH(bool, table);
        QFETCH(bool, pre);
        QFETCH(QStringList, lines);
        QCOMPARE(fieldLines(record, table, pre), lines);
    }

    // Picking a list box out of the list shows it without PRE and table lines;
    // other fields look as they do in the form.
    void singleFieldPreview() {
        FormDefinition form = formOf({"LB|c|C:|0|0|1|A|", "CB|a|b|c|0"}, true, true);
        form.select(0);
        QCOMPARE(form.buildSelected(), QStringList({"C:   <SELECT NAME=\"c\" Size=1>",
                                                    "<OPTION SELECTED>A", "</SELECT><BR>"}));
        form.select(1);
        QCOMPARE(form.buildSelected(),
                 QStringList{"<TR><TD></TD><TD VALIGN=\"TOP\"><PRE><INPUT TYPE=\"checkbox\" "
                             "NAME=\"a\" VALUE=\"b\"> c<BR></PRE></TD></TR>"});
        QCOMPARE(form.formLines(), form.buildSelected());
    }

    void emptyListBuildsNothing() {
        FormDefinition form = formOf({}, true, true);
        QVERIFY(form.build().isEmpty());
        QCOMPARE(form.clipboardText(), QString());
    }

    void clipboardLinesEndInCrLf() {
        FormDefinition form = formOf({"HD|a|b"});
        form.build();
        QCOMPARE(form.clipboardText(), form.formLines().join("\r\n") + "\r\n");
    }

    void addingGoesAfterTheSelectionOrOnTop() {
        FormDefinition form;
        form.acceptField("HD|first|1", false);
        form.acceptField("HD|second|2", false);
        QCOMPARE(form.records(), QStringList({"HD|second|2", "HD|first|1"}));
        QCOMPARE(form.selected(), -1);
        form.select(0);
        form.acceptField("HD|third|3", false);
        QCOMPARE(form.records(), QStringList({"HD|second|2", "HD|third|3", "HD|first|1"}));
        QCOMPARE(form.selected(), 0);
        form.acceptField("HD|edited|0", true);
        QCOMPARE(form.records(), QStringList({"HD|edited|0", "HD|third|3", "HD|first|1"}));
        QCOMPARE(form.selected(), 0);
    }

    void upDownAndDelete() {
        FormDefinition form = formOf({"HD|a|1", "HD|b|2", "HD|c|3"});
        QVERIFY(!form.moveUp());
        QVERIFY(!form.moveDown());
        QVERIFY(!form.removeSelected());
        form.select(0);
        QVERIFY(!form.moveUp());
        QVERIFY(form.moveDown());
        QCOMPARE(form.selected(), 1);
        QVERIFY(form.moveDown());
        QVERIFY(!form.moveDown());
        QCOMPARE(form.records(), QStringList({"HD|b|2", "HD|c|3", "HD|a|1"}));
        QVERIFY(form.moveUp());
        QCOMPARE(form.records(), QStringList({"HD|b|2", "HD|a|1", "HD|c|3"}));
        QVERIFY(form.removeSelected());
        QCOMPARE(form.records(), QStringList({"HD|b|2", "HD|c|3"}));
        QCOMPARE(form.selected(), -1);
        form.build();
        form.clear();
        QVERIFY(form.isEmpty());
        QVERIFY(form.formLines().isEmpty());
    }

    void recordsRoundTrip_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("CB") << "CB|agree|yes|I agree|1";
        QTest::newRow("RG") << "RG|size|M|Medium|0";
        QTest::newRow("DE") << "DE|email|E-mail:|20|1";
        QTest::newRow("LB") << "LB|colour|Colour:|1|0|3|Blue|Green|Red|";
        QTest::newRow("LB, no entries") << "LB|x|X|0|1|0|";
        QTest::newRow("TA") << "TA|note|Notes|40|5";
        QTest::newRow("PT") << "PT|1|0|0|0|3|Please fill in";
        QTest::newRow("HD") << "HD|from|web";
    }
    void recordsRoundTrip() {
        QFETCH(QString, line);
        const auto record = FormRecord::parse(line);
        QVERIFY(record);
        QCOMPARE(record->toLine(), line);
    }

    // A "|" typed into a field must not split the record: it is written as a
    // character reference, which the form shows as "|".
    void barInATextKeepsTheRecordWhole() {
        FormRecord r;
        r.kind = FieldKind::CheckBox;
        r.name = "a";
        r.value = "x|y";
        r.caption = "this|that\nother";
        r.checked = true;
        QCOMPARE(r.toLine(), QString("CB|a|x&#124;y|this&#124;that other|1"));
        QVERIFY(FormRecord::parse(r.toLine())->checked);
    }

    // The Form Definition dialog: what adding keeps and clears, the list box
    // entries, the radio-group names and the check box refusal.
    void entryAddingClearsTextsKeepsNumbers() {
        FormEntry entry;
        QVERIFY(entry.beginEditing("DE|email|E-mail:|35|1", {}));
        QVERIFY(entry.editing());
        QCOMPARE(entry.caption(), QString("Data Entry Definition"));
        entry.beginAdding(FieldKind::DataEntry, {});
        QVERIFY(!entry.editing());
        QCOMPARE(entry.recordLine(), QString("DE|||35|0"));

        QVERIFY(entry.beginEditing("RG|size|M|Medium|1", {}));
        entry.beginAdding(FieldKind::RadioGroup, {"size", "size", "shape"});
        QCOMPARE(entry.recordLine(), QString("RG|size|||0"));
        QCOMPARE(entry.groupNames(), QStringList({"size", "size", "shape"}));
        QVERIFY(!entry.beginEditing("ZZ|x", {}));
        QCOMPARE(entry.page(), FieldKind::RadioGroup);
    }

    void sortedListBox() {
        FormEntry entry;
        entry.beginAdding(FieldKind::ListBox, {});
        entry.current().name = "colour";
        entry.current().caption = "Colour:";
        entry.current().visible = 2;
        entry.listEntries().add("Red");
        entry.listEntries().add("Blue");
        QCOMPARE(entry.recordLine(), QString("LB|colour|Colour:|0|0|2|Red|Blue|"));
        entry.listEntries().setSorted(true);
        entry.listEntries().add("");
        entry.listEntries().add("green");
        QCOMPARE(entry.recordLine(), QString("LB|colour|Colour:|1|0|2|Blue|green|Red|"));
        entry.listEntries().remove("green");
        entry.listEntries().setSorted(false);
        entry.listEntries().add("Amber");
        QCOMPARE(entry.listEntries().items(), QStringList({"Blue", "Red", "Amber"}));

        FormDefinition form = formOf({});
        entry.listEntries().setSorted(true);
        form.acceptField(entry.recordLine(), false);
        QCOMPARE(form.build().mid(1, 4),
                 QStringList({"Colour:   <SELECT NAME=\"colour\" Size=2>", "<OPTION SELECTED>Amber",
                              "<OPTION>Blue", "<OPTION>Red"}));

        // Adding another list box starts with no entries and sorting off.
        entry.beginAdding(FieldKind::ListBox, {});
        QVERIFY(entry.listEntries().items().isEmpty());
        QVERIFY(!entry.listEntries().sorted());
        QCOMPARE(entry.recordLine(), QString("LB|||0|0|2|"));
        // Editing refills the entries.
        QVERIFY(entry.beginEditing("LB|c|C|1|1|4|Pear|Fig|", {}));
        QCOMPARE(entry.listEntries().items(), QStringList({"Fig", "Pear"}));
        QCOMPARE(entry.recordLine(), QString("LB|c|C|1|1|4|Fig|Pear|"));
    }

    void onlyCheckBoxNamesRefuseBlanks_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("check box")
            << int(FieldKind::CheckBox) << "No spaces allowed in variable name!";
        QTest::newRow("data entry") << int(FieldKind::DataEntry) << "";
        QTest::newRow("hidden") << int(FieldKind::Hidden) << "";
    }
    void onlyCheckBoxNamesRefuseBlanks() {
        QFETCH(int, page);
        QFETCH(QString, refusal);
        FormEntry entry;
        entry.beginAdding(FieldKind(page), {});
        QCOMPARE(entry.refusal(), QString());
        entry.current().name = "my name";
        QCOMPARE(entry.refusal(), refusal);
    }

    void groupNamesOncePerButton() {
        FormDefinition form = formOf({"RG|size|S|Small|1", "HD|a|b", "RG|size|L|Large|0",
                                      "RG|shape|R|Round|0", "RG|broken"});
        QCOMPARE(form.groupNames(), QStringList({"size", "size", "shape"}));
    }

    void saveAndOpen() {
        TestFolder folder;
        const QString path = folder.file("order.frm");
        FormDefinition form = formOf({"CB|agree|yes|I agree|1", "LB|c|C:|1|0|3|Blue|Red|"});
        QString error;
        QVERIFY(form.save(path, &error));
        QCOMPARE(readBytes(path), QString("CB|agree|yes|I agree|1\r\nLB|c|C:|1|0|3|Blue|Red|\r\n"));

        FormDefinition other;
        other.select(0);
        QVERIFY(other.load(path, &error));
        QCOMPARE(other.records(), form.records());
        QCOMPARE(other.selected(), -1);
    }

    void openAcceptsAnyLineEndAndDamagedLines() {
        TestFolder folder;
        const QString path = folder.file("old.frm");
        folder.write("old.frm", QByteArray("HD|a|1\rXX|what|ever\n\nDE|e|E|x|0\r\nHD|b|\xe9\r\n"));
        FormDefinition form = formOf({});
        QString error;
        QVERIFY(form.load(path, &error));
        QCOMPARE(form.records(),
                 QStringList({"HD|a|1", "XX|what|ever", "DE|e|E|x|0", QString("HD|b|\u00e9")}));
        const QStringList expected =
            QStringList{kFormLine} << "<INPUT TYPE=\"HIDDEN\" NAME=\"a\" VALUE=\"1\">"
                                   << QString("<INPUT TYPE=\"HIDDEN\" NAME=\"b\" VALUE=\"\u00e9\">")
                                   << kButtons << "</FORM>";
        QCOMPARE(form.build(), expected);
    }

    void failuresKeepTheForm() {
        TestFolder folder;
        FormDefinition form = formOf({"HD|a|1"});
        QString error;
        QVERIFY(!form.load(folder.file("missing.frm"), &error));
        QVERIFY(error.contains("missing.frm"));
        QVERIFY(!form.save(folder.file("no/such/folder/x.frm"), &error));
        QVERIFY(error.contains("x.frm"));
        folder.write("big.frm", QByteArray(FormDefinition::kMaxFileSize + 1, 'a'));
        error.clear();
        QVERIFY(!form.load(folder.file("big.frm"), &error));
        QVERIFY(!error.isEmpty());
        folder.write("picture.frm", QByteArray("GIF89a\0\0HD|a|1", 14));
        error.clear();
        QVERIFY(!form.load(folder.file("picture.frm"), &error));
        QVERIFY(error.contains("picture.frm"));
        QCOMPARE(form.records(), QStringList({"HD|a|1"}));
    }
};

QTEST_APPLESS_MAIN(TestGenFormModel)
#include "test_gen_form_model.moc"
