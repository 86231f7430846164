// The per-run lists of open documents and the pages they leave to recover.

#include "documents/documentnames.h"
#include "documents/session/recovery.h"
#include "documents/session/sessionlist.h"
#include "editor/textfile.h"
#include "testfolder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <memory>

namespace {

// Sets a file's last change `seconds` from now.
void touch(const QString &path, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                             QFileDevice::FileModificationTime));
}

// A run that ended without closing its documents: its list stays behind.
void crashedRun(const QString &folder, const QStringList &documents) {
    SessionList run(folder);
    QVERIFY(run.begin());
    QVERIFY(run.write(documents));
}

} // namespace

class TestSessionList : public QObject {
    Q_OBJECT
private slots:
    void listFormat_data() {
        QTest::addColumn<QStringList>("documents");
        QTest::newRow("none") << QStringList();
        QTest::newRow("plain") << QStringList{"/w/a.htm", "/w/b c.html"};
        QTest::newRow("odd names") << QStringList{"/w/100%.htm", "/w/%0D.htm", "/w/x\ny.htm",
                                                  "/w/x\r\ny.htm", QString::fromUtf8("/w/é€.htm")};
    }
    void listFormat() {
        QFETCH(QStringList, documents);
        const QByteArray bytes = SessionList::encode(documents);
        QCOMPARE(bytes.count('\n'), documents.size());
        QCOMPARE(bytes.count("\r\n"), documents.size());
        QCOMPARE(SessionList::decode(bytes), documents);
        // Other line ends read the same.
        QByteArray lf = bytes;
        QCOMPARE(SessionList::decode(lf.replace("\r\n", "\n")), documents);
    }

    void aCleanEndLeavesNothing() {
        TestFolder folder;
        SessionList run(folder.path());
        QVERIFY(run.begin());
        QVERIFY(run.write({"/w/a.htm"}));
        QCOMPARE(SessionList::decode(TestFolder::read(run.listFile())), QStringList{"/w/a.htm"});
        run.end();
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A running program's list is never taken for an ended one; an ended run
    // is claimed by one start only, until that start forgets it or ends.
    void endedRunsAreClaimedOnce() {
        TestFolder folder;
        crashedRun(folder.path(), {"/w/a.htm", "/w/b.htm"});
        SessionList running(folder.path());
        QVERIFY(running.begin());
        QVERIFY(running.write({"/w/c.htm"}));

        SessionList first(folder.path());
        QVERIFY(first.begin());
        const std::vector<SessionList::EndedRun> runs = first.claimEndedRuns();
        QCOMPARE(runs.size(), size_t(1));
        QCOMPARE(runs.front().documents, (QStringList{"/w/a.htm", "/w/b.htm"}));

        {
            SessionList second(folder.path());
            QVERIFY(second.begin());
            QVERIFY(second.claimEndedRuns().empty());
            second.end();
        }
        first.forget(runs.front());
        QVERIFY(!QFileInfo::exists(runs.front().listFile));

        // A start that claimed a run and ended without deciding leaves it for
        // the next one.
        crashedRun(folder.path(), {"/w/d.htm"});
        {
            SessionList undecided(folder.path());
            QCOMPARE(undecided.claimEndedRuns().size(), size_t(1));
        }
        SessionList next(folder.path());
        const std::vector<SessionList::EndedRun> again = next.claimEndedRuns();
        QCOMPARE(again.size(), size_t(1));
        QCOMPARE(again.front().documents, QStringList{"/w/d.htm"});
    }

    void recoverablePages_data() {
        QTest::addColumn<QByteArray>("document"); // empty: no document
        QTest::addColumn<QByteArray>("parking");  // empty: no parking file
        QTest::addColumn<int>("parkingAge");      // seconds relative to the document
        QTest::addColumn<bool>("unfinishedSave"); // the copy is a save cut short
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer, other text")
            << QByteArray("old") << QByteArray("new") << 60 << false << true;
        QTest::newRow("newer, same text")
            << QByteArray("same") << QByteArray("same") << 60 << false << false;
        QTest::newRow("older than the save")
            << QByteArray("saved") << QByteArray("draft") << -60 << false << false;
        QTest::newRow("document gone") << QByteArray() << QByteArray("text") << 0 << false << true;
        QTest::newRow("no copy") << QByteArray("text") << QByteArray() << 0 << false << false;
        QTest::newRow("save cut short")
            << QByteArray("old") << QByteArray("new") << 60 << true << true;
    }
    void recoverablePages() {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, parking);
        QFETCH(int, parkingAge);
        QFETCH(bool, unfinishedSave);
        QFETCH(bool, offered);
        TestFolder work;
        const QString page = work.file("page.htm");
        if (!document.isEmpty()) {
            work.write("page.htm", document);
            touch(page, -120);
        }
        const QString copy = unfinishedSave ? savingFile(page) : DocumentNames::parkingFile(page);
        if (!parking.isEmpty()) {
            work.write(QFileInfo(copy).fileName(), parking);
            touch(copy, -120 + parkingAge);
        }
        const QList<RecoverablePage> pages = findRecoverablePages({page, page}, PageList());
        QCOMPARE(pages.size(), offered ? 1 : 0);
        if (offered) {
            QCOMPARE(pages.front().document, page);
            QCOMPARE(pages.front().copy, copy);
            QCOMPARE(pages.front().documentSaved.isValid(), !document.isEmpty());
        }
    }

    // A page open now is not offered (its copy is in use); discarding takes
    // every copy with other text, never the page.
    void openPagesAndDiscarding() {
        TestFolder work;
        const QString page = work.write("a.htm", "saved");
        touch(page, -120);
        work.write("a.htm_", "parked");
        work.write(QFileInfo(savingFile(page)).fileName(), "cut short");
        PageList open;
        PageRecord record;
        record.fileName = page;
        open.append(record);
        QVERIFY(findRecoverablePages({page}, open).isEmpty());
        QCOMPARE(findRecoverablePages({page}, PageList()).size(), 1);

        QVERIFY(discardUnsavedCopies(page, PageList()));
        QVERIFY(!QFileInfo::exists(page + "_"));
        QVERIFY(!QFileInfo::exists(savingFile(page)));
        QCOMPARE(TestFolder::read(page), QByteArray("saved"));
        QVERIFY(findRecoverablePages({page}, PageList()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSessionList)
#include "test_sessionlist.moc"
