// The page operations on the window's widgets, with the real open documents
// and project tree: the dialogs worked as the user would, new pages opened as
// project documents, and links that follow a renamed or moved page into the
// other pages, open ones in their tabs as one undo step.

#include "arearig.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "projects/area/pageoperationsarea.h"
#include "projects/area/projectarea.h"
#include "projects/ui/projecttreeview.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QByteArray kList = "Site - site\r\n"
                         "\t#Default Project Settings - PROJECT.INI\r\n"
                         "\tA - a.htm\r\n"
                         "\tB - b.htm\r\n"
                         "\tC - c.htm\r\n"
                         "\tTarget - target.htm\r\n"
                         "Other - other\r\n";

// Runs `step` on the modal dialog that the next exec() shows.
void onModal(std::function<void(QWidget *)> step) {
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            qFatal("no modal dialog");
        step(modal);
    });
}

template <typename T> T *child(QWidget *parent, const char *name) {
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

struct Fixture : AreaRig {
    FakePreviewPane preview;
    std::unique_ptr<DocumentController> documents;
    std::unique_ptr<ProjectArea> projects;
    std::unique_ptr<PageOperationsArea> pages;
    QStringList steps; // the new-page steps run

    Fixture() {
        for (bool *flag :
             {&settings.newFile, &settings.savingToDefault, &settings.internalClipboard})
            *flag = false;
        program.write("project.dat", kList);
        program.write("template/default.htm", "<HTML></HTML>");
        program.write("site/PROJECT.INI", "[PROJECT]\r\n");
        program.write("site/a.htm", "<P>A\r\n<A HREF=\"target.htm\">T</A>\r\n");
        program.write("site/b.htm", "<A HREF=\"target.htm#top\">T</A>\r\n");
        program.write("site/c.htm", "<FRAME SRC=\"./target.htm\">\r\n<A HREF=\"a.htm\">\r\n");
        program.write("site/target.htm", "<A HREF=\"target.htm\">self</A>\r\n");
        QDir().mkpath(program.file("other"));
        ToolButtons &b = w.buttons;
        documents = std::make_unique<DocumentController>(
            shell, preview,
            DocumentWidgets{w.webPage, w.spareEditor, w.webPageTabs, w.powerBook, w.mainSplitter,
                            w.outline, b.newPage, b.open, b.save, b.close, b.print},
            a);
        projects = std::make_unique<ProjectArea>(
            shell, *documents, preview,
            ProjectWidgets{w.outline, w.fileTabs, w.projectPage, w.fileList}, a);
        pages = std::make_unique<PageOperationsArea>(shell, *documents, *documents,
                                                     projects->view(), a);
        pages->setNewPageSteps({[this] { steps << "basic tags"; }, [this] { steps << "template"; },
                                [this] { steps << "frame"; }});
        for (Area *area :
             std::initializer_list<Area *>{documents.get(), projects.get(), pages.get()})
            shell.addArea(area);
        w.fileTabs->setCurrentWidget(w.projectPage);
        projects->created();
        w.outline->expandAll();
        shell.updateMenuStates();
    }
    ~Fixture() {
        documents->closeAllPages();
        pages.reset();
        projects.reset();
        documents.reset();
    }

    QString site(const QString &name) const { return program.file("site/" + name); }
    ProjectTree &tree() { return projects->tree(); }
    void select(EntryRef entry) {
        projects->view().select(entry);
        shell.updateMenuStates();
    }
    EntryRef selected() { return projects->view().selectedEntry(); }
    QString tabText(const QString &path) {
        QString text;
        return documents->openText(path, text) ? text : QString("(not open)");
    }
};

} // namespace

