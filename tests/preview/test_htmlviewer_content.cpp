// The viewer showing documents: loading, text, search, selection, scrolling,
// images, default colours and printing, on the real browser engine.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "testfolder.h"
#include "viewertesting.h"

#include <QApplication>
#include <QClipboard>
#include <QPdfDocument>
#include <QPrinter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace ViewerTesting;

namespace {

QString paragraphs(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("<p>Paragraph number %1 of the long page.</p>\n").arg(i);
    return text;
}

} // namespace

class TestHtmlViewerContent : public QObject {
    Q_OBJECT

    std::unique_ptr<HtmlViewer> viewer;
    TestFolder folder;
    QList<QImage> allPages; // the printed test document, every page

    bool show(const QString &html, const QString &base = QString()) {
        bool ok = false;
        const QString dir = base.isEmpty() ? folder.path() : base;
        return loadAndWait(
                   *viewer, [&] { viewer->loadFromString(html, dir); }, &ok) &&
               ok;
    }
    QString text() {
        auto result = std::make_shared<QString>();
        auto done = std::make_shared<bool>(false);
        viewer->renderedText([result, done](const QString &t) {
            *result = t;
            *done = true;
        });
        if (!QTest::qWaitFor([&] { return *done; }, 5000))
            return QStringLiteral("(no answer)");
        return *result;
    }
    QString js(const QString &source) { return runScript(*viewer, source).toString(); }

    // Prints pages `from` to `to` (0, 0: all) to PDF and returns small
    // pictures of the printed sheets.
    QList<QImage> printed(int from, int to) {
        const QString pdf = folder.file(QStringLiteral("out-%1-%2.pdf").arg(from).arg(to));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFromTo(from, to);
        auto result = std::make_shared<int>(-1);
        viewer->print(printer, [result](bool ok) { *result = ok; });
        if (!QTest::qWaitFor([&] { return *result != -1; }, 30000) || *result != 1)
            return {};
        QPdfDocument document;
        if (document.load(pdf) != QPdfDocument::Error::None)
            return {};
        QList<QImage> pages;
        for (int i = 0; i < document.pageCount(); ++i)
            pages << document.render(i, QSize(120, 170));
        return pages;
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        folder.write("pic.png", tinyPng(20, 10));
    }
    void init() {
        viewer = std::make_unique<HtmlViewer>();
        viewer->resize(600, 400);
        viewer->show();
        QVERIFY(!viewer->hasBackend()); // an empty viewer costs no browser view
    }
    void cleanup() { viewer.reset(); }

    void loadFromStringResolvesAgainstFolder() {
        QSignalSpy titles(viewer.get(), &HtmlViewer::titleChanged);
        viewer->loadFromString("<title>Small</title><img id=i src=\"pic.png\">", folder.path());
        QVERIFY(viewer->isBusy());
        QVERIFY(loadAndWait(*viewer, [] {}));
        QVERIFY(!viewer->isBusy());
        QCOMPARE(viewer->documentTitle(), QStringLiteral("Small"));
        QCOMPARE(titles.last().at(0).toString(), QStringLiteral("Small"));
        QCOMPARE(js("document.getElementById('i').naturalWidth"), QStringLiteral("20"));
    }

