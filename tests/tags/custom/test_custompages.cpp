// The buttons of the custom pages and the Special page, and the tag menus,
// on real widgets with recorded insertions.

#include "recordinginsertion.h"
#include "scripteduserinteraction.h"
#include "tags/custom/ui/custombuttonpage.h"
#include "tags/custom/ui/specialpage.h"
#include "tags/custom/ui/tagmenus.h"
#include "testfolder.h"

#include <QMenu>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

namespace {
const QString kReassignFailed = QStringLiteral("Exception occured during ReassignButtons!");

int visibleButtons(const CustomButtonPage &page) {
    int n = 0;
    for (int i = 0; i < kButtonSlots; ++i)
        n += page.button(i)->isVisibleTo(page.button(i)->parentWidget()) ? 1 : 0;
    return n;
}
} // namespace

class TestCustomPages : public QObject {
    Q_OBJECT
private slots:
    void threeLineFileShowsItsButtons() {
        QWidget page;
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        CustomButtonPage buttons(&page, rec.operations(), ui);
        QVERIFY(buttons.createButtons());
        QCOMPARE(visibleButtons(buttons), 0);
        QVERIFY(buttons.reassignButtons({"B|B|1|0", "||0|0", "BR|<BR CLEAR=\"all\">|0|0"}));
        QCOMPARE(visibleButtons(buttons), 2);
        QCOMPARE(ui.asked().size(), 0);
        QCOMPARE(buttons.button(2)->geometry(), QRect(60, 0, 30, 26));
        QCOMPARE(buttons.button(2)->text(), QString("BR"));
        QCOMPARE(buttons.button(2)->statusTip(), QString("<BR CLEAR=\"all\">"));
        QCOMPARE(buttons.button(2)->property("tag").toInt(), 2);
        QVERIFY(buttons.button(2)->toolTip().isEmpty()); // hints are off

        buttons.button(0)->click();
        buttons.button(2)->click();
        QCOMPARE(rec.calls, QStringList({"even:B", "asis:<BR CLEAR=\"all\">"}));

        buttons.setShowHints(true);
        QVERIFY(buttons.button(2)->toolTip().contains("&lt;BR CLEAR=&quot;all&quot;&gt;"));
    }

    void kindsOfButtons() {
        QWidget page;
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        CustomButtonPage buttons(&page, rec.operations(), ui);
        buttons.createButtons();
        buttons.reassignButtons({"UL|<UL><LI>..</UL> - bulleted list|2|0", "A&B|AB|1|0"});
        buttons.button(0)->click();
        buttons.button(1)->click();
        QCOMPARE(rec.calls, QStringList({"uneven:<UL><LI>..</UL> - bulleted list", "even:AB"}));
        // An ampersand in a caption is shown, not taken as an accelerator.
        QCOMPARE(buttons.button(1)->text(), QString("A&&B"));
    }

    void arrowButtonOffersVariants() {
        QWidget page;
        page.resize(600, 40);
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        CustomButtonPage buttons(&page, rec.operations(), ui);
        buttons.createButtons();
        QVERIFY(buttons.reassignButtons({"***|xx|0|0", "H1|H1|1|0", "***||0|1", "BR|BR|0|0"}));
        QToolButton *arrow = buttons.button(0);
        QCOMPARE(arrow->geometry(), QRect(12, 0, 19, 26));
        QCOMPARE(arrow->arrowType(), Qt::DownArrow);
        QVERIFY(arrow->text().isEmpty());
        QCOMPARE(buttons.slotAt(0).hint, QString("H1"));

        page.show();
        arrow->click();
        QMenu *menu = buttons.dropDownMenu();
        QTRY_VERIFY(menu->isVisible());
        QStringList entries;
        for (QAction *a : menu->actions())
            entries << a->text();
        QCOMPARE(entries, QStringList({"<H1></H1>", "<H1 ALIGN=\"left\"></H1>",
                                       "<H1 ALIGN=\"center\"></H1>", "<H1 ALIGN=\"right\"></H1>"}));
        menu->actions().at(2)->trigger();
        menu->hide();
        buttons.button(1)->click();
        buttons.button(2)->click();
        buttons.dropDownMenu()->actions().at(2)->trigger();
        buttons.dropDownMenu()->hide();
        QCOMPARE(rec.calls, QStringList({"caption:<H1 ALIGN=\"center\"></H1>", "even:H1",
                                         "text:<BR CLEAR=\"all\">"}));
    }

    void malformedLineKeepsTheRest() {
        QWidget page;
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        CustomButtonPage buttons(&page, rec.operations(), ui);
        buttons.createButtons();
        buttons.reassignButtons({"B|B|1|0", "I|I|1|0", "U|U|1|0", "S|S|1|0"});
        QVERIFY(!buttons.reassignButtons({"X|X|0|0", "Y|Y|bad|0", "Z|Z|0|0"}));
        QCOMPARE(ui.messageTexts(), QStringList({kReassignFailed}));
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(buttons.button(0)->text(), QString("X"));
        QCOMPARE(buttons.button(1)->text(), QString("I"));
        QCOMPARE(buttons.button(2)->text(), QString("U"));
        QCOMPARE(visibleButtons(buttons), 4);
        buttons.button(1)->click();
        QCOMPARE(rec.calls, QStringList({"even:I"}));
    }

