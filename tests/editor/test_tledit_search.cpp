// Searching, replacing and the editor's find, replace and go-to dialogs.

#include "editor/searchdialogs.h"
#include "editor/tledit.h"
#include "scripteduserinteraction.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

QList<int> cachedOf(const TLEdit &e) {
    return {e.startLine, e.startPos, e.endLine, e.endPos};
}

// The control's selection, read without disturbing the cached values.
QList<int> selectionOf(TLEdit &e) {
    const QList<int> saved = cachedOf(e);
    e.readSelection();
    const QList<int> now = cachedOf(e);
    e.startLine = saved[0];
    e.startPos = saved[1];
    e.endLine = saved[2];
    e.endPos = saved[3];
    return now;
}

void select(TLEdit &e, int sl, int sp, int el, int ep) {
    e.startLine = sl;
    e.startPos = sp;
    e.endLine = el;
    e.endPos = ep;
    e.applySelection();
}

const QString kPage = "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\nA body of text.\r\n"
                      "</body>\r\n</BODY>\r\n</HTML>";

} // namespace

class TestTLEditSearch : public QObject {
    Q_OBJECT
private:
    TLEdit *editor = nullptr;
    ScriptedUserInteraction *ui = nullptr;

    SearchDialog *dialog(const char *name) {
        return editor->findChild<SearchDialog *>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        editor = new TLEdit;
        ui = new ScriptedUserInteraction;
        editor->setUserInteraction(ui);
        editor->resize(500, 300);
        editor->show();
        editor->setText(kPage);
    }
    void cleanup() {
        delete editor;
        delete ui;
    }

    // searchText moves the control's selection from match to match.
    void searchTextSelectsSuccessiveMatches() {
        QCOMPARE(editor->searchText("</body"), 1);
        QCOMPARE(editor->getSelText(), "</body");
        QCOMPARE(selectionOf(*editor), (QList<int>{4, 0, 4, 6}));
        QCOMPARE(editor->searchText("</body"), 1); // letter case ignored by default
        QCOMPARE(selectionOf(*editor), (QList<int>{5, 0, 5, 6}));
        QCOMPARE(editor->searchText("</body"), 0);
        QCOMPARE(selectionOf(*editor), (QList<int>{5, 0, 5, 6}));
        QCOMPARE(editor->searchTextValue(), "</body");
        QCOMPARE(editor->searchText(QString()), 0);
    }

    // locateText searches from the cached end, writes the match into the
    // cached selection only, and goes on from there on the next call.
    void locateTextLeavesTheCaret() {
        select(*editor, 3, 2, 3, 2);
        editor->setFirstVisibleLine(2);
        const int firstVisible = editor->firstVisibleLine();
        select(*editor, 3, 2, 3, 2);
        editor->startLine = 1;
        editor->startPos = 1;
        editor->endLine = 1;
        editor->endPos = 1;
        QCOMPARE(editor->locateText("<body"), 1);
        QCOMPARE(cachedOf(*editor), (QList<int>{2, 0, 2, 5}));
        QCOMPARE(editor->locateText(">"), 1);
        QCOMPARE(cachedOf(*editor), (QList<int>{2, 23, 2, 24}));
        QCOMPARE(editor->locateText("</body"), 1);
        QCOMPARE(cachedOf(*editor), (QList<int>{4, 0, 4, 6}));
        QCOMPARE(editor->locateText("</body"), 1);
        QCOMPARE(cachedOf(*editor), (QList<int>{5, 0, 5, 6}));
        QCOMPARE(editor->locateText("</body"), 0);
        QCOMPARE(cachedOf(*editor), (QList<int>{5, 0, 5, 6}));
        // The control never moved.
        QCOMPARE(selectionOf(*editor), (QList<int>{3, 2, 3, 2}));
        QCOMPARE(editor->firstVisibleLine(), firstVisible);
        QVERIFY(!editor->modified());
    }

    void locateCountsColumnsInCharacters() {
        editor->setText(QString("\u00E9\u00E9 %1 <B>").arg(QString::fromUcs4(U"\U0001F600", 1)));
        editor->startLine = editor->endLine = 1;
        editor->startPos = editor->endPos = 0;
        QCOMPARE(editor->locateText("<b>"), 1);
        QCOMPARE(cachedOf(*editor), (QList<int>{1, 6, 1, 9}));
    }

