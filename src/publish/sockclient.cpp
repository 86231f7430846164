#include "publish/sockclient.h"

#include "publish/publisherrors.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QRegularExpression>
#include <QSslCipher>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <climits>
#include <memory>

namespace {
// Lines are read in pieces of at most this many bytes.
constexpr int kLineLimit = 255;
// What the socket may hold of unread input; beyond it the peer has to wait, so
// a server that floods the control connection cannot fill the memory.
constexpr qint64 kReadBufferLimit = 64 * 1024;

bool isDottedIPv4(const QString &name) {
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    return dotted.match(name).hasMatch() &&
           QHostAddress(name).protocol() == QAbstractSocket::IPv4Protocol;
}
} // namespace

SockClient::SockClient(QObject *parent) : QObject(parent) {
    createSocket();
}

SockClient::~SockClient() {
    if (m_loop)
        m_loop->quit();
}

void SockClient::setHost(const QString &host) {
    m_host = host.left(kLineLimit);
}

void SockClient::setProxy(const QString &proxy) {
    m_proxy = proxy.left(kLineLimit);
}

void SockClient::report(const QString &text, int level) {
    if (level <= m_reportLevel)
        emit status(masked(text));
}

QString SockClient::masked(const QString &text) const {
    if (m_masked.isEmpty() || !text.contains(m_masked, Qt::CaseInsensitive))
        return text;
    QString copy = text;
    return copy.replace(m_masked, QStringLiteral("****"), Qt::CaseInsensitive);
}

void SockClient::setReply(const QByteArray &line, const QString &shown) {
    m_lastReply = line;
    m_transactionReply = masked(shown).left(kLineLimit);
    m_replyNumber = replyNumberOf(line);
}

SockClient::Deadline::Deadline(SockClient *client) : m_client(client), m_outer(client->m_deadline) {
    // A deadline inside another keeps the earlier end.
    if (client->m_timeOut > 0)
        client->m_deadline = qMin(m_outer, QDeadlineTimer(client->m_timeOut));
}

SockClient::Deadline::~Deadline() {
    m_client->m_deadline = m_outer;
}

void SockClient::createSocket() {
    report(QStringLiteral("Initializing Winsock"), Tracing);
    m_wsaInfo = {QStringLiteral("Qt Network %1").arg(QString::fromLatin1(qVersion())),
                 QStringLiteral("TCP over IPv4")};
    // Plain TCP until startTls() is asked for.
    adoptSocket(new QSslSocket(this));
}

QTcpSocket *SockClient::socket() const {
    return m_socket;
}

void SockClient::adoptSocket(QSslSocket *socket) {
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        delete m_socket;
    }
    m_socket = socket;
    socket->setParent(this);
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(kReadBufferLimit);
    connect(socket, &QTcpSocket::connected, this, &SockClient::wake);
    connect(socket, &QTcpSocket::disconnected, this, &SockClient::wake);
    connect(socket, &QTcpSocket::readyRead, this, &SockClient::wake);
    connect(socket, &QTcpSocket::bytesWritten, this, &SockClient::wake);
    connect(socket, &QSslSocket::encrypted, this, &SockClient::wake);
    connect(socket, &QSslSocket::encryptedBytesWritten, this, &SockClient::wake);
    connect(socket, &QSslSocket::sslErrors, this, [this](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            report(QStringLiteral("Certificate: ") + error.errorString(), Protocol);
        // The question may take the user a while: that time is not the
        // server's.
        const int left = m_waitTimer && m_waitTimer->isActive() ? m_waitTimer->remainingTime() : -1;
        if (left >= 0)
            m_waitTimer->stop();
        const bool accepted =
            m_certificateCheck && m_certificateCheck(errors, m_socket->peerCertificate());
        if (left >= 0 && m_waitTimer)
            m_waitTimer->start(left);
        if (accepted)
            m_socket->ignoreSslErrors(errors);
        else
            m_certificateRefused = true;
        wake();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        report(QStringLiteral("Checking Error In Error Manager"), ErrorManager);
        report(QStringLiteral("Setting LastError Number"), Tracing);
        m_lastErrorNo = int(error);
        wake();
    });
}

