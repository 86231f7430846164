#include "dcttestutil.h"
#include "scripteduserinteraction.h"
#include "spelling/dctfile.h"
#include "spelling/dictionary.h"
#include "spelling/dictionarynames.h"
#include "spelling/wordlistfile.h"
#include "testfolder.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList MainWords = {"dog", "cat",       "colour",  "house", "houseboat",
                               "run", "caf\u00e9", "o'clock", "bad"};

QString errorOf(const std::function<void()> &step) {
    try {
        step();
    } catch (const DictionaryError &e) {
        return e.text();
    }
    return QString();
}

constexpr uid_t kNobody = 65534;

// Runs `step` with the rights of an ordinary user: directly when the test is
// not run by root; otherwise in a child process that has become "nobody"
// (after `prepare` has let that user into the test's files). Returns the
// number of failures `step` counted, or -1 when the child did not run.
int runAsAnotherUser(const std::function<void()> &prepare, const std::function<int()> &step) {
    if (geteuid() != 0)
        return step();
    prepare();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 &&
                             setresgid(kNobody, kNobody, kNobody) == 0 &&
                             setresuid(kNobody, kNobody, kNobody) == 0 && geteuid() == kNobody;
        _exit(dropped ? qMin(step(), 100) : 101);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 101 ? -1 : WEXITSTATUS(status);
}

void touchLater(const QString &path, int seconds) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                          QFileDevice::FileModificationTime));
}

} // namespace

class TestDictionary : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestFolder> m_folder;
    ScriptedUserInteraction m_ui;
    QString m_main;

