// Times the evaluation of one large page and the references check of a
// whole project. Prints the figures; never fails on a slow machine.
//
//   bench_evaluation [page megabytes] [project pages]

#include "projects/evaluation/pageevaluation.h"
#include "projects/evaluation/sitecheck.h"

#include "benchsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A large page with a reference of each kind every few rows: images (some
// missing), links to files (some missing), links to markers and anchors.
QString makeReferencePage(qint64 bytes) {
    QByteArray page = "<HTML><HEAD><TITLE>Large page</TITLE></HEAD>\r\n"
                      "<BODY BACKGROUND=\"images/bg.gif\">\r\n";
    page.reserve(bytes + 4096);
    for (int row = 0; page.size() < bytes; ++row) {
        const QByteArray n = QByteArray::number(row);
        page += "<P><A NAME=\"row" + n + "\"></A>Row " + n +
                " with some ordinary text, caf\xC3\xA9.\r\n";
        page += "<IMG SRC=\"images/pic" + QByteArray::number(row % 50) + ".gif\" ALT=\"\"> ";
        page += "<A HREF=\"page" + QByteArray::number(row % 80) + ".htm\">next</A> ";
        page += "<A HREF=\"#row" + QByteArray::number(row / 2) + "\">back</A></P>\r\n";
    }
    page += "</BODY></HTML>\r\n";
    return QString::fromUtf8(page);
}

// A project of `pages` pages of about 10 KB each, linking to one another,
// to their markers and to shared images, with a few faults.
QStringList makeProject(const QString &folder, int pages) {
    QStringList names;
    for (int i = 0; i < 40; ++i)
        writeFile(folder + QStringLiteral("/images/pic%1.gif").arg(i), QByteArray(1000 + i, 'g'));
    for (int p = 0; p < pages; ++p) {
        QByteArray page = "<HTML><HEAD><TITLE>Page " + QByteArray::number(p) +
                          "</TITLE></HEAD>\r\n<BODY>\r\n<A NAME=\"top\"></A>\r\n";
        for (int s = 0; s < 10; ++s) {
            const QByteArray n = QByteArray::number(s);
            page += "<H2><A NAME=\"part" + n + "\">Part " + n + "</A></H2>\r\n";
            page += "<P>Some ordinary text of the section, long enough to be a real paragraph "
                    "of a real page, and then some more words to fill the line.</P>\r\n";
            page += "<IMG SRC=\"images/pic" + QByteArray::number((p + s) % 45) + ".gif\"" +
                    (s % 3 ? QByteArray(" ALT=\"picture\">") : QByteArray(">")) + "\r\n";
            page += "<A HREF=\"page" + QByteArray::number((p + s + 1) % (pages + 2)) + ".htm#part" +
                    QByteArray::number((s + 3) % 12) + "\">on</A> ";
            page += "<A HREF=\"#part" + n + "\">here</A> <A HREF=\"#top\">top</A> ";
            page += "<A HREF=\"http://example.com/" + n + "\">out</A>\r\n";
            page += "<TABLE><TR><TD>cell</TD><TD>cell</TD><TD>cell</TD></TR></TABLE>\r\n";
        }
        page += "</BODY></HTML>\r\n";
        const QString name = QStringLiteral("page%1.htm").arg(p);
        writeFile(folder + QLatin1Char('/') + name, page);
        names.append(name);
    }
    return names;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int pages = argc > 2 ? std::max(1, atoi(argv[2])) : 500;
    const int runs = 5;
    QTemporaryDir dir;

    const QString page = makeReferencePage(qint64(megabytes) * 1024 * 1024);
    writeFile(dir.filePath("images/bg.gif"), "GIF");
    for (int i = 0; i < 25; ++i)
        writeFile(dir.filePath(QStringLiteral("images/pic%1.gif").arg(i)), "GIF89a");
    for (int i = 0; i < 40; ++i)
        writeFile(dir.filePath(QStringLiteral("page%1.htm").arg(i)), "x");
    PageEvaluation result;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(bench::timeOnce([&] { result = evaluatePage(page, dir.path()); }));
    std::printf("page of %d MB: %lld references, %lld details lines\n", megabytes,
                static_cast<long long>(result.references.size()),
                static_cast<long long>(result.webDetails.size()));
    bench::report("evaluate the page", ms);

    const QString single = QString(50 * 1000 * 1000 - 40, QLatin1Char('x')) +
                           QStringLiteral("<IMG SRC=\"images/bg.gif\">");
    ms.clear();
    for (int i = 0; i < runs; ++i)
        ms.push_back(bench::timeOnce([&] { result = evaluatePage(single, dir.path()); }));
    bench::report("evaluate a single line of 50 MB", ms);

    const QString site = dir.filePath("site");
    const QStringList names = makeProject(site, pages);
    SiteReport report;
    ms.clear();
    for (int i = 0; i < runs; ++i)
        ms.push_back(bench::timeOnce([&] { report = checkSite(site, names); }));
    std::printf("project of %d pages: %d problems\n", pages, report.problemCount());
    bench::report("check the project's references", ms);
    return 0;
}
