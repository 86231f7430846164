#pragma once

#include "spelling/dctformat.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class DctFile;
class UserInteraction;

// The spelling dictionary: the main dictionary files, the user's own word
// list and an optional exclusion list. Only one may exist at a time.
//
// A word is checked against the exclusion list (always misspelled), then the
// user's list, then each main dictionary in the order opened. Words added by
// the user go to the user's list, which is saved when the dictionary closes;
// if another program changed the file meanwhile, its words are kept too.
//
// Failures are DictionaryError with the text to show: "Dictionary not found :
// " + path, "Dictionary Corrupt." (also from check() and suggest() when a
// main dictionary file turns out damaged), "Multiple Dictionaries not
// supported.".
class Dictionary {
public:
    // `ui` tells the user of failures and must outlive the dictionary.
    // Refuses, when another dictionary exists, with the error box
    // "Programmer Error. Only one dictionary" CR "object can be initialized
    // at once." and DictionaryError "Multiple Dictionaries not supported.".
    explicit Dictionary(UserInteraction &ui);
    // Closes (saving the user's list when changed).
    ~Dictionary();
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    // Whether a dictionary object exists in the process.
    static bool exists();

    // Creates a dictionary and opens the main dictionary, the user's list and
    // the exclusion list (the last two when named), as the spell checker does
    // on first use. A failure leaves no dictionary behind and is thrown.
    static std::unique_ptr<Dictionary> open(UserInteraction &ui, const QString &mainPath,
                                            const QString &userList,
                                            const QString &exclusionList = QString());

    // Opens a main dictionary file; one of the same file name (folder and
    // letter case ignored) already open is kept instead.
    void openMainDictionary(const QString &path);
    int mainDictionaryCount() const { return int(m_mains.size()); }
    DctFile &mainDictionary(int index) { return *m_mains.at(size_t(index)); }

    // Opens the user's list: a name without a folder lies in the folder of the
    // first main dictionary. Returns whether the file exists; when it does not,
    // the list starts empty and is saved to that path. Unsaved words of a
    // list opened before are saved first.
    bool openUserList(const QString &name);
    // Opens the exclusion list, replacing any earlier one; a name not found as
    // given is looked for in the folder of the first main dictionary. Returns
    // whether the file exists; when not, there is no exclusion list.
    bool openExclusionList(const QString &name);

    // Whether the word is spelled correctly (cut to 50 characters, letter case
    // and a final "'s" ignored).
    bool check(const QString &word);
    // Puts the word into the user's list unless it already checks correct.
    // Returns whether it was added.
    bool add(const QString &word);
    // Up to `max` words close to `word` from the main dictionaries and the
    // user's list, best first, in the word's letter case pattern.
    QStringList suggest(const QString &word, int max);

    // Saves the user's list when it changed. On failure tells the user and
    // returns false; the words stay in memory and the list stays changed.
    bool saveUserList();
    // Saves the user's list when changed, then closes every main dictionary.
    // Returns false when the list could not be saved.
    bool close();

    const QStringList &userWords() const { return m_userWords; }
    const QString &userListPath() const { return m_userListPath; }
    qint64 userListAge() const { return m_userListAge; }
    bool userListChanged() const { return m_userListChanged; }
    bool hasExclusionList() const { return m_exclusion.has_value(); }

    // The form in which a word is looked up: cut to 50 characters,
    // lower-cased, a final "'s" removed.
    static QString lookupForm(const QString &word);

private:
    bool userListHas(const QString &lowerWord) const;
    bool insertUserWord(const QString &lowerWord);
    QString firstMainFolder() const;

    UserInteraction &m_ui;
    std::vector<std::unique_ptr<DctFile>> m_mains;
    QStringList m_userWords; // sorted, lower case, no duplicates
    QString m_userListPath;
    qint64 m_userListAge = 0;
    bool m_userListChanged = false;
    bool m_userListUtf8 = true;
    std::optional<QSet<QString>> m_exclusion;
};
