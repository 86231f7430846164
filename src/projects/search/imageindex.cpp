#include "projects/search/imageindex.h"

#include "editor/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace ImageIndex {

QString pagePath(const QString &programDir) {
    return QDir(programDir).filePath(QStringLiteral("images.htm"));
}

bool ensurePage(const QString &path, QString *error) {
    // A link whose target is missing counts as something there: writing
    // would replace what it points to.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return true;
    return writeFileAtomically(path, QByteArrayLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n"),
                               error);
}

QStringList masksOf(const QString &filter) {
    QStringList masks;
    for (const QString &mask : filter.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = mask.trimmed();
        if (!trimmed.isEmpty())
            masks << trimmed;
    }
    if (masks.isEmpty())
        masks << QStringLiteral("*");
    return masks;
}

QStringList listFiles(const QString &folder, const QString &filter) {
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(masksOf(filter), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString folderPrefix(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString indexText(const QString &folder, const QStringList &files) {
    const QString prefix = folderPrefix(folder);
    QString text;
    for (const QString &name : files) {
        const QString location = (prefix + name).toHtmlEscaped();
        text += QStringLiteral("File location: ") + location + QStringLiteral("<br>\r");
        text += QStringLiteral("<img src=\"") + location + QStringLiteral("\"><br>\r");
    }
    text += QLatin1Char('\r');
    return text;
}

} // namespace ImageIndex
