// The files the program keeps beside open documents (parking files, the
// temporary files of saves) never take the place of an open document, and
// copies left by a run that ended early are found again.

#include "documents/companionfiles.h"
#include "documents/documentnames.h"
#include "documents/staleparking.h"
#include "editor/textfile.h"
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

PageList pagesOf(const QStringList &paths) {
    PageList pages;
    for (const QString &path : paths) {
        PageRecord record;
        record.fileName = path;
        pages.append(record);
    }
    return pages;
}

void setAge(const QString &path, int secondsAgo) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                             QFileDevice::FileModificationTime));
}

} // namespace

class TestCompanionFiles : public QObject {
    Q_OBJECT
private slots:
    // Copies of a page left beside it: "name=text@age" for each file there
    // ("c.htm" the page, a missing page is simply not listed).
    void staleCopies_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("offered"); // empty: none
        QTest::addColumn<bool>("unfinishedSave");
        QTest::newRow("nothing left") << QStringList{"c.htm=saved@60"} << "" << false;
        QTest::newRow("unfinished save")
            << QStringList{"c.htm=saved@60", "c.htm.saving=newer@10"} << "c.htm.saving" << true;
        QTest::newRow("unfinished save with the page's bytes")
            << QStringList{"c.htm=saved@60", "c.htm.saving=saved@10"} << "" << false;
        QTest::newRow("parking file newer than an unfinished save")
            << QStringList{"c.htm=saved@60", "c.htm.saving=s@30", "c.htm_=p@10"} << "c.htm_"
            << false;
        QTest::newRow("unfinished save newer than the parking file")
            << QStringList{"c.htm=saved@60", "c.htm.saving=s@10", "c.htm_=p@30"} << "c.htm.saving"
            << true;
        QTest::newRow("parking file write cut short")
            << QStringList{"c.htm=saved@60", "c.htm_.saving=p@10"} << "c.htm_.saving" << false;
        QTest::newRow("page gone, unfinished save left")
            << QStringList{"c.htm.saving=text@10"} << "c.htm.saving" << true;
    }
    void staleCopies() {
        QFETCH(QStringList, files);
        QFETCH(QString, offered);
        QFETCH(bool, unfinishedSave);
        TestFolder dir;
        for (const QString &file : files) {
            const QString name = file.section('=', 0, 0);
            const QString text = file.section('=', 1).section('@', 0, 0);
            setAge(dir.write(name, text.toUtf8()), file.section('@', 1).toInt());
        }
        const QString page = dir.file("c.htm");
        const StaleParking stale = findStaleParking(page);
        QCOMPARE(stale.found, !offered.isEmpty());
        if (offered.isEmpty())
            return;
        QCOMPARE(stale.parkingPath, dir.file(offered));
        QCOMPARE(stale.kind == StaleParking::Kind::UnfinishedSave, unfinishedSave);
        QCOMPARE(stale.savedAt.isValid(), QFile::exists(page));
        const QString question = staleParkingQuestion(page, stale);
        QVERIFY2(
            question.startsWith((unfinishedSave ? "An unfinished save of " : "A backup copy of ") +
                                page + " was found (" + stale.parkingPath + ", written "),
            qPrintable(question));
        QVERIFY(question.endsWith("Cancel: open neither and keep both."));
    }

    // A save cut short between writing its temporary file and the rename
    // leaves the temporary file; the next open finds it, and a save after
    // that replaces it.
    void saveCutShortIsFoundAgain() {
        TestFolder dir;
        const QString page = dir.write("c.htm", "saved");
        dir.write("c.htm.saving", "the text being saved"); // what the cut leaves
        const StaleParking stale = findStaleParking(page);
        QVERIFY(stale.found);
        QCOMPARE(stale.parkingPath, savingFile(page));
        QCOMPARE(TestFolder::read(stale.parkingPath), QByteArray("the text being saved"));
        QVERIFY(writeFileAtomically(page, "the text being saved"));
        QVERIFY(!findStaleParking(page).found);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"c.htm"});
    }

    void identicalCopiesAreRemoved() {
        TestFolder dir;
        const QString page = dir.write("c.htm", "saved");
        dir.write("c.htm.saving", "saved");
        dir.write("c.htm_.saving", "saved");
        dir.write("c.htm_", "saved"); // a parking file stays (it is written again)
        QCOMPARE(removeIdenticalCopies(page, PageList()), 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"c.htm", "c.htm_"}));
        dir.write("c.htm.saving", "other");
        QCOMPARE(removeIdenticalCopies(page, PageList()), 0);
        QVERIFY(QFile::exists(dir.file("c.htm.saving")));
        // Never one that is open as a document.
        dir.write("c.htm.saving", "saved");
        QCOMPARE(removeIdenticalCopies(page, pagesOf({dir.file("c.htm.saving")})), 0);
        QVERIFY(QFile::exists(dir.file("c.htm.saving")));
    }

    // A page whose own name ends in "_" (c.htm_), open beside c.htm, is no
    // parking file: it is not offered as a backup of c.htm (where "No" would
    // delete it), and c.htm's copies are not written over it.
    void openPageIsNoCopy_data() {
        QTest::addColumn<QString>("openAs"); // how the open page is spelled
        QTest::newRow("same path") << "web/c.htm_";
        QTest::newRow("through a link") << "link/c.htm_";
        QTest::newRow("through ..") << "web/../web/c.htm_";
    }
    void openPageIsNoCopy() {
        QFETCH(QString, openAs);
        TestFolder dir;
        const QString page = dir.write("web/c.htm", "page c");
        const QString underscore = dir.write("web/c.htm_", "a page of its own");
        QVERIFY(QFile::link(dir.file("web"), dir.file("link")));
        const PageList open = pagesOf({dir.file(openAs)});

        QVERIFY(findStaleParking(page).found); // as long as c.htm_ is not open
        QVERIFY(!findStaleParking(page, open).found);
        QVERIFY(!CompanionFiles::mayWrite(DocumentNames::parkingFile(page), open));
        QVERIFY(!CompanionFiles::mayDelete(DocumentNames::parkingFile(page), open));
        QVERIFY(CompanionFiles::mayWrite(DocumentNames::parkingFile(page), PageList()));
        QCOMPARE(TestFolder::read(underscore), QByteArray("a page of its own"));
    }

    // Which files belong to which open document, and what may be done to
    // them. "*" marks the open documents.
    void ownersAndRights_data() {
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("owner"); // empty: none
        QTest::addColumn<bool>("mayWrite");
        QTest::addColumn<bool>("mayDelete");
        QTest::newRow("parking file of an open page") << QStringList{"c.htm"} << "c.htm_"
                                                      << "c.htm" << true << true;
        QTest::newRow("save temporary of an open page") << QStringList{"c.htm"} << "c.htm.saving"
                                                        << "c.htm" << true << true;
        QTest::newRow("parking file's save temporary") << QStringList{"c.htm"} << "c.htm_.saving"
                                                       << "c.htm" << true << true;
        QTest::newRow("another page") << QStringList{"c.htm"} << "d.htm"
                                      << "" << true << true;
        QTest::newRow("parking file that is open itself")
            << QStringList{"c.htm", "c.htm_"} << "c.htm_"
            << "c.htm" << false << false;
        QTest::newRow("its save temporary is open")
            << QStringList{"c.htm", "c.htm_.saving"} << "c.htm_"
            << "c.htm" << false << true;
        QTest::newRow("letter case counts") << QStringList{"C.htm"} << "c.htm_"
                                            << "" << true << true;
    }
    void ownersAndRights() {
        QFETCH(QStringList, open);
        QFETCH(QString, path);
        QFETCH(QString, owner);
        QFETCH(bool, mayWrite);
        QFETCH(bool, mayDelete);
        TestFolder dir;
        QStringList full;
        for (const QString &name : open)
            full << dir.write(name, name.toUtf8());
        const PageList pages = pagesOf(full);
        const int index = CompanionFiles::ownerOf(dir.file(path), pages);
        QCOMPARE(index < 0 ? QString() : pages.at(index).fileName.mid(dir.path().size()), owner);
        QCOMPARE(CompanionFiles::mayWrite(dir.file(path), pages), mayWrite);
        QCOMPARE(CompanionFiles::mayDelete(dir.file(path), pages), mayDelete);
        QCOMPARE(CompanionFiles::ownedFileQuestion(dir.file(path), pages).isEmpty(),
                 owner.isEmpty());
    }

    void questionsAndMessages() {
        const PageList open = pagesOf({"/w/c.htm"});
        QCOMPARE(CompanionFiles::ownedFileQuestion("/w/c.htm_", open),
                 QString("/w/c.htm_ is where the text of the open document /w/c.htm is kept "
                         "while its tab is not shown.\n\nOpen it as a document of its own? The "
                         "text of /w/c.htm is then kept in memory only and never written to it."));
        QVERIFY(CompanionFiles::ownedFileQuestion("/w/c.htm.saving", open)
                    .startsWith("/w/c.htm.saving is a temporary file of a save of the open "
                                "document /w/c.htm.\n\n"));
        // Saving c.htm would replace c.htm.saving, were that open.
        QVERIFY(CompanionFiles::maySave("/w/c.htm", open));
        QVERIFY(!CompanionFiles::maySave("/w/c.htm", pagesOf({"/w/c.htm", "/w/c.htm.saving"})));
        QCOMPARE(CompanionFiles::saveBlockedText("/w/c.htm"),
                 QString("Cannot save /w/c.htm: /w/c.htm.saving, which a save writes first, is "
                         "open as a document. Close it, or save under another name."));
    }
};

QTEST_GUILESS_MAIN(TestCompanionFiles)
#include "test_companionfiles.moc"
