#include "generators/common/ui/colorbutton.h"

#include "app/userinteraction.h"
#include "settings/colors.h"

#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

ColorButton::ColorButton(QLineEdit *field, QWidget *parent) : ColorButton(parent) {
    connect(field, &QLineEdit::textChanged, this, &ColorButton::showColor);
    showColor(field->text());
}

ColorButton::ColorButton(QWidget *parent) : QToolButton(parent) {
    setToolTip(QStringLiteral("Choose a colour"));
    setIconSize(QSize(16, 16));
    showColor(QString());
}

void ColorButton::showColor(const QString &text) {
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter p(&swatch);
    QColor color;
    if (!text.isEmpty() && hexToColor(text, color)) {
        p.fillRect(1, 1, 14, 14, color);
    } else {
        // No colour (or an unreadable one): a crossed-out frame.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(2, 13, 13, 2);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(0, 0, 15, 15);
    p.end();
    setIcon(QIcon(swatch));
}

bool chooseFieldColor(UserInteraction &ui, QLineEdit &field) {
    QColor color(Qt::white);
    const QString text = field.text();
    if (!text.isEmpty() && !hexToColor(text, color)) {
        ui.message(QStringLiteral("'%1' is not a valid colour: a colour is six hexadecimal "
                                  "digits, red, green and blue (FF0000 is red).")
                       .arg(text),
                   Msg::Error, Msg::Ok);
        return false;
    }
    if (!ui.chooseColor(color) || !color.isValid())
        return false;
    field.setText(colorToHex(color));
    return true;
}
