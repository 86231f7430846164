// The three dialogs, driven through their controls: "Custom Button Setup",
// "Definable Tags" and "Special Characters".

#include "scripteduserinteraction.h"
#include "tags/custom/datafile.h"
#include "tags/custom/ui/custombuttonform.h"
#include "tags/custom/ui/speccharform.h"
#include "tags/custom/ui/usercodeform.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {
template <class T> T *child(QWidget *parent, const QString &name) {
    T *w = parent->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

const std::array<QString, kCustomPages> kCaptions = {"Custom 1", "Custom 2", "Custom 3",
                                                     "Custom 4"};

struct SetupFixture {
    TestFolder dir;
    ScriptedUserInteraction ui;
    std::unique_ptr<CustomButtonForm> form;
    QStringList saved; // "page:caption" handed back by OK

    void open() {
        form = std::make_unique<CustomButtonForm>(dir.path(), kCaptions, ui);
        form->setPageSaved([this](int page, const QString &caption) {
            saved << QString::number(page) + ':' + caption;
        });
        form->show();
    }
    QLineEdit *caption() { return child<QLineEdit>(form.get(), "ButtonCaption"); }
    QLineEdit *source() { return child<QLineEdit>(form.get(), "ButtonSource"); }
    QCheckBox *dropType() { return child<QCheckBox>(form.get(), "IsDropType"); }
    QGroupBox *insertStyle() { return child<QGroupBox>(form.get(), "InsertStyle"); }
    QGroupBox *dropStyle() { return child<QGroupBox>(form.get(), "Dropdownstyle"); }
    QRadioButton *radio(const QString &name) { return child<QRadioButton>(form.get(), name); }
    void press(const char *name) { child<QPushButton>(form.get(), name)->click(); }
    void choose(int page, int slot) {
        form->pages()->setCurrentIndex(page);
        form->slotButton(page, slot)->click();
    }
};
} // namespace

class TestCustomDialogs : public QObject {
    Q_OBJECT
private slots:
    void setupOpensWithEveryPageFilled() {
        SetupFixture f;
        f.dir.write("page1.btn", "B|B|1|0\r\n***|x|0|1\r\nBR|BR|0|0\r\n");
        f.open();
        QCOMPARE(f.form->objectName(), QString("TCustomButtonForm"));
        QCOMPARE(f.form->windowTitle(), QString("Custom Button Setup"));
        QCOMPARE(f.form->pages()->count(), 4);
        QCOMPARE(f.form->pages()->tabText(3), QString("Custom 4"));
        for (int p = 0; p < kCustomPages; ++p) {
            for (int i = 0; i < kButtonSlots; ++i) {
                QToolButton *b = f.form->slotButton(p, i);
                QVERIFY(b->isVisibleTo(b->parentWidget())); // free slots too, to be chosen
                QCOMPARE(b->geometry().size(), QSize(25, 25));
                QVERIFY(!b->isChecked());
            }
        }
        QCOMPARE(f.form->slotButton(0, 1)->text(), QString("***"));
        QCOMPARE(f.form->slotButton(0, 0)->statusTip(), QString("B"));
        QCOMPARE(f.form->chosenSlot(), -1);
        QVERIFY(f.dropStyle()->isHidden());
        QVERIFY(child<QCheckBox>(f.form.get(), "TabWarning")->isChecked());
        QCOMPARE(f.caption()->maxLength(), 3);
        QVERIFY(!child<QPushButton>(f.form.get(), "AssignBtn")->isEnabled());
    }

