// Viewers before and without the engine module, and the module loaded from
// the program folder as the program loads it. The module, once loaded,
// stays: the functions run in their order, and each also passes alone.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "testfolder.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString noticeOf(const HtmlViewer &viewer) {
    const QLabel *label = viewer.findChild<QLabel *>();
    return label && !label->isHidden() ? label->text() : QString();
}

QString longPage(const QString &title) {
    QString html = QStringLiteral("<title>%1</title>").arg(title);
    for (int i = 0; i < 200; ++i)
        html += QStringLiteral("<p>Line %1</p>").arg(i);
    return html;
}

} // namespace

class TestViewerEngine : public QObject {
    Q_OBJECT

    TestFolder folder;
    std::unique_ptr<HtmlViewer> early;

    // What the early viewer is asked before the engine is there.
    void askEarlyViewer() {
        HtmlViewer &v = *early;
        v.loadFromString(longPage("Pending"), folder.path());
        v.setPosition(120);
        v.setViewImages(false);
        v.setDefFontSize(20);
    }

private slots:
    void initTestCase() {
        QVERIFY(!ViewerEngine::instance().isLoaded());
        early = std::make_unique<HtmlViewer>();
        early->resize(400, 300);
        early->show();
    }
    void cleanupTestCase() { early.reset(); }

    // Without an engine every operation is harmless and answers at once.
    void withoutEngine() {
        HtmlViewer &v = *early;
        QVERIFY(!v.hasBackend());
        QCOMPARE(noticeOf(v), QString()); // not loaded yet is not a failure
        QSignalSpy finished(&v, &HtmlViewer::loadFinished);
        askEarlyViewer();
        QVERIFY(!v.isBusy());
        QCOMPARE(v.position(), 120);
        QCOMPARE(v.maxPosition(), 0);
        QCOMPARE(v.documentTitle(), QString());
        v.selectAll();
        v.copyToClipboard();
        QCOMPARE(v.selectionLength(), 0);
        int found = -1, printed = -1;
        QString text = "x";
        v.find("Line", false, [&](bool f) { found = f; });
        QPrinter printer;
        v.print(printer, [&](bool ok) { printed = ok; });
        v.renderedText([&](const QString &t) { text = t; });
        QCOMPARE(found, 0);
        QCOMPARE(printed, 0);
        QCOMPARE(text, QString());
        v.setHistoryIndex(0);
        QVERIFY(finished.isEmpty());
    }

    void loadFailures_data() {
        QTest::addColumn<QByteArray>("module"); // empty: no module file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "missing";
        QTest::newRow("not a library") << QByteArray("not a shared object") << "could not";
        QFile zlib("/usr/lib/x86_64-linux-gnu/libz.so.1");
        if (zlib.open(QIODevice::ReadOnly))
            QTest::newRow("no factory") << zlib.readAll() << "does not offer";
    }
    void loadFailures() {
        QFETCH(QByteArray, module);
        QFETCH(QString, reason);
        TestFolder dir;
        if (!module.isEmpty())
            dir.write(ViewerEngine::moduleFileName(), module);
        QString error;
        QVERIFY(!ViewerEngine::instance().load(dir.path(), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(error.contains(ViewerEngine::moduleFileName()));
        QVERIFY(ViewerEngine::instance().hasFailed());
        QVERIFY(!ViewerEngine::instance().isLoaded());
        // Waiting viewers and new ones say so instead of showing a page.
        QCOMPARE(noticeOf(*early), QStringLiteral("Preview not available"));
        HtmlViewer later;
        QCOMPARE(noticeOf(later), QStringLiteral("Preview not available"));
        later.loadFromString("<p>x</p>", dir.path());
        QVERIFY(!later.isBusy());
    }

    // Loading the real module serves the waiting viewer with what it was
    // asked to show, and every later viewer at once.
    void loadFromProgramFolder() {
        if (!ViewerEngine::instance().isLoaded())
            askEarlyViewer(); // as withoutEngine does, also when run alone
        const QString programDir = qEnvironmentVariable("QUILMEAD_PROGRAM_DIR");
        QVERIFY(!programDir.isEmpty());
        QString error;
        QVERIFY2(ViewerEngine::instance().load(programDir, &error), qPrintable(error));
        QVERIFY(ViewerEngine::instance().isLoaded());
        QVERIFY(!ViewerEngine::instance().hasFailed());
        QVERIFY(early->hasBackend());
        QCOMPARE(noticeOf(*early), QString());
        QTRY_COMPARE_WITH_TIMEOUT(early->documentTitle(), QStringLiteral("Pending"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!early->isBusy(), 5000);
        QCOMPARE(early->position(), 120);
        QVERIFY(!early->viewImages());
        QCOMPARE(early->defFontSize(), 20);

        HtmlViewer later;
        QVERIFY(!later.hasBackend()); // nothing to show yet
        QSignalSpy finished(&later, &HtmlViewer::loadFinished);
        later.loadFromString("<title>Later</title>", folder.path());
        QVERIFY(later.hasBackend());
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 15000);
        QCOMPARE(later.documentTitle(), QStringLiteral("Later"));

        QVERIFY(ViewerEngine::instance().load(QStringLiteral("/nonexistent"), &error));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestViewerEngine test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_viewerengine.moc"
