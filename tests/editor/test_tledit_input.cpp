// Typing, clicking and dragging in the editor, and its tag colouring.

#include "editor/taglexer.h"
#include "editor/tledit.h"

#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

using Sci = QsciScintillaBase;

namespace {

QPoint pointAt(TLEdit &e, int line, int column) {
    e.insertAt(line, column, QString());
    const long pos = e.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const int x = int(e.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, pos));
    const int y = int(e.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, pos));
    return QPoint(x + 1, y + 3);
}

// What a user's double-click delivers: press, release, double-click, release.
void doubleClick(TLEdit &e, const QPoint &p) {
    QTest::mousePress(e.viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(e.viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, {}, p);
}

int styleAt(TLEdit &e, int line, int column) {
    e.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    const long lineStart = e.SendScintilla(Sci::SCI_POSITIONFROMLINE, (unsigned long)(line - 1));
    return int(e.SendScintilla(Sci::SCI_GETSTYLEAT, (unsigned long)(lineStart + column)));
}

} // namespace

class TestTLEditInput : public QObject {
    Q_OBJECT
private:
    TLEdit *editor = nullptr;

private slots:
    void init() {
        editor = new TLEdit;
        editor->resize(600, 300);
        editor->show();
        editor->setFocus();
        editor->setAutoIndentOn(false);
    }
    void cleanup() {
        delete editor;
        editor = nullptr;
    }

