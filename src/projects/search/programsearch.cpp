#include "projects/search/programsearch.h"
#include "projects/search/programwalk.h"

#include <QElapsedTimer>

// What the worker thread shares with the object: the stop request.
struct ProgramSearch::Run {
    std::atomic_bool stop{false};
};

namespace {
// How often the folder being searched is reported, at most.
constexpr qint64 kSearchingIntervalMs = 150;
} // namespace

ProgramSearch::ProgramSearch(QObject *parent) : QObject(parent) {}

ProgramSearch::~ProgramSearch() {
    join();
}

void ProgramSearch::join() {
    if (m_run)
        m_run->stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void ProgramSearch::start(const QString &root, const QStringList &masks) {
    join();
    m_byMask = QVector<QStringList>(masks.size());
    m_running = true;
    const int run = ++m_runNumber;
    m_run = std::make_shared<Run>();
    // The worker reaches this object only through queued calls, which Qt
    // drops once the object is gone (and the object waits for the worker
    // before it goes); the calls of an older walk carry its number and are
    // ignored.
    ProgramSearch *self = this;
    std::shared_ptr<Run> shared = m_run;
    m_thread = std::thread([self, shared, run, root, masks] {
        QElapsedTimer clock;
        clock.start();
        ProgramWalkReport report;
        report.found = [&](int mask, const QString &path) {
            QMetaObject::invokeMethod(
                self, [self, run, mask, path] { self->receive(run, mask, path); },
                Qt::QueuedConnection);
        };
        report.entering = [&](const QString &folder) {
            if (clock.elapsed() < kSearchingIntervalMs)
                return;
            clock.restart();
            QMetaObject::invokeMethod(
                self,
                [self, run, folder] {
                    if (run == self->m_runNumber)
                        emit self->searching(folder);
                },
                Qt::QueuedConnection);
        };
        const bool completed = walkForPrograms(root, masks, report, shared->stop);
        QMetaObject::invokeMethod(
            self, [self, run, completed] { self->end(run, completed); }, Qt::QueuedConnection);
    });
}

void ProgramSearch::stop() {
    if (m_run)
        m_run->stop = true;
}

QStringList ProgramSearch::results() const {
    QStringList all;
    for (const QStringList &paths : m_byMask)
        all += paths;
    return all;
}

void ProgramSearch::receive(int run, int mask, const QString &path) {
    if (run != m_runNumber || mask < 0 || mask >= m_byMask.size())
        return;
    int row = 0;
    for (int i = 0; i <= mask; ++i)
        row += int(m_byMask.at(i).size());
    m_byMask[mask] << path;
    emit found(row, path);
}

void ProgramSearch::end(int run, bool completed) {
    if (run != m_runNumber)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    emit finished(completed);
}
