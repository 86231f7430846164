#include "publish/ftpclient.h"

#include "app/regularfile.h"
#include "publish/publisherrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpSocket>
#include <algorithm>
#include <memory>
#include <utility>

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
// What is kept of one reply line for the trace and the error texts; the rest
// of a longer line is read and dropped.
constexpr int kShownLine = 4096;

bool isReplyCode(const QByteArray &text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An unasked line that closes the session: "421" and no further digit.
bool isClosing(const QByteArray &line) {
    return line.startsWith("421") && (line.size() == 3 || !isDigit(line.at(3)));
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

void FtpClient::setPassword(const QString &password) {
    m_password = password;
    // Hidden from every report and reply for as long as it is set: a server
    // may echo it at any time.
    setMasked(password);
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

bool FtpClient::isValidReply(const QByteArray &line) {
    if (line.size() < 3 || line.at(0) < '1' || line.at(0) > '5' || !isDigit(line.at(1)) ||
        !isDigit(line.at(2)))
        return false;
    if (line.size() == 3)
        return true;
    const char next = line.at(3);
    return next == ' ' || next == '-' || next == '\r' || next == '\n';
}

// The password as the server may send it back, in UTF-8 or in Latin-1, is
// replaced in the bytes themselves, so that no decoding can let it through.
// When the line was cut, a start of the password at its end is hidden too.
QByteArray FtpClient::hidden(QByteArray line, bool cut) const {
    if (m_password.isEmpty())
        return line;
    const QByteArray utf8 = m_password.toUtf8();
    line.replace(utf8, "****");
    const QByteArray latin1 = m_password.toLatin1();
    if (QString::fromLatin1(latin1) == m_password)
        line.replace(latin1, "****");
    if (cut) {
        for (qsizetype n = qMin(utf8.size() - 1, line.size()); n > 0; --n) {
            if (line.endsWith(utf8.left(n))) {
                line.chop(n);
                line += "****";
                break;
            }
        }
    }
    return line;
}

// One whole line, however many pieces it comes in; reported once, as a
// whole, so that nothing hidden in it can be split across two reports.
QByteArray FtpClient::readWholeLine(bool *wasCut) {
    QByteArray line;
    bool cut = false;
    for (;;) {
        const QByteArray piece = readLine();
        const qsizetype room = kShownLine - line.size();
        line += piece.left(room);
        cut = cut || piece.size() > room;
        // A piece without a line end is followed by the rest of its line, or
        // by the end of the connection, which then fails the next read.
        if (piece.endsWith('\n'))
            break;
    }
    report(decode(hidden(line, cut)), Protocol);
    if (wasCut)
        *wasCut = cut;
    return line;
}

void FtpClient::readReply() {
    Deadline deadline(this); // one time-out for the whole reply
    finishUnaskedLine();
    bool cut = false;
    const QByteArray first = readWholeLine(&cut);
    QByteArray current = first;
    while (continuesReply(first, current))
        current = readWholeLine();
    setReply(first, decode(hidden(first, cut)));
    if (!isValidReply(first))
        throw FtpError(QStringLiteral("Invalid Reply: ") + replyText());
}

QString FtpClient::replyText() const {
    QString text = transactionReply();
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

QString FtpClient::command(const QString &text, int errorFrom) {
    // What came before the command is not its answer.
    consumeUnasked();
    endSessionIfAsked();
    clearReplyNumber();
    writeLine(text);
    readReply();
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
    m_unasked.clear();
    m_unaskedOpen = false;
    m_sessionEnd.clear();
    m_epsvRefused = false;
    try {
        {
            // The greeting; "120 ready in a while" is followed by the real one.
            Deadline deadline(this);
            do
                readReply();
            while (replyNumber() < 200);
        }
        if (replyNumber() >= 400)
            throw FtpError(replyText());
        if (m_secure)
            secureControl();
        login();
        if (m_secure) {
            // Data connections are protected too.
            report(QStringLiteral("PBSZ 0"), Protocol);
            command(QStringLiteral("PBSZ 0"), 300);
            report(QStringLiteral("PROT P"), Protocol);
            command(QStringLiteral("PROT P"), 300);
        }
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
    // A 4xx or 5xx answer refuses the login (400 included: the whole class
    // is a failure).
    command(user, 400);
    if (replyNumber() != 331)
        return;
    report(QStringLiteral("PASS"), Protocol);
    command(QStringLiteral("PASS ") + m_password, 301);
}

// The control connection becomes a TLS connection before the user name and
// password go out; a server that will not is left, never talked to in plain.
void FtpClient::secureControl() {
    report(QStringLiteral("AUTH TLS"), Protocol);
    command(QStringLiteral("AUTH TLS"), 300);
    if (replyNumber() != 234)
        throw FtpError(replyText());
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    // Keeps the session, so that data connections can resume it (many
    // servers require that).
    configuration.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
    startTls(configuration, host());
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
    // cannot be read would replace the remote copy with an empty one. Only a
    // regular file: a pipe would block, a device never end.
    QFile file;
    const RegularFile::Outcome opened = RegularFile::open(file, localPath);
    if (!opened.ok())
        throw SockError(QStringLiteral("Cannot open %1: %2").arg(localPath, opened.message));
    consumeUnasked();
    endSessionIfAsked();

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
    setBytesTotal(file.size());

    const QString name = remoteName.isEmpty() ? QFileInfo(localPath).fileName() : remoteName;
    bool accepted = false;
    try {
        accepted = openData(*data, QStringLiteral("STOR ") + name);
    } catch (const SockError &) {
        // Cancel pressed while the data connection was being made.
        if (data->beenCanceled() || beenCanceled())
            return;
        throw;
    }
    connect(data.get(), &SockClient::packetSent, this, &SockClient::packetSent);
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
    // The outcome of the transfer: only a 2xx reply means the file arrived.
    readReply();
    if (replyNumber() < 200 || replyNumber() >= 300)
        throw FtpError(replyText());
}

bool FtpClient::openData(SockClient &data, const QString &store) {
    const QHostAddress server = socket()->peerAddress();
    if (m_passive) {
        const quint16 port = passivePort();
        data.setHost(server.toString());
        data.setPort(port);
        try {
            data.connectToServer();
        } catch (const SockError &e) {
            throw SockError(QStringLiteral("Data ") + e.message());
        }
    } else {
        // Listen only where the server is told to connect.
        data.listenForData(localAddress());
        const QString port = QStringLiteral("PORT ") + localAddressText() + data.localPortText();
        report(port, Protocol);
        command(port, 301);
    }

    report(store, Protocol);
    command(store, 301);

    // The file goes only to the server: in active mode the data connection
    // must come from the address the control connection goes to.
    if (!m_passive && !data.acceptData(server))
        return false;
    if (m_secure) {
        // The certificate the user accepted for the control connection
        // stands for the data connections too.
        data.setCertificateCheck(
            [this](const QList<QSslError> &errors, const QSslCertificate &certificate) {
                if (!certificate.isNull() && certificate == peerCertificate())
                    return true;
                return certificateCheck() && certificateCheck()(errors, certificate);
            });
        data.startTls(sslConfiguration(), host());
    }
    return true;
}

quint16 FtpClient::passivePort() {
    if (!m_epsvRefused) {
        report(QStringLiteral("EPSV"), Protocol);
        command(QStringLiteral("EPSV"), 600);
        const int number = replyNumber();
        if (number == 229) {
            const quint16 port = epsvPort(lastReply());
            if (port == 0)
                throw FtpError(QStringLiteral("Invalid Reply: ") + replyText());
            return port;
        }
        if (number < 400)
            throw FtpError(replyText());
        // An older server: PASV from now on.
        m_epsvRefused = true;
    }
    report(QStringLiteral("PASV"), Protocol);
    command(QStringLiteral("PASV"), 400);
    QHostAddress address;
    quint16 port = 0;
    if (replyNumber() != 227 || !pasvAddress(lastReply(), &address, &port))
        throw FtpError(QStringLiteral("Invalid Reply: ") + replyText());
    // A server behind a router names an address of its own network; another
    // would send the file to a third machine. The server's own address is
    // the one to use.
    const QHostAddress server = socket()->peerAddress();
    if (!address.isEqual(server, QHostAddress::TolerantConversion))
        report(QStringLiteral("Passive address %1 not used; connecting to %2")
                   .arg(address.toString(), server.toString()),
               Protocol);
    return port;
}

quint16 FtpClient::epsvPort(const QByteArray &reply) {
    const qsizetype open = reply.indexOf('(');
    if (open < 0 || open + 5 > reply.size())
        return 0;
    const char d = reply.at(open + 1);
    if (d < 33 || d > 126 || isDigit(d) || reply.at(open + 2) != d || reply.at(open + 3) != d)
        return 0;
    const qsizetype close = reply.indexOf(d, open + 4);
    if (close < 0 || close + 1 >= reply.size() || reply.at(close + 1) != ')')
        return 0;
    const QByteArray digits = reply.mid(open + 4, close - open - 4);
    if (digits.isEmpty() || digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(), isDigit))
        return 0;
    const int port = digits.toInt();
    return port > 0 && port <= 65535 ? quint16(port) : 0;
}

bool FtpClient::pasvAddress(const QByteArray &reply, QHostAddress *address, quint16 *port) {
    static const QRegularExpression numbers(
        QStringLiteral("(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3})"));
    const QRegularExpressionMatch match = numbers.match(QString::fromLatin1(reply.mid(3)));
    if (!match.hasMatch())
        return false;
    int n[6];
    for (int i = 0; i < 6; ++i) {
        n[i] = match.captured(i + 1).toInt();
        if (n[i] > 255)
            return false;
    }
    const int p = n[4] * 256 + n[5];
    if (p == 0)
        return false;
    *address = QHostAddress(quint32(n[0]) << 24 | quint32(n[1]) << 16 | quint32(n[2]) << 8 |
                            quint32(n[3]));
    *port = quint16(p);
    return true;
}

void FtpClient::abortTransfer() {
    if (m_data) {
        m_data->cancel();
        m_data->closeSocket();
    }
    cancel();
}

void FtpClient::abandon() {
    disarm();
    if (m_data) {
        m_data->cancel();
        m_data->closeSocket();
    }
    cancel(); // also keeps a closing TLS connection from being waited for
    if (isConnected()) {
        SockClient::disconnectFromServer();
        report(QStringLiteral("Disconnected"), Protocol);
    }
}

void FtpClient::arm() {
    m_armed = isConnected();
    // Lines that came while nobody was listening are reported now.
    if (socket()->bytesAvailable() > 0)
        readUnsolicited();
}

void FtpClient::readUnsolicited() {
    if (m_armed)
        consumeUnasked();
}

// Reads what the server sent unasked, line by line, reporting each line.
// A line whose end has not come yet is kept until it does.
void FtpClient::consumeUnasked() {
    QTcpSocket *control = socket();
    while (control->bytesAvailable() > 0) {
        const QByteArray peeked = control->peek(kShownLine);
        const qsizetype lineFeed = peeked.indexOf('\n');
        const QByteArray piece = control->read(lineFeed >= 0 ? lineFeed + 1 : peeked.size());
        const qsizetype room = kShownLine - m_unasked.size();
        m_unasked += piece.left(room);
        m_unaskedCut = m_unaskedCut || piece.size() > room;
        m_unaskedOpen = lineFeed < 0;
        if (!m_unaskedOpen)
            unaskedLine(std::exchange(m_unasked, QByteArray()), std::exchange(m_unaskedCut, false));
    }
    // The connection ended inside a line: what came is the line.
    if (m_unaskedOpen && control->state() != QAbstractSocket::ConnectedState) {
        m_unaskedOpen = false;
        unaskedLine(std::exchange(m_unasked, QByteArray()), std::exchange(m_unaskedCut, false));
    }
}

// An unasked line begun before a command was sent ends with the command's
// reply still to come: the rest of that line is read first, and dropped.
void FtpClient::finishUnaskedLine() {
    while (m_unaskedOpen) {
        const QByteArray piece = readLine();
        const qsizetype room = kShownLine - m_unasked.size();
        m_unasked += piece.left(room);
        m_unaskedCut = m_unaskedCut || piece.size() > room;
        m_unaskedOpen = !piece.endsWith('\n');
    }
    if (!m_unasked.isEmpty())
        unaskedLine(std::exchange(m_unasked, QByteArray()), std::exchange(m_unaskedCut, false));
    endSessionIfAsked();
}

void FtpClient::unaskedLine(const QByteArray &line, bool cut) {
    const QString shown = masked(decode(hidden(line, cut)));
    report(shown, Protocol);
    if (isClosing(line) && m_sessionEnd.isEmpty()) {
        QString text = shown;
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        m_sessionEnd = text;
    }
}

// After an unasked 421 the server is gone: the session ends with its
// message instead of the next command.
void FtpClient::endSessionIfAsked() {
    if (m_sessionEnd.isEmpty())
        return;
    const QString message = std::exchange(m_sessionEnd, QString());
    disarm();
    SockClient::disconnectFromServer();
    report(QStringLiteral("Disconnected"), Protocol);
    throw FtpError(message);
}
