// Start-up time and memory of the program: from process start to the main
// window shown with the event loop idle, and to the preview engine loaded;
// peak resident memory of the main process. Several runs, median printed.
//
//   bench_startup [runs] [executable]
// Needs a display (run under xvfb-run); uses a fresh settings folder.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run {
    double shownMs = -1, engineMs = -1, peakMb = -1, shownMb = -1;
};

Run runOnce(const char *exe) {
    Run r;
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return r;
    char configDir[] = "/tmp/quilmead-bench-XXXXXX";
    if (!mkdtemp(configDir))
        return r;
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], 1);
        close(pipeFd[0]);
        setenv("QUILMEAD_BENCH_STARTUP", "1", 1);
        setenv("XDG_CONFIG_HOME", configDir, 1);
        execl(exe, exe, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    std::string out;
    char buf[512];
    ssize_t n;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0)
        out.append(buf, static_cast<size_t>(n));
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.peakMb = usage.ru_maxrss / 1024.0;
    auto field = [&](const char *key) -> double {
        const size_t at = out.find(key);
        if (at == std::string::npos)
            return -1;
        return (std::atoll(out.c_str() + at + std::strlen(key) + 1) - start) / 1e6;
    };
    r.shownMs = field("shown-idle-ns");
    const size_t hwm = out.find("shown-idle-hwm-kb ");
    if (hwm != std::string::npos)
        r.shownMb = std::atoll(out.c_str() + hwm + 18) / 1024.0;
    r.engineMs = field("engine-loaded-ns");
    std::string cleanup = std::string("rm -rf ") + configDir;
    if (std::system(cleanup.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", configDir);
    return r;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const char *exe = argc > 2 ? argv[2] : QUILMEAD_EXECUTABLE;
    std::vector<double> shown, engine, peak, shownMem;
    runOnce(exe); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(exe);
        std::printf(
            "run %d: window shown and idle %.0f ms (peak RSS %.1f MB), preview engine loaded "
            "%.0f ms (peak RSS %.1f MB)\n",
            i + 1, r.shownMs, r.shownMb, r.engineMs, r.peakMb);
        shownMem.push_back(r.shownMb);
        shown.push_back(r.shownMs);
        engine.push_back(r.engineMs);
        peak.push_back(r.peakMb);
    }
    std::printf("median of %d: window shown and idle %.0f ms (peak RSS %.1f MB), preview engine "
                "loaded %.0f ms (peak RSS %.1f MB)\n",
                runs, median(shown), median(shownMem), median(engine), median(peak));
    return 0;
}
