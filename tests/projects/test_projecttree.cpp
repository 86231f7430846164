#include "projects/projectcommands.h"
#include "projects/projectpaths.h"
#include "projects/projecttree.h"
#include "scripteduserinteraction.h"

#include <QSet>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral("/opt/quilmead/");

ProjectTree sampleTree() {
    ProjectTree tree;
    const int welcome = tree.addProject("Welcome - Welcome");
    tree.appendPage(welcome, "#Default Project Settings - PROJECT.INI");
    tree.appendPage(welcome, "Readme File - readme.htm");
    const int acme = tree.addProject("Acme site - /srv/web/acme-site");
    tree.appendPage(acme, "Home - index.htm");
    return tree;
}

IsFileOpen openSet(const QStringList &paths) {
    const QSet<QString> set(paths.begin(), paths.end());
    return [set](const QString &path) { return set.contains(path); };
}

} // namespace

class TestProjectTree : public QObject {
    Q_OBJECT
private slots:
    void entryParts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("name");
        QTest::newRow("project") << "Welcome - Welcome"
                                 << "Welcome"
                                 << "Welcome";
        QTest::newRow("page") << "Readme File - readme.htm"
                              << "Readme File"
                              << "readme.htm";
        QTest::newRow("dash in the name") << "Acme site - /srv/my-site"
                                          << "Acme site"
                                          << "/srv/my-site";
        QTest::newRow("settings entry") << "#Default Project Settings - PROJECT.INI"
                                        << "#Default Project Settings"
                                        << "PROJECT.INI";
        QTest::newRow("nothing after the dash") << "Empty -"
                                                << "Empty"
                                                << "";
        // A hand-made line without a dash names its folder with all of it.
        QTest::newRow("no dash") << "Welcome"
                                 << ""
                                 << "Welcome";
    }
    void entryParts() {
        QFETCH(QString, text);
        QFETCH(QString, description);
        QFETCH(QString, name);
        QCOMPARE(entryDescription(text), description);
        QCOMPARE(entryName(text), name);
        if (text.contains(" - "))
            QCOMPARE(makeEntryText(description, name), text);
    }

    void addPageKeepsOrdinalOrder_data() {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("at");
        const QStringList sorted{"Alpha - z.htm", "beta - b.htm"};
        QTest::newRow("capital before small letters") << sorted << "Zeta - a.htm" << 1;
        QTest::newRow("before an equal text") << sorted << "beta - b.htm" << 1;
        QTest::newRow("after the last") << sorted << "gamma - g.htm" << 2;
        QTest::newRow("first child of an empty project") << QStringList() << "Any - a.htm" << 0;
        QTest::newRow("settings entry goes first")
            << sorted << "#Default Project Settings - PROJECT.INI" << 0;
        QTest::newRow("digits before letters") << sorted << "2000 - y.htm" << 0;
    }
    void addPageKeepsOrdinalOrder() {
        QFETCH(QStringList, pages);
        QFETCH(QString, added);
        QFETCH(int, at);
        ProjectTree tree;
        tree.addProject("Other - other");
        const int p = tree.addProject("P - p");
        tree.addProject("After - after");
        for (const QString &page : pages)
            tree.appendPage(p, page);
        QCOMPARE(tree.addPage(p, added), at);
        QCOMPARE(tree.pageText(p, at), added);
        QCOMPARE(tree.pageCount(p), pages.size() + 1);
        QCOMPARE(tree.pageCount(0), 0);
        QCOMPARE(tree.pageCount(2), 0);
    }

    void projectFolders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("relative") << "Welcome"
                                  << "/opt/quilmead/Welcome";
        QTest::newRow("relative with backslash") << "Sites\\Acme"
                                                 << "/opt/quilmead/Sites/Acme";
        QTest::newRow("absolute") << "/srv/web/Acme"
                                  << "/srv/web/Acme";
        QTest::newRow("absolute with trailing separator") << "/srv/web/Acme/"
                                                          << "/srv/web/Acme";
    }
    void projectFolders() {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QCOMPARE(resolveProjectDir(kProgram, name), folder);
        QCOMPARE(resolveProjectDir("/opt/quilmead", name), folder);
    }

    void entryPaths() {
        const ProjectTree tree = sampleTree();
        QCOMPARE(projectDir(tree, {0, -1}, kProgram), QString("/opt/quilmead/Welcome"));
        QCOMPARE(projectDir(tree, {0, 1}, kProgram), QString("/opt/quilmead/Welcome"));
        QCOMPARE(projectDir(tree, {1, 0}, kProgram), QString("/srv/web/acme-site"));
        QCOMPARE(entryFilePath(tree, {0, 1}, kProgram),
                 QString("/opt/quilmead/Welcome/readme.htm"));
        QCOMPARE(entryFilePath(tree, {1, 0}, kProgram), QString("/srv/web/acme-site/index.htm"));
        QVERIFY(entryFilePath(tree, {1, -1}, kProgram).isEmpty());
        QVERIFY(projectDir(tree, {5, -1}, kProgram).isEmpty());
        QVERIFY(entryFilePath(tree, {0, 9}, kProgram).isEmpty());
    }

    void openFilesOfAProject() {
        const ProjectTree tree = sampleTree();
        const IsFileOpen open = openSet({"/srv/web/acme-site/index.htm"});
        QVERIFY(isAProjectFileOpen(tree, {1, -1}, kProgram, open));
        QVERIFY(!isAProjectFileOpen(tree, {0, -1}, kProgram, open));
        // Only a project entry asks about its pages.
        QVERIFY(!isAProjectFileOpen(tree, {1, 0}, kProgram, open));
        // Paths compare exactly, letter case included.
        QVERIFY(
            !isEntryFileOpen(tree, {1, 0}, kProgram, openSet({"/srv/web/acme-site/INDEX.htm"})));

        ScriptedUserInteraction ui;
        QVERIFY(isEntryFileOpen(tree, {1, 0}, kProgram, open, &ui));
        QCOMPARE(ui.messageTexts(),
                 QStringList("Selected operation may not be performed on an open file.  Please "
                             "close the file and try again."));
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Information));
        QVERIFY(!isEntryFileOpen(tree, {0, 1}, kProgram, open, &ui));
        QCOMPARE(ui.asked().size(), 1);
    }

    void menus_data() {
        QTest::addColumn<bool>("entries");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("flags"); // pages deleteProject editProject | page menu
        QTest::addColumn<QString>("send");
        // Page menu flags: view add import delete copy describe rename remove send
        // editProject deleteProject orphans.
        QTest::newRow("empty tree") << false << 0 << false << false << "000|000000000000"
                                    << "Send to website...";
        QTest::newRow("nothing selected") << true << 0 << false << false << "100|000000000000"
                                          << "Send to website...";
        QTest::newRow("project") << true << 1 << false << false << "111|011000001111"
                                 << "Send entire site to www.example.com/pub";
        QTest::newRow("page") << true << 2 << false << false << "100|111111111000"
                              << "Send to www.example.com/pub";
        QTest::newRow("settings entry") << true << 2 << false << true << "100|111110011000"
                                        << "Send to www.example.com/pub";
        QTest::newRow("open page") << true << 2 << true << false << "100|111111110000"
                                   << "Send to website...";
    }
    void menus() {
        QFETCH(bool, entries);
        QFETCH(int, level);
        QFETCH(bool, open);
        QFETCH(bool, settings);
        QFETCH(QString, flags);
        QFETCH(QString, send);
        ProjectMenuState state;
        state.treeHasEntries = entries;
        state.selectedLevel = level;
        state.selectedFileOpen = open;
        state.settingsEntry = settings;
        state.sendTarget = "www.example.com/pub";
        const ProjectMenuEnabling p = checkProjectMenu(state);
        const PageMenuEnabling g = checkPageMenu(state);
        auto bit = [](bool b) { return b ? QLatin1Char('1') : QLatin1Char('0'); };
        QString got;
        got += bit(p.pages);
        got += bit(p.deleteProject);
        got += bit(p.editProject);
        got += '|';
        for (bool b : {g.viewPage, g.addPage, g.importPage, g.deletePage, g.copyMovePage,
                       g.changeDescription, g.renameFile, g.removeFromProject, g.send,
                       g.editProject, g.deleteProject, g.findOrphans})
            got += bit(b);
        QCOMPARE(got, flags);
        QCOMPARE(g.sendCaption, send);
    }

    void menuStateReadsTheSendTarget() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("site");
        QFile ini(dir.filePath("site/PROJECT.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[PROJECT]\r\nWebURL=www.acme.test\r\nFTPDirectory=public_html\r\n");
        ini.close();
        ProjectTree tree;
        const int p = tree.addProject("Acme - site");
        tree.appendPage(p, "Home - index.htm");
        const QString program = dir.path() + "/";
        ProjectMenuState state = projectMenuState(tree, {p, -1}, program, openSet({}));
        QCOMPARE(state.selectedLevel, 1);
        QCOMPARE(checkPageMenu(state).sendCaption,
                 QString("Send entire site to www.acme.test/public_html"));
        state = projectMenuState(tree, {p, 0}, program, openSet({program + "site/index.htm"}));
        QVERIFY(state.selectedFileOpen);
        QVERIFY(!checkPageMenu(state).send);
        state = projectMenuState(tree, {}, program, openSet({}));
        QVERIFY(state.treeHasEntries);
        QCOMPARE(state.selectedLevel, 0);
    }

    void keysInTheTree_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("action");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 2 << int(TreeKeyAction::Open);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1 << int(TreeKeyAction::Open);
        QTest::newRow("Delete on a project")
            << int(Qt::Key_Delete) << 1 << int(TreeKeyAction::DeleteProject);
        QTest::newRow("Delete on a page")
            << int(Qt::Key_Delete) << 2 << int(TreeKeyAction::DeletePage);
        QTest::newRow("Delete on nothing") << int(Qt::Key_Delete) << 0 << int(TreeKeyAction::None);
        QTest::newRow("F3 on a page") << int(Qt::Key_F3) << 2 << int(TreeKeyAction::OpenDocument);
        QTest::newRow("F3 on a project") << int(Qt::Key_F3) << 1 << int(TreeKeyAction::None);
        QTest::newRow("other key") << int(Qt::Key_A) << 2 << int(TreeKeyAction::None);
    }
    void keysInTheTree() {
        QFETCH(int, key);
        QFETCH(int, level);
        QFETCH(int, action);
        ProjectMenuState state;
        state.treeHasEntries = true;
        state.selectedLevel = level;
        QCOMPARE(int(treeKeyAction(key, state)), action);
    }

    void openingEntries() {
        const ProjectTree tree = sampleTree();
        TreeOpenRequest r = treeOpenRequest(tree, {0, 0}, kProgram);
        QCOMPARE(r.kind, TreeOpenRequest::Kind::EditSettings);
        QCOMPARE(r.projectDir, QString("/opt/quilmead/Welcome"));
        r = treeOpenRequest(tree, {0, 1}, kProgram);
        QCOMPARE(r.kind, TreeOpenRequest::Kind::OpenDocument);
        QCOMPARE(r.path, QString("/opt/quilmead/Welcome/readme.htm"));
        QCOMPARE(treeOpenRequest(tree, {1, -1}, kProgram).kind, TreeOpenRequest::Kind::Nothing);
        QCOMPARE(treeOpenRequest(tree, {}, kProgram).kind, TreeOpenRequest::Kind::Nothing);
    }

    void fileList_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::newRow("gif") << "logo.gif" << true;
        QTest::newRow("upper-case jpg") << "PHOTO.JPG" << true;
        QTest::newRow("bmp inside the name") << "a.bmp.htm" << true;
        QTest::newRow("jpeg is a page") << "photo.jpeg" << false;
        QTest::newRow("page") << "index.htm" << false;
    }
    void fileList() {
        QFETCH(QString, name);
        QFETCH(bool, image);
        QCOMPARE(isPreviewImage(name), image);
        ScriptedUserInteraction ui;
        QCOMPARE(fileListMayOpen("/home/u/" + name, openSet({}), ui), !image);
        QCOMPARE(ui.asked().size(), 0);
    }

    void fileListRefusesAnOpenFile() {
        ScriptedUserInteraction ui;
        QVERIFY(!fileListMayOpen("/home/u/a.htm", openSet({"/home/u/a.htm"}), ui));
        QCOMPARE(ui.messageTexts(), QStringList(openFileRefusal()));
    }
};

QTEST_APPLESS_MAIN(TestProjectTree)
#include "test_projecttree.moc"