    void filesOfButtons() {
        TestFolder dir;
        QWidget page;
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        CustomButtonPage buttons(&page, rec.operations(), ui);
        buttons.createButtons();
        QVERIFY(buttons.reassignFromFile(dir.file("page1.btn"))); // missing: empty
        QCOMPARE(visibleButtons(buttons), 0);
        QVERIFY(buttons.reassignFromFile(dir.write("page1.btn", "B|B|1|0\rI|I|1|0\r")));
        QCOMPARE(visibleButtons(buttons), 2);
        // Binary junk after a good line.
        QVERIFY(
            !buttons.reassignFromFile(dir.write("page1.btn", QByteArray("U|U|1|0\n\0\0\0", 11))));
        QCOMPARE(buttons.button(0)->text(), QString("U"));
        QCOMPARE(buttons.button(1)->text(), QString("I"));
        QCOMPARE(ui.messageTexts(), QStringList({kReassignFailed}));
    }

    void specialPageFirstStart() {
        TestFolder dir;
        QSettings settings(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore store(settings);
        QWidget page;
        QStringList inserted;
        SpecialPage special(&page, [&](const QString &text) { inserted << text; });
        special.createButtons();
        special.reassign(store);
        QVERIFY(store.isSetup());
        const QStringList captions = {"©", "®", "™", "¼", "½", "¾", "§", "<", ">", "&&"};
        for (int i = 0; i < kSpecialButtons; ++i) {
            QToolButton *b = special.button(i);
            QCOMPARE(b->objectName(), QString("SpecialChar%1").arg(i + 1));
            QCOMPARE(b->isVisibleTo(&page), i < 10);
            QCOMPARE(b->geometry(), QRect(25 * i, 0, 25, 25));
            if (i < 10)
                QCOMPARE(b->text(), captions.at(i));
        }
        QCOMPARE(special.button(0)->font().family(), QString("Arial"));
        QCOMPARE(special.button(0)->font().pointSize(), 11);
        special.button(9)->click();
        special.button(0)->click();
        QCOMPARE(inserted, QStringList({"&amp;", "&#169;"}));

        // Freeing slot 3 hides the trade mark button at the next rebuild.
        store.setValue(3, "|");
        special.reassign(store);
        QVERIFY(!special.button(2)->isVisibleTo(&page));
        QVERIFY(special.button(3)->isVisibleTo(&page));
    }

    void tagMenusLoadSortedAndReload() {
        TestFolder dir;
        dir.write("blkhlght.mnu", "b\r\nA\r\na\r\n");
        dir.write("textattr.mnu",
                  "STRONG - strong emphasis\r\n<UL><LI>..</UL> - bulleted list\r\n");
        QMenu block, text, user;
        ScriptedUserInteraction ui;
        RecordingInsertion rec;
        TagMenus menus({&block, &text, &user}, dir.path(), rec.operations().address1Click, ui);
        menus.loadAll();
        QCOMPARE(ui.asked().size(), 0); // usercode.mnu is missing: nothing said
        QCOMPARE(block.actions().size(), 2);
        QCOMPARE(block.actions().at(0)->text(), QString("A"));
        QCOMPARE(block.actions().at(1)->text(), QString("b"));
        QCOMPARE(user.actions().size(), 0);
        text.actions().at(0)->trigger();
        text.actions().at(1)->trigger();
        QCOMPARE(rec.calls, QStringList({"menu:<UL><LI>..</UL> - bulleted list",
                                         "menu:STRONG - strong emphasis"}));

        dir.write("usercode.mnu", "&nbsp; - space\n");
        menus.reloadAll();
        QCOMPARE(block.actions().size(), 2);
        QCOMPARE(user.actions().at(0)->text(), QString("&&nbsp; - space"));
        menus.clearMenu(0);
        QVERIFY(block.actions().isEmpty());
    }

    void unreadableMenuFile() {
        TestFolder dir;
        dir.write("usercode.mnu", QByteArray("B\n\0\0", 4));
        QMenu block, text, user;
        ScriptedUserInteraction ui;
        TagMenus menus({&block, &text, &user}, dir.path(), nullptr, ui);
        QVERIFY(!menus.loadMenu(menus.filePath(2), 2));
        QCOMPARE(ui.messageTexts(), QStringList({"Exception occured during LoadMenu!"}));
        QVERIFY(user.actions().isEmpty());
    }
};

QTEST_MAIN(TestCustomPages)
#include "test_custompages.moc"