void SockClient::wake() {
    report(QStringLiteral("Socket Opperation Triggered"), Tracing);
    if (m_loop)
        m_loop->quit();
}

void SockClient::cancel() {
    report(QStringLiteral("Canceling"), Steps);
    m_beenCanceled = true;
    if (m_loop)
        m_loop->quit();
}

SockClient::WaitEnd SockClient::waitFor(const std::function<bool()> &ready,
                                        const std::function<bool()> &failed) {
    m_beenTimedOut = false;
    QEventLoop loop;
    QEventLoop *outer = m_loop;
    m_loop = &loop;

    QTimer timer;
    timer.setSingleShot(true);
    QTimer *outerTimer = m_waitTimer;
    m_waitTimer = &timer;
    const bool limited = m_timeOut > 0;
    const bool shared = limited && !m_deadline.isForever();
    if (limited) {
        connect(&timer, &QTimer::timeout, this, [this, &loop]() {
            report(QStringLiteral("Timer Triggered"), Tracing);
            m_beenTimedOut = true;
            loop.quit();
        });
        report(QStringLiteral("Timer On"), Tracing);
        timer.start(shared ? int(qMax<qint64>(0, m_deadline.remainingTime())) : m_timeOut);
    }

    WaitEnd end;
    for (;;) {
        if (m_beenCanceled) {
            end = WaitEnd::Canceled;
            break;
        }
        // Checked before readiness: data that keeps coming must not hold the
        // client past its time.
        if (shared && m_deadline.hasExpired()) {
            if (!m_beenTimedOut)
                report(QStringLiteral("Timer Triggered"), Tracing);
            m_beenTimedOut = true;
            end = WaitEnd::TimedOut;
            break;
        }
        if (ready()) {
            end = WaitEnd::Ready;
            break;
        }
        if (failed()) {
            end = WaitEnd::Failed;
            break;
        }
        if (m_beenTimedOut) {
            end = WaitEnd::TimedOut;
            break;
        }
        loop.exec();
    }

    if (m_timeOut > 0) {
        timer.stop();
        report(QStringLiteral("Timer Off"), Tracing);
    }
    m_loop = outer;
    m_waitTimer = outerTimer;
    return end;
}

void SockClient::raiseSocketError(int number) {
    report(QStringLiteral("Checking Error In Error Manager"), ErrorManager);
    report(QStringLiteral("Getting LastError Number"), Tracing);
    // A call that would have blocked is no failure.
    if (number == int(QAbstractSocket::TemporaryError))
        return;
    report(QStringLiteral("Setting LastError Number"), Tracing);
    m_lastErrorNo = number;
    report(QStringLiteral("Looking Up Error Message"), Tracing);
    const QString message = QStringLiteral("Unknown Error No. %1").arg(number);
    emit socketError(message);
    throw SockError(message);
}

QHostAddress SockClient::resolve() {
    const QString name = m_proxy.isEmpty() ? m_host : m_proxy;
    if (isDottedIPv4(name))
        return QHostAddress(name);

    // The look-up may still answer after the wait has given up, so its result
    // goes to shared state rather than to this frame.
    struct LookUp {
        bool done = false;
        QHostInfo info;
    };
    auto state = std::make_shared<LookUp>();
    const int id = QHostInfo::lookupHost(name, this, [this, state](const QHostInfo &info) {
        state->info = info;
        state->done = true;
        wake();
    });
    const WaitEnd end = waitFor([&state]() { return state->done; }, []() { return false; });
    if (end != WaitEnd::Ready)
        QHostInfo::abortHostLookup(id);
    if (end == WaitEnd::TimedOut)
        throw SockError(QStringLiteral("Host Lookup Timed Out"));
    if (end == WaitEnd::Canceled)
        throw SockError(QStringLiteral("Host Lookup Canceled"));
    if (state->info.error() == QHostInfo::NoError) {
        const auto addresses = state->info.addresses();
        for (const QHostAddress &address : addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol)
                return address;
        }
    }
    throw SockError(QStringLiteral("Host Lookup Failed"));
}

