#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// The link between the running program and a second start of it: the second
// start hands the files it was given to the running window over a local
// socket in the user's runtime folder, and ends, instead of becoming a second
// program.

// The socket's name in `runtimeDir` (the user's own, private runtime folder).
QString instanceServerName(const QString &runtimeDir);

// Hands `files` (absolute paths) to the program listening at `serverName`.
// True only when it confirmed it took them; false when no program listens or
// it did not answer within `timeoutMs`.
bool handOverFiles(const QString &serverName, const QStringList &files, int timeoutMs = 5000);

// The running program's end: accepts the files of later starts.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject *parent = nullptr);
    ~InstanceServer() override;

    // Listens at `serverName`. A socket left by a program that is gone is
    // replaced; false when another running program listens there already
    // (this one then serves no one) or the socket cannot be made.
    bool listen(const QString &serverName);
    bool isListening() const;

signals:
    // A later start handed over these files, in the order it was given them.
    void filesArrived(const QStringList &files);

private:
    void accept();
    void readFrom(QLocalSocket *socket);

    QLocalServer *m_server;
};
