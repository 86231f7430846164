#include "settings/colors.h"

#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT
private slots:
    void hexText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << "FF0000" << true << QColor(255, 0, 0);
        QTest::newRow("with hash") << "#00FF80" << true << QColor(0, 255, 128);
        QTest::newRow("hash in the middle") << "00#0FF" << true << QColor(0, 0, 255);
        QTest::newRow("lower case") << "c0c0c0" << true << QColor(192, 192, 192);
        QTest::newRow("empty is black") << "" << true << QColor(0, 0, 0);
        QTest::newRow("not hex") << "justify" << false << QColor();
    }
    void hexText() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QColor, color);
        QColor got;
        QCOMPARE(hexToColor(text, got), ok);
        if (ok)
            QCOMPARE(got, color);
    }

    void hexIsUpperCaseRedFirst() {
        QCOMPARE(colorToHex(QColor(255, 0, 0)), QString("FF0000"));
        QCOMPARE(colorToHex(QColor(10, 171, 205)), QString("0AABCD"));
    }

    void storeTextIsBlueGreenRedFromHigh() {
        QCOMPARE(colorToStoreText(QColor(0, 0, 255)), QString("16711680"));
        QCOMPARE(colorToStoreText(QColor(255, 255, 255)), QString("16777215"));
        QCOMPARE(colorFromStoreText("16711680"), QColor(0, 0, 255));
        QCOMPARE(colorFromStoreText("255"), QColor(255, 0, 0));
        QVERIFY(!colorFromStoreText("blue").isValid());
        QVERIFY(!colorFromStoreText("-5").isValid());
    }
};

QTEST_APPLESS_MAIN(TestColors)
#include "test_colors.moc"
