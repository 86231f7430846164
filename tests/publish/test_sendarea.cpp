// The send entries on the window's menus: who they send, and the refusal to
// send a whole site while one of its pages is open.

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "projects/projectselection.h"
#include "publish/area/sendarea.h"
#include "publish/ftpclient.h"
#include "publish/ui/qftpform.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
class FakeSelection : public ProjectSelection {
public:
    ProjectTree tree;
    EntryRef selected;
    const ProjectTree &projectTree() const override { return tree; }
    EntryRef selectedEntry() const override { return selected; }
};

struct Fixture : AreaRig {
    FakeActiveDocument document{*w.webPage};
    FakeSelection projects;
    SendArea area{shell, document, projects, a};
    QStringList shownPages;
    int runs = 0;

    Fixture() {
        program.write("site/PROJECT.INI",
                      "[PROJECT]\r\nWebURL=ftp.site.test\r\nFTPDirectory=pub\r\n"
                      "LoginID=me\r\nPassive=1\r\n");
        program.write("site/index.htm", "<P>");
        program.write("site/news.htm", "<P>");
        const int p = projects.tree.addProject(QStringLiteral("Site - site"));
        projects.tree.appendPage(p, QStringLiteral("#Default Project Settings - PROJECT.INI"));
        projects.tree.appendPage(p, QStringLiteral("Home - index.htm"));
        projects.tree.appendPage(p, QStringLiteral("News - news.htm"));
        settings.timeOut = 5000;
        area.setDialogRunner([this](TQFTPForm &form) {
            ++runs;
            auto *list = form.findChild<QListWidget *>(QStringLiteral("FilesToSend"));
            for (int i = 0; i < list->count(); ++i)
                shownPages << list->item(i)->text();
            QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("AHost"))->text(),
                     QStringLiteral("ftp.site.test"));
            QCOMPARE(form.ftpClient().timeOut(), 5000);
        });
    }
};
} // namespace

class TestSendArea : public QObject {
    Q_OBJECT
private slots:
    void entriesBuilt() {
        Fixture f;
        QVERIFY(!MainActions::isPending(f.a.quikFtpSend));
        QVERIFY(!MainActions::isPending(f.a.ftpSend));
    }

    void whoIsSent_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("openFile");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("refusal");
        const QString refusal = QStringLiteral(
            "You must close all project files before you can send them to your site.");
        QTest::newRow("whole site") << -1 << "Send entire site to ftp.site.test/pub"
                                    << "" << QStringList({"index.htm", "news.htm"}) << "";
        QTest::newRow("whole site, a page open") << -1 << "Send entire site to ftp.site.test/pub"
                                                 << "site/news.htm" << QStringList() << refusal;
        QTest::newRow("one page") << 1 << "Send to ftp.site.test/pub"
                                  << "" << QStringList("index.htm") << "";
        QTest::newRow("one page, another open")
            << 1 << "Send to ftp.site.test/pub"
            << "site/news.htm" << QStringList("index.htm") << "";
    }
    void whoIsSent() {
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(QString, openFile);
        QFETCH(QStringList, pages);
        QFETCH(QString, refusal);
        Fixture f;
        f.projects.selected = EntryRef{0, page};
        if (!openFile.isEmpty())
            f.document.file = f.program.file(openFile);
        for (QAction *entry : {f.a.quikFtpSend, f.a.ftpSend}) {
            f.shownPages.clear();
            f.ui.clear();
            entry->setText(caption);
            entry->setEnabled(true);
            entry->trigger();
            QCOMPARE(f.shownPages, pages);
            QCOMPARE(f.ui.messageTexts(), refusal.isEmpty() ? QStringList() : QStringList(refusal));
        }
    }

    void requestHoldsTheProjectsValues() {
        Fixture f;
        f.projects.selected = EntryRef{0, -1};
        SendRequest request;
        QVERIFY(f.area.requestFor(request));
        QCOMPARE(request.folder, QStringLiteral("pub"));
        QCOMPARE(request.user, QStringLiteral("me"));
        QVERIFY(request.options.passive && !request.options.secure);
        QCOMPARE(request.timeOut, 5000);
        f.projects.selected = EntryRef();
        QVERIFY(!f.area.requestFor(request));
    }
};

QTEST_MAIN(TestSendArea)
#include "test_sendarea.moc"
