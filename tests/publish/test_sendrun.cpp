// Sending a plan over a logged-in client, to a real FTP server on
// 127.0.0.1 and to a scripted one that misbehaves: what arrives, in which
// transfer type, what a cancel and a failure leave, and the record of what
// was sent.

#include "fakeftpserver.h"
#include "ftptesthelpers.h"
#include "publish/ftpclient.h"
#include "publish/send/sendplan.h"
#include "publish/send/sendrun.h"
#include "publish/send/sentrecord.h"
#include "realftpserver.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <memory>

namespace {
const QString kUser = QStringLiteral("webmaster");
const QString kPassword = QStringLiteral("pa55-word");

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// The TYPE sent before each STOR, as "TYPE x:name".
QStringList typesOfStores(const QStringList &trace) {
    QStringList result;
    QString type;
    for (const QString &line : trace) {
        if (line.startsWith(QLatin1String("TYPE ")))
            type = line;
        else if (line.startsWith(QLatin1String("STOR ")))
            result << type + QLatin1Char(':') + line.mid(5);
    }
    return result;
}
} // namespace

class TestSendRun : public QObject {
    Q_OBJECT
private:
    TestFolder m_remote;
    std::unique_ptr<RealFtpServer> m_server;

    void connectClient(FtpClient &client) {
        client.setHost(QStringLiteral("127.0.0.1"));
        client.setPort(m_server->port());
        client.setUserId(kUser);
        client.setPassword(kPassword);
        client.setTimeOut(10000);
        client.connectToServer();
    }
    // A project of pages that refer to pictures and to each other.
    static QString makeProject(const TestFolder &folder) {
        const QString dir = folder.path() + QStringLiteral("site");
        writeFile(dir + "/index.htm", "<IMG SRC=\"images/logo.gif\"><A HREF=\"other.htm\">o</A>\r\n"
                                      "<A HREF=\"../up.gif\">u</A><IMG SRC=\"../up.gif\">\r\n");
        writeFile(dir + "/other.htm",
                  "<IMG SRC=\"images/logo.gif\"><A HREF=\"third.htm\">t</A>\r\n");
        writeFile(dir + "/third.htm", "<P>third</P>\r\n");
        QByteArray gif(5000, Qt::Uninitialized);
        for (int i = 0; i < gif.size(); ++i)
            gif[i] = char(i * 7); // CR and LF among them: text mode would change them
        writeFile(dir + "/images/logo.gif", gif);
        writeFile(folder.path() + "up.gif", "NOT FOR THE SERVER");
        return dir;
    }

private slots:
    void initTestCase() {
        QDir(m_remote.path()).mkpath(QStringLiteral("www/images"));
        m_server = std::make_unique<RealFtpServer>(m_remote.path(), kUser, kPassword);
        QString why;
        QVERIFY2(m_server->start(&why), qPrintable(why));
    }

    // Pages go as text; with SmartASCII empty a picture goes as "TYPE L 8"
    // and a referenced page as "TYPE A"; a page that is being sent is no
    // reference; a reference out of the project never leaves.
    void sendsPagesThenReferences() {
        TestFolder local;
        const QString dir = makeProject(local);
        SendPlan plan(dir, {QStringLiteral("index.htm"), QStringLiteral("other.htm")});
        plan.collectReferences();
        QCOMPARE(plan.references().size(), 2); // images/logo.gif, third.htm

        FtpClient client;
        Trace trace;
        trace.attach(client);
        connectClient(client);
        client.changeDirectory(QStringLiteral("www"));
        ScriptedUserInteraction ui;
        SendRun run(client, ui);
        QList<int> totals;
        connect(&run, &SendRun::totalPercent, this, [&](int p) { totals << p; });
        QCOMPARE(run.run(plan, true), SendRun::Outcome::Done);
        QCOMPARE(ui.asked().size(), 0);
        QCOMPARE(typesOfStores(trace.lines),
                 QStringList({"TYPE A:index.htm", "TYPE A:other.htm", "TYPE L 8:images/logo.gif",
                              "TYPE A:third.htm"}));
        QCOMPARE(TestFolder::read(m_remote.file("www/images/logo.gif")),
                 TestFolder::read(dir + "/images/logo.gif"));
        QVERIFY(TestFolder::read(m_remote.file("www/index.htm")).startsWith("<IMG SRC="));
        QVERIFY(!QFileInfo::exists(m_remote.file("up.gif")));
        QVERIFY(!trace.mentions(QStringLiteral("up.gif")));
        QCOMPARE(totals.last(), 100);
        QVERIFY(std::is_sorted(totals.begin(), totals.end()));
        QVERIFY(!trace.mentions(kPassword));
    }

