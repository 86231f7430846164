#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <memory>
#include <thread>

// Runs a program search (walkForPrograms) on a worker thread, so that the
// window stays responsive however large the tree, and reports back on the
// thread the object lives in, through queued calls.
//
// The results are reported as rows of one list ordered mask by mask: all
// finds of the first mask in walk order, then those of the second, and so
// on, exactly as if the tree had been walked once per mask. Each find
// arrives as soon as it is made, with the row it takes in that list.
class ProgramSearch : public QObject {
    Q_OBJECT
public:
    explicit ProgramSearch(QObject *parent = nullptr);
    // Stops a running walk and waits for its thread.
    ~ProgramSearch() override;

    // Starts a walk of `root` for `masks`; a walk still running is stopped
    // first, and nothing more is reported from it.
    void start(const QString &root, const QStringList &masks);
    // Asks the walk to stop; finished(false) follows.
    void stop();
    bool isRunning() const { return m_running; }
    // The results so far, in list order.
    QStringList results() const;

signals:
    // A program was found; it takes `row` in the result list.
    void found(int row, const QString &path);
    // The folder being searched, reported a few times a second.
    void searching(const QString &folder);
    // The walk ended: `completed` is false when it was stopped.
    void finished(bool completed);

private:
    struct Run;
    void join();
    void receive(int run, int mask, const QString &path);
    void end(int run, bool completed);

    std::shared_ptr<Run> m_run;
    std::thread m_thread;
    int m_runNumber = 0;
    bool m_running = false;
    QVector<QStringList> m_byMask;
};
