// "Create &Index of Images" in the whole program, with the real documents
// area: the page opens in a tab of its own and grows by one block a run,
// also after it was saved, closed and opened again.

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "projects/search/ui/imageindexdialog.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "testfolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <memory>

class TestImageIndexProgram : public QObject {
    Q_OBJECT
private slots:
    void runsAddBlocksToThePageInTheProgramFolder() {
        TestFolder dir, pictures;
        pictures.write("sun.gif", "x");
        SettingsStore store(dir.file("store.ini"));
        Settings settings;
        ScriptedUserInteraction ui;
        Program program(Workbench{settings, store, ui, dir.path()});
        MainWindow &window = program.window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();
        MainActions &a = window.actions();
        QVERIFY(a.createIndexOfImages->isEnabled());

        auto run = [&] {
            bool shown = false;
            QTimer::singleShot(0, [&] {
                auto *dialog = qobject_cast<ImageIndexDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    qFatal("no image index dialog");
                shown = true;
                dialog->setFolder(pictures.path());
                dialog->findChild<QPushButton *>("BitBtn2")->click();
            });
            a.createIndexOfImages->trigger();
            QVERIFY(shown);
        };
        const QString page = dir.file("images.htm");
        const QString heading = QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n");
        const QString block = QStringLiteral("File location: %1sun.gif<br>\r\n"
                                             "<img src=\"%1sun.gif\"><br>\r\n\r\n")
                                  .arg(pictures.path());
        DocumentController &documents = program.documents();
        TLEdit &editor = documents.editor();

        run();
        QCOMPARE(documents.currentFile(), page);
        QCOMPARE(window.widgets().webPageTabs->tabText(0), QString("images.htm"));
        QCOMPARE(editor.text(), heading + block);
        QVERIFY(editor.modified());
        run();
        QCOMPARE(documents.count(), 1);
        QCOMPARE(editor.text(), heading + block + block);

        a.save->trigger();
        QCOMPARE(TestFolder::read(page), (heading + block + block).toUtf8());
        a.closePage->trigger();
        QCOMPARE(documents.count(), 0);
        run();
        QCOMPARE(editor.text(), heading + block + block + block);
        QCOMPARE(ui.unexpected(), 0);

        ui.answerMessage(Msg::ResultNo); // do not save on the way out
        QVERIFY(window.runShutdown());
    }
};

QTEST_MAIN(TestImageIndexProgram)
#include "test_imageindexprogram.moc"
