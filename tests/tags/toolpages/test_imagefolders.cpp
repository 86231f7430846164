// The type folders of the Images page, the pictures in them and their sizes,
// on real files.

#include "tags/toolpages/imagefolders.h"
#include "testfolder.h"

#include <QDir>
#include <QImage>
#include <QtTest>
#include <sys/stat.h>

using namespace ImageFolders;

class TestImageFolders : public QObject {
    Q_OBJECT
private slots:
    void typesAreTheSubFoldersSorted() {
        TestFolder root;
        QDir dir(root.path());
        for (const char *name : {"lines", "Buttons", "bullets", ".hidden"})
            QVERIFY(dir.mkdir(name));
        root.write("Photos", "a file, not a folder");
        bool ok = false;
        QCOMPARE(typeNames(root.path(), &ok),
                 (QStringList{"Default", "bullets", "Buttons", "lines"}));
        QVERIFY(ok);
    }

    void unreadableRootGivesDefaultOnly_data() {
        QTest::addColumn<QString>("root");
        QTest::newRow("missing") << "/no/such/folder/at/all";
        QTest::newRow("empty setting") << "";
    }
    void unreadableRootGivesDefaultOnly() {
        QFETCH(QString, root);
        bool ok = true;
        QCOMPARE(typeNames(root, &ok), QStringList{"Default"});
        QVERIFY(!ok);
    }

    void pictureFolders_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Default is the page's folder") << "Default"
                                                      << "/prog/"
                                                      << "/site/";
        QTest::newRow("no type either") << ""
                                        << "/prog/"
                                        << "/site/";
        QTest::newRow("a type below the root") << "Buttons"
                                               << "/prog/"
                                               << "/prog/Buttons/";
        QTest::newRow("root without separator") << "Buttons"
                                                << "/shared"
                                                << "/shared/Buttons/";
        QTest::newRow("root from Windows") << "Lines"
                                           << "\\\\srv\\pics\\"
                                           << "//srv/pics/Lines/";
    }
    void pictureFolders() {
        QFETCH(QString, type);
        QFETCH(QString, root);
        QFETCH(QString, folder);
        QCOMPARE(pictureFolder(type, root, "/site/"), folder);
    }

    void rootFollowsTheSharedButton() {
        QCOMPARE(imageRoot("/prog/", "/shared/", false), QStringLiteral("/prog/"));
        QCOMPARE(imageRoot("/prog/", "/shared/", true), QStringLiteral("/shared/"));
    }

    void picturesByExtension() {
        TestFolder folder;
        for (const char *name : {"b.GIF", "a.jpg", "c.gif", "d.png", "page.htm", "e.jpeg"})
            folder.write(name, "x");
        QVERIFY(QDir(folder.path()).mkdir("sub.gif"));
        QCOMPARE(pictureNames(folder.path(), "gif,jpg"), (QStringList{"a.jpg", "b.GIF", "c.gif"}));
        // An extension given twice lists its pictures once; an empty entry
        // ends the list.
        QCOMPARE(pictureNames(folder.path(), "png,gif,png,,jpg"),
                 (QStringList{"b.GIF", "c.gif", "d.png"}));
        QCOMPARE(pictureNames(QString(), "gif"), QStringList());
    }

    void sizes_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("PNG") << QByteArray("png");
        QTest::newRow("JPEG") << QByteArray("jpg");
        QTest::newRow("BMP") << QByteArray("bmp");
    }
    void sizes() {
        QFETCH(QByteArray, format);
        TestFolder folder;
        QImage image(37, 11, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = folder.file("pic." + QString::fromLatin1(format));
        QVERIFY(image.save(path, format.constData()));
        QCOMPARE(pictureSize(path), QSize(37, 11));
    }

    void gifSize() {
        // A 3 x 2 picture in black and white.
        const QByteArray gif = QByteArray::fromHex(
            "47494638396103000200800000000000ffffff2c0000000003000200000203446c05003b");
        TestFolder folder;
        QCOMPARE(pictureSize(folder.write("dot.gif", gif)), QSize(3, 2));
    }

    void noSizeForWhatCannotBeOpened_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("damaged") << QByteArray("GIF8 this is not a picture at all");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut off header") << QByteArray::fromHex("89504e470d0a1a0a0000");
    }
    void noSizeForWhatCannotBeOpened() {
        QFETCH(QByteArray, bytes);
        TestFolder folder;
        QVERIFY(!pictureSize(folder.write("broken.gif", bytes)).isValid());
        QVERIFY(!pictureSize(folder.file("missing.gif")).isValid());
    }

    void pipeIsNeverOpened() {
        TestFolder folder;
        const QString pipe = folder.file("pipe.gif");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // Opening a pipe would wait for a writer for ever.
        QVERIFY(!pictureSize(pipe).isValid());
        QCOMPARE(pictureNames(folder.path(), "gif"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestImageFolders)
#include "test_imagefolders.moc"
