// The tool pages on their own: the window's widgets and menus (AreaRig), a
// document open in the document editor, the real tag insertion and a
// counting preview. Each case works the pages' controls as the user would.

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "tags/toolpages/ui/toolpagesarea.h"
#include "tags/ui/tagcontroller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// A 3 x 2 GIF.
const QByteArray kGif =
    QByteArray::fromHex("47494638396103000200800000000000ffffff2c0000000003000200000203446c05003b");

struct ToolPagesFixture : AreaRig {
    TestFolder site; // the page's folder
    FakeActiveDocument document{*w.webPage};
    FakePreviewPane preview;
    std::unique_ptr<TagController> tags;
    std::unique_ptr<ToolPagesArea> area;

    ToolPagesFixture() {
        tags = std::make_unique<TagController>(
            shell, document, preview,
            TagWidgets{w.inATagLight, w.inABodyLight, w.powerBook, w.toolPages}, a);
        area = std::make_unique<ToolPagesArea>(
            shell, document, *tags, preview,
            ToolPagesWidgets{w.toolPages[MainWidgets::Lists], w.toolPages[MainWidgets::Tables],
                             w.toolPages[MainWidgets::Images], w.toolPages[MainWidgets::Links],
                             w.toolPages[MainWidgets::Forms], w.toolPages[MainWidgets::Asp]},
            a);
        shell.addArea(tags.get());
        shell.addArea(area.get());
        openDocument();
        document.dir = site.path();
        document.file = site.file("index.htm");
        editor().setText(QString());
    }
    ~ToolPagesFixture() {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        area.reset();
        tags.reset();
    }

    TLEdit &editor() { return *w.webPage; }
    template <typename T> T *control(const QString &name) { return find<T>(name); }
    void click(const QString &button) { control<QToolButton>(button)->click(); }

    // The text with its line ends as "\n", "|" at the caret or "[...]"
    // around the selection.
    QString marked() {
        TLEdit &e = editor();
        e.readSelection();
        auto offset = [&](int line, int pos) {
            int at = 0;
            for (int l = 1; l < line; ++l)
                at += e.lineLength(l) + 1;
            return at + pos;
        };
        QString text = e.text();
        text.replace("\r\n", "\n").replace('\r', '\n');
        const int anchor = offset(e.startLine, e.startPos), caret = offset(e.endLine, e.endPos);
        if (anchor == caret)
            return text.insert(anchor, '|');
        return text.insert(qMax(anchor, caret), ']').insert(qMin(anchor, caret), '[');
    }
    // "ab[cd]e": the text with the part in brackets selected.
    void setMarked(const QString &marks) {
        QString text = marks;
        const int from = text.indexOf('[');
        text.remove(from, 1);
        const int to = text.indexOf(']');
        text.remove(to, 1);
        editor().setText(text);
        TLEdit &e = editor();
        e.startLine = e.endLine = 1;
        e.startPos = from;
        e.endPos = to;
        e.applySelection();
    }
    QStringList lines() {
        QString text = editor().text();
        return text.replace("\r\n", "\n").split('\n');
    }
    void makeTypeFolder(const QString &type, const QStringList &pictures) {
        QVERIFY(QDir(program.path()).mkpath(type));
        for (const QString &name : pictures)
            program.write(type + "/" + name, name.startsWith("broken") ? "not a picture" : kGif);
    }
    QComboBox *typeBox() { return control<QComboBox>("ImageTypeDir"); }
    QComboBox *pictureBox() { return control<QComboBox>("ImageList"); }
    void chooseType(const QString &type) {
        const int index = typeBox()->findText(type);
        QVERIFY(index >= 0);
        typeBox()->setCurrentIndex(index);
    }
};

} // namespace

class TestToolPagesArea : public QObject {
    Q_OBJECT
private slots:
    // --- Lists and Tables --------------------------------------------------------------

    void longestListInOneBlock() {
        ToolPagesFixture f;
        f.control<QComboBox>("ListType")->setCurrentIndex(0);
        f.control<QSpinBox>("ListCount")->setValue(1600);
        f.click("AddListSB");
        const QStringList lines = f.lines();
        // 1602 lines, each ended by a line break.
        QCOMPARE(lines.size(), 1603);
        QCOMPARE(lines.first(), QStringLiteral("<OL >"));
        QCOMPARE(lines.at(1600), QStringLiteral("<LI> Line:1600"));
        QCOMPARE(lines.at(1601), QStringLiteral("</OL>"));
        QCOMPARE(lines.last(), QString());
        QVERIFY(f.editor().text().contains("<LI> Line:1\r\n<LI> Line:2\r\n"));
        QCOMPARE(f.preview.updates, 1);
        QVERIFY(f.document.changes > 0);
    }

