#include "app/ui/percentsplitter.h"

#include <QResizeEvent>

PercentSplitter::PercentSplitter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent) {
    setChildrenCollapsible(true);
    setHandleWidth(5);
    connect(this, &QSplitter::splitterMoved, this, [this] { takeFromSizes(); });
}

void PercentSplitter::setBarPercent(int bar, int percent) {
    if (m_bars.size() != count() - 1) {
        // Spread the bars evenly until told otherwise.
        m_bars.resize(qMax(0, count() - 1));
        for (int i = 0; i < m_bars.size(); ++i)
            m_bars[i] = 100 * (i + 1) / count();
    }
    if (bar < 0 || bar >= m_bars.size())
        return;
    m_bars[bar] = qBound(0, percent, 100);
    // Keep the bars in order: a later bar never lies before an earlier one.
    for (int i = bar + 1; i < m_bars.size(); ++i)
        m_bars[i] = qMax(m_bars[i], m_bars[bar]);
    for (int i = bar - 1; i >= 0; --i)
        m_bars[i] = qMin(m_bars[i], m_bars[bar]);
    apply();
}

int PercentSplitter::barPercent(int bar) const {
    return bar >= 0 && bar < m_bars.size() ? m_bars.at(bar) : 0;
}

void PercentSplitter::apply() {
    if (m_bars.isEmpty())
        return;
    const int total = orientation() == Qt::Horizontal ? width() : height();
    const int extent = total > 0 ? total : 1000;
    QList<int> sizes;
    int previous = 0;
    // A pane of one per cent or less is not shown at all: a bar placed just
    // after the one before it hides the pane between them.
    auto share = [extent](int percent) { return percent <= 1 ? 0 : extent * percent / 100; };
    for (int bar : m_bars) {
        sizes << share(bar - previous);
        previous = bar;
    }
    sizes << share(100 - previous);
    m_applying = true;
    setSizes(sizes);
    m_applying = false;
}

void PercentSplitter::takeFromSizes() {
    if (m_applying)
        return;
    const QList<int> s = sizes();
    int total = 0;
    for (int v : s)
        total += v;
    if (total <= 0)
        return;
    m_bars.resize(s.size() - 1);
    int sum = 0;
    for (int i = 0; i + 1 < s.size(); ++i) {
        sum += s.at(i);
        m_bars[i] = qRound(100.0 * sum / total);
    }
}

void PercentSplitter::resizeEvent(QResizeEvent *event) {
    QSplitter::resizeEvent(event);
    apply();
}

void PercentSplitter::showEvent(QShowEvent *event) {
    QSplitter::showEvent(event);
    apply();
}
