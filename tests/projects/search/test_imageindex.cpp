// The image index page and the lines one run adds to it.

#include "projects/search/imageindex.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>

class TestImageIndex : public QObject {
    Q_OBJECT
private slots:
    void indexText_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("text");
        QTest::newRow("two pictures") << "/home/ann/pics" << QStringList{"a.gif", "b.jpg"}
                                      << "File location: /home/ann/pics/a.gif<br>\r"
                                         "<img src=\"/home/ann/pics/a.gif\"><br>\r"
                                         "File location: /home/ann/pics/b.jpg<br>\r"
                                         "<img src=\"/home/ann/pics/b.jpg\"><br>\r"
                                         "\r";
        QTest::newRow("the root folder") << "/" << QStringList{"top.gif"}
                                         << "File location: /top.gif<br>\r"
                                            "<img src=\"/top.gif\"><br>\r"
                                            "\r";
        QTest::newRow("trailing separator")
            << "/pics/" << QStringList{"a.gif"}
            << "File location: /pics/a.gif<br>\r<img src=\"/pics/a.gif\"><br>\r\r";
        QTest::newRow("no pictures") << "/pics" << QStringList() << "\r";
        QTest::newRow("names that mean something in HTML")
            << "/Tom & Jerry" << QStringList{"say \"hi\".gif", "<b>.jpg"}
            << "File location: /Tom &amp; Jerry/say &quot;hi&quot;.gif<br>\r"
               "<img src=\"/Tom &amp; Jerry/say &quot;hi&quot;.gif\"><br>\r"
               "File location: /Tom &amp; Jerry/&lt;b&gt;.jpg<br>\r"
               "<img src=\"/Tom &amp; Jerry/&lt;b&gt;.jpg\"><br>\r"
               "\r";
    }
    void indexText() {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QString, text);
        QCOMPARE(ImageIndex::indexText(folder, files), text);
    }

    void thePageIsMadeOnceWithItsHeading() {
        TestFolder program;
        const QString page = ImageIndex::pagePath(program.path());
        QCOMPARE(page, program.file("images.htm"));
        QString error;
        QVERIFY(ImageIndex::ensurePage(page, &error));
        QCOMPARE(TestFolder::read(page), QByteArray("<CENTER><H2>Image Index</H2></CENTER>\r\n"));

        // What is there already stays as it is.
        program.write("images.htm", "<P>mine</P>");
        QVERIFY(ImageIndex::ensurePage(page, &error));
        QCOMPARE(TestFolder::read(page), QByteArray("<P>mine</P>"));
    }

    void aPageThatCannotBeWrittenIsReported() {
        TestFolder program;
        QString error;
        QVERIFY(!ImageIndex::ensurePage(program.file("missing/images.htm"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(program.file("missing/images.htm")));
    }

    void masks_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("masks");
        QTest::newRow("two") << "*.gif;*.jpg" << QStringList{"*.gif", "*.jpg"};
        QTest::newRow("spaces") << " *.gif ; *.jpg " << QStringList{"*.gif", "*.jpg"};
        QTest::newRow("one") << "a*" << QStringList{"a*"};
        QTest::newRow("empty") << "" << QStringList{"*"};
        QTest::newRow("only separators") << ";;" << QStringList{"*"};
    }
    void masks() {
        QFETCH(QString, filter);
        QFETCH(QStringList, masks);
        QCOMPARE(ImageIndex::masksOf(filter), masks);
    }

    void listedFilesFollowTheFilter() {
        TestFolder pics;
        for (const char *name : {"b.jpg", "A.GIF", "c.gif", "d.png", "e.jpeg", ".hidden.gif"})
            pics.write(name, "x");
        QDir().mkpath(pics.file("folder.gif"));
        const QString folder = pics.path();
        QCOMPARE(ImageIndex::listFiles(folder, "*.gif;*.jpg"),
                 QStringList({"A.GIF", "b.jpg", "c.gif"}));
        QCOMPARE(ImageIndex::listFiles(folder, "*.jpg"), QStringList{"b.jpg"});
        QCOMPARE(ImageIndex::listFiles(folder, "").size(), 5);
        QCOMPARE(ImageIndex::listFiles(pics.file("missing"), "*.gif"), QStringList());
        QCOMPARE(ImageIndex::listFiles(QString(), "*.gif"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestImageIndex)
#include "test_imageindex.moc"
