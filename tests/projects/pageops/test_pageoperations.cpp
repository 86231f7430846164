// New pages, import, delete, remove, descriptions, rename, copy and move on
// real project folders, with the exact texts asked.

#include "projects/pageops/newpage.h"
#include "projects/pageops/pageimport.h"
#include "projects/pageops/pageoperations.h"
#include "projects/pageops/pagetexts.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

const QString kDash = "The dash character, '-', is not allowed in a project description.  "
                      "Please remove it before continuing.";
const QString kNameRefusal = "Filename name must be 8 characters or less and must not contain any "
                             "drive information.  This file will not be added to the selected "
                             "project.";

QStringList filesIn(const QString &dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A program folder with its templates and two projects: "Site - site"
// (PROJECT.INI, index.htm, news.htm) and "Other - other" (empty).
struct Fixture {
    TestFolder program;
    ProjectTree tree;
    ScriptedUserInteraction ui;
    IsFileOpen open = [](const QString &) { return false; };

    Fixture() {
        program.write("template/default.htm", "<HTML>default</HTML>\r\n");
        program.write("template/article.htm", "<HTML><!--##Heading--></HTML>\r\n");
        program.write("site/PROJECT.INI", "[PROJECT]\r\n");
        program.write("site/index.htm", "<TITLE>Home</TITLE>");
        program.write("site/news.htm", "news");
        QDir().mkpath(program.file("other"));
        const int site = tree.addProject("Site - site");
        tree.appendPage(site, "#Default Project Settings - PROJECT.INI");
        tree.appendPage(site, "Home - index.htm");
        tree.appendPage(site, "News - news.htm");
        tree.addProject("Other - other");
    }
    QString dir() const { return program.path(); }
    QString site(const QString &name) const { return program.file("site/" + name); }
    QStringList pages(int project = 0) const { return tree.pages(project); }
};

NewPageRequest request(const QString &name, const QString &description,
                       PageStyle style = PageStyle::DefaultPage, const QString &templ = {}) {
    return {name, "htm", description, style, templ};
}

} // namespace

class TestPageOperations : public QObject {
    Q_OBJECT
private slots:
    // --- New pages -------------------------------------------------------------------

