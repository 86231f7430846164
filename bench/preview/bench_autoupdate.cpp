// Typing into a 200 KB page with "Auto update HTML viewer" on, in a real main
// window on the real browser engine. Prints the time each keystroke spends
// in the editor (the key event, with everything that runs on it), the longest
// spell the event loop was held up while the preview caught up, and the delay
// from each keystroke until the preview shows it.

#include "app/program/program.h"
#include "app/userinteraction.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include "benchsupport.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

using QuietInteraction = bench::QuietInteraction;

// Hand-written mark-up repeated to `bytes`, with the paragraph typed into
// near the top.
QString pageOf(qsizetype bytes) {
    QString html = QStringLiteral("<HTML><HEAD><TITLE>Bench</TITLE></HEAD><BODY>\r\n"
                                  "<P id=m>MARK:</P>\r\n");
    for (int section = 0; html.size() < bytes; ++section) {
        html += QStringLiteral("<H2>Section %1</H2>\r\n").arg(section);
        for (int p = 0; p < 4; ++p)
            html += QStringLiteral("<P>Some <B>bold</B> and <I>italic</I> text with a "
                                   "<A HREF=\"page%1.htm\">link to page %1</A> and a line "
                                   "long enough to wrap in a narrow preview pane.</P>\r\n")
                        .arg(section * 4 + p);
        html += QStringLiteral("<TABLE BORDER=\"1\"><TR><TD>alpha</TD><TD>1</TD></TR></TABLE>\r\n");
    }
    return html + QStringLiteral("</BODY></HTML>\r\n");
}

double percentile(QList<double> values, double p) {
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, int(p * (values.size() - 1) + 0.5)));
}

void report(const char *what, const QList<double> &values) {
    std::printf("  %-34s median %7.2f ms  p95 %7.2f ms  max %7.2f ms  (%lld)\n", what,
                percentile(values, 0.5), percentile(values, 0.95), percentile(values, 1.0),
                static_cast<long long>(values.size()));
}

struct Run {
    QList<double> keystroke; // ms in the key event
    QList<double> delay;     // ms from the key event to the preview showing it
    double longestStall = 0; // ms the event loop was held up
    int refreshes = 0;
};

// Types `count` characters `intervalMs` apart after "MARK:" and, when the
// preview follows the typing, waits until it shows them all.
Run typeInto(Program &program, int count, int intervalMs, bool follow) {
    MainWindow &window = program.window();
    MainWidgets &w = window.widgets();
    TLEdit &editor = *w.webPage;
    PreviewController &preview = program.preview();
    auto *view = w.htmlSplit->findChild<QWebEngineView *>();
    Run run;

    QString typed;
    for (int i = 0; i < count; ++i)
        typed += QLatin1Char('a' + i % 26);
    // The caret after "MARK:" (line 2, after the 13 characters "<P id=m>MARK:").
    editor.setCursorPosition(1, 13);
    editor.setFocus();

    QElapsedTimer clock;
    clock.start();
    QList<double> typedAt;
    int shown = 0;
    // The event loop's pulse: a gap between ticks is a spell it was held up.
    double lastTick = 0;
    QTimer pulse;
    pulse.setInterval(2);
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        run.longestStall = qMax(run.longestStall, now - lastTick);
        lastTick = now;
    });
    auto connection =
        QObject::connect(&preview, &PreviewController::viewerRefreshed, [&](HtmlViewer *viewer) {
            if (viewer != w.htmlSplit)
                return;
            ++run.refreshes;
            const double at = clock.nsecsElapsed() / 1e6;
            view->page()->runJavaScript(
                QStringLiteral("document.getElementById('m').textContent"),
                [&, at](const QVariant &v) {
                    const QString text = v.toString();
                    const int now = int(qMax<qsizetype>(0, text.size() - 5)); // after "MARK:"
                    for (int k = shown; k < now && k < typedAt.size(); ++k)
                        run.delay << at - typedAt.at(k);
                    shown = qMax(shown, now);
                });
        });

    lastTick = clock.nsecsElapsed() / 1e6;
    pulse.start();
    for (int i = 0; i < count; ++i) {
        const double before = clock.nsecsElapsed() / 1e6;
        QTest::keyClick(&editor, typed.at(i).toLatin1());
        const double after = clock.nsecsElapsed() / 1e6;
        run.keystroke << after - before;
        typedAt << before;
        // Wait for the next key as a typist would, the event loop running.
        while (clock.nsecsElapsed() / 1e6 < before + intervalMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    QElapsedTimer wait;
    wait.start();
    while (follow && shown < count && wait.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    pulse.stop();
    QObject::disconnect(connection);
    if (follow && shown < count)
        std::printf("  (the preview showed %d of %d characters)\n", shown, count);
    return run;
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);

    QTemporaryDir programDir;
    QTemporaryDir docDir;
    QuietInteraction ui;
    Settings settings;
    SettingsStore store(programDir.filePath(QStringLiteral("store.ini")));
    Program program(Workbench{settings, store, ui, programDir.path() + QLatin1Char('/')});
    MainWindow &window = program.window();
    window.runCreationStep();
    settings.showTipOfTheDay = false;
    window.resize(1000, 750);
    window.show();
    window.runFirstShow();
    QString error;
    if (!ViewerEngine::instance().load(QStringLiteral(QUILMEAD_PROGRAM_DIR), &error)) {
        std::printf("The preview module could not be loaded: %s\n", qPrintable(error));
        return 1;
    }

    const QString path = docDir.filePath(QStringLiteral("bench.htm"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(pageOf(200 * 1024).toUtf8());
    }
    if (!program.documents().loadFile(path, false)) {
        // Without the documents area: the page straight into the editor.
        QDir::setCurrent(docDir.path());
        window.widgets().webPage->setEnabled(true);
        window.widgets().webPage->loadFromFile(path);
        program.preview().updateWebView();
    }
    // The first rendering (which also starts the browser engine).
    QElapsedTimer first;
    first.start();
    bool ready = false;
    auto c = QObject::connect(&program.preview(), &PreviewController::viewerRefreshed,
                              [&](HtmlViewer *) { ready = true; });
    while (!ready && first.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QObject::disconnect(c);
    std::printf("200 KB page (%lld characters), first preview after %lld ms\n",
                static_cast<long long>(window.widgets().webPage->textLength()),
                static_cast<long long>(first.elapsed()));

    struct Case {
        const char *name;
        bool autoUpdate;
        int intervalMs;
    };
    const Case cases[] = {{"AutoUpdate off, 80 ms between keys", false, 80},
                          {"AutoUpdate on, 80 ms between keys", true, 80},
                          {"AutoUpdate on, 30 ms between keys", true, 30},
                          {"AutoUpdate on, 5 ms between keys", true, 5}};
    const QString original = window.widgets().webPage->text();
    for (const Case &c : cases) {
        // Each case starts from the page as loaded, shown in the preview.
        settings.autoUpdate = false;
        window.widgets().webPage->setText(original);
        program.preview().updateWebView();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

        settings.autoUpdate = c.autoUpdate;
        std::printf("%s:\n", c.name);
        const int count = 40;
        const Run run = typeInto(program, count, c.intervalMs, c.autoUpdate);
        report("time in the key event", run.keystroke);
        if (c.autoUpdate) {
            report("keystroke until shown", run.delay);
            std::printf("  %-34s %d for %d keys\n", "preview renders", run.refreshes, count);
        }
        std::printf("  %-34s %7.2f ms\n", "longest event loop stall", run.longestStall);
    }
    return 0;
}
