#include "app/helpertips.h"
#include "app/menurules.h"
#include "scripteduserinteraction.h"

#include <QtTest>

class TestMenuRules : public QObject {
    Q_OBJECT
private slots:
    void editMenu_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("previewFocused");
        QTest::addColumn<bool>("previewSel");
        QTest::addColumn<bool>("editorSel");
        QTest::addColumn<bool>("webPageFocused");
        QTest::addColumn<bool>("clip");
        // others, cut, copy, paste, rainbowize
        QTest::addColumn<QString>("expected");
        QTest::newRow("no document")
            << false << false << false << false << false << true << "-----";
        QTest::newRow("preview focused, no selection")
            << true << true << false << false << false << true << "-----";
        QTest::newRow("preview focused with selection")
            << true << true << true << false << false << true << "--C--";
        QTest::newRow("document, no selection, clipboard")
            << true << false << false << false << true << true << "O--P-";
        QTest::newRow("document, selection, no clipboard")
            << true << false << false << true << true << false << "OXC-R";
        QTest::newRow("scratch pad selection: no rainbow")
            << true << false << false << true << false << true << "OXCP-";
    }
    void editMenu() {
        QFETCH(bool, open);
        QFETCH(bool, previewFocused);
        QFETCH(bool, previewSel);
        QFETCH(bool, editorSel);
        QFETCH(bool, webPageFocused);
        QFETCH(bool, clip);
        QFETCH(QString, expected);
        UiState s;
        s.documentOpen = open;
        s.previewFocused = previewFocused;
        s.previewHasSelection = previewSel;
        s.editorHasSelection = editorSel;
        s.webPageFocused = webPageFocused;
        s.clipboardHasText = clip;
        const EditMenuEnabling e = editMenuEnabling(s);
        QString got;
        got += e.others ? 'O' : '-';
        got += e.cut ? 'X' : '-';
        got += e.copy ? 'C' : '-';
        got += e.paste ? 'P' : '-';
        got += e.rainbowize ? 'R' : '-';
        QCOMPARE(got, expected);
        QCOMPARE(e.deleteSel, e.cut);
        QCOMPARE(e.duplicate, e.cut);
    }

    void previewPopupAndSearch() {
        UiState s;
        s.documentOpen = true;
        QVERIFY(previewPopupEnabling(s).others);
        QVERIFY(!previewPopupEnabling(s).copy);
        QVERIFY(!searchMenuEnabling(s).searchSource);
        s.previewHasSelection = true;
        QVERIFY(previewPopupEnabling(s).copy && previewPopupEnabling(s).searchSource);
        QVERIFY(searchMenuEnabling(s).searchSource);
        s.documentOpen = false;
        QVERIFY(!previewPopupEnabling(s).others && !previewPopupEnabling(s).copy);
    }

    void browserEntries() {
        QVERIFY(!browserEntry(QString(), true).visible);
        const BrowserEntry b = browserEntry("/usr/bin/firefox-esr", false);
        QVERIFY(b.visible);
        QVERIFY(!b.enabled);
        QCOMPARE(b.caption, QString("View page in firefox-esr"));
        QCOMPARE(browserEntry("C:\\Program Files\\Netscape\\netscape.exe", true).caption,
                 QString("View page in netscape.exe"));
    }

    void helperTips() {
        QStringList lines;
        for (int i = 1; i <= 12; ++i)
            lines << QStringLiteral("?explanation %1").arg(i);
        const TipBook book(lines);
        Settings s;
        ScriptedUserInteraction ui;
        ui.answerHelper(false);
        showHelperTopic(ui, book, s, HelperTopic::FullScreen);
        QCOMPARE(ui.asked().size(), 1);
        QCOMPARE(ui.asked().at(0).caption, QString("Full Screen"));
        QCOMPARE(ui.asked().at(0).text, QString("explanation 2"));
        QCOMPARE(ui.asked().at(0).preset, QString("Did you know..."));
        QVERIFY(!s.fullScreen);
        // Once switched off, the topic is not shown again.
        showHelperTopic(ui, book, s, HelperTopic::FullScreen);
        QCOMPARE(ui.asked().size(), 1);
        // Left ticked, it stays on.
        showHelperTopic(ui, book, s, HelperTopic::CharacterConversions);
        QCOMPARE(ui.asked().at(1).caption, QString("Character Conversions"));
        QCOMPARE(ui.asked().at(1).text, QString("explanation 10"));
        QVERIFY(s.expandingChars);
    }

    void helperTopicsAndFlags() {
        Settings s;
        const QStringList captions = {"Orphan Pages",
                                      "Full Screen",
                                      "Browser Refresh",
                                      "Creating Simple Tables",
                                      "Toggling Image View",
                                      "Wordwrap and Line Numbers",
                                      "Setting a Default Extension",
                                      "Internal Clipboard Contents",
                                      "Saving To Default",
                                      "Character Conversions"};
        for (int topic = 1; topic <= 10; ++topic) {
            QCOMPARE(HelperTopic::caption(topic), captions.at(topic - 1));
            bool &flag = HelperTopic::flag(s, topic);
            flag = false;
        }
        QVERIFY(!s.newFile && !s.fullScreen && !s.browserRefresh && !s.simpleTable &&
                !s.imageDisplaying && !s.wordwrapHelper && !s.defaultExtension &&
                !s.internalClipboard && !s.savingToDefault && !s.expandingChars);
    }

    void helperTipBeyondAShortFile() {
        const TipBook book(QStringList{"?one", "?two", "?three"});
        ScriptedUserInteraction ui;
        QVERIFY(showHelperTip(ui, book, 9, "Saving To Default", true));
        QCOMPARE(ui.asked().at(0).text, QString()); // redirected past the end: shown empty
        ScriptedUserInteraction ui2;
        QVERIFY(!showHelperTip(ui2, book, 2, "x", false));
        QCOMPARE(ui2.asked().size(), 0);
    }
};

QTEST_APPLESS_MAIN(TestMenuRules)
#include "test_menurules.moc"
