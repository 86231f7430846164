#pragma once

#include "publish/ftpclient.h"
#include "publish/publisherrors.h"
#include "publish/sockclient.h"

#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

// Every status text a client reports, without the line end of reply lines.
struct Trace {
    QStringList lines;
    void attach(SockClient &client) {
        QObject::connect(&client, &SockClient::status, &client, [this](const QString &text) {
            QString line = text;
            while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            lines << line;
        });
    }
    bool has(const QString &line) const { return lines.contains(line); }
    bool mentions(const QString &text) const {
        for (const QString &line : lines) {
            if (line.contains(text))
                return true;
        }
        return false;
    }
};

// What an operation raised, as "FtpError: text" or "SockError: text"; empty
// when it returned normally.
template <typename Operation> QString failureOf(Operation operation) {
    try {
        operation();
    } catch (const FtpError &e) {
        return QStringLiteral("FtpError: ") + e.message();
    } catch (const SockError &e) {
        return QStringLiteral("SockError: ") + e.message();
    }
    return QString();
}

// Points a client at a server on this machine.
inline void aimAtLocalServer(FtpClient &client, quint16 port, const QString &user,
                             const QString &password, int timeOut) {
    client.setHost(QStringLiteral("127.0.0.1"));
    client.setPort(port);
    client.setUserId(user);
    client.setPassword(password);
    client.setTimeOut(timeOut);
}

// Bytes of every value, the same for the same seed.
inline QByteArray randomBytes(qint64 size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.generate() & 0xFF);
    return bytes;
}
