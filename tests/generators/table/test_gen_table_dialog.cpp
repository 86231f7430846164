// The real Table Veda Guy and Cell Attributes dialogs, driven through their
// controls with a scripted host.

#include "fakegeneratorhost.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/table/ui/cellattributesdialog.h"
#include "generators/table/ui/tablecreatedialog.h"
#include "generators/table/ui/tablegenerator.h"
#include "preview/htmlviewer.h"
#include "testfolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

using Type = ScriptedUserInteraction::Type;

namespace {

const QString kSaveQuestion =
    QStringLiteral("Would you like to save the Table Definition before proceeding?");
const QString kRebuildQuestion = QStringLiteral(
    "If you select to rebuild a table your current settings will be reset.  Build anyway?");

QString plainCell(const QString &text) {
    return QStringLiteral("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" >%1</TD>")
        .arg(text);
}

} // namespace

class TestTableDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeGeneratorHost> host;
    std::unique_ptr<TableCreateDialog> dialog;
    TestFolder folder;

    template <class T> T *child(const char *name) {
        T *w = dialog->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QAction *action(const char *name) { return child<QAction>(name); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    int page() { return child<QStackedWidget>("Notebook1")->currentIndex(); }
    // Types into a field and leaves it, as the user does.
    void type(const char *name, const QString &text) {
        auto *edit = child<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    // The user clicks a "*" marker in the preview.
    bool clickMarker(const QString &target) {
        bool handled = false;
        emit child<HtmlViewer>("HTMLViewer")->hotSpotClick(target, &handled);
        return handled;
    }
    const QStringList &lines() { return dialog->model().tableLines(); }

private slots:
    void init() {
        dialog.reset();
        host = std::make_unique<FakeGeneratorHost>();
        host->folder = folder.path();
        dialog = std::make_unique<TableCreateDialog>(*host);
        dialog->show();
    }
    void cleanup() {
        dialog.reset();
        QCOMPARE(host->user.unexpected(), 0);
        host.reset();
    }

    void opensOnTheMainPageWithNothingToDo() {
        QCOMPARE(dialog->objectName(), QString("TTblCreateForm"));
        QCOMPARE(dialog->windowTitle(), QString("Table Veda Guy"));
        QCOMPARE(page(), 0);
        QVERIFY(!child<QPushButton>("NextPageBtn")->isEnabled());
        QVERIFY(!child<QPushButton>("PrevPageBtn")->isEnabled());
        QVERIFY(!child<QLineEdit>("CellText")->isEnabled());
        QVERIFY(!child<QPushButton>("DeleteCell")->isEnabled());
        QVERIFY(!action("View")->isEnabled());
        QVERIFY(!action("CopyHTMLtoClipboard")->isEnabled());
        QCOMPARE(child<QSpinBox>("TblCols")->value(), 2);
        QCOMPARE(child<QSpinBox>("TblRows")->value(), 2);
        QVERIFY(child<QCheckBox>("Confirm")->isChecked());
        QCOMPARE(child<RadioGroup>("TblCaptionPosition")->itemText(), QString("Top"));
        QCOMPARE(child<RadioGroup>("WhereToAdd")->itemText(), QString("After"));
    }

    void defaultTableIsInsertedAsElevenLines() {
        click("TblBuild");
        QVERIFY(child<QPushButton>("NextPageBtn")->isEnabled());
        QVERIFY(action("View")->isEnabled());
        host->user.answerMessage(Msg::ResultNo);
        action("Insert")->trigger();
        QCOMPARE(host->user.messageTexts(), QStringList{kSaveQuestion});
        QCOMPARE(host->user.asked().at(0).buttons, int(Msg::Yes | Msg::No | Msg::Cancel));
        QCOMPARE(host->insertedLines.size(), 1);
        QCOMPARE(host->insertedLines.at(0),
                 QStringList({"<TABLE BORDER=\"1\" WIDTH=\"0%\"  ALIGN=\"None\"  CELLPADDING=\"1\""
                              "  CELLSPACING=\"2\" >",
                              "<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>", "<TR>",
                              plainCell("Cell:1"), plainCell("Cell:2"), "</TR>", "<TR>",
                              plainCell("Cell:3"), plainCell("Cell:4"), "</TR>", "</TABLE>"}));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
    }

    void leavingCanBeCancelled() {
        click("TblBuild");
        host->user.answerMessage(Msg::ResultCancel);
        action("Insert")->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(host->insertedLines.isEmpty());
        // Abandoning after No inserts nothing.
        host->user.answerMessage(Msg::ResultNo);
        action("Exit1")->trigger();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(host->insertedLines.isEmpty());
    }

    void rebuildAsksFirst() {
        click("TblBuild");
        const QStringList first = lines();
        child<QSpinBox>("TblRows")->setValue(3);
        host->user.answerMessage(Msg::ResultNo);
        click("TblBuild");
        QCOMPARE(host->user.messageTexts(), QStringList{kRebuildQuestion});
        QCOMPARE(host->user.asked().at(0).kind, int(Msg::Confirmation));
        QCOMPARE(lines(), first);

        child<QCheckBox>("Confirm")->setChecked(false);
        click("TblBuild");
        QCOMPARE(host->user.count(Type::Message), 1);
        QCOMPARE(lines().size(), 15);
    }

    void rebuildResetsTheTableControls() {
        click("TblBuild");
        child<QSpinBox>("TblBorder")->setValue(4);
        type("TblCaption", "Menu");
        type("OriginalColor", "FFEEDD");
        QCOMPARE(lines().at(1), QString("<CAPTION ALIGN=\"Top\"><H1>Menu</H1></CAPTION>"));
        child<QCheckBox>("Confirm")->setChecked(false);
        click("TblBuild");
        QCOMPARE(child<QSpinBox>("TblBorder")->value(), 1);
        QCOMPARE(child<QLineEdit>("TblCaption")->text(), QString());
        QCOMPARE(child<QLineEdit>("OriginalColor")->text(), QString("FFEEDD"));
        QVERIFY(lines().at(0).endsWith("  BGCOLOR=\"#FFEEDD\">"));
    }

    void clickingAMarkerSelectsItsCell() {
        click("TblBuild");
        QVERIFY(clickMarker("Cell:2."));
        QCOMPARE(page(), 2);
        QVERIFY(!child<QPushButton>("NextPageBtn")->isEnabled());
        QVERIFY(child<QPushButton>("PrevPageBtn")->isEnabled());
        QVERIFY(child<QLineEdit>("CellText")->isEnabled());
        QCOMPARE(child<QLineEdit>("CellText")->text(), QString("Cell:3"));
        QCOMPARE(child<QComboBox>("valign")->currentText(), QString("top"));
        QCOMPARE(child<QComboBox>("halign")->currentText(), QString("left"));

        child<QCheckBox>("CellHeader")->setChecked(true);
        type("CellText", "Name");
        child<QSpinBox>("ColSpan")->setValue(2);
        QCOMPARE(lines().at(7),
                 QString("<TH ROWSPAN=\"1\" COLSPAN=\"2\" VALIGN=\"top\" ALIGN=\"left\" "
                         "BGCOLOR=\"\"><A HREF=\"Cell:2.\">*</A>Name</TH>"));

        // A link that is not a marker is not followed and selects nothing.
        QVERIFY(clickMarker("other.htm"));
        QCOMPARE(dialog->model().currentCell(), 7);

        click("DeleteCell");
        QVERIFY(!child<QLineEdit>("CellText")->isEnabled());
        QCOMPARE(child<QLineEdit>("CellText")->text(), QString());
        QCOMPARE(lines().size(), 10);
    }

    void addingFollowsWhereToAdd() {
        click("TblBuild");
        QVERIFY(clickMarker("Cell:0."));
        child<RadioGroup>("WhereToAdd")->setItemIndex(0);
        click("AddRow");
        click("AddCell");
        QCOMPARE(lines().mid(2, 5),
                 QStringList({"<TR>",
                              "<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                              "BGCOLOR=\"\"><A HREF=\"Cell:4.\">*</A>Cell:5</TD>",
                              "</TR>", "<TR>",
                              "<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                              "BGCOLOR=\"\"><A HREF=\"Cell:5.\">*</A>Cell:6</TD>"}));
        // The selected cell is still the one the controls show.
        type("CellText", "First");
        QVERIFY(lines().at(7).endsWith("<A HREF=\"Cell:0.\">*</A>First</TD>"));
    }

    void pageButtons() {
        auto *prev = child<QPushButton>("PrevPageBtn");
        auto *next = child<QPushButton>("NextPageBtn");
        click("TblBuild");
        next->click();
        QCOMPARE(page(), 1);
        QVERIFY(prev->isEnabled());
        next->click();
        QCOMPARE(page(), 2);
        QVERIFY(!next->isEnabled());
        prev->click();
        QCOMPARE(page(), 1);
        QVERIFY(next->isEnabled());
        prev->click();
        QCOMPARE(page(), 0);
        QVERIFY(!prev->isEnabled());
    }

    void colourButtons() {
        click("TblBuild");
        host->user.answerColor(QColor(255, 0, 0));
        child<QToolButton>("BitBtn3")->click();
        QCOMPARE(child<QLineEdit>("OriginalColor")->text(), QString("FF0000"));
        QVERIFY(lines().at(0).endsWith("  BGCOLOR=\"#FF0000\">"));

        // Text that is no colour: an error, and nothing changes.
        child<QLineEdit>("BorderColor")->setText("GGHHII");
        const QStringList before = lines();
        child<QToolButton>("BitBtn4")->click();
        QCOMPARE(host->user.count(Type::Color), 1);
        QCOMPARE(host->user.count(Type::Message), 1);
        QCOMPARE(host->user.asked().last().kind, int(Msg::Error));
        QVERIFY(host->user.asked().last().text.contains("GGHHII"));
        QCOMPARE(child<QLineEdit>("BorderColor")->text(), QString("GGHHII"));
        QCOMPARE(lines(), before);

        // The cell colour changes the selected cell at once; the dialog starts
        // on the field's colour.
        QVERIFY(clickMarker("Cell:0."));
        child<QLineEdit>("CellColor")->setText("00FF00");
        host->user.answerColor(QColor(0, 0, 255));
        child<QToolButton>("BitBtn2")->click();
        QVERIFY(lines().at(3).contains("BGCOLOR=\"#0000FF\""));
    }

    void viewEditAndCopy() {
        click("TblBuild");
        QAction *view = action("View");
        QCOMPARE(view->text(), QString("&View"));
        action("CopyHTMLtoClipboard")->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith("<TABLE BORDER=\"1\""));
        QVERIFY(copied.contains("BGCOLOR=\"\">Cell:1</TD>\r\n"));
        QVERIFY(!copied.contains("HREF"));
        QCOMPARE(view->text(), QString("&View"));

        view->trigger();
        QCOMPARE(view->text(), QString("&Edit"));
        QVERIFY(!lines().join("").contains("HREF"));
        action("CopyHTMLtoClipboard")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);

        // Inserted from the view form: the empty colours stay.
        host->user.answerMessage(Msg::ResultNo);
        action("Insert")->trigger();
        QCOMPARE(host->insertedLines.at(0).at(3),
                 QString("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                         "BGCOLOR=\"\">Cell:1</TD>"));
    }

    void saveAndReopen() {
        click("TblBuild");
        child<QSpinBox>("TblWidth")->setValue(60);
        child<RadioGroup>("TblAlignment")->setItemIndex(2);
        type("TblCaption", "Week");
        child<QSpinBox>("TblCaptionSize")->setValue(2);
        action("View")->trigger(); // saved from the view form all the same
        host->user.answerFile(folder.file("week"));
        action("SaveTableDefinition1")->trigger();
        QCOMPARE(host->user.asked().at(0).text, QString("Table Definition|*.tbl"));
        QCOMPARE(host->user.asked().at(0).preset, folder.path() + "|"); // the page's folder
        QCOMPARE(action("View")->text(), QString("&View"));
        const QByteArray bytes = TestFolder::read(folder.file("week.tbl"));
        QVERIFY(bytes.startsWith("<TABLE BORDER=\"1\" WIDTH=\"60%\"  ALIGN=\"Center\""));
        QVERIFY(bytes.contains("<A HREF=\"Cell:3.\">*</A>Cell:4</TD>\r\n</TR>\r\n</TABLE>\r\n"));
        QVERIFY(!dialog->model().tableChanged());
        // Nothing changed since: leaving asks nothing.
        action("Exit1")->trigger();
        QCOMPARE(host->user.count(Type::Message), 0);

        init();
        host->user.answerFile(folder.file("week.tbl"));
        action("Open1")->trigger();
        QCOMPARE(child<QSpinBox>("TblWidth")->value(), 60);
        QCOMPARE(child<RadioGroup>("TblAlignment")->itemText(), QString("Center"));
        QCOMPARE(child<QLineEdit>("TblCaption")->text(), QString("Week"));
        QCOMPARE(child<QSpinBox>("TblCaptionSize")->value(), 2);
        QVERIFY(child<QPushButton>("NextPageBtn")->isEnabled());
        QVERIFY(action("View")->isEnabled());
        QCOMPARE(lines().join("\r\n").toUtf8() + "\r\n", bytes);
    }

    void failedSaveKeepsTheTable() {
        click("TblBuild");
        host->user.answerMessage(Msg::ResultYes);
        host->user.answerFile(folder.file("missing/folder/t.tbl"));
        action("Insert")->trigger();
        QCOMPARE(host->user.count(Type::Message), 2);
        QCOMPARE(host->user.asked().last().kind, int(Msg::Error));
        QVERIFY(host->user.asked().last().text.contains("not saved"));
        QVERIFY(dialog->isVisible());
        QVERIFY(host->insertedLines.isEmpty());
        QVERIFY(dialog->model().tableChanged());
        // Cancelling the file dialog goes on, as No would.
        host->user.answerMessage(Msg::ResultYes);
        host->user.answerFile(QString());
        action("Insert")->trigger();
        QCOMPARE(host->insertedLines.size(), 1);
    }

    void badFilesOpenWithAMessage() {
        folder.write("binary.tbl", QByteArray("\x7f"
                                              "ELF\x02\x01\x01\x00\x00\x00",
                                              10));
        host->user.answerFile(folder.file("binary.tbl"));
        action("Open1")->trigger();
        QCOMPARE(host->user.asked().last().kind, int(Msg::Error));
        QVERIFY(host->user.asked().last().text.contains("binary data"));
        QVERIFY(!dialog->model().tableBuilt());

        folder.write("page.tbl", "<HTML><BODY>Hello</BODY></HTML>\r\n");
        host->user.answerFile(folder.file("page.tbl"));
        action("Open1")->trigger();
        QVERIFY(host->user.asked().last().text.contains("is not a table definition"));
        QVERIFY(!dialog->model().tableBuilt());

        folder.write("short.tbl", "<TABLE BORDER=\"2\" WIDTH=\"0%\"  ALIGN=\"Middle\">\n<TR>\n"
                                  "<TD><A HREF=\"Cell:0.\">*</A>x</TD>\n</TR>\n");
        host->user.answerFile(folder.file("short.tbl"));
        action("Open1")->trigger();
        const auto &warning = host->user.asked().last();
        QCOMPARE(warning.kind, int(Msg::Warning));
        QVERIFY2(warning.text.contains("the caption line, the end of the table, the table "
                                       "justification, the cell padding, the cell spacing"),
                 qPrintable(warning.text));
        QVERIFY(dialog->model().tableBuilt());
        QCOMPARE(child<QSpinBox>("TblBorder")->value(), 2);
        QCOMPARE(child<RadioGroup>("TblAlignment")->itemText(), QString("None"));
        QVERIFY(clickMarker("Cell:0."));
        QCOMPARE(child<QLineEdit>("CellText")->text(), QString("x"));
    }

    void closeBoxAbandonsWithoutAsking() {
        click("TblBuild");
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(host->user.asked().size(), 0);
        QVERIFY(host->insertedLines.isEmpty());
    }

    void entryPointShowsTheHelperTip() {
        dialog.reset();
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        openTableGenerator(*host);
        QCOMPARE(host->helperTopics, QVector<int>{4});
    }

    void cellAttributes() {
        CellAttributesDialog attrs(*host);
        attrs.show();
        QCOMPARE(attrs.objectName(), QString("TTableAttrForm"));
        QCOMPARE(attrs.windowTitle(), QString("Cell Attributes"));
        attrs.findChild<QSpinBox *>("RowSpan")->setValue(2);
        attrs.findChild<QComboBox *>("VAlign")->setCurrentText("top");
        attrs.findChild<QSpinBox *>("CellHeight")->setValue(50);
        attrs.findChild<QCheckBox *>("UseHPercent")->setChecked(true);
        host->user.answerColor(QColor(0x12, 0x34, 0x56));
        attrs.findChild<QToolButton *>("SpeedButton1")->click();
        attrs.findChild<QPushButton *>("BitBtn1")->click();
        QCOMPARE(host->insertedTexts,
                 QStringList{" ROWSPAN=\"2\" VALIGN=\"top\" BGCOLOR=\"123456\" HEIGHT=\"50%\""});
        QCOMPARE(attrs.result(), int(QDialog::Accepted));

        // All defaults: nothing to insert, so the page is left alone.
        CellAttributesDialog plain(*host);
        plain.show();
        plain.findChild<QPushButton *>("BitBtn1")->click();
        QCOMPARE(host->insertedTexts.size(), 1);
        QCOMPARE(plain.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestTableDialog)
#include "test_gen_table_dialog.moc"
