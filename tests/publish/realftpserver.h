#pragma once

#include <QProcess>
#include <QString>

// A real FTP server (pyftpdlib under Debian's Python) serving one folder on
// 127.0.0.1 and a free port, for one user. Stopped when destroyed.
class RealFtpServer {
public:
    RealFtpServer(const QString &root, const QString &user, const QString &password);
    ~RealFtpServer();
    RealFtpServer(const RealFtpServer &) = delete;
    RealFtpServer &operator=(const RealFtpServer &) = delete;

    // Explicit FTPS, required on every connection, with a certificate for
    // 127.0.0.1 made anew in `folder`. Call before start().
    void setTls(const QString &folder) { m_tlsFolder = folder; }
    // The certificate (PEM) the server shows, once started with TLS.
    QString certificatePath() const { return m_certificate; }

    // Starts the server and waits (a few seconds at most) for its port;
    // on failure `why` says what went wrong.
    bool start(QString *why);
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    QString m_root;
    QString m_user;
    QString m_password;
    quint16 m_port = 0;
    QString m_tlsFolder;
    QString m_certificate;
};