private slots:
    void init() {
        m_folder = std::make_unique<TestFolder>();
        m_ui.clear();
        m_main = m_folder->file("dict/ENGLISH.DCT");
        QDir().mkpath(m_folder->file("dict"));
        QVERIFY(compileDictionary(m_main, MainWords));
    }

    void check_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("correct");
        QTest::newRow("plain") << "dog" << true;
        QTest::newRow("capitals") << "DOG" << true;
        QTest::newRow("possessive") << "Dog's" << true;
        QTest::newRow("possessive in capitals") << "DOG'S" << true;
        QTest::newRow("other ending kept") << "dogs" << false;
        QTest::newRow("apostrophe inside") << "O'Clock" << true;
        QTest::newRow("bare prefix") << "hous" << false;
        QTest::newRow("prefix of a longer word that is a word") << "house" << true;
        QTest::newRow("accented") << "Caf\u00e9" << true;
        QTest::newRow("not in Windows-1252") << "\u015dog" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("just the ending") << "'s" << false;
        QTest::newRow("excluded over main dictionary") << "Bad" << false;
        QTest::newRow("excluded, possessive") << "bad's" << false;
        QTest::newRow("user word") << "Quilmead" << true;
        QTest::newRow("excluded over user list") << "blah" << false;
        QTest::newRow("cut to 50 characters") << QString(50, 'z') + "tail" << true;
    }
    void check() {
        QFETCH(QString, word);
        QFETCH(bool, correct);
        m_folder->write("dict/USERDCT.DCT", "quilmead\r\nblah\r\n" + QByteArray(50, 'z') + "\r\n");
        m_folder->write("dict/EXCLUDE.TXT", "BAD\nblah\n");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        QVERIFY(d.openUserList("USERDCT.DCT"));
        QVERIFY(d.openExclusionList("EXCLUDE.TXT"));
        QCOMPARE(d.check(word), correct);
    }

    void oneAtATime() {
        {
            Dictionary first(m_ui);
            QVERIFY(Dictionary::exists());
            QCOMPARE(errorOf([&] { Dictionary second(m_ui); }),
                     QString("Multiple Dictionaries not supported."));
            QCOMPARE(m_ui.asked().size(), 1);
            QCOMPARE(m_ui.asked().at(0).text,
                     QString("Programmer Error. Only one dictionary\robject can be initialized "
                             "at once."));
            QCOMPARE(m_ui.asked().at(0).kind, int(Msg::Error));
            QCOMPARE(m_ui.asked().at(0).buttons, int(Msg::Ok));
            QVERIFY(Dictionary::exists()); // the refused one did not end the first
        }
        QVERIFY(!Dictionary::exists());
        Dictionary again(m_ui);
        QCOMPARE(m_ui.asked().size(), 1);
    }

    void openFailures() {
        const QString missing = m_folder->file("dict/FRENCH.DCT");
        QCOMPARE(errorOf([&] { Dictionary::open(m_ui, missing, "USERDCT.DCT"); }),
                 "Dictionary not found : " + missing);
        QVERIFY(!Dictionary::exists());
        const QString bad = m_folder->write("dict/BAD.DCT", QByteArray(200, 'x'));
        QCOMPARE(errorOf([&] { Dictionary::open(m_ui, bad, "USERDCT.DCT"); }),
                 QString("Dictionary Corrupt."));
        QVERIFY(!Dictionary::exists());
        QVERIFY(!QFile::exists(m_folder->file("dict/USERDCT.DCT")));
    }

    void sameFileNameOpenedOnce() {
        QDir().mkpath(m_folder->file("other"));
        const QString other = m_folder->file("other/english.dct");
        QVERIFY(compileDictionary(other, {"zebra"}));
        m_folder->write("other/BAD.DCT", "not a dictionary at all");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openMainDictionary(other); // same name, other folder and case
        QCOMPARE(d.mainDictionaryCount(), 1);
        QVERIFY(!d.check("zebra"));
        // A file that fails to open is not kept.
        QCOMPARE(errorOf([&] { d.openMainDictionary(m_folder->file("other/BAD.DCT")); }),
                 QString("Dictionary Corrupt."));
        QCOMPARE(d.mainDictionaryCount(), 1);
    }

    void severalMainDictionaries() {
        const QString second = m_folder->file("dict/EXTRA.DCT");
        QVERIFY(compileDictionary(second, {"zebra"}));
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openMainDictionary(second);
        QCOMPARE(d.mainDictionaryCount(), 2);
        QVERIFY(d.check("Zebra"));
        QVERIFY(d.check("dog"));
    }

    void fileNameLetterCase() {
        Dictionary d(m_ui);
        d.openMainDictionary(m_folder->file("dict/english.dct"));
        QVERIFY(d.check("dog"));
        m_folder->write("dict/userdct.dct", "zork\n");
        QVERIFY(d.openUserList("USERDCT.DCT"));
        QVERIFY(d.check("zork"));
    }

    void userListLocation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // relative to the test folder
        QTest::newRow("bare name beside the main dictionary") << "USERDCT.DCT"
                                                              << "dict/USERDCT.DCT";
        QTest::newRow("with a folder, as given") << "@mine/words.txt"
                                                 << "mine/words.txt";
        QTest::newRow("backslash is a separator") << "@mine\\words.txt"
                                                  << "mine/words.txt";
    }
    void userListLocation() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QDir().mkpath(m_folder->file("mine"));
        if (name.startsWith('@'))
            name = m_folder->path() + name.mid(1);
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        QVERIFY(!d.openUserList(name));
        QCOMPARE(d.userListPath(), m_folder->file(expected));
        QCOMPARE(d.userListAge(), qint64(0));
        QVERIFY(d.userWords().isEmpty());
        QVERIFY(d.add("Zork"));
        QVERIFY(d.close());
        QCOMPARE(TestFolder::read(m_folder->file(expected)), QByteArray("zork\r\n"));
    }

    void userListLoading() {
        m_folder->write("dict/USERDCT.DCT", "Zeta\rbeta\n\n  alpha \r\nbeta\r\n");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        QVERIFY(d.openUserList("USERDCT.DCT"));
        QCOMPARE(d.userWords(), QStringList({"alpha", "beta", "zeta"}));
        QVERIFY(d.userListAge() != 0);
        QVERIFY(!d.userListChanged());
        QVERIFY(d.close()); // unchanged: not written
        QCOMPARE(TestFolder::read(m_folder->file("dict/USERDCT.DCT")),
                 QByteArray("Zeta\rbeta\n\n  alpha \r\nbeta\r\n"));
    }

    void adding_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("added");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("new word lower-cased")
            << "Quilmead" << true << QStringList{"colour", "quilmead"};
        QTest::newRow("already in the user list") << "Colour" << false << QStringList{"colour"};
        QTest::newRow("in the main dictionary") << "House" << false << QStringList{"colour"};
        QTest::newRow("possessive stored as checked")
            << "Zork's" << true << QStringList{"colour", "zork"};
        QTest::newRow("excluded word goes to the list")
            << "bad" << true << QStringList{"bad", "colour"};
    }
    void adding() {
        QFETCH(QString, word);
        QFETCH(bool, added);
        QFETCH(QStringList, words);
        QVERIFY(compileDictionary(m_main, {"house"}));
        m_folder->write("dict/USERDCT.DCT", "colour\r\n");
        m_folder->write("dict/EXCLUDE.TXT", "bad\r\n");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openUserList("USERDCT.DCT");
        d.openExclusionList("EXCLUDE.TXT");
        QCOMPARE(d.add(word), added);
        QCOMPARE(d.userListChanged(), added);
        QCOMPARE(d.userWords(), words);
        if (added && !d.userWords().contains("bad"))
            QVERIFY(d.check(word));
    }

    // Another program appends to the list file while the dictionary is open:
    // saving keeps its words and ours.
    void mergeOnSave() {
        const QString list = m_folder->write("dict/USERDCT.DCT", "alpha\r\nomega\r\n");
        {
            Dictionary d(m_ui);
            d.openMainDictionary(m_main);
            QVERIFY(d.openUserList("USERDCT.DCT"));
            QVERIFY(d.add("Mine"));
            QFile f(list);
            QVERIFY(f.open(QIODevice::Append));
            f.write("theirs\r\nAlpha\r\n");
            f.close();
            touchLater(list, 5);
        }
        QCOMPARE(TestFolder::read(list), QByteArray("alpha\r\nmine\r\nomega\r\ntheirs\r\n"));
        QCOMPARE(m_ui.asked().size(), 0);
    }

    // Without a change by another program the file is written from memory:
    // the loaded words, the added ones, nothing read again.
    void saveWithoutOutsideChange() {
        const QString list = m_folder->write("dict/USERDCT.DCT", "beta\nalpha\n");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openUserList("USERDCT.DCT");
        QVERIFY(d.add("gamma"));
        QVERIFY(d.saveUserList());
        QVERIFY(!d.userListChanged());
        QCOMPARE(TestFolder::read(list), QByteArray("alpha\r\nbeta\r\ngamma\r\n"));
        QCOMPARE(d.userListAge(), QFileInfo(list).lastModified().toMSecsSinceEpoch());
        QVERIFY(!d.add("gamma"));
    }

    void userListEncoding_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Windows-1252 file stays so")
            << QByteArray("caf\xE9s\r\n") << "na\u00efve" << QByteArray("caf\xE9s\r\nna\xEFve\r\n");
        QTest::newRow("UTF-8 file stays so") << QByteArray("caf\xC3\xA9s\r\n") << "na\u00efve"
                                             << QByteArray("caf\xC3\xA9s\r\nna\xC3\xAFve\r\n");
        QTest::newRow("word beyond Windows-1252 makes it UTF-8")
            << QByteArray("caf\xE9s\r\n") << "\u015dip"
            << QByteArray("caf\xC3\xA9s\r\n\xC5\x9Dip\r\n");
    }
    void userListEncoding() {
        QFETCH(QByteArray, before);
        QFETCH(QString, word);
        QFETCH(QByteArray, after);
        const QString list = m_folder->write("dict/USERDCT.DCT", before);
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openUserList("USERDCT.DCT");
        QVERIFY(d.check(cp1252::decode(QByteArray("caf\xE9s"))));
        QVERIFY(d.add(word));
        QVERIFY(d.check(word));
        QVERIFY(d.close());
        QCOMPARE(TestFolder::read(list), after);
    }

    // A list that cannot be written is reported, and its words are not
    // reported as saved.
    void failedSaveIsReported() {
        QDir().mkpath(m_folder->file("ro"));
        const QString list = m_folder->file("ro/USERDCT.DCT");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openUserList(list);
        QVERIFY(d.add("zork"));
        // A folder in the way of the file makes the write fail even for root.
        QDir().mkpath(list);
        QVERIFY(!d.saveUserList());
        QVERIFY(d.userListChanged());
        QCOMPARE(m_ui.asked().size(), 1);
        QVERIFY(m_ui.asked().at(0).text.startsWith("Could not save the user dictionary " + list));
        QCOMPARE(m_ui.asked().at(0).kind, int(Msg::Error));
        QDir().rmdir(list);
        QVERIFY(d.close());
        QCOMPARE(TestFolder::read(list), QByteArray("zork\r\n"));
    }

    // A list file that exists but cannot be read is never written over.
    // Permissions do not bind root, so root runs the case as "nobody".
    void unreadableListNotOverwritten() {
        const QString list = m_folder->write("dict/USERDCT.DCT", "secret\r\n");
        QFile::setPermissions(list, QFileDevice::WriteOwner);
        const QString main = m_main;
        const int failures = runAsAnotherUser(
            [&] {
                QVERIFY(
                    QFile::setPermissions(m_folder->path(), QFile::permissions(m_folder->path()) |
                                                                QFileDevice::ExeOther));
                QVERIFY(QFile::setPermissions(m_folder->file("dict"),
                                              QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                  QFileDevice::ExeOther | QFileDevice::ReadOwner |
                                                  QFileDevice::WriteOwner | QFileDevice::ExeOwner));
                QVERIFY(
                    QFile::setPermissions(main, QFile::permissions(main) | QFileDevice::ReadOther));
                QCOMPARE(chown(QFile::encodeName(list).constData(), kNobody, kNobody), 0);
            },
            [main] {
                ScriptedUserInteraction ui;
                Dictionary d(ui);
                d.openMainDictionary(main);
                int failures = 0;
                failures += d.openUserList("USERDCT.DCT") ? 0 : 1;
                failures += d.add("zork") ? 0 : 1;
                failures += d.close() ? 1 : 0;
                failures += ui.messageTexts().size() == 1 ? 0 : 1;
                return failures;
            });
        QCOMPARE(failures, 0);
        QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(TestFolder::read(list), QByteArray("secret\r\n"));
    }

    // Word lists that are a pipe or a device are neither read (which would
    // block or never end) nor replaced when the list is saved.
    void listsThatAreNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
    }
    void listsThatAreNoFile() {
        QFETCH(QString, kind);
        for (const QString name : {"USER.DIC", "EXCL.TXT"}) {
            const QString path = m_folder->file("dict/" + name);
            if (kind == "fifo")
                QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else
                QVERIFY(TestFolder::linkToDevice(path, "zero"));
        }
        QStringList words;
        QVERIFY(!readWordListFile(m_folder->file("dict/USER.DIC"), words));
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        QVERIFY(!d.openUserList("USER.DIC"));
        QVERIFY(!d.openExclusionList("EXCL.TXT"));
        QVERIFY(d.add("zork"));
        QVERIFY(!d.close());
        QCOMPARE(m_ui.asked().size(), 1);
        QCOMPARE(m_ui.asked().at(0).text, "Could not save the user dictionary " +
                                              m_folder->file("dict/USER.DIC") +
                                              ": it is not a regular file");
        QCOMPARE(QFileInfo(m_folder->file("dict/USER.DIC")).isSymLink(), kind == "zero");
        QVERIFY(!QFileInfo(m_folder->file("dict/USER.DIC")).isFile());
    }

    void exclusionListLocation() {
        QDir().mkpath(m_folder->file("elsewhere"));
        m_folder->write("dict/EXCL.TXT", "dog\n");
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        // Not found as given: looked for by its file name beside the main dictionary.
        QVERIFY(d.openExclusionList(m_folder->file("elsewhere/EXCL.TXT")));
        QVERIFY(!d.check("dog"));
        // Found as given.
        m_folder->write("elsewhere/EXCL.TXT", "cat\n");
        QVERIFY(d.openExclusionList(m_folder->file("elsewhere/EXCL.TXT")));
        QVERIFY(d.check("dog"));
        QVERIFY(!d.check("cat"));
        // A missing list replaces the earlier one with none.
        QVERIFY(!d.openExclusionList("NONE.TXT"));
        QVERIFY(!d.hasExclusionList());
        QVERIFY(d.check("cat"));
    }

    void reopeningUserListSavesFirst() {
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        d.openUserList("FIRST.DIC");
        QVERIFY(d.add("zork"));
        QVERIFY(!d.openUserList("SECOND.DIC"));
        QVERIFY(!d.check("zork"));
        QCOMPARE(TestFolder::read(m_folder->file("dict/FIRST.DIC")), QByteArray("zork\r\n"));
    }

    // A main dictionary damaged on disk after it was opened keeps working;
    // opening it again reports it.
    void damagedAfterOpening() {
        Dictionary d(m_ui);
        d.openMainDictionary(m_main);
        QByteArray bytes = fileBytes(m_main);
        for (std::uint32_t k = 1; k <= d.mainDictionary(0).entryCount(); ++k)
            setEntryAt(bytes, k, entryAt(bytes, k) & ~dct::LastSiblingFlag);
        m_folder->write("dict/ENGLISH.DCT", bytes);
        QVERIFY(d.check("dog"));
        QVERIFY(!d.check("dogx"));
        QVERIFY(d.close());
        QCOMPARE(errorOf([&] { d.openMainDictionary(m_main); }), QString("Dictionary Corrupt."));
    }

    void nameRules_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program folder") << "APPLICATIONPATH"
                                        << "English"
                                        << "/opt/q/ENGLISH.DCT";
        QTest::newRow("any letter case") << "ApplicationPath"
                                         << "British"
                                         << "/opt/q/BRITISH.DCT";
        QTest::newRow("separator added") << "/data/dicts"
                                         << "German"
                                         << "/data/dicts/GERMAN.DCT";
        QTest::newRow("separator kept") << "/data/dicts/"
                                        << "Dutch"
                                        << "/data/dicts/DUTCH.DCT";
        QTest::newRow("backslash read as separator") << "\\data\\dicts\\"
                                                     << "Spanish"
                                                     << "/data/dicts/SPANISH.DCT";
        QTest::newRow("empty path") << ""
                                    << "Medical"
                                    << "MEDICAL.DCT";
    }
    void nameRules() {
        QFETCH(QString, path);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QCOMPARE(spelling::mainDictionaryPath(path, language, "/opt/q/"), expected);
        QCOMPARE(spelling::mainDictionaryPath(path, language, "/opt/q"), expected);
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "test_dictionary.moc"
