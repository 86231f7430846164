#include "spelling/dictionary.h"

#include "app/regularfile.h"
#include "app/userinteraction.h"
#include "spelling/dctfile.h"
#include "spelling/suggester.h"
#include "spelling/wordlistfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <atomic>

namespace {

std::atomic<bool> g_dictionaryExists{false};

// The file's modification time in milliseconds; 0 when there is no file.
qint64 fileAge(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() ? info.lastModified().toMSecsSinceEpoch() : 0;
}

} // namespace

Dictionary::Dictionary(UserInteraction &ui) : m_ui(ui) {
    if (g_dictionaryExists.exchange(true)) {
        ui.message(QStringLiteral("Programmer Error. Only one dictionary") + QLatin1Char('\r') +
                       QStringLiteral("object can be initialized at once."),
                   Msg::Error, Msg::Ok);
        throw DictionaryError(dct::multipleText());
    }
}

Dictionary::~Dictionary() {
    close();
    g_dictionaryExists = false;
}

bool Dictionary::exists() {
    return g_dictionaryExists;
}

std::unique_ptr<Dictionary> Dictionary::open(UserInteraction &ui, const QString &mainPath,
                                             const QString &userList,
                                             const QString &exclusionList) {
    auto dictionary = std::make_unique<Dictionary>(ui);
    dictionary->openMainDictionary(mainPath);
    if (!userList.isEmpty())
        dictionary->openUserList(userList);
    if (!exclusionList.isEmpty())
        dictionary->openExclusionList(exclusionList);
    return dictionary;
}

