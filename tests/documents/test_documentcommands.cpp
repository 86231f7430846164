// The commands around the open documents: the scratch pad, Insert File, the
// Open HTML Page dialog, printing and project pages dropped into the text.

#include "documentfixture.h"

#include "app/program/program.h"
#include "settings/settingsstore.h"

#include "app/ui/filelistpanel.h"
#include "app/ui/percentsplitter.h"
#include "documents/ui/openhtmlform.h"
#include "documents/ui/printform.h"
#include "preview/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

namespace {

// Runs `act` on the next modal dialog once it is open.
void whenDialogOpens(std::function<void(QDialog *)> act) {
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            whenDialogOpens(act);
            return;
        }
        act(dialog);
    });
}

void printToPdf(QPrinter &printer, const QString &path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private slots:
    void scratchPadKeepsItsTextBetweenRuns() {
        TestFolder programDir;
        programDir.write("scratch.txt", "kept\r\nnotes");
        Settings settings;
        SettingsStore store(programDir.file("store.ini"));
        ScriptedUserInteraction ui;
        {
            Program program(Workbench{settings, store, ui, programDir.path()});
            MainWindow &window = program.window();
            window.runCreationStep();
            window.show();
            window.runFirstShow();
            TLEdit *pad = window.widgets().spareEditor;
            QCOMPARE(pad->text(), QString("kept\r\nnotes"));
            pad->appendText(" more");
            QVERIFY(window.runShutdown());
        }
        QCOMPARE(TestFolder::read(programDir.file("scratch.txt")),
                 QByteArray("kept\r\nnotes more"));
    }

    void emptyScratchPadIsNotWritten() {
        DocumentFixture f;
        QVERIFY(f.docs().saveSpareEditorContents());
        QVERIFY(!QFileInfo::exists(f.program.file("scratch.txt")));
    }

    void unreadableScratchPadIsReported() {
        DocumentFixture f;
        QDir().mkpath(f.program.file("scratch.txt"));
        f.docs().loadSpareEditorContents();
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{"Exception occured during LoadSpareEditorContents!"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
    }

    void toggleInternalClipboard() {
        DocumentFixture f;
        f.settings.internalClipboard = true;
        f.ui.answerHelper(false);
        QAction *toggle = f.a.toggleInternalClipboard;
        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QCOMPARE(f.ui.asked().at(0).caption, QString("Internal Clipboard Contents"));
        QCOMPARE(f.w.mainSplitter->barPercent(1), 75);
        f.docs().toggleInternalClipboard();
        QVERIFY(!toggle->isChecked());
        QCOMPARE(f.w.mainSplitter->barPercent(1), 100);
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Helper), 1); // shown once
    }

    void insertFilePutsTheTextAtTheCaret() {
        DocumentFixture f;
        const QString inserted = f.page("part.htm", "<B>part\xE9</B>\n");
        f.docs().loadFile(f.page("a.htm", "start end\r\n"), false);
        f.w.spareEditor->setText("pad text");
        f.w.spareEditor->replaceSel("new "); // with undo history
        f.editor().setCursorPosition(0, 6);
        f.ui.answerFile(inserted);
        f.a.insertFile->trigger();
        QCOMPARE(f.editor().text(), QString::fromUtf8("start <B>part\xC3\xA9</B>\r\nend\r\n"));
        QVERIFY(f.editor().modified());
        const ScriptedUserInteraction::Question &asked = f.ui.asked().at(0);
        QCOMPARE(asked.type, ScriptedUserInteraction::Type::OpenFile);
        QVERIFY(asked.text.startsWith("Web Documents|"));
        // The pad was saved first and keeps its text and its undo history.
        QCOMPARE(TestFolder::read(f.program.file("scratch.txt")), QByteArray("new pad text"));
        QCOMPARE(f.w.spareEditor->text(), QString("new pad text"));
        QVERIFY(f.w.spareEditor->isUndoAvailable());
        // Cancel inserts nothing.
        f.a.insertFile->trigger();
        QCOMPARE(f.editor().text(), QString::fromUtf8("start <B>part\xC3\xA9</B>\r\nend\r\n"));
    }

    void textViewPrintsThroughTheScratchPad() {
        DocumentFixture f;
        f.docs().loadFile(f.page("a.htm", "<P>printed page</P>"), false);
        f.w.spareEditor->setText("pad");
        const QString pdf = f.work.file("text.pdf");
        printToPdf(f.docs().printer(), pdf);
        QVERIFY(f.docs().printWebPage());
        QVERIFY(TestFolder::read(pdf).startsWith("%PDF"));
        QCOMPARE(f.w.spareEditor->text(), QString("pad"));
        QCOMPARE(TestFolder::read(f.program.file("scratch.txt")), QByteArray("pad"));
    }

    void printDialogPrintsTheChosenView() {
        DocumentFixture f;
        f.docs().loadFile(f.page("a.htm", "<P>x</P>"), false);
        const QString pdf = f.work.file("dialog.pdf");
        printToPdf(f.docs().printer(), pdf);
        whenDialogOpens([](QDialog *dialog) {
            QCOMPARE(dialog->objectName(), QString("TPrintForm"));
            QCOMPARE(dialog->windowTitle(), QString("Print"));
            auto *form = qobject_cast<PrintForm *>(dialog);
            QCOMPARE(form->choice(), PrintForm::GraphicView);
            QStringList captions;
            for (QRadioButton *b : dialog->findChildren<QRadioButton *>())
                captions << b->text();
            QCOMPARE(captions, (QStringList{"Graphic View", "Text View", "Both Views"}));
            form->setChoice(PrintForm::TextView);
            dialog->findChild<QPushButton *>("PrintBtn")->click();
        });
        f.docs().print();
        QVERIFY(TestFolder::read(pdf).startsWith("%PDF"));
        QCOMPARE(f.ui.asked().size(), 0);
        // Close prints nothing.
        QFile::remove(pdf);
        whenDialogOpens(
            [](QDialog *dialog) { dialog->findChild<QPushButton *>("CloseBtn")->click(); });
        f.docs().print();
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void graphicViewPrintsThroughThePreview() {
        DocumentFixture f;
        f.docs().loadFile(f.page("a.htm", "<P>rendered</P>"), false);
        printToPdf(f.docs().printer(), f.work.file("graphic.pdf"));
        QVERIFY(f.docs().printGraphicView());
        // A preview that cannot print makes the printing fail.
        f.preview.renderWorks = false;
        QVERIFY(!f.docs().printGraphicView());
    }

    void printerSetupAsksForThePadsPrinter() {
        DocumentFixture f;
        f.ui.answerPrinter(false);
        f.a.printerSetup->setEnabled(true);
        f.docs().printerSetup();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Printer), 1);
    }

    void openDialogShowsAndNamesTheClickedFile() {
        TestFolder dir;
        dir.write("page.htm", "<P>page</P>");
        dir.write("logo.gif", "GIF89a");
        OpenHtmlForm form("Web Documents|*.htm;*.gif", dir.path());
        QCOMPARE(form.objectName(), QString("TOpenHTMLForm"));
        QCOMPARE(form.windowTitle(), QString("Open HTML Page"));
        QCOMPARE(form.size(), QSize(563, 364));
        QCOMPARE(form.openViewer()->objectName(), QString("OpenViewer"));
        QCOMPARE(form.openViewer()->defFontSize(), 6);
        QCOMPARE(form.fileList()->files(), (QStringList{"logo.gif", "page.htm"}));
        form.showFile(dir.file("page.htm"));
        QCOMPARE(form.fileToLoad(), dir.file("page.htm"));
        QVERIFY(!form.openViewer()->viewImages());
        form.showFile(dir.file("logo.gif"));
        QCOMPARE(form.fileToLoad(), dir.file("logo.gif"));
        QVERIFY(form.openViewer()->viewImages());
        // A link to a listed file selects it.
        bool handled = false;
        emit form.openViewer()->hotSpotClick("page.htm#top", &handled);
        QVERIFY(handled);
        QCOMPARE(form.fileList()->fileList()->currentItem()->text(), QString("page.htm"));
        QCOMPARE(form.fileToLoad(), dir.file("page.htm"));
        handled = false;
        emit form.openViewer()->hotSpotClick("http://example.com/other.htm", &handled);
        QVERIFY(!handled);
    }

    void openCommandLoadsPagesButNotPictures() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "opened");
        const QString picture = f.page("b.JPG", "x");
        whenDialogOpens([picture](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("FileToLoad")->setText(picture);
            dialog->findChild<QPushButton *>("OKBtn")->click();
        });
        f.a.open->trigger();
        QCOMPARE(f.docs().count(), 0);
        whenDialogOpens([a](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("FileToLoad")->setText(a);
            dialog->findChild<QPushButton *>("OKBtn")->click();
        });
        f.a.open->trigger();
        QCOMPARE(f.docs().currentFile(), a);
        QVERIFY(f.w.powerBook->isEnabled());
        // A name that does not exist opens nothing and leaves the editor off.
        f.docs().closeAllPages();
        whenDialogOpens([&f](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("FileToLoad")->setText(f.work.file("gone.htm"));
            dialog->findChild<QPushButton *>("OKBtn")->click();
        });
        f.a.open->trigger();
        QVERIFY(!f.editor().isEnabled());
        QVERIFY(!f.w.powerBook->isEnabled());
    }

    void droppedProjectPageBecomesALink() {
        DocumentFixture f;
        f.docs().loadFile(f.page("a.htm", "see the readme"), false);
        f.editor().setSelection(0, 8, 0, 14);
        QTreeWidget *tree = f.w.outline;
        auto *project = new QTreeWidgetItem(tree, {"Welcome - welcome"});
        new QTreeWidgetItem(project, {"#Default Project Settings - PROJECT.INI"});
        QTreeWidgetItem *page = new QTreeWidgetItem(project, {"Readme File - readme.htm"});
        auto drop = [&](QTreeWidgetItem *item) {
            tree->setCurrentItem(item);
            std::unique_ptr<QMimeData> mime(tree->model()->mimeData({tree->currentIndex()}));
            QWidget *target = f.editor().viewport();
            const QPoint at(5, 5);
            QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                                  {});
            QApplication::sendEvent(target, &enter);
            const bool accepted = enter.isAccepted();
            QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime.get(),
                               Qt::LeftButton, {});
            QApplication::sendEvent(target, &dropped);
            return accepted;
        };
        QVERIFY(!drop(project)); // a project entry is not accepted
        QCOMPARE(f.editor().text(), QString("see the readme"));
        QVERIFY(drop(page));
        QCOMPARE(f.editor().text(), QString("see the <A HREF=\"readme.htm\">readme</A>"));
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "test_documentcommands.moc"
