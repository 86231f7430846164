// Prints how long the preview takes to show a document: loading the engine
// module, the first document (which starts the browser engine), then
// repeated 200 KB documents as the editor's refresh hands them over, and a
// few documents too large for the engine's in-memory route.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"

#include "benchsupport.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Mark-up of the kind people write by hand: headings, paragraphs with inline
// tags and links, lists and tables, repeated to `bytes`.
QString pageOf(qsizetype bytes) {
    QString html = QStringLiteral("<HTML><HEAD><TITLE>Bench</TITLE></HEAD>"
                                  "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\n");
    for (int section = 0; html.size() < bytes; ++section) {
        html += QStringLiteral("<H2>Section %1</H2>\n").arg(section);
        for (int p = 0; p < 4; ++p)
            html += QStringLiteral("<P>Some <B>bold</B> and <I>italic</I> text with a "
                                   "<A HREF=\"page%1.htm\">link to page %1</A>, a "
                                   "<FONT COLOR=\"#FF0000\">coloured</FONT> word and a line "
                                   "long enough to wrap in a narrow preview pane.</P>\n")
                        .arg(section * 4 + p);
        html += QStringLiteral("<UL><LI>First item<LI>Second item<LI>Third item</UL>\n"
                               "<TABLE BORDER=\"1\" CELLPADDING=\"2\"><TR><TH>Name</TH>"
                               "<TH>Value</TH></TR><TR><TD>alpha</TD><TD>1</TD></TR>"
                               "<TR><TD>beta</TD><TD>2</TD></TR></TABLE>\n");
    }
    return html + QStringLiteral("</BODY></HTML>\n");
}

// Milliseconds from loadFromString (at `position`) to loadFinished.
double timeLoad(HtmlViewer &viewer, const QString &html, const QString &dir, int position) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto c = QObject::connect(&viewer, &HtmlViewer::loadFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    viewer.loadFromString(html, dir);
    if (position > 0)
        viewer.setPosition(position);
    timeout.start(60000);
    loop.exec();
    QObject::disconnect(c);
    return timeout.isActive() ? clock.nsecsElapsed() / 1e6 : -1;
}

void report(const char *what, QList<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    std::printf("%-44s runs %2lld  min %7.1f ms  median %7.1f ms  max %7.1f ms\n", what,
                static_cast<long long>(times.size()), times.first(), median, times.last());
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;

    QElapsedTimer clock;
    clock.start();
    QString error;
    if (!ViewerEngine::instance().load(QStringLiteral(QUILMEAD_PROGRAM_DIR), &error)) {
        std::printf("The preview module could not be loaded: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%-44s %7.1f ms\n", "load the engine module", clock.nsecsElapsed() / 1e6);

    clock.restart();
    HtmlViewer viewer;
    viewer.resize(800, 600);
    viewer.show();
    std::printf("%-44s %7.1f ms\n", "create the first viewer", clock.nsecsElapsed() / 1e6);

    const QString page = pageOf(200 * 1024);
    std::printf("%-44s %7.1f ms  (%lld KB)\n", "first document (starts the engine)",
                timeLoad(viewer, page, dir.path(), 0), static_cast<long long>(page.size() / 1024));

    QList<double> times;
    for (int i = 0; i < 15; ++i)
        times << timeLoad(viewer, page + QString(i, QLatin1Char(' ')), dir.path(), 0);
    report("200 KB document", times);

    // A refresh as the editor makes it: the same text at the position shown.
    viewer.setPosition(viewer.maxPosition() / 2);
    times.clear();
    for (int i = 0; i < 15; ++i)
        times << timeLoad(viewer, page, dir.path(), viewer.position());
    report("200 KB document, refreshed mid-way", times);

    const QString large = pageOf(3 * 1024 * 1024);
    times.clear();
    for (int i = 0; i < 3; ++i)
        times << timeLoad(viewer, large, dir.path(), 0);
    report("3 MB document (through a file)", times);
    return 0;
}
