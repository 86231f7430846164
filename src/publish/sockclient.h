#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QEventLoop;
class QIODevice;
class QSslCertificate;
class QSslConfiguration;
class QSslError;
class QSslSocket;
class QTcpServer;
class QTcpSocket;
class QTimer;

// A TCP client whose operations look blocking to the caller. Every wait runs a
// local event loop, so the user interface stays live while the client waits;
// a wait ends when the socket is ready, when `timeOut` milliseconds pass (0
// waits without limit) or when cancel() is called, typically from a button
// pressed during the wait. Failures are raised as SockError.
//
// Progress and diagnostics go out through status(); a message is delivered
// only when its level is not above reportLevel().
//
// A client must not be deleted while one of its own operations is waiting
// (the wait is further up the stack); use deleteLater() from handlers.
class SockClient : public QObject {
    Q_OBJECT
public:
    // Status levels.
    enum Level {
        Protocol = 1,     // commands sent, replies received
        Steps = 2,        // connecting, disconnecting, canceling, sending
        Housekeeping = 4, // buffers, listening, accepting, closing
        Tracing = 8,      // timer, reads, error look-ups
        ErrorManager = 16
    };

    explicit SockClient(QObject *parent = nullptr);
    ~SockClient() override;

    QString host() const { return m_host; }
    void setHost(const QString &host); // at most 255 characters are kept
    quint16 port() const { return m_port; }
    void setPort(quint16 port) { m_port = port; }
    QString proxy() const { return m_proxy; }
    void setProxy(const QString &proxy); // at most 255 characters are kept
    quint16 proxyPort() const { return m_proxyPort; }
    void setProxyPort(quint16 port) { m_proxyPort = port; }
    int timeOut() const { return m_timeOut; }
    void setTimeOut(int milliseconds) { m_timeOut = qMax(0, milliseconds); }
    int reportLevel() const { return m_reportLevel; }
    void setReportLevel(int level) { m_reportLevel = level; }

    bool isConnected() const { return m_connected; }
    bool beenCanceled() const { return m_beenCanceled; }
    bool beenTimedOut() const { return m_beenTimedOut; }
    QString transactionReply() const { return m_transactionReply; }
    int replyNumber() const { return m_replyNumber; }
    qint64 bytesTotal() const { return m_bytesTotal; }
    void setBytesTotal(qint64 bytes) { m_bytesTotal = bytes; }
    qint64 bytesSent() const { return m_bytesSent; }
    virtual qint64 bytesRecvd() const { return m_bytesRecvd; }
    int lastErrorNo() const { return m_lastErrorNo; }
    QStringList wsaInfo() const { return m_wsaInfo; }

    // Resolves `proxy` (or `host`) and connects to it. Raises "Already
    // connected", the host look-up errors, "Null Remote Address" and
    // "Connection Timed Out" / "Connection Canceled" / "Connection Failed".
    virtual void connectToServer();
    // Closes the connection; the client can connect again afterwards.
    virtual void disconnectFromServer();
    // Ends the wait in progress (and every later wait of the same operation).
    void cancel();

    // Sends one command line and reads one reply line; sets replyNumber().
    QString transaction(const QString &command);
    // Sends text + CR LF. Raises "Write Timed Out", "Write Canceled", "Write Failed".
    void writeLine(const QString &text);
    // One line with its CR LF; a longer line comes in pieces of 255 bytes.
    // Raises "Read Timed Out", "Read Canceled", "Read Failed".
    QByteArray readLine();
    // Whether the last piece readLine() returned finished its line.
    bool lastLineComplete() const { return m_lineComplete; }
    // At most `count` (0: up to 255, never more than 255) bytes already received.
    QByteArray readAvailable(int count);

    // Active-mode data connection: listen on `address` and a free port, wait
    // for the server to connect, then send a file over it.
    void listenForData(const QHostAddress &address = QHostAddress(QHostAddress::AnyIPv4));
    // Waits for the data connection. When `from` is given, a connection from
    // any other address is refused (closed without a byte sent to it) and the
    // wait goes on; the time-out covers the whole wait. False when canceled;
    // raises "Error creating Data Connection" and "Data Connection Timed Out".
    bool acceptData(const QHostAddress &from = QHostAddress());
    void sendFile(const QString &path);
    // Sends the rest of an open stream. Returns normally when canceled; a
    // transfer that cannot deliver all its bytes raises "Write Timed Out" or
    // "Write Failed".
    void sendStream(QIODevice *stream);
    void closeSocket();

