#pragma once

#include <QColor>
#include <QWidget>

// A small round light with a caption to its left ("TAG:", "BODY:").
class Lamp : public QWidget {
    Q_OBJECT
public:
    explicit Lamp(const QString &caption, QWidget *parent = nullptr);
    QString caption() const { return m_caption; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // The neutral colour: the button face of the current style.
    static QColor neutral();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_color;
};
