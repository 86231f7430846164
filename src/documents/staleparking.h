#pragma once

#include "documents/pagelist.h"

#include <QDateTime>
#include <QString>

// A copy of a document's text left beside it by an earlier run that ended
// without closing the document (a crash, a power cut): its parking file (or
// the temporary file of a write of the parking file), or the temporary file of
// a save of the document that was cut short before it replaced the document.
// Such a copy may hold changes that never reached the document. Neither text
// may replace the other without the user's say.
struct StaleParking {
    enum class Kind {
        Parking,        // the parking file, or its write cut short
        UnfinishedSave, // a save of the document cut short
    };
    bool found = false;
    Kind kind = Kind::Parking;
    QString parkingPath; // the copy
    QDateTime parkedAt;  // the copy's last change
    QDateTime savedAt;   // the document's last change; invalid when it does not exist
};

// Looks for copies left beside `document`. A copy whose bytes are the
// document's holds nothing to lose and is not reported, nor is a copy that is
// itself one of the `open` documents (a page called "c.htm_" is not the
// parking file of "c.htm" while it is open). Of several copies, the newest.
StaleParking findStaleParking(const QString &document, const PageList &open = PageList());

// Removes the temporary files of saves cut short whose bytes are the
// document's: they hold nothing to lose. Never one that is an `open`
// document. Returns how many were removed.
int removeIdenticalCopies(const QString &document, const PageList &open);

// The question put to the user (a Confirmation with Yes, No and Cancel).
QString staleParkingQuestion(const QString &document, const StaleParking &stale);
