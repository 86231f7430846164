// Quilmead: start-up. The splash window shows first; the main window is made
// and runs its creation step; then the splash goes, the main window shows and
// the event loop runs. The preview engine is loaded only when the first page
// is to be shown, so that it neither delays the first window nor costs
// memory while no page is open.

#include "app/programdir.h"
#include "app/ui/aboutbox.h"
#include "app/ui/dialogdecorations.h"
#include "app/program/program.h"
#include "app/ui/qtuserinteraction.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
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

} // namespace

int main(int argc, char *argv[]) {
    // The browser engine refuses its sandbox when run by root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnholm"));
    QApplication::setApplicationName(QStringLiteral("Quilmead"));

    DialogDecorations::install();
    SplashWindow splash;
    splash.showNow();

    const QString programDir =
        resolveProgramDir(QApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString title = QStringLiteral("Quilmead 32");
    QtUserInteraction ui(programDir, title);
    // A question during start-up comes in front of the splash, at once.
    ui.setBeforeDialog([&splash] { splash.close(); });
    Settings settings;
    SettingsStore store;

    Program program(Workbench{settings, store, ui, programDir});
    MainWindow &window = program.window();
    ui.setParentWindow(&window);
    ui.setTipBook(&window.tips());
    window.runCreationStep();

    splash.close();
    window.show();
    // The preview engine is loaded when the first page is to be shown.
    ViewerEngine::instance().loadOnDemand(QApplication::applicationDirPath());
    if (qEnvironmentVariableIsSet("QUILMEAD_BENCH_STARTUP")) {
        QTimer::singleShot(0, &window, [] {
            benchMark("shown-idle");
            ViewerEngine::instance().load(QApplication::applicationDirPath());
            benchMark("engine-loaded");
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        });
    }
    return app.exec();
}