    void choosingShowsTheButtonsLine() {
        SetupFixture f;
        f.dir.write("page1.btn",
                    "DL|<DL>..</DL> - definition list|2|0\r\n***|x|0|1\r\nBR|BR|0|0\r\n");
        f.open();
        f.choose(0, 0);
        QCOMPARE(f.form->chosenSlot(), 0);
        QVERIFY(!f.dropType()->isChecked());
        QCOMPARE(f.caption()->text(), QString("DL"));
        QCOMPARE(f.source()->text(), QString("<DL>..</DL> - definition list"));
        QVERIFY(f.radio("InsertStyle2")->isChecked());

        f.form->slotButton(0, 1)->click();
        QVERIFY(f.dropType()->isChecked());
        QVERIFY(f.insertStyle()->isHidden());
        QVERIFY(!f.dropStyle()->isHidden());
        QVERIFY(!f.caption()->isEnabled());
        QCOMPARE(f.caption()->text(), QString("***"));
        QVERIFY(f.radio("Dropdownstyle1")->isChecked());
        QVERIFY(!f.form->slotButton(0, 0)->isChecked());
        QVERIFY(f.form->slotButton(0, 1)->isChecked());

        // A free slot: empty fields count as 0.
        f.form->slotButton(0, 5)->click();
        QVERIFY(!f.dropType()->isChecked());
        QVERIFY(f.caption()->isEnabled());
        QCOMPARE(f.caption()->text(), QString());
        QVERIFY(f.radio("InsertStyle0")->isChecked());

        // Ticking by hand makes an arrow; clearing empties the caption again.
        f.dropType()->click();
        QCOMPARE(f.caption()->text(), QString("***"));
        f.dropType()->click();
        QCOMPARE(f.caption()->text(), QString());
        QVERIFY(f.caption()->isEnabled());
    }

    void assignOnTheFourthPageAndSave() {
        SetupFixture f;
        f.dir.write("page4.btn", "B|B|1|0\r\n");
        f.open();
        f.choose(3, 2);
        QTest::keyClicks(f.caption(), "Str|ONG");
        QCOMPARE(f.caption()->text(), QString("Str")); // three characters, no "|"
        QTest::keyClicks(f.source(), "STR|ONG");
        QCOMPARE(f.source()->text(), QString("STRONG"));
        f.radio("InsertStyle1")->click();
        f.press("AssignBtn");
        QCOMPARE(f.form->chosenSlot(), -1);
        QVERIFY(!f.form->slotButton(3, 2)->isChecked());
        QCOMPARE(f.form->slotButton(3, 2)->text(), QString("Str"));
        QCOMPARE(f.caption()->text(), QString());
        QCOMPARE(f.source()->text(), QString());
        QVERIFY(f.form->setup().modified());
        QVERIFY(!QFile::exists(f.dir.file("page4.btn")) ||
                !TestFolder::read(f.dir.file("page4.btn")).contains("STRONG"));

        f.press("OKBtn");
        QCOMPARE(f.form->result(), int(QDialog::Accepted));
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.saved, QStringList({"0:Custom 1", "1:Custom 2", "2:Custom 3", "3:Custom 4"}));
        const QStringList fourth = DataFile::read(f.dir.file("page4.btn")).lines;
        QCOMPARE(fourth.size(), kButtonSlots);
        QCOMPARE(fourth.at(0), QString("B|B|1|0"));
        QCOMPARE(fourth.at(2), QString("Str|STRONG|1|0"));
        QCOMPARE(DataFile::read(f.dir.file("page1.btn")).lines, QStringList(19, "||0|0"));
        QCOMPARE(f.ui.asked().size(), 0);

