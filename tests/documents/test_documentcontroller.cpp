// Open documents (with the window's widgets, offscreen) on real files in a
// temporary folder: tabs and parking files, closing, New, Save, Save As,
// the recent files and what opening a document enables.

#include "documentfixture.h"

#include "app/ui/mainactions.h"
#include "preview/htmlviewer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// Selects from (line, column) to (line, column), lines from 1.
void select(TLEdit &editor, int startLine, int startPos, int endLine, int endPos) {
    editor.startLine = startLine;
    editor.startPos = startPos;
    editor.endLine = endLine;
    editor.endPos = endPos;
    editor.applySelection();
}

} // namespace

class TestDocumentController : public QObject {
    Q_OBJECT
private slots:
    void twoTabsParkTheHiddenText() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "<P>first line</P>\r\nsecond line\r\n");
        const QString b = f.page("b.htm", "<P>b</P>");
        QVERIFY(f.docs().loadFile(a, false));
        select(f.editor(), 2, 1, 2, 6);
        f.editor().replaceSel("X");
        select(f.editor(), 1, 3, 2, 2);

        QVERIFY(f.docs().loadFile(b, false));
        QCOMPARE(f.w.webPageTabs->count(), 2);
        QCOMPARE(f.w.webPageTabs->tabText(1), QString("b.htm"));
        QCOMPARE(f.docs().currentIndex(), 1);
        QCOMPARE(f.docs().currentFile(), b);
        QCOMPARE(f.docs().currentDir(), f.work.path());
        QCOMPARE(QDir::currentPath() + "/", f.work.path());
        QCOMPARE(f.editor().text(), QString("<P>b</P>"));
        // a.htm's text waits in its parking file; the file itself is untouched.
        QCOMPARE(TestFolder::read(a + "_"), QByteArray("<P>first line</P>\r\nsX line\r\n"));
        QCOMPARE(TestFolder::read(a), QByteArray("<P>first line</P>\r\nsecond line\r\n"));
        QVERIFY(!f.w.buttons.save->isEnabled());

        // Back to a.htm: its selection and modified flag return.
        f.w.webPageTabs->setCurrentIndex(0);
        QCOMPARE(f.docs().currentFile(), a);
        QCOMPARE(f.editor().text(), QString("<P>first line</P>\r\nsX line\r\n"));
        QVERIFY(f.editor().modified());
        QVERIFY(f.w.buttons.save->isEnabled());
        f.editor().readSelection();
        QCOMPARE(f.editor().startLine, 1);
        QCOMPARE(f.editor().startPos, 3);
        QCOMPARE(f.editor().endLine, 2);
        QCOMPARE(f.editor().endPos, 2);
        QCOMPARE(f.window.windowTitle(), "Quilmead - " + a.toUpper());
        QCOMPARE(f.w.statusPanels[2]->text(), a);
        QCOMPARE(f.w.webPageTabs->toolTip(), a);
        // Its undo history came back with it.
        f.editor().undoEdit();
        QCOMPARE(f.editor().text(), QString("<P>first line</P>\r\nsecond line\r\n"));
        // b.htm was parked in turn, unmodified.
        QVERIFY(QFileInfo::exists(b + "_"));
        f.w.webPageTabs->setCurrentIndex(1);
        QVERIFY(!f.editor().modified());
        QVERIFY(!f.w.buttons.save->isEnabled());
        QCOMPARE(f.ui.unexpected(), 0);
    }

    void anOpenPathGetsNoSecondTab() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "a");
        const QString b = f.page("b.htm", "b");
        f.docs().loadFile(a, false);
        f.docs().loadFile(b, false);
        f.editor().setText("b changed");
        QVERIFY(f.docs().loadFile(a, false));
        QCOMPARE(f.w.webPageTabs->count(), 2);
        QCOMPARE(f.docs().currentIndex(), 0);
        QCOMPARE(f.editor().text(), QString("a"));
        // Another spelling of the same file is the same document.
        QDir().mkpath(f.work.file("sub"));
        QVERIFY(f.docs().loadFile(f.work.path() + "sub/../b.htm", false));
        QCOMPARE(f.w.webPageTabs->count(), 2);
        QCOMPARE(f.editor().text(), QString("b changed"));
        QVERIFY(f.docs().isFileNameOpen(a));
        QVERIFY(!f.docs().isFileNameOpen(a.toUpper()));
        // A new document is kept under its clean path, as the project tree spells it.
        const QString c = f.page("c.htm", "c");
        QVERIFY(f.docs().loadFile(f.work.path() + "sub/.//../c.htm", false));
        QVERIFY(f.docs().isFileNameOpen(c));
    }

    void missingFileIsReportedAndOpensNothing() {
        DocumentFixture f;
        const QString missing = f.work.file("gone.htm");
        QVERIFY(!f.docs().loadFile(missing, false));
        QCOMPARE(f.ui.messageTexts(), QStringList{"Could not find or open: " + missing});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.docs().count(), 0);
        QVERIFY(!f.docs().isOpen());
    }

    void openingAndClosingSwitchTheControls() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "a");
        ToolButtons &b = f.w.buttons;
        QGuiApplication::clipboard()->setText("clip");
        f.docs().loadFile(a, false);
        QVERIFY(f.editor().isEnabled());
        QVERIFY(f.w.powerBook->isEnabled() && f.w.powerBook->isVisible());
        for (QToolButton *button : {b.paste, b.close, b.print})
            QVERIFY2(button->isEnabled(), qPrintable(button->toolTip()));
        for (QAction *x : {f.a.save, f.a.saveAs, f.a.closePage, f.a.closeAll, f.a.print,
                           f.a.printerSetup})
            QVERIFY2(x->isEnabled(), qPrintable(x->objectName()));
        QCOMPARE(f.preview.updates, 1);
        QCOMPARE(f.preview.scrollsToTop, 1);

        // The page on screen has the keyboard, and the status tells of it.
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&f.editor()));
        QCOMPARE(f.w.statusPanels[0]->text(), QString("1:0"));
        f.w.statusPanels[2]->setText(a);

        QVERIFY(f.docs().closeActivePage());
        // Nothing on screen: the status panels say nothing of the closed page.
        QCOMPARE(f.w.statusPanels[0]->text(), QString());
        QCOMPARE(f.w.statusPanels[2]->text(), QString());
        QVERIFY(!f.editor().isEnabled());
        QVERIFY(!f.w.powerBook->isEnabled() && !f.w.powerBook->isVisible());
        for (QToolButton *button : {b.paste, b.copy, b.cut, b.close, b.save, b.print})
            QVERIFY2(!button->isEnabled(), qPrintable(button->toolTip()));
        QCOMPARE(f.window.windowTitle(), QString("Quilmead - "));
        QCOMPARE(f.docs().currentFile(), QString());
        QCOMPARE(f.editor().text(), QString());
        QVERIFY(!f.a.save->isEnabled());
        QVERIFY(f.a.newPage->isEnabled() && f.a.open->isEnabled());
    }

    void closeQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("yes saves") << int(Msg::ResultYes) << true << QByteArray("new text");
        QTest::newRow("no discards") << int(Msg::ResultNo) << true << QByteArray("old text");
        QTest::newRow("cancel keeps the tab")
            << int(Msg::ResultCancel) << false << QByteArray("old text");
    }
    void closeQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QByteArray, onDisk);
        DocumentFixture f;
        const QString a = f.page("a.htm", "old text");
        const QString b = f.page("b.htm", "b");
        f.docs().loadFile(a, false);
        f.docs().loadFile(b, false);
        f.w.webPageTabs->setCurrentIndex(0);
        f.editor().setText("new text");
        f.editor().setModifiedFlag(true);
        f.ui.answerMessage(answer);
        QCOMPARE(f.docs().closeActivePage(), closed);
        QCOMPARE(f.ui.messageTexts(), QStringList{"Save " + a + " before closing?"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Confirmation));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Yes | Msg::No | Msg::Cancel));
        QCOMPARE(TestFolder::read(a), onDisk);
        if (closed) {
            QVERIFY(!QFileInfo::exists(a + "_"));
            QCOMPARE(f.w.webPageTabs->count(), 1);
            QCOMPARE(f.docs().currentFile(), b);
            QCOMPARE(f.editor().text(), QString("b"));
            QVERIFY(!f.docs().isFileNameOpen(a));
        } else {
            QCOMPARE(f.w.webPageTabs->count(), 2);
            QCOMPARE(f.editor().text(), QString("new text"));
            QVERIFY(f.editor().modified());
        }
    }

    void closingPicksTheRightNeighbourThenTheLeft() {
        DocumentFixture f;
        const QStringList paths{f.page("a.htm", "a"), f.page("b.htm", "b"), f.page("c.htm", "c")};
        for (const QString &p : paths)
            f.docs().loadFile(p, false);
        f.w.webPageTabs->setCurrentIndex(1);
        QVERIFY(f.docs().closeActivePage());
        QCOMPARE(f.editor().text(), QString("c"));
        QCOMPARE(f.docs().currentIndex(), 1);
        QVERIFY(f.docs().closeActivePage()); // the last tab: its left neighbour follows
        QCOMPARE(f.editor().text(), QString("a"));
        QCOMPARE(f.docs().currentIndex(), 0);
        QCOMPARE(f.docs().pages().at(0).fileName, paths.at(0));
        // quilview.htm beside a closed document goes with it.
        f.page("quilview.htm", "x");
        QVERIFY(f.docs().closeActivePage());
        QVERIFY(!QFileInfo::exists(f.work.file("quilview.htm")));
        QVERIFY(!f.docs().closeActivePage()); // nothing left
    }

    void windowCloseCancelledKeepsEverything() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "a");
        const QString b = f.page("b.htm", "b");
        f.docs().loadFile(a, false);
        f.editor().setText("a2");
        f.editor().setModifiedFlag(true);
        f.docs().loadFile(b, false);
        f.editor().setText("b2");
        f.editor().setModifiedFlag(true);
        f.ui.answerMessage(Msg::ResultCancel);
        QVERIFY(!f.docs().queryClose());
        QCOMPARE(f.docs().count(), 2);
        QCOMPARE(f.ui.messageTexts().size(), 1);
        // Then No to both: the program may close and nothing was saved.
        f.ui.answerMessage(Msg::ResultNo);
        f.ui.answerMessage(Msg::ResultNo);
        QVERIFY(f.docs().queryClose());
        QCOMPARE(TestFolder::read(a), QByteArray("a"));
        QCOMPARE(TestFolder::read(b), QByteArray("b"));
        QVERIFY(!QFileInfo::exists(a + "_") && !QFileInfo::exists(b + "_"));
    }

    void recentFilesFollowOpening() {
        DocumentFixture f;
        QStringList paths;
        for (const char *n : {"1.htm", "2.htm", "3.htm", "4.htm", "5.htm"})
            paths << f.page(QString::fromLatin1(n), "x");
        for (int i = 0; i < 4; ++i)
            f.docs().loadFile(paths.at(i), false);
        const auto recent = [&f] {
            return QStringList(f.settings.lastFiles.begin(), f.settings.lastFiles.end());
        };
        QCOMPARE(recent(), (QStringList{paths[3], paths[2], paths[1], paths[0]}));
        f.docs().loadFile(paths.at(3), false); // the newest again: unchanged
        QCOMPARE(recent(), (QStringList{paths[3], paths[2], paths[1], paths[0]}));
        f.docs().loadFile(paths.at(4), false);
        QCOMPARE(recent(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
        MainActions &a = f.a;
        QVERIFY(a.lastFiles[3]->isVisible());
        QCOMPARE(a.lastFiles[0]->text(), "&1 " + paths[4]);
        // Choosing an entry opens it.
        f.docs().closeAllPages();
        a.lastFiles[2]->trigger();
        QCOMPARE(f.docs().currentFile(), paths[2]);
    }

    void saveWritesAndClearsTheFlag() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "one\r\n");
        f.docs().loadFile(a, false);
        f.editor().appendText("two\r\n");
        QVERIFY(f.editor().modified());
        QVERIFY(f.w.buttons.save->isEnabled());
        f.a.save->trigger();
        QCOMPARE(TestFolder::read(a), QByteArray("one\r\ntwo\r\n"));
        QVERIFY(!f.editor().modified());
        QVERIFY(!f.w.buttons.save->isEnabled());
        // Unix style writes LF.
        f.settings.fileFormat = 2;
        f.shell.applySettings();
        f.editor().appendText("three");
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), QByteArray("one\ntwo\nthree"));
        QCOMPARE(f.ui.unexpected(), 0);
    }

    void failedSaveLeavesTheFileAndTheFlag() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "on disk");
        QFile::setPermissions(a, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        f.docs().loadFile(a, false);
        QCOMPARE(f.ui.asked().at(0).type, ScriptedUserInteraction::Type::Plain);
        QCOMPARE(f.ui.asked().at(0).text, QString("File opened in Read-Only mode"));
        f.editor().selectAllText();
        f.editor().replaceSel("edited");
        f.ui.clear();
        QVERIFY(!f.docs().save());
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Error));
        QVERIFY(f.ui.asked().at(0).text.contains("read-only"));
        QVERIFY(f.editor().modified());
        QVERIFY(f.w.buttons.save->isEnabled());
        QCOMPARE(TestFolder::read(a), QByteArray("on disk"));
        // Yes in the close question with a failing save keeps the page open.
        f.ui.answerMessage(Msg::ResultYes);
        QVERIFY(!f.docs().closeActivePage());
        QCOMPARE(f.docs().count(), 1);
        QCOMPARE(f.editor().text(), QString("edited"));
        QFile::setPermissions(a, QFile::ReadOwner | QFile::WriteOwner);
    }

    void saveAsLowerCasesTheFileName() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "text");
        QDir().mkpath(f.work.file("Web"));
        f.docs().loadFile(a, false);
        f.docs().loadFile(f.page("b.htm", "b"), false);
        f.w.webPageTabs->setCurrentIndex(0); // a.htm's tab has been left: it has a parking file
        QVERIFY(QFileInfo::exists(a + "_"));
        f.ui.answerFile(f.work.file("Web/Index.HTM"));
        QVERIFY(f.docs().saveAs());
        const QString saved = f.work.file("Web/index.htm");
        QCOMPARE(TestFolder::read(saved), QByteArray("text"));
        QVERIFY(!QFileInfo::exists(f.work.file("Web/Index.HTM")));
        QCOMPARE(f.w.webPageTabs->tabText(0), QString("index.htm"));
        QCOMPARE(f.docs().currentFile(), saved);
        QCOMPARE(f.docs().currentDir(), f.work.file("Web/"));
        QCOMPARE(f.settings.lastFiles[0], saved);
        QVERIFY(!QFileInfo::exists(a + "_")); // the old name's parking file is not left behind
        const ScriptedUserInteraction::Question &asked = f.ui.asked().at(0);
        QCOMPARE(asked.type, ScriptedUserInteraction::Type::SaveFile);
        QCOMPARE(asked.preset, f.work.path() + "|a.htm"); // the current document's folder and name
        QCOMPARE(asked.text, QString("HTML Documents|*.htm;*.html|Frame Settings|*.set"));
        QCOMPARE(asked.filterIndex, 1);
        QCOMPARE(f.ui.asked().size(), 1); // no project notice, nothing to overwrite
    }

    void saveAsAsksBeforeOverwritingTheNameItWrites() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "mine");
        const QString existing = f.page("index.htm", "someone else's");
        f.docs().loadFile(a, false);
        f.ui.answerFile(f.work.file("Index.htm"));
        f.ui.answerMessage(Msg::ResultCancel);
        QVERIFY(!f.docs().saveAs());
        QCOMPARE(f.ui.messageTexts(), QStringList{"Overwrite existing file?"});
        QCOMPARE(f.ui.asked().last().kind, int(Msg::Warning));
        QCOMPARE(TestFolder::read(existing), QByteArray("someone else's"));
        QCOMPARE(f.docs().currentFile(), a);
        f.ui.answerFile(f.work.file("Index.htm"));
        f.ui.answerMessage(Msg::ResultOk);
        QVERIFY(f.docs().saveAs());
        QCOMPARE(TestFolder::read(existing), QByteArray("mine"));
    }

    void saveAsOntoAnotherOpenTabIsRefused() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "a");
        const QString b = f.page("b.htm", "b");
        f.docs().loadFile(a, false);
        f.docs().loadFile(b, false);
        f.ui.answerFile(a);
        QVERIFY(!f.docs().saveAs());
        QCOMPARE(TestFolder::read(a), QByteArray("a"));
        QCOMPARE(f.docs().currentFile(), b);
        QVERIFY(f.ui.messageTexts().at(0).contains("is open in another tab"));
    }

    void saveAsOnAProjectPage() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "a");
        f.docs().loadFile(a, true);
        QVERIFY(f.docs().pages().at(0).inProject);
        f.ui.answerFile(f.work.file("copy.htm"));
        QVERIFY(f.docs().saveAs());
        QCOMPARE(
            f.ui.messageTexts(),
            QStringList{"A Save As function has been performed on document that was in a project.  "
                        "The file that is being edited is no longer part of that project."});
        QVERIFY(!f.docs().pages().at(0).inProject);
        f.ui.answerFile(f.work.file("copy2.htm"));
        QVERIFY(f.docs().saveAs());
        QCOMPARE(f.ui.messageTexts().size(), 1); // once only
    }

    void newOpensTheProgramsPage() {
        DocumentFixture f;
        const QString newPage = f.program.file("newpage.htm");
        // An existing page with text opens without a question.
        f.program.write("newpage.htm", "<HTML></HTML>");
        f.settings.newFile = true;
        f.ui.answerHelper(false);
        f.a.newPage->trigger();
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).caption, QString("Orphan Pages"));
        QVERIFY(!f.settings.newFile);
        QCOMPARE(f.docs().currentFile(), newPage);
        QCOMPARE(f.editor().text(), QString("<HTML></HTML>"));
        // Saving it shows its helper tip.
        f.settings.savingToDefault = true;
        f.ui.answerHelper(true);
        QVERIFY(f.docs().save());
        QCOMPARE(f.ui.asked().last().caption, QString("Saving To Default"));
        QVERIFY(f.settings.savingToDefault);
    }

    void newWithoutAPageAsksAboutTheEmptyFile() {
        DocumentFixture f;
        f.ui.answerMessage(Msg::ResultNo);
        f.docs().newPage();
        const QString newPage = f.program.file("newpage.htm");
        QVERIFY(QFileInfo::exists(newPage));
        QCOMPARE(QFileInfo(newPage).size(), 0);
        QCOMPARE(f.ui.messageTexts(), QStringList{"Empty file, start creation of new page?"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Yes | Msg::No));
        QCOMPARE(f.docs().count(), 1);
        QVERIFY(f.editor().isEnabled());
        // New again: the same tab, no second one.
        f.docs().newPage();
        QCOMPARE(f.docs().count(), 1);
    }

    void typingMarksTheDocumentModified() {
        DocumentFixture f;
        f.docs().loadFile(f.page("a.htm", "abc"), false);
        QVERIFY(!f.w.buttons.save->isEnabled());
        f.window.activateWindow();
        f.editor().setFocus();
        QTest::keyClicks(&f.editor(), "x");
        QVERIFY(f.editor().modified());
        QVERIFY(f.w.buttons.save->isEnabled());
        // Copy and Cut follow the selection of the focused editor.
        QVERIFY(!f.w.buttons.copy->isEnabled());
        f.editor().selectAllText();
        QVERIFY(f.w.buttons.copy->isEnabled() && f.w.buttons.cut->isEnabled());
    }

    void autoLoadOpensTheNewestRecentFile() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "auto");
        f.settings.lastFiles[0] = a;
        f.docs().started(); // AutoLoad off: nothing opens
        QCOMPARE(f.docs().count(), 0);
        f.settings.autoLoad = true;
        f.docs().started();
        QCOMPARE(f.docs().currentFile(), a);
        f.docs().closeAllPages();
        f.settings.lastFiles[0] = f.work.file("gone.htm");
        f.ui.clear();
        f.docs().started();
        QCOMPARE(f.docs().count(), 0);
        QVERIFY(f.ui.asked().isEmpty()); // a missing last file is passed over quietly
    }
};

QTEST_MAIN(TestDocumentController)
#include "test_documentcontroller.moc"