    // The key hook sees each typed character first and decides what goes in.
    void keyHook_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("expected");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("letter typed as is") << int(Qt::Key_A) << none << "same"
                                            << "a"
                                            << "xa|y";
        QTest::newRow("letter replaced") << int(Qt::Key_A) << none << "upper"
                                         << "a"
                                         << "xA|y";
        QTest::newRow("letter swallowed") << int(Qt::Key_A) << none << "swallow"
                                          << "a"
                                          << "x|y";
        QTest::newRow("enter is CR") << int(Qt::Key_Return) << none << "same"
                                     << "\r"
                                     << "x\r\n|y";
        QTest::newRow("ctrl+enter is LF and breaks the line")
            << int(Qt::Key_Return) << ctrl << "same"
            << "\n"
            << "x\r\n|y";
        QTest::newRow("ctrl+enter: <BR> first, then a plain enter")
            << int(Qt::Key_Return) << ctrl << "br"
            << "\n"
            << "x<BR>\r\n|y";
        QTest::newRow("enter swallowed") << int(Qt::Key_Return) << none << "swallow"
                                         << "\r"
                                         << "x|y";
        QTest::newRow("character expanded by the hook") << int(Qt::Key_Less) << none << "entity"
                                                        << "<"
                                                        << "x&lt;|y";
        QTest::newRow("tab does not reach the hook") << int(Qt::Key_Tab) << none << "swallow"
                                                     << ""
                                                     << "x\t|y";
        QTest::newRow("ctrl+letter does not reach the hook") << int(Qt::Key_A) << ctrl << "swallow"
                                                             << ""
                                                             << "xy";
    }
    void keyHook() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, behaviour);
        QFETCH(QString, seen);
        QFETCH(QString, expected);
        editor->setText("xy");
        editor->insertAt(1, 1, QString());
        QString saw;
        editor->setKeyPressHook([&](QChar c) -> QChar {
            saw += c;
            if (behaviour == "upper")
                return c.toUpper();
            if (behaviour == "swallow")
                return QChar();
            if (behaviour == "br") {
                editor->replaceSel("<BR>");
                return QChar(u'\r');
            }
            if (behaviour == "entity" && c == QChar(u'<')) {
                editor->replaceSel("&lt;");
                return QChar();
            }
            return c;
        });
        QSignalSpy typed(editor, &TLEdit::characterTyped);
        QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(saw, seen);
        // The expected text shows the caret as "|" (all texts here are ASCII,
        // so the caret's position is its character offset).
        QString text = editor->text();
        if (expected.contains('|'))
            text.insert(int(editor->SendScintilla(Sci::SCI_GETCURRENTPOS)), '|');
        QCOMPARE(text, expected);
        const bool wentIn = !seen.isEmpty() && behaviour != "swallow" && behaviour != "entity";
        QCOMPARE(typed.count(), wentIn ? 1 : 0);
    }

    // A character composed by the input method goes through the hook too.
    void composedCharacterGoesThroughTheHook_data() {
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kept") << "same"
                              << "x\u00E9y";
        QTest::newRow("replaced") << "upper"
                                  << "x\u00C9y";
        QTest::newRow("swallowed") << "swallow"
                                   << "xy";
    }
    void composedCharacterGoesThroughTheHook() {
        QFETCH(QString, behaviour);
        QFETCH(QString, expected);
        editor->setText("xy");
        editor->insertAt(1, 1, QString());
        QString saw;
        editor->setKeyPressHook([&](QChar c) -> QChar {
            saw += c;
            if (behaviour == "upper")
                return c.toUpper();
            return behaviour == "swallow" ? QChar() : c;
        });
        QInputMethodEvent event;
        event.setCommitString("\u00E9");
        QApplication::sendEvent(editor, &event);
        QCOMPARE(saw, "\u00E9");
        QCOMPARE(editor->text(), expected);
    }

    void insertKeyTogglesOverwrite() {
        editor->setText("abcd");
        editor->insertAt(1, 1, QString());
        QSignalSpy mode(editor, &TLEdit::changeMode);
        QVERIFY(editor->insertMode());
        QTest::keyClick(editor, Qt::Key_Insert);
        QVERIFY(!editor->insertMode());
        QCOMPARE(mode.count(), 1);
        QCOMPARE(mode.at(0).at(0).toBool(), false);
        QTest::keyClicks(editor, "XY");
        QCOMPARE(editor->text(), "aXYd");
        editor->setInsertMode(true);
        QCOMPARE(mode.count(), 2);
        QCOMPARE(mode.at(1).at(0).toBool(), true);
        editor->setInsertMode(true); // no change, no signal
        QCOMPARE(mode.count(), 2);
    }

    void keyReleaseAndChangeSignals() {
        QSignalSpy released(editor, &TLEdit::keyReleased);
        QSignalSpy changed(editor, &TLEdit::changed);
        QTest::keyClick(editor, Qt::Key_B);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.at(0).at(0).toInt(), int(Qt::Key_B));
        QCOMPARE(changed.count(), 1);
        editor->appendText("x");
        QCOMPARE(changed.count(), 2);
    }

    // A double-click selects the whole attribute expression or tag start.
    void doubleClickSelectsAttributeWords_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("selected");
        // <FONT SIZE=4 COLOR="#FF0000" FACE="Arial, Helvetica">x</FONT>
        QTest::newRow("tag start") << 3 << "<FONT";
        QTest::newRow("bare value") << 8 << "SIZE=4";
        QTest::newRow("colour in quotes") << 16 << "COLOR=\"#FF0000\"";
        QTest::newRow("comma ends the word") << 33 << "FACE=\"Arial";
        QTest::newRow("text before a closing tag") << 53 << "x";
        QTest::newRow("closing tag") << 57 << "</FONT";
        QTest::newRow("on the < of the closing tag") << 54 << "</FONT";
    }
    void doubleClickSelectsAttributeWords() {
        QFETCH(int, column);
        QFETCH(QString, selected);
        editor->setText("<FONT SIZE=4 COLOR=\"#FF0000\" FACE=\"Arial, Helvetica\">x</FONT>");
        QSignalSpy clicked(editor, &TLEdit::clicked);
        QSignalSpy doubleClicked(editor, &TLEdit::doubleClicked);
        QSignalSpy pressed(editor, &TLEdit::mousePressed);
        QString selectedWhenSignalled;
        connect(editor, &TLEdit::doubleClicked, this,
                [&] { selectedWhenSignalled = editor->getSelText(); });
        doubleClick(*editor, pointAt(*editor, 1, column));
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(selectedWhenSignalled, selected);
        QCOMPARE(editor->getSelText(), selected);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(clicked.count(), 1); // the release ending the double-click is no click
    }

    void singleClickSignals() {
        editor->setText("<B>bold</B>\r\nsecond");
        QSignalSpy clicked(editor, &TLEdit::clicked);
        QSignalSpy pressed(editor, &TLEdit::mousePressed);
        int columnAtClick = -1;
        connect(editor, &TLEdit::clicked, this, [&] {
            editor->readSelection();
            columnAtClick = editor->endPos;
        });
        const QPoint p = pointAt(*editor, 2, 3);
        editor->insertAt(1, 0, QString());
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(columnAtClick, 3);
        QTest::mouseClick(editor->viewport(), Qt::RightButton, {}, p);
        QCOMPARE(clicked.count(), 1);
    }

    void dragHooks_data() {
        QTest::addColumn<bool>("accepts");
        QTest::addColumn<bool>("handles");
        QTest::addColumn<bool>("dropSeen");
        QTest::newRow("hook takes the drop") << true << true << true;
        QTest::newRow("hook refuses the drag") << false << false << false;
    }
    void dragHooks() {
        QFETCH(bool, accepts);
        QFETCH(bool, handles);
        QFETCH(bool, dropSeen);
        editor->setText("text");
        QString dropped;
        editor->setDragHooks(
            [&](const QMimeData *m, const QPoint &) {
                return accepts && m->hasFormat("application/x-quilmead-page");
            },
            [&](const QMimeData *m, const QPoint &) {
                dropped = QString::fromUtf8(m->data("application/x-quilmead-page"));
                return handles;
            });
        QMimeData mime;
        mime.setData("application/x-quilmead-page", "/tmp/page.htm");
        const QPoint at = pointAt(*editor, 1, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor->viewport(), &enter);
        QCOMPARE(enter.isAccepted(), accepts);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor->viewport(), &drop);
        QCOMPARE(!dropped.isEmpty(), dropSeen);
        QCOMPARE(editor->text(), "text");
    }

    // Tag colouring: every stretch from "<" to ">" (also across lines) is in
    // the tag style, and restyling that starts inside a tag finds its state.
    void tagStyles_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("style");
        const int text = TagLexer::Text, tag = TagLexer::Tag;
        QTest::newRow("plain text") << 1 << 0 << text;
        QTest::newRow("tag opening") << 1 << 5 << tag;
        QTest::newRow("tag closing") << 1 << 7 << tag;
        QTest::newRow("after the tag") << 1 << 8 << text;
        QTest::newRow("tag across lines, first line") << 2 << 20 << tag;
        QTest::newRow("line end inside the tag") << 2 << 27 << tag;
        QTest::newRow("tag across lines, second line") << 3 << 0 << tag;
        QTest::newRow("end of the long tag") << 3 << 14 << tag;
        QTest::newRow("text after it") << 3 << 15 << text;
        QTest::newRow("lone > is text") << 4 << 2 << text;
    }
    void tagStyles() {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, style);
        editor->setText(
            "Some <B>bold</B>\r\n<BODY BACKGROUND=\"back.gif\"\r\nTEXT=\"#FF00FF\">x\r\n"
            "a > b");
        QCOMPARE(styleAt(*editor, line, column), style);
    }

    void restylingInsideATag() {
        QStringList lines;
        for (int i = 0; i < 2000; ++i)
            lines << QString("<TD ALIGN=\"left\"\r\nWIDTH=\"%1\">cell</TD>").arg(1000 + i);
        editor->setText(lines.join("\r\n"));
        // Style the text up to line 3000 only, so that the next styling run
        // starts on that line, inside the tag opened on line 2999.
        const long line3000 = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, 2999UL);
        editor->SendScintilla(Sci::SCI_COLOURISE, 0UL, line3000);
        QCOMPARE(styleAt(*editor, 3000, 2), int(TagLexer::Tag));
        QCOMPARE(styleAt(*editor, 3000, 12), int(TagLexer::Tag));
        QCOMPARE(styleAt(*editor, 3000, 13), int(TagLexer::Text));
        // A "<" typed into the text turns what follows into tag text up to the
        // next ">".
        editor->insertAt(3000, 13, "<");
        QCOMPARE(styleAt(*editor, 3000, 2), int(TagLexer::Tag));
        QCOMPARE(styleAt(*editor, 3000, 14), int(TagLexer::Tag));
        QCOMPARE(styleAt(*editor, 3002, 13), int(TagLexer::Text));
        // Brace matching pairs a "<" with its ">", also on another line.
        const long open = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, 2998UL);
        const long match = editor->SendScintilla(Sci::SCI_BRACEMATCH, (unsigned long)open);
        QCOMPARE(int(editor->SendScintilla(Sci::SCI_GETCHARAT, (unsigned long)match)), int('>'));
        QCOMPARE(editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, (unsigned long)match), 2999L);
    }

    void appearanceProperties() {
        {
            TLEdit fresh;
            QVERIFY(fresh.autoIndentOn());
            QVERIFY(fresh.autoIndent());
            QVERIFY(!fresh.wordWrapOn());
        }
        QCOMPARE(editor->tabStopSize(), 5);
        QCOMPARE(editor->backColorSelected(), QColor(0, 0, 128));
        QCOMPARE(editor->foreColorSelected(), QColor(255, 255, 255));
        QCOMPARE(editor->tagForeground(), QColor(0, 0, 255));
        QCOMPARE(editor->tagBackground(), QColor(255, 255, 255));
        editor->setTagColors(Qt::red, Qt::yellow);
        QCOMPARE(editor->SendScintilla(Sci::SCI_STYLEGETFORE, (unsigned long)TagLexer::Tag),
                 long(0x0000FF));
        QCOMPARE(editor->SendScintilla(Sci::SCI_STYLEGETBACK, (unsigned long)TagLexer::Tag),
                 long(0x00FFFF));
        editor->setEditorColor(Qt::black);
        editor->setEditorTextColor(Qt::green);
        QCOMPARE(editor->SendScintilla(Sci::SCI_STYLEGETBACK, (unsigned long)TagLexer::Text),
                 long(0));
        QCOMPARE(editor->SendScintilla(Sci::SCI_STYLEGETFORE, (unsigned long)TagLexer::Text),
                 long(0x00FF00));
        editor->setWordWrapOn(true);
        QCOMPARE(editor->wrapMode(), QsciScintilla::WrapWord);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETHSCROLLBAR), 0L);
        editor->setWordWrapOn(false);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETHSCROLLBAR), 1L);
        QFont font("Courier New", 13);
        editor->setEditorFont(font);
        QCOMPARE(editor->editorFont(), font);
        editor->setTabStopSize(8);
        QCOMPARE(editor->tabWidth(), 8);
    }
};

QTEST_MAIN(TestTLEditInput)
#include "test_tledit_input.moc"