    // Cancel during the first of three pages: nothing more is sent.
    void cancelDuringFirstPage() {
        TestFolder local;
        const QString dir = local.path() + QStringLiteral("big");
        for (const char *name : {"a.htm", "b.htm", "c.htm"})
            writeFile(dir + "/" + name, QByteArray(4 * 1024 * 1024, 'x'));
        SendPlan plan(dir, {"a.htm", "b.htm", "c.htm"});
        FtpClient client;
        Trace trace;
        trace.attach(client);
        connectClient(client);
        client.changeDirectory(QStringLiteral("www"));
        ScriptedUserInteraction ui;
        SendRun run(client, ui);
        connect(&run, &SendRun::filePercent, this, [&](int percent) {
            if (percent >= 5 && !run.canceled())
                run.cancel();
        });
        QCOMPARE(run.run(plan, true), SendRun::Outcome::Canceled);
        QCOMPARE(typesOfStores(trace.lines), QStringList("TYPE A:a.htm"));
        QVERIFY(!QFileInfo::exists(m_remote.file("www/b.htm")));
        QCOMPARE(ui.asked().size(), 0);
    }

    // "Only changed files": what was sent and has not changed since is left
    // out the next time; a file is recorded only once it has arrived.
    void unchangedFilesSkipped() {
        TestFolder local;
        const QString dir = makeProject(local);
        const QString site = SentRecord::siteKey("127.0.0.1", kUser, "www");
        auto sendAll = [&](SentRecord &record) {
            SendPlan plan(dir, {QStringLiteral("index.htm"), QStringLiteral("other.htm")});
            plan.setOnlyChanged(true, record, site);
            plan.collectReferences();
            FtpClient client;
            Trace trace;
            trace.attach(client);
            connectClient(client);
            client.changeDirectory(QStringLiteral("www"));
            ScriptedUserInteraction ui;
            SendRun run(client, ui);
            run.setRecord(&record, site);
            run.run(plan, true);
            QStringList stored;
            for (const QString &entry : typesOfStores(trace.lines))
                stored << entry.section(QLatin1Char(':'), 1);
            return stored;
        };
        SentRecord record;
        QVERIFY(record.load(dir));
        QCOMPARE(sendAll(record).size(), 4);
        QVERIFY(QFileInfo::exists(dir + "/" + SentRecord::fileName()));

        SentRecord second;
        QVERIFY(second.load(dir));
        QCOMPARE(sendAll(second), QStringList());
        writeFile(dir + "/other.htm", "<P>changed</P><A HREF=\"third.htm\">t</A>");
        SentRecord third;
        QVERIFY(third.load(dir));
        QCOMPARE(sendAll(third), QStringList("other.htm"));
    }

    // A server that stops answering or answers nonsense: the page stage
    // ends with its warning, the references fail at once with theirs, and
    // nothing is recorded as sent.
    void brokenServer_data() {
        QTest::addColumn<QByteArray>("storReply");
        QTest::newRow("silent after STOR") << QByteArray();
        QTest::newRow("nonsense for STOR") << QByteArray("hello there\r\n");
    }
    void brokenServer() {
        QFETCH(QByteArray, storReply);
        TestFolder local;
        const QString dir = makeProject(local);
        SendPlan plan(dir, {QStringLiteral("index.htm"), QStringLiteral("other.htm")});
        plan.collectReferences();
        FakeFtpServer server;
        server.setGreeting("220 Ready.\r\n");
        server.setReply("STOR", storReply);
        FtpClient client;
        client.setHost(QStringLiteral("127.0.0.1"));
        client.setPort(server.port());
        client.setUserId(QStringLiteral("u"));
        client.setPassword(QStringLiteral("p"));
        client.setTimeOut(1500);
        client.connectToServer();
        ScriptedUserInteraction ui;
        SendRun run(client, ui);
        SentRecord record;
        QVERIFY(record.load(dir));
        run.setRecord(&record, QStringLiteral("site"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(run.run(plan, true), SendRun::Outcome::Failed);
        QVERIFY2(clock.elapsed() < 10000, "bounded by the time-out, once");
        QCOMPARE(ui.messageTexts(),
                 QStringList({"Error opening document file, send failed!",
                              "Error opening image file images/logo.gif, send failed!"}));
        QVERIFY(!client.isConnected());
        QCOMPARE(record.count(), 0);
        QVERIFY(!QFileInfo::exists(dir + "/" + SentRecord::fileName()));
    }
};

QTEST_GUILESS_MAIN(TestSendRun)
#include "test_sendrun.moc"
