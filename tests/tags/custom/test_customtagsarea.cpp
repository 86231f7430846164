// The custom buttons, tag menus and special characters as an area of the
// main window: built on the window's widgets and menus at start-up, their
// buttons and entries inserting through the tag operations, and the three
// dialogs opened from their menu entries.

#include "arearig.h"
#include "recordinginsertion.h"
#include "tags/custom/area/customtagsarea.h"
#include "tags/custom/buttonfile.h"
#include "tags/custom/datafile.h"
#include "tags/custom/ui/custombuttonform.h"
#include "tags/custom/ui/custombuttonpage.h"
#include "tags/custom/ui/speccharform.h"
#include "tags/custom/ui/specialpage.h"
#include "tags/custom/ui/usercodeform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include "app/ui/toolbook.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {

QByteArray shipped(const QString &name) {
    return TestFolder::read(qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/data/" + name);
}

// Runs `act` on the next modal dialog once it is open.
void whenDialogOpens(std::function<void(QDialog *)> act) {
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            whenDialogOpens(act);
            return;
        }
        act(dialog);
    });
}

template <typename T> T *child(QObject *parent, const QString &name) {
    T *c = parent->findChild<T *>(name);
    if (!c)
        qFatal("no child %s", qPrintable(name));
    return c;
}

bool shown(QWidget *w) {
    return w->isVisibleTo(w->parentWidget());
}

struct Fixture : AreaRig {
    QSettings specials{program.file("store.ini"), QSettings::IniFormat};
    RecordingInsertion rec;
    std::unique_ptr<CustomTagsArea> area;

    Fixture() {
        area = std::make_unique<CustomTagsArea>(
            shell, rec.operations(), specials,
            CustomTagsWidgets{w.powerBook,
                              {w.toolPages[MainWidgets::Custom1], w.toolPages[MainWidgets::Custom2],
                               w.toolPages[MainWidgets::Custom3],
                               w.toolPages[MainWidgets::Custom4]},
                              w.toolPages[MainWidgets::Special]},
            a);
        shell.addArea(area.get());
        // The tool pages are usable with a document open.
        openDocument();
    }
    ~Fixture() { area.reset(); }

    // The start-up steps of the area, as the window runs them.
    void start() {
        area->created();
        area->firstShow();
        shell.updateMenuStates();
    }
    QAction *subMenu(int index) { return a.tagMenus[index]->menuAction(); }
    int customTab(int page) { return MainWidgets::Custom1 + page; }
};

} // namespace

class TestCustomTagsArea : public QObject {
    Q_OBJECT
private slots:
    void shippedFilesBuildTheFourPages() {
        if (qEnvironmentVariableIsEmpty("QUILMEAD_SOURCE_DIR"))
            QSKIP("QUILMEAD_SOURCE_DIR is not set (run through CTest)");
        Fixture f;
        for (int p = 0; p < kCustomPages; ++p)
            f.program.write(buttonFileName(p), shipped(buttonFileName(p)));
        f.start();
        QCOMPARE(f.ui.asked().size(), 0);
        for (int p = 0; p < kCustomPages; ++p) {
            const ButtonLayout layout =
                layoutButtons(DataFile::read(f.program.file(buttonFileName(p))).lines);
            CustomButtonPage &page = f.area->customPage(p);
            int visible = 0;
            for (int i = 0; i < kButtonSlots; ++i) {
                QToolButton *b = page.button(i);
                QCOMPARE(b->parentWidget(), f.w.toolPages[MainWidgets::Custom1 + p]);
                QCOMPARE(shown(b), layout.buttons.at(i).visible);
                QCOMPARE(b->geometry(),
                         QRect(layout.buttons.at(i).left, 0, layout.buttons.at(i).width, 26));
                if (shown(b)) {
                    ++visible;
                    QVERIFY2(b->isEnabled(), qPrintable(b->text()));
                }
            }
            QVERIFY2(visible >= 5, qPrintable(buttonFileName(p)));
        }
        // A missing file leaves its page empty without a word.
        Fixture empty;
        empty.start();
        QCOMPARE(empty.ui.asked().size(), 0);
        QVERIFY(!shown(empty.area->customPage(3).button(0)));
    }

