#include "spelling/spellingchecker.h"

#include "spelling/dictionary.h"

SpellingChecker::SpellingChecker(UserInteraction &ui) : m_ui(ui) {}

SpellingChecker::~SpellingChecker() {
    close();
}

void SpellingChecker::setFiles(const QString &mainPath, const QString &userList) {
    if (mainPath == m_mainPath && userList == m_userList)
        return;
    close();
    m_mainPath = mainPath;
    m_userList = userList;
    m_error.clear();
}

bool SpellingChecker::open() {
    if (m_dictionary)
        return true;
    if (!m_error.isEmpty())
        return false;
    try {
        m_dictionary = Dictionary::open(m_ui, m_mainPath, m_userList);
        ++m_generation;
    } catch (const DictionaryError &e) {
        m_error = e.text();
    }
    return m_dictionary != nullptr;
}

bool SpellingChecker::isKnown(const QString &word) {
    if (!m_dictionary)
        return false;
    if (!m_skipped.isEmpty() && m_skipped.contains(word.toLower()))
        return true;
    try {
        return m_dictionary->check(word);
    } catch (const DictionaryError &e) {
        fail(e.text());
        return false;
    }
}

QStringList SpellingChecker::suggest(const QString &word, int max) {
    if (!m_dictionary)
        return {};
    try {
        return m_dictionary->suggest(word, qBound(0, max, 100));
    } catch (const DictionaryError &e) {
        fail(e.text());
        return {};
    }
}

// A main dictionary found damaged while in use is closed (the user's list is
// saved) and not opened again until retry().
void SpellingChecker::fail(const QString &error) {
    close();
    m_error = error;
}

bool SpellingChecker::add(const QString &word) {
    if (!m_dictionary || !m_dictionary->add(word))
        return false;
    ++m_generation;
    return true;
}

void SpellingChecker::skipAlways(const QString &word) {
    m_skipped.insert(word.toLower());
    ++m_generation;
}

bool SpellingChecker::close() {
    if (!m_dictionary)
        return true;
    const bool saved = m_dictionary->close();
    m_dictionary.reset();
    ++m_generation;
    return saved;
}
