#include "app/ui/glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Glyphs {

namespace {

const QColor kInk(40, 52, 80);
const QColor kAccent(32, 120, 200);

QPixmap canvas(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void page(QPainter &p, const QRectF &r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(kInk, 1.2));
    p.drawPath(path);
}

void arrow(QPainter &p, bool left) {
    QPainterPath path;
    if (left) {
        path.moveTo(3, 10);
        path.lineTo(10, 3);
        path.lineTo(10, 7);
        path.lineTo(17, 7);
        path.lineTo(17, 13);
        path.lineTo(10, 13);
        path.lineTo(10, 17);
    } else {
        path.moveTo(17, 10);
        path.lineTo(10, 3);
        path.lineTo(10, 7);
        path.lineTo(3, 7);
        path.lineTo(3, 13);
        path.lineTo(10, 13);
        path.lineTo(10, 17);
    }
    path.closeSubpath();
    p.setBrush(kAccent);
    p.setPen(QPen(kInk, 1));
    p.drawPath(path);
}

void letters(QPainter &p, const QString &text, const QColor &color, int pixelSize) {
    QFont f(QStringLiteral("Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(color);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, text);
}

} // namespace

QPixmap splash() {
    QPixmap pm = canvas(400, 220);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 400, 220);
    g.setColorAt(0, QColor(24, 60, 110));
    g.setColorAt(1, QColor(60, 140, 200));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(255, 255, 255, 60));
    QFont code(QStringLiteral("Monospace"));
    code.setPixelSize(14);
    p.setFont(code);
    const char *lines[] = {"<HTML>",  "<HEAD><TITLE>", "<BODY>", "<H1>", "<P ALIGN=\"center\">",
                           "</BODY>", "</HTML>"};
    int y = 24;
    for (const char *l : lines) {
        p.drawText(220, y, QString::fromLatin1(l));
        y += 24;
    }
    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(24, 60, 360, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quilmead"));
    QFont sub(QStringLiteral("Sans"));
    sub.setPixelSize(14);
    p.setFont(sub);
    p.drawText(QRect(26, 120, 360, 24), Qt::AlignLeft,
               QStringLiteral("HTML editor  -  Version 2.6"));
    p.drawText(QRect(26, 180, 360, 24), Qt::AlignLeft, QStringLiteral("Loading..."));
    return pm;
}

QPixmap bulb(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QRadialGradient glow(s * 0.45, s * 0.35, s * 0.4);
    glow.setColorAt(0, QColor(255, 255, 210));
    glow.setColorAt(1, QColor(250, 210, 40));
    p.setBrush(glow);
    p.setPen(QPen(QColor(150, 110, 0), s / 24));
    p.drawEllipse(QRectF(s * 0.18, s * 0.05, s * 0.6, s * 0.6));
    p.setBrush(QColor(160, 160, 170));
    p.setPen(QPen(QColor(90, 90, 100), s / 24));
    p.drawRect(QRectF(s * 0.34, s * 0.64, s * 0.28, s * 0.22));
    p.drawLine(QPointF(s * 0.34, s * 0.72), QPointF(s * 0.62, s * 0.72));
    p.drawLine(QPointF(s * 0.34, s * 0.79), QPointF(s * 0.62, s * 0.79));
    return pm;
}

QIcon programIcon() {
    QPixmap pm = canvas(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(32, 90, 160));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont f(QStringLiteral("Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("</>"));
    return QIcon(pm);
}

QIcon tool(Tool which) {
    QPixmap pm = canvas(20, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Tool::New:
        page(p, QRectF(4, 2, 12, 16));
        break;
    case Tool::Open:
        p.setBrush(QColor(240, 200, 90));
        p.setPen(QPen(kInk, 1));
        p.drawRect(QRectF(2, 6, 16, 11));
        p.drawRect(QRectF(2, 4, 7, 3));
        break;
    case Tool::Close:
        page(p, QRectF(4, 2, 12, 16));
        p.setPen(QPen(QColor(190, 30, 30), 2));
        p.drawLine(7, 8, 13, 14);
        p.drawLine(13, 8, 7, 14);
        break;
    case Tool::Save:
        p.setBrush(kAccent);
        p.setPen(QPen(kInk, 1));
        p.drawRect(QRectF(3, 3, 14, 14));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 8, 5));
        p.drawRect(QRectF(6, 11, 8, 6));
        break;
    case Tool::FullScreen:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 3.5, 15, 13));
        p.setBrush(kAccent);
        p.drawRect(QRectF(5, 6, 10, 8));
        break;
    case Tool::Print:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 2, 10, 6));
        p.setBrush(QColor(170, 170, 180));
        p.drawRect(QRectF(2, 8, 16, 7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 13, 10, 5));
        break;
    case Tool::Refresh: {
        p.setPen(QPen(QColor(30, 140, 60), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 12, 12), 30 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(15, 2);
        head.lineTo(16.5, 8);
        head.lineTo(10.5, 7);
        head.closeSubpath();
        p.setBrush(QColor(30, 140, 60));
        p.setPen(Qt::NoPen);
        p.drawPath(head);
        break;
    }
    case Tool::SplitStyle:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        p.setBrush(kAccent);
        p.drawRect(QRectF(2.5, 2.5, 7.5, 15));
        break;
    case Tool::Back:
        arrow(p, true);
        break;
    case Tool::Forward:
        arrow(p, false);
        break;
    case Tool::Browser:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6.5, 2.5, 7, 15));
        p.drawLine(QPointF(2.5, 10), QPointF(17.5, 10));
        break;
    case Tool::Projects:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2, 2, 8, 6));
        p.drawLine(QPointF(5, 8), QPointF(5, 15));
        p.drawLine(QPointF(5, 11), QPointF(10, 11));
        p.drawLine(QPointF(5, 15), QPointF(10, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 9, 7, 4));
        p.drawRect(QRectF(10, 13.5, 7, 4));
        break;
    case Tool::Cut:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 12, 5, 5));
        p.drawEllipse(QRectF(12, 12, 5, 5));
        p.drawLine(QPointF(7, 12), QPointF(14, 2));
        p.drawLine(QPointF(13, 12), QPointF(6, 2));
        break;
    case Tool::Copy:
        page(p, QRectF(2, 2, 10, 12));
        page(p, QRectF(8, 6, 10, 12));
        break;
    case Tool::Paste:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(3, 3, 12, 15));
        page(p, QRectF(8, 7, 10, 12));
        break;
    case Tool::Spell:
        letters(p, QStringLiteral("abc"), kInk, 8);
        p.setPen(QPen(QColor(30, 140, 60), 2));
        p.drawLine(QPointF(5, 15), QPointF(8, 18));
        p.drawLine(QPointF(8, 18), QPointF(16, 12));
        break;
    case Tool::DownArrow: {
        QPainterPath tri;
        tri.moveTo(6, 8);
        tri.lineTo(14, 8);
        tri.lineTo(10, 13);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(tri);
        break;
    }
    }
    return QIcon(pm);
}

} // namespace Glyphs
