#pragma once

#include <QDateTime>
#include <QString>

// A parking file found beside a document that is not open: the program ended
// without closing the document (a crash, a power cut), and the parking file
// may hold changes that never reached the document. Neither text may replace
// the other without the user's say.
struct StaleParking {
    bool found = false;
    QString parkingPath;
    QDateTime parkedAt; // last written
    QDateTime savedAt;  // the document's last change; invalid when it does not exist
};

// Looks for a parking file beside `document`. A parking file whose bytes are
// the document's bytes holds nothing to lose and is not reported.
StaleParking findStaleParking(const QString &document);

// The question put to the user (a Confirmation with Yes, No and Cancel).
QString staleParkingQuestion(const QString &document, const StaleParking &stale);
