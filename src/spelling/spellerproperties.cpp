#include "spelling/spellerproperties.h"

#include "settings/settings.h"
#include "spelling/dictionarynames.h"

#include <QStringList>

int spellerDialogTypeIndex(SpellerDialogType type) {
    switch (type) {
    case SpellerDialogType::MSWord:
        return 0;
    case SpellerDialogType::WordPerfect:
        return 1;
    case SpellerDialogType::WordPro96:
        return 2;
    }
    return 1;
}

SpellerDialogType spellerDialogTypeOf(int index) {
    switch (index) {
    case 0:
        return SpellerDialogType::MSWord;
    case 2:
        return SpellerDialogType::WordPro96;
    default:
        return SpellerDialogType::WordPerfect;
    }
}

void SpellerProperties::apply(const Settings &s) {
    confirmAdd = s.autoAdd;
    supportHtml = s.skipHtml;
    suggestions = s.suggestCount;
    dictionaryType = s.language;
}

void SpellerProperties::capture(Settings &s) const {
    s.autoAdd = confirmAdd;
    s.skipHtml = supportHtml;
    s.suggestCount = suggestions;
    s.dialogStyle = spellerDialogTypeIndex(dialogStyle);
}

QString SpellerProperties::mainDictionaryPath(const QString &programDir) const {
    const QStringList &names = spellingLanguages();
    // A language index from a damaged store falls back to the first.
    const QString language = dictionaryType >= 0 && dictionaryType < names.size()
                                 ? names.at(dictionaryType)
                                 : names.at(0);
    return spelling::mainDictionaryPath(dictionaryPath, language, programDir);
}
