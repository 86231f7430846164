// The span of the text changed since an earlier moment, and searching a
// stretch of the text.

#include "editor/tledit.h"

#include <QtTest>

using Sci = QsciScintillaBase;

namespace {

const QString kEmoji = QString::fromUcs4(U"\U0001F600", 1);

} // namespace

class TestTLEditChanges : public QObject {
    Q_OBJECT
private:
    TLEdit *editor = nullptr;

    long position(int character) const {
        return character == 0
                   ? 0
                   : editor->SendScintilla(Sci::SCI_POSITIONRELATIVECODEUNITS, 0L, long(character));
    }

    // One step of a script: "ins <at> <text>", "del <at> <count>", "type
    // <at> <text>" (keys), "undo", "redo", "set <text>".
    void run(const QString &step) {
        const QStringList words = step.split(QLatin1Char(' '));
        const QString op = words.value(0);
        const QString rest = step.section(QLatin1Char(' '), 2);
        if (op == QLatin1String("ins")) {
            const QByteArray bytes = rest.toUtf8();
            editor->SendScintilla(Sci::SCI_INSERTTEXT,
                                  static_cast<unsigned long>(position(words[1].toInt())),
                                  bytes.constData());
        } else if (op == QLatin1String("del")) {
            const long from = position(words[1].toInt());
            const long to = position(words[1].toInt() + words[2].toInt());
            editor->SendScintilla(Sci::SCI_DELETERANGE, from, to - from);
        } else if (op == QLatin1String("type")) {
            editor->SendScintilla(Sci::SCI_GOTOPOS, position(words[1].toInt()));
            QTest::keyClicks(editor, rest);
        } else if (op == QLatin1String("undo")) {
            editor->undoEdit();
        } else if (op == QLatin1String("redo")) {
            editor->redoEdit();
        } else if (op == QLatin1String("set")) {
            editor->setText(step.section(QLatin1Char(' '), 1));
        }
    }

private slots:
    void init() {
        editor = new TLEdit;
        editor->resize(500, 300);
        editor->show();
    }
    void cleanup() {
        delete editor;
        editor = nullptr;
    }

    // After the steps, the text keeps the span's prefix and suffix of the
    // text before them, and its length moved by the span's delta.
    void spanCoversTheChanges_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("prefix");
        QTest::addColumn<int>("suffix");
        const QString page = "<P>one</P>\r\n<P>two</P>\r\n";
        QTest::newRow("nothing") << page << QStringList{} << page.size() << 0;
        QTest::newRow("insertion") << page << QStringList{"ins 4 xy"} << 4 << 20;
        QTest::newRow("deletion") << page << QStringList{"del 3 3"} << 3 << 18;
        QTest::newRow("typed keys") << page << QStringList{"type 15 ab"} << 15 << 9;
        QTest::newRow("two apart") << page << QStringList{"ins 1 a", "ins 20 b"} << 1 << 5;
        QTest::newRow("later edit inside an earlier insertion")
            << page << QStringList{"ins 4 xyz", "del 5 1"} << 4 << 20;
        QTest::newRow("undone") << page << QStringList{"type 4 ab", "undo"} << 4 << 20;
        QTest::newRow("undone and redone")
            << page << QStringList{"del 12 10", "undo", "redo"} << 12 << 2;
        QTest::newRow("astral characters count twice")
            << QString("a%1b%1c").arg(kEmoji) << QStringList{QString("ins 3 %1").arg(kEmoji)} << 3
            << 4;
        QTest::newRow("after astral characters")
            << QString("%1%1\r\n%1x").arg(kEmoji) << QStringList{"del 8 1"} << 8 << 0;
        QTest::newRow("whole text set") << page << QStringList{"set <P>one</P>"} << 0 << 0;
        QTest::newRow("at the very end") << page << QStringList{"ins 24 <HR>"} << 24 << 0;
    }
    void spanCoversTheChanges() {
        QFETCH(QString, start);
        QFETCH(QStringList, steps);
        QFETCH(int, prefix);
        QFETCH(int, suffix);
        editor->setText(start);
        const QString before = editor->text();
        const quint64 since = editor->changeCount();
        for (const QString &step : steps)
            run(step);
        const QString after = editor->text();
        TLEdit::ChangedSpan span;
        QVERIFY(editor->changedSince(since, &span));
        QCOMPARE(span.delta, after.size() - before.size());
        const int shorter = int(qMin(before.size(), after.size()));
        QCOMPARE(qMin(span.prefix, shorter), qMin(prefix, shorter));
        QCOMPARE(qMin(span.suffix, shorter), qMin(suffix, shorter));
        const int p = qMin(span.prefix, shorter);
        const int s = qMin(span.suffix, shorter - p);
        QCOMPARE(after.left(p), before.left(p));
        QCOMPARE(after.right(s), before.right(s));
        // The span fits both texts, and what lies between is told apart.
        QCOMPARE(span.prefix, p);
        QCOMPARE(span.suffix, s);
        QCOMPARE(before.left(p) + editor->textRange(p, int(after.size()) - s) + before.right(s),
                 after);
    }

    // The editor says when it cannot tell what changed.
    void spanUnknown() {
        editor->setText("<P>one</P>");
        const quint64 start = editor->changeCount();
        TLEdit::ChangedSpan span;
        QVERIFY(!editor->changedSince(start + 1, &span)); // not reached yet
        auto held = editor->exchangeDocument(nullptr);
        editor->setText("<P>other</P>");
        QVERIFY(!editor->changedSince(start, &span));
        const quint64 now = editor->changeCount();
        run("ins 3 x");
        QVERIFY(editor->changedSince(now, &span));
        QCOMPARE(span.prefix, 3);
        // Far more changes than are kept.
        for (int i = 0; i < 5000; ++i)
            run("ins 0 y");
        QVERIFY(!editor->changedSince(now, &span));
        QVERIFY(editor->changedSince(editor->changeCount(), &span));
        QCOMPARE(span.delta, 0);
    }

    void findInRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("found");
        const QString text = QString("%1<frameset x<FRAMESET y").arg(kEmoji);
        QTest::newRow("whole text, any case") << text << false << 0 << 100 << 2;
        QTest::newRow("from past the first") << text << false << 3 << 24 << 13;
        QTest::newRow("from past the first, match case") << text << true << 3 << 24 << -1;
        QTest::newRow("match must lie inside") << text << false << 3 << 22 << -1;
        QTest::newRow("exactly the match") << text << false << 13 << 23 << 13;
        QTest::newRow("empty range") << text << false << 5 << 5 << -1;
    }
    void findInRange() {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, found);
        editor->setText(text);
        editor->setMatchCase(matchCase);
        editor->setSearchText("kept");
        editor->SendScintilla(Sci::SCI_SETSEL, 1L, 2L);
        QCOMPARE(editor->findInRange("<frameset ", from, to), found);
        QCOMPARE(editor->searchTextValue(), QString("kept"));
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETSELECTIONSTART), 1L);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETSELECTIONEND), 2L);
    }
};

QTEST_MAIN(TestTLEditChanges)
#include "test_tledit_changes.moc"
