#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Dictionary;
class UserInteraction;

// What the spell-check dialog and the underlining in the editor ask of the
// dictionaries: whether a word is known, suggestions, adding a word, and the
// words the user chose to skip for the rest of the run ("Skip Always").
//
// The dictionary (main dictionary and user's list) opens on first use and
// stays open until close(), or until another main dictionary or user list
// is named. A main dictionary that cannot be opened is not tried again until
// retry() or another name; its error text is kept.
class SpellingChecker {
public:
    // `ui` tells the user of failures to save the user's list.
    explicit SpellingChecker(UserInteraction &ui);
    ~SpellingChecker();
    SpellingChecker(const SpellingChecker &) = delete;
    SpellingChecker &operator=(const SpellingChecker &) = delete;

    // Names the main dictionary file and the user's list (a name without a
    // folder lies beside the main dictionary). A change closes the open
    // dictionary, saving the user's list.
    void setFiles(const QString &mainPath, const QString &userList);
    const QString &mainPath() const { return m_mainPath; }

    // Opens the dictionary unless it is open or failed to open. Returns
    // whether it is open; when not, error() tells why ("Dictionary not found
    // : " + path, "Dictionary Corrupt.").
    bool open();
    bool isOpen() const { return m_dictionary != nullptr; }
    const QString &error() const { return m_error; }
    // Forgets a failure, so that the next open() tries again.
    void retry() { m_error.clear(); }

    // Whether the word is skipped or spelled correctly. False when the
    // dictionary is not open.
    bool isKnown(const QString &word);
    // Up to `max` words close to `word`.
    QStringList suggest(const QString &word, int max);
    // Puts the word into the user's list; whether it was added.
    bool add(const QString &word);
    // The word counts as known for the rest of the run (letter case ignored).
    void skipAlways(const QString &word);

    // A number that changes whenever a word that was unknown may have become
    // known or the other way round: added, skipped, another dictionary.
    quint64 generation() const { return m_generation; }

    // Saves the user's list when it changed and closes the dictionary.
    // Returns false when the list could not be saved (the user was told).
    bool close();

    Dictionary *dictionary() { return m_dictionary.get(); }

private:
    void fail(const QString &error);

    UserInteraction &m_ui;
    std::unique_ptr<Dictionary> m_dictionary;
    QString m_mainPath;
    QString m_userList;
    QString m_error;
    QSet<QString> m_skipped; // lower case
    quint64 m_generation = 0;
};
