// What a send consists of: the pages, the files they refer to, what is
// refused, the totals, the transfer type of each file, the record of what
// was sent and the connection choices kept in PROJECT.INI.

#include "projects/inifile.h"
#include "publish/ftpclient.h"
#include "publish/send/sendoptions.h"
#include "publish/send/sendplan.h"
#include "publish/send/sendrules.h"
#include "publish/send/sentrecord.h"
#include "testfolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QStringList names(const QVector<SendItem> &items, bool selectedOnly = false) {
    QStringList result;
    for (const SendItem &item : items) {
        if (!selectedOnly || item.selected)
            result << item.name;
    }
    return result;
}
} // namespace

class TestSendPlan : public QObject {
    Q_OBJECT
private slots:
    void transferType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("smartAscii");
        QTest::addColumn<int>("type");
        const QString none;
        QTest::newRow("gif") << "images/logo.gif" << none << int(FtpClient::Local8);
        QTest::newRow("htm") << "other.htm" << none << int(FtpClient::Ascii);
        QTest::newRow("upper case") << "OTHER.HTML" << none << int(FtpClient::Ascii);
        QTest::newRow("css listed") << "style.css"
                                    << "txt css" << int(FtpClient::Ascii);
        QTest::newRow("css not listed") << "style.css" << none << int(FtpClient::Local8);
        QTest::newRow("part of a listed extension") << "a.ht" << none << int(FtpClient::Ascii);
        QTest::newRow("no extension") << "README" << none << int(FtpClient::Local8);
    }
    void transferType() {
        QFETCH(QString, name);
        QFETCH(QString, smartAscii);
        QFETCH(int, type);
        QCOMPARE(SendRules::referenceTransferType(name, smartAscii,
                                                  QStringLiteral("html,htm,shtm,shtml")),
                 type);
    }

    void byteTotals_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "Total bytes: 0";
        QTest::newRow("three digits") << qint64(999) << "Total bytes: 999";
        QTest::newRow("four digits") << qint64(1234) << "Total bytes: 1,234";
        QTest::newRow("millions") << qint64(12345678) << "Total bytes: 12,345,678";
    }
    void byteTotals() {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(SendRules::totalBytesCaption(bytes), text);
        QCOMPARE(SendRules::percentOf(1, 3), 33);
        QCOMPARE(SendRules::percentOf(2, 3), 67);
        QCOMPARE(SendRules::percentOf(5, 0), 0);
    }

    void relativeNames_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "index.htm"
                               << "logo.gif"
                               << "logo.gif";
        QTest::newRow("sub-folder") << "index.htm"
                                    << "images/logo.gif"
                                    << "images/logo.gif";
        QTest::newRow("backslash") << "index.htm"
                                   << "images\\logo.gif"
                                   << "images/logo.gif";
        QTest::newRow("slash in front") << "index.htm"
                                        << "/images/logo.gif"
                                        << "images/logo.gif";
        QTest::newRow("dots that stay inside") << "index.htm"
                                               << "a/../b/./c.gif"
                                               << "b/c.gif";
        QTest::newRow("from a page in a folder") << "sub/p.htm"
                                                 << "../logo.gif"
                                                 << "logo.gif";
        QTest::newRow("out of the project") << "index.htm"
                                            << "../secret.txt"
                                            << "";
        QTest::newRow("far out") << "index.htm"
                                 << "../../etc/passwd"
                                 << "";
        QTest::newRow("out through a folder") << "index.htm"
                                              << "a/../../x.gif"
                                              << "";
        QTest::newRow("backslashes out") << "index.htm"
                                         << "..\\..\\x.gif"
                                         << "";
        QTest::newRow("only dots") << "index.htm"
                                   << ".."
                                   << "";
    }
    void relativeNames() {
        QFETCH(QString, page);
        QFETCH(QString, value);
        QFETCH(QString, name);
        QCOMPARE(SendPlan::projectRelativeName(page, value), name);
    }

    // The pages of the project, sorted, each selected, the settings file
    // left out; what they refer to once collected.
    void pagesAndReferences() {
        TestFolder outside;
        const QString secret = outside.write(QStringLiteral("secret.gif"), "SECRET");
        TestFolder project;
        const QString dir = project.path() + QStringLiteral("site");
        QDir().mkpath(dir + QStringLiteral("/images"));
        auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(dir + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QStringLiteral("index.htm"),
              "<HTML><BODY BACKGROUND=\"images/back.jpg\">\r\n"
              "<IMG SRC=\"images/logo.gif\"> <IMG SRC=\"images\\logo.gif\">\r\n"
              "<A HREF=\"other.htm#part\">o</A> <A HREF=\"notsent.htm\">n</A>\r\n"
              "<A HREF=\"#top\">t</A> <A HREF=\"http://example.com/x.gif\">x</A>\r\n"
              "<IMG SRC=\"../outside.gif\"> <IMG SRC=\"images/link.gif\">\r\n"
              "<IMG SRC=\"images/missing.gif\"></BODY></HTML>\r\n");
        write(QStringLiteral("other.htm"), "<IMG SRC=\"images/logo.gif\"><IMG SRC=\"b.gif\">");
        write(QStringLiteral("notsent.htm"), "<P>");
        write(QStringLiteral("PROJECT.INI"), "[PROJECT]\r\n");
        write(QStringLiteral("images/back.jpg"), QByteArray(1000, 'j'));
        write(QStringLiteral("images/logo.gif"), QByteArray(300, 'g'));
        write(QStringLiteral("b.gif"), QByteArray(20, 'b'));
        write(QStringLiteral("../outside.gif"), "OUT");
        QVERIFY(QFile::link(secret, dir + QStringLiteral("/images/link.gif")));

        SendPlan plan(dir, {QStringLiteral("other.htm"), QStringLiteral("PROJECT.INI"),
                            QStringLiteral("index.htm"), QStringLiteral("notsent.htm"),
                            QStringLiteral("../../etc/passwd")});
        QCOMPARE(names(plan.pages()), QStringList({"index.htm", "notsent.htm", "other.htm"}));
        QCOMPARE(plan.refused(),
                 QStringList("Refused page ../../etc/passwd: it lies outside the project folder"));
        plan.pages()[1].selected = false; // notsent.htm
        QCOMPARE(plan.pageTotal(), QFileInfo(dir + "/index.htm").size() + 44);

        const QStringList notes = plan.collectReferences();
        QCOMPARE(names(plan.references()),
                 QStringList({"b.gif", "images/back.jpg", "images/logo.gif", "notsent.htm"}));
        QCOMPARE(plan.referenceTotal(), qint64(20 + 1000 + 300 + 3));
        QCOMPARE(notes, QStringList({"Refused ../outside.gif (in index.htm): it lies outside the "
                                     "project folder",
                                     "Refused images/link.gif (in index.htm): it lies outside "
                                     "the project folder"}));
        for (const SendItem &item : plan.references())
            QVERIFY(item.path.startsWith(QDir::cleanPath(dir) + QLatin1Char('/')));
    }

    // A record holds only what it was given, survives a save and a load,
    // and tells unchanged files by size and sum.
    void record() {
        TestFolder project;
        const QString file = project.write(QStringLiteral("a.htm"), "<P>one</P>");
        const QString site = SentRecord::siteKey(QStringLiteral("FTP.Site.test"),
                                                 QStringLiteral("me"), QStringLiteral("www"));
        SentRecord record;
        QVERIFY(record.load(project.path()));
        QVERIFY(!record.isUnchanged(site, QStringLiteral("a.htm"), file));
        record.recordSent(site, QStringLiteral("a.htm"), 10, SentRecord::sha256Of(file));
        record.recordSent(site, QStringLiteral("tab\tname"), 1, QByteArray(32, 'x'));
        QVERIFY(record.save());

        SentRecord again;
        QVERIFY(again.load(project.path()));
        QCOMPARE(again.count(), 1);
        QVERIFY(again.isUnchanged(site, QStringLiteral("a.htm"), file));
        QVERIFY(!again.isUnchanged(QStringLiteral("me@other/www"), QStringLiteral("a.htm"), file));
        project.write(QStringLiteral("a.htm"), "<P>two</P>"); // same size, other bytes
        QVERIFY(!again.isUnchanged(site, QStringLiteral("a.htm"), file));
        QVERIFY(TestFolder::read(project.file(SentRecord::fileName())).endsWith("\r\n"));

        // Lines that make no sense are passed over.
        project.write(SentRecord::fileName(), "junk\nme@x/\ta\t-1\t00\r" + site.toUtf8() +
                                                  "\tb.gif\t3\t" + QByteArray(64, 'a') + "\n");
        QVERIFY(again.load(project.path()));
        QCOMPARE(again.count(), 1);
    }

    void options() {
        TestFolder project;
        QCOMPARE(readSendOptions(project.path()), SendOptions());
        project.write(QStringLiteral("PROJECT.INI"),
                      "[PROJECT]\r\nWebURL=ftp.site.test\r\nCustom=kept\r\n");
        QVERIFY(writeSendOptions(project.path(), {true, false}));
        SendOptions read = readSendOptions(project.path());
        QVERIFY(read.passive && !read.secure);
        QVERIFY(writeSendOptions(project.path(), {false, true}));
        read = readSendOptions(project.path());
        QVERIFY(!read.passive && read.secure);
        IniFile ini;
        QVERIFY(ini.load(project.file(QStringLiteral("PROJECT.INI"))));
        QCOMPARE(ini.value(QStringLiteral("PROJECT"), QStringLiteral("Custom"), QString()),
                 QStringLiteral("kept"));
        QCOMPARE(ini.value(QStringLiteral("PROJECT"), QStringLiteral("WebURL"), QString()),
                 QStringLiteral("ftp.site.test"));
    }
};

QTEST_GUILESS_MAIN(TestSendPlan)
#include "test_sendplan.moc"
