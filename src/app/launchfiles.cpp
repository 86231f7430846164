#include "app/launchfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

QStringList launchFiles(const QStringList &arguments, const QString &workingDir) {
    QStringList files;
    bool options = true;
    const QDir base(workingDir);
    for (const QString &argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (argument.isEmpty() || (options && argument.startsWith(QLatin1Char('-'))))
            continue;
        QString path = argument;
        static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
        if (scheme.match(argument).hasMatch() && argument.contains(QLatin1String(":/"))) {
            // A URL: only a local file's is opened.
            const QUrl url(argument);
            if (!url.isLocalFile())
                continue;
            path = url.toLocalFile();
        }
        const QString absolute = QDir::cleanPath(base.absoluteFilePath(path));
        if (!files.contains(absolute))
            files << absolute;
    }
    return files;
}
