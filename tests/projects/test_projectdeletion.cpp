#include "projects/projectdeletion.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QtTest>

namespace {

const QString kEverything = "Project contains documents, remove everything?";
const QString kFolderError = "Error removing project directory. Would you like to remove the "
                             "project from the list anyway?";

QString fileError(const QString &path) {
    return "Error removing file " + path +
           ". Would you like to remove the project from the list anyway?";
}

IsFileOpen nothingOpen() {
    return [](const QString &) { return false; };
}

QStringList filesIn(const QString &dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A program folder with the projects "Keep - keep" and "Acme - Acme"; Acme
// lists PROJECT.INI, a.htm and b.htm, all on disk, a.htm with a parking file.
struct Fixture {
    TestFolder program;
    ProjectTree tree;
    ScriptedUserInteraction ui;
    QString acme;

    Fixture() {
        acme = program.path() + "Acme";
        program.write("keep/index.htm", "keep");
        program.write("Acme/PROJECT.INI", "[PROJECT]\r\n");
        program.write("Acme/a.htm", "a");
        program.write("Acme/a.htm_", "a parked");
        program.write("Acme/b.htm", "b");
        tree.addProject("Keep - keep");
        const int p = tree.addProject("Acme - Acme");
        tree.appendPage(p, "#Default Project Settings - PROJECT.INI");
        tree.appendPage(p, "A - a.htm");
        tree.appendPage(p, "B - b.htm");
    }
    ProjectDeletion run(const IsFileOpen &open = nothingOpen()) {
        return deleteProject(tree, 1, program.path(), open, ui);
    }
};

} // namespace

class TestProjectDeletion : public QObject {
    Q_OBJECT
private slots:
    void removesTheListedFilesAndTheFolder() {
        Fixture f;
        f.ui.answerMessage(Msg::ResultOk);
        QCOMPARE(f.run(), ProjectDeletion::Removed);
        QCOMPARE(f.ui.messageTexts(), QStringList(kEverything));
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Ok | Msg::Cancel));
        QVERIFY(!QFileInfo::exists(f.acme));
        QCOMPARE(f.tree.projectCount(), 1);
        QCOMPARE(f.tree.projectText(0), QString("Keep - keep"));
        QCOMPARE(filesIn(f.program.file("keep")), QStringList("index.htm"));
    }

    void emptyProjectAsksOtherwise() {
        TestFolder program;
        QDir().mkdir(program.file("Empty"));
        ProjectTree tree;
        tree.addProject("Empty - Empty");
        ScriptedUserInteraction ui;
        ui.answerMessage(Msg::ResultOk);
        QCOMPARE(deleteProject(tree, 0, program.path(), nothingOpen(), ui),
                 ProjectDeletion::Removed);
        QCOMPARE(ui.messageTexts(), QStringList("Remove empty project?"));
        QVERIFY(tree.isEmpty());
        QVERIFY(!QFileInfo::exists(program.file("Empty")));
    }

    void refusedOrCancelledChangesNothing_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("a page is open") << true << -1 << int(ProjectDeletion::FilesOpen)
                                        << "Close all project files before deleting project!";
        QTest::newRow("cancelled")
            << false << int(Msg::ResultCancel) << int(ProjectDeletion::Cancelled) << kEverything;
    }
    void refusedOrCancelledChangesNothing() {
        QFETCH(bool, open);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        Fixture f;
        const ProjectTree before = f.tree;
        if (answer >= 0)
            f.ui.answerMessage(answer);
        const QString bPath = f.acme + "/b.htm";
        QCOMPARE(int(f.run([&](const QString &p) { return open && p == bPath; })), outcome);
        QCOMPARE(f.ui.messageTexts(), QStringList(message));
        QCOMPARE(f.tree, before);
        QCOMPARE(filesIn(f.acme), QStringList({"PROJECT.INI", "a.htm", "a.htm_", "b.htm"}));
    }

    void unlistedFileKeepsTheFolder_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("projects");
        QTest::newRow("keep the entry") << int(Msg::ResultNo) << int(ProjectDeletion::Kept) << 2;
        QTest::newRow("drop the entry")
            << int(Msg::ResultYes) << int(ProjectDeletion::Removed) << 1;
    }
    void unlistedFileKeepsTheFolder() {
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(int, projects);
        Fixture f;
        f.program.write("Acme/notes.txt", "mine");
        f.ui.answerMessage(Msg::ResultOk);
        f.ui.answerMessage(answer);
        QCOMPARE(int(f.run()), outcome);
        QCOMPARE(f.ui.messageTexts(), QStringList({kEverything, kFolderError}));
        QCOMPARE(f.ui.asked().at(1).buttons, int(Msg::Yes | Msg::No));
        QCOMPARE(filesIn(f.acme), QStringList("notes.txt"));
        QCOMPARE(f.tree.projectCount(), projects);
        if (projects == 2)
            QCOMPARE(f.tree.pageCount(1), 0);
    }

    void fileThatCannotBeRemoved_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("pagesLeft");
        QTest::addColumn<QStringList>("filesLeft");
        QTest::newRow("No stops there")
            << int(Msg::ResultNo) << QStringList({"A - a.htm", "B - b.htm"})
            << QStringList({"a.htm", "a.htm_", "b.htm"});
        QTest::newRow("Yes drops the entry and goes on")
            << int(Msg::ResultYes) << QStringList() << QStringList({"a.htm", "a.htm_"});
    }
    void fileThatCannotBeRemoved() {
        QFETCH(int, answer);
        QFETCH(QStringList, pagesLeft);
        QFETCH(QStringList, filesLeft);
        Fixture f;
        // a.htm is a folder here: removing it fails.
        QFile::remove(f.acme + "/a.htm");
        QDir().mkdir(f.acme + "/a.htm");
        f.program.write("Acme/a.htm/inside.htm", "inside");
        f.ui.answerMessage(Msg::ResultOk);
        f.ui.answerMessage(answer);
        f.ui.answerMessage(Msg::ResultNo);
        QCOMPARE(f.run(), ProjectDeletion::Kept);
        QCOMPARE(f.ui.messageTexts(),
                 QStringList({kEverything, fileError(f.acme + "/a.htm"), kFolderError}));
        QCOMPARE(f.tree.pages(1), pagesLeft);
        QCOMPARE(filesIn(f.acme), filesLeft);
        QCOMPARE(filesIn(f.acme + "/a.htm"), QStringList("inside.htm"));
    }

    void neverLeavesTheProjectFolder_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("parent folder") << "Escape - ../outside.htm";
        QTest::newRow("sub-folder path") << "Deep - ../Acme/../outside.htm";
        QTest::newRow("absolute path") << "Abs - /OUTSIDE";
        QTest::newRow("backslash path") << "Win - ..\\outside.htm";
        QTest::newRow("dot") << "Dot - .";
    }
    void neverLeavesTheProjectFolder() {
        QFETCH(QString, page);
        Fixture f;
        f.program.write("outside.htm", "not the project's");
        QString p = page;
        p.replace("/OUTSIDE", f.program.file("outside.htm"));
        f.tree.addPage(1, p);
        f.ui.answerMessage(Msg::ResultOk);
        f.ui.answerMessage(Msg::ResultYes); // drop the odd entry
        f.ui.answerMessage(Msg::ResultYes);
        QCOMPARE(f.run(), ProjectDeletion::Removed);
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Message), 2);
        QVERIFY(f.ui.messageTexts().at(1).startsWith("Error removing file "));
        QCOMPARE(TestFolder::read(f.program.file("outside.htm")), QByteArray("not the project's"));
        QVERIFY(!QFileInfo::exists(f.acme));
    }

    void symbolicLinksAreRemovedNotFollowed() {
        Fixture f;
        f.program.write("outside/target.htm", "target");
        QFile::remove(f.acme + "/b.htm");
        QVERIFY(QFile::link(f.program.file("outside/target.htm"), f.acme + "/b.htm"));
        QVERIFY(QFile::link(f.program.file("outside"), f.acme + "/b.htm_"));
        f.ui.answerMessage(Msg::ResultOk);
        QCOMPARE(f.run(), ProjectDeletion::Removed);
        QVERIFY(!QFileInfo::exists(f.acme));
        QCOMPARE(filesIn(f.program.file("outside")), QStringList("target.htm"));
    }

    void linkedProjectFolderStays() {
        Fixture f;
        f.program.write("real/x.htm", "x");
        QVERIFY(QFile::link(f.program.file("real"), f.program.file("Linked")));
        const int p = f.tree.addProject("Linked - Linked");
        f.tree.appendPage(p, "X - x.htm");
        f.ui.answerMessage(Msg::ResultOk);
        f.ui.answerMessage(Msg::ResultNo);
        QCOMPARE(deleteProject(f.tree, p, f.program.path(), nothingOpen(), f.ui),
                 ProjectDeletion::Kept);
        QCOMPARE(f.ui.messageTexts().last(), kFolderError);
        QVERIFY(QFileInfo(f.program.file("Linked")).isSymLink());
        QVERIFY(QFileInfo(f.program.file("real")).isDir());
    }

    void absoluteProjectFolder() {
        Fixture f;
        TestFolder elsewhere;
        elsewhere.write("site/index.htm", "i");
        const int p = f.tree.addProject("Far - " + elsewhere.path() + "site");
        f.tree.appendPage(p, "Home - index.htm");
        f.ui.answerMessage(Msg::ResultOk);
        QCOMPARE(deleteProject(f.tree, p, f.program.path(), nothingOpen(), f.ui),
                 ProjectDeletion::Removed);
        QVERIFY(!QFileInfo::exists(elsewhere.file("site")));
        QVERIFY(QFileInfo::exists(elsewhere.path()));
    }

    void noSuchProject() {
        Fixture f;
        QCOMPARE(deleteProject(f.tree, 7, f.program.path(), nothingOpen(), f.ui),
                 ProjectDeletion::Nothing);
        ProjectTree empty;
        QCOMPARE(deleteProject(empty, 0, f.program.path(), nothingOpen(), f.ui),
                 ProjectDeletion::Nothing);
        QCOMPARE(f.ui.asked().size(), 0);
    }

    void planListsEveryPage() {
        Fixture f;
        f.tree.addPage(1, "Odd - sub/x.htm");
        const ProjectDeletionPlan plan = planProjectDeletion(f.tree, 1, f.program.path());
        QCOMPARE(plan.folder, f.acme);
        QCOMPARE(plan.pages.size(), 4);
        QCOMPARE(plan.pages.at(0).path, f.acme + "/PROJECT.INI");
        QVERIFY(plan.pages.at(0).removable);
        QVERIFY(!plan.pages.at(3).removable);
    }
};

QTEST_APPLESS_MAIN(TestProjectDeletion)
#include "test_projectdeletion.moc"
