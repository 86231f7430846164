#pragma once

#include <QString>

struct Settings;

// The looks the spell-check dialog is known by. The dialog keeps the
// WordPerfect look; the others are kept for the settings' sake.
enum class SpellerDialogType { WordPerfect, MSWord, WordPro96 };

// The dialog look as its index in the settings' list "MS Word",
// "Wordperfect", "WordPro 96", and back (an unknown index gives WordPerfect).
int spellerDialogTypeIndex(SpellerDialogType type);
SpellerDialogType spellerDialogTypeOf(int index);

// The properties of the main window's spell-check component, with the
// values it starts with. The settings set four of them at start and from
// General Settings, and take them back at exit.
struct SpellerProperties {
    bool autoShift = true;   // the dialog moves off the word it reports
    bool autoSuggest = true; // suggestions come with each word
    bool confirmAdd = true;  // ask before a word goes into the user's list
    SpellerDialogType dialogStyle = SpellerDialogType::WordPerfect;
    QString dictionaryPath = QStringLiteral("APPLICATIONPATH");
    int dictionaryType = 0; // the language, as an index of spellingLanguages()
    int labelLanguage = 0;  // the dialog's texts are English
    int suggestions = 10;
    bool showGlyphs = true;
    bool supportHtml = true; // pass over everything from "<" to ">"
    QString userDictionary = QStringLiteral("USERDCT.DCT");
    QString exclusionList; // none
    bool forceModal = false;

    // AutoAdd, SkipHTML, SuggestCount and Language.
    void apply(const Settings &settings);
    // AutoAdd, SkipHTML and SuggestCount from the component, and DialogStyle
    // from its look. Language stays as the settings hold it.
    void capture(Settings &settings) const;

    // The main dictionary file of the language, in the dictionary folder.
    QString mainDictionaryPath(const QString &programDir) const;
};
