#include "tags/custom/datafile.h"
#include "editor/textfile.h"

#include <QFileInfo>

namespace DataFile {

Lines read(const QString &path) {
    Lines result;
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    result.status = Lines::Unreadable;
    if (info.isFile() && info.size() > kMaxFileSize) {
        result.error = QStringLiteral("The file %1 is too large (%2 bytes; at most %3).")
                           .arg(path)
                           .arg(info.size())
                           .arg(kMaxFileSize);
        return result;
    }
    QByteArray bytes;
    if (!readFileBytes(path, bytes, &result.error))
        return result;
    // The file may have grown since it was measured.
    if (bytes.size() > kMaxFileSize) {
        result.error = QStringLiteral("The file %1 is too large.").arg(path);
        return result;
    }
    result.lines = splitLines(decodeText(bytes).text);
    result.status = Lines::Read;
    return result;
}


bool isDamagedLine(const QString &line) {
    if (line.size() > kMaxLineLength)
        return true;
    for (const QChar c : line) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return true;
    }
    return false;
}

bool write(const QString &path, const QStringList &lines, QString *error) {
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeFileAtomically(path, text.toUtf8(), error);
}

} // namespace DataFile
