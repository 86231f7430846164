#include "generators/effects/ui/mappicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Grid points count from 1; pixels from 0.
QPoint pixelOf(const QPoint &point) {
    return point - QPoint(1, 1);
}

} // namespace

MapPicture::MapPicture(const QImage &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture.convertToFormat(QImage::Format_RGB32)),
      m_canvas(m_picture) {
    setMouseTracking(true);
    setFixedSize(m_canvas.size());
    setCursor(Qt::CrossCursor);
}

void MapPicture::restore() {
    m_canvas = m_picture;
    update();
}

void MapPicture::paintOutline(QPainter &painter, const MapShape &shape) const {
    painter.setBrush(Qt::NoBrush);
    switch (shape.kind) {
    case MapShape::Rect:
        painter.drawRect(QRect(pixelOf(shape.points.at(0)), pixelOf(shape.points.at(1)))
                             .normalized()
                             .adjusted(0, 0, -1, -1));
        break;
    case MapShape::Circle:
        painter.drawEllipse(pixelOf(shape.points.at(0)), shape.radius, shape.radius);
        break;
    case MapShape::Poly: {
        QPolygon polygon;
        for (const QPoint &point : shape.points)
            polygon << pixelOf(point);
        painter.drawPolygon(polygon);
        break;
    }
    case MapShape::None:
        break;
    }
}

void MapPicture::drawWhite(const MapShape &shape) {
    if (shape.kind == MapShape::None)
        return;
    QPainter painter(&m_canvas);
    painter.setPen(QPen(Qt::white, 1));
    paintOutline(painter, shape);
    painter.end();
    update();
}

// The outline is drawn into a mask first and the pixels under it inverted
// once each, so that drawing the shape twice restores the picture exactly.
void MapPicture::drawInverted(const MapShape &shape) {
    if (shape.kind == MapShape::None)
        return;
    QImage mask(m_canvas.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::black, 1));
    paintOutline(painter, shape);
    painter.end();
    for (int y = 0; y < m_canvas.height(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        QRgb *to = reinterpret_cast<QRgb *>(m_canvas.scanLine(y));
        for (int x = 0; x < m_canvas.width(); ++x) {
            if (qAlpha(from[x]) != 0)
                to[x] = (~to[x] & 0x00ffffff) | 0xff000000;
        }
    }
    update();
}

void MapPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas);
}

void MapPicture::mouseMoveEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (rect().contains(at))
        emit mouseMovedTo(at.x(), at.y());
}

void MapPicture::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        emit rightPressed();
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(at)) {
        m_leftDown = true;
        emit mouseMovedTo(at.x(), at.y());
    }
}

void MapPicture::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    const QPoint at = event->position().toPoint();
    if (rect().contains(at))
        emit clicked(at.x(), at.y());
}
