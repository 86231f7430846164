#include "app/instancelink.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// The request: a tag that tells a Quilmead request from stray bytes, then
// the file list. The answer is one byte.
constexpr quint32 kRequestTag = 0x514d4631; // "QMF1"
constexpr char kTaken = 'K';
// A request larger than this is no request of ours.
constexpr qint64 kMaxRequest = 16 * 1024 * 1024;

} // namespace

QString instanceServerName(const QString &runtimeDir) {
    return QDir(runtimeDir).absoluteFilePath(QStringLiteral("quilmead-instance"));
}

bool handOverFiles(const QString &serverName, const QStringList &files, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray request;
    {
        QDataStream out(&request, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << kRequestTag << files;
    }
    socket.write(request);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString &serverName) {
    // Someone answering there is a running program; otherwise whatever is
    // there is a leftover of one that ended without removing its socket.
    // (Qt replaces a socket file when it listens with access options, so the
    // question is asked first.)
    QLocalSocket probe;
    probe.connectToServer(serverName);
    if (probe.waitForConnected(1000)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(serverName);
    return m_server->listen(serverName);
}

bool InstanceServer::isListening() const {
    return m_server->isListening();
}

void InstanceServer::accept() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        readFrom(socket);
    }
}

void InstanceServer::readFrom(QLocalSocket *socket) {
    if (socket->bytesAvailable() > kMaxRequest) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    quint32 tag = 0;
    QStringList files;
    in >> tag;
    if (in.status() == QDataStream::Ok && tag != kRequestTag) {
        socket->abort();
        return;
    }
    in >> files;
    if (!in.commitTransaction()) {
        if (in.status() != QDataStream::ReadPastEnd)
            socket->abort(); // not a list of names
        return;              // otherwise the rest is still on its way
    }
    socket->putChar(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    QStringList absolute;
    for (const QString &file : files)
        if (!file.isEmpty())
            absolute << file;
    if (!absolute.isEmpty())
        emit filesArrived(absolute);
}
