#include "editor/bytesearch.h"

#include <QtTest>

class TestByteSearch : public QObject {
    Q_OBJECT
private slots:
    void search_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("needle");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<qsizetype>>("forward");  // every match, left to right
        QTest::addColumn<QList<qsizetype>>("backward"); // from the end, right to left
        using L = QList<qsizetype>;
        QTest::newRow("simple") << QByteArray("<B>x</B><B>") << QByteArray("<B>") << true << L{0, 8}
                                << L{8, 0};
        QTest::newRow("case ignored") << QByteArray("<body></BODY></Body>") << QByteArray("</body")
                                      << false << L{6, 13} << L{13, 6};
        QTest::newRow("case matched")
            << QByteArray("<body></BODY></body>") << QByteArray("</body") << true << L{13} << L{13};
        QTest::newRow("overlapping")
            << QByteArray("aaaa") << QByteArray("aa") << true << L{0, 1, 2} << L{2, 1, 0};
        QTest::newRow("at both ends")
            << QByteArray("ab-ab") << QByteArray("ab") << true << L{0, 3} << L{3, 0};
        QTest::newRow("needle longer than text")
            << QByteArray("ab") << QByteArray("abc") << true << L{} << L{};
        QTest::newRow("whole text")
            << QByteArray("abc") << QByteArray("ABC") << false << L{0} << L{0};
        QTest::newRow("non-letters never fold")
            << QByteArray("[{@`") << QByteArray("{[`@") << false << L{} << L{};
        QTest::newRow("utf-8 bytes compared exactly")
            << QByteArray("caf\xC3\xA9 CAF\xC3\x89") << QByteArray("caf\xC3\xA9") << false << L{0}
            << L{0};
        QTest::newRow("line ends")
            << QByteArray("a\r\nb\r\n") << QByteArray("\r\n") << true << L{1, 4} << L{4, 1};
        QTest::newRow("nul bytes")
            << QByteArray("a\0b\0b", 5) << QByteArray("\0b", 2) << true << L{1, 3} << L{3, 1};
        QTest::newRow("high bytes in the shift table")
            << QByteArray("\xFF\xFEz\xFF\xFE") << QByteArray("\xFF\xFE") << true << L{0, 3}
            << L{3, 0};
    }
    void search() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, needle);
        QFETCH(bool, matchCase);
        QFETCH(QList<qsizetype>, forward);
        QFETCH(QList<qsizetype>, backward);
        const ByteSearch s(needle, matchCase);
        QList<qsizetype> found;
        for (qsizetype at = s.forward(text.constData(), text.size(), 0); at >= 0;
             at = s.forward(text.constData(), text.size(), at + 1))
            found << at;
        QCOMPARE(found, forward);
        found.clear();
        for (qsizetype at = s.backward(text.constData(), text.size()); at >= 0;
             at = s.backward(text.constData(), at + needle.size() - 1))
            found << at;
        QCOMPARE(found, backward);
    }

    void emptyNeedleFindsNothing() {
        const ByteSearch s(QByteArray(), false);
        QCOMPARE(s.forward("abc", 3, 0), qsizetype(-1));
        QCOMPARE(s.backward("abc", 3), qsizetype(-1));
    }
};

QTEST_GUILESS_MAIN(TestByteSearch)
#include "test_bytesearch.moc"
