#include "editor/options/ui/colorbox.h"
#include "editor/options/namedcolors.h"
#include "settings/colors.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace {

// A filled square with a thin dark frame, drawn for both ordinary and doubled
// screens so that it stays sharp at any scale factor.
QIcon swatch(const QColor &color, const QSize &size) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QPen(QColor(64, 64, 64), 0));
        painter.setBrush(color);
        painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

ColorBox::ColorBox(QWidget *parent) : QComboBox(parent) {
    for (int i = 0; i < NamedColors::count; ++i)
        addEntry(NamedColors::name(i), NamedColors::color(i));
    setMaxVisibleItems(NamedColors::count + 1);
    const int side = fontMetrics().height() - 2;
    setIconSize(QSize(side, side));
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index < NamedColors::count)
            dropExtraEntry();
        emit colorChanged(color());
    });
}

void ColorBox::addEntry(const QString &name, const QColor &color) {
    const int side = fontMetrics().height() - 2;
    addItem(swatch(color, QSize(side, side)), name, color);
}

void ColorBox::dropExtraEntry() {
    while (count() > NamedColors::count)
        removeItem(count() - 1);
}

QColor ColorBox::color() const {
    return currentData().value<QColor>();
}

void ColorBox::setColor(const QColor &color) {
    const QSignalBlocker quiet(this);
    const int named = NamedColors::indexOf(color);
    dropExtraEntry();
    if (named >= 0) {
        setCurrentIndex(named);
        return;
    }
    addEntry(QLatin1Char('#') + colorToHex(color), QColor(color.rgb()));
    setCurrentIndex(count() - 1);
}

// The swatches are sized from the font.
void ColorBox::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        repaintSwatches();
    QComboBox::changeEvent(event);
}

void ColorBox::repaintSwatches() {
    const int side = fontMetrics().height() - 2;
    for (int i = 0; i < count(); ++i)
        setItemIcon(i, swatch(itemData(i).value<QColor>(), QSize(side, side)));
    setIconSize(QSize(side, side));
}
