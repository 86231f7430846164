#include "realftpserver.h"

#include <QDeadlineTimer>

RealFtpServer::RealFtpServer(const QString &root, const QString &user, const QString &password)
    : m_root(root), m_user(user), m_password(password) {}

RealFtpServer::~RealFtpServer() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool RealFtpServer::start(QString *why) {
    // Debian's pyftpdlib imports only under Debian's own interpreter.
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    QStringList arguments{QStringLiteral(QUILMEAD_FTPSERVER_SCRIPT), m_root, m_user, m_password};
    if (!m_tlsFolder.isEmpty())
        arguments << QStringLiteral("--tls") << m_tlsFolder;
    m_process.setArguments(arguments);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        *why = QStringLiteral("cannot start /usr/bin/python3: ") + m_process.errorString();
        return false;
    }
    QByteArray output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_process.canReadLine()) {
            output = m_process.readLine().trimmed();
            if (output.startsWith("CERT "))
                m_certificate = QString::fromLocal8Bit(output.mid(5));
            if (output.startsWith("PORT ")) {
                m_port = quint16(output.mid(5).toUInt());
                return m_port != 0;
            }
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
        m_process.waitForReadyRead(200);
    }
    *why = QStringLiteral("the FTP server did not start: ") +
           QString::fromLocal8Bit(output + m_process.readAllStandardError());
    return false;
}
