#include "documents/session/recovery.h"
#include "documents/staleparking.h"

#include <QFile>

QList<RecoverablePage> findRecoverablePages(const QStringList &documents, const PageList &open) {
    QList<RecoverablePage> pages;
    QStringList seen;
    for (const QString &document : documents) {
        if (seen.contains(document) || open.indexOfSameFile(document) >= 0)
            continue;
        seen << document;
        const StaleParking stale = findStaleParking(document, open);
        if (!stale.found || (stale.savedAt.isValid() && stale.parkedAt <= stale.savedAt))
            continue;
        pages.append({document, stale.parkingPath, stale.parkedAt, stale.savedAt});
    }
    return pages;
}

bool discardUnsavedCopies(const QString &document, const PageList &open, QString *error) {
    QStringList kept;
    // Newest first, as the question on opening offers them; a copy that
    // cannot go would be found again and again, so it ends the walk.
    for (;;) {
        const StaleParking stale = findStaleParking(document, open);
        if (!stale.found)
            break;
        if (!QFile::remove(stale.parkingPath)) {
            kept << stale.parkingPath;
            break;
        }
    }
    if (!kept.isEmpty() && error)
        *error = QStringLiteral("The unsaved text of %1 could not be deleted: %2")
                     .arg(document, kept.join(QStringLiteral(", ")));
    return kept.isEmpty();
}
