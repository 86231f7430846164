// Spell checking on large pages in the editor: the check run through a 1 MB
// page, and the squiggles on a 1 MB and a 20 MB page, their whole pass and
// what a keystroke waits for them while the user types.
//
//   bench_underline [program folder] [word list]
//
// The pages are text in paragraphs with tags, character references and one
// misspelling in about fifty words, made from the word list the same way
// every run.

#include "benchsupport.h"
#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "spelling/spellerproperties.h"
#include "spelling/spellingchecker.h"
#include "spelling/ui/spellcheckdialog.h"
#include "spelling/ui/spellchecksession.h"
#include "spelling/ui/spellunderliner.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

namespace {

using Sci = QsciScintillaBase;

QStringList readWords(const QString &path) {
    QFile f(path);
    QStringList words;
    if (!f.open(QIODevice::ReadOnly))
        return words;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QString w = QString::fromUtf8(line.trimmed());
        // Plain lower-case words without possessives read as prose.
        if (w.size() > 1 && !w.contains('\'') && w == w.toLower())
            words << w;
    }
    return words;
}

// A page of about `bytes` bytes of prose; `misspelt` receives how many
// misspellings went in.
QByteArray makePage(const QStringList &words, qint64 bytes, int *misspelt, bool slips = true) {
    bench::Random r(7);
    QByteArray page = "<HTML>\r\n<HEAD><TITLE>Words</TITLE></HEAD>\r\n<BODY>\r\n";
    page.reserve(bytes + 4096);
    int wrong = 0;
    while (page.size() < bytes) {
        page += "<P CLASS=\"text\">";
        for (int i = 0; i < 60; ++i) {
            QByteArray w = words.at(int(r.below(quint32(words.size())))).toUtf8();
            if (slips && r.below(50) == 0 && w.size() > 3) {
                std::swap(w[1], w[2]); // a slip of the fingers
                ++wrong;
            }
            switch (r.below(20)) {
            case 0:
                page += "<B>" + w + "</B>";
                break;
            case 1:
                page +=
                    "<A HREF=\"page" + QByteArray::number(r.below(100)) + ".htm\">" + w + "</A>";
                break;
            case 2:
                page += "caf&eacute;";
                break;
            default:
                page += w;
            }
            page += (i % 12 == 11) ? "\r\n" : " ";
        }
        page += "</P>\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    *misspelt = wrong;
    return page;
}

struct Rig {
    bench::QuietInteraction ui;
    QTemporaryDir folder;
    SpellingChecker checker{ui};
    TLEdit editor;
    SpellUnderliner underliner{editor, checker};

    explicit Rig(const QString &programDir) {
        checker.setFiles(programDir + QStringLiteral("/ENGLISH.DCT"),
                         folder.filePath(QStringLiteral("USERDCT.DCT")));
        editor.resize(800, 600);
        editor.show();
    }
    // Runs slices back to back until nothing is left; milliseconds.
    double settle() {
        QElapsedTimer t;
        t.start();
        while (underliner.isPending())
            underliner.runSlice();
        return t.nsecsElapsed() / 1e6;
    }
    int marks() const {
        const long length = sci::call(&editor, Sci::SCI_GETLENGTH);
        int n = 0;
        for (long at = 0; at < length;) {
            const long end = sci::call(&editor, Sci::SCI_INDICATOREND, underliner.indicator(), at);
            if (end <= at)
                break;
            n += sci::call(&editor, Sci::SCI_INDICATORVALUEAT, underliner.indicator(), at) ? 1 : 0;
            at = end;
        }
        return n;
    }
};

// The whole pass over a page, and the longest slice.
void wholePass(const QString &programDir, const QByteArray &page, int misspelt, const char *name) {
    Rig rig(programDir);
    rig.editor.setText(QString::fromUtf8(page));
    if (!rig.checker.open()) {
        std::printf("no dictionary: %s\n", qPrintable(rig.checker.error()));
        return;
    }
    rig.underliner.setActive(true);
    const double ms = rig.settle();
    std::printf("%s: squiggles over the whole page in %.0f ms (%.1f MB/s), %d slices, the "
                "longest %.2f ms; %d words marked (%d slips made)\n",
                name, ms, page.size() / 1e3 / ms, rig.underliner.sliceCount(),
                rig.underliner.longestSlice() / 1e6, rig.marks(), misspelt);
}

// The check run through a 1 MB page: to an unknown word at its very end,
// and through a page with slips, skipping each.
void checkRun(const QString &programDir, const QStringList &words) {
    int none = 0, slips = 0;
    const QByteArray clean = makePage(words, 1024 * 1024, &none, false) + "zqxwv\r\n";
    const QByteArray slipped = makePage(words, 1024 * 1024, &slips);
    Rig rig(programDir);
    if (!rig.checker.open()) {
        std::printf("no dictionary: %s\n", qPrintable(rig.checker.error()));
        return;
    }
    SpellCheckDialog dialog;
    SpellerProperties properties;

    rig.editor.setText(QString::fromUtf8(clean));
    std::vector<double> ms;
    for (int i = 0; i < 3; ++i) {
        SpellCheckSession session(rig.editor, rig.checker, properties, rig.ui, dialog, {});
        ms.push_back(bench::timeOnce([&] { session.start(); }));
        if (dialog.word() != QLatin1String("zqxwv"))
            std::printf("(the run stopped at %s)\n", qPrintable(dialog.word()));
        dialog.hide();
    }
    bench::report("Check run through 1 MB to its last word", ms, 52);

    rig.editor.setText(QString::fromUtf8(slipped));
    SpellCheckSession session(rig.editor, rig.checker, properties, rig.ui, dialog, {});
    int stops = 0;
    const double all = bench::timeOnce([&] {
        session.start();
        while (session.isRunning()) {
            ++stops;
            emit dialog.chosen(SpellCheckDialog::Choice::SkipOnce);
        }
    });
    std::printf("Check run through 1 MB with %d slips, Skip Once on each: %.2f s, %.2f ms a word "
                "(with its suggestions)\n",
                stops, all / 1e3, all / qMax(1, stops));
}

// Typing into the middle of a page whose squiggles are still being drawn,
// about ten keys a second, with the event loop running in between. What a
// keystroke can wait for is the longest turn of the event loop: a key that
// arrives during a turn is handled after it.
struct TypingFigures {
    std::vector<double> keys; // handling of each key, ms
    double longestTurn = 0;   // ms
};

TypingFigures typeText(Rig &rig, long at) {
    const QString text = QStringLiteral("the quick brwon fox jumps over teh lazy dog ");
    TypingFigures f;
    sci::call(&rig.editor, Sci::SCI_GOTOPOS, at);
    QCoreApplication::processEvents();
    for (const QChar c : text) {
        f.keys.push_back(bench::timeOnce([&] { QTest::keyClick(&rig.editor, c.toLatin1()); }));
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 100)
            f.longestTurn =
                std::max(f.longestTurn, bench::timeOnce([] { QCoreApplication::processEvents(); }));
    }
    return f;
}

