// Picture links, the browser argument and history captions.

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
};

QTEST_GUILESS_MAIN(TestPreviewRules)
#include "test_previewrules.moc"
