#include "generators/frame/ui/framesplitter.h"

#include <QPainter>
#include <QSplitterHandle>

namespace {

class ColoredHandle : public QSplitterHandle {
public:
    ColoredHandle(Qt::Orientation orientation, QSplitter *parent, const QColor &color)
        : QSplitterHandle(orientation, parent), m_color(color) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), isEnabled() ? m_color : m_color.lighter(160));
    }

private:
    QColor m_color;
};

} // namespace

FrameSplitter::FrameSplitter(Qt::Orientation orientation, const QColor &barColor, QWidget *parent)
    : QSplitter(orientation, parent), m_color(barColor) {
    setChildrenCollapsible(true);
    setHandleWidth(4);
    setOpaqueResize(true);
    connect(this, &QSplitter::splitterMoved, this, [this](int, int index) { takeDrag(index); });
}

QSplitterHandle *FrameSplitter::createHandle() {
    return new ColoredHandle(orientation(), this, m_color);
}

void FrameSplitter::setBars(int bar1, int bar2) {
    m_bar1 = qBound(0, bar1, 100);
    m_bar2 = qBound(m_bar1, bar2, 100);
    apply();
}

void FrameSplitter::apply() {
    if (count() != 3)
        return;
    // setSizes shares the space out by these weights; hidden panes drop out.
    const bool blocked = blockSignals(true);
    setSizes({m_bar1 * 100, (m_bar2 - m_bar1) * 100, (100 - m_bar2) * 100});
    blockSignals(blocked);
}

void FrameSplitter::takeDrag(int index) {
    const QList<int> s = sizes();
    if (s.size() != 3)
        return;
    const int total = s.at(0) + s.at(1) + s.at(2);
    if (total <= 0)
        return;
    const int before = index == 1 ? s.at(0) : s.at(0) + s.at(1);
    emit barDragged(index, qRound(100.0 * before / total));
}

void FrameSplitter::resizeEvent(QResizeEvent *event) {
    QSplitter::resizeEvent(event);
    apply();
}

void FrameSplitter::showEvent(QShowEvent *event) {
    QSplitter::showEvent(event);
    apply();
}
