// The message dialog and the tip dialog, driven for real.

#include "app/tipbook.h"
#include "app/ui/aboutbox.h"
#include "app/ui/dialogdecorations.h"
#include "app/ui/messagewindow.h"
#include "app/ui/percentsplitter.h"
#include "app/ui/tipdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {

// Runs the dialog and, once it is up, calls `act` on it.
template <class D> int runWith(D &dialog, std::function<void(D &)> act) {
    QTimer::singleShot(0, &dialog, [&] { act(dialog); });
    return dialog.exec();
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageButtonsInOrderWithTitles() {
        MessageWindow box("Save /tmp/a.htm before closing?", Msg::Confirmation,
                          Msg::Cancel | Msg::No | Msg::Yes, "Quilmead 32");
        QCOMPARE(box.windowTitle(), QString("Confirm"));
        QStringList captions;
        for (QPushButton *b : box.findChildren<QPushButton *>())
            captions << b->text();
        QCOMPARE(captions, (QStringList{"&Yes", "&No", "Cancel"}));
        QVERIFY(static_cast<QPushButton *>(box.button(Msg::Yes))->isDefault());
        QCOMPARE(box.findChild<QLabel *>("Message")->text(),
                 QString("Save /tmp/a.htm before closing?"));
    }

    void messageResults_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press"); // 0 = Escape
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << (Msg::Yes | Msg::No | Msg::Cancel) << int(Msg::Yes) << 6;
        QTest::newRow("no") << (Msg::Yes | Msg::No | Msg::Cancel) << int(Msg::No) << 7;
        QTest::newRow("escape is cancel") << (Msg::Yes | Msg::No | Msg::Cancel) << 0 << 2;
        QTest::newRow("escape is no") << (Msg::Yes | Msg::No) << 0 << 7;
        QTest::newRow("escape is ok") << int(Msg::Ok) << 0 << 1;
        QTest::newRow("retry") << (Msg::Abort | Msg::Retry | Msg::Ignore) << int(Msg::Retry) << 4;
        QTest::newRow("all") << (Msg::All | Msg::Ok) << int(Msg::All) << 8;
    }
    void messageResults() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, result);
        MessageWindow box("text", Msg::Warning, buttons, "Quilmead 32");
        runWith<MessageWindow>(box, [press](MessageWindow &b) {
            if (press)
                b.button(Msg::Button(press))->click();
            else
                QTest::keyClick(&b, Qt::Key_Escape);
        });
        QCOMPARE(box.resultCode(), result);
    }

    void escapeWithoutEscapeButtonKeepsTheDialog() {
        MessageWindow box("text", Msg::Error, Msg::Abort | Msg::Retry, "Quilmead 32");
        runWith<MessageWindow>(box, [](MessageWindow &b) {
            QTest::keyClick(&b, Qt::Key_Escape);
            QVERIFY(b.isVisible());
            b.button(Msg::Abort)->click();
        });
        QCOMPARE(box.resultCode(), 3);
    }

    void helpOpensHelpAndStaysOpen() {
        MessageWindow box("text", Msg::Information, Msg::Ok | Msg::Help, "Quilmead 32");
        int helps = 0;
        connect(&box, &MessageWindow::helpRequested, this, [&] { ++helps; });
        runWith<MessageWindow>(box, [](MessageWindow &b) {
            b.button(Msg::Help)->click();
            QVERIFY(b.isVisible());
            QTest::keyClick(&b, Qt::Key_Return); // OK is the default
        });
        QCOMPARE(helps, 1);
        QCOMPARE(box.resultCode(), 1);
    }

    void customKindUsesTheApplicationTitle() {
        MessageWindow box("File opened in Read-Only mode", Msg::Custom, Msg::Ok, "Quilmead 32");
        QCOMPARE(box.windowTitle(), QString("Quilmead 32"));
    }

    void tipDialogWithoutTips() {
        const TipBook empty;
        TipDialog dialog(empty, TipDialog::Mode::Tip);
        runWith<TipDialog>(dialog, [](TipDialog &d) { d.accept(); });
        QCOMPARE(dialog.titleText(), QString("Oops..."));
        QCOMPARE(dialog.tipText(),
                 QString("Sorry, no tips are available. You can disable this message by unchecking "
                         "\"Show Tips at Startup\" at the bottom of this dialog. Alternatively, "
                         "re-install this program."));
        QVERIFY(!dialog.findChild<QPushButton *>("NextTip")->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton *>("PreviousTip")->isEnabled());
    }

    void tipDialogPagesThroughTips() {
        QStringList lines;
        for (int i = 0; i < 10; ++i)
            lines << QStringLiteral("?helper %1").arg(i + 1);
        lines << "^First tip%sSecond line"
              << "!A joke"
              << "#never shown";
        const TipBook book(lines);
        TipDialog dialog(book, TipDialog::Mode::Tip);
        dialog.setStartIndex(10);
        QCOMPARE(dialog.windowTitle(), QString("Tip of the day"));
        QCOMPARE(dialog.findChild<QCheckBox *>("ShowTips")->text(),
                 QString("Show Tips at Startup"));
        runWith<TipDialog>(dialog, [](TipDialog &d) {
            QCOMPARE(d.titleText(), QString("Today's tip..."));
            QCOMPARE(d.tipText(), QString("First tip\nSecond line"));
            d.findChild<QPushButton *>("NextTip")->click();
            QCOMPARE(d.titleText(), QString("Today's joke..."));
            d.findChild<QPushButton *>("NextTip")->click(); // the last line is never shown
            QCOMPARE(d.index(), 10);
            d.accept();
        });
    }

    void helperModeHidesPaging() {
        const TipBook book(QStringList{"?one"});
        TipDialog dialog(book, TipDialog::Mode::Helper);
        dialog.setFixedTip(TipBook::format("?one"));
        QCOMPARE(dialog.findChild<QCheckBox *>("ShowTips")->text(),
                 QString("Show Helper on next entry"));
        runWith<TipDialog>(dialog, [](TipDialog &d) {
            QVERIFY(!d.findChild<QPushButton *>("NextTip")->isVisible());
            QVERIFY(!d.findChild<QPushButton *>("PreviousTip")->isVisible());
            d.findChild<QCheckBox *>("ShowTips")->setChecked(false);
            d.accept();
        });
        QCOMPARE(dialog.tipText(), QString("one"));
        QVERIFY(!dialog.isChecked());
    }

    // Dialogs carry a title and a close button, no minimise or maximise.
    void dialogsHaveNoMinimiseOrMaximise() {
        DialogDecorations::install();
        QDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const Qt::WindowFlags flags = dialog.windowHandle()->flags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
    }

    void aboutBoxShowsItsTitleWhole() {
        AboutBox box;
        box.show();
        QVERIFY(box.width() > box.fontMetrics().horizontalAdvance(box.windowTitle()) * 2);
    }

    // A bar one per cent after the one before it hides the pane between
    // them (the frame preview takes the split preview's place so).
    void splitterBarJustAfterTheOtherHidesThePane() {
        PercentSplitter split(Qt::Vertical);
        for (int i = 0; i < 3; ++i)
            split.addWidget(new QWidget);
        split.resize(300, 500);
        split.show();
        split.setBarPercent(0, 50);
        split.setBarPercent(1, 51);
        QCOMPARE(split.sizes().at(1), 0);
        QVERIFY(split.sizes().at(0) > 0 && split.sizes().at(2) > 0);
        split.setBarPercent(1, 100);
        QVERIFY(split.sizes().at(1) > 0);
        QCOMPARE(split.sizes().at(2), 0);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
