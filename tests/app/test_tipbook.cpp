#include "app/tipbook.h"
#include "testfolder.h"

#include <QRegularExpression>
#include <QtTest>
#include <sys/stat.h>

namespace {
TipBook bookOf(int lines) {
    QStringList l;
    for (int i = 0; i < lines; ++i)
        l << QStringLiteral("^line %1").arg(i);
    return TipBook(l);
}
} // namespace

class TestTipBook : public QObject {
    Q_OBJECT
private slots:
    void indexRules_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("move");
        QTest::addColumn<bool>("tipMode");
        QTest::addColumn<int>("expected");
        const int open = int(TipBook::Move::Open), prev = int(TipBook::Move::Previous),
                  next = int(TipBook::Move::Next);
        QTest::newRow("open at stored 10 shows first tip") << 20 << 11 << open << true << 10;
        QTest::newRow("open below tips jumps to 10") << 20 << 3 << open << true << 10;
        QTest::newRow("next") << 20 << 12 << next << true << 13;
        QTest::newRow("second-to-last line is shown") << 20 << 17 << next << true << 18;
        QTest::newRow("last line never shown") << 20 << 18 << next << true << 10;
        QTest::newRow("previous from 10 stays on tips") << 20 << 10 << prev << true << 10;
        QTest::newRow("helper topic 3 shows line 2") << 20 << 3 << open << false << 2;
        QTest::newRow("helper topic 1 shows line 0") << 20 << 1 << open << false << 0;
        QTest::newRow("helper below zero goes to last, then to 10")
            << 20 << 0 << open << false << 10;
        QTest::newRow("helper past end redirected to 10") << 5 << 9 << open << false << 10;
        QTest::newRow("short book points past the end") << 11 << 10 << open << true << 10;
        QTest::newRow("empty book") << 0 << 10 << open << true << 10;
    }
    void indexRules() {
        QFETCH(int, lines);
        QFETCH(int, index);
        QFETCH(int, move);
        QFETCH(bool, tipMode);
        QFETCH(int, expected);
        QCOMPARE(bookOf(lines).move(index, TipBook::Move(move), tipMode), expected);
    }

    void titles_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("joke") << "!A joke"
                              << "Today's joke..."
                              << "A joke";
        QTest::newRow("message") << "#A message"
                                 << "Today's message..."
                                 << "A message";
        QTest::newRow("quote") << "'A quote"
                               << "Today's quote..."
                               << "A quote";
        QTest::newRow("did you know") << "?Fact"
                                      << "Did you know..."
                                      << "Fact";
        QTest::newRow("tip on two lines") << "^First%sSecond"
                                          << "Today's tip..."
                                          << "First\nSecond";
        QTest::newRow("other first character is dropped") << "xPlain"
                                                          << ""
                                                          << "Plain";
        QTest::newRow("six %s: only five replaced") << "^a%sb%sc%sd%se%sf%sg"
                                                    << "Today's tip..."
                                                    << "a\nb\nc\nd\ne\nf%sg";
        QTest::newRow("percent alone stays") << "^100% sure"
                                             << "Today's tip..."
                                             << "100% sure";
        QTest::newRow("empty line") << ""
                                    << ""
                                    << "";
    }
    void titles() {
        QFETCH(QString, line);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const TipText tip = TipBook::format(line);
        QCOMPARE(tip.title, title);
        QCOMPARE(tip.text, text);
    }

    void longLineCutTo255() {
        const TipText tip = TipBook::format(QLatin1Char('^') + QString(400, QLatin1Char('x')));
        QCOMPARE(tip.text.size(), 255);
    }

    // Every line of the shipped file shows whole: none is cut at the limit.
    void shippedLinesFitWhole() {
        const QString path = qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/data/TIPS.TXT";
        const TipBook book = TipBook::load(path);
        QVERIFY(book.count() > 10);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression("\r\n|\r|\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), book.count());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines.at(i).size() - 1 <= 255,
                     qPrintable(QString("line %1 has %2 characters").arg(i + 1).arg(lines.at(i).size() - 1)));
    }

    // A pipe named like the tips file is never opened (it would block).
    void pipeGivesAnEmptyBook() {
        TestFolder dir;
        const QString fifo = dir.file("TIPS.TXT");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(TipBook::load(fifo).isEmpty());
    }

    void loadsAnyLineEnds() {
        TestFolder dir;
        const QString path = dir.write("TIPS.TXT", "?one\r\n?two\n?three\r?four\r\n");
        const TipBook book = TipBook::load(path);
        QCOMPARE(book.count(), 4);
        QCOMPARE(book.at(3).text, QString("four"));
        QVERIFY(book.at(99).text.isEmpty());
        QVERIFY(TipBook::load(dir.file("missing.txt")).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestTipBook)
#include "test_tipbook.moc"
