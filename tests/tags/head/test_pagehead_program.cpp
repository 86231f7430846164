// The page head commands in the whole program: a new, empty page offers the
// Initial Values wizard, and saving stamps the page when the time stamp
// setting is on.

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "tags/head/ui/initialvaluesform.h"
#include "testfolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

class TestPageHeadProgram : public QObject {
    Q_OBJECT
private slots:
    void newPageWizardAndStampOnSave() {
        TestFolder dir;
        Settings settings;
        SettingsStore store(dir.file("store.ini"));
        ScriptedUserInteraction ui;
        Program program(Workbench{settings, store, ui, dir.path()});
        MainWindow &window = program.window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();

        ui.answerHelper(false);
        ui.answerMessage(Msg::ResultYes); // "Empty file, start creation of new page?"
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            auto *form = qobject_cast<InitialValuesForm *>(QApplication::activeModalWidget());
            if (!form)
                return;
            shown = true;
            form->setPage(InitialValuesForm::kPages - 1);
            form->findChild<QPushButton *>("FinishBtn")->click();
        });
        program.documents().newPage();
        QVERIFY(shown);
        QVERIFY(ui.messageTexts().contains("Empty file, start creation of new page?"));
        TLEdit &editor = *window.widgets().webPage;
        QVERIFY(editor.text().startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>Web Page Title Here"));
        // The first version of the page is not in the file yet.
        QVERIFY(editor.modified());
        QVERIFY(window.widgets().buttons.save->isEnabled());
        // The Templates page carries the marker buttons.
        QVERIFY(window.findChild<QToolButton *>("TemplateHeading"));

        settings.autoTimeStamp = true;
        QVERIFY(program.documents().save());
        const QByteArray saved = TestFolder::read(dir.file("newpage.htm"));
        QCOMPARE(saved.count("<PAGEMODIFIED>"), 1);
        QVERIFY(saved.contains("</PAGEMODIFIED></BODY>\r\n</HTML>\r\n"));
        QVERIFY(!editor.modified());
    }
};

QTEST_MAIN(TestPageHeadProgram)
#include "test_pagehead_program.moc"
