#include "publish/ftpclient.h"

#include "publish/publisherrors.h"

#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <algorithm>
#include <functional>
#include <memory>

// Stops reporting unasked lines for the length of an exchange and resumes it
// afterwards, however the exchange ends.
class FtpClient::Rearm {
public:
    explicit Rearm(FtpClient *client) : m_client(client) { client->disarm(); }
    ~Rearm() { m_client->arm(); }
    Rearm(const Rearm &) = delete;
    Rearm &operator=(const Rearm &) = delete;

private:
    FtpClient *m_client;
};

namespace {
// Hides a text in everything reported while an exchange that may echo it runs.
class MaskScope {
public:
    MaskScope(const std::function<void(const QString &)> &set, const QString &secret) : m_set(set) {
        m_set(secret);
    }
    ~MaskScope() { m_set(QString()); }

private:
    std::function<void(const QString &)> m_set;
};

bool isReplyCode(const QByteArray &text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

FtpClient::FtpClient(QObject *parent) : SockClient(parent) {
    setPort(21);
    connect(socket(), &QTcpSocket::readyRead, this, &FtpClient::readUnsolicited);
    connect(socket(), &QTcpSocket::disconnected, this, &FtpClient::readUnsolicited);
}

FtpClient::~FtpClient() {
    // Receivers may be half destroyed themselves by now: nothing is reported.
    blockSignals(true);
    disarm();
    if (m_data)
        m_data->cancel();
    cancel();
    if (isConnected()) {
        // Say goodbye without waiting for the answer: a destructor must neither
        // block on a silent server nor fail.
        if (socket()->state() == QAbstractSocket::ConnectedState) {
            socket()->write("QUIT\r\n");
            socket()->flush();
        }
        SockClient::disconnectFromServer();
    }
}

qint64 FtpClient::bytesRecvd() const {
    return m_data ? m_data->bytesSent() : m_dataBytesSent;
}

bool FtpClient::continuesReply(const QByteArray &first, const QByteArray &current) {
    if (current.startsWith(' '))
        return true;
    if (current.size() >= 4 && current.at(3) == '-')
        return true;
    // A reply opened by "ddd-" runs up to the line that begins "ddd ", whatever
    // the lines between begin with.
    const QByteArray code = first.left(3);
    if (first.size() >= 4 && first.at(3) == '-' && isReplyCode(code)) {
        const bool closing =
            current.startsWith(code) && (current.size() == 3 || current.at(3) == ' ' ||
                                         current.at(3) == '\r' || current.at(3) == '\n');
        return !closing;
    }
    return false;
}

QByteArray FtpClient::readReplyLine() {
    const QByteArray line = readLine();
    if (!line.isEmpty())
        report(decode(line), Protocol);
    return line;
}

void FtpClient::readContinuation(const QByteArray &first) {
    QByteArray current = first;
    for (;;) {
        // The further pieces of a line longer than one piece belong to it.
        while (!lastLineComplete())
            readReplyLine();
        if (!continuesReply(first, current))
            return;
        current = readReplyLine();
    }
}

QString FtpClient::replyText() const {
    QString text = transactionReply();
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

QString FtpClient::command(const QString &text, int errorFrom) {
    transaction(text);
    readContinuation(lastReply());
    const int number = replyNumber();
    if (number >= errorFrom && number < 600)
        throw FtpError(replyText());
    return transactionReply();
}

void FtpClient::connectToServer() {
    if (isConnected())
        return;
    disarm(); // the greeting is for the login, not for the idle reader
    SockClient::connectToServer();
    try {
        const QByteArray greeting = readReplyLine();
        readContinuation(greeting);
        login();
    } catch (const PublishError &) {
        closeAfterFailure();
        throw;
    }
    arm();
}

void FtpClient::login() {
    report(QStringLiteral("USER ") + m_userId, Protocol);
    // Through a proxy the user name tells the proxy which server to log in to.
    const QString user = proxy().isEmpty()
                             ? QStringLiteral("USER ") + m_userId
                             : QStringLiteral("USER ") + m_userId + QLatin1Char('@') + host();
    command(user, 401);
    if (replyNumber() != 331)
        return;
    report(QStringLiteral("PASS"), Protocol);
    // A server that echoes the command in its answer must not put the
    // password into the trace or an error message.
    MaskScope mask([this](const QString &secret) { setMasked(secret); }, m_password);
    command(QStringLiteral("PASS ") + m_password, 301);
}

void FtpClient::closeAfterFailure() {
    try {
        if (beenCanceled())
            SockClient::disconnectFromServer(); // the user gave up: do not wait again
        else
            disconnectFromServer();
    } catch (const PublishError &) {
        // The failure that brought us here is the one to pass on.
    }
    report(QStringLiteral("Disconnected"), Protocol);
}

void FtpClient::disconnectFromServer() {
    disarm();
    clearCanceled();
    if (isConnected()) {
        try {
            report(QStringLiteral("QUIT"), Protocol);
            command(QStringLiteral("QUIT"), 301);
        } catch (const PublishError &) {
            SockClient::disconnectFromServer();
            throw;
        }
    }
    SockClient::disconnectFromServer();
}

void FtpClient::sendCommand(const QString &text) {
    Rearm rearm(this);
    clearCanceled();
    if (!isConnected())
        return;
    report(text, Protocol);
    command(text, 400);
}

void FtpClient::changeDirectory(const QString &path) {
    sendCommand(QStringLiteral("CWD ") + path);
}

void FtpClient::setTransferType(int kind) {
    switch (kind) {
    case Ascii:
        sendCommand(QStringLiteral("TYPE A"));
        break;
    case Image:
        sendCommand(QStringLiteral("TYPE I"));
        break;
    case Local8:
        sendCommand(QStringLiteral("TYPE L 8"));
        break;
    default:
        break;
    }
}

void FtpClient::uploadFile(const QString &localPath, const QString &remoteName) {
    Rearm rearm(this);
    clearCanceled();
    if (!isConnected())
        return;

    // Open the file before the server hears of it: a STOR for a file that
    // cannot be read would replace the remote copy with an empty one.
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw SockError(QStringLiteral("Cannot open %1").arg(localPath));

    auto data = std::make_unique<SockClient>();
    data->setPort(0);
    data->setTimeOut(timeOut());
    data->setReportLevel(reportLevel());
    connect(data.get(), &SockClient::status, this, &SockClient::status);
    m_data = data.get();
    m_dataBytesSent = 0;
    struct DataScope {
        FtpClient *client;
        ~DataScope() {
            client->m_dataBytesSent = client->m_data->bytesSent();
            client->m_data = nullptr;
        }
    } scope{this};

    // Listen only where the server is told to connect.
    data->listenForData(localAddress());
    setBytesTotal(file.size());

    const QString port = QStringLiteral("PORT ") + localAddressText() + data->localPortText();
    report(port, Protocol);
    command(port, 301);

    connect(data.get(), &SockClient::packetSent, this, &SockClient::packetSent);
    const QString name = remoteName.isEmpty() ? QFileInfo(localPath).fileName() : remoteName;
    const QString store = QStringLiteral("STOR ") + name;
    report(store, Protocol);
    command(store, 301);

    const bool accepted = data->acceptData();
    emit transactionStart();
    try {
        if (accepted && !data->beenCanceled() && !beenCanceled())
            data->sendStream(&file);
    } catch (const PublishError &) {
        emit transactionStop();
        data->closeSocket();
        throw;
    }
    emit transactionStop();
    data->closeSocket();

    if (data->beenCanceled() || beenCanceled())
        return;
    // The outcome of the transfer; it is shown, not judged.
    readContinuation(readReplyLine());
}

void FtpClient::abortTransfer() {
    if (m_data) {
        m_data->cancel();
        m_data->closeSocket();
    }
    cancel();
}

void FtpClient::arm() {
    m_armed = isConnected();
    // Lines that came while nobody was listening are reported now.
    if (socket()->bytesAvailable() > 0)
        readUnsolicited();
}

void FtpClient::readUnsolicited() {
    if (!m_armed)
        return;
    QTcpSocket *control = socket();
    for (;;) {
        const QByteArray peeked = control->peek(255);
        if (peeked.isEmpty())
            return;
        const int lineFeed = peeked.indexOf('\n');
        const bool ended = control->state() != QAbstractSocket::ConnectedState;
        if (lineFeed < 0 && peeked.size() < 255 && !ended)
            return; // the rest of the line is still on its way
        const QByteArray line = control->read(lineFeed >= 0 ? lineFeed + 1 : peeked.size());
        report(decode(line), Protocol);
    }
}
