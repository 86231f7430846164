#include "fakeftpserver.h"
#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QtTest>
#include <sys/stat.h>

using Data = FakeFtpServer::Data;

namespace {
const QString kPassword = QStringLiteral("s3cr3t");

void setUp(FtpClient &client, const FakeFtpServer &server, int timeOut = 3000) {
    aimAtLocalServer(client, server.port(), QStringLiteral("tester"), kPassword, timeOut);
}

QList<QByteArray> lines(const QString &joined) {
    QList<QByteArray> result;
    for (const QString &line : joined.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        result << line.toLatin1();
    return result;
}
} // namespace

class TestFtpScripted : public QObject {
    Q_OBJECT
private slots:
    // Login against servers that greet and answer in every shape; the
    // commands the server receives show whether replies stayed in step.
    void login_data() {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QByteArray>("userReply");
        QTest::addColumn<QByteArray>("passReply");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("failure");
        const QByteArray hi = "220 Ready.\r\n";
        const QByteArray ask = "331 Password required.\r\n";
        const QByteArray in = "230 Logged in.\r\n";
        const QString both = QStringLiteral("USER tester|PASS s3cr3t|TYPE I");
        QTest::newRow("password asked") << hi << ask << in << both << "";
        QTest::newRow("230 to USER sends no PASS") << hi << in << in << "USER tester|TYPE I"
                                                   << "";
        QTest::newRow("multi-line greeting")
            << QByteArray("220-Welcome\r\n220-to the test\r\n220 Ready.\r\n") << ask << in << both
            << "";
        QTest::newRow("free text inside a greeting")
            << QByteArray("220-Welcome\r\nNo code on this line\r\n220 Ready.\r\n") << ask << in
            << both << "";
        QTest::newRow("greeting longer than a piece")
            << QByteArray("220 " + QByteArray(600, 'g') + "\r\n") << ask << in << both << "";
        QTest::newRow("long lines inside a multi-line reply")
            << hi << QByteArray("331-" + QByteArray(300, 'u') + "\r\n331 Go on.\r\n") << in << both
            << "";
        QTest::newRow("long single-line answer to USER")
            << hi << QByteArray("331 " + QByteArray(400, 'u') + "\r\n") << in << both << "";
        QTest::newRow("garbage greeting") << QByteArray("HELLO THERE\r\n") << ask << in << "QUIT"
                                          << "FtpError: Invalid Reply: HELLO THERE";
        QTest::newRow("greeting that asks to wait")
            << QByteArray("120 Ready in a moment.\r\n220 Ready.\r\n") << ask << in << both << "";
        QTest::newRow("refusing greeting")
            << QByteArray("421 Too many users.\r\n") << ask << in << "QUIT"
            << "FtpError: 421 Too many users.";
        QTest::newRow("garbage answer to USER")
            << hi << QByteArray("what?\r\n") << in << "USER tester|QUIT"
            << "FtpError: Invalid Reply: what?";
        QTest::newRow("USER refused")
            << hi << QByteArray("530 Not allowed.\r\n") << in << "USER tester|QUIT"
            << "FtpError: 530 Not allowed.";
        QTest::newRow("PASS refused")
            << hi << ask << QByteArray("530 Login incorrect.\r\n") << "USER tester|PASS s3cr3t|QUIT"
            << "FtpError: 530 Login incorrect.";
    }
    void login() {
        QFETCH(QByteArray, greeting);
        QFETCH(QByteArray, userReply);
        QFETCH(QByteArray, passReply);
        QFETCH(QString, commands);
        QFETCH(QString, failure);
        FakeFtpServer server;
        server.setGreeting(greeting);
        server.setReply("USER", userReply);
        server.setReply("PASS", passReply);
        FtpClient client;
        setUp(client, server);

        QCOMPARE(failureOf([&] { client.connectToServer(); }), failure);
        QCOMPARE(client.isConnected(), failure.isEmpty());
        if (failure.isEmpty()) {
            QCOMPARE(failureOf([&] { client.setTransferType(FtpClient::Image); }), QString());
            QCOMPARE(client.replyNumber(), 200);
        }
        QTRY_COMPARE_WITH_TIMEOUT(server.commands(), lines(commands), 2000);
    }

    void greetingReadWholeBeforeUser() {
        FakeFtpServer server;
        server.setGreeting("220-Welcome\r\n");
        server.sendLater("220-Slow second line\r\n", 100);
        server.sendLater("220 Ready.\r\n", 250);
        FtpClient client;
        setUp(client, server);
        client.connectToServer();
        const QStringList log = server.log();
        QVERIFY2(log.indexOf("> 220 Ready.") < log.indexOf("< USER tester"),
                 qPrintable(log.join('\n')));
    }

    void commandsBeforeConnectingDoNothing() {
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        FtpClient client;
        setUp(client, server);
        QCOMPARE(failureOf([&] {
                     client.changeDirectory("www");
                     client.uploadFile("/nonexistent/file.htm");
                 }),
                 QString());
        client.connectToServer();
        QCOMPARE(server.commands(), lines("USER tester|PASS s3cr3t"));
    }

