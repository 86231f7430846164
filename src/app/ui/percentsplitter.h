#pragma once

#include <QSplitter>
#include <QVector>

// A splitter whose bars are placed in per cent of its extent. Bar i lies
// between pane i and pane i + 1; a bar at the same per cent as the one before
// it (or at 0 or 100) collapses the pane between them. The per cents are kept
// while the splitter is resized and follow the user's dragging.
class PercentSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit PercentSplitter(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Call after all panes are added.
    void setBarPercent(int bar, int percent);
    int barPercent(int bar) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void apply();
    void takeFromSizes();

    QVector<int> m_bars; // per cent of each bar, ascending
    bool m_applying = false;
};
