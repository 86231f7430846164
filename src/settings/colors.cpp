#include "settings/colors.h"

QString colorToHex(const QColor &color) {
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool hexToColor(const QString &text, QColor &color) {
    QString digits = text;
    const int hash = digits.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        digits.remove(hash, 1);
    digits = digits.trimmed();
    if (digits.isEmpty()) {
        color = QColor(0, 0, 0);
        return true;
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok)
        return false;
    color = QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    return true;
}

QColor colorFromStoreText(const QString &text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return QColor();
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString colorToStoreText(const QColor &color) {
    const qlonglong value = color.red() | (color.green() << 8) | (color.blue() << 16);
    return QString::number(value);
}

QColor storedColor(const QString &text, const QColor &fallback) {
    if (text.isEmpty())
        return fallback;
    const QColor c = colorFromStoreText(text);
    return c.isValid() ? c : fallback;
}
