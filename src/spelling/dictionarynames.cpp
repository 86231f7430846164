#include "spelling/dictionarynames.h"

#include "spelling/wordlistfile.h"

namespace spelling {

QString mainDictionaryFileName(const QString &language) {
    return language.toUpper() + QStringLiteral(".DCT");
}

QString dictionaryFolder(const QString &dictionaryPath, const QString &programDir) {
    QString folder =
        dictionaryPath.compare(QLatin1String("APPLICATIONPATH"), Qt::CaseInsensitive) == 0
            ? programDir
            : normalizedPath(dictionaryPath);
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString mainDictionaryPath(const QString &dictionaryPath, const QString &language,
                           const QString &programDir) {
    return dictionaryFolder(dictionaryPath, programDir) + mainDictionaryFileName(language);
}

} // namespace spelling
