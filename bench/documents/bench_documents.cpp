// Times the open documents on a 1 MB and a 20 MB page: opening, switching
// between two tabs (park one, bring the other back), saving, and the backup
// on the tab strip. Prints the figures; never fails on a slow machine.
//
//   bench_documents [runs]
// Runs offscreen when no display is set. The preview engine is not loaded:
// the figures are those of the documents themselves.

#include "app/program/program.h"
#include "app/userinteraction.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include "benchsupport.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using QuietUser = bench::QuietInteraction;

QByteArray makePage(qint64 bytes) {
    return bench::makeLargePage(bytes);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void measure(const QString &label, qint64 size, int runs, const QString &programDir,
             const QString &folder) {
    const QString a = folder + QStringLiteral("/a.htm");
    const QString b = folder + QStringLiteral("/b.htm");
    for (const QString &path : {a, b}) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(makePage(size));
    }
    std::vector<double> open, switchTab, switchEdited, save, backup, preview, write;
    for (int run = 0; run < runs; ++run) {
        Settings settings;
        settings.newFile = settings.savingToDefault = false;
        SettingsStore store(programDir + QStringLiteral("store.ini"));
        QuietUser ui;
        Program program(Workbench{settings, store, ui, programDir});
    MainWindow &window = program.window();
        window.runCreationStep();
        window.show();
        window.runFirstShow();
        DocumentController &docs = program.documents();
        QTabBar *tabs = window.widgets().webPageTabs;
        TLEdit *editor = window.widgets().webPage;

        open.push_back(timeMs([&] { docs.loadFile(a, false); }));
        editor->appendText(QStringLiteral("<P>edited</P>"));
        docs.loadFile(b, false);
        for (int i = 0; i < 3; ++i) {
            switchTab.push_back(timeMs([&] { tabs->setCurrentIndex(0); }));
            switchTab.push_back(timeMs([&] { tabs->setCurrentIndex(1); }));
        }
        // With an edit before each change, the page left is written out.
        for (int i = 0; i < 3; ++i) {
            editor->appendText(QStringLiteral("x"));
            switchEdited.push_back(timeMs([&] { tabs->setCurrentIndex(0); }));
            editor->appendText(QStringLiteral("y"));
            switchEdited.push_back(timeMs([&] { tabs->setCurrentIndex(1); }));
        }
        tabs->setCurrentIndex(0);
        // The parts that are not the documents' own: the preview's refresh
        // from the editor, and one plain write of the text.
        preview.push_back(timeMs([&] { program.preview().updateWebView(); }));
        write.push_back(timeMs([&] { editor->saveToFile(folder + QStringLiteral("/copy.htm")); }));
        save.push_back(timeMs([&] { docs.save(); }));
        backup.push_back(timeMs([&] { docs.backupCurrentText(); }));
        docs.closeAllPages();
        if (docs.count() != 0)
            std::printf("(pages left open: figures unreliable)\n");
    }
    std::printf("%-6s open %7.1f ms | tab switch %7.1f ms (worst %.1f), after an edit %7.1f ms "
                "(worst %.1f) "
                "| save %7.1f ms | tab-strip backup %7.1f ms\n",
                qPrintable(label), median(open), median(switchTab),
                *std::max_element(switchTab.begin(), switchTab.end()), median(switchEdited),
                *std::max_element(switchEdited.begin(), switchEdited.end()), median(save),
                median(backup));
    std::printf("%-6s of which not the documents' own: preview refresh %7.1f ms; one write of the "
                "text takes %7.1f ms\n",
                qPrintable(label), median(preview), median(write));
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir program;
    QTemporaryDir work;
    if (!program.isValid() || !work.isValid())
        return 0;
    std::printf("Open documents, median of %d runs (documents only, preview engine not loaded)\n",
                runs);
    measure(QStringLiteral("1 MB"), 1 << 20, runs, program.path() + QLatin1Char('/'), work.path());
    measure(QStringLiteral("20 MB"), 20 << 20, runs, program.path() + QLatin1Char('/'),
            work.path());
    return 0;
}
