#pragma once

#include <QString>

// Where the spell checker finds its main dictionary.
namespace spelling {

// The main dictionary's file name for a language: the name in upper case
// followed by ".DCT" ("English" gives "ENGLISH.DCT").
QString mainDictionaryFileName(const QString &language);

// The folder named by a dictionary path setting: "APPLICATIONPATH" (in any
// letter case) is the program folder; any other non-empty path ends with a
// separator ("\" is read as one). An empty path stays empty: the file name
// alone is used.
QString dictionaryFolder(const QString &dictionaryPath, const QString &programDir);

// The full path of a language's main dictionary.
QString mainDictionaryPath(const QString &dictionaryPath, const QString &language,
                           const QString &programDir);

} // namespace spelling