    // The local IPv4 address with "," for "." ("10,0,0,5") and the local port
    // as ",high,low"; together they make the argument of a PORT command.
    QHostAddress localAddress() const;
    QString localAddressText() const;
    QString localPortText() const;
    static QString addressText(const QHostAddress &address);
    static QString portText(quint16 port);

    // The text of a received line: UTF-8 when valid, otherwise Latin-1.
    static QString decode(const QByteArray &bytes);
    // The longest run of decimal digits at the start (at most 10), or 0.
    static int replyNumberOf(const QByteArray &line);

    // What is asked when the peer's certificate has problems (an unknown
    // issuer, another name, expired): true goes on despite them. Asked on
    // the GUI thread while the handshake waits; the time the answer takes
    // does not count against the time-out. Without one, such a peer is
    // refused.
    using CertificateCheck =
        std::function<bool(const QList<QSslError> &errors, const QSslCertificate &certificate)>;
    void setCertificateCheck(CertificateCheck check) { m_certificateCheck = std::move(check); }
    const CertificateCheck &certificateCheck() const { return m_certificateCheck; }
    // Makes the connection a TLS connection, this side being the TLS client,
    // and waits for the handshake. Raises "TLS Handshake Timed Out",
    // "TLS Handshake Canceled", "Certificate Refused" (the check said no) and
    // "TLS Handshake Failed".
    void startTls(const QSslConfiguration &configuration, const QString &peerName);
    bool isEncrypted() const;
    // The TLS settings in force, with the session to resume on a data connection.
    QSslConfiguration sslConfiguration() const;
    QSslCertificate peerCertificate() const;

signals:
    void status(const QString &text);
    // After each chunk of a file is sent.
    void packetSent();
    // A socket failure with no text of its own ("Unknown Error No. n").
    void socketError(const QString &message);

protected:
    enum class WaitEnd { Ready, Failed, TimedOut, Canceled };

    // For its lifetime, every wait shares one time-out: all of them together
    // end timeOut() milliseconds after it was made, however many waits it
    // takes (a reply of endless lines, a stream of refused connections).
    class Deadline {
    public:
        explicit Deadline(SockClient *client);
        ~Deadline();
        Deadline(const Deadline &) = delete;
        Deadline &operator=(const Deadline &) = delete;

    private:
        SockClient *m_client;
        QDeadlineTimer m_outer;
    };

    void report(const QString &text, int level);
    // Runs a local event loop until `ready` or `failed` holds, the time-out
    // fires or the client is canceled; the conditions are checked before
    // every round.
    WaitEnd waitFor(const std::function<bool()> &ready, const std::function<bool()> &failed);
    void raiseSocketError(int number);
    QTcpSocket *socket() const;
    const QByteArray &lastReply() const { return m_lastReply; }
    void clearCanceled() { m_beenCanceled = false; }
    // While set, reports and replies show this text as "****".
    void setMasked(const QString &secret) { m_masked = secret; }
    const QString &maskedText() const { return m_masked; }
    QString masked(const QString &text) const;
    // Records a reply read by a subclass: `line` as received, `shown` as it
    // may be shown (with secrets hidden).
    void setReply(const QByteArray &line, const QString &shown);
    void clearReplyNumber() { m_replyNumber = 0; }

private:
    void createSocket();
    void adoptSocket(QSslSocket *socket);
    QHostAddress resolve();
    void wake();
    // Bytes not yet handed to the system, plain and encrypted.
    qint64 pendingBytes() const;
    void waitWritable(); // every queued byte handed to the system
    bool waitReadable(); // false when the connection ended with nothing to read
    bool sendChunks(QIODevice *stream);
    void closeTls();
    bool flushPending();

    QString m_host;
    quint16 m_port = 0;
    QString m_proxy;
    quint16 m_proxyPort = 0;
    int m_timeOut = 0;
    int m_reportLevel = 1;
    bool m_connected = false;
    bool m_beenCanceled = false;
    bool m_beenTimedOut = false;
    bool m_lineComplete = true;
    bool m_acceptFailed = false;
    QString m_transactionReply;
    QByteArray m_lastReply;
    int m_replyNumber = 0;
    qint64 m_bytesTotal = 0;
    qint64 m_bytesSent = 0;
    qint64 m_bytesRecvd = 0;
    int m_lastErrorNo = 0;
    QStringList m_wsaInfo;
    QString m_masked;
    CertificateCheck m_certificateCheck;
    bool m_certificateRefused = false;

    QSslSocket *m_socket = nullptr;
    QTcpServer *m_server = nullptr;
    QEventLoop *m_loop = nullptr;  // the innermost wait in progress
    QTimer *m_waitTimer = nullptr; // its time-out
    QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
};
