#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A scripted FTP server on 127.0.0.1 for the cases a real server will not
// play: odd greetings, odd or missing replies, data connections that stall or
// break. It runs in the test's thread; the client's waits drive it.
class FakeFtpServer : public QObject {
    Q_OBJECT
public:
    // What happens on the data connection after STOR.
    enum class Data {
        Receive,      // connect, read everything, send the final reply at the end
        DropAfter,    // connect, read `dropAfter` bytes, then reset the connection
        Stall,        // connect and never read
        NeverConnect, // do not connect at all
        Intruder,     // another local program (on 127.0.0.2) connects first, then
                      // the server as with Receive
    };

    FakeFtpServer();
    quint16 port() const { return m_server.serverPort(); }

    // Raw bytes sent as soon as a client connects (nothing when empty).
    void setGreeting(const QByteArray &raw) { m_greeting = raw; }
    // Raw bytes answered to a command verb ("USER", "PASS", ...); an empty
    // answer leaves the command unanswered. In the answer to PASV or EPSV,
    // "{port}" stands for the port of a passive data listener the server
    // opens then, and "{p1,p2}" for the same port as PASV writes it; the
    // client's data connection to it serves the next STOR.
    void setReply(const QByteArray &verb, const QByteArray &raw) { m_replies[verb] = raw; }
    void setData(Data mode, qint64 dropAfter = 0) {
        m_dataMode = mode;
        m_dropAfter = dropAfter;
    }
    // Raw bytes sent once the data connection has ended.
    void setFinalReply(const QByteArray &raw) { m_finalReply = raw; }
    // Closes the control connection after answering this verb.
    void setCloseAfter(const QByteArray &verb) { m_closeAfter = verb; }
    // Answers this verb with `line` over and over, without end, as fast as
    // the client takes it.
    void setEndless(const QByteArray &verb, const QByteArray &line) {
        m_endlessVerb = verb;
        m_endlessLine = line;
    }
    // Bytes sent to the client later, as an unasked message.
    void sendLater(const QByteArray &raw, int milliseconds);
    void closeControl();

    // Command lines received (without CR LF), and the conversation as
    // "> sent" and "< received" entries in order.
    QList<QByteArray> commands() const { return m_commands; }
    QStringList log() const { return m_log; }
    QByteArray received() const { return m_received; }
    bool dataEnded() const { return m_dataEnded; }
    // What the intruder of Data::Intruder received, and whether it was
    // connected and then cut off.
    QByteArray intruderReceived() const { return m_intruderReceived; }
    bool intruderConnected() const { return m_intruderConnected; }
    bool intruderCutOff() const { return m_intruderCutOff; }

private:
    void onConnection();
    void onCommand();
    void send(const QByteArray &raw);
    void openData();
    void attachData(QTcpSocket *socket);
    QByteArray passiveReply(const QByteArray &raw);
    void openIntruder();
    void onData();
    void sendEndless();

    QTcpServer m_server;
    QTcpServer m_passive;
    QPointer<QTcpSocket> m_passiveData; // connected, waiting for its STOR
    QPointer<QTcpSocket> m_control;
    QPointer<QTcpSocket> m_data;
    QByteArray m_greeting;
    QByteArray m_closeAfter;
    QHash<QByteArray, QByteArray> m_replies;
    QByteArray m_finalReply = "226 Transfer complete.\r\n";
    Data m_dataMode = Data::Receive;
    qint64 m_dropAfter = 0;
    QHostAddress m_dataAddress;
    quint16 m_dataPort = 0;
    QList<QByteArray> m_commands;
    QStringList m_log;
    QByteArray m_received;
    bool m_dataEnded = false;
    QByteArray m_endlessVerb;
    QByteArray m_endlessLine;
    bool m_endlessRunning = false;
    QPointer<QTcpSocket> m_intruder;
    QByteArray m_intruderReceived;
    bool m_intruderConnected = false;
    bool m_intruderCutOff = false;
};
