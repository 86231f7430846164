// The insertion operations on the real document editor of a real main window:
// caret and selection afterwards, the Save button, the preview refresh, and
// the menu entries and keys that call them.

#include "tagfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

namespace {
// Types characters as the keyboard would, also those without a key of their own.
void type(QWidget *widget, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
} // namespace

class TestInsertion : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFixture> f;

private slots:
    void init() { f = std::make_unique<TagFixture>(); }
    void cleanup() { f.reset(); }

    void wrapping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("selection"); // anchor line, pos, caret line, pos
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("caret") << "abcd" << QList<int>{1, 2, 1, 2} << "<B>"
                               << "</B>"
                               << "ab<B>|</B>cd";
        QTest::newRow("forward selection") << "abcde" << QList<int>{1, 2, 1, 4} << "<B>"
                                           << "</B>"
                                           << "ab[<B>cd</B>]e";
        QTest::newRow("backward selection") << "abcde" << QList<int>{1, 4, 1, 2} << "<B>"
                                            << "</B>"
                                            << "ab[<B>cd</B>]e";
        QTest::newRow("two lines") << "one\r\ntwo\r\nthree" << QList<int>{1, 1, 2, 2} << "<I>"
                                   << "</I>"
                                   << "o[<I>ne\r\ntw</I>]o\r\nthree";
        QTest::newRow("two lines backward") << "one\r\ntwo" << QList<int>{2, 2, 1, 1} << "<I>"
                                            << "</I>"
                                            << "o[<I>ne\r\ntw</I>]o";
        QTest::newRow("attribute tag") << "xy" << QList<int>{1, 1, 1, 1} << "<FONT SIZE=+2>"
                                       << "</FONT>"
                                       << "x<FONT SIZE=+2>|</FONT>y";
        // The closing text begins and ends with a line break: the caret still
        // lands between the two parts.
        QTest::newRow("closing over lines") << "ab" << QList<int>{1, 1, 1, 1} << "<% Do While x %>"
                                            << "\r<% Loop %>\r"
                                            << "a<% Do While x %>|\r\n<% Loop %>\r\nb";
        QTest::newRow("closing over lines, LF page") << "a\nb" << QList<int>{1, 1, 1, 1} << "<X>"
                                                     << "</X>\rtail"
                                                     << "a<X>|</X>\ntail\nb";
        QTest::newRow("opening over lines") << "" << QList<int>{1, 0, 1, 0} << "<UL>\r<LI>"
                                            << "\r</UL>"
                                            << "<UL>\r\n<LI>|\r\n</UL>";
        QTest::newRow("not a tag pair") << "note" << QList<int>{1, 0, 1, 4} << "<!--"
                                        << "-->"
                                        << "[<!--note-->]";
        QTest::newRow("non-ASCII text") << "été ici" << QList<int>{1, 0, 1, 3} << "<B>"
                                        << "</B>"
                                        << "[<B>été</B>] ici";
    }
    void wrapping() {
        QFETCH(QString, text);
        QFETCH(QList<int>, selection);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        QFETCH(QString, expected);
        f->setText(text, selection[0], selection[1], selection[2], selection[3]);
        if (text.contains('\n') && !text.contains('\r'))
            f->editor().setEolMode(QsciScintilla::EolUnix);
        f->tags().insertSelected2(opening, closing);
        QCOMPARE(f->marked(), expected);
        QVERIFY(f->changed());
    }

    void selectionAnchoredAtOldStart() {
        // After a backward selection the whole wrapped text is selected from
        // its start, the caret at its end.
        f->setText("abcde", 1, 4, 1, 2);
        f->tags().insertSelected("<B>");
        f->editor().readSelection();
        QCOMPARE(f->editor().startPos, 2);
        QCOMPARE(f->editor().endPos, 11);
        QCOMPARE(f->editor().getSelText(), QString("<B>cd</B>"));
    }

    void fontSizeCaretSevenBack() {
        f->setText("");
        f->tags().insertSelected2("<FONT SIZE=+2>", "</FONT>");
        f->editor().readSelection();
        QCOMPARE(f->editor().endPos, f->editor().lineLength(1) - 7);
    }

    void insertTextReplacesSelection() {
        f->setText("abcde", 1, 1, 1, 4);
        f->tags().insertText("<HR>");
        QCOMPARE(f->marked(), QString("a<HR>|e"));
        f->tags().insertText("x\ry");
        QCOMPARE(f->marked(), QString("a<HR>x\r\ny|e"));
    }

    void unevenAndCaptions() {
        f->setText("text", 1, 0, 1, 4);
        f->tags().createUnevenTags("<UL><LI>..</UL> - list");
        QCOMPARE(f->editor().text(), QString("<UL><LI>text</UL>"));
        f->setText("", 1, 0);
        f->tags().address1Click("TABLE..TD");
        QCOMPARE(f->marked(), QString("<TABLE>|<TD>"));
        f->setText("q", 1, 0, 1, 1);
        f->tags().address1Click("BLOCKQUOTE");
        QCOMPARE(f->marked(), QString("[<BLOCKQUOTE>q</BLOCKQUOTE>]"));
        f->setText("", 1, 0);
        f->tags().insertCaptionAsTag("<P ALIGN=\"left\"></P>");
        QCOMPARE(f->marked(), QString("<P ALIGN=\"left\">|</P>"));
        f->setText("", 1, 0);
        f->tags().insertCaptionAsTag("<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">");
        QCOMPARE(f->marked(), QString("<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">|"));
    }

    void buttonKinds() {
        f->setText("s", 1, 0, 1, 1);
        f->tags().buttonInsertEven("STRONG");
        QCOMPARE(f->editor().text(), QString("<STRONG>s</STRONG>"));
        f->setText("s", 1, 0, 1, 1);
        f->tags().buttonInsertAsIs("<IMG SRC=\"a.gif\">");
        QCOMPARE(f->marked(), QString("<IMG SRC=\"a.gif\">|"));
        f->setText("", 1, 0);
        f->tags().buttonInsertUnEven("OL..LI - ordered");
        QCOMPARE(f->marked(), QString("<OL>|<LI>"));
    }

    void nothingWhileFullScreenOrClosed() {
        f->setText("abc", 1, 1);
        f->shell.fullScreen = true;
        f->tags().insertSelected("<B>");
        f->tags().insertText("x");
        QCOMPARE(f->editor().text(), QString("abc"));
        QVERIFY(!f->changed());
        f->shell.fullScreen = false;
        f->editor().setEnabled(false); // no document open
        f->action("Bold1")->trigger();
        QCOMPARE(f->editor().text(), QString("abc"));
    }

    void onePreviewRefreshPerInsertion() {
        QSignalSpy refreshed(&f->tags(), &TagController::previewRefreshed);
        f->setText("abc", 1, 1);
        f->settings.autoUpdate = false;
        f->tags().insertSelected("<B>");
        f->tags().insertText("x");
        QCOMPARE(refreshed.count(), 2);
        // With automatic updates the editor's change does it instead.
        f->settings.autoUpdate = true;
        f->tags().insertSelected("<B>");
        f->tags().insertText("x");
        QCOMPARE(refreshed.count(), 2);
    }

    void paragraphMarker_data() {
        QTest::addColumn<bool>("closingP");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("expected");
        QTest::newRow("button") << false << false << "a<P>|b";
        QTest::newRow("menu") << false << true << "a<P>\r\n|b";
        QTest::newRow("button, closing") << true << false << "a<P>|</P>b";
        QTest::newRow("menu, closing") << true << true << "a<P>|</P>b";
    }
    void paragraphMarker() {
        QFETCH(bool, closingP);
        QFETCH(bool, menu);
        QFETCH(QString, expected);
        f->settings.useClosingP = closingP;
        f->setText("ab", 1, 1);
        if (menu)
            f->action("PP1")->trigger();
        else
            f->find<QToolButton>("ParagraphBtn")->click();
        QCOMPARE(f->marked(), expected);
    }

    void menuEntries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected"); // on "ab" with "b" selected... see below
        QTest::newRow("Center") << "Center1"
                                << "a[<CENTER>b</CENTER>]";
        QTest::newRow("Bold") << "Bold1"
                              << "a[<B>b</B>]";
        QTest::newRow("Italics") << "Italics1"
                                 << "a[<I>b</I>]";
        QTest::newRow("Underline") << "Underline1"
                                   << "a[<U>b</U>]";
        QTest::newRow("H3") << "H3Item"
                            << "a[<H3>b</H3>]";
        QTest::newRow("P align") << "PAligncenter"
                                 << "a[<P ALIGN=\"center\">b</P>]";
        QTest::newRow("BR clear") << "BRRight1"
                                  << "a<BR CLEAR=\"right\">|";
        QTest::newRow("DIV") << "DIV1"
                             << "a[<DIV>b</DIV>]";
        QTest::newRow("DIV align") << "DivAlignleft"
                                   << "a[<DIV ALIGN=\"left\">b</DIV>]";
        QTest::newRow("separator rule") << "HR1"
                                        << "a<HR>|";
        QTest::newRow("nbsp") << "NBSP1"
                              << "a&nbsp;|";
        QTest::newRow("Insert bar") << "HorizontalBar1"
                                    << "a<HR>|";
        QTest::newRow("table cell") << "TableCell1"
                                    << "a[<TD>b</TD>]";
        QTest::newRow("list item") << "UnorderedListItem1"
                                   << "a[<UL><LI>b</UL>]";
    }
    void menuEntries() {
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        f->setText("ab", 1, 1, 1, 2);
        QAction *a = f->action(entry);
        QVERIFY(!MainActions::isPending(a));
        a->trigger();
        QCOMPARE(f->marked(), expected);
    }

    void menusFollowTheOpenDocument() {
        RigShell &w = f->shell;
        w.updateMenuStates();
        QVERIFY(f->action("HorizontalBar1")->isEnabled());
        QVERIFY(f->action("Headings1Item")->isEnabled());
        QVERIFY(f->action("Bold1")->isEnabled());
        f->editor().setEnabled(false);
        w.updateMenuStates();
        QVERIFY(!f->action("HorizontalBar1")->isEnabled());
        QVERIFY(!f->action("Headings1Item")->isEnabled());
        QVERIFY(!f->action("Separators1Item")->isEnabled());
        // Entries of later work stay pending.
        QVERIFY(MainActions::isPending(f->action("Heading1")));
        QVERIFY(MainActions::isPending(f->action("BodyStatement1")));
    }

    void typingFilter_data() {
        QTest::addColumn<bool>("useBr");
        QTest::addColumn<bool>("expand");
        QTest::addColumn<QString>("typed"); // "\r" Enter, "\n" Ctrl+Enter
        QTest::addColumn<QString>("expected");
        QTest::newRow("Enter") << false << true << "\r"
                               << "a\r\n|b";
        QTest::newRow("Enter with BR") << true << true << "\r"
                                       << "a<BR>\r\n|b";
        QTest::newRow("Ctrl+Enter") << false << true << "\n"
                                    << "a<BR>\r\n|b";
        QTest::newRow("Ctrl+Enter with BR") << true << true << "\n"
                                            << "a<BR>\r\n|b";
        QTest::newRow("accented") << false << true << "é"
                                  << "a&eacute;|b";
        QTest::newRow("capital eth") << false << true << "Ð"
                                     << "a&ETH;|b";
        QTest::newRow("times sign") << false << true << "×"
                                    << "a×|b";
        QTest::newRow("expansion off") << false << false << "é"
                                       << "aé|b";
        QTest::newRow("plain letter") << false << true << "z"
                                      << "az|b";
    }
    void typingFilter() {
        QFETCH(bool, useBr);
        QFETCH(bool, expand);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        f->settings.useBr = useBr;
        f->settings.expandCharsToHtml = expand;
        f->setText("ab", 1, 1);
        f->editor().setFocus();
        if (typed == "\r")
            QTest::keyClick(&f->editor(), Qt::Key_Return);
        else if (typed == "\n")
            QTest::keyClick(&f->editor(), Qt::Key_Return, Qt::ControlModifier);
        else
            type(&f->editor(), typed);
        QCOMPARE(f->marked(), expected);
        QVERIFY(f->changed());
    }

    void typedEntityReplacesSelection() {
        f->settings.expandCharsToHtml = true;
        f->setText("abc", 1, 0, 1, 2);
        type(&f->editor(), "ü");
        QCOMPARE(f->marked(), QString("&uuml;|c"));
    }

    void fontPageButtons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bold") << "SpeedButton51"
                              << "Insert Bold"
                              << "a[<B>b</B>]";
        QTest::newRow("italics") << "ItalicsSB"
                                 << "Insert Italics"
                                 << "a[<I>b</I>]";
        QTest::newRow("underline") << "SpeedButton53"
                                   << "Insert underline"
                                   << "a[<U>b</U>]";
        QTest::newRow("sub") << "SubscriptBtn"
                             << "Insert Subscript"
                             << "a[<SUB>b</SUB>]";
        QTest::newRow("sup") << "SuperScriptBtn"
                             << "Insert Superscript"
                             << "a[<SUP>b</SUP>]";
        QTest::newRow("larger") << "FontPlus"
                                << "Enlarge font size of selected text using FONT tag"
                                << "a[<FONT SIZE=+3>b</FONT>]";
        QTest::newRow("smaller") << "SpeedButton5"
                                 << "Descrease font size of selected text using FONT tag"
                                 << "a[<FONT SIZE=-3>b</FONT>]";
        QTest::newRow("center") << "SpeedButton6"
                                << "Center item"
                                << "a[<CENTER>b</CENTER>]";
        QTest::newRow("comment") << "CommentButton"
                                 << "Insert a comment tag"
                                 << "a[<!--b-->]";
        QTest::newRow("H2") << "H2"
                            << "Insert heading this size"
                            << "a[<H2>b</H2>]";
        QTest::newRow("DIV") << "SpeedButton44"
                             << ""
                             << "a[<DIV>b</DIV>]";
        QTest::newRow("BR") << "BRButton"
                            << "Insert line break"
                            << "a<BR>|";
        QTest::newRow("HR") << "SpeedButton10"
                            << "Insert horizontal bar"
                            << "a<HR>|";
        QTest::newRow("bullet") << "SpeedButton69"
                                << "Insert bullet mark"
                                << "a[<UL><LI>b</UL>]";
    }
    void fontPageButtons() {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(QString, expected);
        f->settings.fontSizeChange = 3;
        f->setText("ab", 1, 1, 1, 2);
        QToolButton *b = f->find<QToolButton>(name);
        QCOMPARE(b->toolTip(), hint);
        b->click();
        QCOMPARE(f->marked(), expected);
    }

    void dropDownArrows_data() {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("P left") << "PDnArrow" << 1 << "a[<P ALIGN=\"left\">b</P>]";
        QTest::newRow("DIV plain") << "SpeedButton23" << 0 << "a[<DIV>b</DIV>]";
        QTest::newRow("H1 right") << "SpeedButton32" << 3 << "a[<H1 ALIGN=\"right\">b</H1>]";
        QTest::newRow("H6 center") << "SpeedButton26" << 2 << "a[<H6 ALIGN=\"center\">b</H6>]";
        // BR entries replace the selection; HR entries go before it.
        QTest::newRow("BR all") << "SpeedButton24" << 2 << "a<BR CLEAR=\"all\">|";
        QTest::newRow("HR center")
            << "SpeedButton25" << 2 << "a[<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">b]";
    }
    void dropDownArrows() {
        QFETCH(QString, arrow);
        QFETCH(int, entry);
        QFETCH(QString, expected);
        f->setText("ab", 1, 1, 1, 2);
        QToolButton *b = f->find<QToolButton>(arrow);
        b->click();
        QMenu *popup = f->tags().dropDownMenu();
        QCOMPARE(popup->objectName(), QString("LCRPopup"));
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->actions().size(), 4);
        // Just below the button.
        QCOMPARE(popup->pos().y(), b->mapToGlobal(QPoint(0, b->height())).y());
        popup->actions().at(entry)->trigger();
        popup->hide();
        QCOMPARE(f->marked(), expected);
    }

    void fontDialog() {
        FontChoice font;
        font.family = "Arial";
        font.pointSize = 12;
        font.bold = true;
        font.color = QColor(255, 0, 0);
        f->ui.answerFont(font);
        f->setText("ab", 1, 1, 1, 2);
        f->find<QToolButton>("SpeedButton13")->click();
        QCOMPARE(f->marked(),
                 QString("a[<B><FONT FACE=\"Arial\" SIZE=\"12\" COLOR=\"#FF0000\">b</FONT></B>]"));
        f->ui.cancelFont();
        f->setText("ab", 1, 1);
        f->find<QToolButton>("SpeedButton13")->click();
        QCOMPARE(f->editor().text(), QString("ab"));
        QVERIFY(!f->changed());
    }

    void fontColour() {
        f->ui.answerColor(QColor(0x11, 0x22, 0x33));
        f->setText("ab", 1, 1, 1, 2);
        f->find<QToolButton>("SpeedButton68")->click();
        QCOMPARE(f->marked(), QString("a[<FONT COLOR=\"#112233\">b</FONT>]"));
        f->ui.answerColor(QColor()); // Cancel
        f->setText("ab", 1, 1);
        f->find<QToolButton>("SpeedButton68")->click();
        QCOMPARE(f->editor().text(), QString("ab"));
    }

    void fontBoxes() {
        auto *size = f->find<QComboBox>("FontSize");
        QCOMPARE(size->count(), 7);
        QCOMPARE(size->currentText(), QString("3"));
        QCOMPARE(f->editor().text(), QString()); // setting the start value inserts nothing
        f->setText("ab", 1, 1, 1, 2);
        f->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f->window));
        size->setFocus();
        size->setCurrentIndex(4);
        emit size->textActivated(size->currentText());
        QCOMPARE(f->marked(), QString("a[<FONT SIZE=5>b</FONT>]"));
        // The next typed letters go into the page, not into the box.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&f->editor()));
        f->setText("ab", 1, 1);
        QTest::mouseDClick(size->lineEdit(), Qt::LeftButton);
        QCOMPARE(f->marked(), QString("a<FONT SIZE=5>|</FONT>b"));

        auto *fonts = f->find<QComboBox>("ScreenFonts");
        fonts->showPopup();
        QVERIFY(fonts->count() > 0);
        fonts->hidePopup();
        const QString family = fonts->itemText(0);
        f->setText("ab", 1, 1);
        fonts->setCurrentIndex(0);
        emit fonts->textActivated(family);
        QCOMPARE(f->marked(), "a<FONT FACE=\"" + family + "\">|</FONT>b");
    }
};

QTEST_MAIN(TestInsertion)
#include "test_insertion.moc"
