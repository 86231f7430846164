#pragma once

#include <QColor>
#include <QSplitter>

// A splitter of three panes whose two bars stand at per cents of its extent
// and keep them when it is resized. Its bars are drawn in one colour. A bar
// the user drags is reported as a per cent; the owner decides where it stays
// and sets the bars again.
class FrameSplitter : public QSplitter {
    Q_OBJECT
public:
    FrameSplitter(Qt::Orientation orientation, const QColor &barColor, QWidget *parent = nullptr);

    void setBars(int bar1, int bar2);
    int bar1() const { return m_bar1; }
    int bar2() const { return m_bar2; }

signals:
    // The user dragged bar 1 or 2 to `percent`.
    void barDragged(int bar, int percent);

protected:
    QSplitterHandle *createHandle() override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void apply();
    void takeDrag(int index);

    QColor m_color;
    int m_bar1 = 33;
    int m_bar2 = 66;
};
