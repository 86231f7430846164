// The data side of the client: listening for the server's data connection,
// sending a file over it, closing it, and the address texts of PORT.

#include "app/regularfile.h"
#include "publish/publisherrors.h"
#include "publish/sockclient.h"

#include <QFile>
#include <QNetworkProxy>
#include <QSocketNotifier>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A file goes out in chunks of this size; each chunk is one progress event.
constexpr qint64 kChunkSize = 255;
// How much may wait in the socket's own queue before sending pauses for the
// system to take it. Keeps the byte count close to what really left and the
// memory use small, while the system always has data at hand.
constexpr qint64 kQueueLimit = 256 * 1024;

// Hands out connections as QSslSocket, so that a data connection the server
// opens can be made a TLS connection like one the client opens.
class DataServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto *socket = new QSslSocket(this);
        if (socket->setSocketDescriptor(descriptor))
            addPendingConnection(socket);
        else
            delete socket;
    }
};
} // namespace

void SockClient::listenForData(const QHostAddress &address) {
    report(QStringLiteral("Listening"), Steps);
    delete m_server;
    m_server = new DataServer(this);
    m_server->setProxy(QNetworkProxy::NoProxy);
    m_server->setListenBacklogSize(1);
    m_server->setMaxPendingConnections(1);
    m_acceptFailed = false;
    connect(m_server, &QTcpServer::newConnection, this, &SockClient::wake);
    connect(m_server, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError error) {
        m_lastErrorNo = int(error);
        m_acceptFailed = true;
        wake();
    });
    if (!m_server->listen(address, 0))
        raiseSocketError(int(m_server->serverError()));
}

bool SockClient::acceptData(const QHostAddress &from) {
    Deadline deadline(this);
    for (;;) {
        const WaitEnd end =
            waitFor([this]() { return m_server && m_server->hasPendingConnections(); },
                    [this]() { return m_acceptFailed || !m_server || !m_server->isListening(); });
        switch (end) {
        case WaitEnd::Ready:
            break;
        case WaitEnd::Canceled:
            report(QStringLiteral("Data Connection Canceled"), Protocol);
            return false;
        case WaitEnd::TimedOut:
            throw SockError(QStringLiteral("Data Connection Timed Out"));
        case WaitEnd::Failed:
            throw SockError(QStringLiteral("Error creating Data Connection"));
        }
        auto *incoming = qobject_cast<QSslSocket *>(m_server->nextPendingConnection());
        if (!incoming)
            continue;
        const QHostAddress peer = incoming->peerAddress();
        if (from.isNull() || peer.isEqual(from, QHostAddress::TolerantConversion)) {
            report(QStringLiteral("Accepting"), Housekeeping);
            adoptSocket(incoming);
            break;
        }
        // Another program that found the port must not take the file: it
        // is cut off before a byte is sent to it.
        report(QStringLiteral("Refused Data Connection From %1").arg(peer.toString()), Protocol);
        incoming->abort();
        delete incoming;
    }
    m_server->close();
    m_connected = true;
    return true;
}

void SockClient::sendFile(const QString &path) {
    QFile file;
    const RegularFile::Outcome opened = RegularFile::open(file, path);
    if (!opened.ok())
        throw SockError(QStringLiteral("Cannot open %1: %2").arg(path, opened.message));
    sendStream(&file);
}

void SockClient::sendStream(QIODevice *stream) {
    report(QStringLiteral("Send File"), Steps);
    m_bytesSent = 0;
    m_bytesTotal = stream->isSequential() ? stream->bytesAvailable() : stream->size();
    // Everything queued must have reached the system before the transfer
    // counts as sent; a peer that went away is a failure, not a success.
    if (sendChunks(stream))
        flushPending();
}

bool SockClient::flushPending() {
    const WaitEnd end = waitFor(
        [this]() {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                return false;
            m_socket->flush();
            return pendingBytes() == 0;
        },
        [this]() { return m_socket->state() != QAbstractSocket::ConnectedState; });
    switch (end) {
    case WaitEnd::Ready:
        return true;
    case WaitEnd::Canceled:
        return false;
    case WaitEnd::TimedOut:
        throw SockError(QStringLiteral("Write Timed Out"));
    case WaitEnd::Failed:
        break;
    }
    throw SockError(QStringLiteral("Write Failed"));
}

