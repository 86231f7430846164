#include "app/messagecodes.h"

#include <QtTest>

class TestMessageCodes : public QObject {
    Q_OBJECT
private slots:
    void buttonOrder_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("yes no cancel")
            << (Msg::Yes | Msg::No | Msg::Cancel) << QStringList{"&Yes", "&No", "Cancel"};
        QTest::newRow("cancel before ok in bits, ok first on screen")
            << (Msg::Cancel | Msg::Ok) << QStringList{"OK", "Cancel"};
        QTest::newRow("all of them")
            << 511 << QStringList{"&Yes",   "&No",     "OK",   "Cancel", "&Abort",
                                  "&Retry", "&Ignore", "&All", "&Help"};
        QTest::newRow("none") << 0 << QStringList{};
    }
    void buttonOrder() {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        QStringList got;
        for (const Msg::ButtonInfo &b : Msg::buttonsFor(buttons))
            got << b.caption;
        QCOMPARE(got, captions);
    }

    void defaultAndEscape_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("def");
        QTest::addColumn<int>("esc");
        QTest::newRow("ok cancel") << (Msg::Ok | Msg::Cancel) << int(Msg::Ok) << int(Msg::Cancel);
        QTest::newRow("yes no") << (Msg::Yes | Msg::No) << int(Msg::Yes) << int(Msg::No);
        QTest::newRow("yes no cancel")
            << (Msg::Yes | Msg::No | Msg::Cancel) << int(Msg::Yes) << int(Msg::Cancel);
        QTest::newRow("ok only") << int(Msg::Ok) << int(Msg::Ok) << int(Msg::Ok);
        QTest::newRow("abort retry ignore")
            << (Msg::Abort | Msg::Retry | Msg::Ignore) << int(Msg::Retry) << 0;
        QTest::newRow("ok and yes prefers ok")
            << (Msg::Ok | Msg::Yes) << int(Msg::Ok) << int(Msg::Ok);
    }
    void defaultAndEscape() {
        QFETCH(int, buttons);
        QFETCH(int, def);
        QFETCH(int, esc);
        QCOMPARE(int(Msg::defaultButton(buttons)), def);
        QCOMPARE(int(Msg::escapeButton(buttons)), esc);
    }

    void resultCodes() {
        QCOMPARE(Msg::resultOf(Msg::Yes), 6);
        QCOMPARE(Msg::resultOf(Msg::No), 7);
        QCOMPARE(Msg::resultOf(Msg::Ok), 1);
        QCOMPARE(Msg::resultOf(Msg::Cancel), 2);
        QCOMPARE(Msg::resultOf(Msg::Abort), 3);
        QCOMPARE(Msg::resultOf(Msg::Retry), 4);
        QCOMPARE(Msg::resultOf(Msg::Ignore), 5);
        QCOMPARE(Msg::resultOf(Msg::All), 8);
    }

    void titles() {
        QCOMPARE(Msg::titleFor(Msg::Warning, "Quilmead 32"), QString("Warning"));
        QCOMPARE(Msg::titleFor(Msg::Error, "Quilmead 32"), QString("Error"));
        QCOMPARE(Msg::titleFor(Msg::Information, "Quilmead 32"), QString("Information"));
        QCOMPARE(Msg::titleFor(Msg::Confirmation, "Quilmead 32"), QString("Confirm"));
        QCOMPARE(Msg::titleFor(Msg::Custom, "Quilmead 32"), QString("Quilmead 32"));
        QCOMPARE(Msg::exceptionText("ReadINI"), QString("Exception occured during ReadINI!"));
    }
};

QTEST_APPLESS_MAIN(TestMessageCodes)
#include "test_messagecodes.moc"
