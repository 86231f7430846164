#include "tags/custom/ui/widgettext.h"

#include <QWidget>

namespace WidgetText {

QString literalCaption(const QString &text) {
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString literalMenuText(const QString &text) {
    return literalCaption(text).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

void setHint(QWidget *widget, const QString &hint, bool show) {
    widget->setStatusTip(hint);
    if (!show || hint.isEmpty()) {
        widget->setToolTip(QString());
        return;
    }
    // Tool tips that look like mark-up are rendered as rich text; escaping
    // inside an explicit rich-text paragraph shows the code itself.
    widget->setToolTip(QStringLiteral("<p style='white-space:pre'>") + hint.toHtmlEscaped() +
                       QStringLiteral("</p>"));
}

} // namespace WidgetText
