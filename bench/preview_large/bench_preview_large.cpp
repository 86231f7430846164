// A large page shown by the bare browser engine (a QWebEngineView loading the
// file from disk: the engine's own floor on this machine) and by the
// program's preview (the page opened in a real main window), each in a
// process of its own. For each it prints the time from process start to the
// first painted screen, the time until the process and its helpers are quiet,
// the CPU time of all of them, and the peak memory of the main process and of
// the helpers (the greatest sum of their resident sets).
//
//   bench_preview_large [MiB ...] [--bare-only | --program-only] [--editor-too]
// --editor-too adds the program without its preview engine ("no engine"):
// what the editor holds in the main process beside the engine.
//   bench_preview_large --write-page MiB file   (only writes the page)
//   bench_preview_large --child bare|program|editor file   (one side, as the bench runs it)
// Needs a display (run under xvfb-run). Defaults: 1, 5 and 20 MiB.
// It also types into the page once the program's preview is quiet and
// prints how long each keystroke took to reach the preview; beside it, how
// long the bare engine takes to lay the page out again after the same change
// of a character made by a script in the page (the engine's own floor for
// showing any edit).

#include "app/program/program.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include "benchsupport.h"
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

qint64 epochMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

// The first painted screen of the latest document, as the engine recorded
// it (milliseconds since the epoch; 0: none yet).
const char *const paintProbe =
    "(function () { const e = performance.getEntriesByName('first-contentful-paint')[0];"
    " return e ? performance.timeOrigin + e.startTime : 0; })()";

// Asks the view every 100 ms for its first paint and prints the earliest one
// that came after `since`.
void watchPaint(QWebEngineView *view, qint64 since) {
    auto *timer = new QTimer(view);
    auto best = std::make_shared<qint64>(0);
    QObject::connect(timer, &QTimer::timeout, view, [view, since, best] {
        view->page()->runJavaScript(QString::fromLatin1(paintProbe),
                                    QWebEngineScript::ApplicationWorld,
                                    [since, best](const QVariant &v) {
                                        const qint64 at = qint64(v.toDouble());
                                        if (at >= since && (*best == 0 || at < *best)) {
                                            *best = at;
                                            std::printf("paint %lld\n", static_cast<long long>(at));
                                            std::fflush(stdout);
                                        }
                                    });
    });
    timer->start(100);
}

// The engine's own cost of a keystroke: once told (a line on standard
// input), changes the first paragraph's text by a character ten times, each
// once the change before is on screen, and prints how long the engine took
// to lay the page out again ("key") and to paint the frame after the change
// ("painted").
void changeWhenTold(QWebEngineView *view) {
    auto *notifier = new QTimer(view);
    QObject::connect(notifier, &QTimer::timeout, view, [view, notifier] {
        char c;
        if (read(0, &c, 1) != 1)
            return;
        notifier->stop();
        std::printf("key 0\npainted 0\n"); // the first lines stand for no key, as below
        auto poll = std::make_shared<QTimer>();
        poll->setInterval(5);
        auto n = std::make_shared<int>(0);
        auto change = [view, n] {
            ++*n;
            view->page()->runJavaScript(
                QStringLiteral("(function () { const t = performance.now();"
                               " window.__benchShown = 0;"
                               " const p = document.querySelector('p');"
                               " p.firstChild.data = 'Some %1';"
                               " document.scrollingElement.scrollHeight;"
                               " requestAnimationFrame(() => requestAnimationFrame(() =>"
                               " { window.__benchShown = performance.now() - t; }));"
                               " return performance.now() - t; })()")
                    .arg(QString(*n, QLatin1Char('x'))),
                QWebEngineScript::ApplicationWorld, [](const QVariant &v) {
                    std::printf("key %.0f\n", v.toDouble());
                    std::fflush(stdout);
                });
        };
        QObject::connect(poll.get(), &QTimer::timeout, view, [view, poll, n, change] {
            static bool asking = false;
            if (asking)
                return;
            asking = true;
            view->page()->runJavaScript(QStringLiteral("window.__benchShown || 0"),
                                        QWebEngineScript::ApplicationWorld,
                                        [poll, n, change](const QVariant &v) {
                                            asking = false;
                                            if (v.toDouble() <= 0)
                                                return;
                                            std::printf("painted %.0f\n", v.toDouble());
                                            std::fflush(stdout);
                                            if (*n == 10) {
                                                poll->stop();
                                                std::printf("typed\n");
                                                std::fflush(stdout);
                                                return;
                                            }
                                            change();
                                        });
        });
        change();
        poll->start();
    });
    fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
    notifier->start(100);
}

