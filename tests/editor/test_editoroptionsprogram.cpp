// The editor options in the whole program: the line ends of the next save,
// and every value the dialog stores coming back after a restart.

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/options/ui/editoroptionsarea.h"
#include "editor/options/ui/editoroptionsdialog.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "testfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// One run of the program on a store and a program folder that outlive it.
struct Run {
    Settings settings;
    ScriptedUserInteraction ui;
    std::unique_ptr<Program> program;

    Run(SettingsStore &store, const QString &programDir) {
        program = std::make_unique<Program>(Workbench{settings, store, ui, programDir});
        MainWindow &window = program->window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();
    }
    MainWindow &window() { return program->window(); }

    // Opens "&Editor Options...", runs `act` on the dialog, then presses
    // `button`.
    void withDialog(std::function<void(EditorOptionsDialog &)> act, const char *button) {
        bool ran = false;
        std::function<void()> poll;
        poll = [&] {
            auto *dialog = qobject_cast<EditorOptionsDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, poll);
                return;
            }
            ran = true;
            act(*dialog);
            dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
        };
        QTimer::singleShot(0, poll);
        window().actions().editorOptions->trigger();
        QVERIFY(ran);
    }
};

// A choice that differs from the defaults in every value, with fonts that
// are installed here.
EditorOptions everyValueChanged() {
    const QStringList families = QFontDatabase::families();
    EditorOptions o;
    o.fontName = families.last();
    o.fontSize = 17;
    o.fileType = EditorOptions::MacStyle;
    o.tabSize = 9;
    o.autoIndent = false;
    o.wordWrap = true;
    o.expandToHtml = false;
    o.useWarningLeds = false;
    applyColorScheme(o, ColorScheme::Dark);
    o.tagFore = QColor(255, 0, 255);
    o.htmlFontName = families.first();
    o.htmlFontSize = 8;
    return o;
}

} // namespace

class TestEditorOptionsProgram : public QObject {
    Q_OBJECT
private slots:
    // The file type chosen applies to the next save: Unix and Mac style
    // write LF and CR, Default writes the line ends the page came with.
    void lineEndsOfTheNextSave_data() {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray crlf("<P>one</P>\r\n<P>two</P>\r\n");
        QTest::newRow("unix") << crlf << 2 << QByteArray("<P>one</P>\n<P>two</P>\n");
        QTest::newRow("mac") << crlf << 1 << QByteArray("<P>one</P>\r<P>two</P>\r");
        QTest::newRow("unix from mixed")
            << QByteArray("a\r\nb\rc\nd") << 2 << QByteArray("a\nb\nc\nd");
        QTest::newRow("default keeps CR LF") << crlf << 0 << crlf;
        QTest::newRow("default keeps LF") << QByteArray("a\nb\n") << 0 << QByteArray("a\nb\n");
        QTest::newRow("default keeps CR") << QByteArray("a\rb\r") << 0 << QByteArray("a\rb\r");
        QTest::newRow("default keeps mixed")
            << QByteArray("a\r\nb\rc\n") << 0 << QByteArray("a\r\nb\rc\n");
    }
    void lineEndsOfTheNextSave() {
        QFETCH(QByteArray, loaded);
        QFETCH(int, fileType);
        QFETCH(QByteArray, saved);
        TestFolder dir, pages;
        SettingsStore store(dir.file("store.ini"));
        Run run(store, dir.path());
        const QString page = pages.write("page.htm", loaded);
        // Start from the other style, so that the choice is what counts.
        run.program->documents().editor().setUnixStyleSave(fileType != 2);
        QVERIFY(run.program->documents().loadFile(page, false));
        run.withDialog(
            [&](EditorOptionsDialog &d) {
                d.findChild<QComboBox *>("SaveTypeAs")->setCurrentIndex(fileType);
            },
            "OKButton");
        QCOMPARE(run.settings.fileFormat, fileType);
        run.window().actions().save->trigger();
        QCOMPARE(TestFolder::read(page), saved);
        QCOMPARE(run.ui.unexpected(), 0);
    }

    void everyStoredValueComesBackAfterARestart() {
        TestFolder dir;
        SettingsStore store(dir.file("store.ini"));
        const EditorOptions chosen = everyValueChanged();
        {
            Run first(store, dir.path());
            first.withDialog([&](EditorOptionsDialog &d) { d.setOptions(chosen); }, "OKButton");
            QVERIFY(first.window().runShutdown());
        }
        QSettings raw(dir.file("store.ini"), QSettings::IniFormat);
        QCOMPARE(raw.value("Defaults/FileFormat").toInt(), 1);
        QCOMPARE(raw.value("Defaults/UseEWS").toInt(), 0);
        QCOMPARE(raw.value("Defaults/SyntaxFGColor").toString(), QString("16711935"));
        QCOMPARE(raw.value("Defaults/BackgroundColor").toString(), QString("0"));

        Run second(store, dir.path());
        QCOMPARE(EditorOptions::fromSettings(second.settings), chosen);
        QCOMPARE(second.program->editorOptions().inForce(), chosen);
        MainWidgets &w = second.window().widgets();
        QVERIFY(w.ewsPanel->isHidden());
        QVERIFY(!w.webPage->autoIndentOn());
        QVERIFY(w.webPage->wordWrapOn() && w.spareEditor->wordWrapOn());
        QCOMPARE(w.spareEditor->editorColor(), chosen.windowColor);
        QCOMPARE(w.spareEditor->editorFont().family(), chosen.fontName);
        QCOMPARE(w.htmlFrames->defBackground(), chosen.htmlWindowColor);
        QCOMPARE(w.htmlFull->defFontName(), chosen.htmlFontName);
        QCOMPARE(second.ui.unexpected(), 0);
    }

    void appliedButCancelledIsNotStored() {
        TestFolder dir;
        SettingsStore store(dir.file("store.ini"));
        EditorOptions before;
        {
            Run first(store, dir.path());
            before = first.program->editorOptions().inForce();
            first.withDialog(
                [&](EditorOptionsDialog &d) {
                    d.setOptions(everyValueChanged());
                    d.findChild<QPushButton *>("ApplyButton")->click();
                },
                "CancelButton");
            QCOMPARE(first.window().widgets().webPage->editorColor(), QColor(0, 0, 0));
            QVERIFY(first.window().runShutdown());
        }
        Run second(store, dir.path());
        QCOMPARE(second.program->editorOptions().inForce(), before);
        QVERIFY(!second.window().widgets().ewsPanel->isHidden());
    }
};

QTEST_MAIN(TestEditorOptionsProgram)
#include "test_editoroptionsprogram.moc"
