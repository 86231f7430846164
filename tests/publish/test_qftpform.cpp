// The send dialog worked as the user works it, against a real FTP server on
// 127.0.0.1: its pages in order, its messages, its log, and what arrives.
// With QUILMEAD_SCREENSHOTS set to a folder, each page is saved there.

#include "publish/ftpclient.h"
#include "publish/send/sendoptions.h"
#include "publish/ui/qftpform.h"
#include "realftpserver.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
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

template <typename T> T *child(QWidget &form, const char *name) {
    T *widget = form.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

QStringList itemTexts(QListWidget *list, bool selectedOnly = false) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (!selectedOnly || list->item(i)->isSelected())
            texts << list->item(i)->text();
    }
    return texts;
}

void click(QWidget &form, const char *button) {
    child<QPushButton>(form, button)->click();
}

QString logText(QWidget &form) {
    return child<QPlainTextEdit>(form, "FTPLogMemo")->toPlainText();
}

void screenshot(QWidget &form, const QString &name) {
    const QString folder = qEnvironmentVariable("QUILMEAD_SCREENSHOTS");
    if (!folder.isEmpty())
        form.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
} // namespace

class TestQFtpForm : public QObject {
    Q_OBJECT
private:
    TestFolder m_remote, m_secureRemote, m_tls, m_local;
    std::unique_ptr<RealFtpServer> m_server, m_secure;
    QString m_dir;

    SendRequest request(const QStringList &pages, const QString &folder = QStringLiteral("www")) {
        SendRequest r;
        r.projectDir = m_dir;
        r.pageNames = pages;
        r.host = QStringLiteral("127.0.0.1");
        r.folder = folder;
        r.user = kUser;
        r.password = kPassword;
        r.timeOut = 10000;
        return r;
    }
    static void usePort(TQFTPForm &form, quint16 port) { form.ftpClient().setPort(port); }

private slots:
    void initTestCase() {
        QDir(m_remote.path()).mkpath(QStringLiteral("www/images"));
        QDir(m_secureRemote.path()).mkpath(QStringLiteral("www/images"));
        m_server = std::make_unique<RealFtpServer>(m_remote.path(), kUser, kPassword);
        m_secure = std::make_unique<RealFtpServer>(m_secureRemote.path(), kUser, kPassword);
        m_secure->setTls(m_tls.path());
        QString why;
        QVERIFY2(m_server->start(&why), qPrintable(why));
        QVERIFY2(m_secure->start(&why), qPrintable(why));
        QLocale::setDefault(QLocale::c());

        m_dir = m_local.path() + QStringLiteral("site");
        writeFile(m_dir + "/index.htm", "<IMG SRC=\"images/logo.gif\"><A HREF=\"other.htm#x\">o</A>"
                                        "<A HREF=\"third.htm\">t</A><IMG SRC=\"../up.gif\">\r\n");
        writeFile(m_dir + "/other.htm", "<IMG SRC=\"images/logo.gif\">\r\n");
        writeFile(m_dir + "/third.htm", "<P>third</P>\r\n");
        writeFile(m_dir + "/images/logo.gif", QByteArray(1500, 'g'));
        writeFile(m_dir + "/PROJECT.INI", "[PROJECT]\r\nWebURL=127.0.0.1\r\n");
        writeFile(m_local.path() + "up.gif", "NOT FOR THE SERVER");
    }

    // As the dialog opens: the project's values, every page selected, the
    // page "Default", and no button but "&Connect" to press.
    void showing() {
        ScriptedUserInteraction ui;
        TQFTPForm form(ui, request({"other.htm", "PROJECT.INI", "index.htm"}));
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("FTP Veda Guy"));
        QCOMPARE(form.objectName(), QStringLiteral("TQFTPForm"));
        QCOMPARE(form.currentPage(), TQFTPForm::DefaultPage);
        QCOMPARE(child<QLineEdit>(form, "AHost")->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(child<QLineEdit>(form, "FTPDirectory")->text(), QStringLiteral("www"));
        QCOMPARE(child<QLineEdit>(form, "AUserID")->text(), kUser);
        QCOMPARE(child<QLineEdit>(form, "APassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(itemTexts(child<QListWidget>(form, "FilesToSend"), true),
                 QStringList({"index.htm", "other.htm"}));
        QVERIFY(!child<QPushButton>(form, "ViewLog")->isEnabled());
        QVERIFY(!child<QPushButton>(form, "NextPageBtn")->isVisible());
        QVERIFY(!child<QPushButton>(form, "SendFileBtn")->isVisible());
        QVERIFY(!child<QPushButton>(form, "CancelSend")->isEnabled());
        QCOMPARE(form.ftpClient().timeOut(), 10000);
        QCOMPARE(form.ftpClient().objectName(), QStringLiteral("FtpClient1"));
        screenshot(form, QStringLiteral("1-Default"));
    }

    // What "&Connect" tells when it cannot go on; the dialog stays on
    // "Default" and nothing has been logged in.
    void connectRefusals_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("serverThere");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::newRow("no user name")
            << "" << true << "Not enough data to connect to your FTP site." << int(Msg::Warning);
        QTest::newRow("wrong user")
            << "nobody" << true << "530 Authentication failed." << int(Msg::Error);
        QTest::newRow("no server") << kUser << false << "Connection Failed" << int(Msg::Error);
    }
    void connectRefusals() {
        QFETCH(QString, user);
        QFETCH(bool, serverThere);
        QFETCH(QString, message);
        QFETCH(int, kind);
        ScriptedUserInteraction ui;
        TQFTPForm form(ui, request({"index.htm"}));
        form.show();
        usePort(form, serverThere ? m_server->port() : 1);
        child<QLineEdit>(form, "AUserID")->setText(user);
        click(form, "ConnectBtn");
        QCOMPARE(ui.messageTexts(), QStringList(message));
        QCOMPARE(ui.asked().at(0).kind, kind);
        QCOMPARE(form.currentPage(), TQFTPForm::DefaultPage);
        QVERIFY(!form.ftpClient().isConnected());
        QVERIFY(!logText(form).contains(kPassword));
    }