    void droppedControlConnection() {
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("USER", "");
        server.setCloseAfter("USER");
        FtpClient client;
        setUp(client, server);
        QCOMPARE(failureOf([&] { client.connectToServer(); }), "SockError: Read Failed");
        QVERIFY(!client.isConnected());

        FakeFtpServer idle;
        idle.setGreeting("220 Ready.\r\n");
        FtpClient second;
        setUp(second, idle);
        second.connectToServer();
        idle.closeControl();
        QTest::qWait(200);
        QCOMPARE(failureOf([&] { second.changeDirectory("www"); }), "SockError: Write Failed");
    }

    void proxyLogin() {
        FakeFtpServer server;
        server.setGreeting("220 Proxy ready.\r\n");
        FtpClient client;
        setUp(client, server);
        client.setHost(QStringLiteral("ftp.example.invalid"));
        client.setPort(21);
        client.setProxy(QStringLiteral("127.0.0.1"));
        client.setProxyPort(server.port());
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        QCOMPARE(server.commands().value(0), QByteArray("USER tester@ftp.example.invalid"));
        QVERIFY(trace.has("USER tester"));
    }

    // The password stays out of every report, even at the most detailed
    // level and when the server echoes it back.
    void passwordNeverReported_data() {
        QTest::addColumn<QByteArray>("passReply");
        QTest::newRow("accepted") << QByteArray("230 Logged in.\r\n");
        QTest::newRow("echoed in a refusal")
            << QByteArray("530-'PASS s3cr3t' not accepted\r\n530 Bye s3cr3t\r\n");
    }
    void passwordNeverReported() {
        QFETCH(QByteArray, passReply);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("PASS", passReply);
        FtpClient client;
        setUp(client, server);
        client.setReportLevel(31);
        Trace trace;
        trace.attach(client);
        const QString failure = failureOf([&] { client.connectToServer(); });
        QVERIFY(!failure.contains(kPassword));
        QVERIFY2(!trace.mentions(kPassword), qPrintable(trace.lines.join('\n')));
        QVERIFY(trace.has("PASS"));
        QVERIFY(!client.transactionReply().contains(kPassword));
    }

    void reportLevels_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("protocol only") << 1 << QStringList{"USER tester", "220 Ready."}
                                       << QStringList{"Connecting", "WriteLn", "Timer On"};
        QTest::newRow("steps") << 2 << QStringList{"Connecting", "WriteLn"}
                               << QStringList{"Sending Buffer", "Timer On"};
        QTest::newRow("tracing") << 8 << QStringList{"Sending Buffer", "Timer On", "Timer Off"}
                                 << QStringList{};
    }
    void reportLevels() {
        QFETCH(int, level);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        FtpClient client;
        setUp(client, server);
        client.setReportLevel(level);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        for (const QString &text : shown)
            QVERIFY2(trace.has(text), qPrintable(text));
        for (const QString &text : hidden)
            QVERIFY2(!trace.has(text), qPrintable(text));
    }

    // A server that never answers: the time-out ends the wait, or without a
    // time-out the user's cancel does; either way the client gives up cleanly.
    void silentServer_data() {
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<int>("cancelAfter");
        QTest::addColumn<QString>("failure");
        QTest::newRow("time-out") << 300 << 0 << "SockError: Read Timed Out";
        QTest::newRow("no time-out, canceled") << 0 << 300 << "SockError: Read Canceled";
    }
    void silentServer() {
        QFETCH(int, timeOut);
        QFETCH(int, cancelAfter);
        QFETCH(QString, failure);
        FakeFtpServer server;
        FtpClient client;
        setUp(client, server, timeOut);
        Trace trace;
        trace.attach(client);
        if (cancelAfter > 0)
            QTimer::singleShot(cancelAfter, &client, &FtpClient::cancel);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(failureOf([&] { client.connectToServer(); }), failure);
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(!client.isConnected());
        QVERIFY(trace.has("Disconnected"));
        if (cancelAfter > 0)
            QVERIFY(server.commands().isEmpty()); // canceled: no QUIT waited for
    }

    void unaskedLinesAreReported() {
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        FtpClient client;
        setUp(client, server);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        server.sendLater("421 Idle time-out.\r\n", 50);
        QTRY_VERIFY_WITH_TIMEOUT(trace.has("421 Idle time-out."), 2000);
    }

