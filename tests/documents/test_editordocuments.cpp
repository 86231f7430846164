// Documents taking turns in the one editor: each keeps its text, undo
// history, modified flag, caret, bookmarks and file format.

#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "testfolder.h"

#include <QSignalSpy>
#include <QtTest>

class TestEditorDocuments : public QObject {
    Q_OBJECT
private slots:
    void documentsComeBackAsTheyWere() {
        TLEdit editor;
        editor.setTabStopSize(3);
        editor.setText("first <B>one</B>\r\nsecond line");
        editor.replaceSel("X");
        editor.setSelection(1, 2, 1, 5);
        editor.setBookmark(4);

        auto first = editor.exchangeDocument(nullptr);
        QCOMPARE(editor.text(), QString());
        QVERIFY(!editor.modified());
        QVERIFY(!editor.isUndoAvailable());
        QCOMPARE(editor.bookmarkLine(4), 0);

        editor.setText("other\nlines\n");
        editor.setModifiedFlag(true);
        auto second = editor.exchangeDocument(std::move(first));
        QCOMPARE(editor.text(), QString("Xfirst <B>one</B>\r\nsecond line"));
        QVERIFY(editor.modified());
        editor.readSelection();
        QCOMPARE(editor.startLine, 2);
        QCOMPARE(editor.startPos, 2);
        QCOMPARE(editor.endPos, 5);
        QCOMPARE(editor.bookmarkLine(4), 2);
        QVERIFY(editor.isUndoAvailable());
        editor.undoEdit();
        QCOMPARE(editor.text(), QString("first <B>one</B>\r\nsecond line"));

        editor.exchangeDocument(std::move(second));
        QCOMPARE(editor.text(), QString("other\nlines\n"));
        QVERIFY(editor.modified()); // the flag set by hand comes back too
    }

    void newDocumentTakesTheEditorsSettings() {
        TLEdit editor;
        editor.setTabStopSize(3);
        editor.exchangeDocument(nullptr);
        editor.setText(QString::fromUtf8("a\xC3\xA9<b>\tc"));
        QCOMPARE(sci::call(&editor, QsciScintillaBase::SCI_GETCODEPAGE),
                 long(QsciScintillaBase::SC_CP_UTF8));
        QCOMPARE(sci::call(&editor, QsciScintillaBase::SCI_GETTABWIDTH), 3L);
        QCOMPARE(editor.lineLength(1), 7);
        QCOMPARE(editor.textLength(), 7);
        sci::call(&editor, QsciScintillaBase::SCI_COLOURISE, 0, -1);
        QCOMPARE(sci::call(&editor, QsciScintillaBase::SCI_GETSTYLEAT, 4), 1L); // inside the tag
        QCOMPARE(sci::call(&editor, QsciScintillaBase::SCI_GETSTYLEAT, 0), 0L);
    }

    void fileFormatTravelsWithTheDocument() {
        TestFolder dir;
        const QByteArray ansi("caf\xE9\nline\n");
        const QString a = dir.write("a.htm", ansi);
        TLEdit editor;
        QVERIFY(editor.loadFromFile(a));
        auto held = editor.exchangeDocument(nullptr);
        editor.setText("utf8 text\r\n");
        editor.exchangeDocument(std::move(held));
        QVERIFY(editor.saveToFile(dir.file("b.htm")));
        QCOMPARE(TestFolder::read(dir.file("b.htm")), ansi);
    }

    void exchangeAnnouncesAChangeAndTypingStillDoes() {
        TLEdit editor;
        QSignalSpy spy(&editor, &TLEdit::changed);
        editor.exchangeDocument(nullptr);
        QCOMPARE(spy.count(), 1);
        editor.show();
        editor.setFocus();
        QTest::keyClicks(&editor, "ab");
        QTRY_VERIFY(spy.count() >= 2);
        QVERIFY(editor.modified());
        QCOMPARE(editor.text(), QString("ab"));
    }

    void heldDocumentsOutliveTheirEditor() {
        std::unique_ptr<TLEditDocument> held;
        {
            TLEdit editor;
            editor.setText("parked");
            held = editor.exchangeDocument(nullptr);
            auto discarded = editor.exchangeDocument(nullptr); // dropped at once
        }
        held.reset(); // no editor left to release it through: must not crash
        QVERIFY(true);
    }
};

QTEST_MAIN(TestEditorDocuments)
#include "test_editordocuments.moc"