int bareChild(int argc, char **argv, const QString &page) {
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(480, 700);
    view.show();
    const qint64 opened = epochMs();
    view.load(QUrl::fromLocalFile(page));
    watchPaint(&view, opened);
    changeWhenTold(&view);
    return app.exec();
}

// Types into the page once the parent says the processes are quiet (a line
// on standard input), and prints each keystroke's delay until the preview
// shows it.
void typeWhenTold(Program &program, Settings &settings, QWebEngineView **view) {
    auto *notifier = new QTimer(&program.window());
    QObject::connect(
        notifier, &QTimer::timeout, &program.window(), [&program, &settings, view, notifier] {
            char c;
            if (read(0, &c, 1) != 1)
                return;
            notifier->stop();
            TLEdit &editor = *program.window().widgets().webPage;
            settings.autoUpdate = true;
            // Inside the first paragraph: after "<P>Some ".
            const int at = int(editor.text().indexOf(QStringLiteral("<P>Some ")));
            if (at < 0 || !*view)
                return;
            editor.setFocus();
            editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, long(at + 8));
            auto typed = std::make_shared<int>(0);
            auto keyAt = std::make_shared<qint64>(0);
            auto check = std::make_shared<QTimer>();
            check->setInterval(2);
            QObject::connect(check.get(), &QTimer::timeout, [view, typed, keyAt, check, &editor] {
                static bool asking = false;
                if (asking)
                    return;
                asking = true;
                (*view)->page()->runJavaScript(
                    QStringLiteral("(function () { const p = document.querySelector('p');"
                                   " return !!p && p.textContent.startsWith('Some %1bold'); })()")
                        .arg(QString(*typed, QLatin1Char('x'))),
                    QWebEngineScript::ApplicationWorld,
                    [typed, keyAt, check, &editor](const QVariant &v) {
                        asking = false;
                        if (!v.toBool())
                            return;
                        std::printf("key %lld\n", static_cast<long long>(epochMs() - *keyAt));
                        std::fflush(stdout);
                        if (*typed == 10) {
                            check->stop();
                            std::printf("typed\n");
                            std::fflush(stdout);
                            return;
                        }
                        ++*typed;
                        *keyAt = epochMs();
                        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier,
                                        QStringLiteral("x"));
                        QCoreApplication::sendEvent(&editor, &press);
                        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier,
                                          QStringLiteral("x"));
                        QCoreApplication::sendEvent(&editor, &release);
                    });
            });
            check->start();
            QObject::connect(&program.window(), &QObject::destroyed, [check] { check->stop(); });
            *keyAt = epochMs();
        });
    fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
    notifier->start(100);
}

// `withPreview` false: the preview's engine is never loaded, which leaves
// what the editor and the rest of the program cost.
int programChild(int argc, char **argv, const QString &page, bool withPreview) {
    QApplication app(argc, argv);
    QTemporaryDir programDir;
    bench::QuietInteraction ui;
    Settings settings;
    SettingsStore store(programDir.filePath(QStringLiteral("store.ini")));
    Program program(Workbench{settings, store, ui, programDir.path() + QLatin1Char('/')});
    MainWindow &window = program.window();
    window.runCreationStep();
    settings.showTipOfTheDay = false;
    settings.autoUpdate = true;
    window.resize(1000, 750);
    window.show();
    window.runFirstShow();
    if (withPreview)
        ViewerEngine::instance().loadOnDemand(QStringLiteral(QUILMEAD_PROGRAM_DIR));
    static QWebEngineView *view = nullptr;
    const qint64 opened = epochMs();
    QTimer::singleShot(0, &window, [&] {
        program.documents().loadFile(page, false);
        // The preview's view appears once the engine has come.
        auto *find = new QTimer(&window);
        QObject::connect(find, &QTimer::timeout, &window, [&, find, opened] {
            view = window.widgets().htmlSplit->findChild<QWebEngineView *>();
            if (!view)
                return;
            find->stop();
            std::printf("size %d %d\n", view->width(), view->height());
            std::fflush(stdout);
            watchPaint(view, opened);
        });
        find->start(5);
    });
    typeWhenTold(program, settings, &view);
    return app.exec();
}

