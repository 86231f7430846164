// Spell-checking speed: 200,000 words (real words and misspellings made from
// them, the same every run) checked against ENGLISH.DCT, suggestions for
// 1,000 misspellings, and hunspell (en_US) on the same words for comparison.
//
//   bench_spelling [program folder] [word list]

#include "benchsupport.h"
#include "scripteduserinteraction.h"
#include "spelling/dictionary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int SampleSize = 200000;
constexpr int SuggestionWords = 1000;

// One typing slip: a letter dropped, added, replaced, or two swapped.
QString misspell(const QString &word, bench::Random &r) {
    QString w = word;
    const int at = int(r.below(quint32(w.size())));
    const QChar letter(char16_t('a' + r.below(26)));
    switch (r.below(4)) {
    case 0:
        if (w.size() > 2)
            w.remove(at, 1);
        else
            w.insert(at, letter);
        break;
    case 1:
        w.insert(at, letter);
        break;
    case 2:
        w[at] = letter;
        break;
    default:
        if (at + 1 < w.size())
            std::swap(w[at], w[at + 1]);
        else
            w.append(letter);
        break;
    }
    return w;
}

struct Timed {
    double seconds = 0;
    QByteArray output;
    bool ok = false;
};

Timed runHunspell(const QStringList &arguments, const QString &inputFile) {
    Timed t;
    QProcess p;
    p.setStandardInputFile(inputFile);
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral("hunspell"), arguments);
    if (!p.waitForStarted(10000))
        return t;
    p.waitForFinished(-1);
    t.seconds = double(clock.nsecsElapsed()) / 1e9;
    t.output = p.readAllStandardOutput();
    t.ok = p.exitStatus() == QProcess::NormalExit;
    return t;
}

void writeLines(const QString &path, const QStringList &words) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write((words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

} // namespace

int main(int argc, char **argv) {
    const QString programDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILMEAD_PROGRAM_DIR);
    const QString listPath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(WORD_LIST);

    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(listPath));
        return 1;
    }
    QStringList source;
    for (const QByteArray &line : list.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            source << QString::fromUtf8(line.trimmed());

    // Three real words to one misspelling.
    bench::Random r(2024);
    QStringList sample, misspellings;
    sample.reserve(SampleSize);
    while (sample.size() < SampleSize) {
        const QString &word = source.at(int(r.below(quint32(source.size()))));
        if (r.below(4) == 0) {
            sample << misspell(word, r);
            misspellings << sample.last();
        } else {
            sample << word;
        }
    }

    ScriptedUserInteraction ui;
    QElapsedTimer clock;
    clock.start();
    Dictionary dictionary(ui);
    dictionary.openMainDictionary(programDir + QStringLiteral("/ENGLISH.DCT"));
    const double openSeconds = double(clock.nsecsElapsed()) / 1e9;

    clock.restart();
    QSet<QString> ourMisses;
    for (const QString &w : sample)
        if (!dictionary.check(w))
            ourMisses.insert(w);
    const double checkSeconds = double(clock.nsecsElapsed()) / 1e9;

    const QStringList toSuggest = misspellings.mid(0, SuggestionWords);
    clock.restart();
    int suggestions = 0;
    for (const QString &w : toSuggest)
        suggestions += int(dictionary.suggest(w, 10).size());
    const double suggestSeconds = double(clock.nsecsElapsed()) / 1e9;

    std::printf("Word sample: %d words (%d misspellings made from %s)\n", int(sample.size()),
                int(misspellings.size()), qPrintable(listPath));
    std::printf("ENGLISH.DCT: open %.1f ms; checked %d words in %.3f s = %.0f words/s; "
                "%d distinct words reported\n",
                openSeconds * 1000, int(sample.size()), checkSeconds, sample.size() / checkSeconds,
                int(ourMisses.size()));
    std::printf("ENGLISH.DCT: suggestions for %d misspellings in %.3f s (%.2f ms each, %.1f "
                "suggestions each)\n",
                int(toSuggest.size()), suggestSeconds, suggestSeconds * 1000 / toSuggest.size(),
                double(suggestions) / toSuggest.size());

    if (QStandardPaths::findExecutable(QStringLiteral("hunspell")).isEmpty()) {
        std::printf("hunspell: not installed, no comparison\n");
        return 0;
    }
    QTemporaryDir temp;
    const QString words = temp.filePath(QStringLiteral("words.txt"));
    const QString none = temp.filePath(QStringLiteral("none.txt"));
    const QString wrong = temp.filePath(QStringLiteral("misspellings.txt"));
    writeLines(words, sample);
    writeLines(none, {});
    writeLines(wrong, toSuggest);
    const QStringList check = {"-d", "en_US", "-i", "utf-8", "-l"};
    const Timed start = runHunspell(check, none);
    const Timed all = runHunspell(check, words);
    const Timed suggest = runHunspell({"-d", "en_US", "-i", "utf-8", "-a"}, wrong);
    if (!all.ok || !start.ok) {
        std::printf("hunspell: did not run\n");
        return 0;
    }
    const double net = std::max(all.seconds - start.seconds, 1e-9);
    QSet<QString> theirMisses;
    for (const QByteArray &line : all.output.split('\n'))
        if (!line.isEmpty())
            theirMisses.insert(QString::fromUtf8(line));
    int agree = 0;
    for (const QString &w : sample)
        agree += ourMisses.contains(w) == theirMisses.contains(w) ? 1 : 0;

    std::printf("hunspell en_US: checked %d words in %.3f s = %.0f words/s (start-up %.3f s; "
                "without it %.0f words/s); %d distinct words reported\n",
                int(sample.size()), all.seconds, sample.size() / all.seconds, start.seconds,
                sample.size() / net, int(theirMisses.size()));
    std::printf("hunspell en_US: suggestions for %d misspellings in %.3f s (%.2f ms each, "
                "start-up included)\n",
                int(toSuggest.size()), suggest.seconds, suggest.seconds * 1000 / toSuggest.size());
    std::printf("Checking speed, ENGLISH.DCT / hunspell: %.1fx (%.1fx against hunspell without "
                "start-up)\n",
                (sample.size() / checkSeconds) / (sample.size() / all.seconds),
                (sample.size() / checkSeconds) / (sample.size() / net));
    std::printf("Same verdict as hunspell on %.1f%% of the words\n", 100.0 * agree / sample.size());
    return 0;
}
