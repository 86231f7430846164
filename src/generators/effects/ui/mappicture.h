#pragma once

#include "generators/effects/imagemapgrid.h"

#include <QImage>
#include <QWidget>

// The picture of the image map editor (`MultiImage1`), shown at its own size,
// with the areas drawn over it. It reports the pixel under the mouse, left
// clicks and presses of the right button; the editor decides what they do.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    explicit MapPicture(const QImage &picture, QWidget *parent = nullptr);

    // What is on screen: the picture with the shapes drawn since the last
    // restore().
    const QImage &canvas() const { return m_canvas; }
    // The picture again, without shapes.
    void restore();
    // A shape's outline in white.
    void drawWhite(const MapShape &shape);
    // A shape's outline with the colours under it inverted; drawing the
    // same shape again puts them back.
    void drawInverted(const MapShape &shape);

    QSize sizeHint() const override { return m_canvas.size(); }

signals:
    // The pixel under the mouse, counted from 0.
    void mouseMovedTo(int x, int y);
    // A left click at that pixel.
    void clicked(int x, int y);
    void rightPressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintOutline(QPainter &painter, const MapShape &shape) const;

    QImage m_picture;
    QImage m_canvas;
    bool m_leftDown = false;
};
