#pragma once

#include "documents/pagelist.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// A page with text that never reached it: a copy beside it (its parking file,
// or a save cut short) written after the page was last saved, or while the
// page does not exist any more, and holding other bytes than the page.
struct RecoverablePage {
    QString document;
    QString copy; // the newest such copy
    QDateTime copyWritten;
    QDateTime documentSaved; // invalid when the document does not exist
};

// What the user decided for one page.
enum class RecoveryAction {
    Open,    // open the unsaved text in a tab; the file changes only on save
    Discard, // delete the copies of the unsaved text
};

// Of `documents` (pages open when an earlier run ended), those with unsaved
// text, in the given order; documents `open` now are left out, as is every
// path given twice.
QList<RecoverablePage> findRecoverablePages(const QStringList &documents, const PageList &open);

// Deletes the copies beside `document` that hold other text than it (the
// parking file and the files of writes cut short), so that no question about
// them comes again. Never a file that is an `open` document. False, with the
// files that stayed, when one could not be deleted.
bool discardUnsavedCopies(const QString &document, const PageList &open, QString *error = nullptr);
