// The project area on the window's widgets with a scripted user: the tree
// from and to "project.dat", opening pages from the tree, its keys and
// menus, creating, modifying and deleting projects through the real
// dialogs, the File List sheet and the project references check.

#include "app/ui/filelistpanel.h"
#include "app/ui/percentsplitter.h"
#include "arearig.h"
#include "documents/openfilter.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "projects/area/projectarea.h"
#include "projects/area/projecttreecommands.h"
#include "projects/projectlistfile.h"
#include "projects/projectpaths.h"
#include "projects/projectsettings.h"
#include "projects/ui/projecttreeview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QByteArray kList = "Site - site\r\n"
                         "\t#Default Project Settings - PROJECT.INI\r\n"
                         "\tHome - index.htm\r\n"
                         "\tNews - news.htm\r\n"
                         "Empty - empty\r\n";

// A document area that really puts an opened file into the editor.
class LoadingDocument : public FakeActiveDocument {
public:
    using FakeActiveDocument::FakeActiveDocument;
    bool loadFile(const QString &path, bool inProject) override {
        FakeActiveDocument::loadFile(path, inProject);
        if (!QFileInfo::exists(path))
            return false;
        editor().setEnabled(true);
        editor().loadFromFile(path);
        file = path;
        dir = QFileInfo(path).absolutePath() + QLatin1Char('/');
        return true;
    }
};

struct Fixture : AreaRig {
    LoadingDocument document{*w.webPage};
    FakePreviewPane preview;
    std::unique_ptr<ProjectArea> area;

    explicit Fixture(const QByteArray &list = kList) {
        if (!list.isNull())
            program.write("project.dat", list);
        QDir().mkpath(program.file("site"));
        program.write("site/PROJECT.INI",
                      "[PROJECT]\r\nWebURL=www.site.test\r\nFTPDirectory=pub\r\n");
        program.write("site/index.htm",
                      "<HTML>\r\n<A HREF=\"news.htm\">News</A>\r\n<IMG SRC=\"gone.gif\" "
                      "ALT=\"x\">\r\n</HTML>\r\n");
        program.write("site/news.htm", "<A HREF=\"index.htm\">Home</A>\r\n");
        QDir().mkpath(program.file("empty"));
        area = std::make_unique<ProjectArea>(
            shell, document, preview,
            ProjectWidgets{w.outline, w.fileTabs, w.projectPage, w.fileList}, a);
        shell.addArea(area.get());
        w.fileTabs->setCurrentWidget(w.projectPage);
        area->created();
        w.outline->expandAll();
        shell.updateMenuStates();
    }
    ~Fixture() { area.reset(); }

    QString page(const QString &name) const { return program.path() + "site/" + name; }
    void select(EntryRef entry) {
        area->view().select(entry);
        shell.updateMenuStates();
    }
    QPoint centreOf(EntryRef entry) {
        QTreeWidgetItem *item = area->view().itemOf(entry);
        w.outline->scrollToItem(item);
        return w.outline->visualItemRect(item).center();
    }
    void doubleClick(EntryRef entry) {
        const QPoint at = centreOf(entry);
        QTest::mouseClick(w.outline->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w.outline->viewport(), Qt::LeftButton, {}, at);
    }
};

// Runs `step` on the modal dialog that the next exec() shows.
void onModal(std::function<void(QWidget *)> step) {
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            qFatal("no modal dialog");
        step(modal);
    });
}

QLineEdit *field(QWidget *dialog, const char *name) {
    auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!edit)
        qFatal("no field %s", name);
    return edit;
}

void clickOk(QWidget *dialog) {
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->objectName() == "OkBtn")
            return b->click();
    qFatal("no Ok button");
}

} // namespace