    void listTypeShowsItsStyles() {
        ToolPagesFixture f;
        QWidget *page = f.w.toolPages[MainWidgets::Lists];
        auto *type = f.control<QComboBox>("ListType");
        auto *ordered = f.control<QComboBox>("OLTypes");
        auto *unordered = f.control<QComboBox>("ULTypes");
        auto *start = f.control<QSpinBox>("StartAt");
        QCOMPARE(type->currentIndex(), -1); // nothing chosen at start
        type->setCurrentIndex(1);
        QVERIFY(unordered->isVisibleTo(page));
        QVERIFY(!ordered->isVisibleTo(page));
        QVERIFY(!start->isVisibleTo(page));
        unordered->setCurrentIndex(unordered->findText("square"));
        f.setMarked("a[bc]d");
        f.click("AddListSB");
        QCOMPARE(f.marked(), QStringLiteral("a<UL TYPE=\"square\" >\n<LI> Line:1\n</UL>\n|d"));

        type->setCurrentIndex(0);
        QVERIFY(ordered->isVisibleTo(page) && start->isVisibleTo(page));
        QVERIFY(!unordered->isVisibleTo(page));
        ordered->setCurrentIndex(ordered->findText("A (Upper)"));
        start->setValue(3);
        f.control<QSpinBox>("ListCount")->setValue(2);
        f.editor().setText(QString());
        f.click("AddListSB");
        QCOMPARE(f.marked(),
                 QStringLiteral("<OL TYPE=\"A\" START=3 >\n<LI> Line:1\n<LI> Line:2\n</OL>\n|"));
        // The bullet button the tag area put on the page follows the list's
        // controls.
        QVERIFY(f.control<QToolButton>("SpeedButton69"));
    }

    void largestQuickTableWithOneRefresh() {
        ToolPagesFixture f;
        f.editor().setText("<BODY>\r\n</BODY>\r\n");
        f.editor().startLine = f.editor().endLine = 2;
        f.editor().startPos = f.editor().endPos = 0;
        f.editor().applySelection();
        f.control<QSpinBox>("Cols")->setValue(30);
        f.control<QSpinBox>("Rows")->setValue(1000);
        f.click("SpeedButton7");
        const QStringList lines = f.lines();
        QCOMPARE(lines.size(), 32002 + 3);
        QCOMPARE(lines.at(1), QStringLiteral("<TABLE >"));
        QCOMPARE(lines.at(3), QStringLiteral("<TD>Cell:1,1</TD>"));
        QCOMPARE(lines.at(32002 - 2), QStringLiteral("<TD>Cell:1000,30</TD>"));
        QCOMPARE(lines.at(32002), QStringLiteral("</TABLE>"));
        QCOMPARE(lines.at(32003), QStringLiteral("</BODY>"));
        QCOMPARE(f.preview.updates, 1);
        f.editor().readSelection();
        QCOMPARE(f.editor().endLine, 32004);
        QCOMPARE(f.editor().endPos, 0);
    }

    void quickTableFromTypedValues() {
        ToolPagesFixture f;
        // A number typed but not yet taken by the box counts.
        auto *cols = f.control<QSpinBox>("Cols");
        cols->findChild<QLineEdit *>()->setText("2");
        f.control<QSpinBox>("TableWidth")->setValue(50);
        f.control<QCheckBox>("Border")->setChecked(true);
        f.click("SpeedButton7");
        QCOMPARE(f.marked(),
                 QStringLiteral("<TABLE BORDER WIDTH=\"50%\">\n<TR>\n<TD>Cell:1,1</TD>\n"
                                "<TD>Cell:1,2</TD>\n</TR>\n</TABLE>\n|"));
    }

    // --- Forms, ASP and Links -------------------------------------------------------------

