#include "projects/projectcreation.h"
#include "projects/projectsettings.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>

class TestProjectCreation : public QObject {
    Q_OBJECT
private slots:
    void foldersAndEntries_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entryName"); // as the entry keeps it
        QTest::addColumn<QString>("folder");    // under the test folder
        QTest::newRow("plain name") << "  Acme  "
                                    << "Acme"
                                    << "Acme";
        QTest::newRow("relative with backslashes") << "Sites\\Acme"
                                                   << "Sites\\Acme"
                                                   << "Sites/Acme";
        QTest::newRow("relative with slash and trailing separator") << "Sites/Acme/"
                                                                    << "Sites/Acme"
                                                                    << "Sites/Acme";
        QTest::newRow("absolute") << "<abs>/Web/Acme"
                                  << "<abs>/Web/Acme"
                                  << "elsewhere/Web/Acme";
        QTest::newRow("existing folder") << "Here"
                                         << "Here"
                                         << "Here";
    }
    void foldersAndEntries() {
        QFETCH(QString, typed);
        QFETCH(QString, entryName);
        QFETCH(QString, folder);
        TestFolder program;
        TestFolder other;
        const QString abs = other.path() + "elsewhere";
        typed.replace("<abs>", abs);
        entryName.replace("<abs>", abs);
        QDir().mkdir(program.file("Here"));
        const QString where =
            folder.startsWith("elsewhere") ? other.file(folder) : program.file(folder);

        ProjectTree tree;
        tree.addProject("Old - old");
        ScriptedUserInteraction ui;
        NewProject input{typed, "  Acme site ", ProjectSettings()};
        input.settings.webURL = "www.acme.test";
        input.settings.loginPassword = "pw";
        const CreateProjectResult r = createProject(tree, program.path(), input, ui);
        QCOMPARE(r.outcome, CreateProjectResult::Outcome::Created);
        QCOMPARE(ui.asked().size(), 0);
        QCOMPARE(input.description, QString("Acme site"));
        QCOMPARE(input.name, entryName);
        QCOMPARE(r.project, 1);
        QCOMPARE(tree.projectText(1), "Acme site - " + entryName);
        QCOMPARE(tree.pages(1), QStringList("#Default Project Settings - PROJECT.INI"));
        QCOMPARE(r.settingsEntry, (EntryRef{1, 0}));
        QVERIFY(QFileInfo(where).isDir());
        QCOMPARE(readProjectSettings(where), input.settings);
    }

    void existingSettingsFileIsKept() {
        TestFolder program;
        const QByteArray old = "[PROJECT]\r\nWebURL=www.old.test\r\nPassive=1\r\n";
        program.write("Acme/PROJECT.INI", old);
        ProjectTree tree;
        ScriptedUserInteraction ui;
        NewProject input{"Acme", "Acme", ProjectSettings()};
        input.settings.webURL = "www.new.test";
        QCOMPARE(createProject(tree, program.path(), input, ui).outcome,
                 CreateProjectResult::Outcome::Created);
        QCOMPARE(ui.messageTexts(),
                 QStringList("Project already exists, using previously defined defaults."));
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(TestFolder::read(program.file("Acme/PROJECT.INI")), old);
        QCOMPARE(tree.projectCount(), 1);
    }

    void refusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        using O = CreateProjectResult::Outcome;
        QTest::newRow("no name") << "  "
                                 << "Acme" << int(O::MissingField) << "Required field missing!"
                                 << int(Msg::Information);
        QTest::newRow("no description")
            << "Acme"
            << "" << int(O::MissingField) << "Required field missing!" << int(Msg::Information);
        QTest::newRow("dash in description")
            << "Acme"
            << "Acme - site" << int(O::DashInDescription)
            << "The dash character, '-', is not allowed in a project description.  Please "
               "remove it before continuing."
            << int(Msg::Warning);
        QTest::newRow("a file where the folder goes")
            << "blocked"
            << "Acme" << int(O::FolderFailed) << "Error processing new project directory!"
            << int(Msg::Warning);
        QTest::newRow("a file in the path")
            << "blocked/Acme"
            << "Acme" << int(O::FolderFailed) << "Error processing new project directory!"
            << int(Msg::Warning);
    }
    void refusals() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(int, kind);
        TestFolder program;
        program.write("blocked", "a file");
        ProjectTree tree;
        ScriptedUserInteraction ui;
        NewProject input{name, description, ProjectSettings()};
        QCOMPARE(int(createProject(tree, program.path(), input, ui).outcome), outcome);
        QCOMPARE(ui.messageTexts(), QStringList(message));
        QCOMPARE(ui.asked().at(0).kind, kind);
        QCOMPARE(ui.asked().at(0).buttons, int(Msg::Ok));
        QVERIFY(tree.isEmpty());
        QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList("blocked"));
    }

    void unwritableSettingsAddNothing() {
        TestFolder program;
        QDir().mkdir(program.file("Acme"));
        ProjectTree tree;
        ScriptedUserInteraction ui;
        NewProject input{"Acme", "Acme", ProjectSettings()};
        // No file may grow beyond 0 bytes: the settings cannot be written,
        // even by root.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit none = old;
        none.rlim_cur = 0;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
        const auto outcome = createProject(tree, program.path(), input, ui).outcome;
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(outcome, CreateProjectResult::Outcome::Failed);
        QCOMPARE(ui.messageTexts(), QStringList("Project directory exists."));
        QVERIFY(tree.isEmpty());
    }

    void themes() {
        TestFolder program;
        for (const char *name : {"t_ocean.gif", "T_Forest.GIF", "t_dusk.big.gif", "l_ocean.gif",
                                 "t_.gif", "t_note.txt", "x_t_bad.gif"})
            program.write(QString("themes/") + name, "GIF89a");
        QCOMPARE(themeNames(program.path()), QStringList({"dusk", "Forest", "ocean"}));
        QVERIFY(themeNames(program.file("none")).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestProjectCreation)
#include "test_projectcreation.moc"
