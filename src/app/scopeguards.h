#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <utility>

// The hourglass for the length of a scope; restored however the scope ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// Runs a function when the scope ends, however it ends.
template <typename F> class ScopeExit {
public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ~ScopeExit() { m_f(); }
    ScopeExit(const ScopeExit &) = delete;
    ScopeExit &operator=(const ScopeExit &) = delete;

private:
    F m_f;
};

// Counts a nesting level for the length of a scope (an owner's "busy"
// counter that tells its own changes from the user's).
class CountedScope {
public:
    explicit CountedScope(int &count) : m_count(count) { ++m_count; }
    ~CountedScope() { --m_count; }
    CountedScope(const CountedScope &) = delete;
    CountedScope &operator=(const CountedScope &) = delete;

private:
    int &m_count;
};
