#include "spelling/wordlistfile.h"

#include "app/regularfile.h"
#include "spelling/dctformat.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// Far more than any list a person keeps; a larger file is not a word list.
constexpr qint64 kMaxWordListBytes = qint64(32) * 1024 * 1024;
} // namespace

bool readWordListFile(const QString &path, QStringList &words, bool *wasUtf8) {
    QByteArray bytes;
    if (!RegularFile::readAll(path, bytes, kMaxWordListBytes).ok())
        return false;
    words.clear();
    for (const QString &line : splitLines(decodeText(bytes, wasUtf8))) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            words << word;
    }
    return true;
}

bool writeWordListFile(const QString &path, const QStringList &words, bool utf8, QString *error) {
    const QString text =
        words.isEmpty() ? QString() : words.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray bytes;
    if (utf8 || !cp1252::encode(text, bytes))
        bytes = text.toUtf8();
    const RegularFile::Outcome target = RegularFile::replaceable(path);
    if (!target.ok()) {
        if (error)
            *error = target.message;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString existingPathIgnoringCase(const QString &path) {
    const QFileInfo info(path);
    if (info.exists() || path.isEmpty())
        return path;
    const QDir folder = info.absoluteDir();
    QString match;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) != 0)
            continue;
        if (!match.isEmpty())
            return path;
        match = name;
    }
    return match.isEmpty() ? path : folder.filePath(match);
}

QString normalizedPath(const QString &path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}
