#pragma once

#include "publish/sockclient.h"

#include <QByteArray>
#include <QString>

// An FTP client for publishing: log in, change folder, choose the transfer
// type, upload files over active-mode data connections, cancel and quit.
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

    // Whether a reply goes on after `current`, in the reply that began with
    // `first` (both whole lines as received).
    static bool continuesReply(const QByteArray &first, const QByteArray &current);
    // Whether a line opens a valid reply: three digits from 100 to 599, then
    // a blank, a dash or the line end.
    static bool isValidReply(const QByteArray &line);

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
    bool m_armed = false;
    QByteArray m_unasked; // an unasked line whose end has not come yet
    bool m_unaskedOpen = false;
    bool m_unaskedCut = false;
    QString m_sessionEnd;         // an unasked 421, to be raised by the next command
    SockClient *m_data = nullptr; // the data connection of the upload in progress
    qint64 m_dataBytesSent = 0;
};
