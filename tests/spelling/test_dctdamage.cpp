// Damaged and hostile dictionary files: opening and using them ends either
// normally or with "Dictionary Corrupt.", never with a crash, a read past the
// end of the file or a hang.

#include "dcttestutil.h"
#include "scripteduserinteraction.h"
#include "spelling/dctfile.h"
#include "spelling/dictionary.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// A small deterministic generator, the same on every platform.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    quint32 next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return quint32(m_state >> 11);
    }
    quint32 below(quint32 n) { return n == 0 ? 0 : next() % n; }

private:
    quint64 m_state;
};

QStringList sampleWords(int count) {
    static const char *parts[] = {"ba", "con", "de", "fi", "gra", "hu",  "in", "jo", "ka",
                                  "lo", "mi",  "nu", "or", "pe",  "qui", "ro", "sa", "ti",
                                  "un", "ve",  "wa", "xe", "yo",  "ze",  "s",  "ed", "ing"};
    Random r(7);
    QStringList words;
    while (words.size() < count) {
        QString w;
        const int n = 1 + int(r.below(4));
        for (int i = 0; i < n; ++i)
            w += QLatin1String(parts[r.below(27)]);
        words << w;
    }
    return words;
}

enum class Outcome { Fine, Corrupt };

// Opens the file and uses it as the spell checker would.
Outcome exercise(const QString &path, const QStringList &probes, UserInteraction &ui) {
    try {
        Dictionary d(ui);
        d.openMainDictionary(path);
        for (const QString &w : probes)
            d.check(w);
        d.suggest(probes.first(), 10);
        d.suggest(probes.last() + "q", 10);
        return Outcome::Fine;
    } catch (const DictionaryError &e) {
        if (e.text() != QLatin1String("Dictionary Corrupt."))
            qFatal("unexpected failure: %s", qPrintable(e.text()));
        return Outcome::Corrupt;
    }
}

} // namespace

class TestDctDamage : public QObject {
    Q_OBJECT
private:
    TestFolder m_folder;
    ScriptedUserInteraction m_ui;
    QByteArray m_good;
    QStringList m_words;

    QString writeFile(const QByteArray &bytes) { return m_folder.write("DAMAGED.DCT", bytes); }

private slots:
    void initTestCase() {
        m_words = sampleWords(3000);
        const QString path = m_folder.file("GOOD.DCT");
        QVERIFY(compileDictionary(path, m_words));
        m_good = fileBytes(path);
        QVERIFY(m_good.size() > 83 + 4 * 1000);
    }

    void randomDamage() {
        QStringList probes = m_words.mid(0, 40);
        probes << "x" << QString(60, 'a') << "bacon'S"
               << "";
        int corrupt = 0, fine = 0;
        QElapsedTimer total;
        total.start();
        for (int seed = 0; seed < 1500; ++seed) {
            Random r{quint64(seed)};
            QByteArray bytes = m_good;
            const int damages = 1 + int(r.below(4));
            for (int i = 0; i < damages && bytes.size() >= dct::HeaderSize + 4; ++i) {
                const quint32 count = quint32((bytes.size() - dct::HeaderSize) / 4);
                const quint32 k = 1 + r.below(count);
                const quint32 e = entryAt(bytes, k);
                switch (r.below(9)) {
                case 0: // one bit flipped anywhere
                    bytes[int(r.below(quint32(bytes.size())))] ^= char(1 << r.below(8));
                    break;
                case 1: // an entry replaced by noise
                    setEntryAt(bytes, k, r.next() ^ (r.next() << 16));
                    break;
                case 2: // points just past the end, or far past it
                    setEntryAt(bytes, k,
                               (e & ~dct::NextMask) | (r.below(2) ? count + 1 : dct::NextMask));
                    break;
                case 3: // points back to an earlier entry (a cycle)
                    setEntryAt(bytes, k, (e & ~dct::NextMask) | (1 + r.below(k)));
                    break;
                case 4: // a run loses its end
                    setEntryAt(bytes, k, e & ~dct::LastSiblingFlag);
                    break;
                case 5: // cut short, anywhere from the header to the last entry
                    bytes.truncate(int(r.below(quint32(bytes.size()))));
                    break;
                case 6: // cut short inside the last block
                    bytes.truncate(std::max(0, int(bytes.size()) - 1 - int(r.below(511))));
                    break;
                case 7: // every run end after some entry removed
                    for (quint32 j = k; j <= count; ++j)
                        setEntryAt(bytes, j, entryAt(bytes, j) & ~dct::LastSiblingFlag);
                    break;
                default: // noise appended
                    for (int j = int(r.below(700)); j > 0; --j)
                        bytes.append(char(r.next()));
                    break;
                }
            }
            // A reader caught in a loop never returns; the test's time-out
            // in CTest reports that.
            (exercise(writeFile(bytes), probes, m_ui) == Outcome::Corrupt ? corrupt : fine)++;
        }
        qInfo("%d damaged files: %d refused as corrupt, %d usable, %lld ms", corrupt + fine,
              corrupt, fine, total.elapsed());
        QVERIFY(corrupt > 100);
        QVERIFY(fine > 100);
    }

    // Files made to trap a reader: every entry points back to the start.
    void hostileCycles_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<bool>("wordEnd");
        QTest::newRow("one letter pointing to itself") << 1 << true;
        QTest::newRow("all letters pointing to the start") << 256 << true;
        QTest::newRow("all letters, no word ends") << 256 << false;
    }
    void hostileCycles() {
        QFETCH(int, letters);
        QFETCH(bool, wordEnd);
        std::vector<std::uint32_t> entries(1);
        for (int c = 0; c < letters; ++c)
            entries.push_back(dct::makeEntry(static_cast<unsigned char>(letters == 1 ? 'a' : c),
                                             c == letters - 1, wordEnd, 1));
        const QString path = m_folder.file("CYCLE.DCT");
        QVERIFY(writeDctFile(path, entries));
        Dictionary d(m_ui);
        d.openMainDictionary(path);
        QCOMPARE(d.check(QString(80, 'a')), wordEnd);
        const QStringList s = d.suggest(QString(50, 'a'), 10);
        QCOMPARE(s.isEmpty(), !wordEnd);
        d.suggest("abcdefghij", 10); // returns: the walk does not follow the cycle for ever
    }
};

QTEST_GUILESS_MAIN(TestDctDamage)
#include "test_dctdamage.moc"
