// Squiggles under unknown words of the page while the user types, and the
// editor's pop-up on them: suggestions, "Add" and "Skip A&lways".

#include "spellingfixture.h"

#include "settings/settings.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace {

using Sci = QsciScintillaBase;

void moveCaret(TLEdit *page, long position) {
    sci::call(page, Sci::SCI_GOTOPOS, position);
}

// Asks for the editor's pop-up with the mouse over the given position.
void rightClickAt(SpellingFixture &f, long position) {
    TLEdit *page = f.w.webPage;
    const int x = int(sci::call(page, Sci::SCI_POINTXFROMPOSITION, 0, position)) + 2;
    const int y = int(sci::call(page, Sci::SCI_POINTYFROMPOSITION, 0, position)) + 3;
    const QPoint at(x, y);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, page->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page->viewport(), &event);
}

QStringList popupCaptions(QMenu *menu, int count) {
    QStringList out;
    for (QAction *a : menu->actions().mid(0, count))
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestSpellUnderline : public QObject {
    Q_OBJECT
private slots:
    // Unknown words outside tags, references read as the reader sees them;
    // the squiggle covers the word as written.
    void wordsOutsideTags_data() {
        QTest::addColumn<bool>("skipTags");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("tags and references")
            << true
            << "<P CLASS=\"nmae\">Teh caf&eacute; is godd</P>\r\nwas caf&egrave; na\u00efve "
               "b\u00e4d"
            << QStringList{"Teh", "godd", "caf&egrave;", "b\u00e4d"};
        QTest::newRow("tag across lines")
            << true << "good <B\r\nCLAS=red> teh" << QStringList{"teh"};
        QTest::newRow("tags read when not skipped")
            << false << "<B CLAS=\"red\">teh</B>" << QStringList{"CLAS", "teh"};
        QTest::newRow("nothing unknown") << true << "<HTML>the house</HTML>" << QStringList{};
    }
    void wordsOutsideTags() {
        QFETCH(bool, skipTags);
        QFETCH(QString, text);
        QFETCH(QStringList, marked);
        SpellingFixture f;
        f.settings.skipHtml = skipTags;
        f.shell.applySettings();
        f.open(text);
        QVERIFY(f.spelling->underliner().isPending());
        f.settle();
        QCOMPARE(f.marked(), marked);
    }

    // A long page is checked in slices, the lines around the caret first.
    void longPageInSlices() {
        SpellingFixture f;
        QString text;
        for (int i = 0; i < 4000; ++i)
            text += QStringLiteral("the good house is red %1\r\n").arg(i % 7 ? "a" : "teh");
        f.open(text + "godd");
        moveCaret(f.w.webPage, f.w.webPage->text().toUtf8().size());
        // One piece per slice.
        f.spelling->underliner().setSliceBudget(0);
        f.spelling->underliner().runSlice();
        QVERIFY(f.spelling->underliner().isPending());
        QVERIFY(f.marked().contains("godd")); // near the caret, in the first slice
        f.settle();
        QCOMPARE(f.marked().size(), 4000 / 7 + 1 + 1);
    }

    // The word being typed is left alone until the caret leaves it.
    void typing() {
        SpellingFixture f;
        f.open("good");
        f.settle();
        TLEdit *page = f.w.webPage;
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        page->setFocus();
        moveCaret(page, 4);
        QTest::keyClicks(page, " hous");
        f.settle();
        QCOMPARE(f.marked(), QStringList{});
        QTest::keyClicks(page, "e zorq");
        f.settle();
        QCOMPARE(f.marked(), QStringList{});
        QTest::keyClicks(page, " ");
        f.settle();
        QCOMPARE(f.marked(), QStringList{"zorq"});
        QTest::keyClicks(page, "blah");
        f.settle();
        QCOMPARE(f.marked(), QStringList{"zorq"});
        moveCaret(page, 0); // leaving the word
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"zorq", "blah"}));
        // Mending a marked word removes its squiggle.
        moveCaret(page, f.positionOf("zorq") + 4);
        QTest::keyClick(page, Qt::Key_Backspace);
        QTest::keyClicks(page, "k");
        moveCaret(page, 0);
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"zork", "blah"}));
        f.spelling->checker().skipAlways("zork");
        f.spelling->underliner().dropKnown();
        QCOMPARE(f.marked(), QStringList{"blah"});
    }

    // A bracket typed or removed changes what lies inside a tag up to the
    // next bracket.
    void bracketsChangeWhatIsATag() {
        SpellingFixture f;
        f.open("good teh good zorq good");
        TLEdit *page = f.w.webPage;
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"teh", "zorq"}));
        page->insertAt(1, 5, "<");
        f.settle();
        QCOMPARE(f.marked(), QStringList{});
        page->insertAt(1, 9, ">");
        f.settle();
        QCOMPARE(f.marked(), QStringList{"zorq"});
        sci::call(page, Sci::SCI_DELETERANGE, 5, 1); // the "<" goes
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"teh", "zorq"}));
        page->undoEdit();
        f.settle();
        QCOMPARE(f.marked(), QStringList{"zorq"});
    }

    // Another page, another dictionary, skipping tags switched: all again.
    void checkedAgain() {
        SpellingFixture f;
        f.open("teh <P CLAS=x> colour");
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"teh", "colour"}));
        f.settings.skipHtml = false;
        f.spelling->settingsChanged();
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"teh", "CLAS", "x", "colour"}));

        QVERIFY(compileDictionary(f.program.file("BRITISH.DCT"), {"colour", "teh", "clas", "x"}));
        f.settings.language = 1;
        f.spelling->settingsChanged();
        f.settle();
        QCOMPARE(f.marked(), QStringList{"P"});

        f.w.webPage->setText("zork and more");
        emit f.document.currentDocumentChanged();
        f.settle();
        QCOMPARE(f.marked(), (QStringList{"zork", "and", "more"}));

        f.openDocument(false);
        emit f.document.currentDocumentChanged();
        QVERIFY(f.marked().isEmpty());
        QVERIFY(!f.spelling->underliner().isPending());
    }

    // The pop-up on a marked word offers its suggestions, then "Add" and
    // "Skip A&lways", above the editor's own entries.
    void popupOnAMarkedWord() {
        SpellingFixture f;
        f.open("Teh house, zorq and zorq");
        f.settle();
        QMenu *popup = f.a.webPagePopup;

        rightClickAt(f, f.positionOf("house"));
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->actions().first()->objectName(), QString("RefreshView1"));
        popup->hide();

        rightClickAt(f, f.positionOf("Teh") + 1);
        QVERIFY(popup->isVisible());
        const QStringList captions = popupCaptions(popup, 12);
        QCOMPARE(captions.first(), QString("The"));
        const int add = captions.indexOf("Add");
        QVERIFY(add > 1);
        QCOMPARE(captions.mid(add - 1, 4), (QStringList{"-", "Add", "Skip A&lways", "-"}));
        QCOMPARE(popup->actions().at(add + 3)->objectName(), QString("RefreshView1"));
        popup->actions().first()->trigger();
        popup->hide();
        QCOMPARE(f.w.webPage->text(), QString("The house, zorq and zorq"));
        QCOMPARE(f.document.changes, 1);
        QTRY_COMPARE(popupCaptions(popup, 1), QStringList{"Refresh View"});

        f.settle();
        rightClickAt(f, f.positionOf("zorq", 1));
        QCOMPARE(popupCaptions(popup, 5),
                 (QStringList{"(no suggestions)", "-", "Add", "Skip A&lways", "-"}));
        QVERIFY(!popup->actions().first()->isEnabled());
        popup->actions().at(3)->trigger();
        popup->hide();
        QCOMPARE(f.marked(), QStringList{});
        QVERIFY(f.ui.asked().isEmpty());
    }

    // "Add" from the pop-up asks first when "Confirm on add" is on.
    void addFromThePopup() {
        SpellingFixture f;
        f.settings.autoAdd = true;
        f.shell.applySettings();
        f.open("zorq teh zorq");
        f.settle();
        QMenu *popup = f.a.webPagePopup;
        f.ui.answerMessage(Msg::ResultNo);
        rightClickAt(f, f.positionOf("zorq"));
        QAction *add = popup->findChild<QAction *>("SpellingAdd");
        QVERIFY(add);
        add->trigger();
        popup->hide();
        QCOMPARE(f.marked(), (QStringList{"zorq", "teh", "zorq"}));
        f.ui.answerMessage(Msg::ResultYes);
        rightClickAt(f, f.positionOf("zorq", 1));
        popup->findChild<QAction *>("SpellingAdd")->trigger();
        popup->hide();
        QCOMPARE(f.marked(), QStringList{"teh"});
        QCOMPARE(f.ui.messageTexts(), (QStringList{"Add \"zorq\" to the user dictionary?",
                                                   "Add \"zorq\" to the user dictionary?"}));
        f.spelling->shutdown();
        QCOMPARE(TestFolder::read(f.program.file("USERDCT.DCT")), QByteArray("zorq\r\n"));
    }
};

QTEST_MAIN(TestSpellUnderline)
#include "test_spellunderline.moc"
