// Text, selection, insertion, edit commands and bookmarks of the editor.

#include "editor/tledit.h"

#include <QSignalSpy>
#include <QtTest>

using Sci = QsciScintillaBase;

namespace {

const QString kEmoji = QString::fromUcs4(U"\U0001F600", 1);

struct Selection {
    int startLine, startPos, endLine, endPos;
};

Selection cached(const TLEdit &e) {
    return {e.startLine, e.startPos, e.endLine, e.endPos};
}

void setCached(TLEdit &e, int sl, int sp, int el, int ep) {
    e.startLine = sl;
    e.startPos = sp;
    e.endLine = el;
    e.endPos = ep;
}

QString eolName(int mode) {
    return mode == QsciScintilla::EolWindows ? "crlf"
           : mode == QsciScintilla::EolUnix  ? "lf"
                                             : "cr";
}

} // namespace

class TestTLEditText : public QObject {
    Q_OBJECT
private:
    TLEdit *editor = nullptr;

private slots:
    void init() {
        editor = new TLEdit;
        editor->resize(500, 300);
        editor->show();
    }
    void cleanup() {
        delete editor;
        editor = nullptr;
    }

    // applySelection selects anchor to caret; readSelection gives back the
    // same four values (clamped to the text) and the selected text matches.
    void selectionRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("applied");
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<QString>("selected");
        const QString lines = "<HTML>\r\n<BODY>\r\nHello world\r\n</BODY>";
        QTest::newRow("caret") << lines << QList<int>{2, 3, 2, 3} << QList<int>{2, 3, 2, 3} << "";
        QTest::newRow("forward in a line")
            << lines << QList<int>{3, 0, 3, 5} << QList<int>{3, 0, 3, 5} << "Hello";
        QTest::newRow("backward in a line")
            << lines << QList<int>{3, 11, 3, 6} << QList<int>{3, 11, 3, 6} << "world";
        QTest::newRow("forward over lines") << lines << QList<int>{1, 1, 3, 5}
                                            << QList<int>{1, 1, 3, 5} << "HTML>\r\n<BODY>\r\nHello";
        QTest::newRow("backward over lines")
            << lines << QList<int>{4, 2, 2, 1} << QList<int>{4, 2, 2, 1}
            << "BODY>\r\nHello world\r\n</";
        QTest::newRow("column past line end is clamped")
            << lines << QList<int>{1, 0, 1, 99} << QList<int>{1, 0, 1, 6} << "<HTML>";
        QTest::newRow("lines outside the text are clamped")
            << lines << QList<int>{0, 0, 9, 0} << QList<int>{1, 0, 4, 0}
            << "<HTML>\r\n<BODY>\r\nHello world\r\n";
        QTest::newRow("accented and astral characters count like QString")
            << QString("caf\u00E9 %1 x\r\nz").arg(kEmoji) << QList<int>{1, 3, 1, 8}
            << QList<int>{1, 3, 1, 8} << QString("\u00E9 %1 ").arg(kEmoji);
        QTest::newRow("lf document")
            << "a\nbc\nd" << QList<int>{2, 1, 3, 1} << QList<int>{2, 1, 3, 1} << "c\nd";
    }
    void selectionRoundTrip() {
        QFETCH(QString, text);
        QFETCH(QList<int>, applied);
        QFETCH(QList<int>, read);
        QFETCH(QString, selected);
        editor->setText(text);
        setCached(*editor, applied[0], applied[1], applied[2], applied[3]);
        editor->applySelection();
        setCached(*editor, -5, -5, -5, -5);
        editor->readSelection();
        const Selection s = cached(*editor);
        QCOMPARE((QList<int>{s.startLine, s.startPos, s.endLine, s.endPos}), read);
        QCOMPARE(editor->getSelText(), selected);
        QCOMPARE(editor->selLength(), selected.size());
        // The caret is at the end of the cached selection.
        const long caret = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
        QCOMPARE(int(editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret)) + 1, read[2]);
    }

    void lineTextIsClampedAndMovesNothing_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("below the first") << -3 << "line 1";
        QTest::newRow("zero") << 0 << "line 1";
        QTest::newRow("first") << 1 << "line 1";
        QTest::newRow("middle") << 40 << "line 40";
        QTest::newRow("last") << 100 << "";
        QTest::newRow("past the last") << 1000 << "";
    }
    void lineTextIsClampedAndMovesNothing() {
        QFETCH(int, line);
        QFETCH(QString, expected);
        QStringList lines;
        for (int i = 1; i < 100; ++i)
            lines << QString("line %1").arg(i);
        editor->setText(lines.join("\r\n") + "\r\n");
        QCOMPARE(editor->lineCount(), 100);
        setCached(*editor, 60, 2, 58, 4);
        editor->applySelection();
        editor->setFirstVisibleLine(30);
        const int firstVisible = editor->firstVisibleLine();
        QCOMPARE(firstVisible, 30);

        QCOMPARE(editor->getLineText(line), expected);

        setCached(*editor, 0, 0, 0, 0);
        editor->readSelection();
        const Selection s = cached(*editor);
        QCOMPARE((QList<int>{s.startLine, s.startPos, s.endLine, s.endPos}),
                 (QList<int>{60, 2, 58, 4}));
        QCOMPARE(editor->firstVisibleLine(), firstVisible);
    }

    // textLength and lineLength count characters like QString and stay right
    // through edits, undo and redo.
    void lengthsFollowEdits() {
        editor->setText(QString("ab\u00E9\r\n%1\r\n").arg(kEmoji));
        QCOMPARE(editor->textLength(), editor->text().size());
        QCOMPARE(editor->lineCount(), 3);
        QCOMPARE(editor->lineLength(1), 3);
        QCOMPARE(editor->lineLength(2), 2);
        QCOMPARE(editor->lineLength(3), 0);
        QCOMPARE(editor->lineLength(4), 0);
        editor->insertAt(2, 2, QString("x%1\ry").arg(kEmoji));
        QCOMPARE(editor->textLength(), editor->text().size());
        QCOMPARE(editor->lineCount(), 4);
        editor->undoEdit();
        QCOMPARE(editor->text(), QString("ab\u00E9\r\n%1\r\n").arg(kEmoji));
        QCOMPARE(editor->textLength(), editor->text().size());
        editor->redoEdit();
        QCOMPARE(editor->textLength(), editor->text().size());
        editor->clearAll();
        QCOMPARE(editor->textLength(), 0);
        QCOMPARE(editor->lineCount(), 1);
    }

    // Inserted text may separate lines with CR, LF or CR LF; each becomes one
    // line end of the document's kind.
    void insertionLineEnds_data() {
        QTest::addColumn<int>("eolMode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("crlf") << int(QsciScintilla::EolWindows) << "x<P>\r\na\r\nb\r\nc\r\n\r\ndy";
        QTest::newRow("lf") << int(QsciScintilla::EolUnix) << "x<P>\na\nb\nc\n\ndy";
        QTest::newRow("cr") << int(QsciScintilla::EolMac) << "x<P>\ra\rb\rc\r\rdy";
    }
    void insertionLineEnds() {
        QFETCH(int, eolMode);
        QFETCH(QString, expected);
        const QString inserted = "<P>\ra\nb\r\nc\n\rd";
        TextFormat format;
        format.lineEnd = eolMode == QsciScintilla::EolWindows ? TextFormat::LineEnd::CrLf
                         : eolMode == QsciScintilla::EolUnix  ? TextFormat::LineEnd::Lf
                                                              : TextFormat::LineEnd::Cr;
        editor->setTextFormat(format);
        QCOMPARE(eolName(editor->eolMode()), eolName(eolMode));

        editor->setText("xy");
        editor->insertAt(1, 1, inserted);
        QCOMPARE(editor->text(), expected);

        editor->setText("xy");
        setCached(*editor, 1, 1, 1, 1);
        editor->applySelection();
        editor->replaceSel(inserted);
        QCOMPARE(editor->text(), expected);

        editor->setText("x");
        editor->appendText(inserted);
        editor->appendText("y");
        QCOMPARE(editor->text(), expected);
    }

    void replaceSelPlacesCaretAfterInsertion() {
        editor->setText("one two three");
        setCached(*editor, 1, 8, 1, 4); // "two " selected backwards
        editor->applySelection();
        editor->replaceSel("<B>2</B>\r");
        QCOMPARE(editor->text(), "one <B>2</B>\r\nthree");
        editor->readSelection();
        QCOMPARE(cached(*editor).endLine, 2);
        QCOMPARE(cached(*editor).endPos, 0);
        QCOMPARE(editor->selLength(), 0);
        // One undo step takes the whole replacement back.
        editor->undoEdit();
        QCOMPARE(editor->text(), "one two three");
    }

    void insertAtClampsToTheText_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside") << 2 << 1 << "ab\r\nc*d";
        QTest::newRow("column past the end") << 1 << 50 << "ab*\r\ncd";
        QTest::newRow("negative column") << 2 << -4 << "ab\r\n*cd";
        QTest::newRow("line past the end") << 9 << 1 << "ab\r\nc*d";
        QTest::newRow("line zero") << 0 << 0 << "*ab\r\ncd";
    }
    void insertAtClampsToTheText() {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, expected);
        editor->setText("ab\r\ncd");
        editor->insertAt(line, column, "*");
        QCOMPARE(editor->text(), expected);
    }

    void nulCharactersSurvive() {
        const QString withNul = QString::fromUtf8("a\0b\r\nc\0", 7);
        editor->setText(withNul);
        QCOMPARE(editor->text(), withNul);
        QCOMPARE(editor->textLength(), 7);
        QCOMPARE(editor->getLineText(1), QString::fromUtf8("a\0b", 3));
        editor->insertAt(2, 1, QString::fromUtf8("\0", 1));
        QCOMPARE(editor->getLineText(2), QString::fromUtf8("c\0\0", 3));
    }

    void selTextOrLineRestWidensEmptySelection() {
        editor->setText("<FONT SIZE=4>text\r\nnext");
        editor->insertAt(1, 6, QString());
        QCOMPARE(editor->getSelTextOrLineRest(), "SIZE=4>text");
        QCOMPARE(editor->getSelText(), "SIZE=4>text");
        // A selection is taken as it is.
        setCached(*editor, 1, 6, 1, 10);
        editor->applySelection();
        QCOMPARE(editor->getSelTextOrLineRest(), "SIZE");
    }

    void setTextResetsStateAndSignals() {
        QSignalSpy changed(editor, &TLEdit::changed);
        editor->setText("first");
        QCOMPARE(changed.count(), 1);
        QVERIFY(!editor->modified());
        QVERIFY(!editor->isUndoAvailable());
        editor->insertAt(1, 5, "!");
        QVERIFY(editor->modified());
        QCOMPARE(changed.count(), 2);
        editor->setText("second\r\nline");
        QVERIFY(!editor->modified());
        editor->readSelection();
        QCOMPARE(cached(*editor).endLine, 1);
        QCOMPARE(cached(*editor).endPos, 0);
        editor->setText(QString());
        QCOMPARE(editor->text(), QString());
        QCOMPARE(editor->lineCount(), 1);
    }

    // Each operation announces its change once, when it is done; a change made
    // through the QsciScintilla API directly is announced from the event loop.
    void changeSignals() {
        QSignalSpy changed(editor, &TLEdit::changed);
        QSignalSpy textChanged(editor, &QsciScintilla::textChanged);
        QSignalSpy linesChanged(editor, &QsciScintilla::linesChanged);
        editor->setText("one\r\ntwo");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(linesChanged.count(), 1);
        editor->replaceSel("x\ry");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(linesChanged.count(), 2);
        editor->undoEdit();
        QCOMPARE(changed.count(), 3);
        editor->readSelection();
        editor->selectAllText();
        editor->copyToClipboard();
        QCOMPARE(changed.count(), 3);
        editor->QsciScintilla::insert("direct");
        QCOMPARE(changed.count(), 3);
        QTRY_COMPARE(changed.count(), 4);
        QCOMPARE(textChanged.count(), changed.count());
        QVERIFY(editor->text().startsWith("direct"));
    }

    void modifiedFlag() {
        editor->setText("abc");
        editor->setFocus();
        QVERIFY(!editor->modified());
        QTest::keyClicks(editor, "xy");
        QVERIFY(editor->modified());
        editor->setModifiedFlag(false);
        QVERIFY(!editor->modified());
        editor->setModifiedFlag(true);
        QVERIFY(editor->modified());
        editor->setModifiedFlag(false);
        QVERIFY(!editor->modified());
        editor->undoEdit();
        QVERIFY(editor->modified());
    }

    void duplicateSel_data() {
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<QString>("expected");
        QTest::newRow("selection") << QList<int>{1, 0, 1, 2} << "abab\r\ncd";
        QTest::newRow("no selection: the line") << QList<int>{2, 1, 2, 1} << "ab\r\ncd\r\ncd";
    }
    void duplicateSel() {
        QFETCH(QList<int>, selection);
        QFETCH(QString, expected);
        editor->setText("ab\r\ncd");
        setCached(*editor, selection[0], selection[1], selection[2], selection[3]);
        editor->applySelection();
        editor->duplicateSel();
        QCOMPARE(editor->text(), expected);
    }

    void editCommands() {
        editor->setText("one two");
        setCached(*editor, 1, 3, 1, 7);
        editor->applySelection();
        editor->cutToClipboard();
        QCOMPARE(editor->text(), "one");
        editor->pasteFromClipboard();
        editor->pasteFromClipboard();
        QCOMPARE(editor->text(), "one two two");
        editor->selectAllText();
        QCOMPARE(editor->selLength(), 11);
        editor->copyToClipboard();
        editor->deleteSel();
        QCOMPARE(editor->text(), QString());
        editor->deleteSel(); // nothing selected: nothing happens
        editor->undoEdit();
        QCOMPARE(editor->text(), "one two two");
        editor->setUndoDepth(50);
        QCOMPARE(editor->undoDepth(), 50);
    }

    void bookmarks() {
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << QString("line %1").arg(i);
        editor->setText(lines.join("\r\n"));
        QCOMPARE(editor->bookmarkLine(3), 0);

        editor->insertAt(5, 2, QString());
        editor->setBookmark(3);
        editor->insertAt(12, 0, QString());
        editor->setBookmark(16);
        QCOMPARE(editor->bookmarkLine(3), 5);
        QCOMPARE(editor->bookmarkLine(16), 12);
        QVERIFY(editor->marginWidth(1) > 0);

        // Bookmarks move with the text.
        editor->insertAt(1, 0, "new\r\n");
        QCOMPARE(editor->bookmarkLine(3), 6);

        editor->insertAt(1, 0, QString());
        editor->goToBookmark(3);
        QCOMPARE(editor->getSelText(), "line 5");
        editor->readSelection();
        QCOMPARE(cached(*editor).endLine, 6);

        // Setting a number again moves it; other numbers are left alone.
        editor->insertAt(2, 0, QString());
        editor->setBookmark(3);
        QCOMPARE(editor->bookmarkLine(3), 2);
        QCOMPARE(editor->bookmarkLine(16), 13);

        // Numbers outside 1..16 are ignored; going to an unset one does nothing.
        editor->setBookmark(0);
        editor->setBookmark(17);
        QCOMPARE(editor->bookmarkLine(17), 0);
        editor->insertAt(4, 1, QString());
        editor->goToBookmark(7);
        editor->readSelection();
        QCOMPARE(cached(*editor).endLine, 4);
        QCOMPARE(editor->selLength(), 0);

        editor->setText("fresh");
        QCOMPARE(editor->bookmarkLine(3), 0);
        QCOMPARE(editor->bookmarkLine(16), 0);
        QCOMPARE(editor->marginWidth(1), 0);
    }

    void scrollPositionRoundTrip() {
        QStringList lines;
        for (int i = 1; i <= 300; ++i)
            lines << QString(200, QChar('a' + i % 26));
        editor->setText(lines.join("\r\n"));
        editor->setFirstVisibleLine(120);
        editor->setFirstVisiblePos(80);
        QCOMPARE(editor->firstVisibleLine(), 120);
        QCOMPARE(editor->firstVisiblePos(), 80);
        // With word wrap, lines are still counted in the text, not on screen.
        editor->setWordWrapOn(true);
        editor->setFirstVisibleLine(200);
        QCOMPARE(editor->firstVisibleLine(), 200);
    }
};

QTEST_MAIN(TestTLEditText)
#include "test_tledit_text.moc"