    void pageButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("checkbox around Yes")
            << "CBButton"
            << "[Yes]"
            << "[<INPUT TYPE=\"checkbox\" NAME=\"cb1\" VALUE=\"value1\">Yes<BR>]";
        QTest::newRow("radio, nothing selected")
            << "RGButton"
            << "a[]b"
            << "a<INPUT TYPE=\"radio\" NAME=\"radio1\" VALUE=\"value1\" CHECKED>|<BR>b";
        QTest::newRow("text field replaces the selection")
            << "DEButton"
            << "a[xy]b"
            << "a<INPUT TYPE=\"text\" NAME=\"text1\" SIZE=25>|b";
        QTest::newRow("list box on two lines")
            << "LBButton"
            << "[]"
            << "<SELECT NAME=\"listbox\" Size=\"0\">\n</SELECT>|";
        QTest::newRow("form skeleton")
            << "SpeedButton33"
            << "[]"
            << "\n<FORM METHOD=\"POST\" ACTION=\"mailto:you@example.com\">\n<!--Put form fields "
               "after the above opening FORM tag and before the closing /FORM tag-->\n<P "
               "ALIGN=\"CENTER\"><INPUT TYPE=\"submit\" VALUE=\"Submit Form\"><INPUT "
               "TYPE=\"reset\" VALUE=\"Reset Form\"></P>\n</FORM>|";
        QTest::newRow("% with nothing selected") << "ASPPercent"
                                                 << "[]"
                                                 << "<% | %>";
        QTest::newRow("= around a name") << "ASPEqual"
                                         << "[x]"
                                         << "[<% =x %>]";
        QTest::newRow("If ... Then around a condition") << "SpeedButton58"
                                                        << "[a = 1]"
                                                        << "[<% If a = 1 Then %>]";
        QTest::newRow("If ... End If, nothing selected") << "SpeedButton8"
                                                         << "[]"
                                                         << "<% If ... Then %>\n|\n<% End If %>";
        QTest::newRow("loop, nothing selected: between the parts")
            << "SpeedButton57"
            << "[]"
            << "\n<% While ... %>\n|\n<% Loop %>\n";
        QTest::newRow("Else replaces") << "SpeedButton61"
                                       << "[x]"
                                       << "<% Else %>|";
        QTest::newRow("option") << "SpeedButton21"
                                << "[]"
                                << "<OPTION>|";
    }
    void pageButtons() {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        ToolPagesFixture f;
        f.setMarked(before);
        f.click(button);
        QCOMPARE(f.marked(), after);
        QCOMPARE(f.preview.updates, 1);
    }

    void link_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("with a text") << "mailto:"
                                     << "info"
                                     << "Write"
                                     << "a[x]b"
                                     << "a<A HREF=\"mailto:info\">Write</A>|b";
        QTest::newRow("no text wraps the selection") << "http://"
                                                     << "example.com"
                                                     << ""
                                                     << "[here]"
                                                     << "[<A HREF=\"http://example.com\">here</A>]";
        QTest::newRow("no text, nothing selected") << ""
                                                   << "page.htm"
                                                   << ""
                                                   << "[]"
                                                   << "<A HREF=\"page.htm\">|</A>";
    }
    void link() {
        QFETCH(QString, prefix);
        QFETCH(QString, url);
        QFETCH(QString, text);
        QFETCH(QString, before);
        QFETCH(QString, after);
        ToolPagesFixture f;
        f.control<QComboBox>("LinkPrefix")->setEditText(prefix);
        f.control<QComboBox>("URLLink")->setEditText(url);
        f.control<QLineEdit>("URLText")->setText(text);
        f.setMarked(before);
        f.click("BitBtn1");
        QCOMPARE(f.marked(), after);
    }

    void linkListsThePagesBeside() {
        ToolPagesFixture f;
        for (const char *name : {"b.html", "a.htm", "pic.gif", "c.shtml"})
            f.site.write(name, "x");
        auto *url = qobject_cast<DropDownFilledBox *>(f.control<QComboBox>("URLLink"));
        url->setEditText("typed");
        url->refill();
        QStringList items;
        for (int i = 0; i < url->count(); ++i)
            items << url->itemText(i);
        QCOMPARE(items, (QStringList{"a.htm", "b.html", "c.shtml"}));
        QCOMPARE(url->currentText(), QStringLiteral("typed"));
    }

    // --- Images --------------------------------------------------------------------------

    void typesFromTheProgramFolder() {
        ToolPagesFixture f;
        f.makeTypeFolder("Lines", {});
        f.makeTypeFolder("Buttons", {});
        f.area->firstShow();
        QStringList types;
        for (int i = 0; i < f.typeBox()->count(); ++i)
            types << f.typeBox()->itemText(i);
        QCOMPARE(types, (QStringList{"Default", "Buttons", "Lines"}));
        QCOMPARE(f.typeBox()->currentText(), QStringLiteral("Default"));
    }

    void insertFromATypeCopiesBesideThePage() {
        ToolPagesFixture f;
        f.makeTypeFolder("Buttons", {"next.gif", "alpha.jpg", "skip.png", "broken.gif"});
        f.area->firstShow();
        f.chooseType("Buttons");
        auto *pictures = qobject_cast<DropDownFilledBox *>(f.pictureBox());
        pictures->refill();
        QStringList names;
        for (int i = 0; i < pictures->count(); ++i)
            names << pictures->itemText(i);
        QCOMPARE(names, (QStringList{"alpha.jpg", "broken.gif", "next.gif"}));

        pictures->setCurrentIndex(pictures->findText("next.gif"));
        auto *alignment = f.control<QComboBox>("ImageAlignment");
        alignment->setCurrentIndex(alignment->findText("left"));
        f.click("BitBtn2");
        QCOMPARE(f.marked(), QStringLiteral("<IMG SRC=\"next.gif\" ALIGN=\"left\" WIDTH=\"3\" "
                                            "HEIGHT=\"2\">|"));
        QCOMPARE(TestFolder::read(f.site.file("next.gif")), kGif);
        QCOMPARE(f.preview.updates, 1);

        // A damaged picture is copied, but has no size.
        f.editor().setText(QString());
        pictures->setEditText("broken.gif");
        f.control<QComboBox>("HotLink")->setEditText("more.htm");
        f.click("BitBtn2");
        QCOMPARE(f.marked(), QStringLiteral("<A HREF=\"more.htm\"><IMG SRC=\"broken.gif\" "
                                            "ALIGN=\"left\"></A>|"));
        QVERIFY(QFileInfo::exists(f.site.file("broken.gif")));
        QCOMPARE(f.ui.unexpected(), 0);
    }

    void aFileBesideThePageStays() {
        ToolPagesFixture f;
        f.makeTypeFolder("Bullets", {"dot.gif"});
        f.site.write("dot.gif", "the page's own");
        f.area->firstShow();
        f.chooseType("Bullets");
        f.pictureBox()->setEditText("dot.gif");
        f.click("BitBtn2");
        QCOMPARE(TestFolder::read(f.site.file("dot.gif")), QByteArray("the page's own"));
        // The size is the type folder's picture's.
        QCOMPARE(f.marked(), QStringLiteral("<IMG SRC=\"dot.gif\" WIDTH=\"3\" HEIGHT=\"2\">|"));
    }

    void defaultTypeTakesThePagesFolder() {
        ToolPagesFixture f;
        f.site.write("here.gif", kGif);
        f.area->firstShow();
        QCOMPARE(f.area->pictureFolder(), f.site.path());
        f.pictureBox()->setEditText("here.gif");
        f.click("BitBtn2");
        QCOMPARE(f.marked(), QStringLiteral("<IMG SRC=\"here.gif\" WIDTH=\"3\" HEIGHT=\"2\">|"));
        QCOMPARE(QDir(f.site.path()).entryList(QDir::Files), QStringList{"here.gif"});
    }

    void noPictureNameDoesNothing() {
        ToolPagesFixture f;
        f.area->firstShow();
        f.click("BitBtn2");
        QCOMPARE(f.editor().text(), QString());
        QCOMPARE(f.preview.updates, 0);
        QCOMPARE(f.document.changes, 0);
    }

    void changingTheTypeEmptiesPictureAndAlignment() {
        ToolPagesFixture f;
        f.makeTypeFolder("Lines", {"rule.gif"});
        f.area->firstShow();
        f.pictureBox()->setEditText("x.gif");
        f.control<QComboBox>("ImageAlignment")->setCurrentIndex(2);
        f.chooseType("Lines");
        QCOMPARE(f.pictureBox()->currentText(), QString());
        QCOMPARE(f.pictureBox()->count(), 0);
        QCOMPARE(f.control<QComboBox>("ImageAlignment")->currentIndex(), -1);
    }

    void sharedLibraryNeedsAFolder() {
        ToolPagesFixture f;
        f.makeTypeFolder("Local", {});
        f.area->firstShow();
        auto *shared = f.control<QToolButton>("UseSharedImagesBtn");
        shared->click();
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{"You must specify a shared image directory in the General "
                             "Preferences dialog box."});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Ok));
        QVERIFY(!shared->isChecked());
        QCOMPARE(f.typeBox()->itemText(1), QStringLiteral("Local"));
    }

    void sharedLibraryTypes() {
        ToolPagesFixture f;
        TestFolder library;
        QVERIFY(QDir(library.path()).mkdir("Clipart"));
        library.write("Clipart/cat.gif", kGif);
        f.settings.sharedImageDir = library.path().chopped(1); // without the separator
        f.area->firstShow();
        f.control<QToolButton>("UseSharedImagesBtn")->click();
        QCOMPARE(f.typeBox()->count(), 2);
        f.chooseType("Clipart");
        QCOMPARE(f.area->pictureFolder(), library.file("Clipart/"));
        f.pictureBox()->setEditText("cat.gif");
        f.click("BitBtn2");
        QCOMPARE(TestFolder::read(f.site.file("cat.gif")), kGif);

        // The setting cleared while the button is down: back to the program
        // folder.
        f.settings.sharedImageDir.clear();
        f.area->settingsChanged();
        QVERIFY(!f.control<QToolButton>("UseSharedImagesBtn")->isChecked());
        QCOMPARE(f.typeBox()->count(), 1);
    }

    void missingSharedFolderIsTold() {
        ToolPagesFixture f;
        f.settings.sharedImageDir = "/no/such/shared/folder";
        f.area->firstShow();
        f.control<QToolButton>("UseSharedImagesBtn")->click();
        QCOMPARE(f.ui.messageTexts(), QStringList{"Exception occured during BuildDirList!"});
        QCOMPARE(f.typeBox()->count(), 1);
        QCOMPARE(f.typeBox()->currentText(), QStringLiteral("Default"));
    }

    void galleryAndPictureLink() {
        ToolPagesFixture f;
        f.makeTypeFolder("Bullets", {"b.gif", "a.jpg", "skip.png"});
        f.area->firstShow();
        f.chooseType("Bullets");
        f.click("SpeedButton36");
        QCOMPARE(f.preview.shownPages.size(), 1);
        const QString folder = f.program.file("Bullets/");
        QCOMPARE(
            f.preview.shownPages.at(0).split("\r\n"),
            (QStringList{
                "<H2 align=\"center\">Select an image below to insert into the toolbar</H2>",
                "<a href=\"" + folder + "a.jpg\"><img src=\"" + folder + "a.jpg\"></a><br>",
                "<a href=\"" + folder + "b.gif\"><img src=\"" + folder + "b.gif\"></a><br>", ""}));
        QVERIFY(f.w.toolPages[MainWidgets::Images]->isEnabled());
        QVERIFY(!QApplication::overrideCursor());

        // A picture clicked in the preview is the one to insert.
        f.area->choosePicture("b.gif");
        QCOMPARE(f.pictureBox()->currentText(), QStringLiteral("b.gif"));
        f.click("BitBtn2");
        QCOMPARE(f.marked(), QStringLiteral("<IMG SRC=\"b.gif\" WIDTH=\"3\" HEIGHT=\"2\">|"));
    }

    // --- Menu entries ----------------------------------------------------------------------

    void dateAndTime() {
        ToolPagesFixture f;
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QDateTime when(QDate(2024, 3, 5), QTime(13, 4, 5));
        f.area->setLocale(us);
        f.area->setClock([when] { return when; });
        f.a.dateItem->trigger();
        QCOMPARE(f.marked(), QStringLiteral(" 3/5/24 |"));
        const QString time = us.toString(when.time(), QLocale::LongFormat);
        f.a.timeItem->trigger();
        f.a.dateTimeItem->trigger();
        QCOMPARE(f.marked(), " 3/5/24  " + time + "  3/5/24/" + time + " |");
        QCOMPARE(f.preview.updates, 3);
    }

    void include() {
        ToolPagesFixture f;
        f.ui.answerFile(f.site.file("menu.htm"));
        f.a.include->trigger();
        QCOMPARE(f.marked(), "<!--#include FILE=\"" + f.site.file("menu.htm") + "\"-->|");
        const auto &asked = f.ui.asked().at(0);
        QCOMPARE(asked.type, ScriptedUserInteraction::Type::OpenFile);
        QVERIFY(asked.text.startsWith("HTM Files|*.htm|"));
        QVERIFY(asked.preset.startsWith(f.site.path()));
        QCOMPARE(asked.filterIndex, 1);

        // Cancel: nothing.
        f.editor().setText(QString());
        f.ui.answerFile(QString());
        f.a.include->trigger();
        QCOMPARE(f.editor().text(), QString());
        QCOMPARE(f.preview.updates, 1);
    }

    void entriesFollowTheEditor() {
        ToolPagesFixture f;
        QList<QAction *> entries{f.a.dateItem, f.a.timeItem, f.a.dateTimeItem, f.a.include};
        f.shell.updateMenuStates();
        for (QAction *x : entries)
            QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
        f.shell.fullScreen = true;
        f.shell.updateMenuStates();
        for (QAction *x : entries)
            QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
        f.shell.fullScreen = false;
        f.openDocument(false);
        f.shell.updateMenuStates();
        for (QAction *x : entries)
            QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
    }
};

QTEST_MAIN(TestToolPagesArea)
#include "test_toolpages_area.moc"