    void matchCase_data() {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("replaced");
        QTest::newRow("ignoring case, lower") << false << "</body>" << 1 << 2;
        QTest::newRow("ignoring case, upper") << false << "</BODY>" << 1 << 2;
        QTest::newRow("ignoring case, accented") << false << "\u00C9T\u00C9" << 1 << 1;
        QTest::newRow("matching case, lower") << true << "</body>" << 1 << 1;
        QTest::newRow("matching case, mixed") << true << "</Body>" << 0 << 0;
    }
    void matchCase() {
        QFETCH(bool, matchCase);
        QFETCH(QString, search);
        QFETCH(int, found);
        QFETCH(int, replaced);
        editor->appendText("\r\n\u00E9t\u00E9");
        QVERIFY(!editor->matchCase());
        editor->setMatchCase(matchCase);
        QCOMPARE(editor->searchText(search), found);
        editor->startLine = editor->endLine = 1;
        editor->startPos = editor->endPos = 0;
        QCOMPARE(editor->locateText(search), found);
        QCOMPARE(editor->replaceAll(search, "X"), replaced);
    }

    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty attributes, bgcolor first")
            << "<BODY bgcolor=\"\" color=\"\" TEXT=\"#000000\">"
            << "bgcolor=\"\""
            << "" << 1 << "<BODY  color=\"\" TEXT=\"#000000\">";
        QTest::newRow("replacement contains the search") << "a a a"
                                                         << "a"
                                                         << "aa" << 3 << "aa aa aa";
        QTest::newRow("overlapping matches taken left to right") << "aaaa"
                                                                 << "aa"
                                                                 << "b" << 2 << "bb";
        QTest::newRow("line ends of the replacement") << "x;y"
                                                      << ";"
                                                      << "\r\n\n"
                                                      << 1 << "x\r\n\r\ny";
        QTest::newRow("nothing found") << "abc"
                                       << "z"
                                       << "y" << 0 << "abc";
        QTest::newRow("empty search") << "abc"
                                      << ""
                                      << "y" << 0 << "abc";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(int, count);
        QFETCH(QString, expected);
        editor->setText(text);
        QSignalSpy changed(editor, &TLEdit::changed);
        QCOMPARE(editor->replaceAll(search, replacement), count);
        QCOMPARE(editor->text(), expected);
        // One change notice and one undo step for the whole run.
        QCOMPARE(changed.count(), count ? 1 : 0);
        if (count) {
            editor->undoEdit();
            QCOMPARE(editor->text(), text);
        }
    }

    void longSearchTextUsesEveryCharacter() {
        const QString head(125, 'a');
        editor->setText(head + "X " + head + "Y");
        QCOMPARE(editor->searchText(head + "Y"), 1);
        QCOMPARE(editor->getSelText(), head + "Y");
        QCOMPARE(editor->searchTextValue(), head);
        editor->setReplaceText(QString(200, 'r'));
        QCOMPARE(editor->replaceTextValue().size(), 125);
    }

    // --- Dialogs ----------------------------------------------------------

    void findDialogSearchesAndReportsNotFound() {
        editor->insertAt(1, 0, QString());
        editor->showFindDialog();
        SearchDialog *find = dialog("FindDialog");
        QVERIFY(find);
        QVERIFY(find->isVisible());
        auto *text = find->findChild<QLineEdit *>("findText");
        QCOMPARE(text->maxLength(), 125);
        text->setText("body");
        auto *next = find->findChild<QPushButton *>("findNextButton");
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{2, 1, 2, 5}));
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{3, 2, 3, 6}));
        QVERIFY(editor->findNext());
        QCOMPARE(selectionOf(*editor), (QList<int>{4, 2, 4, 6}));

        find->findChild<QCheckBox *>("matchCase")->setChecked(true);
        QVERIFY(editor->matchCase());
        next->click(); // "BODY" on line 5 differs in case
        QCOMPARE(ui->messageTexts(), QStringList{"Search text not found."});
        QCOMPARE(ui->asked().at(0).kind, int(Msg::Information));
        QCOMPARE(selectionOf(*editor), (QList<int>{4, 2, 4, 6}));

        // Upwards from here.
        find->findChild<QCheckBox *>("matchCase")->setChecked(false);
        find->findChild<QRadioButton *>("directionUp")->setChecked(true);
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{3, 6, 3, 2}));
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{2, 5, 2, 1}));
    }

    void findDialogWholeWord() {
        editor->setText("<B>bold</B> b bb b \u00E9t\u00E9s \u00C9T\u00C9");
        editor->showFindDialog();
        SearchDialog *find = dialog("FindDialog");
        find->findChild<QLineEdit *>("findText")->setText("b");
        find->findChild<QCheckBox *>("wholeWord")->setChecked(true);
        auto *next = find->findChild<QPushButton *>("findNextButton");
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 1, 1, 2}));
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 9, 1, 10}));
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 12, 1, 13}));
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 17, 1, 18}));
        // Letters beyond ASCII, ignoring their case too.
        find->findChild<QLineEdit *>("findText")->setText("\u00E9t\u00E9");
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 24, 1, 27}));
        find->findChild<QRadioButton *>("directionUp")->setChecked(true);
        find->findChild<QCheckBox *>("wholeWord")->setChecked(false);
        next->click();
        QCOMPARE(selectionOf(*editor), (QList<int>{1, 22, 1, 19}));
    }

    void findDialogTakesSelectedTextAndFindNextWithoutTextOpensIt() {
        QVERIFY(!editor->findNext());
        QVERIFY(dialog("FindDialog") && dialog("FindDialog")->isVisible());
        dialog("FindDialog")->hide();
        select(*editor, 3, 2, 3, 6);
        editor->showFindDialog();
        QCOMPARE(dialog("FindDialog")->findChild<QLineEdit *>("findText")->text(), "body");
        QCOMPARE(editor->searchTextValue(), "body");
        QVERIFY(editor->findNext());
        QCOMPARE(selectionOf(*editor), (QList<int>{4, 2, 4, 6}));
        QCOMPARE(ui->asked().size(), 0);
    }

    void replaceDialog() {
        editor->insertAt(1, 0, QString());
        editor->showReplaceDialog();
        SearchDialog *replace = dialog("ReplaceDialog");
        QVERIFY(replace && replace->isVisible());
        replace->findChild<QLineEdit *>("findText")->setText("</body>");
        replace->findChild<QLineEdit *>("replaceText")->setText("</BODY>");
        QCOMPARE(editor->replaceTextValue(), "</BODY>");
        auto *one = replace->findChild<QPushButton *>("replaceButton");
        one->click(); // nothing selected yet: finds the first
        QCOMPARE(editor->getLineText(4), "</body>");
        QCOMPARE(selectionOf(*editor), (QList<int>{4, 0, 4, 7}));
        one->click(); // replaces it and finds the next
        QCOMPARE(editor->getLineText(4), "</BODY>");
        QCOMPARE(selectionOf(*editor), (QList<int>{5, 0, 5, 7}));

        replace->findChild<QLineEdit *>("findText")->setText("</BODY>");
        replace->findChild<QLineEdit *>("replaceText")->setText("</body>\r");
        replace->findChild<QPushButton *>("replaceAllButton")->click();
        QCOMPARE(editor->text(), "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\nA body of text.\r\n"
                                 "</body>\r\n\r\n</body>\r\n\r\n</HTML>");
        QCOMPARE(ui->asked().size(), 0);
        replace->findChild<QLineEdit *>("findText")->setText("nowhere");
        replace->findChild<QPushButton *>("replaceAllButton")->click();
        QCOMPARE(ui->messageTexts(), QStringList{"Search text not found."});
    }

    void goToLineDialog_data() {
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("line");
        QTest::newRow("a line") << 4 << true << 4;
        QTest::newRow("past the end is the last line") << 99 << true << 6;
        QTest::newRow("cancel") << 4 << false << 3;
    }
    void goToLineDialog() {
        QFETCH(int, typed);
        QFETCH(bool, accept);
        QFETCH(int, line);
        select(*editor, 3, 4, 3, 4);
        int offered = 0;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), "GoToLineDialog");
            auto *box = dialog->findChild<QSpinBox *>("lineNumber");
            offered = box->value();
            box->setValue(typed);
            accept ? dialog->accept() : dialog->reject();
        });
        editor->showGoToLineDialog();
        QCOMPARE(offered, 3);
        QCOMPARE(selectionOf(*editor), (QList<int>{line, accept ? 0 : 4, line, accept ? 0 : 4}));
    }
};

QTEST_MAIN(TestTLEditSearch)
#include "test_tledit_search.moc"
