// Picture links, the browser argument, history captions and the text
// "Search Source" looks for.

#include "preview/controller/previewrules.h"

#include <QtTest>

class TestPreviewRules : public QObject {
    Q_OBJECT
private slots:
    void pictureLinks_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("extensions");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("fileName");
        const QString defaults = QStringLiteral("gif,jpg");
        QTest::newRow("plain gif") << "pic.gif" << defaults << true << "pic.gif";
        QTest::newRow("upper case link") << "PIC.GIF" << defaults << true << "PIC.GIF";
        QTest::newRow("upper case setting") << "pic.jpg"
                                            << "GIF,JPG" << true << "pic.jpg";
        QTest::newRow("in a folder") << "images/pic.gif" << defaults << true << "pic.gif";
        QTest::newRow("parent folder") << "../images/pic.gif" << defaults << true << "pic.gif";
        QTest::newRow("windows separators") << "img\\pic.jpg" << defaults << true << "pic.jpg";
        QTest::newRow("web address")
            << "http://www.example.com/a/pic.gif" << defaults << true << "pic.gif";
        QTest::newRow("page") << "next.htm" << defaults << false << "next.htm";
        QTest::newRow("two dots") << "pic.old.gif" << defaults << false << "pic.old.gif";
        QTest::newRow("no extension") << "README" << defaults << false << "README";
        QTest::newRow("anchor") << "#top" << defaults << false << "#top";
        QTest::newRow("trailing dot") << "pic." << defaults << false << "pic.";
        QTest::newRow("empty setting") << "pic.gif"
                                       << "" << false << "pic.gif";
    }
    void pictureLinks() {
        QFETCH(QString, target);
        QFETCH(QString, extensions);
        QFETCH(bool, picture);
        QFETCH(QString, fileName);
        QCOMPARE(PreviewRules::isPictureLink(target, extensions), picture);
        QCOMPARE(PreviewRules::linkFileName(target), fileName);
    }

    void browserArgument() {
        QCOMPARE(PreviewRules::browserArgument("/home/u/site/quilview.htm", false),
                 QStringLiteral("/home/u/site/quilview.htm"));
        QCOMPARE(PreviewRules::browserArgument("/home/u/site/quilview.htm", true),
                 QStringLiteral("FILE:///home/u/site/quilview.htm"));
    }

    void historyCaptionKeepsAmpersands() {
        QCOMPARE(PreviewRules::historyCaption("/tmp/a&b.htm"), QStringLiteral("/tmp/a&&b.htm"));
    }

    // Only the line ends at the end go; the text itself is searched as
    // selected (the old way of cutting two characters would lose letters).
    void sourceSearchText_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << "Alpha Beta"
                                  << "Alpha Beta";
        QTest::newRow("paragraph end") << "Alpha Beta\n"
                                       << "Alpha Beta";
        QTest::newRow("CR LF") << "Alpha\r\n"
                               << "Alpha";
        QTest::newRow("two paragraph ends") << "Alpha\n\n"
                                            << "Alpha";
        QTest::newRow("inner line end kept") << "Alpha\nBeta"
                                             << "Alpha\nBeta";
        QTest::newRow("spaces kept") << " Alpha "
                                     << " Alpha ";
        QTest::newRow("one letter") << "a"
                                    << "a";
        QTest::newRow("only a line end") << "\n"
                                         << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void sourceSearchText() {
        QFETCH(QString, selection);
        QFETCH(QString, text);
        QCOMPARE(PreviewRules::sourceSearchText(selection), text);
    }
};

QTEST_GUILESS_MAIN(TestPreviewRules)
#include "test_previewrules.moc"
