#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of the two failures the publishing client raises; carries the text
// shown to the user.
class PublishError : public std::exception {
public:
    explicit PublishError(const QString &message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A failure of the connection itself: look-up, connect, read, write, time-out
// or cancel while waiting.
class SockError : public PublishError {
public:
    using PublishError::PublishError;
};

// The server refused a command; the message is the server's reply line.
class FtpError : public PublishError {
public:
    using PublishError::PublishError;
};