    void newPageRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::newRow("existing page") << "index"
                                       << "Again"
                                       << "Project page already exists!" << int(Msg::Information);
        QTest::newRow("dotted name") << "a.b"
                                     << "Dotted" << kNameRefusal << int(Msg::Warning);
        QTest::newRow("folder in name") << "sub/a"
                                        << "Sub" << kNameRefusal << int(Msg::Warning);
        QTest::newRow("drive in name") << "c:a"
                                       << "Drive" << kNameRefusal << int(Msg::Warning);
        QTest::newRow("no name") << "  "
                                 << "Blank"
                                 << "Required field missing!" << int(Msg::Information);
        QTest::newRow("no description") << "fresh"
                                        << " "
                                        << "Required field missing!" << int(Msg::Information);
        QTest::newRow("dash") << "fresh"
                              << "A - B" << kDash << int(Msg::Warning);
    }
    void newPageRefusals() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, message);
        QFETCH(int, kind);
        Fixture f;
        const QStringList before = filesIn(f.program.file("site"));
        const NewPage page = createPage(f.tree, 0, f.dir(), request(name, description), f.ui);
        QVERIFY(!page.created);
        QCOMPARE(f.ui.messageTexts(), QStringList{message});
        QCOMPARE(f.ui.asked().at(0).kind, kind);
        QCOMPARE(f.pages().size(), 3);
        QCOMPARE(filesIn(f.program.file("site")), before);
    }

    void newPageStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("templ");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("step");
        QTest::newRow("default") << int(PageStyle::DefaultPage) << ""
                                 << QByteArray("<HTML>default</HTML>\r\n")
                                 << int(NewPageStep::BasicTags);
        QTest::newRow("template") << int(PageStyle::UseTemplate) << "article.htm"
                                  << QByteArray("<HTML><!--##Heading--></HTML>\r\n")
                                  << int(NewPageStep::TemplateVedaGuy);
        QTest::newRow("template, none chosen")
            << int(PageStyle::UseTemplate) << "" << QByteArray("") << int(NewPageStep::None);
        QTest::newRow("theme") << int(PageStyle::ThemePage) << "" << QByteArray("")
                               << int(NewPageStep::None);
        QTest::newRow("frame") << int(PageStyle::FramePage) << "" << QByteArray(" \r\n")
                               << int(NewPageStep::FrameCreator);
    }
    void newPageStyles() {
        QFETCH(int, style);
        QFETCH(QString, templ);
        QFETCH(QByteArray, content);
        QFETCH(int, step);
        Fixture f;
        const NewPage page = createPage(
            f.tree, 0, f.dir(), request(" about ", " About us ", PageStyle(style), templ), f.ui);
        QVERIFY(page.created);
        QCOMPARE(f.ui.asked().size(), 0);
        QCOMPARE(page.path, f.site("about.htm"));
        QCOMPARE(TestFolder::read(page.path), content);
        QCOMPARE(int(page.step), step);
        QCOMPARE(page.entry, (EntryRef{0, 1}));
        QCOMPARE(f.pages().at(1), QString("About us - about.htm"));
    }

    void newPageWithoutItsTemplateCreatesNothing() {
        Fixture f;
        QFile::remove(f.program.file("template/default.htm"));
        const NewPage page = createPage(f.tree, 0, f.dir(), request("about", "About"), f.ui);
        QVERIFY(!page.created);
        QVERIFY(f.ui.messageTexts().at(0).startsWith("The page was not created. "));
        QVERIFY(!QFileInfo::exists(f.site("about.htm")));
        QCOMPARE(f.pages().size(), 3);
    }

    void templateNamesAndExtensions() {
        Fixture f;
        f.program.write("template/notes.txt", "x");
        f.program.write("template/Zed.HTML", "x");
        QCOMPARE(templateNames(f.dir()), (QStringList{"Zed.HTML", "article.htm", "default.htm"}));
        QCOMPARE(documentExtensions(" html, htm,,shtm "), (QStringList{"html", "htm", "shtm"}));
    }

    // --- Import ------------------------------------------------------------------------

    void importCopiesThePageAndItsPictures() {
        Fixture f;
        TestFolder away;
        const QString chosen =
            away.write("Old Stuff/About.HTM",
                       "<TITLE>x</TITLE><IMG SRC=\"img/logo.gif\"><IMG SRC=\"gone.gif\">"
                       "<IMG SRC=\"http://example.com/a.gif\"><IMG SRC=\"../../up.gif\">");
        away.write("Old Stuff/img/logo.gif", "GIF");
        f.ui.answerInput("About");
        const EntryRef entry = importPage(f.tree, 0, f.dir(), chosen, f.ui);
        QCOMPARE(entry, (EntryRef{0, 1}));
        QCOMPARE(f.pages().at(1), QString("About - about.htm"));
        QCOMPARE(f.ui.asked().at(0).caption, QString("Importing Page"));
        QCOMPARE(f.ui.asked().at(0).text, "Description for " + chosen + ":");
        QCOMPARE(f.ui.asked().at(0).preset, QString("New Page"));
        QCOMPARE(TestFolder::read(f.site("about.htm")), TestFolder::read(chosen));
        QCOMPARE(TestFolder::read(f.site("img/logo.gif")), QByteArray("GIF"));
        // The page itself came: only the pictures are missing. Nothing is
        // written outside the project folder.
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{"Could not find one or more images in source directory"});
        QVERIFY(!QFileInfo::exists(f.program.file("up.gif")));
    }

    void importOfAPageInTheFolderOnlyAddsItsEntry() {
        Fixture f;
        const QString chosen = f.program.write("site/Extra.htm", "<TITLE>A-B-C</TITLE>");
        const QStringList before = filesIn(f.program.file("site"));
        f.ui.answerInput("");
        const EntryRef entry = importPage(f.tree, 0, f.dir(), chosen, f.ui);
        QVERIFY(entry.isValid());
        QCOMPARE(filesIn(f.program.file("site")), before);
        // Empty description: the title, its dashes turned into blanks.
        QCOMPARE(f.tree.text(entry), QString("A B C - Extra.htm"));
        // Imported again: still one entry.
        f.ui.answerInput("Again");
        QCOMPARE(importPage(f.tree, 0, f.dir(), chosen, f.ui), entry);
        QCOMPARE(f.pages().size(), 4);
    }

    void importDescription_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("description");
        QTest::newRow("given") << "Mine - too"
                               << "<TITLE>T</TITLE>"
                               << "Mine   too";
        QTest::newRow("long title") << ""
                                    << "<title>An extremely long-winded page title</title>"
                                    << "An extremely long winded";
        QTest::newRow("no title") << ""
                                  << "<P>text"
                                  << "New Page";
    }
    void importDescription() {
        QFETCH(QString, given);
        QFETCH(QString, page);
        QFETCH(QString, description);
        QCOMPARE(::importDescription(given, page), description);
    }

    void importOverAnotherFileOfTheSameName() {
        Fixture f;
        TestFolder away;
        f.ui.answerInput("Same");
        QVERIFY(importPage(f.tree, 0, f.dir(), away.write("news.htm", "news"), f.ui).isValid());
        QCOMPARE(f.ui.asked().size(), 1); // same bytes: nothing to tell
        f.ui.clear();
        f.ui.answerInput("Different");
        QVERIFY(!importPage(f.tree, 0, f.dir(), away.write("INDEX.htm", "mine"), f.ui).isValid());
        QCOMPARE(f.ui.messageTexts().at(0),
                 f.site("index.htm") + " is another file of the same name in the project folder. "
                                       "It was not replaced, and the page was not imported.");
        QCOMPARE(TestFolder::read(f.site("index.htm")), QByteArray("<TITLE>Home</TITLE>"));
        QCOMPARE(f.pages().size(), 3);
        f.ui.clear();
        f.ui.cancelInput();
        QVERIFY(!importPage(f.tree, 0, f.dir(), away.write("new.htm", "x"), f.ui).isValid());
        QVERIFY(!QFileInfo::exists(f.site("new.htm")));
    }

    // --- Delete, remove, description ------------------------------------------------

    void deletePage() {
        Fixture f;
        f.program.write("site/news.htm_", "parked");
        f.ui.answerMessage(Msg::ResultCancel);
        QVERIFY(!PageOps::deletePage(f.tree, {0, 2}, f.dir(), f.open, f.ui));
        QVERIFY(QFileInfo::exists(f.site("news.htm")));
        f.ui.answerMessage(Msg::ResultOk);
        QVERIFY(PageOps::deletePage(f.tree, {0, 2}, f.dir(), f.open, f.ui));
        QCOMPARE(f.ui.messageTexts(), QStringList(2, "Delete selected file?"));
        QCOMPARE(f.ui.asked().at(1).buttons, int(Msg::Ok | Msg::Cancel));
        QVERIFY(!QFileInfo::exists(f.site("news.htm")));
        QVERIFY(!QFileInfo::exists(f.site("news.htm_")));
        QCOMPARE(f.pages().size(), 2);
    }

    void deleteThatFailsKeepsTheEntry() {
        Fixture f;
        QDir().mkpath(f.site("dir.htm"));
        f.tree.addPage(0, "Dir - dir.htm");
        f.ui.answerMessage(Msg::ResultOk);
        QVERIFY(!PageOps::deletePage(f.tree, {0, 1}, f.dir(), f.open, f.ui));
        QVERIFY(
            f.ui.messageTexts().at(1).startsWith("The file was not deleted, so the page stays"));
        QCOMPARE(f.pages().size(), 4);
        QVERIFY(QFileInfo(f.site("dir.htm")).isDir());
    }

    void openPagesAreRefused() {
        Fixture f;
        f.open = [&f](const QString &path) { return path == f.site("news.htm"); };
        const QString refusal = "Selected operation may not be performed on an open file.  Please "
                                "close the file and try again.";
        QVERIFY(!PageOps::deletePage(f.tree, {0, 2}, f.dir(), f.open, f.ui));
        QVERIFY(!PageOps::removeFromProject(f.tree, {0, 2}, f.dir(), f.open, f.ui));
        QVERIFY(!PageOps::renamePage(f.tree, {0, 2}, f.dir(), f.open, f.ui).done);
        QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 1, PageOps::Transfer::Move, f.dir(), f.open,
                                       f.ui)
                     .done);
        QCOMPARE(f.ui.messageTexts(), QStringList(4, refusal));
        QCOMPARE(f.pages().size(), 3);
    }

    void removeFromProjectKeepsTheFile() {
        Fixture f;
        f.ui.answerMessage(Msg::ResultOk);
        QVERIFY(PageOps::removeFromProject(f.tree, {0, 2}, f.dir(), f.open, f.ui));
        QCOMPARE(f.ui.messageTexts(), QStringList{"Remove selected file from project?\n"
                                                  "(File will not be deleted from drive)"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(QFileInfo::exists(f.site("news.htm")));
        QCOMPARE(f.pages().size(), 2);
    }

    void changeDescription() {
        Fixture f;
        f.ui.answerInput("Zebra");
        QCOMPARE(PageOps::changeDescription(f.tree, {0, 1}, f.ui), (EntryRef{0, 2}));
        QCOMPARE(f.ui.asked().at(0).caption, QString("Page Description:"));
        QCOMPARE(f.ui.asked().at(0).text, QString("Description for index.htm"));
        QCOMPARE(f.ui.asked().at(0).preset, QString("Home"));
        QCOMPARE(f.pages().at(2), QString("Zebra - index.htm"));
        f.ui.clear();
        f.ui.answerInput("Web-site");
        QVERIFY(!PageOps::changeDescription(f.tree, {0, -1}, f.ui).isValid());
        QCOMPARE(f.ui.messageTexts(), QStringList{kDash});
        f.ui.answerInput("Web site");
        QCOMPARE(PageOps::changeDescription(f.tree, {0, -1}, f.ui), (EntryRef{0, -1}));
        QCOMPARE(f.tree.projectText(0), QString("Web site - site"));
        f.ui.clear();
        QVERIFY(!PageOps::changeDescription(f.tree, {0, 0}, f.ui).isValid()); // PROJECT.INI
        QCOMPARE(f.ui.asked().size(), 0);
    }

    // --- Rename ----------------------------------------------------------------------

    void rename_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("new name") << " about.htm " << true << QStringList();
        QTest::newRow("same name") << "news.htm" << false << QStringList();
        QTest::newRow("taken") << "index.htm" << false
                               << QStringList{"Could not rename the specified file."};
        QTest::newRow("into a folder")
            << "../news.htm" << false << QStringList{"Could not rename the specified file."};
    }
    void rename() {
        QFETCH(QString, answer);
        QFETCH(bool, done);
        QFETCH(QStringList, messages);
        Fixture f;
        f.ui.answerInput(answer);
        const PageOps::Relocation renamed =
            PageOps::renamePage(f.tree, {0, 2}, f.dir(), f.open, f.ui);
        QCOMPARE(renamed.done, done);
        QCOMPARE(f.ui.asked().at(0).caption, QString("Rename File:"));
        QCOMPARE(f.ui.asked().at(0).text, QString("Change filename for news.htm"));
        QCOMPARE(f.ui.messageTexts(), messages);
        QCOMPARE(TestFolder::read(f.site("index.htm")), QByteArray("<TITLE>Home</TITLE>"));
        if (!done) {
            QCOMPARE(f.pages().at(2), QString("News - news.htm"));
            QVERIFY(QFileInfo::exists(f.site("news.htm")));
            return;
        }
        QCOMPARE(renamed.from, f.site("news.htm"));
        QCOMPARE(renamed.to, f.site("about.htm"));
        QCOMPARE(TestFolder::read(f.site("about.htm")), QByteArray("news"));
        QVERIFY(!QFileInfo::exists(f.site("news.htm")));
        QCOMPARE(f.pages(), (QStringList{"#Default Project Settings - PROJECT.INI",
                                         "Home - index.htm", "News - about.htm"}));
        QCOMPARE(renamed.entry, (EntryRef{0, 2}));
    }

    // --- Copy and move ---------------------------------------------------------------

    void copyToTheOwnProject() {
        Fixture f;
        f.ui.answerInput("copy.htm");
        const PageOps::Relocation copy = PageOps::transferPage(
            f.tree, {0, 2}, 0, PageOps::Transfer::Copy, f.dir(), f.open, f.ui);
        QVERIFY(copy.done);
        QCOMPARE(f.ui.asked().at(0).caption, QString("New Name"));
        QCOMPARE(f.ui.asked().at(0).text, QString("New name:"));
        QCOMPARE(f.ui.asked().at(0).preset, QString());
        QCOMPARE(f.pages(),
                 (QStringList{"#Default Project Settings - PROJECT.INI", "Home - index.htm",
                              "News - copy.htm", "News - news.htm"}));
        QCOMPARE(TestFolder::read(f.site("copy.htm")), QByteArray("news"));
        // The same name again: the file is there.
        f.ui.clear();
        f.ui.answerInput("copy.htm");
        QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 0, PageOps::Transfer::Copy, f.dir(), f.open,
                                       f.ui)
                     .done);
        QCOMPARE(f.ui.messageTexts(), QStringList{"Project page already exists!"});
        // A page is never moved within its project.
        f.ui.clear();
        QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 0, PageOps::Transfer::Move, f.dir(), f.open,
                                       f.ui)
                     .done);
        QCOMPARE(f.ui.asked().size(), 0);
    }

    void transferToAnotherProject_data() {
        QTest::addColumn<int>("transfer");
        QTest::newRow("copy") << int(PageOps::Transfer::Copy);
        QTest::newRow("move") << int(PageOps::Transfer::Move);
    }
    void transferToAnotherProject() {
        QFETCH(int, transfer);
        const bool move = transfer == int(PageOps::Transfer::Move);
        Fixture f;
        const PageOps::Relocation done = PageOps::transferPage(
            f.tree, {0, 2}, 1, PageOps::Transfer(transfer), f.dir(), f.open, f.ui);
        QVERIFY(done.done);
        QCOMPARE(f.ui.asked().size(), 0);
        QCOMPARE(done.to, f.program.file("other/news.htm"));
        QCOMPARE(done.entry, (EntryRef{1, 0}));
        QCOMPARE(f.pages(1), QStringList{"News - news.htm"});
        QCOMPARE(TestFolder::read(done.to), QByteArray("news"));
        QCOMPARE(QFileInfo::exists(f.site("news.htm")), !move);
        QCOMPARE(f.pages().size(), move ? 2 : 3);
        // Again: the other project has the file now.
        if (!move) {
            QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 1, PageOps::Transfer::Move, f.dir(),
                                           f.open, f.ui)
                         .done);
            QCOMPARE(f.ui.messageTexts(), QStringList{"Project page already exists!"});
            QVERIFY(QFileInfo::exists(f.site("news.htm")));
        }
    }

    void failedTransferLeavesTreeAndFiles_data() {
        QTest::addColumn<int>("transfer");
        QTest::addColumn<QString>("message");
        QTest::newRow("copy") << int(PageOps::Transfer::Copy) << "The page was not copied. ";
        QTest::newRow("move") << int(PageOps::Transfer::Move) << "The page was not moved. ";
    }
    void failedTransferLeavesTreeAndFiles() {
        QFETCH(int, transfer);
        QFETCH(QString, message);
        Fixture f;
        QDir(f.program.file("other")).removeRecursively(); // the target folder is gone
        const ProjectTree before = f.tree;
        QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 1, PageOps::Transfer(transfer), f.dir(),
                                       f.open, f.ui)
                     .done);
        QVERIFY(f.ui.messageTexts().at(0).startsWith(message));
        QCOMPARE(f.tree, before);
        QCOMPARE(TestFolder::read(f.site("news.htm")), QByteArray("news"));
        // A page whose file is gone gets no entry elsewhere either.
        QDir().mkpath(f.program.file("other"));
        QFile::remove(f.site("news.htm"));
        QVERIFY(!PageOps::transferPage(f.tree, {0, 2}, 1, PageOps::Transfer(transfer), f.dir(),
                                       f.open, f.ui)
                     .done);
        QCOMPARE(f.tree, before);
        QVERIFY(filesIn(f.program.file("other")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPageOperations)
#include "test_pageoperations.moc"
