// The first half of the crash test: the whole program (as main() builds it)
// opens the pages it is given, types into each, waits until the text typed
// has reached every parking file, prints "ready" and waits to be killed.
//   crashchild SESSIONS_FOLDER PROGRAM_DIR PAGE...

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QStringList pages = args.mid(3);
    Settings settings;
    // The store beside the sessions folder, in the test's own user folder:
    // the program folder is the build tree's, shared by every test.
    SettingsStore store(QDir::cleanPath(args.at(1) + QStringLiteral("/../store.ini")));
    ScriptedUserInteraction ui;
    Program program(Workbench{settings, store, ui, args.at(2) + QStringLiteral("/")},
                    SessionOptions{args.at(1), pages, {}});
    MainWindow &window = program.window();
    window.runCreationStep();
    window.show();

    QTimer poll;
    bool typed = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        DocumentController &docs = program.documents();
        if (docs.count() < pages.size())
            return;
        if (!typed) {
            typed = true;
            // Typing into each page in turn parks the ones left.
            for (int i = 0; i < docs.count(); ++i) {
                program.window().widgets().webPageTabs->setCurrentIndex(i);
                docs.editor().appendText(QStringLiteral("typed into %1").arg(i + 1));
                docs.editor().setModifiedFlag(true);
                emit docs.editor().changed();
            }
            return;
        }
        for (int i = 0; i < pages.size(); ++i) {
            QFile parking(pages.at(i) + QStringLiteral("_"));
            if (!parking.open(QIODevice::ReadOnly) ||
                !parking.readAll().contains(QStringLiteral("typed into %1").arg(i + 1).toUtf8()))
                return;
        }
        std::printf("ready\n");
        std::fflush(stdout);
        poll.stop();
    });
    poll.start(100);
    return app.exec();
}
