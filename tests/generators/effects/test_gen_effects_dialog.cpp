// The real Web Effects dialog driven through its controls, over a real
// document editor (for the selection it takes over) and a recording host.

#include "editor/tledit.h"
#include "fakegeneratorhost.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/effects/ui/effectsdialog.h"
#include "generators/effects/ui/effectsgenerator.h"
#include "testfolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

using Type = ScriptedUserInteraction::Type;

namespace {

QByteArray pictureBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestEffectsDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeGeneratorHost> host;
    std::unique_ptr<TLEdit> editor;
    std::unique_ptr<EffectsDialog> dialog;
    std::unique_ptr<TestFolder> page; // the page's folder, fresh for each test

    template <class T> T *child(const char *name) {
        T *w = dialog->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    // Selects from (line, column) to (line, column), lines from 1.
    void select(int fromLine, int fromPos, int toLine, int toPos) {
        editor->startLine = fromLine;
        editor->startPos = fromPos;
        editor->endLine = toLine;
        editor->endPos = toPos;
        editor->applySelection();
    }
    void open(EffectsTab tab) {
        dialog->prepare(tab);
        dialog->show();
    }
    void add() { child<QPushButton>("BitBtn1")->click(); }
    QString shown() { return dialog->preview()->html(); }
    void typeInto(const char *name, const QString &text) {
        auto *edit = child<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init() {
        page = std::make_unique<TestFolder>();
        host = std::make_unique<FakeGeneratorHost>();
        host->folder = page->path();
        editor = std::make_unique<TLEdit>();
        editor->setText("Hello world\r\n");
        host->editor = editor.get();
        dialog = std::make_unique<EffectsDialog>(*host);
    }
    void cleanup() {
        dialog.reset();
        editor.reset();
        QCOMPARE(host->user.unexpected(), 0);
    }

    void tabsAndTheDefaultsOfTablesAndLists() {
        QCOMPARE(dialog->objectName(), QString("TEffectsForm"));
        QCOMPARE(dialog->windowTitle(), QString("Web Effects"));
        auto *tabs = child<QTabBar>("TabSet1");
        QCOMPARE(tabs->count(), 7);
        QCOMPARE(tabs->tabText(6), QString("Applet"));

        open(EffectsTab::Tables);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>("ColumnValue")->value(), 2);
        QCOMPARE(child<QSpinBox>("RowValue")->value(), 2);
        QCOMPARE(child<QSpinBox>("PaddingValue")->value(), 1);
        QCOMPARE(child<QSpinBox>("SpacingValue")->value(), 2);
        QCOMPARE(child<QSpinBox>("WidthValue")->value(), 0);
        QCOMPARE(child<QSpinBox>("CaptionSize")->value(), 5);
        QVERIFY(child<QCheckBox>("HasBorder")->isChecked());
        QCOMPARE(child<RadioGroup>("TableJustify")->itemText(), QString("left"));
        QCOMPARE(child<RadioGroup>("CaptionLoc")->itemText(), QString("Top"));
        QVERIFY(child<QTableWidget>("DataGrid")->isHidden());
        const QStringList table = {"<table border align=left cellspacing=2 >",
                                   "<tr>",
                                   "<td>Cell:1,1</td>",
                                   "<td>Cell:1,2</td>",
                                   "</tr>",
                                   "<tr>",
                                   "<td>Cell:2,1</td>",
                                   "<td>Cell:2,2</td>",
                                   "</tr>",
                                   "</table>"};
        QCOMPARE(shown(), table.join("\r\n"));

        // The width waits for the next change; the grid gives the cell texts.
        child<QSpinBox>("WidthValue")->setValue(40);
        QCOMPARE(shown(), table.join("\r\n"));
        child<QPushButton>("ToggleGrid")->click();
        QVERIFY(child<QTableWidget>("DataGrid")->isVisible());
        child<QTableWidget>("DataGrid")->setItem(1, 0, new QTableWidgetItem("Total"));
        QVERIFY(shown().startsWith("<table border width=40% align=left cellspacing=2 >"));
        QVERIFY(shown().contains("<td>Total</td>\r\n<td>Cell:2,2</td>"));

        tabs->setCurrentIndex(2);
        QCOMPARE(child<QComboBox>("ListType")->currentText(), QString("Ordered"));
        QCOMPARE(child<QSpinBox>("Parents")->value(), 4);
        QCOMPARE(child<QSpinBox>("ChildValue")->value(), 0);
        QCOMPARE(child<QComboBox>("Child")->currentText(), QString("Ordered"));
        auto *items = child<QTableWidget>("ListItems");
        QCOMPARE(items->rowCount(), 100);
        QCOMPARE(items->horizontalHeaderItem(0)->text(), QString("List Items:"));
        QCOMPARE(shown(), QString("<ol>\r\n<li> Line:1\r\n<li> Line:2\r\n<li> Line:3\r\n"
                                  "<li> Line:4\r\n</ol>"));
    }

    // Two parents with a child each: the lines go in as a block at the caret.
    void addingAList() {
        open(EffectsTab::ListTypes);
        child<QSpinBox>("Parents")->setValue(2);
        child<QSpinBox>("ChildValue")->setValue(1);
        add();
        QCOMPARE(host->insertedLines.size(), 1);
        QCOMPARE(host->insertedLines.first(),
                 QStringList({"<ol>", "<li> Line:1", "<ol>", "<li> Child Line:1", "</ol>",
                              "<li> Line:2", "<ol>", "<li> Child Line:1", "</ol>", "</ol>"}));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
    }

    // The selection becomes the heading; "Add" cuts it, so the heading takes
    // its place.
    void aCapturedSelectionIsReplaced() {
        select(1, 6, 1, 11);
        open(EffectsTab::Headers);
        QCOMPARE(dialog->capturedSelection(), QString("world"));
        QCOMPARE(child<QLineEdit>("HeaderText")->text(), QString("world"));
        QCOMPARE(child<QPlainTextEdit>("DocText")->toPlainText(), QString("world"));
        QCOMPARE(child<QLineEdit>("Reference")->text(), QString("world"));
        // The heading with the defaults has no attributes.
        QCOMPARE(child<QSpinBox>("HeaderNumber")->value(), 1);
        QCOMPARE(child<RadioGroup>("HeadingJustify")->itemText(), QString("none"));
        QCOMPARE(shown(), QString("<H1>world</H1>\r\n"));
        add();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("world"));
        QCOMPARE(editor->text(), QString("Hello \r\n"));
        QCOMPARE(host->insertedTexts, QStringList({"<H1>world</H1>"}));
    }

