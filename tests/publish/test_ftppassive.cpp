// Passive data connections and the start of an FTPS session against a
// scripted server: which command asks for the data port, where the client
// connects, and what a refusal or a nonsense reply ends with.

#include "fakeftpserver.h"
#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "testfolder.h"

#include <QtTest>

using Data = FakeFtpServer::Data;

namespace {
void setUp(FtpClient &client, const FakeFtpServer &server) {
    aimAtLocalServer(client, server.port(), QStringLiteral("tester"), QStringLiteral("s3cr3t"),
                     3000);
}

QList<QByteArray> verbs(const QList<QByteArray> &commands) {
    QList<QByteArray> result;
    for (const QByteArray &command : commands)
        result << command.split(' ').first();
    return result;
}
} // namespace

class TestFtpPassive : public QObject {
    Q_OBJECT
private slots:
    void replyParsing_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("port");
        QTest::newRow("EPSV") << QByteArray("229 Entering Extended Passive Mode (|||6446|)\r\n")
                              << 6446;
        QTest::newRow("EPSV other delimiter") << QByteArray("229 ok (!!!40000!)\r\n") << 40000;
        QTest::newRow("EPSV port 0") << QByteArray("229 ok (|||0|)\r\n") << 0;
        QTest::newRow("EPSV port too large") << QByteArray("229 ok (|||70000|)\r\n") << 0;
        QTest::newRow("EPSV address given") << QByteArray("229 ok (|1|10.0.0.1|5000|)\r\n") << 0;
        QTest::newRow("EPSV cut short") << QByteArray("229 ok (|||50") << 0;
        QTest::newRow("PASV") << QByteArray("227 Entering Passive Mode (127,0,0,1,19,137).\r\n")
                              << 5001;
        QTest::newRow("PASV without brackets") << QByteArray("227 ok 127,0,0,1,0,21\r\n") << 21;
        QTest::newRow("PASV number above 255") << QByteArray("227 ok (127,0,0,1,300,1)\r\n") << 0;
        QTest::newRow("PASV too few numbers") << QByteArray("227 ok (127,0,0,1,19)\r\n") << 0;
    }
    void replyParsing() {
        QFETCH(QByteArray, reply);
        QFETCH(int, port);
        int found = 0;
        if (reply.startsWith("229")) {
            found = FtpClient::epsvPort(reply);
        } else {
            QHostAddress address;
            quint16 p = 0;
            if (FtpClient::pasvAddress(reply, &address, &p)) {
                QCOMPARE(address, QHostAddress(QStringLiteral("127.0.0.1")));
                found = p;
            }
        }
        QCOMPARE(found, port);
    }

    // The data port is asked for with EPSV, with PASV once the server has
    // refused EPSV (for the rest of the session); the file arrives either way.
    void passiveUpload_data() {
        QTest::addColumn<QByteArray>("epsv");
        QTest::addColumn<QByteArray>("pasv");
        QTest::addColumn<QString>("asked");
        QTest::newRow("EPSV") << QByteArray("229 Extended passive (|||{port}|)\r\n") << QByteArray()
                              << "EPSV|STOR|EPSV|STOR";
        QTest::newRow("EPSV refused, PASV")
            << QByteArray("500 What?\r\n") << QByteArray("227 Passive (127,0,0,1,{p1,p2}).\r\n")
            << "EPSV|PASV|STOR|PASV|STOR";
        // Another address in the PASV reply is not where the file goes.
        QTest::newRow("PASV names another machine")
            << QByteArray("502 No.\r\n") << QByteArray("227 Passive (127,0,0,2,{p1,p2}).\r\n")
            << "EPSV|PASV|STOR|PASV|STOR";
    }
    void passiveUpload() {
        QFETCH(QByteArray, epsv);
        QFETCH(QByteArray, pasv);
        QFETCH(QString, asked);
        TestFolder folder;
        const QByteArray bytes(70000, 'x');
        const QString path = folder.write(QStringLiteral("a.gif"), bytes);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("EPSV", epsv);
        if (!pasv.isEmpty())
            server.setReply("PASV", pasv);
        FtpClient client;
        setUp(client, server);
        client.setPassive(true);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(failureOf([&] { client.uploadFile(path, QStringLiteral("a.gif")); }),
                     QString());
            QCOMPARE(server.received(), bytes.repeated(i + 1));
        }
        QList<QByteArray> seen;
        for (const QByteArray &verb : verbs(server.commands())) {
            if (verb == "EPSV" || verb == "PASV" || verb == "STOR")
                seen << verb;
        }
        QCOMPARE(seen, QByteArray(asked.toLatin1()).split('|'));
        QVERIFY(!verbs(server.commands()).contains("PORT"));
    }

    void passiveFailures_data() {
        QTest::addColumn<QByteArray>("epsv");
        QTest::addColumn<QByteArray>("pasv");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("failure");
        QTest::newRow("both refused")
            << QByteArray("500 No.\r\n") << QByteArray("502 Nor this.\r\n") << int(Data::Receive)
            << "FtpError: 502 Nor this.";
        QTest::newRow("EPSV without a port")
            << QByteArray("229 Here it is.\r\n") << QByteArray() << int(Data::Receive)
            << "FtpError: Invalid Reply: 229 Here it is.";
        QTest::newRow("PASV without an address")
            << QByteArray("500 No.\r\n") << QByteArray("227 Somewhere.\r\n") << int(Data::Receive)
            << "FtpError: Invalid Reply: 227 Somewhere.";
        QTest::newRow("EPSV answered with a success of another kind")
            << QByteArray("200 Fine.\r\n") << QByteArray() << int(Data::Receive)
            << "FtpError: 200 Fine.";
        QTest::newRow("nobody at the port")
            << QByteArray("229 ok (|||1|)\r\n") << QByteArray() << int(Data::Receive)
            << "SockError: Data Connection Failed";
        QTest::newRow("server never reads") << QByteArray("229 ok (|||{port}|)\r\n") << QByteArray()
                                            << int(Data::Stall) << "SockError: Write Timed Out";
    }
    void passiveFailures() {
        QFETCH(QByteArray, epsv);
        QFETCH(QByteArray, pasv);
        QFETCH(int, mode);
        QFETCH(QString, failure);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("big.bin"), QByteArray(8 << 20, 'b'));
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("EPSV", epsv);
        if (!pasv.isEmpty())
            server.setReply("PASV", pasv);
        server.setData(Data(mode));
        FtpClient client;
        setUp(client, server);
        client.setTimeOut(1000);
        client.setPassive(true);
        client.connectToServer();
        QCOMPARE(failureOf([&] { client.uploadFile(path); }), failure);
        // Nothing was stored through a refused request.
        if (!failure.startsWith(QLatin1String("SockError")))
            QVERIFY(!verbs(server.commands()).contains("STOR"));
    }

    // FTPS begins before anything else is said: a server that refuses it
    // ends the login with its reply, and the name and password never go
    // out in plain text.
    void secureRefused_data() {
        QTest::addColumn<QByteArray>("authReply");
        QTest::addColumn<QString>("failure");
        QTest::newRow("unknown command")
            << QByteArray("500 Unknown command.\r\n") << "FtpError: 500 Unknown command.";
        QTest::newRow("not available")
            << QByteArray("431 No TLS here.\r\n") << "FtpError: 431 No TLS here.";
        QTest::newRow("success of another kind")
            << QByteArray("200 Sure.\r\n") << "FtpError: 200 Sure.";
        QTest::newRow("agreed, then no handshake")
            << QByteArray("234 Go ahead.\r\n") << "SockError: TLS Handshake";
    }
    void secureRefused() {
        QFETCH(QByteArray, authReply);
        QFETCH(QString, failure);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("AUTH", authReply);
        FtpClient client;
        setUp(client, server);
        client.setTimeOut(1000);
        client.setSecure(true);
        Trace trace;
        trace.attach(client);
        const QString raised = failureOf([&] { client.connectToServer(); });
        QVERIFY2(raised.startsWith(failure), qPrintable(raised));
        QVERIFY(!client.isConnected());
        QCOMPARE(server.commands().value(0), QByteArray("AUTH TLS"));
        const QList<QByteArray> said = verbs(server.commands());
        QVERIFY(!said.contains("USER") && !said.contains("PASS"));
        QVERIFY(!trace.mentions(QStringLiteral("s3cr3t")));
    }
};

QTEST_GUILESS_MAIN(TestFtpPassive)
#include "test_ftppassive.moc"
