// Sends a project of 200 pages and 1,000 pictures (five per page) to a local
// FTP server in each mode (active, passive, FTPS active, FTPS passive) the
// way the send dialog does, and the same files with curl, and prints files
// per second.
// Usage: bench_ftp_send [pages] [picturesPerPage]

#include "benchsupport.h"
#include "publish/ftpclient.h"
#include "publish/publisherrors.h"
#include "publish/send/sendplan.h"
#include "publish/send/sendrun.h"
#include "realftpserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslError>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const QString kUser = QStringLiteral("bench");
const QString kPassword = QStringLiteral("bench-pw");

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

int countFiles(const QString &folder) {
    int n = 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
        n += info.isFile() ? 1 : 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        n += countFiles(info.filePath());
    return n;
}

// Seconds for one whole send, or a negative number when it failed.
double sendWithClient(quint16 port, bool passive, bool secure, const QString &dir,
                      const QStringList &pages, const QString &folder) {
    bench::QuietInteraction ui;
    FtpClient client;
    client.setHost(QStringLiteral("127.0.0.1"));
    client.setPort(port);
    client.setUserId(kUser);
    client.setPassword(kPassword);
    client.setTimeOut(30000);
    client.setPassive(passive);
    client.setSecure(secure);
    client.setCertificateCheck(
        [](const QList<QSslError> &, const QSslCertificate &) { return true; });
    QElapsedTimer clock;
    clock.start();
    try {
        SendPlan plan(dir, pages);
        plan.collectReferences();
        client.connectToServer();
        client.changeDirectory(folder);
        SendRun run(client, ui);
        if (run.run(plan, true) != SendRun::Outcome::Done)
            return -1.0;
        client.disconnectFromServer();
    } catch (const PublishError &e) {
        std::fprintf(stderr, "send failed: %s\n", e.what());
        return -1.0;
    }
    return clock.nsecsElapsed() / 1e9;
}

double sendWithCurl(quint16 port, bool passive, bool secure, const QString &dir,
                    const QStringList &pages, const QStringList &pictures, const QString &folder) {
    const QString base = QStringLiteral("ftp://127.0.0.1:%1/%2/").arg(port).arg(folder);
    QStringList args{QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("--user"),
                     kUser + QLatin1Char(':') + kPassword};
    if (!passive)
        args << QStringLiteral("-P") << QStringLiteral("127.0.0.1");
    if (secure)
        args << QStringLiteral("--ssl-reqd") << QStringLiteral("-k");
    QStringList pagePaths, picturePaths;
    for (const QString &page : pages)
        pagePaths << dir + QLatin1Char('/') + page;
    for (const QString &picture : pictures)
        picturePaths << dir + QStringLiteral("/images/") + picture;
    args << QStringLiteral("-T") << QStringLiteral("{%1}").arg(pagePaths.join(QLatin1Char(',')))
         << base << QStringLiteral("-T")
         << QStringLiteral("{%1}").arg(picturePaths.join(QLatin1Char(',')))
         << base + QStringLiteral("images/");
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"), args);
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n",
                     curl.readAllStandardError().left(300).constData());
        return -1.0;
    }
    return clock.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int pageCount = args.size() > 1 ? args.at(1).toInt() : 200;
    const int perPage = args.size() > 2 ? args.at(2).toInt() : 5;

    QTemporaryDir local, plainRoot, secureRoot, tls;
    const QString dir = local.path() + QStringLiteral("/site");
    QDir().mkpath(dir + QStringLiteral("/images"));
    QStringList pages, pictures;
    QRandomGenerator generator(3);
    for (int p = 0; p < pageCount; ++p) {
        QByteArray page = "<HTML><BODY>\r\n";
        for (int i = 0; i < perPage; ++i) {
            const QString name =
                QStringLiteral("pic%1.gif").arg(p * perPage + i, 5, 10, QLatin1Char('0'));
            QByteArray bytes(2000 + int(generator.bounded(20000)), Qt::Uninitialized);
            generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            writeFile(dir + QStringLiteral("/images/") + name, bytes);
            pictures << name;
            page += "<IMG SRC=\"images/" + name.toLatin1() + "\"><P>Some text</P>\r\n";
        }
        page += "</BODY></HTML>\r\n";
        const QString name = QStringLiteral("page%1.htm").arg(p, 4, 10, QLatin1Char('0'));
        writeFile(dir + QLatin1Char('/') + name, page);
        pages << name;
    }
    const int files = pages.size() + pictures.size();

    RealFtpServer plain(plainRoot.path(), kUser, kPassword);
    RealFtpServer secure(secureRoot.path(), kUser, kPassword);
    secure.setTls(tls.path());
    QString why;
    if (!plain.start(&why) || !secure.start(&why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    std::printf("send of %d pages and %d pictures (%d files) to a local FTP server\n", pageCount,
                int(pictures.size()), files);
    std::printf("%-14s %18s %18s\n", "mode", "FtpClient files/s", "curl files/s");
    int round = 0;
    for (const bool isSecure : {false, true}) {
        for (const bool passive : {false, true}) {
            const quint16 port = isSecure ? secure.port() : plain.port();
            const QString root = isSecure ? secureRoot.path() : plainRoot.path();
            const QString ours = QStringLiteral("ours%1").arg(round);
            const QString theirs = QStringLiteral("curl%1").arg(round++);
            QDir(root).mkpath(ours + QStringLiteral("/images"));
            QDir(root).mkpath(theirs + QStringLiteral("/images"));
            const double a = sendWithClient(port, passive, isSecure, dir, pages, ours);
            const bool aOk = a > 0 && countFiles(root + QLatin1Char('/') + ours) == files;
            const double b = sendWithCurl(port, passive, isSecure, dir, pages, pictures, theirs);
            const bool bOk = b > 0 && countFiles(root + QLatin1Char('/') + theirs) == files;
            const QString mode = QStringLiteral("%1 %2").arg(isSecure ? "FTPS" : "plain",
                                                             passive ? "passive" : "active");
            std::printf("%-14s %18s %18s\n", qPrintable(mode),
                        aOk ? qPrintable(QString::number(files / a, 'f', 1)) : "failed",
                        bOk ? qPrintable(QString::number(files / b, 'f', 1)) : "failed");
            std::fflush(stdout);
        }
    }
    return 0;
}
