// The first page shown in a session brings the preview's engine into the
// main window. Its native window must stay the same one: were it made anew,
// the window would vanish for a moment and come back black.

#include "app/program/program.h"
#include "app/ui/mainwindow.h"
#include "documents/ui/documentcontroller.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "testfolder.h"

#include <QPlatformSurfaceEvent>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace {

// Counts the native surfaces a window gives up.
class SurfaceWatch : public QObject {
public:
    int destroyed = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            ++destroyed;
        return false;
    }
};

} // namespace

class TestFirstPreview : public QObject {
    Q_OBJECT
private slots:
    void theWindowKeepsItsNativeWindowWhenThePreviewFirstShows() {
        ViewerEngine::instance().loadOnDemand(qEnvironmentVariable("QUILMEAD_PROGRAM_DIR"));
        TestFolder dir;
        dir.write("page.htm", "<HTML><BODY><H1>First</H1><P>Shown.</P></BODY></HTML>\r\n");
        SettingsStore store(dir.file("store.ini"));
        Settings settings;
        ScriptedUserInteraction ui;
        Program program(Workbench{settings, store, ui, dir.path() + QLatin1Char('/')});
        MainWindow &window = program.window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QWindow *native = window.windowHandle();
        QVERIFY(native);
        const WId id = window.winId();
        SurfaceWatch watch;
        native->installEventFilter(&watch);

        HtmlViewer *preview = window.widgets().htmlSplit;
        QSignalSpy rendered(preview, &HtmlViewer::loadFinished);
        program.documents().loadFile(dir.file("page.htm"), false);
        QTRY_VERIFY_WITH_TIMEOUT(rendered.count() > 0, 60000);
        QTest::qWait(50);

        QCOMPARE(watch.destroyed, 0);
        QCOMPARE(window.windowHandle(), native);
        QCOMPARE(window.winId(), id);

        ui.answerMessage(Msg::ResultNo);
        QVERIFY(window.runShutdown());
    }
};

QTEST_MAIN(TestFirstPreview)
#include "test_firstpreview.moc"
