#include "preview/viewerhistory.h"

#include <QtTest>

namespace {
QUrl u(const QString &name) {
    return QUrl::fromLocalFile(QStringLiteral("/site/") + name);
}

// Follows links named by the letters of `links` ("abc" follows a, then b, then c).
ViewerHistory followed(const QString &links, int max = 10) {
    ViewerHistory h;
    h.setMaxCount(max);
    for (QChar c : links)
        h.record(QString(c), u(QString(c)));
    return h;
}
} // namespace

class TestViewerHistory : public QObject {
    Q_OBJECT
private slots:
    void recording_data() {
        QTest::addColumn<QString>("links");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("backTo"); // index set before the last link, -1: none
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("index");
        QTest::newRow("newest first") << "abc" << 10 << -1 << QStringList{"c", "b", "a"} << 0;
        QTest::newRow("oldest dropped beyond the maximum")
            << "abcd" << 3 << -1 << QStringList{"d", "c", "b"} << 0;
        QTest::newRow("no history with maximum 0") << "abc" << 0 << -1 << QStringList{} << 0;
        QTest::newRow("same link twice is one entry")
            << "abb" << 10 << -1 << QStringList{"b", "a"} << 0;
        QTest::newRow("following from an older entry drops newer ones")
            << "abcd" << 10 << 1 << QStringList{"d", "b", "a"} << 0;
        QTest::newRow("following from before the oldest starts afresh")
            << "abcd" << 10 << 3 << QStringList{"d"} << 0;
    }
    void recording() {
        QFETCH(QString, links);
        QFETCH(int, max);
        QFETCH(int, backTo);
        QFETCH(QStringList, expected);
        QFETCH(int, index);
        ViewerHistory h = followed(links.left(links.size() - 1), max);
        if (backTo >= 0)
            QVERIFY(h.setIndex(backTo));
        const QString last = links.right(1);
        h.record(last, u(last));
        QCOMPARE(h.targets(), expected);
        QCOMPARE(h.index(), index);
        QVERIFY(h.count() <= max);
    }

    void indexRange() {
        ViewerHistory h = followed("abc");
        QVERIFY(!h.setIndex(0)); // unchanged
        QVERIFY(h.setIndex(2));
        QCOMPARE(h.url(2), u("a"));
        QVERIFY(h.setIndex(3)); // before the oldest entry
        QCOMPARE(h.url(3), QUrl());
        QVERIFY(!h.setIndex(4));
        QVERIFY(!h.setIndex(-1));
        QCOMPARE(h.index(), 3);
    }

    void shrinkingKeepsIndexInRange() {
        ViewerHistory h = followed("abcde");
        QVERIFY(h.setIndex(4));
        QVERIFY(h.setMaxCount(2));
        QCOMPARE(h.targets(), (QStringList{"e", "d"}));
        QCOMPARE(h.index(), 2);
        QVERIFY(!h.setMaxCount(2));
        QVERIFY(!h.setMaxCount(5)); // growing changes nothing on show
        QVERIFY(h.setMaxCount(-3));
        QCOMPARE(h.maxCount(), 0);
        QCOMPARE(h.count(), 0);
        QCOMPARE(h.index(), 0);
    }

    void reportsChanges() {
        ViewerHistory h = followed("ab");
        QVERIFY(!h.record("b", u("b"))); // already entry 0 and current
        QVERIFY(h.setIndex(1));
        QVERIFY(h.record("a", u("a"))); // back on a: b is dropped
        QCOMPARE(h.targets(), QStringList{"a"});
    }
};

QTEST_APPLESS_MAIN(TestViewerHistory)
#include "test_viewerhistory.moc"
