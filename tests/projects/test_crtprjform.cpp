#include "projects/passwordcipher.h"
#include "projects/projectsettings.h"
#include "projects/projecttree.h"
#include "projects/ui/crtprjform.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

template <class T> T *child(QWidget *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QLineEdit *line(QWidget *parent, const char *name) {
    return child<QLineEdit>(parent, name);
}

QColor labelColor(QWidget *parent, const char *name) {
    return child<QLabel>(parent, name)->palette().color(QPalette::WindowText);
}

const QStringList kThemes{"dusk", "forest", "ocean"};

} // namespace

class TestCrtPrjForm : public QObject {
    Q_OBJECT
private slots:
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("PrjName") << "PrjName" << 180 << ""
                                 << "Creates a subdirectory for a project.  Do not enter drive "
                                    "information.";
        QTest::newRow("PrjDesc") << "PrjDesc" << 35 << ""
                                 << "Enter the description of the Project";
        QTest::newRow("WebsiteURL") << "WebsiteURL" << 32767 << "www.example.com"
                                    << "";
        QTest::newRow("FTPDirectory") << "FTPDirectory" << 32767 << ""
                                      << "";
        QTest::newRow("FTPLoginID") << "FTPLoginID" << 32767 << ""
                                    << "";
        QTest::newRow("FTPLoginPassword") << "FTPLoginPassword" << 32767 << ""
                                          << "";
        QTest::newRow("Email") << "Email" << 32767 << "webmaster@example.com"
                               << "";
        for (const char *c :
             {"TextColorText", "LinkColorText", "vLinkColorText", "ALinkColorText", "bgColorText"})
            QTest::newRow(c) << c << 6 << "000000"
                             << "";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        QCOMPARE(form.windowTitle(), QString("Create Project"));
        auto *edit = line(&form, name.toLatin1().constData());
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->toolTip(), hint);
        QVERIFY(edit->isEnabled());
    }

    void buttonsLabelsAndThemes() {
        ScriptedUserInteraction ui;
        TestFolder program;
        CrtPrjForm form(ui, program.path(), kThemes);
        QCOMPARE(line(&form, "FTPLoginPassword")->echoMode(), QLineEdit::Password);
        for (const char *b : {"TextButton", "LinkButton", "vLinkButton", "ALinkButton", "bgButton"})
            QCOMPARE(child<QToolButton>(&form, b)->toolTip(), QString("Click to select a color"));
        QCOMPARE(child<QPushButton>(&form, "OkBtn")->text(), QString("Ok"));
        QCOMPARE(child<QPushButton>(&form, "Cancel")->text(), QString("Cancel"));
        QVERIFY(child<QToolButton>(&form, "SpeedButton1"));
        QStringList labels;
        for (QLabel *l : form.findChildren<QLabel *>())
            labels << l->text();
        for (const char *t : {"Project Directory:", "Project Description:", "Website URL:",
                              "Default Web Directory:", "User Name:", "Password:",
                              "Default EMail Address:", "Text Color", "Link Color", "VLink Color",
                              "ALink Color", "Background", "Default Theme:"})
            QVERIFY2(labels.contains(t), t);
        auto *themes = child<QComboBox>(&form, "ThemeChoices");
        QVERIFY(!themes->isEditable());
        QCOMPARE(themes->count(), 3);
        QCOMPARE(themes->currentIndex(), -1);
        QVERIFY(form.settings().themeStyle.isEmpty());
    }

    void okMakesTheProject() {
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        line(&form, "PrjName")->setText(" Sites\\Acme\\ ");
        line(&form, "PrjDesc")->setText("Acme ");
        line(&form, "FTPLoginPassword")->setText("pw");
        line(&form, "bgColorText")->setText("C0C0C0");
        child<QComboBox>(&form, "ThemeChoices")->setCurrentIndex(2);
        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(ui.asked().size(), 0);
        QCOMPARE(line(&form, "PrjName")->text(), QString("Sites\\Acme"));
        QCOMPARE(tree.projectText(0), QString("Acme - Sites\\Acme"));
        QCOMPARE(form.creation().settingsEntry, (EntryRef{0, 0}));
        const ProjectSettings s = readProjectSettings(program.file("Sites/Acme"));
        QCOMPARE(s.bgColor, QString("C0C0C0"));
        QCOMPARE(s.themeStyle, QString("ocean"));
        QCOMPARE(s.webURL, QString("www.example.com"));
        QCOMPARE(s.loginPassword, QString("pw"));
        QVERIFY(TestFolder::read(program.file("Sites/Acme/PROJECT.INI"))
                    .contains("LoginPassword=" + encodeStr("pw").toLatin1()));
    }

    void missingFieldKeepsTheDialogOpen() {
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        form.show();
        line(&form, "PrjName")->setText("Acme");
        line(&form, "PrjDesc")->setText("   ");
        child<QPushButton>(&form, "OkBtn")->click();
        QVERIFY(form.isVisible());
        QCOMPARE(ui.messageTexts(), QStringList("Required field missing!"));
        QVERIFY(tree.isEmpty());
        QVERIFY(line(&form, "PrjDesc")->text().isEmpty());
    }

    void dashSendsTheFocusBack() {
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        form.show();
        QLineEdit *desc = line(&form, "PrjDesc");
        line(&form, "PrjName")->setText("Acme");
        desc->setFocus();
        QTest::keyClicks(desc, "Acme-site");
        // Leaving the field for the next one (sent directly, so that no
        // window manager is needed to make the dialog active).
        line(&form, "Email")->setFocus(Qt::TabFocusReason);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(desc, &leave);
        QTRY_COMPARE(form.focusWidget(), desc);
        const QString dash = "The dash character, '-', is not allowed in a project description.  "
                             "Please remove it before continuing.";
        QCOMPARE(ui.messageTexts(), QStringList(dash));
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Warning));
        // Ok right after: told once, still open, nothing made.
        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(ui.messageTexts(), QStringList(dash));
        QVERIFY(form.isVisible());
        QVERIFY(tree.isEmpty());
        // Enter in the field after another edit tells it again.
        QTest::keyClick(desc, Qt::Key_Backspace);
        QTest::keyClick(desc, Qt::Key_E);
        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(ui.messageTexts().size(), 2);
        desc->setText("Acme site");
        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(tree.projectText(0), QString("Acme site - Acme"));
    }

    void modifyModeEditsTheSettingsFile() {
        ScriptedUserInteraction ui;
        TestFolder program;
        program.write("Acme/PROJECT.INI", "[PROJECT]\r\nPassive=1\r\nTextColor=FF0000\r\n");
        ProjectSettings s = readProjectSettings(program.file("Acme"));
        s.themeStyle = "forest";
        s.loginPassword = "old";
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startModify(program.file("Acme"), "Acme site", s);
        QCOMPARE(form.windowTitle(), QString("Modify Project Settings"));
        QVERIFY(form.isModifyMode());
        QCOMPARE(line(&form, "PrjName")->text(), program.file("Acme"));
        QCOMPARE(line(&form, "PrjDesc")->text(), QString("Acme site"));
        QVERIFY(!line(&form, "PrjName")->isEnabled());
        QVERIFY(!line(&form, "PrjDesc")->isEnabled());
        QCOMPARE(line(&form, "TextColorText")->text(), QString("FF0000"));
        QCOMPARE(labelColor(&form, "TextColorLabel"), QColor(255, 0, 0));
        QCOMPARE(line(&form, "WebsiteURL")->text(), QString());
        QCOMPARE(child<QComboBox>(&form, "ThemeChoices")->currentText(), QString("forest"));
        QCOMPARE(line(&form, "FTPLoginPassword")->text(), QString("old"));

        ui.answerColor(QColor(0x12, 0x34, 0x56));
        child<QToolButton>(&form, "LinkButton")->click();
        QCOMPARE(line(&form, "LinkColorText")->text(), QString("123456"));
        QCOMPARE(labelColor(&form, "LinkColorLabel"), QColor(0x12, 0x34, 0x56));
        ui.answerColor(QColor()); // Cancel
        child<QToolButton>(&form, "bgButton")->click();
        QCOMPARE(line(&form, "bgColorText")->text(), QString("000000"));

        child<QPushButton>(&form, "OkBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const QByteArray ini = TestFolder::read(program.file("Acme/PROJECT.INI"));
        QVERIFY(ini.startsWith("[PROJECT]\r\nPassive=1\r\nTextColor=FF0000\r\n"));
        const ProjectSettings again = readProjectSettings(program.file("Acme"));
        QCOMPARE(again.linkColor, QString("123456"));
        QCOMPARE(again.themeStyle, QString("forest"));
        QCOMPARE(again.loginPassword, QString("old"));
    }

    void modifyModeReportsAFileItCannotWrite() {
        ScriptedUserInteraction ui;
        TestFolder program;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startModify("/proc/none", "Gone", ProjectSettings());
        form.show();
        child<QPushButton>(&form, "OkBtn")->click();
        QVERIFY(form.isVisible());
        QCOMPARE(ui.messageTexts().size(), 1);
        QVERIFY(ui.messageTexts().at(0).startsWith("Unable to write to /proc/none/PROJECT.INI"));
    }

    void labelsFollowTheColourFields() {
        ScriptedUserInteraction ui;
        CrtPrjForm form(ui, "/tmp/", kThemes);
        line(&form, "vLinkColorText")->setText("00FF00");
        QCOMPARE(labelColor(&form, "vLinkColorLabel"), QColor(0, 255, 0));
        line(&form, "vLinkColorText")->setText("zz"); // not a colour: label unchanged
        QCOMPARE(labelColor(&form, "vLinkColorLabel"), QColor(0, 255, 0));
    }

    void browseTakesTheFolderOfTheChosenFile() {
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        ui.answerFile("/srv/web/acme/index.htm");
        child<QToolButton>(&form, "SpeedButton1")->click();
        QCOMPARE(line(&form, "PrjName")->text(), QString("/srv/web/acme"));
        child<QToolButton>(&form, "SpeedButton1")->click(); // cancelled
        QCOMPARE(line(&form, "PrjName")->text(), QString("/srv/web/acme"));
    }

    void cancelMakesNothing() {
        ScriptedUserInteraction ui;
        TestFolder program;
        ProjectTree tree;
        CrtPrjForm form(ui, program.path(), kThemes);
        form.startNew(tree);
        form.show();
        line(&form, "PrjName")->setText("Acme");
        line(&form, "PrjDesc")->setText("Acme");
        child<QPushButton>(&form, "Cancel")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(tree.isEmpty());
        QVERIFY(!QFileInfo::exists(program.file("Acme")));
    }
};

QTEST_MAIN(TestCrtPrjForm)
#include "test_crtprjform.moc"
