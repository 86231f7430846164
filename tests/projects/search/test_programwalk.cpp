// The walk for browser programs: what it finds, in which order, that it ends
// on trees with link loops, and that it stops on request; then the same walk
// on a worker thread.

#include "programtree.h"
#include "projects/search/programsearch.h"
#include "projects/search/programwalk.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <unistd.h>

namespace {

struct Find {
    int mask;
    QString path;
};

struct WalkResult {
    bool completed = false;
    QVector<Find> finds;
    QStringList folders; // as entered
    QStringList paths() const {
        QStringList all;
        for (const Find &f : finds)
            all << f.path;
        return all;
    }
};

WalkResult walk(const QString &root, const QStringList &masks, int stopAfter = -1) {
    WalkResult result;
    std::atomic_bool stop{stopAfter == 0};
    ProgramWalkReport report;
    report.found = [&](int mask, const QString &path) {
        result.finds.append({mask, path});
        if (result.finds.size() == stopAfter)
            stop = true;
    };
    report.entering = [&](const QString &folder) { result.folders << folder; };
    result.completed = walkForPrograms(root, masks, report, stop);
    return result;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

const QStringList kBrowsers = programSearchMasks(QString());

} // namespace

class TestProgramWalk : public QObject {
    Q_OBJECT
private slots:
    void masks_data() {
        QTest::addColumn<QString>("additional");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("none") << "" << QStringList();
        QTest::newRow("a name") << "opera" << QStringList{"opera"};
        QTest::newRow("spaces around") << "  opera*  " << QStringList{"opera*"};
        QTest::newRow("only spaces") << "   " << QStringList();
    }
    void masks() {
        QFETCH(QString, additional);
        QFETCH(QStringList, extra);
        const QStringList browsers{"firefox*", "chromium*", "google-chrome*", "epiphany*",
                                   "konqueror*"};
        QCOMPARE(programSearchMasks(additional), browsers + extra);
    }

    // Executable files and links to them, by name with letter case ignored;
    // not folders, not plain files, not links to nothing.
    void findsExecutableProgramsOnly() {
        ProgramTree t;
        const QString firefox = t.program("usr/bin/firefox");
        const QString dev = t.program("opt/Firefox-Dev");
        const QString chrome = t.program("opt/google/chrome/google-chrome");
        t.plain("usr/bin/chromium");
        t.program("usr/bin/myfirefox");
        t.folder("usr/lib/firefox-addons");
        QVERIFY(t.link("/nonexistent/firefox", "usr/bin/firefox-gone"));
        QVERIFY(t.link("../../opt/google/chrome/google-chrome", "usr/bin/google-chrome-stable"));
        t.plain("usr/share/doc/konqueror.txt");

        const WalkResult r = walk(t.root(), kBrowsers);
        QVERIFY(r.completed);
        QCOMPARE(sorted(r.paths()),
                 sorted({firefox, dev, chrome, t.dir.file("usr/bin/google-chrome-stable")}));
    }

    void nothingFoundInATreeWithoutBrowsers() {
        ProgramTree t;
        t.plain("a/readme");
        t.program("a/b/bash");
        const WalkResult r = walk(t.root(), kBrowsers);
        QVERIFY(r.completed);
        QVERIFY(r.finds.isEmpty());
    }

    void aMissingRootIsAnEmptyWalk() {
        ProgramTree t;
        const QString file = t.program("firefox");
        QVERIFY(walk(t.dir.file("missing"), kBrowsers).completed);
        QVERIFY(walk(t.dir.file("missing"), kBrowsers).finds.isEmpty());
        QVERIFY(walk(file, kBrowsers).finds.isEmpty());
    }

    // A file that matches two masks is listed for each; within a folder the
    // finds come mask by mask.
    void maskByMaskWithinAFolder() {
        ProgramTree t;
        const QString chromium = t.program("chromium");
        const QString firefox = t.program("firefox");
        const WalkResult r = walk(t.root(), programSearchMasks("*i*"));
        QCOMPARE(r.finds.size(), 4);
        QCOMPARE(r.finds.at(0).mask, 0);
        QCOMPARE(r.finds.at(0).path, firefox);
        QCOMPARE(r.finds.at(1).mask, 1);
        QCOMPARE(r.finds.at(1).path, chromium);
        QCOMPARE(r.finds.at(2).mask, 5);
        QCOMPARE(r.finds.at(3).mask, 5);
        QCOMPARE(sorted({r.finds.at(2).path, r.finds.at(3).path}), sorted({chromium, firefox}));
    }

    // Depth first: a folder's programs before those of its sub-folders, and
    // a sub-folder's whole tree before its next sibling.
    void depthFirst() {
        ProgramTree t;
        const QString top = t.program("firefox-1");
        const QString a = t.program("a/firefox-2");
        const QString ab = t.program("a/b/firefox-3");
        const QString abc = t.program("a/b/c/firefox-4");
        t.program("d/firefox-5");
        const WalkResult r = walk(t.root(), kBrowsers);
        const QStringList paths = r.paths();
        QCOMPARE(paths.size(), 5);
        QCOMPARE(paths.first(), top);
        const qsizetype at = paths.indexOf(a);
        QVERIFY(at == 1 || at == 2);
        QCOMPARE(paths.mid(at, 3), QStringList({a, ab, abc}));
        // The root given with or without its trailing "/" gives the same
        // paths, never a doubled "/".
        QString bare = t.root();
        bare.chop(1);
        QCOMPARE(walk(bare, kBrowsers).paths(), paths);
        for (const QString &path : paths)
            QVERIFY(!path.contains("//"));
    }

