#include "projects/search/ui/programsearchdialog.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/ui/generalsettingsdialog.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
template <class T> T *child(QWidget *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}
} // namespace

class TestGeneralSettings : public QObject {
    Q_OBJECT
private slots:
    void fillsFromSettingsAndStoresBack() {
        Settings s;
        s.fontSizeChange = 4;
        s.showCustom[1] = true;
        s.extension = QStringLiteral("htm,txt");
        s.timeOut = 30000;
        s.language = 1;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        QCOMPARE(dialog.windowTitle(), QString("General Settings"));
        QCOMPARE(dialog.pages()->currentIndex(), 0);
        QCOMPARE(dialog.pages()->tabText(0), QString("General"));
        QCOMPARE(dialog.pages()->tabText(1), QString("Defaults"));
        QCOMPARE(dialog.pages()->tabText(2), QString("Spell Checker"));
        QCOMPARE(dialog.pages()->tabText(3), QString("FTP"));
        QCOMPARE(child<QSpinBox>(&dialog, "FontAdj")->value(), 4);
        QVERIFY(child<QCheckBox>(&dialog, "CustomPage2")->isChecked());
        QCOMPARE(child<QLineEdit>(&dialog, "ValidExtensions")->text(), QString("htm,txt"));
        QCOMPARE(child<QSpinBox>(&dialog, "FTPTimeOut")->value(), 30);
        QCOMPARE(child<QComboBox>(&dialog, "LanguageChoice")->currentText(), QString("British"));

        child<QSpinBox>(&dialog, "FTPTimeOut")->setValue(45);
        child<QCheckBox>(&dialog, "CustomPage4")->setChecked(true);
        dialog.store();
        QCOMPARE(s.timeOut, 45000);
        QVERIFY(s.showCustom[3]);
        QCOMPARE(ui.asked().size(), 0);
    }

    void limitsOfTheControls() {
        Settings s;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        auto *adj = child<QSpinBox>(&dialog, "FontAdj");
        QCOMPARE(adj->minimum(), 1);
        QCOMPARE(adj->maximum(), 7);
        auto *suggest = child<QSpinBox>(&dialog, "SuggestCount");
        QCOMPARE(suggest->minimum(), 5);
        QCOMPARE(suggest->maximum(), 100);
        QCOMPARE(child<QSpinBox>(&dialog, "FTPTimeOut")->maximum(), 1000);
        QCOMPARE(child<QLineEdit>(&dialog, "ValidExtensions")->maxLength(), 99);
        QCOMPARE(child<QLineEdit>(&dialog, "ValidGraphicExtensions")->maxLength(), 99);
        QVERIFY(child<QComboBox>(&dialog, "DialogStyle")->isHidden());
        QCOMPARE(child<QComboBox>(&dialog, "LanguageChoice")->count(), 9);
        QCOMPARE(child<QCheckBox>(&dialog, "UseAutoUpdate")->toolTip(),
                 QString("Update the HTML Viewer when a change is made to the editor"));
        QCOMPARE(
            child<QSpinBox>(&dialog, "FTPTimeOut")->toolTip(),
            QString(
                "Number of seconds that the FTP component should time out in.  0=never timeout"));
    }

    void tickingAutoUpdateWarnsOnlyWhenTheUserDoesIt() {
        Settings s;
        s.autoUpdate = true;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog filled(s, ui);
        QCOMPARE(ui.asked().size(), 0); // filling the dialog does not warn

        s.autoUpdate = false;
        GeneralSettingsDialog dialog(s, ui);
        child<QCheckBox>(&dialog, "UseAutoUpdate")->click();
        QCOMPARE(
            ui.messageTexts(),
            QStringList{"Please note that on slower machines this feature may cause General "
                        "Protection Faults!  If you experience problems please turn this feature "
                        "off before calling for technical support."});
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(ui.asked().at(0).buttons, int(Msg::Ok));
    }

    void enteringExtensionsShowsHelperSeven() {
        Settings s;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        QList<int> topics;
        dialog.setHelperTipHandler([&](int topic) { topics << topic; });
        dialog.show();
        dialog.pages()->setCurrentIndex(1);
        auto *field = child<QLineEdit>(&dialog, "ValidExtensions");
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(field, &in);
        QCOMPARE(topics, QList<int>{7});
    }

    void graphicRepositoryTakesTheChosenFilesFolder() {
        Settings s;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        ui.answerFile(QStringLiteral("/srv/pictures/logo.gif"));
        child<QToolButton>(&dialog, "BrowseSharedGraphics")->click();
        QCOMPARE(child<QLineEdit>(&dialog, "SharedGraphicsDir")->text(), QString("/srv/pictures"));
        QCOMPARE(ui.asked().at(0).filterIndex, 3);
        QVERIFY(ui.asked().at(0).text.startsWith("Web Documents|"));
        ui.answerFile(QString()); // Cancel keeps the field
        child<QToolButton>(&dialog, "BrowseSharedGraphics")->click();
        QCOMPARE(child<QLineEdit>(&dialog, "SharedGraphicsDir")->text(), QString("/srv/pictures"));
    }

    // Each browser button runs the program search; the program picked there
    // becomes the text of the field beside the button. Cancel, or OK on an
    // empty list, keeps the field.
    void browserButtonsSearchForPrograms_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::newRow("browser 1") << "SearchBrowser1"
                                   << "Browser1";
        QTest::newRow("browser 2") << "SearchBrowser2"
                                   << "Browser2";
    }
    void browserButtonsSearchForPrograms() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        TestFolder tree;
        const QString program = tree.write("bin/firefox", "#!/bin/sh\n");
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        Settings s;
        s.browser1 = s.browser2 = QStringLiteral("/usr/bin/old");
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        auto *search = dialog.findChild<QToolButton *>(button);
        auto *edit = dialog.findChild<QLineEdit *>(field);
        QVERIFY(search && edit && search->isEnabled());

        // Once the program search dialog is up: searches `root` there, then
        // closes the dialog with OK or Cancel.
        auto onSearch = [](const QString &root, bool ok) {
            QTimer::singleShot(0, [root, ok] {
                auto *d = qobject_cast<ProgramSearchDialog *>(QApplication::activeModalWidget());
                if (!d)
                    qFatal("no program search dialog");
                auto *drives = d->findChild<QComboBox *>("DriveComboBox1");
                drives->addItem(root, root);
                drives->setCurrentIndex(drives->count() - 1);
                QSignalSpy ended(d, &ProgramSearchDialog::searchEnded);
                d->search();
                if (!ended.wait(10000))
                    qFatal("the search did not end");
                if (ok)
                    d->accept();
                else
                    d->reject();
            });
        };
        onSearch(tree.path(), false);
        search->click();
        QCOMPARE(edit->text(), QString("/usr/bin/old"));
        onSearch(tree.path(), true);
        search->click();
        QCOMPARE(edit->text(), program);

        TestFolder empty;
        onSearch(empty.path(), true);
        search->click();
        QCOMPARE(edit->text(), program);
        QCOMPARE(ui.messageTexts(), QStringList{"No files matching the mask were found!"});
    }

    void cancelChangesNothing() {
        Settings s;
        ScriptedUserInteraction ui;
        GeneralSettingsDialog dialog(s, ui);
        child<QSpinBox>(&dialog, "FontAdj")->setValue(7);
        dialog.reject();
        QCOMPARE(s.fontSizeChange, 2);
    }
};

QTEST_MAIN(TestGeneralSettings)
#include "test_generalsettings.moc"
