#include "documents/companionfiles.h"
#include "documents/documentnames.h"
#include "editor/textfile.h"

namespace CompanionFiles {

QStringList of(const QString &document) {
    const QString parking = DocumentNames::parkingFile(document);
    return {parking, savingFile(document), savingFile(parking)};
}

int ownerOf(const QString &path, const PageList &open) {
    for (int i = open.count() - 1; i >= 0; --i) {
        for (const QString &companion : of(open.at(i).fileName)) {
            if (DocumentNames::sameFile(companion, path))
                return i;
        }
    }
    return -1;
}

bool mayDelete(const QString &file, const PageList &open) {
    return open.indexOfSameFile(file) < 0;
}

bool mayWrite(const QString &file, const PageList &open) {
    return mayDelete(file, open) && mayDelete(savingFile(file), open);
}

bool maySave(const QString &document, const PageList &open) {
    return mayDelete(savingFile(document), open);
}

QString ownedFileQuestion(const QString &path, const PageList &open) {
    const int owner = ownerOf(path, open);
    if (owner < 0)
        return QString();
    const QString document = open.at(owner).fileName;
    const bool parking = DocumentNames::sameFile(path, DocumentNames::parkingFile(document));
    QString text = path;
    text += parking ? QStringLiteral(" is where the text of the open document ") + document +
                          QStringLiteral(" is kept while its tab is not shown.")
                    : QStringLiteral(" is a temporary file of a save of the open document ") +
                          document + QLatin1Char('.');
    text += QStringLiteral("\n\nOpen it as a document of its own? The text of ") + document +
            QStringLiteral(" is then kept in memory only and never written to it.");
    return text;
}

QString saveBlockedText(const QString &document) {
    return QStringLiteral("Cannot save ") + document + QStringLiteral(": ") + savingFile(document) +
           QStringLiteral(", which a save writes first, is open as a document. Close it, or "
                          "save under another name.");
}

} // namespace CompanionFiles