        // Opened again, the dialog shows what OK wrote.
        SetupFixture again;
        again.form = std::make_unique<CustomButtonForm>(f.dir.path(), kCaptions, again.ui);
        for (int p = 0; p < kCustomPages; ++p)
            QCOMPARE(again.form->setup().lines(p), f.form->setup().lines(p));
    }

    void assignAnArrow() {
        SetupFixture f;
        f.open();
        f.choose(1, 0);
        f.dropType()->click();
        f.source()->setText("H2");
        f.radio("Dropdownstyle1")->click();
        f.press("AssignBtn");
        QCOMPARE(f.form->setup().lines(1).at(0), QString("***|H2|0|1"));
    }

    void changingTabsWithAChosenButton() {
        SetupFixture f;
        f.dir.write("page1.btn", "B|B|1|0\r\n");
        f.open();
        f.choose(0, 0);
        f.ui.answerMessage(Msg::ResultCancel);
        f.form->pages()->setCurrentIndex(2);
        QCOMPARE(f.ui.messageTexts(),
                 QStringList({"Change Button tabs without Assigning properties?"}));
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Ok | Msg::Cancel));
        QCOMPARE(f.form->pages()->currentIndex(), 0);
        QCOMPARE(f.form->chosenSlot(), 0);
        QCOMPARE(f.caption()->text(), QString("B"));

        f.ui.answerMessage(Msg::ResultOk);
        f.form->pages()->setCurrentIndex(2);
        QCOMPARE(f.form->pages()->currentIndex(), 2);
        QCOMPARE(f.form->chosenSlot(), -1);
        QVERIFY(!f.form->slotButton(0, 0)->isChecked());
        QCOMPARE(f.caption()->text(), QString());
        QVERIFY(f.radio("InsertStyle0")->isChecked());

        // Without the warning, or with nothing chosen, nothing is asked.
        f.form->pages()->setCurrentIndex(1);
        f.choose(1, 3);
        child<QCheckBox>(f.form.get(), "TabWarning")->click();
        f.form->pages()->setCurrentIndex(0);
        QCOMPARE(f.ui.asked().size(), 2);
        QCOMPARE(f.ui.unexpected(), 0);
    }

    void shiftClickRenamesTheTab() {
        SetupFixture f;
        f.open();
        QTabBar *bar = f.form->pages()->tabBar();
        f.ui.answerInput("Forms");
        QTest::mouseClick(bar, Qt::LeftButton, Qt::ShiftModifier, bar->tabRect(1).center());
        QCOMPARE(f.form->pages()->currentIndex(), 1);
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).caption, QString("Tab Caption"));
        QCOMPARE(f.ui.asked().at(0).text, QString("New Tab Caption"));
        QCOMPARE(f.form->pages()->tabText(1), QString("Forms"));
        // A plain click asks nothing; a cancelled box keeps the caption.
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
        f.ui.cancelInput();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::ShiftModifier, bar->tabRect(2).center());
        QCOMPARE(f.form->pages()->tabText(2), QString("Custom 3"));
        QCOMPARE(f.ui.asked().size(), 2);

        f.press("OKBtn");
        QVERIFY(f.saved.contains("1:Forms"));
    }

    void cancelAsksOnlyAfterAnAssign() {
        SetupFixture f;
        f.open();
        f.press("CancelBtn");
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.ui.asked().size(), 0);

        f.open();
        f.choose(0, 0);
        f.caption()->setText("X");
        f.press("AssignBtn");
        f.ui.answerMessage(Msg::ResultCancel);
        f.press("CancelBtn");
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.ui.messageTexts(), QStringList({"Abandon changes?"}));
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        f.ui.answerMessage(Msg::ResultOk);
        f.form->close();
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(f.dir.file("page1.btn")));
        QVERIFY(f.saved.isEmpty());
    }

    void okReportsAFileThatCannotBeWritten() {
        SetupFixture f;
        const QString first = f.dir.write("page1.btn", "B|B|1|0\r\n");
        QFile::setPermissions(first, QFile::ReadOwner | QFile::ReadUser);
        f.open();
        f.choose(0, 1);
        f.caption()->setText("I");
        f.source()->setText("I");
        f.press("AssignBtn");
        f.press("OKBtn");
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Message), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Error));
        QVERIFY(f.ui.asked().at(0).text.contains(first));
        QVERIFY(f.form->isVisible());
        QCOMPARE(TestFolder::read(first), QByteArray("B|B|1|0\r\n"));
        QVERIFY(QFile::exists(f.dir.file("page2.btn")));
    }

    void definableTags() {
        TestFolder dir;
        dir.write("blkhlght.mnu", "BLOCKQUOTE - quotation\r\nPRE - preformatted\r\n");
        dir.write("usercode.mnu", "b\nA\na\n");
        ScriptedUserInteraction ui;
        UserCodeForm form(dir.path(), ui);
        int reloads = 0;
        form.setMenusSaved([&] { ++reloads; });
        form.show();
        QCOMPARE(form.objectName(), QString("TUserCodeForm"));
        QCOMPARE(form.windowTitle(), QString("Definable Tags"));
        QCOMPARE(form.pages()->tabText(0), QString("Block Tags"));
        QCOMPARE(form.pages()->tabText(1), QString("Text Attributes"));
        QCOMPARE(form.pages()->tabText(2), QString("Additional Tags"));
        QCOMPARE(form.pages()->widget(1)->objectName(), QString("TextTags"));
        QCOMPARE(form.editor(0)->toPlainText(),
                 QString("BLOCKQUOTE - quotation\nPRE - preformatted"));
        QCOMPARE(form.editor(1)->toPlainText(), QString()); // no file
        QCOMPARE(form.editor(2)->toPlainText(), QString("b\nA\na"));

        // Close leaves everything as it was.
        child<QPushButton>(&form, "CloseBtn")->click();
        QCOMPARE(reloads, 0);
        QVERIFY(!QFile::exists(dir.file("textattr.mnu")));

        form.show();
        form.editor(1)->setPlainText("EM - emphasis\nSTRONG - strong emphasis\n");
        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(reloads, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(TestFolder::read(dir.file("textattr.mnu")),
                 QByteArray("EM - emphasis\r\nSTRONG - strong emphasis\r\n"));
        QCOMPARE(TestFolder::read(dir.file("usercode.mnu")), QByteArray("b\r\nA\r\na\r\n"));
        QCOMPARE(ui.asked().size(), 0);
    }

    void specialCharacters() {
        TestFolder dir;
        QSettings settings(dir.file("store.ini"), QSettings::IniFormat);
        SpecialCharacterStore store(settings);
        store.ensureSetup();
        store.setValue(12, "x|" + QString(30, 'y')); // longer than the field allows
        ScriptedUserInteraction ui;
        SpecCharForm form(store, ui);
        int rebuilds = 0;
        form.setSaved([&] { ++rebuilds; });
        form.show();
        QCOMPARE(form.objectName(), QString("TSpecCharForm"));
        QCOMPARE(form.windowTitle(), QString("Special Characters"));
        QCOMPARE(form.characterField(2)->text(), QString::fromUtf8("™"));
        QCOMPARE(form.codeField(2)->text(), QString("&#153;"));
        QCOMPARE(form.codeField(10)->text(), QString());
        QCOMPARE(form.codeField(10)->maxLength(), 20);
        QCOMPARE(form.characterField(10)->maxLength(), 1);
        QCOMPARE(form.codeField(11)->text(), QString(30, 'y'));

        // Cancel stores nothing.
        form.codeField(2)->clear();
        child<QPushButton>(&form, "CancelBtn")->click();
        QCOMPARE(store.value(3), QString::fromUtf8("™|&#153;"));
        QCOMPARE(rebuilds, 0);

        form.show();
        form.codeField(2)->clear();
        form.characterField(13)->setText(QString::fromUtf8("€"));
        form.codeField(13)->setText("&euro;");
        child<QPushButton>(&form, "OKBtn")->click();
        QCOMPARE(rebuilds, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(store.value(3), QString("|"));
        QVERIFY(!store.button(3).visible);
        QCOMPARE(store.value(14), QString::fromUtf8("€|&euro;"));
        QCOMPARE(store.value(12), "x|" + QString(30, 'y'));
        QCOMPARE(store.value(19), QString("|"));
        QCOMPARE(ui.asked().size(), 0);
    }
};

QTEST_MAIN(TestCustomDialogs)
#include "test_customdialogs.moc"
