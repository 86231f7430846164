#include "documents/staleparking.h"
#include "documents/documentnames.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

bool sameBytes(const QString &a, const QString &b) {
    QFile fa(a);
    QFile fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!fa.atEnd()) {
        if (fa.read(kChunk) != fb.read(kChunk))
            return false;
    }
    return fb.atEnd();
}

QString stamp(const QDateTime &time) {
    return QLocale().toString(time, QLocale::ShortFormat);
}

} // namespace

StaleParking findStaleParking(const QString &document) {
    StaleParking stale;
    const QString parking = DocumentNames::parkingFile(document);
    const QFileInfo info(parking);
    if (!info.exists() || !info.isFile())
        return stale;
    const QFileInfo doc(document);
    if (doc.isFile() && sameBytes(parking, document))
        return stale;
    stale.found = true;
    stale.parkingPath = parking;
    stale.parkedAt = info.lastModified();
    if (doc.exists())
        stale.savedAt = doc.lastModified();
    return stale;
}

QString staleParkingQuestion(const QString &document, const StaleParking &stale) {
    QString text = QStringLiteral("A backup copy of ") + document + QStringLiteral(" was found (") +
                   stale.parkingPath + QStringLiteral(", written ") + stamp(stale.parkedAt);
    if (stale.savedAt.isValid())
        text += QStringLiteral("; the file was last saved ") + stamp(stale.savedAt);
    text +=
        QStringLiteral("). It may hold changes that were not saved when the program last ended.\n\n"
                       "Yes: open the backup copy (the file stays as it is until you save).\n"
                       "No: open the file and delete the backup copy.\n"
                       "Cancel: open neither and keep both.");
    return text;
}