void Dictionary::openMainDictionary(const QString &path) {
    const QString given = normalizedPath(path);
    const QString name = QFileInfo(given).fileName();
    for (const auto &open : m_mains)
        if (QFileInfo(open->path()).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return;
    m_mains.push_back(std::make_unique<DctFile>(existingPathIgnoringCase(given)));
}

QString Dictionary::firstMainFolder() const {
    if (m_mains.empty())
        return QString();
    return QFileInfo(m_mains.front()->path()).absolutePath() + QLatin1Char('/');
}

bool Dictionary::openUserList(const QString &name) {
    if (m_userListChanged)
        saveUserList();
    m_userWords.clear();
    m_userListChanged = false;
    m_userListUtf8 = true;
    m_userListAge = 0;

    // A list named without a folder lies beside the first main dictionary.
    // (Another system also looks for "CUSTOM.DIC" in a shared proofing folder
    // of its own; there is no such folder here.)
    QString path = normalizedPath(name);
    if (!path.contains(QLatin1Char('/')))
        path = firstMainFolder() + path;
    m_userListPath = existingPathIgnoringCase(path);
    if (!QFileInfo(m_userListPath).isFile())
        return false;

    QStringList words;
    if (readWordListFile(m_userListPath, words, &m_userListUtf8)) {
        m_userListAge = fileAge(m_userListPath);
        for (const QString &w : words)
            insertUserWord(w.toLower());
    }
    // When the file cannot be read its age stays 0, so saving will try to
    // read it again and never writes over words it could not load.
    return true;
}

bool Dictionary::openExclusionList(const QString &name) {
    m_exclusion.reset();
    if (name.isEmpty())
        return false;
    QString path = existingPathIgnoringCase(normalizedPath(name));
    if (!QFileInfo(path).isFile())
        path = existingPathIgnoringCase(firstMainFolder() + QFileInfo(path).fileName());
    QStringList words;
    if (!QFileInfo(path).isFile() || !readWordListFile(path, words))
        return false;
    QSet<QString> set;
    for (const QString &w : words)
        set.insert(w.toLower());
    m_exclusion = std::move(set);
    return true;
}

QString Dictionary::lookupForm(const QString &word) {
    QString w = word.left(dct::MaxWordBytes).toLower();
    if (w.endsWith(QLatin1String("'s")))
        w.chop(2);
    return w;
}

bool Dictionary::userListHas(const QString &lowerWord) const {
    return std::binary_search(m_userWords.cbegin(), m_userWords.cend(), lowerWord);
}

bool Dictionary::insertUserWord(const QString &lowerWord) {
    if (lowerWord.isEmpty())
        return false;
    const auto at = std::lower_bound(m_userWords.begin(), m_userWords.end(), lowerWord);
    if (at != m_userWords.end() && *at == lowerWord)
        return false;
    m_userWords.insert(at, lowerWord);
    return true;
}

bool Dictionary::check(const QString &word) {
    const QString w = lookupForm(word);
    if (m_exclusion && m_exclusion->contains(w))
        return false;
    if (userListHas(w))
        return true;
    QByteArray bytes;
    if (!cp1252::encode(w, bytes))
        return false;
    for (const auto &main : m_mains)
        if (main->lookup(bytes))
            return true;
    return false;
}

bool Dictionary::add(const QString &word) {
    if (check(word))
        return false;
    // The word goes in the form check() looks up, so that it checks correct
    // from now on (also when it was added with a final "'s").
    if (!insertUserWord(lookupForm(word)))
        return false;
    m_userListChanged = true;
    return true;
}

QStringList Dictionary::suggest(const QString &word, int max) {
    if (max <= 0)
        return {};
    QString base = word.left(dct::MaxWordBytes);
    QString ending;
    if (base.size() > 2 && base.endsWith(QLatin1String("'s"), Qt::CaseInsensitive)) {
        ending = base.right(2);
        base.chop(2);
    }
    const QString lower = base.toLower();
    if (lower.isEmpty())
        return {};

    Suggester suggester(cp1252::encodeLossy(lower, '\0'));
    for (const auto &main : m_mains)
        suggester.searchTree(main->entries());
    for (const QString &w : m_userWords) {
        QByteArray bytes;
        if (cp1252::encode(w, bytes))
            suggester.consider(bytes);
    }
    const QList<QByteArray> found = suggester.best(max, [this](const QByteArray &w) {
        return m_exclusion && m_exclusion->contains(cp1252::decode(w));
    });

    // Suggestions follow the word's letter case: all capitals, or a capital
    // first letter.
    const bool allCapitals = base.size() > 1 && base == base.toUpper() && base != lower;
    const bool capitalFirst = base.at(0).isUpper();
    QStringList out;
    for (const QByteArray &f : found) {
        QString s = cp1252::decode(f);
        if (allCapitals)
            s = s.toUpper();
        else if (capitalFirst && !s.isEmpty())
            s[0] = s.at(0).toUpper();
        out << s + ending;
    }
    return out;
}

bool Dictionary::saveUserList() {
    // Words added with no list file named live only for this session.
    if (!m_userListChanged || m_userListPath.isEmpty())
        return true;
    auto fail = [this](const QString &reason) {
        m_ui.message(
            QStringLiteral("Could not save the user dictionary %1: %2").arg(m_userListPath, reason),
            Msg::Error, Msg::Ok);
        return false;
    };
    // A pipe or a device under the list's name is neither read nor replaced.
    if (QFileInfo::exists(m_userListPath) && !RegularFile::isRegular(m_userListPath))
        return fail(QStringLiteral("it is not a regular file"));
    // Another program changed the file since it was loaded: keep its words.
    if (QFileInfo(m_userListPath).isFile() && fileAge(m_userListPath) != m_userListAge) {
        QStringList theirs;
        bool utf8 = true;
        if (!readWordListFile(m_userListPath, theirs, &utf8))
            return fail(QStringLiteral("the file cannot be read"));
        m_userListUtf8 = m_userListUtf8 && utf8;
        for (const QString &w : theirs)
            insertUserWord(w.toLower());
    }
    QString error;
    if (!writeWordListFile(m_userListPath, m_userWords, m_userListUtf8, &error))
        return fail(error);
    m_userListAge = fileAge(m_userListPath);
    m_userListChanged = false;
    return true;
}

bool Dictionary::close() {
    const bool saved = saveUserList();
    m_mains.clear();
    return saved;
}
