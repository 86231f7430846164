// What the open documents do to keep the user's text: bytes kept as they
// were, parking files that cannot be written, backup copies left by a crash,
// binary and oversized files, the backup on the tab strip.

#include "documentfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>
#include <sys/stat.h>

class TestDocumentSafety : public QObject {
    Q_OBJECT
private slots:
    void unchangedPagesSaveTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("<P>caf\xE9 \x99 \x80</P>\r\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF<P>caf\xC3\xA9</P>\n");
        QTest::newRow("Mac line ends") << QByteArray("one\rtwo\r");
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\r");
        QTest::newRow("NUL and stray bytes") << QByteArray("bin\0ary\x81\x8D\xFF", 11);
    }
    void unchangedPagesSaveTheSameBytes() {
        QFETCH(QByteArray, bytes);
        DocumentFixture f;
        const QString a = f.page("a.htm", bytes);
        const QString b = f.page("b.htm", "other");
        QVERIFY(f.docs().loadFile(a, false));
        // Parked and brought back before saving.
        f.docs().loadFile(b, false);
        f.w.webPageTabs->setCurrentIndex(0);
        QVERIFY(!f.editor().modified());
        QCOMPARE(TestFolder::read(a + "_"), bytes); // the parking copy too
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), bytes);
        // Saved, the page needs no parking copy for a crash.
        QVERIFY(!QFileInfo::exists(a + "_"));
    }

    void windows1252StaysWindows1252AfterAnEdit() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "caf\xE9\r\n");
        f.docs().loadFile(a, false);
        f.editor().appendText(QString::fromUtf8("na\xC3\xAFve \xE2\x82\xAC"));
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), QByteArray("caf\xE9\r\nna\xEFve \x80"));
    }

    void unwritableParkingFileLosesNothing() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "saved");
        QDir().mkpath(a + "_"); // nothing can be written under that name
        f.docs().loadFile(a, false);
        f.editor().selectAllText();
        f.editor().replaceSel("unsaved edits");
        f.docs().loadFile(f.page("b.htm", "b"), false);
        f.w.webPageTabs->setCurrentIndex(0);
        QCOMPARE(f.editor().text(), QString("unsaved edits"));
        QVERIFY(f.editor().modified());
        QCOMPARE(f.ui.asked().size(), 0);
        // The backup on the tab strip says it failed instead of claiming success.
        f.docs().backupCurrentText();
        QVERIFY(
            f.w.statusPanels[2]->text().startsWith("The backup of the File could not be saved"));
    }

    void parkingFileFollowsEveryEdit() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "v0");
        f.docs().loadFile(a, false);
        f.docs().loadFile(f.page("b.htm", "b"), false);
        QTabBar *tabs = f.w.webPageTabs;
        tabs->setCurrentIndex(0);
        f.editor().appendText(" v1");
        tabs->setCurrentIndex(1);
        QCOMPARE(TestFolder::read(a + "_"), QByteArray("v0 v1"));
        tabs->setCurrentIndex(0);
        f.editor().undoEdit(); // an undo is an edit too
        tabs->setCurrentIndex(1);
        QCOMPARE(TestFolder::read(a + "_"), QByteArray("v0"));
        // Unchanged text is not written again, but a parking file that went
        // missing is.
        QFile::remove(a + "_");
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(1);
        QCOMPARE(TestFolder::read(a + "_"), QByteArray("v0"));
    }

    // The copies the program keeps for itself (the parking file and
    // "quilview.htm") hold the text with the line ends it has, whatever line
    // ends saving is set to write; saving itself follows the setting.
    void parkingCopiesKeepTheLineEnds_data() {
        QTest::addColumn<int>("fileFormat");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray crlf = "a\r\nb\r\n", lf = "a\nb\n", cr = "a\rb\r";
        QTest::newRow("default, CR LF") << 0 << crlf << crlf;
        QTest::newRow("default, LF") << 0 << lf << lf;
        QTest::newRow("default, CR") << 0 << cr << cr;
        QTest::newRow("Mac style, CR LF") << 1 << crlf << cr;
        QTest::newRow("Mac style, LF") << 1 << lf << cr;
        QTest::newRow("Unix style, CR LF") << 2 << crlf << lf;
        QTest::newRow("Unix style, CR") << 2 << cr << lf;
    }
    void parkingCopiesKeepTheLineEnds() {
        QFETCH(int, fileFormat);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, saved);
        DocumentFixture f;
        f.settings.fileFormat = fileFormat;
        f.editing->applySettings(); // the editor's save style, as at start-up
        const QString a = f.page("a.htm", page);
        f.docs().loadFile(a, false);
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), saved);
        f.editor().setText(QString::fromLatin1(page));
        f.docs().loadFile(f.page("b.htm", "b"), false); // parks a.htm
        QCOMPARE(TestFolder::read(a + "_"), page);
        f.w.webPageTabs->setCurrentIndex(0);
        f.docs().backupCurrentText();
        QCOMPARE(TestFolder::read(a + "_"), page);
        QCOMPARE(TestFolder::read(f.work.file("quilview.htm")), page);
    }

    // A page whose own name ends in "_" is some other page's parking name:
    // neither copy nor close may touch it while it is open, and opening it
    // beside its owner is asked first.
    void aPageNamedLikeAParkingFileIsLeftAlone() {
        DocumentFixture f;
        const QString c = f.page("c.htm", "owner");
        const QString c_ = f.page("c.htm_", "a page of its own");
        f.docs().loadFile(c_, false);
        f.docs().loadFile(c, false);
        QVERIFY(f.ui.asked().isEmpty() || f.ui.asked().last().kind != int(Msg::Confirmation));
        f.editor().setText("owner changed");
        f.w.webPageTabs->setCurrentIndex(0); // parks c.htm: not into the open c.htm_
        QCOMPARE(TestFolder::read(c_), QByteArray("a page of its own"));
        f.w.webPageTabs->setCurrentIndex(1);
        QCOMPARE(f.editor().text(), QString("owner changed")); // kept in memory
        f.ui.answerMessage(Msg::ResultNo);
        QVERIFY(f.docs().closeActivePage());
        QCOMPARE(TestFolder::read(c_), QByteArray("a page of its own"));

        // The other way round: with c.htm open, c.htm_ is opened only on the
        // user's word.
        f.ui.answerMessage(Msg::ResultNo);
        f.docs().closeAllPages();
        const QString d = f.page("d.htm", "owner");
        f.docs().loadFile(d, false);
        const QString d_ = f.page("d.htm_", "another page");
        f.ui.clear();
        f.ui.answerMessage(Msg::ResultNo);
        QVERIFY(!f.docs().loadFile(d_, false));
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(f.docs().count(), 1);
        f.ui.answerMessage(Msg::ResultYes);
        QVERIFY(f.docs().loadFile(d_, false));
        QCOMPARE(f.docs().count(), 2);
    }

    // A save cut short between writing its temporary file and the rename
    // leaves the new text there: it is offered at the next open, or removed
    // when it holds nothing new.
    void interruptedSaveIsOfferedBack() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "old text");
        f.work.write("a.htm.saving", "new text");
        f.ui.answerMessage(Msg::ResultYes);
        QVERIFY(f.docs().loadFile(a, false));
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.editor().text(), QString("new text"));
        QVERIFY(f.editor().modified());
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), QByteArray("new text"));
        QVERIFY(!QFileInfo::exists(a + ".saving"));
        f.docs().closeAllPages();

        f.work.write("a.htm.saving", "new text"); // the same bytes as the page
        f.ui.clear();
        QVERIFY(f.docs().loadFile(a, false));
        QVERIFY(f.ui.asked().isEmpty());
        QVERIFY(!QFileInfo::exists(a + ".saving"));
    }

    // A pipe or a device named like a page is refused with its reason; the
    // program never waits on it.
    void pipesAndDevicesAreNoDocuments() {
        DocumentFixture f;
        const QString fifo = f.work.file("pipe.htm");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!f.docs().loadFile(fifo, false));
        QCOMPARE(f.ui.asked().size(), 1);
        QVERIFY2(f.ui.asked().at(0).text.contains("pipe"), qPrintable(f.ui.asked().at(0).text));
        QCOMPARE(f.docs().count(), 0);
        const QString zero = f.work.file("zero.htm");
        QVERIFY(TestFolder::linkToDevice(zero, "zero"));
        f.ui.clear();
        QVERIFY(!f.docs().loadFile(zero, false));
        QVERIFY2(f.ui.asked().at(0).text.contains("device"), qPrintable(f.ui.asked().at(0).text));
    }

    void staleBackupCopy_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("backupKept");
        QTest::newRow("yes: the backup's text")
            << int(Msg::ResultYes) << true << "crash text" << true;
        QTest::newRow("no: the file, backup deleted")
            << int(Msg::ResultNo) << true << "saved text" << false;
        QTest::newRow("cancel: nothing, both kept")
            << int(Msg::ResultCancel) << false << "" << true;
    }
    void staleBackupCopy() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        QFETCH(QString, text);
        QFETCH(bool, backupKept);
        DocumentFixture f;
        const QString a = f.page("a.htm", "saved text");
        f.page("a.htm_", "crash text");
        f.ui.answerMessage(answer);
        QCOMPARE(f.docs().loadFile(a, false), opened);
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Confirmation));
        QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Yes | Msg::No | Msg::Cancel));
        QVERIFY(f.ui.asked().at(0).text.startsWith("A backup copy of " + a));
        QCOMPARE(f.docs().count(), opened ? 1 : 0);
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(TestFolder::read(a), QByteArray("saved text"));
        QCOMPARE(QFileInfo::exists(a + "_"), backupKept);
        if (backupKept)
            QCOMPARE(TestFolder::read(a + "_"), QByteArray("crash text"));
        // The backup's text is not in the file yet.
        QCOMPARE(f.editor().modified(), answer == Msg::ResultYes);
        QCOMPARE(f.w.buttons.save->isEnabled(), answer == Msg::ResultYes);
    }

    void backupIdenticalToTheFileIsNotAskedAbout() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "same");
        f.page("a.htm_", "same");
        QVERIFY(f.docs().loadFile(a, false));
        QCOMPARE(f.ui.asked().size(), 0);
    }

    void binaryFilesOpen() {
        DocumentFixture f;
        QByteArray bytes(300000, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919) % 256);
        const QString a = f.page("picture.gif", bytes);
        QVERIFY(f.docs().loadFile(a, false));
        QCOMPARE(f.editor().textLength(), bytes.size());
        QVERIFY(f.docs().save());
        QCOMPARE(TestFolder::read(a), bytes);
    }

    void oversizedFileIsRefusedWithAReason() {
        DocumentFixture f;
        const QString big = f.work.file("big.htm");
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(300) * 1024 * 1024)); // sparse: costs no disk
        }
        QVERIFY(!f.docs().loadFile(big, false));
        QCOMPARE(f.docs().count(), 0);
        QCOMPARE(f.ui.asked().size(), 1);
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Error));
        QVERIFY(f.ui.asked().at(0).text.contains("too large"));
        QVERIFY(!f.docs().isOpen());
        // A folder is no document either.
        f.ui.clear();
        QDir().mkpath(f.work.file("folder.htm"));
        QVERIFY(!f.docs().loadFile(f.work.file("folder.htm"), false));
        QCOMPARE(f.docs().count(), 0);
    }

    void tabStripReleaseWritesTheBackups() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "text");
        f.docs().loadFile(a, false);
        f.editor().appendText(" more");
        QTest::mouseRelease(f.w.webPageTabs, Qt::LeftButton, {},
                            f.w.webPageTabs->tabRect(0).center());
        QCOMPARE(TestFolder::read(a + "_"), QByteArray("text more"));
        QCOMPARE(TestFolder::read(f.work.file("quilview.htm")), QByteArray("text more"));
        QCOMPARE(TestFolder::read(a), QByteArray("text"));
        QCOMPARE(f.w.statusPanels[2]->text(),
                 QString("A backup of the File has been saved with a '_' character appended."));
    }

    void failedSaveAsKeepsTheDocumentAsItWas() {
        DocumentFixture f;
        const QString a = f.page("a.htm", "text");
        f.docs().loadFile(a, false);
        f.editor().appendText("!");
        f.ui.answerFile(f.work.file("no/such/folder/b.htm"));
        QVERIFY(!f.docs().saveAs());
        QCOMPARE(f.ui.asked().last().kind, int(Msg::Error));
        QCOMPARE(f.docs().currentFile(), a);
        QCOMPARE(f.docs().pages().at(0).fileName, a);
        QVERIFY(f.editor().modified());
        QCOMPARE(f.settings.lastFiles[0], a);
    }
};

QTEST_MAIN(TestDocumentSafety)
#include "test_documentsafety.moc"
