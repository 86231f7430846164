// Quilmead: start-up. The splash window shows first; the main window is made
// and runs its creation step; then the splash goes, the main window shows and
// the event loop runs. The preview engine is loaded once the window is on
// screen, so that it does not delay the first window.

#include "app/programdir.h"
#include "app/ui/aboutbox.h"
#include "app/ui/mainwindow.h"
#include "app/ui/qtuserinteraction.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <unistd.h>

int main(int argc, char *argv[]) {
    // The browser engine refuses its sandbox when run by root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ViewerEngine::prepareApplication();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnholm"));
    QApplication::setApplicationName(QStringLiteral("Quilmead"));

    SplashWindow splash;
    splash.showNow();

    const QString programDir =
        resolveProgramDir(QApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString title = QStringLiteral("Quilmead 32");
    QtUserInteraction ui(programDir, title);
    Settings settings;
    SettingsStore store;

    MainWindow window(Workbench{settings, store, ui, programDir});
    ui.setParentWindow(&window);
    ui.setTipBook(&window.tips());
    window.runCreationStep();

    splash.close();
    window.show();
    const QString executableDir = QApplication::applicationDirPath();
    QTimer::singleShot(0, &window, [executableDir] { ViewerEngine::instance().load(executableDir); });
    return app.exec();
}