void SockClient::connectToServer() {
    m_beenCanceled = false;
    if (m_connected)
        throw SockError(QStringLiteral("Already connected"));
    const QHostAddress address = resolve();
    if (address.isNull() || address.toIPv4Address() == 0)
        throw SockError(QStringLiteral("Null Remote Address"));

    report(QStringLiteral("Connecting"), Steps);
    m_socket->abort();
    m_socket->connectToHost(address, m_proxy.isEmpty() ? m_port : m_proxyPort);
    const WaitEnd end =
        waitFor([this]() { return m_socket->state() == QAbstractSocket::ConnectedState; },
                [this]() { return m_socket->state() == QAbstractSocket::UnconnectedState; });
    switch (end) {
    case WaitEnd::Ready:
        break;
    case WaitEnd::TimedOut:
        m_socket->abort();
        throw SockError(QStringLiteral("Connection Timed Out"));
    case WaitEnd::Canceled:
        m_socket->abort();
        throw SockError(QStringLiteral("Connection Canceled"));
    case WaitEnd::Failed:
        m_socket->abort();
        throw SockError(QStringLiteral("Connection Failed"));
    }
    m_connected = true;
    m_lineComplete = true;
    m_bytesRecvd = 0;
}

void SockClient::disconnectFromServer() {
    report(QStringLiteral("Disconnecting"), Steps);
    closeSocket();
}

qint64 SockClient::pendingBytes() const {
    return m_socket->bytesToWrite() + m_socket->encryptedBytesToWrite();
}

void SockClient::waitWritable() {
    const WaitEnd end = waitFor(
        [this]() {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                return false;
            if (pendingBytes() > 0)
                m_socket->flush();
            return pendingBytes() == 0;
        },
        [this]() { return m_socket->state() != QAbstractSocket::ConnectedState; });
    switch (end) {
    case WaitEnd::Ready:
        return;
    case WaitEnd::TimedOut:
        throw SockError(QStringLiteral("Write Timed Out"));
    case WaitEnd::Canceled:
        throw SockError(QStringLiteral("Write Canceled"));
    case WaitEnd::Failed:
        throw SockError(QStringLiteral("Write Failed"));
    }
}

void SockClient::writeLine(const QString &text) {
    report(QStringLiteral("WriteLn"), Steps);
    // A line break inside the text would smuggle a second command to the
    // server (a file name can hold one).
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        throw SockError(QStringLiteral("Line Break In Command"));
    const QByteArray bytes = text.toUtf8() + "\r\n";
    report(QStringLiteral("Sending Buffer"), Housekeeping);
    waitWritable();
    if (m_socket->write(bytes) != bytes.size())
        throw SockError(QStringLiteral("Write Failed"));
    waitWritable();
}

bool SockClient::waitReadable() {
    const WaitEnd end =
        waitFor([this]() { return m_socket->bytesAvailable() > 0; },
                [this]() { return m_socket->state() != QAbstractSocket::ConnectedState; });
    switch (end) {
    case WaitEnd::Ready:
        return true;
    case WaitEnd::TimedOut:
        throw SockError(QStringLiteral("Read Timed Out"));
    case WaitEnd::Canceled:
        throw SockError(QStringLiteral("Read Canceled"));
    case WaitEnd::Failed:
        break;
    }
    return false;
}

