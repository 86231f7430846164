// Times tag insertion in a real main window on a 20 MB page: wrapping a
// selection near the end, inserting at the caret, the typing filter per key
// and the lamps. Prints the figures; never fails on a slow machine.
//
//   bench_tags [megabytes]

#include "app/program/program.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "tags/ui/tagcontroller.h"

#include "benchsupport.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString makePage(qint64 bytes) {
    return QString::fromUtf8(
        bench::makeLargePage(bytes, "<P>the last paragraph of the page</P>\r\n"));
}

using bench::median;
using bench::timeOnce;

void report(const char *what, const std::vector<double> &ms) { bench::report(what, ms, 52); }

void typeKey(QWidget *widget, const QString &text, int key = 0) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int runs = 9;

    QTemporaryDir dir;
    Settings settings;
    SettingsStore store(dir.filePath("store.ini"));
    ScriptedUserInteraction ui;
    Program program(Workbench{settings, store, ui, dir.path() + "/"});
    MainWindow &window = program.window();
    window.runCreationStep();
    window.show();
    window.runFirstShow();
    TLEdit &editor = *window.widgets().webPage;
    TagController &tags = program.tags();
    editor.setEnabled(true);
    editor.setText(makePage(qint64(megabytes) * 1024 * 1024));
    QApplication::processEvents();
    std::printf("page: %.1f MB, %d lines\n", editor.textLength() / 1048576.0, editor.lineCount());

    auto selectNearEnd = [&](int from, int to) {
        const int line = editor.lineCount() - 3; // "<P>the last paragraph ..."
        editor.startLine = editor.endLine = line;
        editor.startPos = from;
        editor.endPos = to;
        editor.applySelection();
        QApplication::processEvents();
    };

    // As the program runs, "Auto update" off: each insertion refreshes the
    // preview, which reads the whole page.
    std::vector<double> withRefresh, refresh, lamps;
    settings.autoUpdate = false;
    for (int i = 0; i < runs; ++i) {
        selectNearEnd(3, 7);
        withRefresh.push_back(timeOnce([&] { tags.insertSelected("<B>"); }));
        editor.undoEdit();
        QApplication::processEvents();
        refresh.push_back(timeOnce([&] { program.preview().updateWebView(); }));
        QApplication::processEvents();
        selectNearEnd(5, 5);
        lamps.push_back(timeOnce([&] { tags.webPageClick(); }));
    }

    // The insertions alone: no handler listens to the editor's changes and
    // "Auto update" is on, so nothing refreshes the preview.
    QObject::disconnect(&editor, &TLEdit::changed, nullptr, nullptr);
    QObject::disconnect(&editor, &QsciScintilla::textChanged, nullptr, nullptr);
    settings.autoUpdate = true;
    std::vector<double> wrap, wrapBack, caretPair, text, keyPlain, keyEntity, keyEnter;
    for (int i = 0; i < runs; ++i) {
        selectNearEnd(3, 7);
        wrap.push_back(timeOnce([&] { tags.insertSelected("<B>"); }));
        editor.undoEdit();
        selectNearEnd(7, 3);
        wrapBack.push_back(timeOnce([&] { tags.insertSelected("<B>"); }));
        editor.undoEdit();
        selectNearEnd(5, 5);
        caretPair.push_back(timeOnce([&] { tags.insertSelected2("<FONT SIZE=+2>", "</FONT>"); }));
        editor.undoEdit();
        selectNearEnd(5, 5);
        text.push_back(timeOnce([&] { tags.insertText("<HR>"); }));
        editor.undoEdit();

        selectNearEnd(5, 5);
        keyPlain.push_back(timeOnce([&] {
                               for (int k = 0; k < 100; ++k)
                                   typeKey(&editor, "a", Qt::Key_A);
                           }) /
                           100);
        keyEntity.push_back(timeOnce([&] {
                                for (int k = 0; k < 100; ++k)
                                    typeKey(&editor, QStringLiteral("é"));
                            }) /
                            100);
        settings.useBr = true;
        keyEnter.push_back(timeOnce([&] {
                               for (int k = 0; k < 20; ++k)
                                   typeKey(&editor, "\r", Qt::Key_Return);
                           }) /
                           20);
        settings.useBr = false;
        QApplication::processEvents();
    }

    std::printf("Insertions alone:\n");
    report("insertSelected(\"<B>\") on a selection near the end", wrap);
    report("the same on a backward selection", wrapBack);
    report("insertSelected2 with nothing selected", caretPair);
    report("insertText(\"<HR>\") near the end", text);
    report("typed key, plain letter (per key)", keyPlain);
    report("typed key, expanded to an entity (per key)", keyEntity);
    report("typed Enter with <BR> (per key)", keyEnter);
    std::printf("As the program runs (\"Auto update\" off):\n");
    report("insertSelected(\"<B>\") with its preview refresh", withRefresh);
    report("the preview refresh alone (updateWebView)", refresh);
    report("lamps (WebPageClick) near the end", lamps);
    return 0;
}