    // Text of any size shows, with its relative images, its title, its
    // rendering mode and characters beyond ASCII; binary junk does no harm.
    void anySize_data() {
        QTest::addColumn<int>("paragraphCount");
        QTest::addColumn<bool>("binary");
        QTest::newRow("small") << 10 << false;
        QTest::newRow("400 KB, through a file") << 8000 << false;
        QTest::newRow("1.5 MB, over the engine's limit once encoded") << 30000 << false;
        QTest::newRow("3 MB") << 60000 << false;
        QTest::newRow("binary junk") << 10 << true;
    }
    void anySize() {
        QFETCH(int, paragraphCount);
        QFETCH(bool, binary);
        QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><title>Grand café</title>"
                                      "</head><body><img id=i src=\"pic.png\">") +
                       paragraphs(paragraphCount);
        if (binary) {
            QByteArray junk(64 * 1024, '\0');
            for (int i = 0; i < junk.size(); ++i)
                junk[i] = char((i * 7919) % 256);
            html += QString::fromLatin1(junk);
        }
        html += QStringLiteral("<p id=last>Last paragraph — fin.</p></body></html>");
        QVERIFY(show(html));
        QCOMPARE(viewer->documentTitle(), QStringLiteral("Grand café"));
        QCOMPARE(js("document.getElementById('i').naturalWidth"), QStringLiteral("20"));
        QCOMPARE(js("document.compatMode"), QStringLiteral("CSS1Compat"));
        QCOMPARE(js("document.getElementById('last').textContent"),
                 QStringLiteral("Last paragraph — fin."));
    }

    // A large text goes to the engine through a file written a piece at a
    // time: characters beyond the basic plane arrive whole wherever the
    // pieces end.
    void largeTextKeepsEveryCharacter_data() {
        QTest::addColumn<QString>("lead");
        QTest::newRow("pairs at even offsets") << QStringLiteral("x");
        QTest::newRow("pairs at odd offsets") << QStringLiteral("xy");
    }
    void largeTextKeepsEveryCharacter() {
        QFETCH(QString, lead);
        const int pairs = 1200 * 1000;
        QString wide;
        wide.reserve(pairs * 2);
        for (int i = 0; i < pairs; ++i)
            wide += QStringLiteral("\U0001F600");
        const QString html = QStringLiteral("<!DOCTYPE html>\n<html><body><p id=w>") + lead + wide +
                             QStringLiteral("</p></body></html>");
        QVERIFY(show(html));
        QCOMPARE(js("String(document.getElementById('w').textContent.length)").toInt(),
                 lead.size() + pairs * 2);
        QCOMPARE(js("String(document.body.textContent.indexOf('\\ufffd'))"), QStringLiteral("-1"));
    }

    void loadFromFileAndFailure() {
        const QString page =
            folder.write("page.htm", "<html><head><title>From file</title></head><body>"
                                     "<img id=i src=\"pic.png\"></body></html>");
        bool ok = false;
        QVERIFY(loadAndWait(
            *viewer, [&] { viewer->loadFromFile(page); }, &ok));
        QVERIFY(ok);
        QCOMPARE(viewer->documentTitle(), QStringLiteral("From file"));
        QCOMPARE(js("document.getElementById('i').naturalWidth"), QStringLiteral("20"));

        QVERIFY(loadAndWait(
            *viewer, [&] { viewer->loadFromFile(folder.file("missing.htm")); }, &ok));
        QVERIFY(!ok);
        QVERIFY(!viewer->isBusy());

        // A file the engine would only download leaves no document: the load
        // ends, failed, and the page stays.
        QVERIFY(show("<title>Before</title>"));
        const QString archive = folder.write("data.zip", QByteArray("PK\x03\x04 not really", 20));
        QVERIFY(loadAndWait(
            *viewer, [&] { viewer->loadFromFile(archive); }, &ok));
        QVERIFY(!ok);
        QVERIFY(!viewer->isBusy());
        QCOMPARE(js("document.title"), QStringLiteral("Before"));
    }

    // A picture from a server that never answers keeps the page loading, but
    // the document itself is shown, at the position asked for, and the viewer
    // is free for the next one.
    void notBusyOnceLaidOut() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QList<QTcpSocket *> held;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *s = server.nextPendingConnection())
                held << s;
        });
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        viewer->loadFromString(
            QStringLiteral("<title>Waiting</title><img src=\"http://127.0.0.1:%1/a.png\">")
                    .arg(server.serverPort()) +
                paragraphs(300),
            folder.path());
        viewer->setPosition(700);
        QVERIFY(viewer->isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(!held.isEmpty(), 10000); // the picture was asked for
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->isBusy(), 10000);
        QVERIFY(finished.isEmpty());
        QCOMPARE(js("document.title"), QStringLiteral("Waiting"));
        QCOMPARE(js("String(window.scrollY)"), QStringLiteral("700"));
        QCOMPARE(viewer->position(), 700);
        QVERIFY(show("<title>Next</title>"));
        QCOMPARE(viewer->documentTitle(), QStringLiteral("Next"));
    }

    void clearShowsEmptyPage() {
        QVERIFY(show("<title>Something</title><p>Some text</p>"));
        QVERIFY(loadAndWait(*viewer, [&] { viewer->clear(); }));
        QCOMPARE(viewer->documentTitle(), QString());
        QCOMPARE(text().trimmed(), QString());
    }

    // A newer document replaces one still loading; only the newer one counts.
    void overlappingLoads() {
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        viewer->loadFromString("<title>First</title>" + paragraphs(20000), folder.path());
        QTest::qWait(20);
        viewer->loadFromString("<title>Second</title>", folder.path());
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->isBusy() && !finished.isEmpty(), 15000);
        QTest::qWait(300);
        QCOMPARE(viewer->documentTitle(), QStringLiteral("Second"));
        QVERIFY(!viewer->isBusy());
    }

    void renderedTextFollowsLayout() {
        QVERIFY(show("<p>one</p><p>two<br>three <b>bold</b></p><ul><li>item</li></ul>"));
        QStringList lines = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString &line : lines)
            line = line.trimmed();
        QCOMPARE(lines, (QStringList{"one", "two", "three bold", "item"}));
    }

    void find_data() {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<bool>>("results");
        // After the last match: not found, then it starts over from the top.
        QTest::newRow("any case") << "foo" << false << QList<bool>{true, true, true, false, true};
        QTest::newRow("match case") << "foo" << true << QList<bool>{true, true, false, true};
        QTest::newRow("match case, other case") << "FOO" << true << QList<bool>{false, false};
        QTest::newRow("any case, other case") << "FOO" << false << QList<bool>{true};
        QTest::newRow("absent") << "zzz" << false << QList<bool>{false};
        QTest::newRow("empty") << "" << false << QList<bool>{false};
    }
    void find() {
        QFETCH(QString, needle);
        QFETCH(bool, matchCase);
        QFETCH(QList<bool>, results);
        QVERIFY(show("<p>foo Foo</p><p>foo bar</p>"));
        for (int i = 0; i < results.size(); ++i) {
            int answer = -1;
            viewer->find(needle, matchCase, [&](bool found) { answer = found; });
            QTRY_VERIFY_WITH_TIMEOUT(answer != -1, 5000);
            QCOMPARE(bool(answer), results.at(i));
        }
    }

    void selectAllAndCopy() {
        QVERIFY(show("<p>Hello <b>preview</b></p>"));
        QCOMPARE(viewer->selectionLength(), 0);
        viewer->selectAll();
        QTRY_VERIFY_WITH_TIMEOUT(viewer->selectionLength() > 0, 5000);
        QVERIFY(viewer->selectedText().contains(QLatin1String("Hello preview")));
        QCOMPARE(viewer->selectionLength(), int(viewer->selectedText().size()));
        QGuiApplication::clipboard()->clear();
        viewer->copyToClipboard();
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text().trimmed(),
                                  viewer->selectedText().trimmed(), 5000);
    }

    void scrolling() {
        QVERIFY(show(paragraphs(300)));
        QCOMPARE(viewer->position(), 0);
        const int max = viewer->maxPosition();
        QVERIFY(max > 1000);
        viewer->setPosition(250);
        QTRY_COMPARE_WITH_TIMEOUT(js("String(window.scrollY)"), QStringLiteral("250"), 5000);
        QCOMPARE(viewer->position(), 250);
        // The page scrolling by itself is followed.
        js("window.scrollTo(0, 400); 'done'");
        QTRY_COMPARE_WITH_TIMEOUT(viewer->position(), 400, 5000);
        // A scroll notice the engine sends late, from an earlier frame, does
        // not move the position the viewer reports away from the page's.
        auto *view = viewer->findChild<QWebEngineView *>();
        emit view->page()->scrollPositionChanged(QPointF(0, 0));
        QTest::qWait(200);
        QCOMPARE(viewer->position(), 400);
        viewer->setPosition(max + 5000);
        QTRY_COMPARE_WITH_TIMEOUT(viewer->position(), max, 5000);
        viewer->setPosition(-10);
        QTRY_COMPARE_WITH_TIMEOUT(viewer->position(), 0, 5000);
    }

    // Showing the text again at the position it had (a refresh) keeps it.
    void positionSetWhileLoading() {
        QVERIFY(show(paragraphs(300)));
        viewer->setPosition(700);
        QTRY_COMPARE_WITH_TIMEOUT(viewer->position(), 700, 5000);
        const int before = viewer->position();
        QVERIFY(loadAndWait(*viewer, [&] {
            viewer->loadFromString(paragraphs(301), folder.path());
            viewer->setPosition(before);
            QCOMPARE(viewer->position(), before);
        }));
        QCOMPARE(viewer->position(), before);
        QCOMPARE(js("String(window.scrollY)"), QString::number(before));
        // A new document without a position starts at the top.
        QVERIFY(show(paragraphs(302)));
        QCOMPARE(viewer->position(), 0);
    }

    void imagesOnAndOff() {
        const QString html = paragraphs(100) + "<img id=i src=\"pic.png\">";
        viewer->setViewImages(false);
        QVERIFY(!viewer->viewImages());
        QVERIFY(show(html));
        QCOMPARE(js("document.getElementById('i').naturalWidth"), QStringLiteral("0"));
        viewer->setPosition(300);
        QTRY_COMPARE_WITH_TIMEOUT(viewer->position(), 300, 5000);
        // Switching images on shows the document again, in the same place.
        QVERIFY(loadAndWait(*viewer, [&] { viewer->setViewImages(true); }));
        QCOMPARE(js("document.getElementById('i').naturalWidth"), QStringLiteral("20"));
        QCOMPARE(viewer->position(), 300);
    }

    void defaultColoursAndFont_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("background");
        QTest::newRow("defaults apply") << "<body>"
                                        << "rgb(255, 0, 0)"
                                        << "rgba(0, 0, 0, 0)";
        QTest::newRow("page colours win") << "<body text=\"#00FF00\" bgcolor=\"#FFFF00\">"
                                          << "rgb(0, 255, 0)"
                                          << "rgb(255, 255, 0)";
        QTest::newRow("page style wins") << "<style>html { color: #0000FF }</style><body>"
                                         << "rgb(0, 0, 255)"
                                         << "rgba(0, 0, 0, 0)";
    }
    void defaultColoursAndFont() {
        QFETCH(QString, body);
        QFETCH(QString, color);
        QFETCH(QString, background);
        viewer->setDefFontColor(Qt::red);
        viewer->setDefBackground(QColor(0, 0, 128));
        viewer->setDefFontSize(18);
        viewer->setDefFontName("DejaVu Sans Mono");
        QCOMPARE(viewer->defFontColor(), QColor(Qt::red));
        QVERIFY(show(body + "<p id=p>Text</p>"));
        QCOMPARE(js("getComputedStyle(document.getElementById('p')).color"), color);
        QCOMPARE(js("getComputedStyle(document.body).backgroundColor"), background);
        QCOMPARE(js("getComputedStyle(document.body).fontSize"), QStringLiteral("24px"));
        auto *view = viewer->findChild<QWebEngineView *>();
        QCOMPARE(view->page()->backgroundColor(), QColor(0, 0, 128));
    }

    void defaultsChangeOnShownPage() {
        QVERIFY(show("<p id=p>Text</p>"));
        viewer->setDefFontColor(QColor(0, 128, 0));
        QTRY_COMPARE_WITH_TIMEOUT(js("getComputedStyle(document.getElementById('p')).color"),
                                  QStringLiteral("rgb(0, 128, 0)"), 5000);
    }

    // Each printed sheet is the page the range names, in the document's order.
    void printsToPdf_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("page 1 only") << 1 << 1;
        QTest::newRow("page 2 only") << 2 << 2;
        QTest::newRow("pages 2-3") << 2 << 3;
        QTest::newRow("range past the end") << 3 << 99;
    }
    void printsToPdf() {
        QFETCH(int, from);
        QFETCH(int, to);
        QVERIFY(show("<h1>Printed</h1>" + paragraphs(150)));
        if (allPages.isEmpty())
            allPages = printed(0, 0);
        const QList<QImage> &all = allPages;
        QVERIFY2(all.size() >= 4, qPrintable(QString::number(all.size())));
        QVERIFY(all.at(0) != all.at(1));
        const QList<QImage> some = printed(from, to);
        const int last = qMin(to, int(all.size()));
        QCOMPARE(some.size(), last - from + 1);
        for (int page = from; page <= last; ++page)
            QVERIFY2(some.at(page - from) == all.at(page - 1), qPrintable(QString::number(page)));
    }

    void printRangeBeyondTheDocument() {
        QVERIFY(show("<p>One page</p>"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file("none.pdf"));
        printer.setFromTo(5, 6);
        int result = -1;
        viewer->print(printer, [&](bool ok) { result = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(result != -1, 30000);
        QCOMPARE(result, 0);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    useLinkedEngine();
    TestHtmlViewerContent test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_htmlviewer_content.moc"
