#include "publish/ftpclient.h"

#include <QtTest>

class TestFtpReplies : public QObject {
    Q_OBJECT
private slots:
    void replyNumber_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << QByteArray("220 Ready\r\n") << 220;
        QTest::newRow("continued") << QByteArray("230-Welcome\r\n") << 230;
        QTest::newRow("no text") << QByteArray("226\r\n") << 226;
        QTest::newRow("garbage") << QByteArray("HELLO\r\n") << 0;
        QTest::newRow("blank first") << QByteArray(" 220 x\r\n") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("ten digits at most") << QByteArray("12345678901 x") << 1234567890;
        QTest::newRow("ten nines stay positive") << QByteArray("9999999999") << INT_MAX;
    }
    void replyNumber() {
        QFETCH(QByteArray, line);
        QFETCH(int, number);
        QCOMPARE(SockClient::replyNumberOf(line), number);
    }

    // Only a code from 100 to 599, followed by a blank, a dash or the line
    // end, makes a reply.
    void validReply_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << QByteArray("220 Ready\r\n") << true;
        QTest::newRow("opens a multi-line reply") << QByteArray("230-Welcome\r\n") << true;
        QTest::newRow("code and line end only") << QByteArray("226\r\n") << true;
        QTest::newRow("lowest") << QByteArray("100 x\r\n") << true;
        QTest::newRow("highest") << QByteArray("599 x\r\n") << true;
        QTest::newRow("below 100") << QByteArray("099 x\r\n") << false;
        QTest::newRow("above 599") << QByteArray("999 x\r\n") << false;
        QTest::newRow("600") << QByteArray("600 x\r\n") << false;
        QTest::newRow("letters") << QByteArray("abc x\r\n") << false;
        QTest::newRow("four digits") << QByteArray("2300 x\r\n") << false;
        QTest::newRow("two digits") << QByteArray("23") << false;
        QTest::newRow("blank first") << QByteArray(" 220 x\r\n") << false;
        QTest::newRow("letter after the code") << QByteArray("220x\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void validReply() {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        QCOMPARE(FtpClient::isValidReply(line), valid);
    }

    void continuation_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<bool>("continues");
        QTest::newRow("single line")
            << QByteArray("220 Ready\r\n") << QByteArray("220 Ready\r\n") << false;
        QTest::newRow("dash opens") << QByteArray("220-Hi\r\n") << QByteArray("220-Hi\r\n") << true;
        QTest::newRow("dash line inside")
            << QByteArray("220-Hi\r\n") << QByteArray("220-More\r\n") << true;
        QTest::newRow("closing line")
            << QByteArray("220-Hi\r\n") << QByteArray("220 End\r\n") << false;
        QTest::newRow("closing line without text")
            << QByteArray("220-Hi\r\n") << QByteArray("220\r\n") << false;
        QTest::newRow("blank-led line inside")
            << QByteArray("220-Hi\r\n") << QByteArray(" indented\r\n") << true;
        QTest::newRow("free text inside")
            << QByteArray("220-Hi\r\n") << QByteArray("Plain words\r\n") << true;
        QTest::newRow("other code inside")
            << QByteArray("220-Hi\r\n") << QByteArray("230 x\r\n") << true;
        QTest::newRow("garbage single line")
            << QByteArray("HELLO\r\n") << QByteArray("HELLO\r\n") << false;
        QTest::newRow("garbage with a dash")
            << QByteArray("abc-\r\n") << QByteArray("abc-\r\n") << true;
        QTest::newRow("garbage opener ends at next plain line")
            << QByteArray("abc-\r\n") << QByteArray("words\r\n") << false;
    }
    void continuation() {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, current);
        QFETCH(bool, continues);
        QCOMPARE(FtpClient::continuesReply(first, current), continues);
    }

    void portArgument_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("argument");
        QTest::newRow("private network") << "192.168.1.2" << 5001 << "192,168,1,2,19,137";
        QTest::newRow("loopback, low port") << "127.0.0.1" << 1031 << "127,0,0,1,4,7";
        QTest::newRow("port below 256") << "10.0.0.5" << 21 << "10,0,0,5,0,21";
        QTest::newRow("highest port") << "255.255.255.255" << 65535 << "255,255,255,255,255,255";
        QTest::newRow("mapped IPv4") << "::ffff:10.1.2.3" << 256 << "10,1,2,3,1,0";
    }
    void portArgument() {
        QFETCH(QString, address);
        QFETCH(int, port);
        QFETCH(QString, argument);
        QCOMPARE(SockClient::addressText(QHostAddress(address)) +
                     SockClient::portText(quint16(port)),
                 argument);
    }

    void decodeLines() {
        QCOMPARE(SockClient::decode("250 Gr\xc3\xbc\xc3\x9f"
                                    "e\r\n"),
                 QString::fromUtf8("250 Grüße\r\n"));
        QCOMPARE(SockClient::decode("250 Gr\xfc\xdf"
                                    "e\r\n"),
                 QString::fromUtf8("250 Grüße\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestFtpReplies)
#include "test_ftpreplies.moc"
