#include "generators/common/definitionfile.h"

#include "editor/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace DefinitionFile {

bool readLines(const QString &path, QStringList &lines, QString *error, qint64 maxBytes) {
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("The file %1 does not exist.").arg(path));
    if (info.isDir())
        return fail(QStringLiteral("%1 is a folder, not a file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    // The size is checked on what is read, not only on what the file system
    // claims (a pipe or a special file reports 0).
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > maxBytes) {
        return fail(QStringLiteral("The file %1 is too large to be a definition (at most %2 MB).")
                        .arg(path)
                        .arg(maxBytes / (1024 * 1024)));
    }
    if (bytes.contains('\0'))
        return fail(QStringLiteral("The file %1 holds binary data, not a definition.").arg(path));
    lines = splitLines(decodeText(bytes).text);
    return true;
}


bool writeLines(const QString &path, const QStringList &lines, QString *error) {
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeFileAtomically(path, text.toUtf8(), error);
}

QString withExtension(const QString &path, const QString &extension) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash + 1)
        return path.left(dot) + extension;
    return path + extension;
}

} // namespace DefinitionFile
