// After a crash: the pages with unsaved text are offered once, in one list,
// and opened or discarded as the user says; the files the program is started
// with open after start-up. The real documents area on the area rig.

#include "documentfixture.h"
#include "documents/session/ui/recoverpagesdialog.h"
#include "documents/session/ui/sessionarea.h"

#include <QDialog>
#include <QFileInfo>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// One start of the program: the documents area and the session area over it.
struct Start : DocumentFixture {
    QList<RecoverablePage> offered;
    int offers = 0;
    std::unique_ptr<SessionArea> session;

    Start(const QString &sessions, bool answer, QList<RecoveryAction> actions,
          const QStringList &files = {}) {
        SessionOptions options;
        options.sessionsFolder = sessions;
        options.files = files;
        options.chooser = [this, answer, actions](const QList<RecoverablePage> &pages,
                                                  QList<RecoveryAction> &chosen) {
            ++offers;
            offered = pages;
            chosen = actions;
            return answer;
        };
        session = std::make_unique<SessionArea>(shell, docs(), options);
        session->created();
        session->started();
    }
    ~Start() { session.reset(); }
    QString text() { return editor().text(); }
};

void makeOld(const QString &path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                             QFileDevice::FileModificationTime));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    // Two modified pages when the program dies: both are offered in one
    // list; Open brings back each unsaved text, modified, without the
    // question the page would get when opened on its own, and the files are
    // as they were saved.
    void twoModifiedPagesComeBack() {
        TestFolder sessions;
        TestFolder work;
        const QString a = work.write("a.htm", "<p>a saved</p>");
        const QString b = work.write("b.htm", "<p>b saved</p>");
        {
            Start crashed(sessions.path(), false, {});
            makeOld(a);
            makeOld(b);
            QVERIFY(crashed.docs().loadFile(a, false));
            crashed.editor().appendText("a typed");
            crashed.editor().setModifiedFlag(true);
            QVERIFY(crashed.docs().loadFile(b, false)); // a is parked
            crashed.editor().appendText("b typed");
            crashed.editor().setModifiedFlag(true);
            emit crashed.editor().changed();
            // The page on screen reaches its parking file shortly after.
            QTRY_VERIFY_WITH_TIMEOUT(TestFolder::read(b + "_").contains("b typed"), 20000);
            QVERIFY(TestFolder::read(a + "_").contains("a typed"));
            // The program dies here: no close, no end of its list.
        }
        Start next(sessions.path(), true, {RecoveryAction::Open, RecoveryAction::Open});
        QCOMPARE(next.offers, 1);
        QCOMPARE(next.offered.size(), 2);
        QCOMPARE(next.offered.at(0).document, a);
        QCOMPARE(next.offered.at(1).document, b);
        QCOMPARE(next.docs().count(), 2);
        QCOMPARE(next.docs().currentFile(), b);
        QVERIFY(next.text().contains("b typed"));
        QVERIFY(next.editor().modified());
        next.w.webPageTabs->setCurrentIndex(0);
        QVERIFY(next.text().contains("a typed"));
        QVERIFY(next.editor().modified());
        QCOMPARE(next.ui.asked().size(), 0);
        QCOMPARE(TestFolder::read(a), QByteArray("<p>a saved</p>"));
        QCOMPARE(TestFolder::read(b), QByteArray("<p>b saved</p>"));

        // Saving drops the page's parking file: nothing is offered after a
        // later crash for a saved page.
        QVERIFY(next.docs().save());
        QVERIFY(!QFileInfo::exists(a + "_"));
    }

    // Discard deletes the unsaved copies once the user said so; Later
    // touches nothing and the pages are offered again at the next start.
    void discardAndLater() {
        TestFolder sessions;
        TestFolder work;
        const QString a = work.write("a.htm", "saved a");
        const QString b = work.write("b.htm", "saved b");
        makeOld(a);
        makeOld(b);
        work.write("a.htm_", "unsaved a");
        work.write("b.htm_", "unsaved b");
        {
            SessionList crashed(sessions.path());
            QVERIFY(crashed.begin());
            QVERIFY(crashed.write({a, b}));
        }
        {
            Start later(sessions.path(), false, {});
            QCOMPARE(later.offered.size(), 2);
            QCOMPARE(later.docs().count(), 0);
            QVERIFY(QFileInfo::exists(a + "_") && QFileInfo::exists(b + "_"));
            later.session->shutdown();
        }
        Start next(sessions.path(), true, {RecoveryAction::Discard, RecoveryAction::Open});
        QCOMPARE(next.offered.size(), 2);
        QVERIFY(!QFileInfo::exists(a + "_"));
        QCOMPARE(TestFolder::read(a), QByteArray("saved a"));
        QCOMPARE(next.docs().count(), 1);
        QCOMPARE(next.text(), QString("unsaved b"));
        // The page discarded gets no question when opened later.
        QVERIFY(next.docs().loadFile(a, false));
        QCOMPARE(next.text(), QString("saved a"));
        QCOMPARE(next.ui.asked().size(), 0);
        next.session->shutdown();

        // Everything was decided: nothing is offered at the start after.
        Start after(sessions.path(), true, {});
        QCOMPARE(after.offers, 0);
    }

    // A run that ended with nothing unsaved asks nothing; the list of open
    // documents follows the tabs.
    void listFollowsTheTabs() {
        TestFolder sessions;
        Start run(sessions.path(), true, {});
        QCOMPARE(run.offers, 0);
        const QString a = run.page("a.htm", "a");
        const QString b = run.page("b.htm", "b");
        QVERIFY(run.docs().loadFile(a, false));
        QVERIFY(run.docs().loadFile(b, false));
        const QString list = run.session->sessionList().listFile();
        QCOMPARE(SessionList::decode(TestFolder::read(list)), (QStringList{a, b}));
        QVERIFY(run.docs().closeActivePage());
        QCOMPARE(SessionList::decode(TestFolder::read(list)), QStringList{a});
        QVERIFY(run.docs().closeAllPages());
        run.session->shutdown();
        QVERIFY(!QFileInfo::exists(list));
    }

    // Files given at start open after the start-up steps, later ones as they
    // come, but never under a dialog that is up.
    void filesGivenAndHandedOver() {
        TestFolder sessions;
        TestFolder work;
        const QString a = work.write("a.htm", "a");
        const QString b = work.write("b.htm", "b");
        Start run(sessions.path(), true, {}, {a});
        QTRY_COMPARE(run.docs().count(), 1);
        QCOMPARE(run.docs().currentFile(), a);

        QDialog modal(&run.window);
        QTimer::singleShot(0, &modal, [&] {
            run.session->openFiles({b});
            QTest::qWait(300);
            QCOMPARE(run.docs().count(), 1); // waits for the dialog
            modal.accept();
        });
        modal.exec();
        QTRY_COMPARE(run.docs().count(), 2);
        QCOMPARE(run.docs().currentFile(), b);
        run.session->openFiles({a});
        QTRY_COMPARE(run.docs().currentFile(), a);
        QCOMPARE(run.docs().count(), 2);
    }

    void dialogChoices() {
        QList<RecoverablePage> pages{{"/w/a.htm", "/w/a.htm_", QDateTime::currentDateTime(), {}},
                                     {"/w/b.htm", "/w/b.htm_", QDateTime::currentDateTime(),
                                      QDateTime::currentDateTime().addSecs(-60)}};
        RecoverPagesDialog dialog(pages);
        QCOMPARE(dialog.objectName(), QString("RecoverUnsavedPages"));
        QCOMPARE(dialog.windowTitle(), QString("Recover unsaved pages"));
        QCOMPARE(dialog.list()->topLevelItemCount(), 2);
        QCOMPARE(dialog.list()->topLevelItem(0)->text(2), QString("(file missing)"));
        QCOMPARE(dialog.actions(),
                 (QList<RecoveryAction>{RecoveryAction::Open, RecoveryAction::Open}));
        dialog.setAction(1, RecoveryAction::Discard);
        QCOMPARE(dialog.actions(),
                 (QList<RecoveryAction>{RecoveryAction::Open, RecoveryAction::Discard}));
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
