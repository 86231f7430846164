// The Table Veda Guy's preview on the real browser engine: the table is
// rendered, and a mouse click on a cell's "*" selects that cell.

#include "fakegeneratorhost.h"
#include "generators/table/ui/tablecreatedialog.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

extern "C" ViewerBackend *quilmead_create_viewer_backend(QWidget *parent, ViewerEvents *events);

class TestTablePreview : public QObject {
    Q_OBJECT

    // Runs a script in the shown page and returns its result.
    static QVariant runScript(HtmlViewer *viewer, const QString &source) {
        auto *view = viewer->findChild<QWebEngineView *>();
        if (!view)
            return QVariant();
        auto answer = std::make_shared<std::pair<bool, QVariant>>();
        view->page()->runJavaScript(source, [answer](const QVariant &value) {
            answer->second = value;
            answer->first = true;
        });
        if (!QTest::qWaitFor([&] { return answer->first; }, 10000))
            return QVariant();
        return answer->second;
    }

private slots:
    void initTestCase() {
        ViewerEngine::instance().registerFactory(quilmead_create_viewer_backend);
    }

    void clickingAStarSelectsItsCell() {
        FakeGeneratorHost host;
        TableCreateDialog dialog(host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *viewer = dialog.findChild<HtmlViewer *>("HTMLViewer");
        QVERIFY(viewer);
        QSignalSpy loaded(viewer, &HtmlViewer::loadFinished);
        dialog.findChild<QPushButton *>("TblBuild")->click();
        QVERIFY(loaded.wait(60000));

        // Four cells, each with its star.
        QCOMPARE(runScript(viewer, "document.querySelectorAll('td').length").toInt(), 4);
        const QVariantList r =
            runScript(viewer, "(function(){ const r = document.querySelector("
                              "'a[href=\"Cell:2.\"]').getBoundingClientRect();"
                              " return [r.x + r.width / 2, r.y + r.height / 2]; })()")
                .toList();
        QCOMPARE(r.size(), 2);
        QWidget *target = viewer->findChild<QWebEngineView *>()->focusProxy();
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(r.at(0).toInt(), r.at(1).toInt()));

        auto *notebook = dialog.findChild<QStackedWidget *>("Notebook1");
        QTRY_COMPARE_WITH_TIMEOUT(notebook->currentIndex(), 2, 10000);
        QCOMPARE(dialog.findChild<QLineEdit *>("CellText")->text(), QString("Cell:3"));
        QCOMPARE(dialog.model().currentCell(), 7);
        // The preview stayed on the table.
        QVERIFY(viewer->history().isEmpty());
    }
};

QTEST_MAIN(TestTablePreview)
#include "test_gen_table_preview.moc"
