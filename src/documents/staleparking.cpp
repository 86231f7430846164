#include "documents/staleparking.h"
#include "app/regularfile.h"
#include "documents/companionfiles.h"
#include "documents/documentnames.h"
#include "editor/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

bool sameBytes(const QString &a, const QString &b) {
    QFile fa;
    QFile fb;
    if (!RegularFile::open(fa, a).ok() || !RegularFile::open(fb, b).ok() || fa.size() != fb.size())
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

struct Candidate {
    QString path;
    StaleParking::Kind kind;
};

QList<Candidate> candidatesOf(const QString &document) {
    const QString parking = DocumentNames::parkingFile(document);
    return {{savingFile(document), StaleParking::Kind::UnfinishedSave},
            {parking, StaleParking::Kind::Parking},
            {savingFile(parking), StaleParking::Kind::Parking}};
}

// A copy worth asking about: a regular file that is no open document and
// holds other bytes than the document.
bool worthAsking(const QString &copy, const QString &document, const PageList &open) {
    if (!RegularFile::isRegular(copy) || !CompanionFiles::mayDelete(copy, open))
        return false;
    return !(RegularFile::isRegular(document) && sameBytes(copy, document));
}

} // namespace

StaleParking findStaleParking(const QString &document, const PageList &open) {
    StaleParking stale;
    for (const Candidate &candidate : candidatesOf(document)) {
        if (!worthAsking(candidate.path, document, open))
            continue;
        const QDateTime written = QFileInfo(candidate.path).lastModified();
        if (stale.found && written <= stale.parkedAt)
            continue;
        stale.found = true;
        stale.kind = candidate.kind;
        stale.parkingPath = candidate.path;
        stale.parkedAt = written;
    }
    const QFileInfo doc(document);
    if (stale.found && doc.exists())
        stale.savedAt = doc.lastModified();
    return stale;
}

int removeIdenticalCopies(const QString &document, const PageList &open) {
    if (!RegularFile::isRegular(document))
        return 0;
    int removed = 0;
    for (const QString &copy :
         {savingFile(document), savingFile(DocumentNames::parkingFile(document))}) {
        if (RegularFile::isRegular(copy) && CompanionFiles::mayDelete(copy, open) &&
            sameBytes(copy, document) && QFile::remove(copy))
            ++removed;
    }
    return removed;
}

QString staleParkingQuestion(const QString &document, const StaleParking &stale) {
    const bool save = stale.kind == StaleParking::Kind::UnfinishedSave;
    QString text =
        (save ? QStringLiteral("An unfinished save of ") : QStringLiteral("A backup copy of ")) +
        document + QStringLiteral(" was found (") + stale.parkingPath +
        QStringLiteral(", written ") + stamp(stale.parkedAt);
    if (stale.savedAt.isValid())
        text += QStringLiteral("; the file was last saved ") + stamp(stale.savedAt);
    text += save ? QStringLiteral("). It holds the text that was being saved when the program "
                                  "last ended, and may never have reached the file.\n\n")
                 : QStringLiteral("). It may hold changes that were not saved when the program "
                                  "last ended.\n\n");
    text += save ? QStringLiteral("Yes: open the text of the unfinished save (the file stays as "
                                  "it is until you save).\n"
                                  "No: open the file and delete the unfinished save.\n")
                 : QStringLiteral("Yes: open the backup copy (the file stays as it is until you "
                                  "save).\n"
                                  "No: open the file and delete the backup copy.\n");
    text += QStringLiteral("Cancel: open neither and keep both.");
    return text;
}