    // Too long to be taken over: it stays in the page, off the clipboard,
    // and the block goes in at the caret.
    void anUncapturedLongSelectionStays() {
        const QString longText(200, 'a');
        editor->setText(longText + "\r\nend\r\n");
        select(1, 0, 1, 200);
        QGuiApplication::clipboard()->setText("before");
        open(EffectsTab::References);
        QCOMPARE(dialog->capturedSelection(), QString());
        QCOMPARE(child<QLineEdit>("HeaderText")->text(), QString());
        QCOMPARE(child<QLineEdit>("Reference")->text(), QString("Reference"));
        add();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QCOMPARE(editor->text(), longText + "\r\nend\r\n");
        QCOMPARE(editor->selLength(), 0);
        editor->readSelection();
        QCOMPARE(editor->endPos, 200);
        QCOMPARE(host->insertedTexts, QStringList({"<a href=\"\">Reference</a>"}));
    }

    // Tables, lists and images do not take the selection's place.
    void aTableLeavesACapturedSelection() {
        select(1, 0, 1, 5);
        QGuiApplication::clipboard()->setText("before");
        open(EffectsTab::Tables);
        add();
        QCOMPARE(editor->text(), QString("Hello world\r\n"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QCOMPARE(host->insertedLines.size(), 1);
    }

    void documentText() {
        open(EffectsTab::DocumentText);
        child<QPlainTextEdit>("DocText")->setPlainText("Hello\nworld");
        child<QCheckBox>("DocBold")->setChecked(true);
        child<QCheckBox>("DocItalics")->setChecked(true);
        QCOMPARE(shown(), QString("<i>\r\n<b>\r\nHello\r\nworld\r\n</b>\r\n</i>"));
        child<QCheckBox>("UseSize")->setChecked(true);
        child<QSpinBox>("FontSize")->setValue(5);
        add();
        QCOMPARE(host->insertedTexts,
                 QStringList({"<i><b><FONT SIZE=5>Hello world</FONT></b></i>"}));
    }

    void isAMapIsUncheckedByEveryRegeneration() {
        open(EffectsTab::Images);
        auto *isMap = child<QCheckBox>("IsMap");
        auto *createMap = child<QPushButton>("CreateMap");
        QVERIFY(!createMap->isEnabled());
        isMap->setChecked(true);
        QVERIFY(isMap->isChecked());
        QVERIFY(createMap->isEnabled());
        dialog->pendingMap().name = "m";
        dialog->pendingMap().lines = QStringList({"<MAP NAME=\"m\">", "</MAP>"});
        typeInto("AlternateText", "x");
        QVERIFY(!isMap->isChecked());
        QVERIFY(!createMap->isEnabled());
        QVERIFY(!dialog->pendingMap().pending());

        isMap->setChecked(true);
        child<QTabBar>("TabSet1")->setCurrentIndex(0);
        QVERIFY(!isMap->isChecked());
    }

    // A picture from another folder is copied beside the page (over an older
    // one); a map drawn for it goes in before the tag that uses it.
    void anImageWithAMap() {
        TestFolder pictures;
        const QString path = pictures.write("logo.png", pictureBytes(40, 30));
        page->write("logo.png", "older file");
        open(EffectsTab::Images);
        host->user.answerFile(path);
        child<QToolButton>("SpeedButton1")->click();
        QCOMPARE(host->user.asked().last().filterIndex, 2);
        QCOMPARE(child<QComboBox>("ImageFile")->currentText(), path);
        QCOMPARE(child<QLineEdit>("ImgWidth")->text(), QString("40"));
        QCOMPARE(child<QLineEdit>("ImgHeight")->text(), QString("30"));
        QCOMPARE(shown(),
                 "sample<img src=\"" + path + "\" alt=\"\" WIDTH=\"40\" HEIGHT=\"30\">text\r\n");

        child<QCheckBox>("IsMap")->setChecked(true);
        host->user.answerInput("nav");
        QTimer::singleShot(0, this, [this] {
            auto *editor = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QCOMPARE(editor->objectName(), QString("TSimpleForm"));
            auto *grid = editor->findChild<QTableWidget *>("CoordGrid");
            grid->setItem(0, 0, new QTableWidgetItem("default"));
            grid->setItem(0, 1, new QTableWidgetItem("home.htm"));
            editor->findChild<QPushButton *>("Button2")->click();
            editor->findChild<QAction *>("SaveReturn")->trigger();
        });
        child<QPushButton>("CreateMap")->click();
        QCOMPARE(dialog->pendingMap().name, QString("nav"));
        QVERIFY(dialog->isVisible());
        add();
        QCOMPARE(TestFolder::read(page->file("logo.png")), TestFolder::read(path));
        QCOMPARE(host->insertedLines.size(), 1);
        QCOMPARE(
            host->insertedLines.first(),
            QStringList({"<MAP NAME=\"nav\">", "<AREA SHAPE=default  HREF=\"home.htm\">", "</MAP>",
                         "<IMG SRC=\"logo.png\" ALT=\"\" WIDTH=\"40\" HEIGHT=\"30\" "
                         "USEMAP=\"#nav\">"}));
    }

    // Without a map drawn the picture is a server-side map; a picture of the
    // page's own folder stays where it is.
    void anImageOfThePagesFolder() {
        page->write("dot.png", pictureBytes(3, 2));
        open(EffectsTab::Images);
        auto *file = child<QComboBox>("ImageFile");
        file->showPopup();
        QCOMPARE(file->count(), 0); // .png is not among the graphic extensions
        host->prefs.graphicExtension = "gif,png";
        file->hidePopup();
        file->showPopup();
        QCOMPARE(file->count(), 1);
        QAbstractItemView *list = file->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(file->currentText(), QString("dot.png"));
        QCOMPARE(child<QLineEdit>("ImgWidth")->text(), QString("3"));
        child<QCheckBox>("ImageCenter")->setChecked(true);
        child<QComboBox>("AlignImg")->setCurrentText("middle");
        child<QCheckBox>("IsMap")->setChecked(true);
        add();
        QCOMPARE(host->insertedTexts,
                 QStringList({"<CENTER><IMG  ISMAP SRC=\"dot.png\" ALT=\"\" ALIGN=\"middle\" "
                              "WIDTH=\"3\" HEIGHT=\"2\"></CENTER>"}));
    }

    void picturesThatCannotBeUsed() {
        const QString broken = page->write("broken.gif", QByteArray("GIF89a\x10\0\x10\0xx", 12));
        open(EffectsTab::Images);
        host->user.answerFile(broken);
        child<QToolButton>("SpeedButton1")->click();
        QCOMPARE(host->user.asked().last().type, Type::Message);
        QVERIFY(host->user.asked().last().text.startsWith("The picture " + broken +
                                                          " cannot be read: "));
        QCOMPARE(host->user.asked().last().kind, int(Msg::Warning));
        // The map editor does not open on it either.
        child<QCheckBox>("IsMap")->setChecked(true);
        child<QPushButton>("CreateMap")->click();
        QVERIFY(host->user.asked().last().text.startsWith("The picture " + broken +
                                                          " cannot be shown: "));

        child<QComboBox>("ImageFile")->setEditText("nothing.gif");
        child<QCheckBox>("IsMap")->setChecked(true);
        child<QPushButton>("CreateMap")->click();
        QCOMPARE(host->user.asked().last().text,
                 QString("File specified in Image Filename field does not exist!"));
        QCOMPARE(host->user.asked().last().kind, int(Msg::Information));
    }

    void applets() {
        select(1, 0, 1, 5);
        open(EffectsTab::Applet);
        QCOMPARE(shown(), QString());
        add();
        QCOMPARE(host->user.messageTexts(),
                 QStringList({"Missing entry in Code, Height or Width field!"}));
        QVERIFY(dialog->isVisible());
        QCOMPARE(editor->text(), QString("Hello world\r\n")); // nothing cut

        TestFolder classes;
        const QString path = classes.write("Clock.class", "class bytes");
        host->user.answerFile(path);
        child<QToolButton>("SpeedButton3")->click();
        QCOMPARE(host->user.asked().last().filterIndex, 6);
        typeInto("JWidth", "100");
        typeInto("JHeight", "50");
        typeInto("JName", "clock");
        add();
        QCOMPARE(TestFolder::read(page->file("Clock.class")), QByteArray("class bytes"));
        QCOMPARE(host->insertedTexts,
                 QStringList({"<APPLET CODE=\"Clock.class\" \rNAME=\"clock\" \rWIDTH=\"100\" \r"
                              "HEIGHT=\"50\">\r</APPLET>\r"}));
        QCOMPARE(editor->text(), QString(" world\r\n"));
    }

    // The list offers the page's links to files that exist and the pages
    // beside it; the pop-up puts a prefix in.
    void references() {
        page->write("a.htm", "");
        page->write("b.html", "");
        page->write("pic.gif", "");
        QDir(page->path()).mkdir("sub");
        page->write("sub/c.htm", "");
        editor->setText("<A HREF=\"sub/c.htm\">c</A> <A HREF=\"gone.htm\">g</A> "
                        "<A HREF=\"a.htm\">a</A>\r\n");
        open(EffectsTab::References);
        auto *urls = child<QComboBox>("CurrentURLs");
        QCOMPARE(urls->toolTip(), QString("Right click dropdown button for prefixes"));
        urls->showPopup();
        QStringList items;
        for (int i = 0; i < urls->count(); ++i)
            items << urls->itemText(i);
        urls->hidePopup();
        QCOMPARE(items, QStringList({"a.htm", "b.html", "sub/c.htm"}));

        emit urls->customContextMenuRequested(QPoint(2, 2));
        auto *popUp = child<QMenu>("LinkPopUp");
        QCOMPARE(popUp->actions().size(), 12);
        popUp->actions().at(4)->trigger();
        popUp->hide();
        QCOMPARE(urls->currentText(), QString("mailto:"));
        QCOMPARE(urls->lineEdit()->cursorPosition(), 7);

        urls->setEditText("#top");
        child<RadioGroup>("ReferenceType")->setItemIndex(1);
        child<RadioGroup>("LinkJustify")->setItemIndex(2);
        child<RadioGroup>("LinkSource")->setItemIndex(1);
        typeInto("Reference", "Up");
        QCOMPARE(shown(), QString("<center><a name=\"#top\">Up</a></center>\r\n"));
        add();
        QCOMPARE(host->insertedTexts, QStringList({"<center><a name=\"#top\">Up</a></center>"}));
    }

    // One dialog serves the run: its fields stay, except those the
    // selection fills each time.
    void fieldsStayBetweenUses() {
        dialog.reset();
        WebEffects effects(*host);
        EffectsDialog *first = effects.dialog();
        first->prepare(EffectsTab::Tables);
        first->findChild<QSpinBox *>("ColumnValue")->setValue(5);
        first->findChild<QLineEdit *>("HeaderText")->setText("typed");
        select(1, 0, 1, 5);
        QCOMPARE(effects.dialog(), first);
        first->prepare(EffectsTab::Headers);
        QCOMPARE(first->findChild<QSpinBox *>("ColumnValue")->value(), 5);
        QCOMPARE(first->findChild<QLineEdit *>("HeaderText")->text(), QString("Hello"));
        QCOMPARE(first->currentTab(), EffectsTab::Headers);
    }
};

QTEST_MAIN(TestEffectsDialog)
#include "test_gen_effects_dialog.moc"
