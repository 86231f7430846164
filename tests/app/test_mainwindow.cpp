// Start-up and shutdown of the main window under the offscreen platform, with
// an empty settings store and a fresh program folder.

#include "app/ui/filelistpanel.h"
#include "app/program/program.h"
#include "app/ui/toolbook.h"
#include "documents/ui/documentcontroller.h"
#include "editor/area/editorarea.h"
#include "app/ui/percentsplitter.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "projects/projectlistfile.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "testfolder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QLabel>
#include <QMenu>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

struct Fixture {
    TestFolder dir;
    Settings settings;
    std::unique_ptr<SettingsStore> store;
    ScriptedUserInteraction ui;
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;

    Fixture() { store = std::make_unique<SettingsStore>(dir.file("store.ini")); }
    QString programDir() const { return dir.path(); }
    MainWindow &start(bool show = true) {
        program = std::make_unique<Program>(Workbench{settings, *store, ui, programDir()});
        window = &program->window();
        window->runCreationStep();
        if (show) {
            window->show();
            window->runFirstShow();
        }
        return *window;
    }
};


} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:

    void namedComponentsExist() {
        Fixture f;
        MainWindow &w = f.start();
        QCOMPARE(w.objectName(), QString("TForm1"));
        QCOMPARE(w.windowTitle(), QString("Quilmead 32"));
        for (const char *name :
             {"ToolsPanel",        "ButtonPanel1", "EWSPanel",        "InATagLight",
              "InABodyLight",      "PowerBook",    "MainSplitter",    "FileTabs",
              "ProjectPage",       "Outline1",     "FilePage",        "Panel1",
              "DriveComboBox1",    "Panel2",       "FilterComboBox1", "ThreeWaySplitter1",
              "DirectoryListBox1", "FileListBox1", "SplitScreen",     "WebPageTabs",
              "WebPage",           "HTMLSplit",    "HTMLFrames",      "SpareEditor",
              "HTMLFull",          "StatusBar",    "Header1",         "SaveAsBtn"})
            QVERIFY2(w.findChild<QWidget *>(name), name);
        QVERIFY(w.findChild<QMenu *>("WebPagePopup"));
        QVERIFY(w.findChild<QMenu *>("HTMLPopup"));
    }

    void freshStartWithEmptyStore() {
        Fixture f;
        MainWindow &w = f.start();
        MainWidgets &c = w.widgets();
        QCOMPARE(c.fileTabs->currentWidget(), c.filePage);
        QCOMPARE(c.outline->topLevelItemCount(), 1);
        QCOMPARE(c.outline->topLevelItem(0)->text(0), QString("Welcome - Welcome"));
        QCOMPARE(c.outline->topLevelItem(0)->childCount(), 4);
        QCOMPARE(c.outline->topLevelItem(0)->child(3)->text(0),
                 QString("Update notices - updates.htm"));
        QCOMPARE(w.height(), 456);
        QVERIFY(w.width() >= 623);
        QCOMPARE(c.splitScreen->orientation(), Qt::Vertical);
        QCOMPARE(c.splitScreen->barPercent(0), 50);
        QVERIFY(!w.actions().showHints->isChecked());
        for (int i = MainWidgets::Custom1; i <= MainWidgets::Custom4; ++i)
            QVERIFY(!c.powerBook->isPageShown(i));
        QVERIFY(!c.webPage->isEnabled());
        QVERIFY(!c.powerBook->isVisible());
        QCOMPARE(c.statusPanels[1]->text(), QString("Insert"));
        QVERIFY(!w.actions().viewFullScreen->isVisible());
        QVERIFY(!c.buttons.save->isEnabled());
        QVERIFY(c.buttons.open->isEnabled() && c.buttons.newPage->isEnabled());
        QCOMPARE(f.ui.unexpected(), 0);
        // The open filter reaches the File List's filter box.
        QVERIFY(c.fileList->filter().startsWith("Web Documents|*.html;*.htm;*.shtm;*.shtml;|"));
    }

    void tipOfTheDayAtFirstActivationOnly() {
        Fixture f;
        MainWindow &w = f.start();
        f.ui.answerTip(14, true);
        w.runActivation();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::TipOfDay), 1);
        QCOMPARE(f.ui.asked().last().filterIndex, 10); // opened with the stored index
        QCOMPARE(f.settings.tipNumber, 16);
        // Coming back from the program's own dialog does not show it again.
        w.runActivation();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::TipOfDay), 1);
    }

    void noTipWhenSwitchedOff() {
        Fixture f;
        f.settings.showTipOfTheDay = true;
        {
            QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("Helpers/ShowTipOfTheDay", 0);
        }
        MainWindow &w = f.start();
        w.runActivation();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::TipOfDay), 0);
    }

    void storedValuesAreApplied() {
        Fixture f;
        {
            QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("Defaults/ShowHints", 1);
            raw.setValue("Defaults/FileTabs", "Projects");
            raw.setValue("Defaults/ShowCustom2", 1);
            raw.setValue("Defaults/ShowCustom3", 1);
            raw.setValue("Defaults/Custom3caption", "Mine");
            raw.setValue("Defaults/UseEWS", 0);
            raw.setValue("Defaults/TabSize", 3);
            raw.setValue("Defaults/Browser1", "/usr/bin/firefox");
            raw.setValue("WindowAttributes/SplitPosition", 30);
            raw.setValue("WindowAttributes/SplitDirection", 1);
            raw.setValue("WindowAttributes/Left", 20);
            raw.setValue("WindowAttributes/Top", 30);
            raw.setValue("WindowAttributes/Width", 700);
            raw.setValue("WindowAttributes/Height", 500);
            raw.setValue("LastFiles/File1", "/tmp/some page.htm");
        }
        MainWindow &w = f.start();
        MainWidgets &c = w.widgets();
        QVERIFY(w.actions().showHints->isChecked());
        QCOMPARE(c.fileTabs->currentWidget(), c.projectPage);
        QVERIFY(c.powerBook->isPageShown(MainWidgets::Custom2));
        QCOMPARE(c.powerBook->pageText(MainWidgets::Custom2), QString("Custom 2"));
        QCOMPARE(c.powerBook->pageText(MainWidgets::Custom3), QString("Mine"));
        QVERIFY(!c.powerBook->isPageShown(MainWidgets::Custom4));
        // The last page shown is the strip's last tab, so its arrows reach it.
        QCOMPARE(c.powerBook->tabText(c.powerBook->count() - 1), QString("Mine"));
        QVERIFY(c.ewsPanel->isHidden());
        QCOMPARE(c.webPage->tabStopSize(), 3);
        QCOMPARE(c.splitScreen->orientation(), Qt::Horizontal);
        QCOMPARE(c.splitScreen->barPercent(0), 30);
        QCOMPARE(w.size(), QSize(700, 500));
        QVERIFY(w.actions().lastFiles[0]->isVisible());
        QCOMPARE(w.actions().lastFiles[0]->data().toString(), QString("/tmp/some page.htm"));
        QVERIFY(!w.actions().lastFiles[1]->isVisible());
        w.updateMenuStates();
        QVERIFY(w.actions().browser1->isVisible());
        QCOMPARE(w.actions().browser1->text(), QString("View page in firefox"));
        QVERIFY(!w.actions().browser2->isVisible());
    }

    // Sizes and places from a damaged store or another screen are brought
    // onto this one; the values around them still apply.
    void storedGeometryIsBroughtOntoTheScreen_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("huge") << 0 << 0 << 99999 << 99999;
        QTest::newRow("largest int") << 10 << 10 << 2147483647 << 2147483647;
        QTest::newRow("far away") << 2147483647 << -2147483647 << 600 << 400;
        QTest::newRow("negative size") << 5 << 5 << 700 << -40;
    }
    void storedGeometryIsBroughtOntoTheScreen() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        Fixture f;
        {
            QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("WindowAttributes/Left", left);
            raw.setValue("WindowAttributes/Top", top);
            raw.setValue("WindowAttributes/Width", width);
            raw.setValue("WindowAttributes/Height", height);
            raw.setValue("WindowAttributes/SplitPosition", 2147483647);
        }
        MainWindow &w = f.start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(w.width() <= screen.width() && w.height() <= screen.height(),
                 qPrintable(QString("%1x%2").arg(w.width()).arg(w.height())));
        QVERIFY(screen.intersects(w.geometry()));
        QCOMPARE(w.widgets().splitScreen->barPercent(0), 100);
        QVERIFY(w.runShutdown());
        QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
        QVERIFY(raw.value("WindowAttributes/Width").toInt() <= screen.width());
    }

    void maximizedNeedsAWidth() {
        Fixture f;
        {
            QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("WindowAttributes/Maximized", 1);
            raw.setValue("WindowAttributes/Width", 0);
        }
        MainWindow &w = f.start(false);
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
    }

    void badStoredValueWarnsAndStartsAnyway() {
        Fixture f;
        {
            QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
            raw.setValue("Defaults/ShowHints", 1);
            raw.setValue("Defaults/UseBR", "perhaps");
        }
        MainWindow &w = f.start();
        QCOMPARE(f.ui.messageTexts(), QStringList{"Exception occured during ReadINI!"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(w.actions().showHints->isChecked()); // read before the bad value
        QVERIFY(w.isVisible());
    }

    void shutdownWritesProjectListAndSettings() {
        Fixture f;
        MainWindow &w = f.start();
        w.setHintsShown(true);
        w.widgets().fileTabs->setCurrentWidget(w.widgets().projectPage);
        QVERIFY(w.runShutdown());
        ProjectTree written;
        ProjectListFile(f.dir.file("project.dat")).load(written);
        QCOMPARE(written, ProjectTree::defaultTree());
        QVERIFY(TestFolder::read(f.dir.file("project.dat"))
                    .contains("\r\n\tReadme File - readme.htm\r\n"));
        QSettings raw(f.dir.file("store.ini"), QSettings::IniFormat);
        QCOMPARE(raw.value("Defaults/ShowHints").toInt(), 1);
        QCOMPARE(raw.value("Defaults/FileTabs").toString(), QString("Projects"));
        QCOMPARE(raw.value("Defaults/ShowProjectPanel").toInt(), 1);
        QCOMPARE(raw.value("Defaults/Custom1caption").toString(), QString("Custom 1"));
        QCOMPARE(raw.value("WindowAttributes/SplitPosition").toInt(), 50);
        QVERIFY(raw.value("WindowAttributes/Width").toInt() >= 623);
        // The appearance in force is what gets written.
        QCOMPARE(raw.value("Defaults/TabSize").toInt(), 5);
        QCOMPARE(raw.value("Defaults/SyntaxFGColor").toString(), QString("16711680"));
        // The spell checker keeps its WordPerfect look.
        QCOMPARE(raw.value("Spelling/DialogStyle").toInt(), 1);
    }

    void cancelledCloseKeepsRunningAndWritesNothing() {
        // Declared before the window, so that it outlives it.
        struct Veto : Area {
            bool queryClose() override { return false; }
        } veto;
        Fixture f;
        MainWindow &w = f.start();
        w.addArea(&veto);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(!QFileInfo::exists(f.dir.file("project.dat")));
        QVERIFY(!QFileInfo::exists(f.dir.file("store.ini")));
    }

    void projectListFromFile() {
        Fixture f;
        f.dir.write(
            "project.dat",
            "Site - site\r\n\t#Default Project Settings - PROJECT.INI\r\n\tHome - index.htm\r\n"
            "Empty - empty\r\n");
        MainWindow &w = f.start();
        QTreeWidget *tree = w.widgets().outline;
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->child(1)->text(0), QString("Home - index.htm"));
        Fixture g;
        g.dir.write("project.dat", "");
        g.start();
        QCOMPARE(g.window->widgets().outline->topLevelItemCount(), 0); // empty file, empty tree
    }

    // The whole menu tree (menu bar and pop-ups): every entry's caption,
    // shortcut and whether its feature is still to come, against
    // tests/app/menutree.txt. With QUILMEAD_WRITE_MENUTREE set, the file is
    // written afresh instead (after an entry comes to life).
    void menuTreeMatchesTheGoldenFile() {
        Fixture f;
        MainWindow &w = f.start(false);
        QStringList lines;
        std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &list,
                                                                      int depth) {
            for (QAction *a : list) {
                const QString indent(depth * 2, QLatin1Char(' '));
                if (a->isSeparator()) {
                    lines << indent + "-";
                    continue;
                }
                QString line = indent + a->text();
                if (!a->shortcut().isEmpty())
                    line += "  [" + a->shortcut().toString() + "]";
                if (MainActions::isPending(a))
                    line += "  pending";
                lines << line;
                if (a->menu())
                    walk(a->menu()->actions(), depth + 1);
            }
        };
        lines << "== MainMenu";
        walk(w.menuBar()->actions(), 0);
        for (QMenu *popup :
             {w.actions().webPagePopup, w.actions().htmlPopup, w.actions().projectPopup}) {
            lines << "== " + popup->objectName();
            walk(popup->actions(), 0);
        }
        const QByteArray actual = lines.join("\n").toUtf8() + "\n";
        const QString golden = qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/tests/app/menutree.txt";
        if (qEnvironmentVariableIsSet("QUILMEAD_WRITE_MENUTREE")) {
            QFile out(golden);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(actual);
        }
        const QList<QByteArray> expected = TestFolder::read(golden).split('\n');
        const QList<QByteArray> got = actual.split('\n');
        for (int i = 0; i < qMin(expected.size(), got.size()); ++i)
            QCOMPARE(QString::fromUtf8(got.at(i)), QString::fromUtf8(expected.at(i)));
        QCOMPARE(got.size(), expected.size());
    }

    void topLevelMenusInOrder() {
        Fixture f;
        MainWindow &w = f.start(false);
        QStringList captions;
        for (QAction *a : w.menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&File", "P&rojects", "&Edit", "&Search", "&Page",
                                        "&Insert", "&HTML Codes", "&Options", "&View Full Screen!",
                                        "His&tory", "&Help"}));
        QVERIFY(!w.actions().historyMenu->menuAction()->isVisible());
    }

    // Ctrl+T in the editor (which has a binding of its own for it) opens the
    // Table Veda Guy once a page is open.
    void tableKeyOpensTheTableVedaGuy() {
        Fixture f;
        MainWindow &w = f.start();
        f.dir.write("page.htm", "<HTML>\r\n</HTML>\r\n");
        QVERIFY(f.program->documents().loadFile(f.dir.file("page.htm"), false));
        TLEdit *editor = w.widgets().webPage;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        editor->setFocus();
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = dialog->objectName();
                dialog->reject();
            }
        });
        QTest::keyClick(editor, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(opened, QString("TTblCreateForm"));
        QCOMPARE(editor->text(), QString("<HTML>\r\n</HTML>\r\n"));
    }

    // "Spell Check...", Ctrl+S and the "Spell Checker" button are one
    // command: off without a page, and each runs the check once one is open
    // (here the program folder has no dictionary, which the user is told).
    void spellCheckEntryKeyAndButton() {
        Fixture f;
        MainWindow &w = f.start();
        QToolButton *button = w.widgets().buttons.spell;
        QAction *entry = w.actions().spellCheck;
        QVERIFY(!entry->isEnabled());
        QVERIFY(!button->isEnabled());
        f.dir.write("page.htm", "<HTML>teh</HTML>\r\n");
        QVERIFY(f.program->documents().loadFile(f.dir.file("page.htm"), false));
        QVERIFY(entry->isEnabled());
        QVERIFY(button->isEnabled());
        const QString missing = "Dictionary not found : " + f.dir.file("ENGLISH.DCT");
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.widgets().webPage->setFocus();
        QTest::keyClick(w.widgets().webPage, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.ui.messageTexts(), QStringList{missing});
        button->click();
        QCOMPARE(f.ui.messageTexts(), (QStringList{missing, missing}));
    }

    void entriesNotBuiltAreDisabledWithoutDocument() {
        Fixture f;
        MainWindow &w = f.start();
        w.updateMenuStates();
        MainActions &a = w.actions();
        for (QAction *x : {a.save, a.saveAs, a.closePage, a.print, a.undo, a.cut, a.find,
                           a.evaluate, a.horizontalBar, a.viewInlineImages})
            QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
        // Entries whose feature is built stay usable.
        for (QAction *x :
             {a.exit, a.about, a.showHints, a.contents, a.showTips, a.generalPreferences})
            QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
        QVERIFY(a.modifyMenuTags->isVisible());
    }

    void editMenuWithPreviewFocusedAndNoSelection() {
        Fixture f;
        MainWindow &w = f.start();
        w.widgets().webPage->setEnabled(true); // as if a document were open
        w.activateWindow();
        w.widgets().htmlSplit->setFocus();
        QTRY_VERIFY(w.uiState().previewFocused);
        w.updateMenuStates();
        for (QAction *x : w.actions().editMenu->actions())
            if (!x->isSeparator())
                QVERIFY2(!x->isEnabled(), qPrintable(x->objectName()));
    }

    void fullScreenTogglesPanesHintAndCaption() {
        Fixture f;
        MainWindow &w = f.start();
        w.widgets().webPage->setEnabled(true);
        w.widgets().webPage->setText("<HTML><BODY>Hello</BODY></HTML>");
        f.ui.answerHelper(false);
        w.setFullScreen(true);
        QCOMPARE(f.ui.asked().last().caption, QString("Full Screen"));
        QVERIFY(!f.settings.fullScreen);
        QVERIFY(w.widgets().mainSplitter->isHidden());
        QVERIFY(w.widgets().toolsPanel->isHidden());
        QVERIFY(w.widgets().htmlFull->isVisible());
        QCOMPARE(w.actions().viewFullScreen->text(), QString("&View Split Screen!"));
        QCOMPARE(w.widgets().buttons.fullScreen->toolTip(),
                 QString("View HTML document in split screen"));
        w.hideFullScreen();
        QVERIFY(!w.isFullScreen());
        QVERIFY(w.widgets().mainSplitter->isVisible());
        QCOMPARE(w.actions().viewFullScreen->text(), QString("&View Full Screen!"));
        QCOMPARE(w.widgets().buttons.fullScreen->toolTip(),
                 QString("View HTML document in full screen"));
    }

    void captionsHintsAndStatus() {
        Fixture f;
        MainWindow &w = f.start();
        w.setFormCaption("/tmp/Page.htm");
        QCOMPARE(w.windowTitle(), QString("Quilmead - /TMP/PAGE.HTM"));
        w.showHint("Save page");
        QCOMPARE(w.widgets().statusPanels[2]->text(), QString("Save page"));
        QCOMPARE(w.widgets().headerSections[2]->text(), QString("Save page"));
        w.widgets().webPage->setText("line one\nline two");
        w.widgets().webPage->setCursorPosition(1, 4);
        f.program->editing().getLocation();
        QCOMPARE(w.widgets().statusPanels[0]->text(), QString("2:4"));
    }

    void splitStyleAndProjectToggles() {
        Fixture f;
        MainWindow &w = f.start();
        w.widgets().buttons.splitStyle->click();
        QCOMPARE(f.settings.splitDirection, 1);
        QCOMPARE(w.widgets().splitScreen->orientation(), Qt::Horizontal);
        w.widgets().buttons.projects->click();
        QVERIFY(!w.actions().displayProjects->isChecked());
        QCOMPARE(w.widgets().mainSplitter->barPercent(0), 0);
        w.actions().displayProjects->trigger();
        QCOMPARE(w.widgets().mainSplitter->barPercent(0), 25);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
