#include "settings/settings.h"

#include <QStringList>

const QStringList &spellingLanguages() {
    static const QStringList names = {
        QStringLiteral("English"), QStringLiteral("British"), QStringLiteral("Dutch"),
        QStringLiteral("French"),  QStringLiteral("German"),  QStringLiteral("Italian"),
        QStringLiteral("Spanish"), QStringLiteral("Legal"),   QStringLiteral("Medical")};
    return names;
}

QString dictionaryFileName(int language) {
    const QStringList &names = spellingLanguages();
    const QString name =
        language >= 0 && language < names.size() ? names.at(language) : names.at(0);
    return name.toUpper() + QStringLiteral(".DCT");
}