    // One page: from "&Connect" straight to "images"; an empty folder sends
    // no CWD; a folder the server does not have is told and the send goes
    // on into the login folder.
    void connectOnePage_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("arrivesIn");
        QTest::newRow("folder") << "www" << QStringList() << "www/";
        QTest::newRow("no folder") << "" << QStringList() << "";
        QTest::newRow("missing folder")
            << "nowhere"
            << QStringList("Error changing to specified directory.  View log file for further "
                           "information.")
            << "";
    }
    void connectOnePage() {
        QFETCH(QString, folder);
        QFETCH(QStringList, messages);
        QFETCH(QString, arrivesIn);
        QFile::remove(m_remote.file(arrivesIn + "third.htm"));
        ScriptedUserInteraction ui;
        TQFTPForm form(ui, request({"third.htm"}, folder));
        form.show();
        usePort(form, m_server->port());
        click(form, "ConnectBtn");
        QCOMPARE(ui.messageTexts(), messages);
        QCOMPARE(form.currentPage(), TQFTPForm::ImagesPage);
        QVERIFY(child<QPushButton>(form, "NextPageBtn")->isVisible());
        QVERIFY(child<QPushButton>(form, "ViewLog")->isEnabled());
        QCOMPARE(logText(form).contains(QStringLiteral("CWD")), !folder.isEmpty());
        click(form, "NextPageBtn");
        QCOMPARE(form.currentPage(), TQFTPForm::XmitPage);
        QCOMPARE(child<QLabel>(form, "TotBytes")->text(), QStringLiteral("Total bytes: 14"));
        click(form, "SendFileBtn");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(TestFolder::read(m_remote.file(arrivesIn + "third.htm")).size(), 13);
    }

    // The whole way through for a project: pages, references, totals, the
    // send, the log (with "&View Log" and "&Hide Log") and QUIT at the end.
    void wholeProject() {
        ScriptedUserInteraction ui;
        TQFTPForm form(ui, request({"index.htm", "other.htm", "third.htm"}));
        form.show();
        usePort(form, m_server->port());
        click(form, "ConnectBtn");
        QCOMPARE(form.currentPage(), TQFTPForm::PagesPage);
        screenshot(form, QStringLiteral("2-Pages"));
        // third.htm is left out: it is sent as a reference of index.htm.
        child<QListWidget>(form, "FilesToSend")->item(2)->setSelected(false);
        click(form, "NextPageBtn");
        QCOMPARE(form.currentPage(), TQFTPForm::ImagesPage);
        child<QCheckBox>(form, "SendImages")->click();
        // other.htm is sent as a page, so it is no reference; ../up.gif is
        // refused.
        QCOMPARE(itemTexts(child<QListWidget>(form, "ImagesToSend"), true),
                 QStringList({"images/logo.gif", "third.htm"}));
        QVERIFY(logText(form).contains(QStringLiteral(
            "Refused ../up.gif (in index.htm): it lies outside the project folder")));
        screenshot(form, QStringLiteral("3-images"));

        click(form, "ViewLog");
        QCOMPARE(form.currentPage(), TQFTPForm::LogPage);
        QCOMPARE(child<QPushButton>(form, "ViewLog")->text(), QStringLiteral("&Hide Log"));
        screenshot(form, QStringLiteral("5-LogFile"));
        click(form, "ViewLog");
        QCOMPARE(form.currentPage(), TQFTPForm::ImagesPage);
        QCOMPARE(child<QPushButton>(form, "ViewLog")->text(), QStringLiteral("&View Log"));

        click(form, "NextPageBtn");
        QCOMPARE(form.currentPage(), TQFTPForm::XmitPage);
        QVERIFY(!child<QPushButton>(form, "NextPageBtn")->isVisible());
        QVERIFY(child<QPushButton>(form, "SendFileBtn")->isVisible());
        qint64 total = 0;
        for (const char *name : {"index.htm", "other.htm", "images/logo.gif", "third.htm"})
            total += QFileInfo(m_dir + "/" + name).size();
        QVERIFY(total > 1000 && total < 10000);
        QCOMPARE(child<QLabel>(form, "TotBytes")->text(),
                 QStringLiteral("Total bytes: %1,%2")
                     .arg(total / 1000)
                     .arg(total % 1000, 3, 10, QLatin1Char('0')));
        screenshot(form, QStringLiteral("4-xmit"));
        QList<int> totals;
        connect(child<QProgressBar>(form, "TotalProcessed"), &QProgressBar::valueChanged, this,
                [&](int value) { totals << value; });
        click(form, "SendFileBtn");
        QCOMPARE(ui.asked().size(), 0);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(totals.last(), 100);
        QCOMPARE(TestFolder::read(m_remote.file("www/images/logo.gif")), QByteArray(1500, 'g'));
        QVERIFY(QFileInfo::exists(m_remote.file("www/other.htm")));
        QVERIFY(QFileInfo::exists(m_remote.file("www/third.htm")));
        QVERIFY(!QFileInfo::exists(m_remote.file("up.gif")));
        const QString log = logText(form);
        QVERIFY(log.contains(QStringLiteral("STOR images/logo.gif")));
        QVERIFY(log.contains(QStringLiteral("USER webmaster")));
        QVERIFY(!log.contains(kPassword));
        QVERIFY(!form.ftpClient().isConnected());
    }

    // "&Cancel" during the first of three pages: nothing more is sent and
    // the dialog closes.
    void cancelDuringFirstPage() {
        const QString dir = m_local.path() + QStringLiteral("big");
        for (const char *name : {"a.htm", "b.htm", "c.htm"})
            writeFile(dir + "/" + name, QByteArray(6 * 1024 * 1024, 'x'));
        ScriptedUserInteraction ui;
        SendRequest r = request({"a.htm", "b.htm", "c.htm"});
        r.projectDir = dir;
        TQFTPForm form(ui, r);
        form.show();
        usePort(form, m_server->port());
        click(form, "ConnectBtn");
        click(form, "NextPageBtn");
        click(form, "NextPageBtn");
        connect(child<QProgressBar>(form, "Gauge1"), &QProgressBar::valueChanged, this,
                [&](int value) {
                    auto *cancel = child<QPushButton>(form, "CancelSend");
                    if (value >= 3 && cancel->isEnabled() && cancel->isVisible())
                        cancel->click();
                });
        click(form, "SendFileBtn");
        QVERIFY(!form.isVisible());
        QCOMPARE(ui.asked().size(), 0);
        QVERIFY(!logText(form).contains(QStringLiteral("STOR b.htm")));
        QVERIFY(!QFileInfo::exists(m_remote.file("www/b.htm")));
    }

    // FTPS and passive mode chosen in the dialog: kept in PROJECT.INI, the
    // certificate question asked once, the files arrive whole.
    void secureAndPassive() {
        ScriptedUserInteraction ui;
        ui.answerMessage(Msg::ResultYes);
        TQFTPForm form(ui, request({"index.htm"}));
        form.show();
        usePort(form, m_secure->port());
        child<QCheckBox>(form, "Passive")->setChecked(true);
        child<QCheckBox>(form, "Secure")->setChecked(true);
        click(form, "ConnectBtn");
        QCOMPARE(ui.asked().size(), 1);
        QVERIFY2(ui.asked().at(0).text.startsWith(
                     QStringLiteral("The certificate of 127.0.0.1 cannot be trusted:")),
                 qPrintable(ui.asked().at(0).text));
        QVERIFY(ui.asked().at(0).text.endsWith(QStringLiteral("Connect anyway?")));
        const SendOptions kept = readSendOptions(m_dir);
        QVERIFY(kept.passive && kept.secure);
        QCOMPARE(form.currentPage(), TQFTPForm::ImagesPage);
        child<QCheckBox>(form, "SendImages")->click();
        click(form, "NextPageBtn");
        click(form, "SendFileBtn");
        QCOMPARE(ui.asked().size(), 1);
        QCOMPARE(TestFolder::read(m_secureRemote.file("www/images/logo.gif")),
                 QByteArray(1500, 'g'));
        QVERIFY(logText(form).contains(QStringLiteral("EPSV")));
        QVERIFY(!logText(form).contains(kPassword));
        QVERIFY(writeSendOptions(m_dir, SendOptions()));
    }
};

QTEST_MAIN(TestQFtpForm)
#include "test_qftpform.moc"