class TestPageOperationsArea : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void newPageOpensAsAProjectDocument_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("default") << "DefaultPage" << QStringList{"basic tags"} << QStringList();
        QTest::newRow("frame") << "FramePage" << QStringList{"frame"} << QStringList();
        // An empty page offers the new-page wizard, which brings the themes.
        QTest::newRow("theme") << "ThemePage" << QStringList()
                               << QStringList{"Empty file, start creation of new page?"};
    }
    void newPageOpensAsAProjectDocument() {
        QFETCH(QString, style);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, asked);
        Fixture f;
        f.select({0, 2});
        f.ui.answerMessage(Msg::ResultNo);
        onModal([style](QWidget *dialog) {
            QCOMPARE(dialog->objectName(), QString("CrtPageForm"));
            child<QLineEdit>(dialog, "PageName")->setText("about");
            child<QLineEdit>(dialog, "PageDesc")->setText("About");
            dialog->findChild<QRadioButton *>(style)->click();
            child<QPushButton>(dialog, "BitBtn1")->click();
        });
        QVERIFY(f.a.addPage1->isEnabled());
        f.a.addPage1->trigger();
        QCOMPARE(f.ui.messageTexts(), asked);
        QCOMPARE(f.steps, steps);
        const QString path = f.site("about.html"); // the first document extension
        QCOMPARE(f.documents->currentFile(), path);
        QVERIFY(f.documents->pages().at(0).inProject);
        QCOMPARE(f.tree().text(f.selected()), QString("About - about.html"));
    }

    void pageKeysAndEntries() {
        Fixture f;
        // Delete in the tree is the page's own deletion.
        f.select({0, 3});
        f.w.outline->setFocus();
        f.ui.answerMessage(Msg::ResultOk);
        QTest::keyClick(f.w.outline, Qt::Key_Delete);
        QCOMPARE(f.ui.messageTexts(), QStringList{"Delete selected file?"});
        QVERIFY(!QFileInfo::exists(f.site("c.htm")));
        QCOMPARE(f.tree().pageCount(0), 4);
        // The settings entry keeps its name and description.
        f.select({0, 0});
        QVERIFY(!f.a.renameFile->isEnabled());
        QVERIFY(!f.a.changeDescription1->isEnabled());
        QVERIFY(f.a.copyMovePage->isEnabled());
        // "&Edit Project Description..." on the project.
        f.select({0, -1});
        QVERIFY(f.a.editProject->isEnabled());
        f.ui.answerInput("My site");
        f.a.editProject->trigger();
        QCOMPARE(f.tree().projectText(0), QString("My site - site"));
        QCOMPARE(f.selected(), (EntryRef{0, -1}));
    }

    void importingSeveralPages() {
        Fixture f;
        TestFolder away;
        const QString one = away.write("One.htm", "<TITLE>First-page</TITLE>");
        const QString two = away.write("two.htm", "two");
        f.select({1, -1});
        f.ui.answerFiles({one, two});
        f.ui.answerInput("");
        f.ui.answerInput("Second");
        f.a.importPage->trigger();
        QCOMPARE(f.ui.asked().at(0).type, ScriptedUserInteraction::Type::OpenFile);
        QCOMPARE(f.tree().pages(1), (QStringList{"First page - one.htm", "Second - two.htm"}));
        QCOMPARE(f.selected(), (EntryRef{1, 1}));
        QVERIFY(QFileInfo::exists(f.program.file("other/one.htm")));
        QVERIFY(f.documents->openPaths().isEmpty()); // nothing left open
    }

    // A rename offers to change the links in three pages: one open and
    // modified in a tab that is not on screen, one open on screen, one only
    // on disk. Open pages change in their tabs, each as one undo step.
    void renameUpdatesLinks_data() {
        QTest::addColumn<bool>("agree");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void renameUpdatesLinks() {
        QFETCH(bool, agree);
        Fixture f;
        QVERIFY(f.documents->loadFile(f.site("a.htm"), true));
        TLEdit &editor = *f.w.webPage;
        editor.startLine = editor.endLine = 1;
        editor.startPos = editor.endPos = 4;
        editor.applySelection();
        editor.replaceSel(" typed");
        QVERIFY(f.documents->loadFile(f.site("b.htm"), true));
        const QString aBefore = f.tabText(f.site("a.htm"));
        QCOMPARE(aBefore, QString("<P>A typed\r\n<A HREF=\"target.htm\">T</A>\r\n"));

        f.select({0, 4});
        f.ui.answerInput("moved.htm");
        f.ui.answerMessage(agree ? Msg::ResultYes : Msg::ResultNo);
        f.a.renamePage1->trigger();
        QCOMPARE(f.tree().pageText(0, 4), QString("Target - moved.htm"));
        QCOMPARE(f.ui.asked().at(1).kind, int(Msg::Confirmation));
        QCOMPARE(f.ui.asked().at(1).buttons, int(Msg::Yes | Msg::No));
        QCOMPARE(f.ui.asked().at(1).text,
                 QString("These links lead to target.htm, which is now moved.htm:\n\n"
                         "a.htm (open), line 2: <A HREF=\"target.htm\">\n"
                         "b.htm (open), line 1: <A HREF=\"target.htm#top\">\n"
                         "c.htm, line 1: <FRAME SRC=\"./target.htm\">\n"
                         "moved.htm, line 1: <A HREF=\"target.htm\">\n"
                         "\nChange them to lead to moved.htm?"));
        QCOMPARE(f.ui.asked().size(), 2);
        if (!agree) {
            QCOMPARE(f.tabText(f.site("a.htm")), aBefore);
            QCOMPARE(TestFolder::read(f.site("c.htm")),
                     QByteArray("<FRAME SRC=\"./target.htm\">\r\n<A HREF=\"a.htm\">\r\n"));
            return;
        }
        // On disk: the pages that were not open.
        QCOMPARE(TestFolder::read(f.site("c.htm")),
                 QByteArray("<FRAME SRC=\"./moved.htm\">\r\n<A HREF=\"a.htm\">\r\n"));
        QCOMPARE(TestFolder::read(f.site("moved.htm")),
                 QByteArray("<A HREF=\"moved.htm\">self</A>\r\n"));
        QCOMPARE(TestFolder::read(f.site("a.htm")),
                 QByteArray("<P>A\r\n<A HREF=\"target.htm\">T</A>\r\n"));
        QCOMPARE(TestFolder::read(f.site("b.htm")),
                 QByteArray("<A HREF=\"target.htm#top\">T</A>\r\n"));
        // The page on screen: changed, modified, one undo step.
        QCOMPARE(editor.text(), QString("<A HREF=\"moved.htm#top\">T</A>\r\n"));
        QVERIFY(editor.modified());
        QVERIFY(f.w.buttons.save->isEnabled());
        editor.undoEdit();
        QCOMPARE(editor.text(), QString("<A HREF=\"target.htm#top\">T</A>\r\n"));
        // The page in the other tab: changed there, still modified, its
        // caret where it was; one undo takes back the link, not the typing.
        QCOMPARE(f.tabText(f.site("a.htm")),
                 QString("<P>A typed\r\n<A HREF=\"moved.htm\">T</A>\r\n"));
        f.w.webPageTabs->setCurrentIndex(0);
        QCOMPARE(f.documents->currentFile(), f.site("a.htm"));
        QVERIFY(editor.modified());
        editor.readSelection();
        QCOMPARE(QList<int>({editor.endLine, editor.endPos}), QList<int>({1, 10}));
        editor.undoEdit();
        QCOMPARE(editor.text(), aBefore);
    }

    void moveUpdatesLinksInTheProjectLeft() {
        Fixture f;
        f.select({0, 4});
        onModal([](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Copy/Move a Page"));
            auto *list = child<QListWidget>(dialog, "ListBox1");
            list->item(1)->setSelected(true);
            child<QPushButton>(dialog, "MoveBtn")->click();
        });
        f.ui.answerMessage(Msg::ResultYes);
        f.a.copyMovePage->trigger();
        QCOMPARE(f.tree().pages(1), QStringList{"Target - target.htm"});
        QCOMPARE(f.selected(), (EntryRef{1, 0}));
        QCOMPARE(f.tree().pageCount(0), 4);
        QVERIFY(f.ui.asked().at(0).text.startsWith(
            "These links lead to target.htm, which is now ../other/target.htm:"));
        QCOMPARE(TestFolder::read(f.site("b.htm")),
                 QByteArray("<A HREF=\"../other/target.htm#top\">T</A>\r\n"));
        // The moved page itself is not among the pages left behind.
        QCOMPARE(TestFolder::read(f.program.file("other/target.htm")),
                 QByteArray("<A HREF=\"target.htm\">self</A>\r\n"));
    }

    void orphansOfTheProject() {
        Fixture f;
        f.program.write("site/stray.gif", "GIF");
        f.select({0, -1});
        QStringList orphans;
        onModal([&orphans](QWidget *dialog) {
            QCOMPARE(dialog->objectName(), QString("ExtraFilesFrm"));
            child<QPushButton>(dialog, "SearchBtn")->click();
            auto *files = child<QListWidget>(dialog, "FileListBox1");
            for (int i = 0; i < files->count(); ++i)
                orphans << files->item(i)->text();
            child<QPushButton>(dialog, "CloseBtn")->click();
        });
        f.a.findOrphans->trigger();
        QCOMPARE(orphans, (QStringList{"PROJECT.INI", "stray.gif"}));
    }
};

QTEST_MAIN(TestPageOperationsArea)
#include "test_pageoperationsarea.moc"
