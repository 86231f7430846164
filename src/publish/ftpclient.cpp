#include "publish/ftpclient.h"

#include "app/regularfile.h"
#include "publish/publisherrors.h"

#include <QFile>
#include <QFileInfo>
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
    // A 4xx or 5xx answer refuses the login (400 included: the whole class
    // is a failure).
    command(user, 400);
    if (replyNumber() != 331)
        return;
    report(QStringLiteral("PASS"), Protocol);
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

    // The file goes only to the server: the data connection must come from
    // the address the control connection goes to.
    const bool accepted = data->acceptData(socket()->peerAddress());
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
