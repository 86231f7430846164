#include "app/launchfiles.h"

#include <QDir>
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
        if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
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