    // Uploads against replies and data connections a real server will not
    // produce; none may hang, and none may pass for a success when it failed.
    void upload_data() {
        QTest::addColumn<QByteArray>("portReply");
        QTest::addColumn<QByteArray>("storReply");
        QTest::addColumn<int>("data");
        QTest::addColumn<QByteArray>("finalReply");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<QString>("failure");
        const QByteArray portOk = "200 PORT command successful.\r\n";
        const QByteArray storOk = "150 Opening data connection.\r\n";
        const QByteArray done = "226 Transfer complete.\r\n";
        const int receive = int(Data::Receive), drop = int(Data::DropAfter),
                  stall = int(Data::Stall), never = int(Data::NeverConnect);
        QTest::newRow("complete") << portOk << storOk << receive << done << 70000 << 3000 << "";
        QTest::newRow("final 451 is raised")
            << portOk << storOk << receive << QByteArray("451 Local error.\r\n") << 1000 << 3000
            << "FtpError: 451 Local error.";
        QTest::newRow("PORT refused") << QByteArray("500 Illegal PORT.\r\n") << storOk << receive
                                      << done << 10 << 3000 << "FtpError: 500 Illegal PORT.";
        QTest::newRow("STOR refused") << portOk << QByteArray("553 Not allowed.\r\n") << receive
                                      << done << 10 << 3000 << "FtpError: 553 Not allowed.";
        QTest::newRow("dropped in the middle")
            << portOk << storOk << drop << done << 32 * 1024 * 1024 << 3000
            << "SockError: Write Failed";
        QTest::newRow("receiver stalls") << portOk << storOk << stall << done << 32 * 1024 * 1024
                                         << 500 << "SockError: Write Timed Out";
        QTest::newRow("server never connects") << portOk << storOk << never << done << 10 << 300
                                               << "SockError: Data Connection Timed Out";
        QTest::newRow("garbage replies") << QByteArray("OK\r\n") << QByteArray("FINE\r\n") << never
                                         << done << 10 << 300 << "FtpError: Invalid Reply: OK";
    }
    void upload() {
        QFETCH(QByteArray, portReply);
        QFETCH(QByteArray, storReply);
        QFETCH(int, data);
        QFETCH(QByteArray, finalReply);
        QFETCH(int, size);
        QFETCH(int, timeOut);
        QFETCH(QString, failure);
        TestFolder folder;
        const QByteArray bytes = randomBytes(size, 7);
        const QString path = folder.write(QStringLiteral("page.htm"), bytes);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("PORT", portReply);
        server.setReply("STOR", storReply);
        server.setData(Data(data), 64 * 1024);
        server.setFinalReply(finalReply);
        FtpClient client;
        setUp(client, server);
        client.connectToServer();
        client.setTimeOut(timeOut);
        Trace trace;
        trace.attach(client);

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(failureOf([&] { client.uploadFile(path); }), failure);
        QVERIFY(clock.elapsed() < 10000);
        const QList<QByteArray> commands = server.commands();
        QVERIFY(commands.value(2).startsWith("PORT 127,0,0,1,"));
        if (failure.isEmpty() || failure.contains(finalReply.trimmed())) {
            QCOMPARE(commands.value(3), QByteArray("STOR page.htm"));
            QCOMPARE(server.received(), bytes);
            QVERIFY(trace.has(QString::fromLatin1(finalReply.trimmed())));
        }
        if (Data(data) == Data::DropAfter) // the server's verdict still reaches the trace
            QTRY_VERIFY_WITH_TIMEOUT(trace.mentions("426 "), 2000);
        // The connection stays usable for the next command.
        client.setTimeOut(3000);
        if (portReply.startsWith('2'))
            QCOMPARE(failureOf([&] { client.changeDirectory("www"); }), QString());
    }

    void dataConnectionCanceled() {
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("a.htm"), "abc");
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setData(Data::NeverConnect);
        FtpClient client;
        setUp(client, server, 0);
        client.connectToServer();
        Trace trace;
        trace.attach(client);
        QTimer::singleShot(300, &client, &FtpClient::abortTransfer);
        QCOMPARE(failureOf([&] { client.uploadFile(path, "a.htm"); }), QString());
        QVERIFY(trace.has("Data Connection Canceled"));
    }

    // Nothing reaches the server for a file that cannot be read or a name
    // that would break the command line.
    void refusedBeforeSending_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("storSent");
        QTest::newRow("missing file") << "missing"
                                      << "x.htm"
                                      << "SockError: Cannot open " << false;
        QTest::newRow("a pipe, not a file") << "fifo"
                                            << "x.htm"
                                            << "SockError: Cannot open " << false;
        QTest::newRow("line break in name") << "file"
                                            << "x.htm\r\nDELE index.htm"
                                            << "SockError: Line Break In Command" << false;
    }
    void refusedBeforeSending() {
        QFETCH(QString, kind);
        QFETCH(QString, remote);
        QFETCH(QString, failure);
        QFETCH(bool, storSent);
        TestFolder folder;
        const QString path = kind == "file" ? folder.write(QStringLiteral("x.htm"), "x")
                                            : folder.file(QStringLiteral("x.htm"));
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        FtpClient client;
        setUp(client, server);
        client.connectToServer();
        QVERIFY(failureOf([&] { client.uploadFile(path, remote); }).startsWith(failure));
        QTest::qWait(50);
        bool stor = false;
        for (const QByteArray &command : server.commands())
            stor = stor || command.startsWith("STOR") || command.startsWith("DELE");
        QCOMPARE(stor, storSent);
    }
};

QTEST_GUILESS_MAIN(TestFtpScripted)
#include "test_ftpscripted.moc"