    // Links back up the tree, to the folder itself and in a circle are not
    // followed: the walk ends, every folder is entered once and every
    // program found once, under its real place.
    void symbolicLinkLoopsEnd() {
        ProgramTree t;
        const QString firefox = t.program("a/b/firefox");
        QVERIFY(t.link("../..", "a/b/up"));
        QVERIFY(t.link(".", "a/self"));
        QVERIFY(t.link(t.root(), "a/b/root"));
        QVERIFY(t.link("loop2", "loop1"));
        QVERIFY(t.link("loop1", "loop2"));
        QVERIFY(t.link("../a", "x/across"));
        const WalkResult r = walk(t.root(), kBrowsers);
        QVERIFY(r.completed);
        QCOMPARE(r.paths(), QStringList{firefox});
        QCOMPARE(sorted(r.folders),
                 sorted({t.root(), t.dir.file("a/"), t.dir.file("a/b/"), t.dir.file("x/")}));
    }

    // The root itself may be a link: the user chose it.
    void theRootMayBeALink() {
        ProgramTree t;
        t.program("real/firefox");
        QVERIFY(t.link("real", "chosen"));
        QCOMPARE(walk(t.dir.file("chosen"), kBrowsers).paths(),
                 QStringList{t.dir.file("chosen/firefox")});
    }

    void unreadableFoldersArePassedOver() {
        if (geteuid() == 0)
            QSKIP("the superuser reads every folder");
        ProgramTree t;
        const QString open = t.program("a/firefox");
        t.program("closed/firefox");
        QFile::setPermissions(t.dir.file("closed"), QFileDevice::WriteOwner);
        const WalkResult r = walk(t.root(), kBrowsers);
        QFile::setPermissions(t.dir.file("closed"), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner);
        QVERIFY(r.completed);
        QCOMPARE(r.paths(), QStringList{open});
    }

    void stopEndsTheWalk() {
        ProgramTree t;
        for (int i = 0; i < 5; ++i)
            t.program(QStringLiteral("f%1/firefox").arg(i));
        WalkResult r = walk(t.root(), kBrowsers, 0);
        QVERIFY(!r.completed);
        QVERIFY(r.finds.isEmpty());
        r = walk(t.root(), kBrowsers, 2);
        QVERIFY(!r.completed);
        QCOMPARE(r.finds.size(), 2);
    }

    // --- On a worker thread ------------------------------------------------------

    // The rows make the list the walk would give once per mask, and each
    // find arrives with the row it takes.
    void searchListsMaskByMask() {
        ProgramTree t;
        t.program("chromium");
        t.program("a/firefox");
        t.program("a/konqueror");
        t.program("a/b/chromium-browser");
        t.program("c/firefox-esr");
        t.program("c/opera");
        const QStringList masks = programSearchMasks("*o*");
        QStringList expected;
        for (const QString &mask : masks)
            expected += walk(t.root(), {mask}).paths();

        ProgramSearch search;
        QSignalSpy finished(&search, &ProgramSearch::finished);
        QStringList shown;
        connect(&search, &ProgramSearch::found, this,
                [&](int row, const QString &path) { shown.insert(row, path); });
        search.start(t.root(), masks);
        QVERIFY(search.isRunning());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(!search.isRunning());
        QCOMPARE(shown, expected);
        QCOMPARE(search.results(), expected);
        QCOMPARE(expected.size(), 11);
    }

    // A new search replaces one still running: nothing of the old one is
    // reported.
    void aNewSearchReplacesTheRunningOne() {
        ProgramTree first, second;
        first.program("firefox-old");
        const QString fresh = second.program("firefox-new");
        ProgramSearch search;
        QSignalSpy found(&search, &ProgramSearch::found);
        QSignalSpy finished(&search, &ProgramSearch::finished);
        search.start(first.root(), kBrowsers);
        search.start(second.root(), kBrowsers);
        QVERIFY(finished.wait(10000));
        QTest::qWait(50);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.at(0).at(1).toString(), fresh);
    }

    void stopAndDestructionEndTheWorker() {
        ProgramSearch search;
        QSignalSpy finished(&search, &ProgramSearch::finished);
        search.start("/", programSearchMasks("no-such-program-anywhere"));
        search.stop();
        QVERIFY(finished.wait(10000));
        QVERIFY(!search.isRunning());

        auto running = std::make_unique<ProgramSearch>();
        running->start("/", kBrowsers);
        running.reset(); // waits for the walk to stop; nothing arrives later
        QTest::qWait(20);
    }
};

QTEST_GUILESS_MAIN(TestProgramWalk)
#include "test_programwalk.moc"
