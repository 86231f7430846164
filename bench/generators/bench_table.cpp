// Times the Table Veda Guy on a large table: building a 100 by 100 table,
// editing it, saving and reopening its definition, showing it in the
// generator's preview, and inserting it at the caret of a 20 MB page in the
// editor. Prints the figures; never fails on a slow machine.
//
//   bench_table [rows] [columns] [megabytes]

#include "editor/tledit.h"
#include "generators/common/definitionfile.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/table/tablemodel.h"
#include "preview/viewerengine.h"

#include "benchsupport.h"
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

extern "C" ViewerBackend *quilmead_create_viewer_backend(QWidget *parent, ViewerEvents *events);

namespace {

using bench::timeOnce;

void report(const char *what, const std::vector<double> &ms) {
    bench::report(what, ms, 48);
}

// What the program's insertLines does to the editor: the lines, each followed
// by CR LF, in place of the selection.
QString joinedLines(const QStringList &lines) {
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(0, atoi(argv[1])) : 100;
    const int columns = argc > 2 ? std::max(0, atoi(argv[2])) : 100;
    const int megabytes = argc > 3 ? std::max(1, atoi(argv[3])) : 20;
    const int runs = 5;

    QTemporaryDir dir;
    TableModel model;
    std::vector<double> build, select, update, addRow, view, edit, insertLines, copy;
    for (int i = 0; i < runs; ++i) {
        build.push_back(timeOnce([&] { model.build(rows, columns); }));
        const QString last = TableLines::markerName(rows * columns - 1);
        select.push_back(timeOnce([&] { model.selectCell(last); }));
        update.push_back(timeOnce([&] {
            CellSettings c = model.currentCellSettings();
            c.text = QStringLiteral("Last");
            model.updateCell(c);
        }));
        addRow.push_back(timeOnce([&] { model.addRow(TableModel::Where::Before); }));
        view.push_back(timeOnce([&] { model.toggleView(); }));
        edit.push_back(timeOnce([&] { model.toggleView(); }));
        copy.push_back(timeOnce([&] { model.clipboardText(); }));
        insertLines.push_back(timeOnce([&] { model.linesToInsert(); }));
    }
    model.build(rows, columns);
    const QStringList lines = model.linesToInsert();
    const QString block = joinedLines(lines);
    std::printf("table: %d x %d, %lld lines, %.2f MB inserted (%.2f MB with markers)\n", rows,
                columns, qlonglong(lines.size()), block.toUtf8().size() / 1048576.0,
                joinedLines(model.tableLines()).toUtf8().size() / 1048576.0);
    report("build", build);
    report("select the last cell", select);
    report("change the last cell", update);
    report("add a row", addRow);
    report("to the view form", view);
    report("back to the edit form (renumbering)", edit);
    report("copy text", copy);
    report("lines to insert", insertLines);

    // Definition file.
    const QString path = dir.filePath("big.tbl");
    std::vector<double> save, open;
    for (int i = 0; i < runs; ++i) {
        save.push_back(timeOnce([&] {
            QString error;
            DefinitionFile::writeLines(path, model.definitionLines(), &error);
        }));
        open.push_back(timeOnce([&] {
            QStringList read;
            TableModel reopened;
            if (DefinitionFile::readLines(path, read, nullptr))
                reopened.open(read);
        }));
    }
    std::printf("definition: %.2f MB\n", QFile(path).size() / 1048576.0);
    report("save definition", save);
    report("open definition", open);

    // The generator's preview on the real engine: what every edit costs.
    ViewerEngine::instance().registerFactory(quilmead_create_viewer_backend);
    GeneratorPreview preview;
    preview.resize(500, 500);
    preview.show();
    std::vector<double> shown;
    for (int i = 0; i < runs; ++i) {
        QSignalSpy ready(&preview, &HtmlViewer::documentReady);
        shown.push_back(timeOnce([&] {
            preview.showHtml(model.previewHtml() + QStringLiteral("<!-- %1 -->").arg(i));
            ready.wait(60000);
        }));
    }
    report("preview shows the table (laid out)", shown);

    // Inserting into a 20 MB page at a caret in its middle.
    const QString page = QString::fromUtf8(bench::makeLargePage(qint64(megabytes) * 1024 * 1024));
    TLEdit editor;
    editor.resize(900, 700);
    editor.show();
    QApplication::processEvents();
    editor.setText(page);
    std::printf("page: %.1f MB, %d lines\n", page.toUtf8().size() / 1048576.0, editor.lineCount());
    std::vector<double> insert, paint, undo;
    for (int i = 0; i < runs; ++i) {
        editor.startLine = editor.endLine = editor.lineCount() / 2;
        editor.startPos = editor.endPos = 0;
        editor.applySelection();
        QApplication::processEvents();
        insert.push_back(timeOnce([&] { editor.replaceSel(block); }));
        paint.push_back(timeOnce([&] { editor.repaint(); }));
        undo.push_back(timeOnce([&] { editor.undoEdit(); }));
    }
    report("insert the table into the page", insert);
    report("repaint after inserting", paint);
    report("undo the insertion", undo);
    return 0;
}
