// HTML Tidy over a page in memory: its findings with editor positions, and
// the Page menu entry with its results window on the area rig.

#include "arearig.h"
#include "editor/tidy/tidychecker.h"
#include "editor/tidy/ui/tidyarea.h"
#include "editor/tidy/ui/tidyresultsdialog.h"
#include "editor/tledit.h"
#include "fakeareas.h"

#include <QAction>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A page with known faults: no DOCTYPE, an unknown tag on line 4 (after a tab
// and a character outside the BMP), an unclosed <b> on line 5, and a
// </div> without its <div> on line 6.
const QString kFaultyPage = QStringLiteral("<html>\n"
                                           "<head><title>t</title></head>\n"
                                           "<body>\n"
                                           "\t\U0001F600<blink2>x</blink2>\n"
                                           "<p><b>bold</p>\n"
                                           "</div>\n"
                                           "</body>\n"
                                           "</html>\n");

QString describe(const QList<TidyFinding> &findings) {
    QStringList lines;
    for (const TidyFinding &f : findings)
        lines << QStringLiteral("%1:%2 %3 %4")
                     .arg(f.line)
                     .arg(f.column)
                     .arg(f.kind == TidyFinding::Kind::Error ? "E" : "W", f.text);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestTidy : public QObject {
    Q_OBJECT
private slots:
    void findingsOfAFaultyPage() {
        QCOMPARE(describe(TidyChecker().check(kFaultyPage)),
                 QStringLiteral("1:0 W missing <!DOCTYPE> declaration\n"
                                "4:3 E <blink2> is not recognized!\n"
                                "4:3 W discarding unexpected <blink2>\n"
                                "4:12 W discarding unexpected </blink2>\n"
                                "5:3 W missing </b> before </p>\n"
                                "6:0 W discarding unexpected </div>"));
    }

    void lineEndsAndOddText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString head = QStringLiteral("<!DOCTYPE html><html><head><title>t</title></head>");
        QTest::newRow("clean page") << head + "<body><p>x</p></body></html>"
                                    << "";
        QTest::newRow("CR line ends") << head + "\r<body>\r  <zz>\r</body></html>"
                                      << "3:2 E <zz> is not recognized!\n"
                                         "3:2 W discarding unexpected <zz>";
        QTest::newRow("CR LF line ends") << head + "\r\n<body>\r\n  <zz>\r\n</body></html>"
                                         << "3:2 E <zz> is not recognized!\n"
                                            "3:2 W discarding unexpected <zz>";
        // A NUL does not end the text Tidy sees.
        QTest::newRow("NUL inside") << head + QString(QChar(0)) + "\n<zz>"
                                    << "2:0 E <zz> is not recognized!\n"
                                       "2:0 W inserting implicit <body>\n"
                                       "2:0 W discarding unexpected <zz>";
    }
    void lineEndsAndOddText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString found = describe(TidyChecker().check(text));
        QCOMPARE(found.left(expected.size()), expected);
    }

    void editorColumn_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("tidyColumn");
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << "<p>" << 1 << 0;
        QTest::newRow("plain") << "ab<p>" << 3 << 2;
        QTest::newRow("tab is one") << "\t\t<p>" << 3 << 2;
        QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80<p>") << 2 << 2;
        QTest::newRow("past the end") << "ab" << 9 << 2;
        QTest::newRow("none") << "ab" << 0 << 0;
    }
    void editorColumn() {
        QFETCH(QString, line);
        QFETCH(int, tidyColumn);
        QFETCH(int, expected);
        QCOMPARE(TidyChecker::editorColumn(line, tidyColumn), expected);
    }

    void entryFollowsTheOpenDocument() {
        AreaRig rig;
        FakeActiveDocument doc(*rig.w.webPage);
        TidyArea area(rig.shell, doc, rig.a);
        rig.shell.addArea(&area);
        rig.openDocument(false);
        rig.shell.updateMenuStates();
        QVERIFY(!rig.a.checkWithTidy->isEnabled());
        rig.openDocument(true);
        rig.shell.updateMenuStates();
        QVERIFY(rig.a.checkWithTidy->isEnabled());
    }

    // The findings are listed, the page is not touched, and a double-click
    // puts the caret on the finding.
    void resultsListAndCaret() {
        AreaRig rig;
        FakeActiveDocument doc(*rig.w.webPage);
        doc.file = rig.program.file("faulty.htm");
        TidyArea area(rig.shell, doc, rig.a);
        rig.shell.addArea(&area);
        rig.openDocument(true);
        TLEdit &editor = *rig.w.webPage;
        editor.setText(kFaultyPage);
        editor.setModifiedFlag(false);

        rig.a.checkWithTidy->trigger();
        TidyResultsDialog *dialog = area.resultsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->objectName(), QString("TidyResults"));
        QCOMPARE(dialog->windowTitle(), QString("HTML Tidy - faulty.htm"));
        QCOMPARE(dialog->list()->topLevelItemCount(), 6);
        QCOMPARE(dialog->summary(), QString("HTML Tidy found 5 warning(s) and 1 error(s). "
                                            "Double-click one to go there."));
        QCOMPARE(editor.text(), kFaultyPage);
        QVERIFY(!editor.modified());

        QTreeWidgetItem *unexpected = dialog->list()->topLevelItem(3); // 4:12
        QCOMPARE(unexpected->text(0), QString("4"));
        QCOMPARE(unexpected->text(1), QString("12"));
        emit dialog->list()->itemActivated(unexpected, 0);
        editor.readSelection();
        QCOMPARE(editor.endLine, 4);
        QCOMPARE(editor.endPos, 12);
        QCOMPARE(editor.getLineText(4).mid(editor.endPos, 9), QString("</blink2>"));
        QVERIFY(doc.loaded.isEmpty());
        QCOMPARE(rig.ui.unexpected(), 0);
    }

    // Findings are listed in the page's order, whatever order Tidy noticed
    // them in; those about one place keep Tidy's order.
    void resultsInPageOrder() {
        using K = TidyFinding::Kind;
        TidyResultsDialog dialog;
        dialog.showFindings("/p/a.htm", {{K::Warning, 12, 16, "c"},
                                         {K::Warning, 8, 0, "b"},
                                         {K::Error, 12, 0, "x"},
                                         {K::Warning, 12, 0, "y"},
                                         {K::Warning, 0, 0, "a"}});
        QStringList order;
        for (int i = 0; i < dialog.list()->topLevelItemCount(); ++i)
            order << dialog.list()->topLevelItem(i)->text(3);
        QCOMPARE(order, (QStringList{"a", "b", "x", "y", "c"}));
        QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QString()); // the whole page
        QCOMPARE(dialog.list()->topLevelItem(2)->text(2), QString("Error"));
    }

    // A finding about a page closed since is not reopened, and the caret of
    // the page on screen stays where it is.
    void findingOfAClosedPageIsNotReopened() {
        AreaRig rig;
        FakeActiveDocument doc(*rig.w.webPage);
        TidyArea area(rig.shell, doc, rig.a);
        rig.openDocument(true);
        rig.w.webPage->setText("line 1\nline 2\n");
        doc.file = "/pages/other.htm";
        area.goTo("/pages/checked.htm", 2, 3);
        QVERIFY(doc.loaded.isEmpty());
        rig.w.webPage->readSelection();
        QCOMPARE(rig.w.webPage->endLine, 1);
        QCOMPARE(rig.w.webPage->endPos, 0);
    }
};

QTEST_MAIN(TestTidy)
#include "test_tidy.moc"
