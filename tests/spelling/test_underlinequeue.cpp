// The parts of a page still to be checked for squiggles, as the text changes
// under them and as they are taken a piece at a time.

#include "spelling/underlinequeue.h"

#include <QtTest>

using Span = UnderlineQueue::Span;
using Spans = std::vector<Span>;
Q_DECLARE_METATYPE(Spans)

namespace {

QString show(const Spans &spans) {
    QStringList out;
    for (const Span &s : spans)
        out << QStringLiteral("[%1,%2%3]").arg(s.from).arg(s.to).arg(s.toNextBracket ? "+" : "");
    return out.join(' ');
}

UnderlineQueue queueOf(const Spans &spans) {
    UnderlineQueue q;
    for (const Span &s : spans)
        q.add(s.from, s.to, s.toNextBracket);
    return q;
}

} // namespace

class TestUnderlineQueue : public QObject {
    Q_OBJECT
private slots:
    // Each change moves the spans after it and is itself to be checked.
    void changes_data() {
        QTest::addColumn<Spans>("before");
        QTest::addColumn<QString>("change"); // "+at,length" or "-at,length", "!" for a bracket
        QTest::addColumn<QString>("after");
        const Spans one{{10, 20, false}};
        QTest::newRow("insert before") << one << "+5,3"
                                       << "[5,8] [13,23]";
        QTest::newRow("insert inside") << one << "+15,2"
                                       << "[10,22]";
        QTest::newRow("insert at the end") << one << "+20,1"
                                           << "[10,21]";
        QTest::newRow("insert at the start") << one << "+10,1"
                                             << "[10,21]";
        QTest::newRow("insert after") << one << "+30,1"
                                      << "[10,20] [30,31]";
        QTest::newRow("insert with a bracket") << one << "+30,1!"
                                               << "[10,20] [30,31+]";
        QTest::newRow("delete before") << one << "-0,5"
                                       << "[0,0] [5,15]";
        QTest::newRow("delete over the start") << one << "-5,10"
                                               << "[5,10]";
        QTest::newRow("delete inside") << one << "-12,3"
                                       << "[10,17]";
        QTest::newRow("delete the whole span") << one << "-5,30"
                                               << "[5,5]";
        QTest::newRow("delete after") << one << "-25,5"
                                      << "[10,20] [25,25]";
        QTest::newRow("delete joins two spans") << Spans{{0, 5, false}, {10, 20, true}} << "-5,5"
                                                << "[0,15+]";
        QTest::newRow("nothing pending") << Spans{} << "+3,4"
                                         << "[3,7]";
    }
    void changes() {
        QFETCH(Spans, before);
        QFETCH(QString, change);
        QFETCH(QString, after);
        UnderlineQueue q = queueOf(before);
        const bool bracket = change.endsWith('!');
        const QStringList numbers = change.mid(1).remove('!').split(',');
        const qint64 at = numbers.at(0).toLongLong();
        const qint64 length = numbers.at(1).toLongLong();
        if (change.startsWith('+'))
            q.inserted(at, length, bracket);
        else
            q.deleted(at, length, bracket);
        QCOMPARE(show(q.spans()), after);
    }

    void adding() {
        UnderlineQueue q;
        q.add(0, 5);
        q.add(5, 9);   // touching spans join
        q.add(20, 12); // given backwards
        q.add(-4, -1); // before the text
        QCOMPARE(show(q.spans()), QString("[0,9] [12,20]"));
        q.add(9, 12, true); // fills the gap; the bracket carries over
        QCOMPARE(show(q.spans()), QString("[0,20+]"));
        q.reset(100);
        QCOMPARE(show(q.spans()), QString("[0,100]"));
        q.clear();
        QVERIFY(q.isEmpty());
    }

    // Very many scattered spans become one.
    void manySpansJoin() {
        UnderlineQueue q;
        for (int i = 0; i < 256; ++i)
            q.add(i * 10, i * 10 + 2, i == 7);
        QCOMPARE(q.spans().size(), size_t(256));
        q.add(2560, 2562);
        QCOMPARE(show(q.spans()), QString("[0,2562+]"));
    }

    void taking() {
        UnderlineQueue q;
        q.add(0, 100);
        q.add(200, 300, true);
        Span piece;
        // Inside the window, from the window's start.
        QVERIFY(q.takeWithin(250, 400, 20, piece));
        QCOMPARE(show({piece}), QString("[250,270]"));
        QCOMPARE(show(q.spans()), QString("[0,100] [200,250] [270,300+]"));
        // The rest of a span ending at a bracket carries the mark.
        QVERIFY(q.takeWithin(260, 400, 100, piece));
        QCOMPARE(show({piece}), QString("[270,300+]"));
        // Nothing pending in the window; a span ending where it starts has
        // nothing in it.
        QVERIFY(!q.takeWithin(101, 199, 50, piece));
        QVERIFY(!q.takeWithin(100, 199, 50, piece));
        QVERIFY(!q.takeWithin(250, 260, 50, piece));
        QVERIFY(!q.takeWithin(400, 500, 50, piece));
        // From the first pending place.
        QVERIFY(q.take(60, piece));
        QCOMPARE(show({piece}), QString("[0,60]"));
        QVERIFY(q.take(1000, piece));
        QCOMPARE(show({piece}), QString("[60,100]"));
        QVERIFY(q.take(1000, piece));
        QCOMPARE(show({piece}), QString("[200,250]"));
        QVERIFY(q.isEmpty());
        QVERIFY(!q.take(10, piece));

        // An empty span (a deletion's place) is taken whole.
        q.add(5, 5);
        QVERIFY(q.take(10, piece));
        QCOMPARE(show({piece}), QString("[5,5]"));
        QVERIFY(q.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUnderlineQueue)
#include "test_underlinequeue.moc"
