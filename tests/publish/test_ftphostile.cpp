// The FTP client against a hostile server: replies cut short or out of
// range, a password echoed at any place and time, endless replies, replies
// out of turn, and another program taking the data connection. Nothing may
// pass for a success, hang, or show the password.

#include "fakeftpserver.h"
#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QtTest>

using Data = FakeFtpServer::Data;

namespace {
const QString kPassword = QStringLiteral("s3cr3t");

void setUp(FtpClient &client, const FakeFtpServer &server, int timeOut = 3000) {
    aimAtLocalServer(client, server.port(), QStringLiteral("tester"), kPassword, timeOut);
}

// A line in which the password lies across the 255th byte, where a line
// read in pieces of 255 bytes is split.
QByteArray echoAcrossPieces(const QByteArray &code) {
    return code + QByteArray(247 - code.size(), 'x') + "PASS " + kPassword.toLatin1() + " no\r\n";
}

// Whether any part of the password shows in a text.
bool showsPassword(const QString &text) {
    return text.contains(QStringLiteral("s3c"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("r3t"), Qt::CaseInsensitive);
}
} // namespace

class TestFtpHostile : public QObject {
    Q_OBJECT
private slots:
    // A reply is complete only with a code from 100 to 599 and its line end;
    // the login fails on anything else.
    void loginOnBrokenReplies_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("close");
        QTest::addColumn<QString>("failure");
        QTest::newRow("USER: code cut short, connection closed")
            << QByteArray("USER") << QByteArray("23") << true << "SockError: Read Failed";
        QTest::newRow("PASS: code cut short, connection closed")
            << QByteArray("PASS") << QByteArray("23") << true << "SockError: Read Failed";
        QTest::newRow("PASS: line without its end, connection closed")
            << QByteArray("PASS") << QByteArray("230 Logged in") << true
            << "SockError: Read Failed";
        QTest::newRow("USER: code above 599") << QByteArray("USER") << QByteArray("999 Fine.\r\n")
                                              << false << "FtpError: Invalid Reply: 999 Fine.";
        QTest::newRow("PASS: letters for a code")
            << QByteArray("PASS") << QByteArray("abc Fine.\r\n") << false
            << "FtpError: Invalid Reply: abc Fine.";
        QTest::newRow("PASS: code below 100") << QByteArray("PASS") << QByteArray("099 Fine.\r\n")
                                              << false << "FtpError: Invalid Reply: 099 Fine.";
        QTest::newRow("PASS: four digits") << QByteArray("PASS") << QByteArray("2300 Fine.\r\n")
                                           << false << "FtpError: Invalid Reply: 2300 Fine.";
    }
    void loginOnBrokenReplies() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(bool, close);
        QFETCH(QString, failure);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply(verb, reply);
        if (close)
            server.setCloseAfter(verb);
        FtpClient client;
        setUp(client, server);
        QCOMPARE(failureOf([&] { client.connectToServer(); }), failure);
        QVERIFY(!client.isConnected());
    }

    // The password is hidden in the whole trace and in every error text,
    // wherever a line is split and however late the echo comes.
    void passwordEchoes_data() {
        QTest::addColumn<QByteArray>("passReply");
        QTest::addColumn<QByteArray>("cwdReply");
        QTest::addColumn<QByteArray>("unasked");
        QTest::addColumn<bool>("loginFails");
        QTest::newRow("refusal across a piece boundary")
            << QByteArray(echoAcrossPieces("530 ")) << QByteArray() << QByteArray() << true;
        QTest::newRow("multi-line refusal across a piece boundary")
            << QByteArray(echoAcrossPieces("530-") + "530 Login incorrect.\r\n") << QByteArray()
            << QByteArray() << true;
        QTest::newRow("in the answer to a later command")
            << QByteArray("230 Logged in.\r\n")
            << QByteArray("550 No folder S3CR3T/www for you.\r\n") << QByteArray() << false;
        QTest::newRow("later, across a piece boundary")
            << QByteArray("230 Logged in.\r\n") << echoAcrossPieces("550 ") << QByteArray()
            << false;
        QTest::newRow("unasked, while idle") << QByteArray("230 Logged in.\r\n") << QByteArray()
                                             << QByteArray(echoAcrossPieces("220 ")) << false;
    }
    void passwordEchoes() {
        QFETCH(QByteArray, passReply);
        QFETCH(QByteArray, cwdReply);
        QFETCH(QByteArray, unasked);
        QFETCH(bool, loginFails);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("PASS", passReply);
        if (!cwdReply.isEmpty())
            server.setReply("CWD", cwdReply);
        FtpClient client;
        setUp(client, server);
        client.setReportLevel(31);
        Trace trace;
        trace.attach(client);
        QStringList failures;
        failures << failureOf([&] { client.connectToServer(); });
        QCOMPARE(failures.last().isEmpty(), !loginFails);
        if (!unasked.isEmpty()) {
            server.sendLater(unasked, 10);
            QTRY_VERIFY_WITH_TIMEOUT(trace.mentions("xxxxPASS ****"), 2000);
        }
        if (!cwdReply.isEmpty())
            failures << failureOf([&] { client.changeDirectory("www"); });
        QVERIFY2(!showsPassword(trace.lines.join('\n')), qPrintable(trace.lines.join('\n')));
        QVERIFY2(!showsPassword(failures.join('\n')), qPrintable(failures.join('\n')));
        QVERIFY(!showsPassword(client.transactionReply()));
        QVERIFY(trace.mentions("****"));
    }

    // A reply of endless lines ends with the time-out of the whole reply.
    void endlessReply_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("to USER") << QByteArray("USER") << QByteArray("331-more to come\r\n");
        QTest::newRow("blank-led lines") << QByteArray("USER") << QByteArray(" and more\r\n");
        QTest::newRow("to CWD") << QByteArray("CWD") << QByteArray("250-still going\r\n");
    }
    void endlessReply() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, line);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setEndless(verb, line);
        FtpClient client;
        setUp(client, server, 400);
        QElapsedTimer clock;
        clock.start();
        const QString failure = failureOf([&] {
            client.connectToServer();
            client.changeDirectory("www");
        });
        QCOMPARE(failure, "SockError: Read Timed Out");
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }

    // A reply that comes before its command is reported and dropped, so that
    // later answers stay with their commands; an unasked 421 ends the session.
    void repliesOutOfTurn_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("storReply");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("stray");
        QTest::addColumn<bool>("storSent");
        const QByteArray opening = "150 Opening data connection.\r\n";
        const QByteArray refused = "553 Not allowed.\r\n";
        QTest::newRow("a second answer to USER")
            << QByteArray("USER") << QByteArray("331 Password required.\r\n530 Stray.\r\n")
            << opening << ""
            << "530 Stray." << true;
        QTest::newRow("a stray before STOR hides no refusal")
            << QByteArray("PORT") << QByteArray("200 PORT ok.\r\n150 Stray.\r\n") << refused
            << "FtpError: 553 Not allowed."
            << "150 Stray." << true;
        QTest::newRow("a multi-line stray")
            << QByteArray("PORT") << QByteArray("200 PORT ok.\r\n226-Stray\r\n226 end.\r\n")
            << refused << "FtpError: 553 Not allowed."
            << "226 end." << true;
        QTest::newRow("421 before STOR")
            << QByteArray("PORT") << QByteArray("200 PORT ok.\r\n421 Going away.\r\n") << opening
            << "FtpError: 421 Going away."
            << "421 Going away." << false;
    }
    void repliesOutOfTurn() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, storReply);
        QFETCH(QString, failure);
        QFETCH(QString, stray);
        QFETCH(bool, storSent);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("page.htm"), "<P>page</P>");
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply(verb, reply);
        server.setReply("STOR", storReply);
        FtpClient client;
        setUp(client, server);
        Trace trace;
        trace.attach(client);
        QCOMPARE(failureOf([&] {
                     client.connectToServer();
                     client.uploadFile(path);
                 }),
                 failure);
        QVERIFY(trace.has(stray));
        bool stor = false;
        for (const QByteArray &command : server.commands())
            stor = stor || command.startsWith("STOR");
        QCOMPARE(stor, storSent);
        if (failure.isEmpty())
            QCOMPARE(server.received(), QByteArray("<P>page</P>"));
        // After a 421 the session is over; otherwise the answers stay with
        // their commands.
        QCOMPARE(client.isConnected(), !failure.contains("421"));
        if (client.isConnected()) {
            QCOMPARE(failureOf([&] { client.changeDirectory("www"); }), QString());
            QCOMPARE(client.replyNumber(), 250);
        }
    }

    void idle421EndsTheSession() {
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        FtpClient client;
        setUp(client, server);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        server.sendLater("421 Idle time-out.\r\n", 10);
        QTRY_VERIFY_WITH_TIMEOUT(trace.has("421 Idle time-out."), 2000);
        QCOMPARE(failureOf([&] { client.changeDirectory("www"); }), "FtpError: 421 Idle time-out.");
        QVERIFY(!client.isConnected());
        QVERIFY(!server.commands().contains("CWD www"));
    }

    // Another program that connects to the data port first gets nothing: the
    // file goes to the server.
    void dataConnectionFromElsewhere() {
        TestFolder folder;
        const QByteArray bytes(100000, 'd');
        const QString path = folder.write(QStringLiteral("page.htm"), bytes);
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setData(Data::Intruder);
        FtpClient client;
        setUp(client, server, 5000);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        QCOMPARE(failureOf([&] { client.uploadFile(path); }), QString());
        QVERIFY(server.intruderConnected());
        QCOMPARE(server.received(), bytes);
        QVERIFY(trace.has("Refused Data Connection From 127.0.0.2"));
        QTRY_VERIFY_WITH_TIMEOUT(server.intruderCutOff(), 2000);
        QCOMPARE(server.intruderReceived(), QByteArray());
    }

    // The reply classes the client acts on, at their thresholds: a greeting
    // or a login answer from 400 up fails; after a transfer only 2xx means
    // the file arrived.
    void replyClassesAtTheirThresholds_data() {
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("fails");
        for (const char *where : {"greeting", "USER", "final"}) {
            const QByteArray w(where);
            for (int code : {100, 199, 200, 299, 300, 399, 400, 499, 500, 599}) {
                // Only a final reply may be 3xx and fail; a 1xx greeting is
                // followed by the real one, a 1xx final by the outcome.
                if (code < 200 && w != "USER")
                    continue;
                bool fails = code >= 400;
                if (w == "final")
                    fails = code < 200 || code >= 300;
                QTest::newRow(qPrintable(w + " " + QByteArray::number(code)))
                    << w << QByteArray::number(code) + " Reply.\r\n"
                    << fails;
            }
        }
    }
    void replyClassesAtTheirThresholds() {
        QFETCH(QByteArray, where);
        QFETCH(QByteArray, reply);
        QFETCH(bool, fails);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("page.htm"), "text");
        FakeFtpServer server;
        server.setGreeting(where == "greeting" ? reply : QByteArray("220 Ready.\r\n"));
        if (where == "USER")
            server.setReply("USER", reply);
        if (where == "final")
            server.setFinalReply(reply);
        FtpClient client;
        setUp(client, server);
        const QString failure = failureOf([&] {
            client.connectToServer();
            if (where == "final")
                client.uploadFile(path);
        });
        QVERIFY2(failure.isEmpty() != fails, qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(TestFtpHostile)
#include "test_ftphostile.moc"
