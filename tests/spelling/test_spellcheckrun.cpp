// "Spell Check..." on a page as the user works it: the entry, its key and
// its button, the "Spell Checker" dialog word by word, replacements and their
// undo, Skip Always, Add with and without the question, the user's list at
// close, the settings in and out, and a dictionary that is missing or damaged.

#include "spellingfixture.h"

#include "settings/settings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace {

const QString kPage = "<HTML><BODY BGCOLOR=\"wite\">\r\n"
                      "Teh caf&eacute; was godd, caf&egrave; <B>cheep</B>.\r\n"
                      "</BODY></HTML>\r\n";

} // namespace

class TestSpellCheckRun : public QObject {
    Q_OBJECT
private slots:
    // The entry, Ctrl+S and the button: one command, usable while a page is
    // open and on screen.
    void entryKeyAndButtonAreOne() {
        SpellingFixture f;
        QToolButton *button = f.w.buttons.spell;
        QVERIFY(!MainActions::isPending(f.a.spellCheck));
        QVERIFY(!f.a.spellCheck->isEnabled());
        QVERIFY(!button->isEnabled());
        button->click();
        QVERIFY(!f.dialog());

        f.open("teh");
        QVERIFY(f.a.spellCheck->isEnabled());
        QVERIFY(button->isEnabled());
        f.shell.fullScreen = true;
        f.shell.updateMenuStates();
        QVERIFY(!f.a.spellCheck->isEnabled());
        QVERIFY(!button->isEnabled());
        f.shell.fullScreen = false;
        f.shell.updateMenuStates();

        button->click();
        QVERIFY(f.dialogShown());
        QCOMPARE(f.dialog()->word(), QString("teh"));
        f.click("CloseBtn");
        QVERIFY(!f.dialogShown());

        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.w.webPage->setFocus();
        QTest::keyClick(f.w.webPage, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.dialogShown());
        QCOMPARE(f.w.webPage->text(), QString("teh")); // the key typed nothing
        f.click("CloseBtn");
        QVERIFY(f.ui.asked().isEmpty());
    }

    // Word by word through the page: tags passed over, references read as
    // the reader sees them, replacements written the way the word was.
    void wordByWordThroughThePage() {
        SpellingFixture f;
        f.open(kPage);
        f.a.spellCheck->trigger();
        SpellCheckDialog *d = f.dialog();
        QVERIFY(f.dialogShown());
        QCOMPARE(d->objectName(), QString("TLEditSpellDlg"));
        QCOMPARE(d->windowTitle(), QString("Spell Checker"));
        QVERIFY(d->isModal());
        QVERIFY(d->font().bold());
        QCOMPARE(d->font().pointSize(), 8);
        QCOMPARE(d->word(), QString("Teh"));
        QCOMPARE(f.w.webPage->getSelText(), QString("Teh"));
        QCOMPARE(f.w.statusPanels[Shell::CaretPanel]->text(), QString("2:3"));
        QCOMPARE(d->suggestions().value(0), QString("The"));
        QVERIFY(d->suggestions().size() <= 10);
        QCOMPARE(d->replacement(), QString("The"));

        f.click("ReplaceBtn");
        QCOMPARE(f.document.changes, 1);
        QCOMPARE(d->word(), QString("godd"));
        QCOMPARE(d->suggestions().value(0), QString("good"));
        f.click("SkipOnceBtn");
        QCOMPARE(d->word(), QString("caf\u00e8"));
        QCOMPARE(f.w.webPage->getSelText(), QString("caf&egrave;"));
        QCOMPARE(f.w.statusPanels[Shell::CaretPanel]->text(), QString("2:37"));
        d->findChild<QListWidget *>("Suggestions")
            ->setCurrentRow(d->suggestions().indexOf("caf\u00e9"));
        QCOMPARE(d->replacement(), QString("caf\u00e9"));
        f.click("ReplaceBtn");
        QCOMPARE(d->word(), QString("cheep"));
        f.click("CloseBtn");
        QVERIFY(!f.dialogShown());
        QVERIFY(f.ui.asked().isEmpty()); // closed before the end: no message

        const QString corrected = "The caf&eacute; was godd, caf&eacute; <B>cheep</B>.";
        QCOMPARE(f.w.webPage->getLineText(2), corrected);
        // Each replacement is one step back.
        f.w.webPage->undoEdit();
        QCOMPARE(f.w.webPage->getLineText(2),
                 QString("The caf&eacute; was godd, caf&egrave; <B>cheep</B>."));
        f.w.webPage->undoEdit();
        QCOMPARE(f.w.webPage->text(), kPage);
    }

