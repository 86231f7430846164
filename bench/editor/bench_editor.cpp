// Times the editor on a 20 MB page: loading, wrapping a selection near the
// end, reading the selection, searching and saving. Prints the figures; never
// fails on a slow machine.
//
//   bench_editor [megabytes]

#include "editor/tledit.h"

#include "benchsupport.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QByteArray makePage(qint64 bytes) {
    return bench::makeLargePage(
        bytes, "<frameset cols=\"50%,50%\">\r\n<P>the last paragraph of the page</P>\r\n");
}

using bench::median;
using bench::timeOnce;

void report(const char *what, const std::vector<double> &ms) { bench::report(what, ms, 44); }

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int runs = 5;

    QTemporaryDir dir;
    const QString path = dir.filePath("large.htm");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(makePage(qint64(megabytes) * 1024 * 1024));
    }
    std::printf("page: %s, %.1f MB\n", qPrintable(path), QFile(path).size() / 1048576.0);

    TLEdit editor;
    editor.resize(900, 700);
    editor.show();
    QApplication::processEvents();

    std::vector<double> load, paint, wrap, undo, read, search, locate, length, lineText, save;
    for (int i = 0; i < runs; ++i) {
        load.push_back(timeOnce([&] { editor.loadFromFile(path); }));
        paint.push_back(timeOnce([&] { editor.repaint(); }));

        // Select a word on the third line from the end and wrap it in <B>.
        const int line = editor.lineCount() - 3;
        editor.startLine = line;
        editor.startPos = 3;
        editor.endLine = line;
        editor.endPos = 7;
        editor.applySelection();
        QApplication::processEvents();
        wrap.push_back(timeOnce([&] {
            editor.readSelection();
            const QString word = editor.getSelText();
            editor.replaceSel("<B>" + word + "</B>");
            editor.endPos = editor.startPos + word.size() + 7;
            editor.applySelection();
        }));
        undo.push_back(timeOnce([&] { editor.undoEdit(); }));
        read.push_back(timeOnce([&] {
                           for (int k = 0; k < 1000; ++k)
                               editor.readSelection();
                       }) /
                       1000);
        length.push_back(timeOnce([&] { editor.textLength(); }));
        lineText.push_back(timeOnce([&] { editor.getLineText(line); }));

        editor.insertAt(1, 0, QString());
        search.push_back(timeOnce([&] { editor.searchText("<frameset "); }));
        editor.startLine = editor.endLine = 1;
        editor.startPos = editor.endPos = 0;
        locate.push_back(timeOnce([&] { editor.locateText("<FRAMESET "); }));
        save.push_back(timeOnce([&] { editor.saveToFile(dir.filePath("saved.htm")); }));
    }

    std::printf("lines: %d, characters: %d\n", editor.lineCount(), editor.textLength());
    report("loadFromFile", load);
    report("repaint after load", paint);
    report("wrap a selection near the end in <B>", wrap);
    report("undo the wrap", undo);
    report("readSelection (per call)", read);
    report("textLength", length);
    report("getLineText near the end", lineText);
    report("searchText \"<frameset \" from the top", search);
    report("locateText \"<FRAMESET \" (ignoring case)", locate);
    report("saveToFile", save);
    return 0;
}
