#pragma once

#include <QString>
#include <array>

// The user's preferences, held in memory from start to exit. Every area reads
// and changes them through a reference to one Settings object; the store
// (settingsstore.h) reads them once at start and writes them once at exit.
// Field names are the value names in the store.
struct Settings {
    // LastFiles
    std::array<QString, 4> lastFiles; // File1 (newest) .. File4
    bool autoLoad = false;

    // Helpers: true while the one-time explanation is still to be shown.
    bool expandingChars = true;    // topic 10
    bool fullScreen = true;        // topic 2 ("fullscreen")
    bool newFile = true;           // topic 1
    bool browserRefresh = true;    // topic 3
    bool simpleTable = true;       // topic 4
    bool imageDisplaying = true;   // topic 5
    bool wordwrapHelper = true;    // topic 6 ("Wordwrap" in Helpers)
    bool defaultExtension = true;  // topic 7
    bool internalClipboard = true; // topic 8
    bool savingToDefault = true;   // topic 9
    bool showTipOfTheDay = true;
    int tipNumber = 10;

    // FTP
    int timeOut = 60000; // milliseconds, 0 = never
    QString smartBinary;
    QString smartAscii;

    // Spelling
    bool autoAdd = false;
    bool skipHtml = true;
    int suggestCount = 10;
    int language = 0;
    int dialogStyle = 0;

    // Defaults
    bool expandCharsToHtml = true;
    int tabSize = 5;
    QString fileTabs = QStringLiteral("File List");
    bool showHints = false;
    bool useEws = true;
    bool showProjectPanel = true;
    bool autoUpdate = false;
    bool autoTimeStamp = false;
    bool wordwrap = false;
    QString backgroundColor;
    bool showImages = true;
    QString sharedImageDir;
    QString browser1;
    bool browser1Prefix = false;
    QString browser2;
    bool browser2Prefix = false;
    bool useBr = false;
    QString fontName;
    QString fontSize;
    QString fontColor;
    QString fontStyle;
    QString htmlFontName;
    QString htmlFontSize;
    QString htmlFontColor;
    QString htmlBackgroundColor;
    QString syntaxBgColor;
    QString syntaxFgColor;
    QString highlightBgColor;
    QString highlightFgColor;
    QString extension = QStringLiteral("html,htm,shtm,shtml");
    QString graphicExtension = QStringLiteral("gif,jpg");
    bool useClosingP = false;
    int fileFormat = 0; // 0 Default, 1 Mac Style, 2 Unix Style
    bool autoIndent = true;
    int fontSizeChange = 2;
    std::array<bool, 4> showCustom{{false, false, false, false}};
    std::array<QString, 4> customCaption;

    // WindowAttributes
    bool maximized = false;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int splitPosition = 0;
    int splitDirection = 0; // 0 stacked, 1 side by side
};

// The nine spelling languages, by their index in Settings::language.
const QStringList &spellingLanguages();

// The dictionary file for a language index: the language name and ".DCT".
QString dictionaryFileName(int language);