    void buttonInsertsThroughItsKind_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("call");
        QTest::newRow("as is, first page") << 0 << "BR|<BR CLEAR=\"all\">|0|0"
                                           << "asis:<BR CLEAR=\"all\">";
        QTest::newRow("even, second page") << 1 << "B|B|1|0"
                                           << "even:B";
        QTest::newRow("uneven, fourth page") << 3 << "DL|<DL>..</DL> - definition list|2|0"
                                             << "uneven:<DL>..</DL> - definition list";
    }
    void buttonInsertsThroughItsKind() {
        QFETCH(int, page);
        QFETCH(QString, line);
        QFETCH(QString, call);
        Fixture f;
        // Slot 1 of the page holds the button; an unknown kind in slot 0 is
        // shown but cannot be pressed.
        f.program.write(buttonFileName(page), ("Q|Q|7|0\r\n" + line + "\r\n").toUtf8());
        f.start();
        CustomButtonPage &buttons = f.area->customPage(page);
        QVERIFY(shown(buttons.button(1)));
        QVERIFY(shown(buttons.button(0)));
        QVERIFY(!buttons.button(0)->isEnabled());
        buttons.button(1)->click();
        QCOMPARE(f.rec.calls, QStringList{call});
    }

    void tagMenusLoadAndEmptyOnesStayDisabled() {
        Fixture f;
        f.program.write("blkhlght.mnu", "b\r\nA\r\na\r\n");
        // textattr.mnu is missing; usercode.mnu holds binary bytes.
        f.program.write("usercode.mnu", QByteArray("B\n\0\0", 4));
        f.openDocument(false);
        f.start();
        QCOMPARE(f.ui.messageTexts(), QStringList{"Exception occured during LoadMenu!"});
        QMenu *block = f.a.tagMenus[0];
        QCOMPARE(block->actions().size(), 2);
        QCOMPARE(block->actions().at(0)->text(), QString("A"));
        QCOMPARE(block->actions().at(1)->text(), QString("b"));

        // Without a document every sub-menu is off.
        for (int i = 0; i < 3; ++i)
            QVERIFY(!f.subMenu(i)->isEnabled());
        f.openDocument();
        f.shell.updateMenuStates();
        QVERIFY(f.subMenu(0)->isEnabled());
        QVERIFY(!f.subMenu(1)->isEnabled());
        QVERIFY(!f.subMenu(2)->isEnabled());

        block->actions().at(0)->trigger();
        QCOMPARE(f.rec.calls, QStringList{"menu:A"});
    }

    void shippedTagMenusAreLive() {
        if (qEnvironmentVariableIsEmpty("QUILMEAD_SOURCE_DIR"))
            QSKIP("QUILMEAD_SOURCE_DIR is not set (run through CTest)");
        Fixture f;
        for (const char *name : {"blkhlght.mnu", "textattr.mnu", "usercode.mnu"})
            f.program.write(name, shipped(name));
        f.start();
        QCOMPARE(f.ui.asked().size(), 0);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.subMenu(i)->isEnabled());
            QVERIFY(f.a.tagMenus[i]->actions().size() >= 5);
        }
    }

    void dialogEntriesServeWithoutADocument() {
        Fixture f;
        f.openDocument(false);
        f.start();
        for (QAction *x : {f.a.customizeButtons, f.a.modifyMenuTags, f.a.specialCharacters}) {
            QVERIFY(!MainActions::isPending(x));
            QVERIFY2(x->isEnabled(), qPrintable(x->text()));
        }
    }

    void customizeButtonsRebuildsThePages() {
        Fixture f;
        f.program.write("page1.btn", "B|B|1|0\r\n");
        f.w.powerBook->setPageText(f.customTab(1), "Mine");
        f.start();
        bool opened = false;
        whenDialogOpens([&](QDialog *d) {
            opened = true;
            auto *form = qobject_cast<CustomButtonForm *>(d);
            QVERIFY(form);
            QCOMPARE(form->objectName(), QString("TCustomButtonForm"));
            QCOMPARE(form->pages()->tabText(1), QString("Mine"));
            form->pages()->setTabText(2, "Third");
            // The second slot of the first page becomes an "I" button.
            form->slotButton(0, 1)->click();
            child<QLineEdit>(form, "ButtonCaption")->setText("I");
            child<QLineEdit>(form, "ButtonSource")->setText("I");
            child<QRadioButton>(form, "InsertStyle1")->setChecked(true);
            child<QPushButton>(form, "AssignBtn")->click();
            child<QPushButton>(form, "OKBtn")->click();
        });
        f.a.customizeButtons->trigger();
        QVERIFY(opened);
        QCOMPARE(f.w.powerBook->pageText(f.customTab(1)), QString("Mine"));
        QCOMPARE(f.w.powerBook->pageText(f.customTab(2)), QString("Third"));
        CustomButtonPage &page = f.area->customPage(0);
        QVERIFY(shown(page.button(1)));
        QCOMPARE(page.button(1)->text(), QString("I"));
        page.button(1)->click();
        QCOMPARE(f.rec.calls, QStringList{"even:I"});
        QCOMPARE(DataFile::read(f.program.file("page1.btn")).lines.mid(0, 2),
                 QStringList({"B|B|1|0", "I|I|1|0"}));
    }

    void modifyMenuTagsReloadsTheMenus() {
        Fixture f;
        f.program.write("blkhlght.mnu", "B - bold\r\n");
        f.start();
        QVERIFY(!f.subMenu(2)->isEnabled()); // usercode.mnu is missing
        bool opened = false;
        whenDialogOpens([&](QDialog *d) {
            opened = true;
            auto *form = qobject_cast<UserCodeForm *>(d);
            QVERIFY(form);
            QCOMPARE(form->objectName(), QString("TUserCodeForm"));
            QCOMPARE(form->editor(0)->toPlainText(), QString("B - bold"));
            form->editor(2)->setPlainText("STRONG - strong emphasis\nEM - emphasis\nem - Emphasis");
            child<QPushButton>(form, "OkBtn")->click();
        });
        f.a.modifyMenuTags->trigger();
        QVERIFY(opened);
        QCOMPARE(f.a.tagMenus[0]->actions().size(), 1); // reloaded, not doubled
        QStringList entries;
        for (QAction *x : f.a.tagMenus[2]->actions())
            entries << x->text();
        QCOMPARE(entries, QStringList({"EM - emphasis", "STRONG - strong emphasis"}));
        QVERIFY(f.subMenu(2)->isEnabled());
        f.a.tagMenus[2]->actions().at(1)->trigger();
        QCOMPARE(f.rec.calls, QStringList{"menu:STRONG - strong emphasis"});
    }

    void specialPageStartsWithTheDefaultSet() {
        Fixture f;
        f.start();
        QVERIFY(f.specials.value("SpecialCharacters/Setup").toInt() == 1);
        SpecialPage &page = f.area->specialPage();
        const QStringList captions = {"©", "®", "™", "¼", "½", "¾", "§", "<", ">", "&&"};
        for (int i = 0; i < kSpecialButtons; ++i) {
            QToolButton *b = page.button(i);
            QCOMPARE(b->parentWidget(), f.w.toolPages[MainWidgets::Special]);
            QCOMPARE(shown(b), i < 10);
            if (i < 10)
                QCOMPARE(b->text(), captions.at(i));
        }
        page.button(9)->click();
        page.button(0)->click();
        QCOMPARE(f.rec.calls, QStringList({"text:&amp;", "text:&#169;"}));
    }

    void specialCharactersRebuildsThePage() {
        Fixture f;
        f.start();
        bool opened = false;
        whenDialogOpens([&](QDialog *d) {
            opened = true;
            auto *form = qobject_cast<SpecCharForm *>(d);
            QVERIFY(form);
            QCOMPARE(form->objectName(), QString("TSpecCharForm"));
            QCOMPARE(form->codeField(2)->text(), QString("&#153;"));
            form->codeField(2)->clear(); // frees slot 3
            form->characterField(12)->setText("¢");
            form->codeField(12)->setText("&#162;");
            child<QPushButton>(form, "OKBtn")->click();
        });
        f.a.specialCharacters->trigger();
        QVERIFY(opened);
        SpecialPage &page = f.area->specialPage();
        QVERIFY(!shown(page.button(2)));
        QVERIFY(shown(page.button(12)));
        QCOMPARE(page.button(12)->text(), QString("¢"));
        page.button(12)->click();
        QCOMPARE(f.rec.calls, QStringList{"text:&#162;"});
        QCOMPARE(f.specials.value("SpecialCharacters/Spec3").toString(), QString("|"));
    }

    void hintsFollowTheSetting() {
        Fixture f;
        f.program.write("page1.btn", "B|B|1|0\r\n");
        f.settings.showHints = true;
        f.start();
        QToolButton *custom = f.area->customPage(0).button(0);
        QToolButton *special = f.area->specialPage().button(0);
        QVERIFY(custom->toolTip().contains("B"));
        QVERIFY(special->toolTip().contains("&amp;#169;"));

        f.a.showHints->setChecked(false); // "&Show Hints" switched off
        QVERIFY(custom->toolTip().isEmpty());
        QVERIFY(special->toolTip().isEmpty());
        QCOMPARE(custom->statusTip(), QString("B"));

        f.settings.showHints = true; // the settings changed
        f.area->settingsChanged();
        QVERIFY(!custom->toolTip().isEmpty());
        QVERIFY(!special->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestCustomTagsArea)
#include "test_customtagsarea.moc"