bool SockClient::sendChunks(QIODevice *stream) {
    char chunk[kChunkSize];
    for (;;) {
        if (m_beenCanceled)
            return false;
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            throw SockError(QStringLiteral("Write Failed"));
        if (pendingBytes() >= kQueueLimit) {
            m_socket->flush();
            if (pendingBytes() >= kQueueLimit) {
                const WaitEnd end = waitFor(
                    [this]() {
                        m_socket->flush();
                        return pendingBytes() < kQueueLimit / 2;
                    },
                    [this]() { return m_socket->state() != QAbstractSocket::ConnectedState; });
                if (end == WaitEnd::Canceled)
                    return false;
                if (end == WaitEnd::TimedOut)
                    throw SockError(QStringLiteral("Write Timed Out"));
                if (end == WaitEnd::Failed)
                    throw SockError(QStringLiteral("Write Failed"));
            }
        }
        const qint64 read = stream->read(chunk, kChunkSize);
        if (read < 0)
            throw SockError(QStringLiteral("File Read Error"));
        if (read == 0)
            return true;
        qint64 sent = m_socket->write(chunk, read);
        if (sent < 0) {
            if (m_beenCanceled)
                return false;
            sent = 0;
        }
        // Whatever the socket did not take is read again next round.
        if (sent < read && !stream->isSequential())
            stream->seek(stream->pos() - (read - sent));
        m_bytesSent += sent;
        emit packetSent();
    }
}

void SockClient::closeSocket() {
    report(QStringLiteral("Request Close Socket"), Housekeeping);
    if (m_server)
        m_server->close();
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        if (pendingBytes() > 0)
            m_socket->abort();
        else if (m_socket->isEncrypted() && !m_beenCanceled)
            closeTls();
        else
            m_socket->disconnectFromHost();
        if (m_socket->state() != QAbstractSocket::UnconnectedState)
            m_socket->abort();
    }
    m_connected = false;
}

// A TLS connection ends with a closing message, so that the peer can tell
// the end of the data from a cut. Closing the socket outright would also
// throw away what the peer sent and nobody read yet (TLS 1.3 sends session
// tickets at any time): the system would then reset the connection, and the
// peer lose data it had not read yet. So the connection is held open
// through a second descriptor while the closing message goes out; then only
// the sending side is shut, and whatever the peer still sends is read and
// dropped until it closes too, within the time-out.
void SockClient::closeTls() {
    const int kept = ::fcntl(int(m_socket->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    if (kept < 0) {
        m_socket->disconnectFromHost();
        return;
    }
    Deadline deadline(this);
    m_socket->disconnectFromHost();
    waitFor([this]() { return m_socket->state() == QAbstractSocket::UnconnectedState; },
            []() { return false; });
    if (m_socket->state() == QAbstractSocket::UnconnectedState) {
        ::shutdown(kept, SHUT_WR);
        ::fcntl(kept, F_SETFL, ::fcntl(kept, F_GETFL) | O_NONBLOCK);
        QSocketNotifier notifier(qintptr(kept), QSocketNotifier::Read);
        connect(&notifier, &QSocketNotifier::activated, this, &SockClient::wake);
        const auto peerClosed = [kept]() {
            char scrap[4096];
            for (;;) {
                const ssize_t n = ::read(kept, scrap, sizeof scrap);
                if (n > 0)
                    continue;
                return n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
            }
        };
        waitFor(peerClosed, []() { return false; });
    }
    ::close(kept);
}

QHostAddress SockClient::localAddress() const {
    if (m_server && m_server->isListening())
        return m_server->serverAddress();
    return m_socket->localAddress();
}

QString SockClient::localAddressText() const {
    return addressText(localAddress());
}

QString SockClient::localPortText() const {
    if (m_server && m_server->isListening())
        return portText(m_server->serverPort());
    return portText(m_socket->localPort());
}

QString SockClient::addressText(const QHostAddress &address) {
    bool ok = false;
    const quint32 ip = address.toIPv4Address(&ok);
    if (!ok)
        return QStringLiteral("0,0,0,0");
    return QStringLiteral("%1,%2,%3,%4")
        .arg((ip >> 24) & 0xFF)
        .arg((ip >> 16) & 0xFF)
        .arg((ip >> 8) & 0xFF)
        .arg(ip & 0xFF);
}

QString SockClient::portText(quint16 port) {
    return QStringLiteral(",%1,%2").arg(port >> 8).arg(port & 0xFF);
}
