#pragma once

#include "publish/sockclient.h"

#include <QByteArray>
#include <QString>

// An FTP client for publishing: log in, change folder, choose the transfer
// type, upload files over active-mode data connections, cancel and quit.
// Commands and replies go out through status() (level 1) as a protocol trace;
// the password never appears in it. A refused command raises FtpError with the
// server's reply line; a failed connection raises SockError.
//
// While idle after logging in, lines the server sends unasked (a time-out
// notice, the late end of an aborted transfer) are read and reported.
class FtpClient : public SockClient {
    Q_OBJECT
public:
    enum TransferType { Ascii = 1, Image = 2, Local8 = 3 };

    explicit FtpClient(QObject *parent = nullptr);
    ~FtpClient() override;

    QString userId() const { return m_userId; }
    void setUserId(const QString &userId) { m_userId = userId; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    QString listFileName() const { return m_listFileName; }
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
    // Returns normally when canceled; any other failure raises.
    void uploadFile(const QString &localPath, const QString &remoteName = QString());
    // Cancels the transfer in progress, or the wait in progress.
    void abortTransfer();

    // Whether a reply goes on after `current`, in the reply that began with
    // `first` (both as received, the first piece of each line).
    static bool continuesReply(const QByteArray &first, const QByteArray &current);

signals:
    // Just before and just after the data of an upload is sent.
    void transactionStart();
    void transactionStop();

private:
    class Rearm;

    QByteArray readReplyLine();
    void readContinuation(const QByteArray &first);
    QString command(const QString &text, int errorFrom);
    void login();
    void closeAfterFailure();
    void arm();
    void disarm() { m_armed = false; }
    void readUnsolicited();
    QString replyText() const;

    QString m_userId;
    QString m_password;
    QString m_listFileName;
    bool m_armed = false;
    SockClient *m_data = nullptr; // the data connection of the upload in progress
    qint64 m_dataBytesSent = 0;
};
