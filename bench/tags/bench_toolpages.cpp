// Times the Tables page's quick table of 30 columns by 1000 rows (32002
// lines) pressed in a real main window on the real browser engine, into an
// empty page and into the middle of a 20 MB page: the press itself (building
// the lines, putting them into the editor, the one preview refresh it asks
// for) and the time until the preview shows the result. Counts the preview
// refreshes each press makes, and, for comparison, how long the preview
// takes to show the page without the table. Prints the figures; never fails on a slow
// machine.
//
//   bench_toolpages [megabytes]

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "tags/ui/tagcontroller.h"

#include "benchsupport.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <vector>

namespace {

void report(const char *what, const std::vector<double> &ms) {
    bench::report(what, ms, 56);
}

// Waits until the split preview has laid out a rendering; returns the
// milliseconds waited, or -1 after a minute.
double waitForPreview(PreviewController &preview, HtmlViewer *split) {
    QElapsedTimer t;
    t.start();
    bool ready = false;
    auto c = QObject::connect(&preview, &PreviewController::viewerRefreshed,
                              [&](HtmlViewer *viewer) { ready = ready || viewer == split; });
    while (!ready && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(c);
    return ready ? t.nsecsElapsed() / 1e6 : -1;
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QTemporaryDir dir;
    bench::QuietInteraction ui;
    Settings settings;
    SettingsStore store(dir.filePath("store.ini"));
    Program program(Workbench{settings, store, ui, dir.path() + "/"});
    MainWindow &window = program.window();
    window.runCreationStep();
    settings.showTipOfTheDay = false;
    settings.autoUpdate = false;
    window.resize(1000, 750);
    window.show();
    window.runFirstShow();
    QString error;
    if (!ViewerEngine::instance().load(QStringLiteral(QUILMEAD_PROGRAM_DIR), &error)) {
        std::printf("The preview module could not be loaded: %s\n", qPrintable(error));
        return 1;
    }
    const MainWidgets &w = window.widgets();
    TLEdit &editor = *w.webPage;
    window.findChild<QSpinBox *>("Cols")->setValue(30);
    window.findChild<QSpinBox *>("Rows")->setValue(1000);
    QToolButton *insert = window.findChild<QToolButton *>("SpeedButton7");

    int refreshes = 0;
    QObject::connect(&program.tags(), &TagController::previewRefreshed, [&] { ++refreshes; });

    struct Case {
        const char *name;
        QByteArray page;
        int runs;
    };
    const Case cases[] = {
        {"empty page", QByteArray(), 5},
        {"20 MB page, caret in the middle", bench::makeLargePage(qint64(megabytes) * 1024 * 1024),
         3},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(&c - cases));
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return 1;
            file.write(c.page);
        }
        if (!program.documents().loadFile(path, false)) {
            std::printf("could not open the page\n");
            return 1;
        }
        waitForPreview(program.preview(), w.htmlSplit);
        std::printf("%s: %.1f MB, %d lines\n", c.name, editor.textLength() / 1048576.0,
                    editor.lineCount());

        std::vector<double> press, shown, counts, alone;
        // For comparison: the same page refreshed without the table.
        alone.push_back(bench::timeOnce([&] {
            program.preview().updateWebView();
            waitForPreview(program.preview(), w.htmlSplit);
        }));
        for (int i = 0; i < c.runs; ++i) {
            editor.startLine = editor.endLine = std::max(1, editor.lineCount() / 2);
            editor.startPos = editor.endPos = 0;
            editor.applySelection();
            QApplication::processEvents();
            const int before = refreshes;
            const int lines = editor.lineCount();
            press.push_back(bench::timeOnce([&] { insert->click(); }));
            shown.push_back(waitForPreview(program.preview(), w.htmlSplit));
            counts.push_back(refreshes - before);
            if (editor.lineCount() != lines + 32002)
                std::printf("  unexpected: %d lines added\n", editor.lineCount() - lines);
            editor.undoEdit();
            QApplication::processEvents();
        }
        report("  press: lines built, inserted, refresh asked for", press);
        report("  then until the preview shows it", shown);
        report("  (the page without the table, refreshed: until shown)", alone);
        std::printf("  %-54s %10.0f\n", "preview refreshes per press", bench::median(counts));
        program.documents().closeActivePage();
    }
    return 0;
}