QByteArray SockClient::readLine() {
    if (!waitReadable())
        throw SockError(QStringLiteral("Read Failed"));

    // Wait for the end of the line, or for a full piece. When the connection
    // ends or the client is canceled, what has arrived is the line.
    const WaitEnd end = waitFor(
        [this]() {
            const QByteArray peeked = m_socket->peek(kLineLimit);
            return peeked.contains('\n') || peeked.size() >= kLineLimit;
        },
        [this]() { return m_socket->state() != QAbstractSocket::ConnectedState; });
    if (end == WaitEnd::TimedOut)
        throw SockError(QStringLiteral("Read Timed Out"));

    const QByteArray peeked = m_socket->peek(kLineLimit);
    const int lineFeed = peeked.indexOf('\n');
    const QByteArray line = m_socket->read(lineFeed >= 0 ? lineFeed + 1 : peeked.size());
    m_lineComplete = lineFeed >= 0 || (m_socket->bytesAvailable() == 0 &&
                                       m_socket->state() != QAbstractSocket::ConnectedState);
    m_bytesRecvd += line.size();
    return line;
}

QByteArray SockClient::readAvailable(int count) {
    report(QStringLiteral("Read(%1)").arg(count), Tracing);
    if (!waitReadable())
        throw SockError(QStringLiteral("Read Failed"));
    const int limit = (count <= 0 || count > kLineLimit) ? kLineLimit : count;
    const QByteArray data = m_socket->read(limit);
    m_lineComplete = data.endsWith('\n');
    m_bytesRecvd += data.size();
    return data;
}

QString SockClient::transaction(const QString &command) {
    m_replyNumber = 0;
    writeLine(command);
    const QByteArray line = readLine();
    m_lastReply = line;
    m_transactionReply = masked(decode(line));
    if (!line.isEmpty()) {
        report(decode(line), Protocol);
        m_replyNumber = replyNumberOf(line);
    }
    return m_transactionReply;
}

void SockClient::startTls(const QSslConfiguration &configuration, const QString &peerName) {
    report(QStringLiteral("Starting TLS"), Steps);
    m_certificateRefused = false;
    m_socket->setSslConfiguration(configuration);
    m_socket->setPeerVerifyName(peerName);
    m_socket->startClientEncryption();
    const WaitEnd end = waitFor([this]() { return m_socket->isEncrypted(); },
                                [this]() {
                                    return m_certificateRefused ||
                                           m_socket->state() != QAbstractSocket::ConnectedState;
                                });
    switch (end) {
    case WaitEnd::Ready:
        report(
            QStringLiteral("TLS: %1, %2")
                .arg(m_socket->sessionCipher().protocolString(), m_socket->sessionCipher().name()),
            Protocol);
        return;
    case WaitEnd::TimedOut:
        m_socket->abort();
        m_connected = false;
        throw SockError(QStringLiteral("TLS Handshake Timed Out"));
    case WaitEnd::Canceled:
        m_socket->abort();
        m_connected = false;
        throw SockError(QStringLiteral("TLS Handshake Canceled"));
    case WaitEnd::Failed:
        break;
    }
    const QString reason = m_socket->errorString();
    m_socket->abort();
    m_connected = false;
    if (m_certificateRefused)
        throw SockError(QStringLiteral("Certificate Refused"));
    report(QStringLiteral("TLS: ") + reason, Protocol);
    throw SockError(QStringLiteral("TLS Handshake Failed"));
}

bool SockClient::isEncrypted() const {
    return m_socket->isEncrypted();
}

QSslConfiguration SockClient::sslConfiguration() const {
    return m_socket->sslConfiguration();
}

QSslCertificate SockClient::peerCertificate() const {
    return m_socket->peerCertificate();
}

QString SockClient::decode(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

int SockClient::replyNumberOf(const QByteArray &line) {
    qint64 number = 0;
    for (int i = 0; i < line.size() && i < 10; ++i) {
        const char c = line.at(i);
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
    }
    return int(qMin<qint64>(number, INT_MAX));
}
