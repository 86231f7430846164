// Loading, saving and printing through the editor.

#include "editor/tledit.h"
#include "testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QtTest>

class TestTLEditFiles : public QObject {
    Q_OBJECT
private:
    TLEdit *editor = nullptr;

private slots:
    void init() {
        editor = new TLEdit;
        editor->resize(500, 300);
    }
    void cleanup() {
        delete editor;
        editor = nullptr;
    }

    // A file opened and saved without edits gives back the same bytes.
    void unchangedRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::newRow("utf8 crlf")
            << QByteArray("<HTML>\r\n<BODY>caf\xC3\xA9</BODY>\r\n</HTML>\r\n") << 4;
        QTest::newRow("utf8 bom lf") << QByteArray("\xEF\xBB\xBF<P>\xE2\x84\xA2</P>\n<P>\n") << 3;
        QTest::newRow("cr only") << QByteArray("a\rb\rc") << 3;
        QTest::newRow("mixed line ends kept as they are") << QByteArray("a\r\nb\nc\rd\n\r") << 6;
        QTest::newRow("windows-1252") << QByteArray("<P>\x93quoted\x94 \x99 \xE9\x80</P>\r\n") << 2;
        QTest::newRow("binary with nul bytes")
            << QByteArray("GIF89a\0\0\x01\xFF\r\n\0tail\x81", 18) << 2;
        QTest::newRow("empty") << QByteArray() << 1;
    }
    void unchangedRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        TestFolder folder;
        const QString in = folder.write("in.htm", bytes);
        QString error;
        QVERIFY2(editor->loadFromFile(in, &error), qPrintable(error));
        QCOMPARE(editor->lineCount(), lines);
        QCOMPARE(editor->text(), decodeText(bytes).text);
        QVERIFY(!editor->modified());
        QVERIFY(!editor->isUndoAvailable());
        QVERIFY2(editor->saveToFile(folder.file("out.htm"), &error), qPrintable(error));
        QCOMPARE(TestFolder::read(folder.file("out.htm")), bytes);
        // Saving over the file itself too.
        QVERIFY(editor->saveToFile(in, &error));
        QCOMPARE(TestFolder::read(in), bytes);
    }

    void saveStyles_data() {
        QTest::addColumn<bool>("unixStyle");
        QTest::addColumn<bool>("macStyle");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("default keeps the loaded line ends")
            << false << false << QByteArray("a\nb\r\nc\n<BR>\nd");
        QTest::newRow("unix") << true << false << QByteArray("a\nb\nc\n<BR>\nd");
        QTest::newRow("mac") << false << true << QByteArray("a\rb\rc\r<BR>\rd");
        QTest::newRow("unix wins over mac") << true << true << QByteArray("a\nb\nc\n<BR>\nd");
    }
    void saveStyles() {
        QFETCH(bool, unixStyle);
        QFETCH(bool, macStyle);
        QFETCH(QByteArray, expected);
        TestFolder folder;
        QVERIFY(editor->loadFromFile(folder.write("in.htm", "a\nb\r\nc\nd")));
        QCOMPARE(editor->textFormat().lineEnd, TextFormat::LineEnd::Lf);
        // Inserted text takes the loaded kind of line end.
        editor->insertAt(4, 0, "<BR>\r\n");
        editor->setUnixStyleSave(unixStyle);
        editor->setMacStyleSave(macStyle);
        QCOMPARE(editor->unixStyleSave(), unixStyle);
        QCOMPARE(editor->macStyleSave(), macStyle);
        QVERIFY(editor->saveToFile(folder.file("out.htm")));
        QCOMPARE(TestFolder::read(folder.file("out.htm")), expected);
        // Saving is not an edit and leaves the flag to the caller.
        QVERIFY(editor->modified());
    }

    void typedEnterUsesTheLoadedLineEnd_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("lf") << QByteArray("ab\n") << QByteArray("a\nb\n");
        QTest::newRow("cr") << QByteArray("ab\r") << QByteArray("a\rb\r");
        QTest::newRow("crlf") << QByteArray("ab\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("new document") << QByteArray("ab") << QByteArray("a\r\nb");
    }
    void typedEnterUsesTheLoadedLineEnd() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        TestFolder folder;
        QVERIFY(editor->loadFromFile(folder.write("in.htm", bytes)));
        editor->show();
        editor->setAutoIndentOn(false);
        editor->insertAt(1, 1, QString());
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->saveToFile(folder.file("out.htm")));
        QCOMPARE(TestFolder::read(folder.file("out.htm")), expected);
    }

    // Characters Windows-1252 cannot hold are written as references.
    void editedWindows1252Document() {
        TestFolder folder;
        QVERIFY(editor->loadFromFile(folder.write("in.htm", "\x80 caf\xE9")));
        QCOMPARE(editor->textFormat().encoding, TextFormat::Encoding::Windows1252);
        QCOMPARE(editor->text(), QString("\u20AC caf\u00E9"));
        editor->appendText(" \u03A9\u2122");
        QVERIFY(editor->saveToFile(folder.file("out.htm")));
        QCOMPARE(TestFolder::read(folder.file("out.htm")), QByteArray("\x80 caf\xE9 &#937;\x99"));
    }

    void failedLoadKeepsTheText() {
        TestFolder folder;
        editor->setText("keep me");
        editor->insertAt(1, 0, "!");
        QString error;
        QVERIFY(!editor->loadFromFile(folder.file("missing.htm"), &error));
        QVERIFY(error.contains("missing.htm"));
        QCOMPARE(editor->text(), "!keep me");
        QVERIFY(editor->modified());
    }

    void failedSaveReportsAndKeepsTheFile() {
        TestFolder folder;
        const QString path = folder.write("page.htm", "original");
        QVERIFY(editor->loadFromFile(path));
        editor->setText("changed");
        QString error;
        QVERIFY(!editor->saveToFile(folder.file("no/such/folder/page.htm"), &error));
        QVERIFY(!error.isEmpty());
        QDir(folder.path()).mkdir("adir");
        error.clear();
        QVERIFY(!editor->saveToFile(folder.file("adir"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFolder::read(path), QByteArray("original"));
    }

    void printsToPdf() {
        TestFolder folder;
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines << QString("<P>Line %1 of the page</P>").arg(i);
        editor->setText(lines.join("\r\n"));
        QPrinter &printer = editor->printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file("page.pdf"));
        QVERIFY(editor->print());
        const QByteArray pdf = TestFolder::read(folder.file("page.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.size() > 1000);
        // Without a user interaction there is no printer set-up dialog.
        QVERIFY(!editor->printerSetup());
    }
};

QTEST_MAIN(TestTLEditFiles)
#include "test_tledit_files.moc"
