// The browser engine is loaded only when a viewer first has something to show.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "testfolder.h"

#include <QSignalSpy>
#include <QtTest>

class TestViewerDemand : public QObject {
    Q_OBJECT
private slots:
    void engineArrivesWithTheFirstPage() {
        ViewerEngine &engine = ViewerEngine::instance();
        HtmlViewer empty;
        HtmlViewer viewer;
        engine.loadOnDemand(qEnvironmentVariable("QUILMEAD_PROGRAM_DIR"));
        empty.clear();
        QTest::qWait(50);
        QVERIFY(!engine.isLoaded()); // nothing to show yet: nothing loaded

        TestFolder folder;
        QSignalSpy finished(&viewer, &HtmlViewer::loadFinished);
        viewer.loadFromString("<title>First</title><p>page</p>", folder.path());
        QVERIFY(!engine.isLoaded()); // loaded from the event loop, not inside the call
        QTRY_VERIFY_WITH_TIMEOUT(engine.isLoaded(), 10000);
        QVERIFY(viewer.hasBackend());
        QVERIFY(!empty.hasBackend()); // an empty viewer still costs no browser view
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 20000);
        QCOMPARE(viewer.documentTitle(), QStringLiteral("First"));

        // Clearing a viewer without a view reports an empty page at once.
        QSignalSpy emptied(&empty, &HtmlViewer::loadFinished);
        empty.clear();
        QTRY_COMPARE(emptied.size(), 1);
        QVERIFY(!empty.hasBackend());
    }
};

QTEST_MAIN(TestViewerDemand)
#include "test_viewerdemand.moc"
