#include "app/ui/lamp.h"

#include <QApplication>
#include <QPainter>

Lamp::Lamp(const QString &caption, QWidget *parent)
    : QWidget(parent), m_caption(caption), m_color(neutral()) {}

QColor Lamp::neutral() {
    return QApplication::palette().color(QPalette::Button);
}

void Lamp::setColor(const QColor &color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QSize Lamp::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(m_caption) + 24,
                 qMax(18, fontMetrics().height() + 4));
}

void Lamp::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = qMin(height() - 4, 14);
    const int textWidth = fontMetrics().horizontalAdvance(m_caption);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, 0, textWidth + 2, height()), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    const QRectF light(textWidth + 6, (height() - d) / 2.0, d, d);
    p.setBrush(m_color);
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    p.drawEllipse(light);
}
