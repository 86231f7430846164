// dctbuild: compiles plain word lists into a main dictionary file.
//
//   dctbuild [--max-entries N] [--quiet] -o OUTPUT.DCT LIST...
//
// Each LIST is a text file with one word per line. The dictionary is written
// only when it is whole; on any failure the tool says why and exits with 1.

#include "dctbuilder.h"
#include "spelling/dctwriter.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "usage: dctbuild [--max-entries N] [--quiet] -o OUTPUT.DCT LIST...\n");
    return 2;
}

int failure(const QString &text) {
    std::fprintf(stderr, "dctbuild: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    QString output;
    QStringList lists;
    std::uint32_t maxEntries = dct::MaxEntries;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("-o") && i + 1 < argc) {
            output = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--max-entries") && i + 1 < argc) {
            bool ok = false;
            const uint n = QString::fromLocal8Bit(argv[++i]).toUInt(&ok);
            if (!ok || n == 0 || n > dct::MaxEntries)
                return usage();
            maxEntries = n;
        } else if (arg == QLatin1String("--quiet")) {
            quiet = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return usage();
        } else {
            lists << arg;
        }
    }
    if (output.isEmpty() || lists.isEmpty())
        return usage();

    DctBuilder builder;
    for (const QString &list : lists) {
        QFile file(list);
        if (!file.open(QIODevice::ReadOnly))
            return failure(QStringLiteral("cannot read %1: %2").arg(list, file.errorString()));
        builder.addList(file.readAll());
    }
    std::vector<std::uint32_t> entries;
    QString error;
    if (!builder.build(entries, &error, maxEntries))
        return failure(QStringLiteral("%1: %2").arg(output, error));
    if (!writeDctFile(output, entries, &error))
        return failure(QStringLiteral("cannot write %1: %2").arg(output, error));

    if (!quiet) {
        const DctBuilder::Counts &c = builder.counts();
        std::printf("%s: %d words in %u entries (%d lines; left out: %d ending in 's, %d not in "
                    "Windows-1252, %d not single words)\n",
                    qPrintable(output), c.words, c.entries, c.lines, c.possessives, c.unencodable,
                    c.notSingleWord);
    }
    return 0;
}