void typing(const QString &programDir, const QByteArray &page, const char *name) {
    Rig rig(programDir);
    rig.editor.setText(QString::fromUtf8(page));
    rig.checker.open();
    if (!QTest::qWaitForWindowExposed(&rig.editor))
        std::printf("(the editor was not shown)\n");
    const long middle = sci::call(&rig.editor, Sci::SCI_GETLENGTH) / 2;

    const TypingFigures without = typeText(rig, middle);
    rig.underliner.setActive(true); // the whole page is now to be checked
    rig.underliner.resetStatistics();
    const TypingFigures with = typeText(rig, middle);
    const qint64 longest = rig.underliner.longestSlice();
    const bool behind = rig.underliner.isPending();
    rig.settle();
    std::printf("%s: a key takes %.3f ms without squiggles, %.3f ms with (median of %zu; "
                "longest %.3f / %.3f ms)\n",
                name, bench::median(without.keys), bench::median(with.keys), with.keys.size(),
                *std::max_element(without.keys.begin(), without.keys.end()),
                *std::max_element(with.keys.begin(), with.keys.end()));
    std::printf("%s: longest turn of the event loop while typing %.2f ms without squiggles, "
                "%.2f ms with\n",
                name, without.longestTurn, with.longestTurn);
    std::printf("%s: longest squiggle slice while typing %.2f ms (aim: at most 5 ms); the page "
                "still being checked when the typing ended: %s; %d words marked\n",
                name, longest / 1e6, behind ? "yes" : "no", rig.marks());
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    // The dialog is raised for every word; without a window system that is
    // only a warning each time.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtWarningMsg || !text.contains(QLatin1String("does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const QString programDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILMEAD_PROGRAM_DIR);
    const QString listPath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(WORD_LIST);
    const QStringList words = readWords(listPath);
    if (words.isEmpty()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(listPath));
        return 1;
    }
    int misspelt1 = 0, misspelt20 = 0;
    const QByteArray page1 = makePage(words, 1024 * 1024, &misspelt1);
    const QByteArray page20 = makePage(words, 20 * 1024 * 1024, &misspelt20);

    checkRun(programDir, words);
    wholePass(programDir, page1, misspelt1, "1 MB page");
    wholePass(programDir, page20, misspelt20, "20 MB page");
    typing(programDir, page1, "1 MB page");
    typing(programDir, page20, "20 MB page");
    return 0;
}
