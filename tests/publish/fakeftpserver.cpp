#include "fakeftpserver.h"

#include <QTimer>

FakeFtpServer::FakeFtpServer() {
    m_replies = {
        {"USER", "331 Password required.\r\n"},
        {"PASS", "230 Logged in.\r\n"},
        {"PORT", "200 PORT command successful.\r\n"},
        {"STOR", "150 Opening data connection.\r\n"},
        {"TYPE", "200 Type set.\r\n"},
        {"CWD", "250 Directory changed.\r\n"},
        {"QUIT", "221 Goodbye.\r\n"},
    };
    connect(&m_server, &QTcpServer::newConnection, this, &FakeFtpServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

void FakeFtpServer::onConnection() {
    m_control = m_server.nextPendingConnection();
    connect(m_control, &QTcpSocket::readyRead, this, &FakeFtpServer::onCommand);
    if (!m_greeting.isEmpty())
        send(m_greeting);
}

void FakeFtpServer::send(const QByteArray &raw) {
    if (!m_control)
        return;
    m_log << QStringLiteral("> ") + QString::fromLatin1(raw).trimmed();
    m_control->write(raw);
}

void FakeFtpServer::sendLater(const QByteArray &raw, int milliseconds) {
    QTimer::singleShot(milliseconds, this, [this, raw]() { send(raw); });
}

void FakeFtpServer::closeControl() {
    if (m_control)
        m_control->disconnectFromHost();
}

void FakeFtpServer::onCommand() {
    while (m_control && m_control->canReadLine()) {
        QByteArray line = m_control->readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        m_commands << line;
        m_log << QStringLiteral("< ") + QString::fromLatin1(line);
        const qsizetype space = line.indexOf(' ');
        const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
        if (verb == "PORT") {
            const QList<QByteArray> parts = line.mid(5).split(',');
            if (parts.size() == 6) {
                m_dataAddress = QHostAddress(QString::fromLatin1(parts.mid(0, 4).join('.')));
                m_dataPort = quint16(parts[4].toUInt() * 256 + parts[5].toUInt());
            }
        }
        if (!m_endlessVerb.isEmpty() && verb == m_endlessVerb && !m_endlessRunning) {
            m_endlessRunning = true;
            sendEndless();
            continue;
        }
        QByteArray reply = m_replies.value(verb, "500 Unknown command.\r\n");
        if (verb == "PASV" || verb == "EPSV")
            reply = passiveReply(reply);
        if (!reply.isEmpty())
            send(reply);
        if (verb == "STOR" && reply.startsWith('1') && m_passive.isListening()) {
            m_passive.close();
            if (m_dataMode == Data::NeverConnect) {
                // A server that takes the connection but never reads.
            } else if (m_passiveData) {
                attachData(m_passiveData);
            }
        } else if (verb == "STOR" && reply.startsWith('1') && m_dataMode == Data::Intruder)
            openIntruder();
        else if (verb == "STOR" && reply.startsWith('1') && m_dataMode != Data::NeverConnect)
            openData();
        if (verb == m_closeAfter) {
            closeControl();
            return;
        }
    }
}

QByteArray FakeFtpServer::passiveReply(const QByteArray &raw) {
    if (!raw.contains("{port}") && !raw.contains("{p1,p2}"))
        return raw;
    m_passive.close();
    m_passiveData.clear();
    m_passive.listen(QHostAddress::LocalHost, 0);
    m_passive.disconnect(this);
    connect(&m_passive, &QTcpServer::newConnection, this,
            [this]() { m_passiveData = m_passive.nextPendingConnection(); });
    const quint16 port = m_passive.serverPort();
    QByteArray reply = raw;
    reply.replace("{port}", QByteArray::number(port));
    reply.replace("{p1,p2}", QByteArray::number(port >> 8) + ',' + QByteArray::number(port & 0xFF));
    return reply;
}

void FakeFtpServer::openData() {
    auto *socket = new QTcpSocket(this);
    socket->connectToHost(m_dataAddress, m_dataPort);
    attachData(socket);
}

void FakeFtpServer::attachData(QTcpSocket *socket) {
    m_data = socket;
    if (m_dataMode == Data::Stall)
        m_data->setReadBufferSize(4096); // stop taking bytes once this much waits
    else
        connect(m_data, &QTcpSocket::readyRead, this, &FakeFtpServer::onData);
    connect(m_data, &QTcpSocket::disconnected, this, [this]() {
        onData();
        m_dataEnded = true;
        if (m_dataMode == Data::Receive || m_dataMode == Data::Intruder)
            send(m_finalReply);
    });
    if (m_data->state() == QAbstractSocket::ConnectedState && m_data->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &FakeFtpServer::onData);
}

// Keeps the client's input full: a batch of lines whenever the last has been
// taken, until the control connection ends.
void FakeFtpServer::sendEndless() {
    if (!m_control || m_control->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_control->bytesToWrite() < 16 * 1024) {
        QByteArray batch;
        for (int i = 0; i < 200; ++i)
            batch += m_endlessLine;
        m_control->write(batch);
    }
    QTimer::singleShot(1, this, &FakeFtpServer::sendEndless);
}

// Another program on the machine connects to the client's data port first,
// from an address of its own; the server follows once it is in.
void FakeFtpServer::openIntruder() {
    m_intruder = new QTcpSocket(this);
    m_intruder->bind(QHostAddress(QStringLiteral("127.0.0.2")), 0);
    connect(m_intruder, &QTcpSocket::readyRead, this,
            [this]() { m_intruderReceived += m_intruder->readAll(); });
    connect(m_intruder, &QTcpSocket::connected, this, [this]() {
        m_intruderConnected = true;
        openData();
    });
    connect(m_intruder, &QTcpSocket::disconnected, this, [this]() { m_intruderCutOff = true; });
    connect(m_intruder, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) {
                if (error == QAbstractSocket::RemoteHostClosedError ||
                    error == QAbstractSocket::NetworkError)
                    m_intruderCutOff = true;
            });
    m_intruder->connectToHost(m_dataAddress, m_dataPort);
}

void FakeFtpServer::onData() {
    if (!m_data)
        return;
    m_received += m_data->readAll();
    if (m_dataMode == Data::DropAfter && m_received.size() >= m_dropAfter) {
        m_data->disconnect(this);
        m_data->abort(); // unread bytes are still queued, so the peer gets a reset
        m_dataEnded = true;
        send("426 Connection closed; transfer aborted.\r\n");
    }
}
