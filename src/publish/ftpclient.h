#pragma once

#include "publish/sockclient.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// An FTP client for publishing: log in, change folder, choose the transfer
// type, upload files, cancel and quit.
//
// Data connections are active (PORT: the server connects to the client) or,
// with setPassive(), passive: the client asks with EPSV, or with PASV when
// the server refuses EPSV, and connects out. Either way a data connection
// joins only this client and the server the control connection goes to: in
// active mode a connection from elsewhere is refused, in passive mode the
// address a PASV reply names is not used, only its port.
//
// With setSecure() the session is explicit FTPS: AUTH TLS right after the
// greeting, before the user name and password are sent, then PBSZ 0 and
// PROT P, and every data connection is encrypted too. A server that refuses
// any of these ends the login with its reply; the client never falls back to
// plain text. Certificate problems go to the certificate check, which
// decides; a data connection that shows the certificate already accepted for
// the control connection is not asked about again.
// Commands and replies go out through status() (level 1) as a protocol trace;
// the password never appears in it, nor in any error text, wherever and
// whenever a server echoes it. A refused command raises FtpError with the
// server's reply line; a failed connection raises SockError.
//
// Replies are judged strictly: a reply counts only when it begins with a
// code from 100 to 599 and ends with its line end, and the time-out covers a
// whole reply, however many lines it has. Anything else is a failure, never a
// success: a reply cut short raises SockError "Read Failed", one without a
// valid code FtpError "Invalid Reply: " + the line.
//
// Lines the server sends unasked (a time-out notice, the late end of an
// aborted transfer) are read and reported, while idle and before every
// command, so that they are never taken for the answer to the next command.
// An unasked 421 ends the session: the next command raises FtpError with it.
class FtpClient : public SockClient {
    Q_OBJECT
public:
    enum TransferType { Ascii = 1, Image = 2, Local8 = 3 };

    explicit FtpClient(QObject *parent = nullptr);
    ~FtpClient() override;

    QString userId() const { return m_userId; }
    void setUserId(const QString &userId) { m_userId = userId; }
    QString password() const { return m_password; }
    void setPassword(const QString &password);
    QString listFileName() const { return m_listFileName; }
    bool passive() const { return m_passive; }
    void setPassive(bool passive) { m_passive = passive; }
    bool secure() const { return m_secure; }
    void setSecure(bool secure) { m_secure = secure; }
    void setListFileName(const QString &name) { m_listFileName = name; }

    // Bytes sent so far over the data connection of the current (or last) upload.
    qint64 bytesRecvd() const override;

    // Connects and logs in; does nothing when already connected. A failed
    // login leaves the client disconnected.
    void connectToServer() override;
    // Sends QUIT when connected, then closes the connection in every case.
    void disconnectFromServer() override;
    // Runs one command; a reply from 400 to 599 raises FtpError.
    void sendCommand(const QString &command);
    void changeDirectory(const QString &path);
    void setTransferType(int kind);
    // Uploads a local file under `remoteName` (the local file name when empty).
    // Returns normally when canceled; any other failure raises, also a final
    // reply other than 2xx after the data was sent. The data connection is
    // accepted only from the server's address.
    void uploadFile(const QString &localPath, const QString &remoteName = QString());
    // Cancels the transfer in progress, or the wait in progress.
    void abortTransfer();
    // Closes the control connection at once, without QUIT: after a failure
    // that leaves the server's state unknown (a time-out, a lost or garbled
    // reply), where waiting for a goodbye would only wait again.
    void abandon();

    // Whether a reply goes on after `current`, in the reply that began with
    // `first` (both whole lines as received).
    static bool continuesReply(const QByteArray &first, const QByteArray &current);
    // Whether a line opens a valid reply: three digits from 100 to 599, then
    // a blank, a dash or the line end.
    static bool isValidReply(const QByteArray &line);
    // The port of an EPSV reply ("229 ... (|||6446|)"); 0 when it names none.
    static quint16 epsvPort(const QByteArray &reply);
    // The address and port of a PASV reply ("227 ... (h1,h2,h3,h4,p1,p2)");
    // false when it names none.
    static bool pasvAddress(const QByteArray &reply, QHostAddress *address, quint16 *port);

signals:
    // Just before and just after the data of an upload is sent.
    void transactionStart();
    void transactionStop();

private:
    class Rearm;

    QByteArray readWholeLine(bool *wasCut = nullptr);
    void readReply();
    QString command(const QString &text, int errorFrom);
    void login();
    void secureControl();
    // Asks the server for a passive data port (EPSV, then PASV).
    quint16 passivePort();
    // Opens the data connection of an upload up to the point where the file
    // can go; false when canceled.
    bool openData(SockClient &data, const QString &store);
    void closeAfterFailure();
    void arm();
    void disarm() { m_armed = false; }
    void readUnsolicited();
    void consumeUnasked();
    void finishUnaskedLine();
    void unaskedLine(const QByteArray &line, bool cut);
    void endSessionIfAsked();
    QByteArray hidden(QByteArray line, bool cut) const;
    QString replyText() const;

    QString m_userId;
    QString m_password;
    QString m_listFileName;
    bool m_passive = false;
    bool m_secure = false;
    bool m_epsvRefused = false; // for the session: PASV straight away
    bool m_armed = false;
    QByteArray m_unasked; // an unasked line whose end has not come yet
    bool m_unaskedOpen = false;
    bool m_unaskedCut = false;
    QString m_sessionEnd;         // an unasked 421, to be raised by the next command
    SockClient *m_data = nullptr; // the data connection of the upload in progress
    qint64 m_dataBytesSent = 0;
};
