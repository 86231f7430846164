#include "documents/picturecopy.h"
#include "app/userinteraction.h"

#include <QFile>
#include <QFileInfo>

bool copyPictureBesidePage(const QString &picture, const QString &pageDir, UserInteraction &ui) {
    QString folder = pageDir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QFileInfo source(picture);
    const QString target = folder + source.fileName();
    if (QFileInfo::exists(target))
        return true; // the picture itself, or another file of that name
    if (QFile::copy(picture, target))
        return true;
    ui.message(QStringLiteral("Cannot copy %1 to %2").arg(picture, folder), Msg::Warning, Msg::Ok);
    return false;
}
