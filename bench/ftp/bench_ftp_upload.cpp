// Uploads one 50 MB file to a local FTP server with FtpClient and with curl
// (active mode), a few rounds each, and prints the rates and their ratio.
// Usage: bench_ftp_upload [megabytes] [rounds]

#include "publish/ftpclient.h"
#include "publish/publisherrors.h"
#include "realftpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
const QString kUser = QStringLiteral("bench");
const QString kPassword = QStringLiteral("bench-pw");

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

// One whole session: connect, log in, binary type, upload, quit. Returns
// seconds, or a negative number on failure.
double uploadWithClient(quint16 port, const QString &path, const QString &name) {
    FtpClient client;
    client.setHost(QStringLiteral("127.0.0.1"));
    client.setPort(port);
    client.setUserId(kUser);
    client.setPassword(kPassword);
    client.setTimeOut(30000);
    // What the send dialog does per chunk: work out the gauge.
    int gauge = 0;
    QObject::connect(&client, &SockClient::packetSent, &client, [&]() {
        if (client.bytesTotal() > 0)
            gauge = int(client.bytesRecvd() * 100 / client.bytesTotal());
    });
    QElapsedTimer clock;
    clock.start();
    try {
        client.connectToServer();
        client.setTransferType(FtpClient::Image);
        client.uploadFile(path, name);
        client.disconnectFromServer();
    } catch (const PublishError &e) {
        std::fprintf(stderr, "client upload failed: %s\n", e.what());
        return -1.0;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    return gauge == 100 ? seconds : -1.0;
}

double uploadWithCurl(quint16 port, const QString &path, const QString &name) {
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(
        QStringLiteral("curl"),
        {QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("-P"),
         QStringLiteral("127.0.0.1"), QStringLiteral("-T"), path,
         QStringLiteral("ftp://%1:%2@127.0.0.1:%3/%4").arg(kUser, kPassword).arg(port).arg(name)});
    if (!curl.waitForFinished(120000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1.0;
    }
    return clock.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int megabytes = args.size() > 1 ? args.at(1).toInt() : 50;
    const int rounds = args.size() > 2 ? args.at(2).toInt() : 3;

    QTemporaryDir local, remote;
    const QString path = local.filePath(QStringLiteral("upload.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(1);
        for (int i = 0; i < megabytes; ++i) {
            generator.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            file.write(block);
        }
    }
    const qint64 size = QFileInfo(path).size();

    RealFtpServer server(remote.path(), kUser, kPassword);
    QString why;
    if (!server.start(&why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }

    QList<double> clientRates, curlRates;
    for (int round = 0; round < rounds; ++round) {
        const double a = uploadWithClient(server.port(), path, QStringLiteral("client.bin"));
        const bool clientOk = a > 0 && QFileInfo(remote.filePath("client.bin")).size() == size;
        const double b = uploadWithCurl(server.port(), path, QStringLiteral("curl.bin"));
        const bool curlOk = b > 0 && QFileInfo(remote.filePath("curl.bin")).size() == size;
        if (clientOk)
            clientRates << size / a / 1e6;
        if (curlOk)
            curlRates << size / b / 1e6;
        std::printf(
            "round %d: FtpClient %s, curl %s\n", round + 1,
            clientOk ? qPrintable(QString::number(size / a / 1e6, 'f', 1) + " MB/s") : "failed",
            curlOk ? qPrintable(QString::number(size / b / 1e6, 'f', 1) + " MB/s") : "failed");
    }
    const double ours = median(clientRates), theirs = median(curlRates);
    std::printf("upload of %.1f MB to a local FTP server, median of %d rounds\n", size / 1e6,
                rounds);
    std::printf("FtpClient: %.1f MB/s\n", ours);
    std::printf("curl:      %.1f MB/s\n", theirs);
    if (theirs > 0)
        std::printf("ratio FtpClient/curl: %.2f\n", ours / theirs);
    return 0;
}
