// The tool pages in the whole program: where their controls sit among the
// buttons other areas put on the same pages, the picture chosen in the
// preview, and the pictures the program ships.

#include "app/program/program.h"
#include "app/ui/toolpagerow.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "tags/toolpages/imagefolders.h"
#include "tags/toolpages/ui/toolpagesarea.h"
#include "testfolder.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

// The objectNames of a page's row, in order.
QStringList rowOf(QWidget *page) {
    QStringList names;
    QBoxLayout *row = toolPageRow(page);
    for (int i = 0; i < row->count(); ++i)
        if (QWidget *w = row->itemAt(i)->widget())
            if (!w->objectName().isEmpty())
                names << w->objectName();
    return names;
}

} // namespace

class TestToolPagesProgram : public QObject {
    Q_OBJECT
private slots:
    void pagesInTheProgram() {
        TestFolder dir;
        QVERIFY(QDir(dir.path()).mkdir("Bullets"));
        Settings settings;
        SettingsStore store(dir.file("store.ini"));
        ScriptedUserInteraction ui;
        Program program(Workbench{settings, store, ui, dir.path()});
        MainWindow &window = program.window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();
        const MainWidgets &w = window.widgets();

        // The generators' buttons follow the quick table's controls, the Data
        // Entry Form Veda Guy follows the form buttons.
        const QStringList tables = rowOf(w.toolPages[MainWidgets::Tables]);
        QCOMPARE(tables.first(), QStringLiteral("SpeedButton7"));
        QVERIFY(tables.indexOf("Border") < tables.indexOf("SpeedButton14"));
        const QStringList forms = rowOf(w.toolPages[MainWidgets::Forms]);
        QCOMPARE(forms.first(), QStringLiteral("SpeedButton33"));
        QCOMPARE(forms.last(), QStringLiteral("FormVedaGuyButton"));
        QCOMPARE(rowOf(w.toolPages[MainWidgets::Asp]).size(), 8);

        // The first show listed the image types.
        auto *types = window.findChild<QComboBox *>("ImageTypeDir");
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(1), QStringLiteral("Bullets"));

        // A picture link clicked in the preview.
        emit program.preview().pictureLinkChosen("ball.gif");
        QCOMPARE(window.findChild<QComboBox *>("ImageList")->currentText(),
                 QStringLiteral("ball.gif"));

        // Into an open page.
        dir.write("page.htm", "<BODY>\r\n</BODY>\r\n");
        QVERIFY(program.documents().loadFile(dir.file("page.htm"), false));
        window.updateMenuStates();
        QVERIFY(window.actions().include->isEnabled());
        QVERIFY(window.actions().dateItem->isEnabled());
        window.findChild<QSpinBox *>("Rows")->setValue(2);
        window.findChild<QToolButton *>("SpeedButton7")->click();
        TLEdit &editor = *w.webPage;
        QVERIFY(editor.text().startsWith(
            "<TABLE >\r\n<TR>\r\n<TD>Cell:1,1</TD>\r\n</TR>\r\n<TR>\r\n<TD>Cell:2,1</TD>\r\n"
            "</TR>\r\n</TABLE>\r\n<BODY>"));
        QVERIFY(w.buttons.save->isEnabled());
        QCOMPARE(ui.unexpected(), 0);
    }

    // Every type folder the program ships holds pictures the Images page
    // can measure, in each of the three formats somewhere.
    void shippedPictures() {
        const QString data = qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/data/";
        QStringList suffixes;
        int folders = 0;
        for (const QString &type :
             QStringList{"Backgrounds", "Bullets", "Buttons", "Lines", "Photos"}) {
            const QString folder = data + type + "/";
            const QStringList pictures = ImageFolders::pictureNames(folder, "gif,jpg,png");
            QVERIFY2(!pictures.isEmpty(), qPrintable(type));
            // Something to show with the default extensions too.
            QVERIFY2(!ImageFolders::pictureNames(folder, "gif,jpg").isEmpty(), qPrintable(type));
            for (const QString &name : pictures) {
                const QSize size = ImageFolders::pictureSize(folder + name);
                QVERIFY2(size.width() > 0 && size.height() > 0, qPrintable(folder + name));
                suffixes << QFileInfo(name).suffix();
            }
            ++folders;
        }
        QCOMPARE(folders, 5);
        for (const char *suffix : {"gif", "jpg", "png"})
            QVERIFY2(suffixes.contains(suffix), suffix);
    }
};

QTEST_MAIN(TestToolPagesProgram)
#include "test_toolpages_program.moc"
