#include "preview/controller/previewrules.h"

namespace PreviewRules {

QString frameSetMarker() {
    return QStringLiteral("<frameset ");
}

QString viewFileName() {
    return QStringLiteral("quilview.htm");
}

QString linkFileName(const QString &target) {
    const qsizetype cut =
        qMax(target.lastIndexOf(QLatin1Char('/')), target.lastIndexOf(QLatin1Char('\\')));
    return target.mid(cut + 1);
}

bool isPictureLink(const QString &target, const QString &graphicExtensions) {
    // The extension is taken from the file name, so that a relative link such
    // as "../images/pic.gif" is recognised by its "gif" and not by the dots
    // of its folder part.
    const QString name = linkFileName(target);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot + 1).toLower();
    if (extension.isEmpty())
        return false;
    return graphicExtensions.toLower().contains(extension);
}

QString browserArgument(const QString &path, bool prefix) {
    return prefix ? QStringLiteral("FILE://") + path : path;
}

QString historyCaption(const QString &target) {
    return QString(target).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString sourceSearchText(const QString &selection) {
    qsizetype end = selection.size();
    while (end > 0 && (selection.at(end - 1) == QLatin1Char('\r') ||
                       selection.at(end - 1) == QLatin1Char('\n')))
        --end;
    return selection.left(end);
}

} // namespace PreviewRules