// --- The parent: sampling the process tree ---------------------------------------

struct Sample {
    long long cpuTicks = 0; // of every process of the tree, alive or gone
    long long rssHelpersKb = 0;
};

long long readRssKb(int pid, const char *key = "VmRSS:") {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Parent pid and CPU ticks of a process.
bool readStat(int pid, int *ppid, long long *ticks) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = f.readAll();
    const int close = int(s.lastIndexOf(')'));
    if (close < 0)
        return false;
    const QList<QByteArray> fields = s.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return false;
    *ppid = fields.at(1).toInt();
    *ticks = fields.at(11).toLongLong() + fields.at(12).toLongLong();
    return true;
}

struct Tree {
    int root;
    std::map<int, long long> ticks; // last seen per process

    Sample sample() {
        std::map<int, int> parent;
        std::map<int, long long> now;
        for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool ok = false;
            const int pid = name.toInt(&ok);
            int ppid = 0;
            long long t = 0;
            if (ok && readStat(pid, &ppid, &t)) {
                parent[pid] = ppid;
                now[pid] = t;
            }
        }
        Sample s;
        for (const auto &[pid, t] : now) {
            bool inTree = false;
            for (int p = pid, hops = 0; p > 1 && hops < 16; p = parent[p], ++hops)
                if (p == root) {
                    inTree = true;
                    break;
                }
            if (!inTree)
                continue;
            ticks[pid] = t;
            if (pid != root)
                s.rssHelpersKb += readRssKb(pid);
        }
        for (const auto &[pid, t] : ticks)
            s.cpuTicks += t;
        return s;
    }
};

struct Result {
    double paintS = -1, quietS = -1, cpuS = 0, mainMb = 0, helpersMb = 0;
    double mainAfterTypingMb = 0; // resident, once the keys are shown
    std::vector<double> keysMs;
    std::vector<double> paintedMs; // the bare engine: until the change was painted
    int viewW = 0, viewH = 0;
};