    // Without skipping tags their words are checked too; the run ends with
    // its message.
    void tagWordsWhenNotSkipping() {
        SpellingFixture f;
        f.settings.skipHtml = false;
        f.shell.applySettings();
        f.open("<B CLAS=\"red\">good</B>");
        f.a.spellCheck->trigger();
        QCOMPARE(f.dialog()->word(), QString("CLAS"));
        f.click("SkipOnceBtn");
        QVERIFY(!f.dialogShown());
        QCOMPARE(f.ui.messageTexts(), QStringList{"Spell check complete."});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
    }

    // "Skip Always" passes over the word, in any letter case, for the rest
    // of the run and in later checks.
    void skipAlways() {
        SpellingFixture f;
        f.open("teh a teh. Teh, red");
        f.a.spellCheck->trigger();
        QCOMPARE(f.dialog()->word(), QString("teh"));
        f.click("SkipAlwaysBtn");
        QVERIFY(!f.dialogShown());
        f.a.spellCheck->trigger();
        QVERIFY(!f.dialogShown());
        QCOMPARE(f.ui.messageTexts(),
                 (QStringList{"Spell check complete.", "Spell check complete."}));
    }

    // "&Add", with the question when "Confirm on add" is on; the user's list
    // is written when the program closes.
    void addingAWord_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("added");
        QTest::newRow("without the question") << false << int(Msg::ResultNone) << true;
        QTest::newRow("confirmed") << true << int(Msg::ResultYes) << true;
        QTest::newRow("refused") << true << int(Msg::ResultNo) << false;
    }
    void addingAWord() {
        QFETCH(bool, confirm);
        QFETCH(int, answer);
        QFETCH(bool, added);
        SpellingFixture f;
        f.settings.autoAdd = confirm;
        f.shell.applySettings();
        f.open("zork is good, zork");
        if (confirm)
            f.ui.answerMessage(answer);
        f.a.spellCheck->trigger();
        QCOMPARE(f.dialog()->word(), QString("zork"));
        f.click("AddBtn");
        QStringList expected;
        if (confirm)
            expected << "Add \"zork\" to the user dictionary?";
        if (added) {
            expected << "Spell check complete.";
            QVERIFY(!f.dialogShown());
        } else {
            QVERIFY(f.dialogShown()); // still on the word
            QCOMPARE(f.dialog()->word(), QString("zork"));
            f.click("CloseBtn");
        }
        QCOMPARE(f.ui.messageTexts(), expected);
        if (confirm)
            QCOMPARE(f.ui.asked().at(0).buttons, int(Msg::Yes | Msg::No));
        QVERIFY(!QFile::exists(f.program.file("USERDCT.DCT")));
        f.spelling->shutdown();
        QCOMPARE(QFile::exists(f.program.file("USERDCT.DCT")), added);
        if (added)
            QCOMPARE(TestFolder::read(f.program.file("USERDCT.DCT")), QByteArray("zork\r\n"));
    }

    // "&Suggest" suggests for what the user typed in "Replace With".
    void suggestForTheTypedWord() {
        SpellingFixture f;
        f.settings.suggestCount = 5;
        f.shell.applySettings();
        f.open("hoose");
        f.a.spellCheck->trigger();
        SpellCheckDialog *d = f.dialog();
        QVERIFY(d->suggestions().size() <= 5);
        d->findChild<QLineEdit *>("ReplaceWith")->setText("cheapp");
        f.click("SuggestBtn");
        QCOMPARE(d->suggestions().value(0), QString("cheap"));
        QCOMPARE(d->replacement(), QString("cheapp"));
        QCOMPARE(d->word(), QString("hoose"));
        f.click("CloseBtn");
    }

    // With the focus in the scratch pad, the pad is checked.
    void scratchPadWithTheFocus() {
        SpellingFixture f;
        f.open("good");
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.w.spareEditor->show();
        f.w.spareEditor->setText("teh");
        f.w.spareEditor->setFocus();
        QVERIFY(f.w.spareEditor->hasFocus());
        f.a.spellCheck->trigger();
        QCOMPARE(f.dialog()->word(), QString("teh"));
        f.click("ReplaceBtn");
        QCOMPARE(f.w.spareEditor->text(), QString("the"));
        QCOMPARE(f.w.webPage->text(), QString("good"));
        QCOMPARE(f.document.changes, 0);
    }

    // The dictionary of the chosen language is missing or damaged: the user
    // is told, nothing is checked, and the next try finds a mended file.
    void missingOrDamagedDictionary_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: missing
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << 2 << "DUTCH.DCT" << QByteArray()
                                 << "Dictionary not found : %1DUTCH.DCT";
        QTest::newRow("damaged") << 0 << "ENGLISH.DCT" << QByteArray(200, 'x')
                                 << "Dictionary Corrupt.";
    }
    void missingOrDamagedDictionary() {
        QFETCH(int, language);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        SpellingFixture f;
        if (!content.isEmpty())
            f.program.write(file, content);
        f.settings.language = language;
        f.shell.applySettings();
        f.open("teh");
        f.settle();
        QVERIFY(f.marked().isEmpty());
        f.a.spellCheck->trigger();
        QVERIFY(!f.dialogShown());
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{error.contains("%1") ? error.arg(f.program.path()) : error});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Error));

        QVERIFY(compileDictionary(f.program.file(file), kDictionaryWords));
        f.a.spellCheck->trigger();
        QVERIFY(f.dialogShown());
        QCOMPARE(f.dialog()->word(), QString("teh"));
        f.click("CloseBtn");
        f.settle();
        QCOMPARE(f.marked(), QStringList{"teh"});
    }

    // The settings set the component at start and from General Settings,
    // and take its state back at exit; the look is always WordPerfect's.
    void settingsInAndOut() {
        SpellingFixture f;
        Settings &s = f.settings;
        s.autoAdd = true;
        s.skipHtml = false;
        s.suggestCount = 7;
        s.language = 1;
        s.dialogStyle = 0;
        f.shell.applySettings();
        const SpellerProperties &p = f.spelling->properties();
        QVERIFY(p.confirmAdd);
        QVERIFY(!p.supportHtml);
        QCOMPARE(p.suggestions, 7);
        QCOMPARE(f.spelling->checker().mainPath(), f.program.file("BRITISH.DCT"));

        s.language = 3;
        s.suggestCount = 20;
        s.skipHtml = true;
        f.spelling->settingsChanged();
        QCOMPARE(f.spelling->checker().mainPath(), f.program.file("FRENCH.DCT"));
        QCOMPARE(p.suggestions, 20);
        QVERIFY(p.supportHtml);

        s.autoAdd = false;
        s.skipHtml = false;
        s.suggestCount = 0;
        f.spelling->captureSettings();
        QVERIFY(s.autoAdd);
        QVERIFY(s.skipHtml);
        QCOMPARE(s.suggestCount, 20);
        QCOMPARE(s.language, 3);
        QCOMPARE(s.dialogStyle, 1);
    }
};

QTEST_MAIN(TestSpellCheckRun)
#include "test_spellcheckrun.moc"
