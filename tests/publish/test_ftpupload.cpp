#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "realftpserver.h"
#include "testfolder.h"

#include <QDir>
#include <QtTest>
#include <memory>

namespace {
const QString kUser = QStringLiteral("webmaster");
const QString kPassword = QStringLiteral("pa55-word");
} // namespace

// Uploads to a real FTP server on 127.0.0.1, compared byte for byte with
// what arrives in the server's folder.
class TestFtpUpload : public QObject {
    Q_OBJECT
private:
    TestFolder m_local;
    TestFolder m_remote;
    std::unique_ptr<RealFtpServer> m_server;

    void setUp(FtpClient &client) {
        aimAtLocalServer(client, m_server->port(), kUser, kPassword, 5000);
    }
    QString remote(const QString &name) const { return m_remote.file(name); }
    static QString longFolder() {
        return QString(100, QLatin1Char('d')) + QStringLiteral("/") +
               QString(100, QLatin1Char('e'));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_local.isValid() && m_remote.isValid());
        QDir(m_remote.path()).mkpath(QStringLiteral("www/images"));
        QDir(m_remote.path()).mkpath(QStringLiteral("www/") + longFolder());
        m_server = std::make_unique<RealFtpServer>(m_remote.path(), kUser, kPassword);
        QString why;
        QVERIFY2(m_server->start(&why), qPrintable(why));
    }

    void upload_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("remoteName");
        QTest::addColumn<QString>("arrivesAs");
        QTest::newRow("empty") << 0 << "empty.htm"
                               << "www/empty.htm";
        QTest::newRow("one byte") << 1 << "one.htm"
                                  << "www/one.htm";
        QTest::newRow("255 bytes") << 255 << "b255.bin"
                                   << "www/b255.bin";
        QTest::newRow("256 bytes") << 256 << "b256.bin"
                                   << "www/b256.bin";
        QTest::newRow("several MB") << 5 * 1024 * 1024 + 17 << "big.bin"
                                    << "www/big.bin";
        QTest::newRow("empty name takes the file name") << 300 << ""
                                                        << "www/local-300.bin";
        QTest::newRow("into a sub-folder") << 4000 << "images/logo.gif"
                                           << "www/images/logo.gif";
        // A command line longer than 255 characters must reach the server whole.
        const QString deep = longFolder() + QStringLiteral("/") + QString(120, QLatin1Char('f'));
        QTest::newRow("long remote name") << 10 << deep << "www/" + deep;
    }
    void upload() {
        QFETCH(int, size);
        QFETCH(QString, remoteName);
        QFETCH(QString, arrivesAs);
        const QByteArray bytes = randomBytes(size, quint32(size) + 1);
        const QString path = m_local.write(QStringLiteral("local-%1.bin").arg(size), bytes);

        FtpClient client;
        setUp(client);
        Trace trace;
        trace.attach(client);
        int packets = 0, starts = 0, stops = 0;
        qint64 lastCount = -1;
        bool countsGrow = true;
        connect(&client, &SockClient::packetSent, this, [&]() {
            ++packets;
            countsGrow = countsGrow && client.bytesRecvd() > lastCount &&
                         client.bytesRecvd() <= client.bytesTotal();
            lastCount = client.bytesRecvd();
        });
        connect(&client, &FtpClient::transactionStart, this, [&]() { ++starts; });
        connect(&client, &FtpClient::transactionStop, this, [&]() { ++stops; });

        client.connectToServer();
        client.changeDirectory(QStringLiteral("www"));
        client.setTransferType(FtpClient::Image);
        client.uploadFile(path, remoteName);
        QCOMPARE(TestFolder::read(remote(arrivesAs)), bytes);
        QCOMPARE(client.bytesTotal(), qint64(size));
        QCOMPARE(client.bytesRecvd(), qint64(size));
        QCOMPARE(packets, (size + 254) / 255);
        QVERIFY(countsGrow);
        QCOMPARE(starts, 1);
        QCOMPARE(stops, 1);
        QVERIFY2(trace.mentions(QStringLiteral("226 ")), qPrintable(trace.lines.join('\n')));
        client.disconnectFromServer();
        QVERIFY(!client.isConnected());
        QVERIFY(trace.has(QStringLiteral("QUIT")));
        QVERIFY(!trace.mentions(kPassword));
    }

    void severalFilesOnOneConnection() {
        FtpClient client;
        setUp(client);
        client.setHost(QStringLiteral("localhost")); // by name, through the look-up
        client.connectToServer();
        client.setTransferType(FtpClient::Ascii);
        client.setTransferType(FtpClient::Image);
        for (int i = 0; i < 5; ++i) {
            const QByteArray bytes = randomBytes(1000 * i, quint32(i));
            const QString name = QStringLiteral("seq%1.bin").arg(i);
            client.uploadFile(m_local.write(name, bytes));
            QCOMPARE(TestFolder::read(remote(name)), bytes);
        }
        client.disconnectFromServer();
    }

    void refusals_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("connected");
        QTest::newRow("wrong password") << "wrong"
                                        << ""
                                        << "FtpError: 530 " << false;
        QTest::newRow("missing folder") << kPassword << "nowhere"
                                        << "FtpError: 550 " << true;
    }
    void refusals() {
        QFETCH(QString, password);
        QFETCH(QString, folder);
        QFETCH(QString, failure);
        QFETCH(bool, connected);
        FtpClient client;
        setUp(client);
        client.setPassword(password);
        const QString raised = failureOf([&] {
            client.connectToServer();
            client.changeDirectory(folder);
        });
        QVERIFY2(raised.startsWith(failure), qPrintable(raised));
        QVERIFY(!raised.contains(password));
        QCOMPARE(client.isConnected(), connected);
        if (connected) { // a refused command leaves the session usable
            client.uploadFile(m_local.write(QStringLiteral("after.htm"), "<P>"));
            QCOMPARE(TestFolder::read(remote(QStringLiteral("after.htm"))), QByteArray("<P>"));
        }
    }

    // Cancel pressed during a transfer: the upload stops without an error,
    // and the session goes on once the server has said its piece.
    void abortDuringTransfer() {
        const QByteArray bytes = randomBytes(20 * 1024 * 1024, 99);
        const QString path = m_local.write(QStringLiteral("abort.bin"), bytes);
        FtpClient client;
        setUp(client);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        client.setTransferType(FtpClient::Image);
        int packets = 0;
        connect(&client, &SockClient::packetSent, this, [&]() {
            if (++packets == 2000)
                client.abortTransfer();
        });
        QCOMPARE(failureOf([&] { client.uploadFile(path); }), QString());
        QVERIFY(client.bytesRecvd() < bytes.size());
        QVERIFY(client.isConnected());
        // The server's answer to the broken-off transfer arrives unasked.
        QTRY_VERIFY_WITH_TIMEOUT(trace.lines.last().startsWith(QLatin1String("226")) ||
                                     trace.lines.last().startsWith(QLatin1String("426")),
                                 3000);
        const QByteArray small = randomBytes(777, 5);
        client.uploadFile(m_local.write(QStringLiteral("after-abort.bin"), small));
        QCOMPARE(TestFolder::read(remote(QStringLiteral("after-abort.bin"))), small);
        client.disconnectFromServer();
    }
};

QTEST_GUILESS_MAIN(TestFtpUpload)
#include "test_ftpupload.moc"
