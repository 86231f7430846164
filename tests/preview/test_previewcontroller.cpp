// The preview pane (with the window's widgets) on the real browser engine: refresh
// from the editor, frame sets, links, history, forms, inline images, the
// pop-up commands and external browsers.

#include "app/shell.h"
#include "app/ui/percentsplitter.h"
#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "preview/controller/previewcontroller.h"
#include "preview/controller/previewfinddialog.h"
#include "preview/controller/submitform.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "testfolder.h"
#include "viewertesting.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <stdexcept>

using namespace ViewerTesting;

namespace {

const char *const linkPage =
    "<HTML><HEAD><TITLE>Home</TITLE></HEAD><BODY>\r\n"
    "<P>Home text</P>\r\n"
    "<P><A id=next HREF=\"next.htm\">Next</A> <A id=pic HREF=\"images/pic.gif\">Picture</A></P>\r\n"
    "</BODY></HTML>\r\n";

struct Fixture : AreaRig {
    TestFolder docDir;
    FakeActiveDocument document{*w.webPage};
    std::unique_ptr<PreviewController> controller;

    Fixture() {
        ToolButtons &b = w.buttons;
        controller = std::make_unique<PreviewController>(
            shell,
            PreviewWidgets{w.webPage, w.htmlSplit, w.htmlFull, w.htmlFrames, w.splitScreen,
                           w.toolsPanel, b.refresh, b.back, b.forward, b.browser},
            a);
        controller->setActiveDocument(&document);
        shell.addArea(controller.get());
        shell.applySettings();
        w.htmlSplit->setHistoryMaxCount(10);
        w.htmlFull->setHistoryMaxCount(10);
        docDir.write("next.htm", "<title>Next</title><p>The next page</p>");
    }
    ~Fixture() {
        controller.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    PreviewController &preview() { return *controller; }
    HtmlViewer &split() { return *w.htmlSplit; }

    // A document as the documents area leaves it: in the editor, its folder
    // the working directory.
    QString open(const QString &name, const QByteArray &html) {
        const QString path = docDir.write(name, html);
        QDir::setCurrent(docDir.path());
        document.file = path;
        document.dir = docDir.path();
        w.webPage->setEnabled(true);
        w.webPage->loadFromFile(path);
        shell.updateMenuStates();
        return path;
    }

    // Runs `action` and waits until `viewer` shows a rendering of the editor
    // text and has loaded it whole.
    bool refreshed(HtmlViewer &viewer, const std::function<void()> &action, int timeoutMs = 15000) {
        QSignalSpy spy(&preview(), &PreviewController::viewerRefreshed);
        QSignalSpy loaded(&viewer, &HtmlViewer::loadFinished);
        action();
        return QTest::qWaitFor(
            [&] {
                for (const QList<QVariant> &args : spy)
                    if (args.at(0).value<HtmlViewer *>() == &viewer)
                        return !loaded.isEmpty();
                return false;
            },
            timeoutMs);
    }

    QString rendered(HtmlViewer &viewer) {
        QString text;
        bool done = false;
        viewer.renderedText([&](const QString &t) {
            text = t;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 5000))
            return QStringLiteral("(no answer)");
        return text;
    }

    static void selectElement(HtmlViewer &viewer, const char *id) {
        runScript(viewer, QStringLiteral("var r = document.createRange();"
                                         "r.selectNodeContents(document.getElementById('%1'));"
                                         "var s = window.getSelection();"
                                         "s.removeAllRanges(); s.addRange(r);")
                              .arg(QLatin1String(id)));
    }

    void click(const QString &id) {
        runScript(split(), QStringLiteral("document.getElementById('%1').click()").arg(id));
    }
};

} // namespace

class TestPreviewController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<HtmlViewer *>(); }

    void refreshResolvesAgainstTheDocumentAndKeepsTheScrollPosition() {
        Fixture f;
        f.docDir.write("dot.png", tinyPng(20, 10));
        QString page = "<P>Top</P><IMG id=img SRC=\"dot.png\" WIDTH=20 HEIGHT=10><DIV "
                       "STYLE=\"height:4000px\"></DIV>";
        f.open("page.htm", page.toUtf8());
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
        QTRY_COMPARE_WITH_TIMEOUT(
            runScript(f.split(), "document.getElementById('img').naturalWidth").toInt(), 20, 5000);

        f.split().setPosition(500);
        QTRY_COMPARE_WITH_TIMEOUT(f.split().position(), 500, 5000);
        f.w.webPage->setText(page + "<P>More</P>");
        QVERIFY(f.refreshed(f.split(), [&] { f.w.buttons.refresh->click(); }));
        QVERIFY(f.rendered(f.split()).contains("More"));
        QCOMPARE(f.split().position(), 500);
        // The tool panel is usable again and the hourglass gone.
        QVERIFY(f.w.toolsPanel->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void frameSetDetection_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("frames");
        QTest::newRow("lower case") << "<html><frameset cols=\"50%,*\">" << false << true;
        QTest::newRow("upper case") << "<HTML><FRAMESET COLS=\"50%,*\">" << false << true;
        QTest::newRow("upper case, match case") << "<FRAMESET COLS=\"50%,*\">" << true << false;
        QTest::newRow("no space after the name") << "<frameset>" << false << false;
        QTest::newRow("plain page") << "<p>frameset </p>" << false << false;
    }
    void frameSetDetection() {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, frames);
        Fixture f;
        f.open("page.htm", text.toUtf8());
        f.w.webPage->setMatchCase(matchCase);
        f.preview().updateWebView();
        QCOMPARE(f.preview().framePreviewShown(), frames);
        QCOMPARE(QFile::exists(f.docDir.file("quilview.htm")), frames);
    }

    // After each edit the frame preview follows whether the text holds the
    // marker, wherever the edit falls beside, inside or around it.
    void frameSetFollowsEdits() {
        Fixture f;
        const QString start = "<HTML><HEAD></HEAD>\r\n<P>a page</P>\r\n</HTML>";
        f.open("page.htm", start.toUtf8());
        TLEdit &editor = *f.w.webPage;
        f.preview().updateWebView();
        QVERIFY(!f.preview().framePreviewShown());
        struct Step {
            int at, remove;
            QString insert;
            bool matchCase;
        };
        const QList<Step> steps{
            {19, 0, "<frameset", false}, // not yet the marker
            {28, 0, " ", false},         // completes it
            {0, 0, "<!-- x -->", false}, // before it: moved
            {60, 3, "", false},          // after it
            {29, 0, "\r\n", false},      // in the middle
            {29, 2, "", false},          // mended again
            {29, 0, "", true},           // only the letter case option
            {19, 0, "<FRAMESET ", true}, // in upper case, while case matters
            {19, 0, "", false},          // which then no longer matters
            {19, 10, "", false},         // the upper case one removed
            {0, 0, "<FRAMESET ", false}, // another at the very start
            {29, 10, "", false},         // the first removed, the other remains
            {0, 10, "x", false},         // and that one too
        };
        for (const Step &step : steps) {
            editor.setMatchCase(step.matchCase);
            if (step.remove)
                editor.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, step.at, step.remove);
            if (!step.insert.isEmpty())
                editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT,
                                     static_cast<unsigned long>(step.at),
                                     step.insert.toUtf8().constData());
            f.preview().updateWebView();
            const bool frames = editor.text().contains(
                "<frameset ", step.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
            QVERIFY2(f.preview().framePreviewShown() == frames, qPrintable(editor.text()));
        }
    }

    void frameSetShowsFramePreviewAndBack() {
        Fixture f;
        f.docDir.write("left.htm", "<title>Left</title><p>Left frame</p>");
        const QByteArray frames = "<HTML><HEAD><TITLE>Frames</TITLE></HEAD>\r\n"
                                  "<FRAMESET COLS=\"50%,*\"><FRAME SRC=\"left.htm\">"
                                  "<FRAME SRC=\"next.htm\"></FRAMESET></HTML>\r\n";
        f.open("frames.htm", frames);
        TLEdit &editor = *f.w.webPage;
        // Where the user is and what Find Next looks for stay as they were.
        editor.setSelection(1, 6, 1, 10);
        editor.setSearchText("HEAD");
        QSignalSpy selection(&editor, &QsciScintilla::selectionChanged);

        QSignalSpy framesLoaded(f.w.htmlFrames, &HtmlViewer::loadFinished);
        f.a.refreshHtml->trigger();
        QCOMPARE(f.w.splitScreen->barPercent(1), f.w.splitScreen->barPercent(0) + 1);
        QCOMPARE(TestFolder::read(f.docDir.file("quilview.htm")), frames);
        QTRY_VERIFY_WITH_TIMEOUT(!framesLoaded.isEmpty(), 15000);
        QCOMPARE(f.w.htmlFrames->documentTitle(), QStringLiteral("Frames"));
        QTRY_VERIFY_WITH_TIMEOUT(f.rendered(*f.w.htmlFrames).contains("Left frame"), 5000);
        int line = 0, index = 0, endLine = 0, endIndex = 0;
        editor.getSelection(&line, &index, &endLine, &endIndex);
        QCOMPARE(QList<int>({line, index, endLine, endIndex}), QList<int>({1, 6, 1, 10}));
        QCOMPARE(editor.searchTextValue(), QStringLiteral("HEAD"));
        QVERIFY(selection.isEmpty());
        QCOMPARE(QDir::currentPath() + "/", f.docDir.path());

        // Without the frame set the split preview comes back.
        editor.setText("<P>No frames</P>");
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
        QCOMPARE(f.w.splitScreen->barPercent(1), 100);
        QVERIFY(f.rendered(f.split()).contains("No frames"));
    }

    void frameSetInAFolderThatCannotTakeTheFile() {
        Fixture f;
        f.open("frames.htm", "<frameset cols=\"50%,*\"><frame src=\"next.htm\"></frameset>");
        // A folder (not a file) in the way of the frame preview's file.
        QVERIFY(QDir(f.docDir.path()).mkdir("quilview.htm"));
        QSignalSpy framesLoaded(f.w.htmlFrames, &HtmlViewer::loadFinished);
        f.preview().updateWebView();
        QVERIFY(f.preview().framePreviewShown());
        QTRY_VERIFY_WITH_TIMEOUT(!framesLoaded.isEmpty(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(f.rendered(*f.w.htmlFrames).contains("The next page"), 5000);
        QCOMPARE(f.ui.unexpected(), 0);
    }

    void frameSetOfADocumentWhoseFolderIsGone() {
        Fixture f;
        const QString path = f.docDir.write(
            "frames.htm", "<frameset cols=\"50%,*\"><frame src=\"next.htm\"></frameset>");
        f.document.file = path;
        f.document.dir = f.docDir.path();
        f.w.webPage->setEnabled(true);
        f.w.webPage->loadFromFile(path);
        f.ui.clear();
        QVERIFY(QDir(f.docDir.path()).removeRecursively());
        QSignalSpy framesLoaded(f.w.htmlFrames, &HtmlViewer::loadFinished);
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QCOMPARE(f.ui.messageTexts(), QStringList{"Error changing default directory."});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Error));
        // The update goes on: the frame set is shown from memory.
        QVERIFY(f.preview().framePreviewShown());
        QTRY_VERIFY_WITH_TIMEOUT(!framesLoaded.isEmpty(), 15000);
    }

    void autoUpdateOffWaitsForF5() {
        Fixture f;
        f.open("page.htm", "<P>Start</P>");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QSignalSpy refreshes(&f.preview(), &PreviewController::viewerRefreshed);
        f.w.webPage->setCursorPosition(0, 8);
        QTest::keyClicks(f.w.webPage, " typed");
        QTest::qWait(600);
        QVERIFY(refreshes.isEmpty());
        QVERIFY(!f.rendered(f.split()).contains("typed"));
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
        QVERIFY(f.rendered(f.split()).contains("Start typed"));
    }

    void autoUpdateFollowsTypingAndCatchesUpAfterBusySpells() {
        Fixture f;
        f.settings.autoUpdate = true;
        // Large enough that the preview is still busy while the keys come in.
        QString page = "<P id=t>Start</P>";
        for (int i = 0; i < 3000; ++i)
            page += QStringLiteral("<P>Paragraph %1 with <B>some</B> text.</P>\r\n").arg(i);
        f.open("page.htm", page.toUtf8());
        QVERIFY(f.refreshed(f.split(), [] {}));

        QSignalSpy refreshes(&f.preview(), &PreviewController::viewerRefreshed);
        f.w.webPage->setCursorPosition(0, 13);
        for (QChar c : QStringLiteral(" quick typing")) {
            QTest::keyClick(f.w.webPage, c.toLatin1());
            QTest::qWait(15);
        }
        // The last change reaches the preview, in far fewer renders than keys.
        QTRY_COMPARE_WITH_TIMEOUT(
            runScript(f.split(), "document.getElementById('t').textContent").toString(),
            QStringLiteral("Start quick typing"), 20000);
        QTest::qWait(300);
        // At most one render per change, however slow the machine.
        QVERIFY(refreshes.size() <= 13);
    }

    void laterChangeWhileBusyIsShown() {
        Fixture f;
        f.open("page.htm", "<P>First</P>");
        f.preview().updateWebView();
        QTRY_VERIFY_WITH_TIMEOUT(f.split().isBusy(), 5000);
        f.w.webPage->setText("<P>Second</P>");
        f.preview().updateWebView();
        QTRY_VERIFY_WITH_TIMEOUT(f.rendered(f.split()).contains("Second"), 15000);
    }

    void linksHoverPicturesAndFollowing() {
        Fixture f;
        f.open("home.htm", linkPage);
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));

        runScript(f.split(), "document.getElementById('next').dispatchEvent("
                             "new MouseEvent('mouseover', {bubbles: true}))");
        QTRY_COMPARE_WITH_TIMEOUT(f.w.statusPanels[2]->text(), QStringLiteral("next.htm"), 5000);
        QCOMPARE(f.w.headerSections[3]->text(), QStringLiteral("next.htm"));

        // A picture link goes to the image box; the preview stays put.
        QSignalSpy pictures(&f.preview(), &PreviewController::pictureLinkChosen);
        QSignalSpy loads(&f.split(), &HtmlViewer::loadFinished);
        f.click("pic");
        QTRY_COMPARE_WITH_TIMEOUT(pictures.size(), 1, 5000);
        QCOMPARE(pictures.at(0).at(0).toString(), QStringLiteral("pic.gif"));
        QTest::qWait(500);
        QVERIFY(loads.isEmpty());
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Home"));

        // Another link is followed by the viewer alone.
        QVERIFY(loadAndWait(f.split(), [&] { f.click("next"); }));
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Next"));
        QCOMPARE(f.w.webPage->text(), QString::fromLatin1(linkPage));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Next"));
    }

    // A page the program makes (the picture gallery of the Images page): the
    // split preview shows it in place of the frame preview, opened when the
    // user had closed it, and its picture links name the picture.
    void programPageWithPictureLinks() {
        Fixture f;
        f.open("frames.htm", "<FRAMESET COLS=\"50%,*\"><FRAME SRC=\"next.htm\"></FRAMESET>");
        f.preview().updateWebView();
        QVERIFY(f.preview().framePreviewShown());
        f.w.splitScreen->setBarPercent(0, 100);
        const QString picture = f.docDir.write("Bullets.x/ball.gif", tinyPng());
        QVERIFY(QFile::exists(picture));
        const QString page = "<H2>Pick</H2>\r\n<a id=pic href=\"" + picture + "\"><img src=\"" +
                             picture + "\"></a><br>\r\n";
        QVERIFY(loadAndWait(f.split(), [&] { f.preview().showPage(page); }));
        QVERIFY(!f.preview().framePreviewShown());
        QCOMPARE(f.w.splitScreen->barPercent(0), 50);
        QVERIFY(f.rendered(f.split()).contains("Pick"));
        QCOMPARE(
            runScript(f.split(), "document.getElementById('pic').firstChild.naturalWidth").toInt(),
            1);
        QSignalSpy pictures(&f.preview(), &PreviewController::pictureLinkChosen);
        f.click("pic");
        QTRY_COMPARE_WITH_TIMEOUT(pictures.size(), 1, 5000);
        QCOMPARE(pictures.at(0).at(0).toString(), QStringLiteral("ball.gif"));
    }

    void historyButtonsMenuAndBackToTheEditorText() {
        Fixture f;
        f.open("home.htm", linkPage);
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QVERIFY(!f.a.historyMenu->menuAction()->isVisible());
        QVERIFY(loadAndWait(f.split(), [&] { f.click("next"); }));

        MainActions &a = f.a;
        const QString next = f.docDir.file("next.htm");
        QVERIFY(a.historyMenu->menuAction()->isVisible());
        QVERIFY(a.historyItems[0]->isVisible());
        QCOMPARE(a.historyItems[0]->text(), next);
        QVERIFY(a.historyItems[0]->isChecked());
        QVERIFY(!a.historyItems[1]->isVisible());
        QVERIFY(f.w.buttons.back->isEnabled());
        QVERIFY(!f.w.buttons.forward->isEnabled());

        // Back from the oldest entry shows the editor's text again.
        QVERIFY(f.refreshed(f.split(), [&] { f.w.buttons.back->click(); }));
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Home"));
        QCOMPARE(f.split().historyIndex(), 1);
        QVERIFY(!f.w.buttons.back->isEnabled());
        QVERIFY(f.w.buttons.forward->isEnabled());
        QVERIFY(!a.historyItems[0]->isChecked());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Home"));

        QVERIFY(loadAndWait(f.split(), [&] { f.w.buttons.forward->click(); }));
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Next"));
        QCOMPARE(f.split().historyIndex(), 0);

        // A history item sets the index of both previews.
        QVERIFY(f.refreshed(f.split(), [&] { f.w.buttons.back->click(); }));
        QVERIFY(loadAndWait(f.split(), [&] { a.historyItems[0]->trigger(); }));
        QCOMPARE(f.split().historyIndex(), 0);
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Next"));
    }

    void formSubmissionShowsResults() {
        Fixture f;
        f.open("form.htm", "<FORM ACTION=\"/cgi-bin/order.pl\" METHOD=\"post\">"
                           "<INPUT NAME=\"name\" VALUE=\"Ann\"><INPUT TYPE=\"checkbox\" "
                           "NAME=\"news\" VALUE=\"yes\" CHECKED>"
                           "<INPUT id=go TYPE=\"submit\" VALUE=\"Send\"></FORM>");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        SubmitForm *form = f.preview().submitForm();
        QCOMPARE(form->objectName(), QStringLiteral("TSubmitForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Submit Results"));
        QVERIFY(!form->isVisible());
        f.click("go");
        QTRY_VERIFY_WITH_TIMEOUT(form->isVisible(), 5000);
        QVERIFY(!form->isModal());
        QCOMPARE(form->action(), QStringLiteral("/cgi-bin/order.pl"));
        QCOMPARE(form->method(), QStringLiteral("POST"));
        QCOMPARE(form->results(), QStringList({"name=Ann", "news=yes"}));
        QCOMPARE(f.split().history().size(), 0);
    }

    void inlineImagesToggle() {
        Fixture f;
        QAction *images = f.a.viewInlineImages;
        QVERIFY(images->isChecked());
        f.open("page.htm", "<P>Text</P>");
        f.shell.updateMenuStates();
        f.ui.answerHelper(false);
        images->trigger();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Helper), 1);
        QCOMPARE(f.ui.asked().last().caption, QStringLiteral("Toggling Image View"));
        QVERIFY(!images->isChecked());
        QVERIFY(!f.split().viewImages());
        QVERIFY(!f.w.htmlFull->viewImages());
        QVERIFY(!f.settings.showImages);
        images->trigger();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Helper), 1);
        QVERIFY(f.split().viewImages() && f.w.htmlFull->viewImages() && f.settings.showImages);
    }

    void popupCommandsScrollCopyAndFind() {
        Fixture f;
        f.open("page.htm", "<P>Alpha Beta</P><DIV STYLE=\"height:4000px\"></DIV><P>Omega</P>");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        f.shell.updateMenuStates();
        MainActions &a = f.a;
        QVERIFY(a.previewTop->isEnabled() && a.previewBottom->isEnabled() &&
                a.previewFind->isEnabled());
        QVERIFY(!a.previewSearchSource->isEnabled());

        a.previewBottom->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f.split().position() > 3000, 5000);
        QCOMPARE(f.split().position(), f.split().maxPosition());
        a.previewTop->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(f.split().position(), 0, 5000);

        // The user selects in the preview, which then has the focus.
        f.split().setFocus();
        f.split().selectAll();
        QTRY_VERIFY_WITH_TIMEOUT(f.split().selectionLength() > 0, 5000);
        QGuiApplication::clipboard()->clear();
        f.shell.updateMenuStates();
        a.previewCopy->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().contains("Alpha Beta"), 5000);

        a.previewFind->trigger();
        QVERIFY(f.preview().findDialog() && f.preview().findDialog()->isVisible());
        f.preview().findNext("beta", true);
        QTRY_COMPARE_WITH_TIMEOUT(f.ui.messageTexts(),
                                  QStringList{"No further occurances of \"beta\""}, 5000);
        QCOMPARE(f.ui.asked().last().kind, int(Msg::Information));
        f.preview().findNext("beta", false);
        QTest::qWait(500);
        QCOMPARE(f.ui.messageTexts().size(), 1);
    }

    // Both entries take the text selected in the preview and select its
    // first occurrence in the source, from the top whatever the caret.
    void searchSourceFindsTheFirstOccurrence_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("preview pop-up") << "SearchSource";
        QTest::newRow("Search menu") << "SearchSource1";
    }
    void searchSourceFindsTheFirstOccurrence() {
        QFETCH(QString, entry);
        Fixture f;
        f.open("page.htm", "<P>Alpha Beta</P>\r\n<P id=two>Beta</P>\r\n<P id=none>Gamma</P>\r\n");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QAction *search = f.find<QAction>(entry);
        f.shell.updateMenuStates();
        QVERIFY(!search->isEnabled());

        TLEdit &editor = *f.w.webPage;
        editor.startLine = editor.endLine = 3;
        editor.startPos = editor.endPos = 0;
        editor.applySelection();
        f.selectElement(f.split(), "two");
        QTRY_VERIFY_WITH_TIMEOUT(f.split().selectionLength() > 0, 5000);
        f.shell.updateMenuStates();
        QVERIFY(search->isEnabled());
        search->trigger();
        editor.readSelection();
        QCOMPARE(editor.getSelText(), QStringLiteral("Beta"));
        QCOMPARE(editor.startLine, 1);
        QCOMPARE(editor.startPos, 9);
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("Beta"),
                                  5000);

        // Text the source does not hold as shown: the caret stays at the top.
        f.open("page.htm", "<P id=none>A&amp;B</P>\r\n");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        f.selectElement(f.split(), "none");
        QTRY_VERIFY_WITH_TIMEOUT(f.split().selectionLength() > 0, 5000);
        f.shell.updateMenuStates();
        search->trigger();
        editor.readSelection();
        QCOMPARE(editor.getSelText(), QString());
        QCOMPARE(editor.endLine, 1);
        QCOMPARE(editor.endPos, 0);
    }

    void externalBrowser_data() {
        QTest::addColumn<bool>("prefix");
        QTest::newRow("plain path") << false;
        QTest::newRow("with FILE://") << true;
    }
    void externalBrowser() {
        QFETCH(bool, prefix);
        Fixture f;
        const QString record = f.program.file("browser.txt");
        const QString script = f.program.write(
            "browser.sh",
            QStringLiteral("#!/bin/sh\necho \"$1\" > '%1.tmp'\npwd >> '%1.tmp'\nmv '%1.tmp' '%1'\n")
                .arg(record)
                .toUtf8());
        QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
        f.settings.browser1 = script;
        f.settings.browser1Prefix = prefix;
        f.open("page.htm", "<P>For the browser</P>");
        f.shell.updateMenuStates();
        f.a.browser1->trigger();

        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Helper), 1);
        QCOMPARE(f.ui.asked().first().type, ScriptedUserInteraction::Type::Helper);
        QCOMPARE(f.ui.asked().first().caption, QStringLiteral("Browser Refresh"));
        const QString view = f.docDir.file("quilview.htm");
        QCOMPARE(TestFolder::read(view), QByteArray("<P>For the browser</P>"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        const QStringList lines = QString::fromUtf8(TestFolder::read(record)).split('\n');
        QCOMPARE(lines.value(0), prefix ? "FILE://" + view : view);
        QCOMPARE(lines.value(1) + "/", f.docDir.path());
        QCOMPARE(f.ui.messageTexts(), QStringList());
    }

    void browserProblemsAreTold() {
        Fixture f;
        f.open("page.htm", "<P>Page</P>");
        f.preview().launchBrowser(QString(), false);
        f.preview().launchBrowser(f.program.file("no-such-browser"), true);
        QCOMPARE(f.ui.messageTexts(),
                 QStringList({"No default browser has been selected!",
                              "Error launching external browser!  Please verify browser location "
                              "and try again."}));
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().at(1).kind, int(Msg::Information));
    }

    // F5 and typed characters keep the preview where the reader scrolled
    // it, whether the page takes edits in place or is rendered whole. The
    // place is asked for until it is reached, so that a layout finished a
    // moment after the load does not count; a page left at the top fails.
    void reRendersKeepTheScrollPosition_data() {
        QTest::addColumn<bool>("withBody");
        QTest::newRow("edits patched in") << true;
        QTest::newRow("rendered whole") << false;
    }
    void reRendersKeepTheScrollPosition() {
        QFETCH(bool, withBody);
        Fixture f;
        QByteArray page = withBody ? "<HTML><HEAD><TITLE>Long</TITLE></HEAD><BODY>\r\n" : "";
        page += "<P id=m>Typed here:</P>\r\n";
        while (page.size() < 26 * 1024)
            page += "<P>A paragraph of the page, long enough to wrap in the preview pane.</P>\r\n";
        f.open("long.htm", page);
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QVERIFY(f.split().maxPosition() > 1000);
        const int middle = f.split().maxPosition() / 2;
        f.split().setPosition(middle);
        QTRY_COMPARE(f.split().position(), middle);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
            QTRY_COMPARE_WITH_TIMEOUT(runScript(f.split(), "Math.round(window.scrollY)").toInt(),
                                      middle, 3000);
        }
        f.settings.autoUpdate = true;
        const int line = withBody ? 1 : 0;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.refreshed(f.split(),
                                [&] { f.w.webPage->QsciScintilla::insertAt("x", line, 19); }));
            QTRY_COMPARE_WITH_TIMEOUT(runScript(f.split(), "Math.round(window.scrollY)").toInt(),
                                      middle, 3000);
        }
        QCOMPARE(runScript(f.split(), "document.getElementById('m').textContent").toString(),
                 QStringLiteral("Typed here:xxx"));
        QCOMPARE(f.split().isPatchable(), withBody);
    }

    // Edits anywhere in the page reach the preview from the editor's record
    // of what changed: those in the body are patched into the document on
    // show, and the page shown always equals the editor's text rendered
    // whole, also after an edit in the head and an undo.
    void editsEqualAWholeRenderOfTheEditorText() {
        Fixture f;
        f.settings.autoUpdate = true;
        QByteArray page = "<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY>\r\n<P id=a>Alpha</P>\r\n";
        for (int i = 0; i < 40; ++i)
            page += "<P>Filler paragraph \xC3\xA9\xF0\x9F\x98\x80.</P>\r\n";
        page += "<P id=z>Omega</P>\r\n</BODY></HTML>\r\n";
        f.open("typed.htm", page);
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        TLEdit &editor = *f.w.webPage;
        const QString whole = QStringLiteral("document.documentElement.outerHTML");
        auto edit = [&](int line, int index, const QString &text) {
            QVERIFY(f.refreshed(f.split(), [&] { editor.QsciScintilla::insertAt(text, line, index); }));
        };
        runScript(f.split(), "document.quilmeadProbe = 1");
        edit(1, 13, "x");                   // in Alpha
        edit(42, 13, "<B>b</B>");          // in Omega
        edit(43, 0, "<P>Added</P>\r\n");  // before the end of the body
        edit(20, 0, "<HR>");               // between blocks, after characters of two units
        QCOMPARE(runScript(f.split(), "String(document.quilmeadProbe)").toString(),
                 QStringLiteral("1"));
        QVERIFY(f.split().isPatchable());
        edit(0, 20, "s");                   // the title: rendered whole
        QCOMPARE(f.split().documentTitle(), QStringLiteral("Ts"));
        QVERIFY(f.refreshed(f.split(), [&] { editor.undo(); }));
        QCOMPARE(f.split().documentTitle(), QStringLiteral("T"));
        edit(1, 14, "y");
        const QString shown = runScript(f.split(), whole).toString();
        QVERIFY(shown.contains(QStringLiteral("Alphaxy")));
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
        QCOMPARE(shown, runScript(f.split(), whole).toString());
    }

    // A page too large to render after every change waits for F5, and the
    // status bar says so.
    void largePageWaitsForF5() {
        Fixture f;
        f.preview().setAutoRenderLimit(40);
        f.open("large.htm", "<P>A page longer than the limit set for it.</P>");
        QSignalSpy loads(&f.split(), &HtmlViewer::loadFinished);
        f.preview().updateWebView();
        QLabel *hint = f.w.statusPanels[Shell::HintPanel];
        QTRY_COMPARE(hint->text(), PreviewController::tooLargeText());
        QVERIFY(loads.isEmpty() && !f.split().isBusy());
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
        QVERIFY(f.rendered(f.split()).contains("longer than the limit"));
        QVERIFY(hint->text().isEmpty());
    }

    void failedRenderIsReportedAndRestoresThePanel() {
        Fixture f;
        f.open("page.htm", "<P>Page</P>");
        f.preview().setViewerLoader([](HtmlViewer &, const QString &, const QString &) {
            throw std::runtime_error("viewer failed");
        });
        f.preview().refreshViewer(0, &f.split());
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{"An error occured while parsing a comment in your HTML document!"});
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(f.w.toolsPanel->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        // The program goes on: the next render works.
        f.preview().setViewerLoader([](HtmlViewer &viewer, const QString &html,
                                       const QString &dir) { viewer.loadFromString(html, dir); });
        QVERIFY(f.refreshed(f.split(), [&] { f.a.refreshHtml->trigger(); }));
    }

    void fullScreenRendersIntoTheFullPreview() {
        Fixture f;
        f.open("page.htm", "<P>Whole screen</P>");
        QVERIFY(f.refreshed(*f.w.htmlFull, [&] {
            f.shell.fullScreen = true;
            f.w.htmlFull->show();
            f.preview().fullScreenChanged(true);
        }));
        QVERIFY(f.rendered(*f.w.htmlFull).contains("Whole screen"));
        f.w.webPage->setText("<P>Changed meanwhile</P>");
        QSignalSpy splitLoads(&f.split(), &HtmlViewer::loadFinished);
        QVERIFY(f.refreshed(*f.w.htmlFull, [&] { f.preview().updateWebView(); }));
        QVERIFY(f.rendered(*f.w.htmlFull).contains("Changed meanwhile"));
        QCOMPARE(f.w.htmlFull->position(), 0);
        QVERIFY(splitLoads.isEmpty());
    }

    void printPageWritesTheRenderedPage() {
        Fixture f;
        f.open("page.htm", "<P>printed</P>");
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QPrinter printer;
        const QString pdf = f.docDir.file("graphic.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        bool done = false, ok = false;
        f.preview().printPage(printer, [&](bool success) {
            done = true;
            ok = success;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
        QVERIFY(ok);
        QVERIFY(TestFolder::read(pdf).startsWith("%PDF"));
    }

    void renderedTextIsWhatAReaderSees() {
        Fixture f;
        f.open("page.htm", "<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY><P>One <B>two</B></P></BODY>");
        QString text;
        QVERIFY(f.preview().renderedText(text));
        QCOMPARE(text.trimmed(), QString("One two"));
    }

    void clearingEmptiesThePreviews() {
        Fixture f;
        f.open("frames.htm", "<frameset cols=\"50%,*\"><frame src=\"next.htm\"></frameset>");
        f.preview().updateWebView();
        QVERIFY(f.preview().framePreviewShown());
        f.preview().clearPreviews();
        QVERIFY(!f.preview().framePreviewShown());
        QTRY_COMPARE_WITH_TIMEOUT(f.rendered(f.split()).trimmed(), QString(), 10000);
        // An empty text renders as an empty page.
        f.w.webPage->setText(QString());
        QVERIFY(f.refreshed(f.split(), [&] { f.preview().updateWebView(); }));
        QCOMPARE(f.rendered(f.split()).trimmed(), QString());
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    useLinkedEngine();
    TestPreviewController test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_previewcontroller.moc"
