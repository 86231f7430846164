// Hostile and damaged pages: the evaluation ends with the lists it could
// build, and takes time in proportion to the page.

#include "projects/evaluation/imagealt.h"
#include "projects/evaluation/pageevaluation.h"
#include "testfolder.h"

#include <QtTest>

namespace {

QString repeated(const QString &piece, qsizetype totalLength) {
    QString text;
    text.reserve(totalLength + piece.size());
    while (text.size() < totalLength)
        text += piece;
    return text;
}

bool hasDetail(const PageEvaluation &e, const QString &text) {
    for (const DetailLine &line : e.webDetails) {
        if (line.text == text)
            return true;
    }
    return false;
}

} // namespace

class TestEvaluationInput : public QObject {
    Q_OBJECT
private slots:
    void damagedPages_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("unclosed quote") << "<IMG SRC=\"a.gif\n<A HREF=\"b.htm\">b</A>"
                                        << QStringList{"a.gif"} << QStringList{"b.htm"};
        QTest::newRow("unclosed tag") << "<IMG SRC=\"a.gif\"\n<A HREF=\"b.htm\""
                                      << QStringList{"a.gif"} << QStringList{"b.htm"};
        QTest::newRow("unclosed comment") << "<!-- <IMG SRC=\"a.gif\">\n<A HREF=\"b.htm\">"
                                          << QStringList{"a.gif"} << QStringList{"b.htm"};
        QTest::newRow("NUL bytes")
            << QString("<IMG SRC=\"a") + QChar(0) + "b.gif\">" + QChar(0) + "<A HREF=\"b.htm\">"
            << QStringList{QString("a") + QChar(0) + "b.gif"} << QStringList{"b.htm"};
        QTest::newRow("key at the line end")
            << "<IMG SRC=\"\n<A HREF=\n<A NAME=" << QStringList() << QStringList();
    }
    void damagedPages() {
        QFETCH(QString, page);
        QFETCH(QStringList, missing);
        QFETCH(QStringList, links);
        TestFolder folder;
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.filesMissing, missing);
        QCOMPARE(e.links, links);
        QVERIFY(e.complete);
    }

    // A huge single line: the reference at its far end is still found.
    void hugeSingleLine() {
        TestFolder folder;
        folder.write("end.gif", "12345");
        QString page = repeated("<B>text text text</B> ", 50 * 1000 * 1000);
        page += "<IMG SRC=\"end.gif\"><A HREF=\"far.htm\">";
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.filesFound, QStringList{"end.gif"});
        QCOMPARE(e.links, QStringList{"far.htm"});
        QVERIFY(e.complete);
    }

    void manyReferences() {
        TestFolder folder;
        QString page;
        for (int i = 0; i < 100000; ++i)
            page += QStringLiteral("<A HREF=\"p%1.htm\">%1</A>\r\n").arg(i);
        const PageEvaluation e = evaluatePage(page, folder.path());
        QCOMPARE(e.links.size(), 100000);
        QCOMPARE(e.references.size(), 100000);
        QVERIFY(e.complete);
        QCOMPARE(e.references.last().line, 100000);
    }

    // Pages built to make the scan repeat itself stop at the limit, with the
    // lists built so far.
    void referencesBeyondTheLimit_data() {
        QTest::addColumn<QString>("piece");
        QTest::newRow("links on one line") << "<A HREF=\"x\">";
        QTest::newRow("chained sources") << "src=";
        QTest::newRow("chained links") << "<a href=";
        QTest::newRow("anchors") << "<A NAME=a>";
    }
    void referencesBeyondTheLimit() {
        QFETCH(QString, piece);
        TestFolder folder;
        const QString page = "<IMG SRC=\"first.gif\">" +
                             repeated(piece, (Evaluation::kMaxReferences + 10) * piece.size());
        const PageEvaluation e = evaluatePage(page, folder.path());
        QVERIFY(!e.complete);
        QVERIFY(hasDetail(e, Evaluation::stoppedText()));
        QVERIFY(e.filesMissing.contains("first.gif"));
        QVERIFY(e.references.size() <= Evaluation::kMaxReferences);
        QVERIFY(e.webDetails.last().text.startsWith("Page contains 0 SRC references"));
    }

    // Long values are cut, so that a page of a few long values cannot fill
    // the memory either.
    void longValues() {
        TestFolder folder;
        const QString page =
            repeated("<A HREF=\"" + QString(1100, 'v') + "\">\n", 22 * 1000 * 1000);
        const PageEvaluation e = evaluatePage(page, folder.path());
        QVERIFY(!e.complete);
        QCOMPARE(e.links.size(), 1);
        QCOMPARE(e.links.first().size(), Evaluation::kMaxValueLength);
    }

    void imageTagsOfDamagedPages_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("count");
        QTest::newRow("unclosed tags") << repeated("<img src=a.gif ", 3 * 1000 * 1000) << 200000;
        QTest::newRow("one tag never closed") << "<img src=\"a.gif\" " + QString(5000000, 'x') << 1;
        QTest::newRow("alt given") << "<IMG SRC=\"a.gif\" ALT=\"\"><img\nalt=x src=b>" << 0;
        QTest::newRow("alt only in a value") << "<IMG SRC=\"salt.gif\" TITLE=\"x-alt\">" << 1;
        QTest::newRow("other tag") << "<IMGX SRC=a>" << 0;
    }
    void imageTagsOfDamagedPages() {
        QFETCH(QString, page);
        QFETCH(int, count);
        QCOMPARE(imagesWithoutAlt(page).size(), count);
    }
};

QTEST_GUILESS_MAIN(TestEvaluationInput)
#include "test_evaluationinput.moc"
