// Passive and FTPS uploads to a real FTP server (pyftpdlib) on 127.0.0.1,
// compared byte for byte with what arrives. The FTPS server requires TLS on
// every connection and shows a self-signed certificate made for the test.

#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "realftpserver.h"
#include "testfolder.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QtTest>
#include <memory>

namespace {
const QString kUser = QStringLiteral("webmaster");
const QString kPassword = QStringLiteral("pa55-word");
} // namespace

class TestFtpSecure : public QObject {
    Q_OBJECT
private:
    TestFolder m_local, m_plainRoot, m_secureRoot, m_tls;
    std::unique_ptr<RealFtpServer> m_plain, m_secure;
    int m_asked = 0;

    void setUp(FtpClient &client, bool secure, bool accept = true) {
        aimAtLocalServer(client, secure ? m_secure->port() : m_plain->port(), kUser, kPassword,
                         10000);
        client.setSecure(secure);
        client.setCertificateCheck(
            [this, accept](const QList<QSslError> &errors, const QSslCertificate &certificate) {
                ++m_asked;
                return accept && !errors.isEmpty() && !certificate.isNull();
            });
    }

private slots:
    void initTestCase() {
        QVERIFY(QSslSocket::supportsSsl());
        m_plain = std::make_unique<RealFtpServer>(m_plainRoot.path(), kUser, kPassword);
        m_secure = std::make_unique<RealFtpServer>(m_secureRoot.path(), kUser, kPassword);
        m_secure->setTls(m_tls.path());
        QString why;
        QVERIFY2(m_plain->start(&why), qPrintable(why));
        QVERIFY2(m_secure->start(&why), qPrintable(why));
        QDir(m_plainRoot.path()).mkpath(QStringLiteral("images"));
        QDir(m_secureRoot.path()).mkpath(QStringLiteral("images"));
    }
    void init() { m_asked = 0; }

    void upload_data() {
        QTest::addColumn<bool>("secure");
        QTest::addColumn<bool>("passive");
        for (const bool secure : {false, true}) {
            for (const bool passive : {false, true}) {
                if (!secure && !passive)
                    continue; // plain active: test_ftpupload
                QTest::addRow("%s %s", secure ? "FTPS" : "plain", passive ? "passive" : "active")
                    << secure << passive;
            }
        }
    }
    // Several files of one session arrive whole; the certificate is asked
    // about once, for the control connection, and never shown again for
    // the data connections; the password never shows.
    void upload() {
        QFETCH(bool, secure);
        QFETCH(bool, passive);
        FtpClient client;
        setUp(client, secure);
        client.setPassive(passive);
        Trace trace;
        trace.attach(client);
        client.connectToServer();
        QCOMPARE(client.isEncrypted(), secure);
        client.setTransferType(FtpClient::Image);
        const QString root = secure ? m_secureRoot.path() : m_plainRoot.path();
        const QList<qint64> sizes{0, 1, 255, 300 * 1024 + 7, 3 * 1024 * 1024};
        for (int i = 0; i < sizes.size(); ++i) {
            const QByteArray bytes = randomBytes(sizes.at(i), quint32(i) + 11);
            const QString name = QStringLiteral("images/f%1.bin").arg(i);
            client.uploadFile(m_local.write(QStringLiteral("f%1.bin").arg(i), bytes), name);
            QCOMPARE(TestFolder::read(root + name).size(), bytes.size());
            QCOMPARE(TestFolder::read(root + name), bytes);
            QCOMPARE(client.bytesRecvd(), sizes.at(i));
        }
        client.disconnectFromServer();
        QCOMPARE(m_asked, secure ? 1 : 0);
        QCOMPARE(trace.has(QStringLiteral("AUTH TLS")), secure);
        QCOMPARE(trace.has(QStringLiteral("PROT P")), secure);
        QCOMPARE(trace.has(QStringLiteral("EPSV")), passive);
        QCOMPARE(trace.mentions(QStringLiteral("PORT ")), !passive);
        QVERIFY(!trace.mentions(kPassword));
    }

    // Said no to the certificate: the session ends before the user name.
    void certificateRefused() {
        FtpClient client;
        setUp(client, true, false);
        Trace trace;
        trace.attach(client);
        QCOMPARE(failureOf([&] { client.connectToServer(); }),
                 QStringLiteral("SockError: Certificate Refused"));
        QCOMPARE(m_asked, 1);
        QVERIFY(!client.isConnected());
        QVERIFY(!trace.mentions(QStringLiteral("USER")));
        QVERIFY(trace.mentions(QStringLiteral("Certificate: ")));
    }

    // A certificate the system trusts raises no question.
    void trustedCertificate() {
        const auto certificates = QSslCertificate::fromPath(m_secure->certificatePath());
        QCOMPARE(certificates.size(), 1);
        const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = saved;
        trusting.addCaCertificates(certificates);
        QSslConfiguration::setDefaultConfiguration(trusting);
        FtpClient client;
        setUp(client, true);
        client.setPassive(true);
        const QString raised = failureOf([&] {
            client.connectToServer();
            client.uploadFile(m_local.write(QStringLiteral("t.htm"), "<P>"));
            client.disconnectFromServer();
        });
        QSslConfiguration::setDefaultConfiguration(saved);
        QCOMPARE(raised, QString());
        QCOMPARE(m_asked, 0);
        QCOMPARE(TestFolder::read(m_secureRoot.file(QStringLiteral("t.htm"))), QByteArray("<P>"));
    }

    // A server that demands TLS is not talked into plain text.
    void plainClientToSecureServer() {
        FtpClient client;
        setUp(client, false);
        client.setPort(m_secure->port());
        const QString raised = failureOf([&] { client.connectToServer(); });
        QVERIFY2(raised.startsWith(QLatin1String("FtpError: 5")), qPrintable(raised));
        QVERIFY(!client.isConnected());
    }
};

QTEST_GUILESS_MAIN(TestFtpSecure)
#include "test_ftpsecure.moc"
