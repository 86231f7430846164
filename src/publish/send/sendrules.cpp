#include "publish/send/sendrules.h"

#include "publish/ftpclient.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>

namespace SendRules {

int referenceTransferType(const QString &name, const QString &smartAscii,
                          const QString &documentExtensions) {
    const QString extension = QFileInfo(name).suffix().toLower();
    // An empty extension would be found in any text; such a file may be
    // anything, and text mode would change its line ends.
    if (extension.isEmpty())
        return FtpClient::Local8;
    const QString text = (smartAscii + QLatin1Char(' ') + documentExtensions).toLower();
    return text.contains(extension) ? FtpClient::Ascii : FtpClient::Local8;
}

QString byteTotalText(qint64 bytes) {
    if (bytes <= 0)
        return QStringLiteral("0");
    const QString digits = QString::number(bytes);
    const QString separator = QLocale().groupSeparator();
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits.at(i);
    }
    return text;
}

int percentOf(qint64 part, qint64 whole) {
    if (whole <= 0 || part <= 0)
        return 0;
    if (part >= whole)
        return 100;
    return int(std::lround(double(part) * 100.0 / double(whole)));
}

QString totalBytesCaption(qint64 bytes) {
    return QStringLiteral("Total bytes: ") + byteTotalText(bytes);
}

} // namespace SendRules
