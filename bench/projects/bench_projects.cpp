// Times the project tree's start-up and shutdown on a large project list:
// reading "project.dat", filling the tree widget, and writing the list back.
// Prints the figures; never fails on a slow machine.
//
//   bench_projects [projects] [pages per project]

#include "projects/projectlistfile.h"
#include "projects/ui/projecttreeview.h"

#include "benchsupport.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QByteArray makeList(int projects, int pages) {
    QByteArray out;
    for (int p = 0; p < projects; ++p) {
        out += "Project number " + QByteArray::number(p) + " - /home/user/sites/project" +
               QByteArray::number(p) + "\r\n";
        out += "\t#Default Project Settings - PROJECT.INI\r\n";
        for (int i = 1; i < pages; ++i)
            out += "\tPage " + QByteArray::number(i) + " of the site - page" +
                   QByteArray::number(i) + ".htm\r\n";
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const int projects = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int pages = argc > 2 ? std::max(1, atoi(argv[2])) : 50;
    const int runs = 9;

    QTemporaryDir dir;
    const QString path = dir.filePath("project.dat");
    const QByteArray bytes = makeList(projects, pages);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("project.dat: %d projects of %d pages, %lld bytes\n", projects, pages,
                static_cast<long long>(bytes.size()));

    QTreeWidget widget;
    widget.resize(260, 600);
    widget.show();
    app.processEvents();

    std::vector<double> load, fill, firstPaint, startup, save;
    for (int r = 0; r < runs; ++r) {
        ProjectTree tree;
        ProjectListFile file(path);
        std::unique_ptr<ProjectTreeView> view;
        const double l = bench::timeOnce([&] { file.load(tree); });
        const double f =
            bench::timeOnce([&] { view = std::make_unique<ProjectTreeView>(&widget, tree); });
        const double p = bench::timeOnce([&] { widget.repaint(); });
        load.push_back(l);
        fill.push_back(f);
        firstPaint.push_back(p);
        startup.push_back(l + f + p);
        save.push_back(bench::timeOnce([&] { file.save(tree); }));
        view.reset();
        widget.clear();
    }
    bench::report("read project.dat", load);
    bench::report("fill the tree widget", fill);
    bench::report("first paint of the tree", firstPaint);
    bench::report("start-up cost of the tree (sum)", startup);
    bench::report("write project.dat", save);
    return 0;
}
