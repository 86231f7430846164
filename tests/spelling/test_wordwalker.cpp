// The words the spell checker sees in a page: tags passed over, character
// references read as the reader sees them, positions back into the text.

#include "spelling/htmlentities.h"
#include "spelling/wordwalker.h"

#include <QtTest>

namespace {

// "word@start-end" for each word of the text.
QStringList walk(const QString &text, bool skipTags, bool inTag = false) {
    QStringList out;
    WordWalker walker(text, skipTags, inTag);
    while (std::optional<WalkedWord> w = walker.next())
        out << QStringLiteral("%1@%2-%3").arg(w->text).arg(w->start).arg(w->end);
    return out;
}

} // namespace

class TestWordWalker : public QObject {
    Q_OBJECT
private slots:
    void words_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("skipTags");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "Teh cat sat." << true
                               << QStringList{"Teh@0-3", "cat@4-7", "sat@8-11"};
        QTest::newRow("tags passed over")
            << "<P CLASS=\"nmae\">Helo</P> wrld" << true << QStringList{"Helo@16-20", "wrld@25-29"};
        QTest::newRow("tags read as words when not skipped")
            << "<P CLASS=\"nmae\">Helo</P>" << false
            << QStringList{"P@1-2", "CLASS@3-8", "nmae@10-14", "Helo@16-20"}; // "/P" is a path
        QTest::newRow("tag across lines")
            << "a <b\nc=x> d" << true << QStringList{"a@0-1", "d@10-11"};
        QTest::newRow("unclosed tag hides the rest") << "a <b c d" << true << QStringList{"a@0-1"};
        QTest::newRow("reference inside a word")
            << "caf&eacute; ok" << true << QStringList{"caf\u00e9@0-11", "ok@12-14"};
        QTest::newRow("decimal reference")
            << "na&#239;ve" << true << QStringList{"na\u00efve@0-10"};
        QTest::newRow("hexadecimal reference")
            << "na&#xEF;ve" << true << QStringList{"na\u00efve@0-10"};
        QTest::newRow("Windows apostrophe code")
            << "don&#146;t" << true << QStringList{"don't@0-10"};
        QTest::newRow("named apostrophe") << "don&rsquo;t" << true << QStringList{"don't@0-11"};
        QTest::newRow("typographic apostrophe") << "don\u2019t" << true << QStringList{"don't@0-5"};
        QTest::newRow("no-break space separates")
            << "a&nbsp;b" << true << QStringList{"a@0-1", "b@7-8"};
        QTest::newRow("ampersand separates") << "Q&amp;A" << true << QStringList{"Q@0-1", "A@6-7"};
        QTest::newRow("unknown reference is text")
            << "x&foo;y" << true << QStringList{"x@0-1", "foo@2-5", "y@6-7"};
        QTest::newRow("references in tags stay unread")
            << "<a title=\"caf&eacute;\">x</a>" << true << QStringList{"x@23-24"};
        QTest::newRow("escaped brackets are no tag")
            << "&lt;b&gt; teh" << true << QStringList{"b@4-5", "teh@10-13"};
        QTest::newRow("apostrophes only between letters")
            << "'tis dogs' o'clock" << true << QStringList{"tis@1-4", "dogs@5-9", "o'clock@11-18"};
        QTest::newRow("soft hyphen inside a word")
            << "hy&shy;phen hy\u00adphen" << true << QStringList{"hyphen@0-11", "hyphen@12-19"};
        QTest::newRow("digits and underscores spoil a word")
            << "mp3 user_name 1999 3rd ok" << true << QStringList{"ok@23-25"};
        QTest::newRow("addresses and file names")
            << "see www.example.com or a@b.org, index.htm and http://x.y/z then" << true
            << QStringList{"see@0-3", "or@20-22", "and@42-45", "then@59-63"};
        QTest::newRow("full stop ends a sentence")
            << "end. Next... more" << true << QStringList{"end@0-3", "Next@5-9", "more@13-17"};
        QTest::newRow("letters beyond ASCII") << "\u00c6r\u00f8 na\u00efve" << true
                                              << QStringList{"\u00c6r\u00f8@0-3", "na\u00efve@4-9"};
        QTest::newRow("letters beyond 16 bits")
            << "\U0001D49Cbc d" << true << QStringList{"\U0001D49Cbc@0-4", "d@5-6"};
        QTest::newRow("tag inside a word splits it")
            << "fo<b>o</b>" << true << QStringList{"fo@0-2", "o@5-6"};
        QTest::newRow("nothing") << "<>  &amp; 12" << true << QStringList{};
    }
    void words() {
        QFETCH(QString, text);
        QFETCH(bool, skipTags);
        QFETCH(QStringList, words);
        QCOMPARE(walk(text, skipTags), words);
    }

    // A walk goes on where the previous piece of text left it.
    void stateCarriesAcrossPieces() {
        WordWalker first(u"one <a href=", true);
        while (first.next()) {
        }
        QVERIFY(first.inTag());
        QCOMPARE(walk("x\"> two", true, first.inTag()), QStringList{"two@4-7"});
        QCOMPARE(walk("x\"> two", true, false), (QStringList{"x@0-1", "two@4-7"}));
        // Without skipping there is no inside of a tag.
        QCOMPARE(walk("x\"> two", false, true), (QStringList{"x@0-1", "two@4-7"}));

        QVERIFY(WordWalker::endsInTag(u"a <b"));
        QVERIFY(!WordWalker::endsInTag(u"a <b> c"));
        QVERIFY(WordWalker::endsInTag(u"no bracket", true));
        QVERIFY(!WordWalker::endsInTag(u"c> d", true));
    }

    void references_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("character");
        QTest::addColumn<int>("length");
        QTest::newRow("named") << "&eacute;x" << uint(0xE9) << 8;
        QTest::newRow("capital name") << "&Eacute;" << uint(0xC9) << 8;
        QTest::newRow("names tell case apart") << "&EACUTE;" << uint(0) << 0;
        QTest::newRow("name without semicolon") << "&eacute x" << uint(0) << 0;
        QTest::newRow("beyond Latin-1") << "&mdash;" << uint(0x2014) << 7;
        QTest::newRow("decimal") << "&#233;" << uint(0xE9) << 6;
        QTest::newRow("hex lower") << "&#xe9;" << uint(0xE9) << 6;
        QTest::newRow("hex upper") << "&#XE9;" << uint(0xE9) << 6;
        QTest::newRow("Windows-1252 code") << "&#150;" << uint(0x2013) << 6;
        QTest::newRow("Windows-1252 gap") << "&#129;" << uint(0) << 0;
        QTest::newRow("zero") << "&#0;" << uint(0) << 0;
        QTest::newRow("surrogate") << "&#xD800;" << uint(0) << 0;
        QTest::newRow("past Unicode") << "&#x110000;" << uint(0) << 0;
        QTest::newRow("too many digits") << "&#0000000065;" << uint(0) << 0;
        QTest::newRow("no digits") << "&#;" << uint(0) << 0;
        QTest::newRow("empty name") << "&;" << uint(0) << 0;
        QTest::newRow("cut off") << "&#23" << uint(0) << 0;
    }
    void references() {
        QFETCH(QString, text);
        QFETCH(uint, character);
        QFETCH(int, length);
        const htmlentity::Decoded d = htmlentity::decodeAt(text, 0);
        QCOMPARE(d.length, length);
        if (length)
            QCOMPARE(uint(d.character), character);
    }

    void namedReferences() {
        QCOMPARE(htmlentity::namedReference(0xE9), QString("&eacute;"));
        QCOMPARE(htmlentity::namedReference(0xA0), QString("&nbsp;"));
        QCOMPARE(htmlentity::namedReference(0x153), QString("&oelig;"));
        QCOMPARE(htmlentity::namedReference('a'), QString());
        QCOMPARE(htmlentity::namedReference(0x65E5), QString());
    }

    // A replacement is written the way the word was.
    void replacementLike_data() {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain word") << "teh"
                                    << "the"
                                    << "the";
        QTest::newRow("plain word keeps literal letters") << "naive"
                                                          << "na\u00efve"
                                                          << "na\u00efve";
        QTest::newRow("word with references") << "caf&egrave;"
                                              << "caf\u00e9s"
                                              << "caf&eacute;s";
        QTest::newRow("letters without a name stay") << "caf&eacute;"
                                                     << "\u65e5\u00e9"
                                                     << "\u65e5&eacute;";
        QTest::newRow("apostrophe as a code") << "dont&#146;"
                                              << "don't"
                                              << "don&#146;t";
        QTest::newRow("typographic apostrophe") << "dont\u2019"
                                                << "won't"
                                                << "won\u2019t";
        QTest::newRow("empty replacement") << "caf&eacute;"
                                           << ""
                                           << "";
    }
    void replacementLike() {
        QFETCH(QString, original);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(::replacementLike(original, replacement), expected);
    }
};

QTEST_GUILESS_MAIN(TestWordWalker)
#include "test_wordwalker.moc"
