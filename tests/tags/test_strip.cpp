// "Strip HTML Codes" through the real preview engine, and without it.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "tagfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

namespace {
const QString kQuestion = "Are you sure that you want to strip all of the HTML codes from this page?";
const QString kPage = "<HTML><HEAD><TITLE>T</TITLE></HEAD>\r\n<BODY>\r\n<H1>Heading</H1>\r\n"
                      "<P>One <B>two</B> three</P>\r\n<P>Last</P>\r\n</BODY></HTML>";
} // namespace

class TestStrip : public QObject {
    Q_OBJECT
private slots:
    // Runs first: the engine, once loaded, stays.
    void refusedWithoutPreviewEngine() {
        TagFixture f(true, true);
        f.setText(kPage, 2, 0);
        f.ui.answerMessage(Msg::ResultOk);
        f.tags().stripHtmlCodes();
        QCOMPARE(f.editor().text(), kPage);
        QCOMPARE(f.ui.messageTexts().size(), 2);
        QCOMPARE(f.ui.messageTexts().at(0), kQuestion);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Ok | Msg::Cancel));
        QVERIFY(f.ui.messageTexts().at(1).contains("not available"));
        QVERIFY(!f.changed());
    }

    void cancelledChangesNothing() {
        QString error;
        QVERIFY2(ViewerEngine::instance().load(qEnvironmentVariable("QUILMEAD_PROGRAM_DIR"), &error),
                 qPrintable(error));
        TagFixture f(true, true);
        f.setText(kPage, 2, 0);
        f.ui.answerMessage(Msg::ResultCancel);
        f.tags().stripHtmlCodes();
        QCOMPARE(f.editor().text(), kPage);
        QCOMPARE(f.ui.messageTexts(), QStringList({kQuestion}));
    }

    void pageBecomesItsRenderedText() {
        QString error;
        QVERIFY2(ViewerEngine::instance().load(qEnvironmentVariable("QUILMEAD_PROGRAM_DIR"), &error),
                 qPrintable(error));
        TagFixture f(true, true);
        f.setText(kPage, 2, 0);
        f.ui.answerMessage(Msg::ResultOk);
        f.tags().stripHtmlCodes();
        const QString text = f.editor().text();
        QVERIFY2(!text.contains('<'), qPrintable(text));
        QVERIFY2(text.contains("Heading"), qPrintable(text));
        QVERIFY2(text.contains("One two three"), qPrintable(text));
        QVERIFY(text.indexOf("Heading") < text.indexOf("Last"));
        QVERIFY(!text.contains("T\r")); // the title is no part of the page's text
        QVERIFY(f.editor().lineCount() >= 3);
        // The clipboard keeps the text; one undo brings the page back.
        QCOMPARE(QString(QGuiApplication::clipboard()->text()).remove('\r'),
                 QString(text).remove('\r'));
        QVERIFY(f.changed());
        f.editor().undoEdit();
        QCOMPARE(f.editor().text(), kPage);
        QCOMPARE(f.ui.messageTexts(), QStringList({kQuestion}));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestStrip test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_strip.moc"
