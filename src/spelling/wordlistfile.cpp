#include "spelling/wordlistfile.h"

#include "spelling/dctformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool readWordListFile(const QString &path, QStringList &words, bool *wasUtf8) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
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