Result runChild(const char *exe, const char *mode, const QString &page, bool type) {
    Result r;
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0)
        return r;
    const qint64 start = epochMs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        dup2(in[0], 0);
        close(out[0]);
        close(in[1]);
        const QByteArray path = page.toLocal8Bit();
        execl(exe, exe, "--child", mode, path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(in[0]);
    fcntl(out[0], F_SETFL, fcntl(out[0], F_GETFL) | O_NONBLOCK);
    Tree tree{pid, {}};
    const long hz = sysconf(_SC_CLK_TCK);
    std::string buffer;
    qint64 lastBusy = start;
    long long lastTicks = 0;
    long long peakHelpers = 0;
    long long mainHwm = 0;
    bool quiet = false, typing = false, typed = false;
    const qint64 deadline = start + 240000;
    while (epochMs() < deadline) {
        usleep(200000);
        char chunk[4096];
        ssize_t n;
        while ((n = read(out[0], chunk, sizeof chunk)) > 0)
            buffer.append(chunk, size_t(n));
        size_t eol;
        while ((eol = buffer.find('\n')) != std::string::npos) {
            const QByteArray line = QByteArray::fromStdString(buffer.substr(0, eol));
            buffer.erase(0, eol + 1);
            const QList<QByteArray> w = line.split(' ');
            if (w.value(0) == "paint" && r.paintS < 0)
                r.paintS = (w.value(1).toLongLong() - start) / 1000.0;
            else if (w.value(0) == "key")
                r.keysMs.push_back(w.value(1).toDouble());
            else if (w.value(0) == "painted")
                r.paintedMs.push_back(w.value(1).toDouble());
            else if (w.value(0) == "typed")
                typed = true;
            else if (w.value(0) == "size") {
                r.viewW = w.value(1).toInt();
                r.viewH = w.value(2).toInt();
            }
        }
        const Sample s = tree.sample();
        mainHwm = qMax(mainHwm, readRssKb(pid, "VmHWM:"));
        peakHelpers = qMax(peakHelpers, s.rssHelpersKb);
        const qint64 now = epochMs();
        // Busy: more than a tenth of a core in the last fifth of a second.
        if ((s.cpuTicks - lastTicks) * 1000 / hz > 20)
            lastBusy = now;
        lastTicks = s.cpuTicks;
        if (!quiet && now - lastBusy >= 3000) {
            quiet = true;
            r.quietS = (lastBusy - start) / 1000.0;
            r.cpuS = double(s.cpuTicks) / hz;
            r.mainMb = mainHwm / 1024.0;
            r.helpersMb = peakHelpers / 1024.0;
            if (!type)
                break;
            typing = true;
            const char go = '\n';
            if (write(in[1], &go, 1) != 1)
                break;
        }
        if (typing && typed) {
            r.mainAfterTypingMb = readRssKb(pid) / 1024.0;
            break;
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(pid, &status, WNOHANG) == 0; ++i)
        usleep(100000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    close(out[0]);
    close(in[1]);
    return r;
}

void print(const char *who, const Result &r) {
    std::printf("  %-9s first screen %6.2f s  quiet %6.2f s  CPU %6.2f s  main %6.0f MB  "
                "helpers %6.0f MB\n",
                who, r.paintS, r.quietS, r.cpuS, r.mainMb, r.helpersMb);
    auto keys = [](const std::vector<double> &ms, const char *what) {
        if (ms.empty())
            return;
        std::vector<double> keys(ms.begin() + 1, ms.end()); // the first is no key
        std::printf("  %-9s %s: median %.0f ms, max %.0f ms (%zu keys)\n", "", what,
                    bench::median(keys),
                    keys.empty() ? -1 : *std::max_element(keys.begin(), keys.end()), keys.size());
    };
    const bool bare = std::strcmp(who, "bare") == 0;
    keys(r.keysMs, bare ? "a character changed, laid out again" : "keystroke until shown");
    keys(r.paintedMs, "a character changed, painted");
    if (r.mainAfterTypingMb > 0)
        std::printf("  %-9s main process after typing: %.0f MB resident\n", "",
                    r.mainAfterTypingMb);
}

} // namespace

int main(int argc, char **argv) {
    bench::prepareEnvironment();
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        const QString page = QString::fromLocal8Bit(argv[3]);
        if (std::strcmp(argv[2], "bare") == 0)
            return bareChild(argc, argv, page);
        return programChild(argc, argv, page, std::strcmp(argv[2], "editor") != 0);
    }
    if (argc == 4 && std::strcmp(argv[1], "--write-page") == 0) {
        // The page alone, to look at a run under a profiler.
        QFile file(QString::fromLocal8Bit(argv[3]));
        return file.open(QIODevice::WriteOnly) &&
                       file.write(bench::makeRealisticPage(qint64(std::atoi(argv[2])) * 1024 *
                                                           1024)) > 0
                   ? 0
                   : 1;
    }
    std::vector<int> sizes;
    bool bare = true, program = true, editorOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare-only") == 0)
            program = false;
        else if (std::strcmp(argv[i], "--editor-too") == 0)
            editorOnly = true;
        else if (std::strcmp(argv[i], "--program-only") == 0)
            bare = false;
        else if (std::atoi(argv[i]) > 0)
            sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty())
        sizes = {1, 5, 20};

    QTemporaryDir dir;
    for (int i = 1; i <= 4; ++i) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 80, 160, 220));
        picture.save(dir.filePath(QStringLiteral("pic%1.png").arg(i)), "PNG");
    }
    for (int mib : sizes) {
        const QString page = dir.filePath(QStringLiteral("large%1.htm").arg(mib));
        QFile file(page);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(bench::makeRealisticPage(qint64(mib) * 1024 * 1024));
        file.close();
        std::printf("%d MiB page (%lld bytes):\n", mib, static_cast<long long>(file.size()));
        std::fflush(stdout);
        if (bare)
            print("bare", runChild(argv[0], "bare", page, true));
        std::fflush(stdout);
        if (program) {
            const Result r = runChild(argv[0], "program", page, true);
            print("Quilmead", r);
        }
        if (editorOnly)
            print("no engine", runChild(argv[0], "editor", page, false));
        std::fflush(stdout);
    }
    return 0;
}
