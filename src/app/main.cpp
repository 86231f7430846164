// Quilmead: start-up. Files given on the command line go to a program that
// is running already, if there is one, and this start ends. Otherwise the
// splash window shows first; the main window is made and runs its creation
// step; then the splash goes, the main window shows, unsaved pages of an
// earlier run that crashed are offered, the given files open, and the event
// loop runs. The preview engine is loaded only when the first page is to be
// shown, so that it neither delays the first window nor costs memory while no
// page is open.
//
// Two environment variables serve the tests that start the program itself:
//   QUILMEAD_STARTUP_REPORT=1   once the window is up, print "program-dir",
//                               "tips", "module-dir", "engine-loaded" (or
//                               "engine-error") and "window-visible", then quit.
//   QUILMEAD_ANSWER_RECOVERY=open|discard|later
//                               instead of the "Recover unsaved pages" dialog,
//                               print each offered page ("recover-page PATH")
//                               and answer for all of them.

#include "app/instancelink.h"
#include "app/launchfiles.h"
#include "app/program/program.h"
#include "app/programdir.h"
#include "app/ui/aboutbox.h"
#include "app/ui/dialogdecorations.h"
#include "app/ui/qtuserinteraction.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

// For the start-up benchmark: with QUILMEAD_BENCH_STARTUP set, the program
// prints the monotonic clock when its window is shown and the event loop has
// gone idle, and again once the preview engine module is loaded, then quits.
void benchMark(const char *what) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%s-ns %lld\n", what,
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    // Peak resident memory so far, from the kernel's account of the process.
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::printf("%s-hwm-kb %lld\n", what, std::atoll(line + 6));
        std::fclose(status);
    }
    std::fflush(stdout);
}

void report(const QString &key, const QString &value) {
    std::printf("%s %s\n", qPrintable(key), qPrintable(value));
    std::fflush(stdout);
}

// The recovery answer for tests (QUILMEAD_ANSWER_RECOVERY); none when unset.
RecoveryChooser scriptedRecovery() {
    const QString answer = qEnvironmentVariable("QUILMEAD_ANSWER_RECOVERY");
    if (answer.isEmpty())
        return {};
    return [answer](const QList<RecoverablePage> &pages, QList<RecoveryAction> &actions) {
        for (const RecoverablePage &page : pages) {
            report(QStringLiteral("recover-page"), page.document);
            actions << (answer == QLatin1String("discard") ? RecoveryAction::Discard
                                                           : RecoveryAction::Open);
        }
        return answer == QLatin1String("open") || answer == QLatin1String("discard");
    };
}

} // namespace

int main(int argc, char *argv[]) {
    // The browser engine refuses its sandbox when run by root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnholm"));
    QApplication::setApplicationName(QStringLiteral("Quilmead"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnholm.Quilmead"));

    // `quilmead FILE...` while the program runs: the running window opens them.
    const QStringList files = launchFiles(app.arguments().mid(1), QDir::currentPath());
    const QString serverName =
        instanceServerName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!files.isEmpty() && handOverFiles(serverName, files))
        return 0;
    InstanceServer server;
    server.listen(serverName);

    DialogDecorations::install();
    SplashWindow splash;
    splash.showNow();

    const QString userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString programDir = resolveProgramDir(QApplication::applicationDirPath(), userDataDir);
    const QString moduleDir =
        resolveModuleDir(QApplication::applicationDirPath(), ViewerEngine::moduleFileName());
    const QString title = QStringLiteral("Quilmead 32");
    QtUserInteraction ui(programDir, title);
    // A question during start-up comes in front of the splash, at once.
    ui.setBeforeDialog([&splash] { splash.close(); });
    Settings settings;
    SettingsStore store;

    Program program(
        Workbench{settings, store, ui, programDir},
        SessionOptions{userDataDir + QStringLiteral("/sessions"), files, scriptedRecovery()});
    QObject::connect(&server, &InstanceServer::filesArrived, &program.session(),
                     &SessionArea::openFiles);
    MainWindow &window = program.window();
    ui.setParentWindow(&window);
    ui.setTipBook(&window.tips());
    window.runCreationStep();

    splash.close();
    window.show();
    // The preview engine is loaded when the first page is to be shown.
    ViewerEngine::instance().loadOnDemand(moduleDir);
    if (qEnvironmentVariableIsSet("QUILMEAD_BENCH_STARTUP")) {
        QTimer::singleShot(0, &window, [moduleDir] {
            benchMark("shown-idle");
            ViewerEngine::instance().load(moduleDir);
            benchMark("engine-loaded");
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        });
    } else if (qEnvironmentVariableIsSet("QUILMEAD_STARTUP_REPORT")) {
        QTimer::singleShot(0, &window, [&window, programDir, moduleDir] {
            report(QStringLiteral("program-dir"), programDir);
            report(QStringLiteral("tips"), QString::number(window.tips().count()));
            report(QStringLiteral("module-dir"), moduleDir);
            QString error;
            if (ViewerEngine::instance().load(moduleDir, &error))
                report(QStringLiteral("engine-loaded"), QStringLiteral("1"));
            else
                report(QStringLiteral("engine-error"), error);
            report(QStringLiteral("window-visible"), QString::number(window.isVisible()));
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        });
    }
    return app.exec();
}