class TestProjectArea : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    // --- Start-up and shutdown --------------------------------------------------------

    void startUpFillsTheTree() {
        Fixture f;
        QCOMPARE(f.w.outline->topLevelItemCount(), 2);
        QCOMPARE(f.w.outline->topLevelItem(0)->child(1)->text(0), QString("Home - index.htm"));
        QCOMPARE(f.ui.asked().size(), 0);
        Fixture none(QByteArray{}); // no list file: the Welcome project
        QCOMPARE(none.area->tree(), ProjectTree::defaultTree());
        QCOMPARE(none.ui.asked().size(), 0);
    }

    void unreadableListIsReported() {
        Fixture f(QByteArray{});
        ProjectArea &area = *f.area;
        QDir().mkpath(f.program.file("project.dat"));
        area.created();
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Ok));
        QVERIFY(f.ui.asked().at(0).text.startsWith("The project list " +
                                                   f.program.file("project.dat")));
        QVERIFY(area.tree().isEmpty());
    }

    void shutdownWritesTheList() {
        Fixture f;
        f.area->tree().addPage(1, "About - about.htm");
        f.area->shutdown();
        QCOMPARE(f.ui.asked().size(), 0);
        QCOMPARE(TestFolder::read(f.program.file("project.dat")),
                 kList + "\tAbout - about.htm\r\n");
    }

    void failedWriteIsReported() {
        Fixture f(QByteArray{});
        // A list that is a folder cannot be read, nor put aside for the new
        // one while its backup name is taken by a folder too.
        QDir().mkpath(f.program.file("project.dat/x"));
        QDir().mkpath(f.program.file("project.dat.bak/x"));
        f.area->created();
        f.ui.clear();
        f.area->tree().addProject("New - new");
        f.area->shutdown();
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(f.ui.asked().at(0).text.startsWith("The project list could not be saved to " +
                                                   f.program.file("project.dat")));
        QVERIFY(QFileInfo(f.program.file("project.dat")).isDir());
    }

    // --- Opening from the tree --------------------------------------------------------

    void openingAPage_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("alreadyOpen");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("refused");
        QTest::newRow("double-click") << "double" << false << true << false;
        QTest::newRow("double-click, open") << "double" << true << false << true;
        QTest::newRow("View Page") << "view" << false << true << false;
        QTest::newRow("View Page, open") << "view" << true << false << true;
        // Enter and F3 leave an open page to the documents, which show its tab.
        QTest::newRow("Enter") << "enter" << false << true << false;
        QTest::newRow("Enter, open") << "enter" << true << true << false;
        QTest::newRow("F3") << "f3" << false << true << false;
        QTest::newRow("F3, open") << "f3" << true << true << false;
    }
    void openingAPage() {
        QFETCH(QString, gesture);
        QFETCH(bool, alreadyOpen);
        QFETCH(bool, loads);
        QFETCH(bool, refused);
        Fixture f;
        const QString path = f.page("index.htm");
        if (alreadyOpen)
            f.document.file = path;
        f.select({0, 1});
        f.w.outline->setFocus();
        if (gesture == "double")
            f.doubleClick({0, 1});
        else if (gesture == "view")
            f.a.viewPage1->trigger();
        else
            QTest::keyClick(f.w.outline, gesture == "enter" ? Qt::Key_Return : Qt::Key_F3);
        QCOMPARE(f.document.loaded, loads ? QStringList{path} : QStringList());
        if (loads) {
            QCOMPARE(f.document.loadedInProject, QList<bool>{true});
            QVERIFY(f.w.outline->isEnabled());
            QCOMPARE(f.window.focusWidget(), static_cast<QWidget *>(f.w.webPage));
        }
        QCOMPARE(f.ui.messageTexts(), refused ? QStringList{openFileRefusal()} : QStringList());
    }

    // F3 is "Find Next" elsewhere; in the tree, with a page selected, it opens the page.
    void f3InTheTree() {
        Fixture f;
        MainActions::setBuilt({f.a.findNext});
        int finds = 0;
        connect(f.a.findNext, &QAction::triggered, [&] { ++finds; });
        f.openDocument();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.select({0, -1});
        f.w.outline->setFocus();
        QTest::keyClick(f.w.outline, Qt::Key_F3);
        QCOMPARE(finds, 1);
        QVERIFY(f.document.loaded.isEmpty());
        f.select({0, 1});
        f.w.outline->setFocus();
        QTest::keyClick(f.w.outline, Qt::Key_F3);
        QCOMPARE(finds, 1);
        QCOMPARE(f.document.loaded, QStringList{f.page("index.htm")});
    }

    // A project entry opens nothing; F3 with a project leaves the key alone.
    void projectEntryOpensNothing() {
        Fixture f;
        f.select({0, -1});
        f.w.outline->setFocus();
        QTest::keyClick(f.w.outline, Qt::Key_Return);
        QTest::keyClick(f.w.outline, Qt::Key_F3);
        f.doubleClick({1, -1});
        QVERIFY(f.document.loaded.isEmpty());
        QCOMPARE(f.ui.asked().size(), 0);
    }

    // The settings entry opens the project dialog in modify mode, whose Ok
    // writes the project's settings file.
    void settingsEntryModifiesTheProject() {
        Fixture f;
        f.select({0, 0});
        QString caption, folder, site;
        bool nameEnabled = true;
        onModal([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            folder = field(dialog, "PrjName")->text();
            nameEnabled = field(dialog, "PrjName")->isEnabled();
            site = field(dialog, "WebsiteURL")->text();
            field(dialog, "FTPDirectory")->setText("www");
            clickOk(dialog);
        });
        f.doubleClick({0, 0});
        QCOMPARE(caption, QString("Modify Project Settings"));
        QCOMPARE(folder, f.program.path() + "site");
        QVERIFY(!nameEnabled);
        QCOMPARE(site, QString("www.site.test"));
        QVERIFY(f.document.loaded.isEmpty());
        QCOMPARE(readProjectSettings(f.program.file("site")).ftpDirectory, QString("www"));
        // The menus read the new target when they open.
        emit f.a.pagesMenu->aboutToShow();
        QCOMPARE(f.a.quikFtpSend->text(), QString("Send to www.site.test/www"));
    }

    // --- Keys and menus ---------------------------------------------------------------

    void deleteKey_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("project") << -1
                                 << QStringList{"Project contains documents, remove everything?"};
        // Without the page operations, the page's deletion is pending: nothing happens.
        QTest::newRow("page") << 1 << QStringList();
    }
    void deleteKey() {
        QFETCH(int, page);
        QFETCH(QStringList, asked);
        Fixture f;
        f.select({0, page});
        f.w.outline->setFocus();
        f.ui.answerMessage(Msg::ResultCancel);
        QTest::keyClick(f.w.outline, Qt::Key_Delete);
        QCOMPARE(f.ui.messageTexts(), asked);
        QCOMPARE(f.area->tree().projectCount(), 2);
        QVERIFY(QFileInfo::exists(f.page("index.htm")));
    }

    void deletingAnEmptyProject() {
        Fixture f;
        f.select({1, -1});
        f.ui.answerMessage(Msg::ResultOk);
        f.a.deleteProject->trigger();
        QCOMPARE(f.ui.messageTexts(), QStringList{"Remove empty project?"});
        QCOMPARE(f.area->tree().projectCount(), 1);
        QVERIFY(!QFileInfo::exists(f.program.file("empty")));
    }

    void menuStates_data() {
        QTest::addColumn<int>("project");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("pageOpen");
        QTest::addColumn<bool>("fileList");
        // viewPage, deleteProject, checkReferences, pages submenu, projects menu
        QTest::addColumn<QList<bool>>("usable");
        QTest::addColumn<QString>("send");
        using L = QList<bool>;
        QTest::newRow("nothing") << -1 << -1 << false << false << L{0, 0, 0, 1, 1}
                                 << "Send to website...";
        QTest::newRow("project") << 0 << -1 << false << false << L{0, 1, 1, 1, 1}
                                 << "Send entire site to www.site.test/pub";
        QTest::newRow("page") << 0 << 1 << false << false << L{1, 0, 1, 1, 1}
                              << "Send to www.site.test/pub";
        QTest::newRow("open page")
            << 0 << 1 << true << false << L{1, 0, 1, 1, 1} << "Send to website...";
        QTest::newRow("file list") << 0 << -1 << false << true << L{0, 0, 0, 0, 0}
                                   << "Send entire site to www.site.test/pub";
    }
    void menuStates() {
        QFETCH(int, project);
        QFETCH(int, page);
        QFETCH(bool, pageOpen);
        QFETCH(bool, fileList);
        QFETCH(QList<bool>, usable);
        QFETCH(QString, send);
        Fixture f;
        if (pageOpen)
            f.document.file = f.page("index.htm");
        if (project >= 0)
            f.select({project, page});
        if (fileList)
            f.w.fileTabs->setCurrentWidget(f.w.filePage);
        f.shell.updateMenuStates();
        MainActions &a = f.a;
        QCOMPARE(a.viewPage1->isEnabled(), usable[0]);
        QCOMPARE(a.deleteProject->isEnabled(), usable[1]);
        QCOMPARE(a.deleteProject1->isEnabled(), usable[1] || (project >= 0 && page < 0));
        QCOMPARE(a.checkReferences->isEnabled(), usable[2]);
        QCOMPARE(a.checkReferences1->isEnabled(), project >= 0);
        QCOMPARE(a.pagesMenu->menuAction()->isEnabled(), usable[3]);
        QCOMPARE(a.projectsMenu->menuAction()->isEnabled(), usable[4]);
        QCOMPARE(a.newProject->isEnabled(), usable[4]);
        QVERIFY(a.addProject1->isEnabled());
        QCOMPARE(a.quikFtpSend->text(), send);
        QCOMPARE(a.ftpSend->text(), send);
        // Entries of later commands stay pending whatever the selection.
        for (QAction *x : {a.addPage, a.deletePage1, a.editProject, a.ftpSend, a.findOrphans})
            QVERIFY(!x->isEnabled());
    }

    void popupSelectsTheEntryUnderThePointer() {
        Fixture f;
        f.select({1, -1});
        QMenu *popup = f.a.projectPopup;
        emit f.w.outline->customContextMenuRequested(f.centreOf({0, 2}));
        QVERIFY(QTest::qWaitFor([&] { return popup->isVisible(); }));
        QCOMPARE(f.area->view().selectedEntry(), (EntryRef{0, 2}));
        QVERIFY(f.a.viewPage1->isEnabled());
        QVERIFY(!f.a.deleteProject1->isEnabled());
        popup->close();
    }

    // --- Creating a project -----------------------------------------------------------

    void newProjectThroughTheDialog() {
        Fixture f;
        const QString chosen = f.program.write("Sites/Acme/start.htm", "");
        f.ui.answerFile(chosen);
        QString caption;
        onModal([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            dialog->findChild<QToolButton *>("SpeedButton1")->click();
            field(dialog, "PrjDesc")->setText("Acme");
            clickOk(dialog);
        });
        f.a.newProject->trigger();
        QCOMPARE(caption, QString("Create Project"));
        QCOMPARE(f.ui.asked().at(0).caption, QString("Open"));
        QCOMPARE(f.ui.asked().at(0).text,
                 buildOpenFilter(f.settings.extension, f.settings.graphicExtension));
        const ProjectTree &tree = f.area->tree();
        QCOMPARE(tree.projectCount(), 3);
        QCOMPARE(tree.projectText(2), "Acme - " + f.program.path() + "Sites/Acme");
        QCOMPARE(tree.pages(2), QStringList{"#Default Project Settings - PROJECT.INI"});
        QCOMPARE(f.area->view().selectedEntry(), (EntryRef{2, 0}));
        QVERIFY(QFileInfo::exists(f.program.file("Sites/Acme/PROJECT.INI")));
    }

    void cancelledNewProjectChangesNothing() {
        Fixture f;
        onModal([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        f.a.addProject1->trigger();
        QCOMPARE(f.area->tree().projectCount(), 2);
        QCOMPARE(f.ui.asked().size(), 0);
    }

    // --- The File List sheet ----------------------------------------------------------

    void fileListClicks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("refused");
        QTest::newRow("page") << "index.htm" << false << true << false;
        QTest::newRow("open page") << "index.htm" << true << false << true;
        QTest::newRow("picture") << "logo.GIF" << false << false << false;
    }
    void fileListClicks() {
        QFETCH(QString, name);
        QFETCH(bool, open);
        QFETCH(bool, loads);
        QFETCH(bool, refused);
        Fixture f;
        const QString path = f.program.write("site/" + name, "x");
        if (open)
            f.document.file = path;
        emit f.w.fileList->fileClicked(path);
        QCOMPARE(f.preview.shownFiles, QStringList{path});
        emit f.w.fileList->fileDoubleClicked(path);
        QCOMPARE(f.document.loaded, loads ? QStringList{path} : QStringList());
        if (loads)
            QCOMPARE(f.document.loadedInProject, QList<bool>{false});
        QCOMPARE(f.ui.messageTexts(), refused ? QStringList{openFileRefusal()} : QStringList());
    }

    // --- The project references check -------------------------------------------------

    void checkOpensAPageAtItsLine() {
        Fixture f;
        f.select({0, 2});
        f.a.checkReferences1->trigger();
        SiteCheckDialog *dialog = f.area->commands().siteCheck();
        QVERIFY(dialog);
        QVERIFY(!dialog->isRunning());
        auto *report = dialog->findChild<QListWidget *>("ReportList");
        int row = 0;
        while (row < report->count() && !report->item(row)->text().contains("gone.gif"))
            ++row;
        QVERIFY(row < report->count());
        QVERIFY(report->item(row)->text().startsWith("    3: "));
        emit report->itemDoubleClicked(report->item(row));
        QCOMPARE(f.document.loaded, QStringList{f.page("index.htm")});
        QCOMPARE(f.document.loadedInProject, QList<bool>{true});
        f.w.webPage->readSelection();
        QCOMPARE(f.w.webPage->endLine, 3);
        QCOMPARE(f.w.webPage->endPos, 0);
        QCOMPARE(f.w.statusPanels[0]->text(), QString("3:0"));
        dialog->close();
        QTRY_VERIFY(!f.area->commands().siteCheck());
    }

    // --- Entries the narrow pane cuts off ---------------------------------------------

    void cutOffEntryShowsWhole() {
        Fixture f;
        const QString longText = "A description of some length - " + QString(60, 'x') + ".htm";
        f.area->tree().addPage(1, longText);
        f.w.outline->expandAll();
        f.w.mainSplitter->setBarPercent(0, 15);
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QWidget *viewport = f.w.outline->viewport();
        auto tipAt = [&](EntryRef entry) {
            const QPoint at = f.centreOf(entry);
            QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
            QApplication::sendEvent(viewport, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt({1, 0}), longText);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(tipAt({1, -1}), QString()); // "Empty - empty" fits
    }
};

QTEST_MAIN(TestProjectArea)
#include "test_projectarea.moc"
