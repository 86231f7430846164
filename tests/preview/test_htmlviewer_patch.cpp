// Edits shown in place on the real browser engine: a patched page equals the
// same text rendered whole, the reader stays where they were, and a renderer
// that dies leaves a notice and comes back with the next document.

#include "preview/htmlviewer.h"
#include "testfolder.h"
#include "viewertesting.h"

#include <QLabel>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>
#include <csignal>

using namespace ViewerTesting;

namespace {

const QString head =
    QStringLiteral("<!DOCTYPE html>\r\n<HTML><HEAD><TITLE>Patched</TITLE></HEAD>\r\n"
                   "<BODY BGCOLOR=\"#FFFFFF\">\r\n");
const QString foot = QStringLiteral("</BODY>\r\n</HTML>\r\n");

const QString body =
    QStringLiteral("Lead text <B>bold</B>\r\n<H1 ID=\"t\">Caf\u00e9 title</H1>\r\n"
                   "<P>One <I>two</I> three &amp; four</P>\r\n<!-- a note -->\r\n"
                   "<TABLE BORDER=1><TR><TD>a</TD><TD>b</TD></TR></TABLE>\r\n"
                   "<UL><LI>x</LI><LI>y</LI></UL><HR><IMG SRC=\"pic.png\" ALT=\"a > b\">tail "
                   "<TEXTAREA>x <b> y</TEXTAREA>\r\n<P>Last</P>\r\n");

QString edited(const QString &from, const QString &to) {
    QString text = head + body + foot;
    const qsizetype at = text.indexOf(from);
    Q_ASSERT(at >= 0);
    return text.replace(at, from.size(), to);
}

} // namespace

class TestHtmlViewerPatch : public QObject {
    Q_OBJECT

    std::unique_ptr<HtmlViewer> viewer;
    TestFolder folder;

    bool show(const std::function<void()> &action) {
        bool ok = false;
        return loadAndWait(*viewer, action, &ok) && ok;
    }
    QString js(const QString &source) { return runScript(*viewer, source).toString(); }
    QWebEngineView *view() { return viewer->findChild<QWebEngineView *>(); }

private slots:
    void initTestCase() {
        useLinkedEngine();
        QVERIFY(folder.isValid());
        folder.write("pic.png", tinyPng(20, 10));
    }
    void init() {
        viewer = std::make_unique<HtmlViewer>();
        viewer->resize(500, 300);
        viewer->show();
    }
    void cleanup() { viewer.reset(); }

    // Whatever the edit, the page on show equals the new text rendered
    // whole; edits inside the body's blocks are patched, the rest rendered.
    void patchedEqualsWhole_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("patched");
        const QString p = head + body + foot;
        QTest::newRow("typing in a paragraph") << p << edited("two", "twoo") << true;
        QTest::newRow("typing in the lead text") << p << edited("Lead", "Leads") << true;
        QTest::newRow("typing between blocks") << p << edited("\r\n<H1", "\r\nx <H1") << true;
        QTest::newRow("adding a block")
            << p << edited("<HR>", "<HR><P>New &lt;one&gt;</P>\r\n") << true;
        QTest::newRow("removing a block")
            << p << edited("<UL><LI>x</LI><LI>y</LI></UL>", "") << true;
        QTest::newRow("editing a cell") << p << edited("<TD>b</TD>", "<TD>bee</TD>") << true;
        QTest::newRow("editing in a text area") << p << edited("x <b> y", "x <b> yz") << true;
        QTest::newRow("editing the last block") << p << edited("Last", "Least") << true;
        QTest::newRow("a block after the last")
            << p << edited("<P>Last</P>\r\n", "<P>Last</P>\r\n<P>After</P>") << true;
        QTest::newRow("typing in a heading") << p << edited("title", "titles") << true;
        QTest::newRow("typing after a start tag") << p << edited("<P>One", "<P>xOne") << true;
        QTest::newRow("typing before an end tag") << p << edited("four</P>", "four!</P>") << true;
        QTest::newRow("emptying a paragraph") << p << edited("<P>Last</P>", "<P></P>") << true;
        QTest::newRow("adding mark-up in a paragraph")
            << p << edited("three", "<B>3</B> &lt;<A HREF=\"x.htm\">x</A>") << true;
        QTest::newRow("editing a list item") << p << edited("<LI>y", "<LI>yes <I>y</I>") << true;
        QTest::newRow("changing a start tag")
            << p << edited("<H1 ID=\"t\">", "<H1 ID=\"u\" CLASS=\"c\">") << true;
        QTest::newRow("an edit that unbalances tags") << p << edited("</I>", "") << false;
        QTest::newRow("an edit that opens a block in a paragraph")
            << p << edited("three", "<DIV>three</DIV>") << false;
        QTest::newRow("balanced again") << edited("</I>", "") << p << false;
        QTest::newRow("an edit in the head")
            << p << edited("<TITLE>Patched", "<TITLE>Other") << false;
        QTest::newRow("a script added")
            << p << edited("<HR>", "<HR><SCRIPT>document.write('<P>w</P>')</SCRIPT>") << false;
        QTest::newRow("a frame set")
            << p << "<HTML><FRAMESET COLS=\"50%,*\"><FRAME SRC=\"a.htm\"></FRAMESET></HTML>"
            << false;
        QTest::newRow("no BODY tag") << "<P>One</P>"
                                     << "<P>One two</P>" << false;
    }
    void patchedEqualsWhole() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, patched);
        const QString dir = folder.path();
        QVERIFY(show([&] { viewer->loadFromString(before, dir); }));
        js("document.quilmeadProbe = 1;");
        QVERIFY(show([&] { QVERIFY(viewer->updateFromString(after, dir)); }));
        const QString whole = QStringLiteral("document.documentElement.outerHTML");
        const QString shown = js(whole);
        const QString title = viewer->documentTitle();
        QCOMPARE(js("document.quilmeadProbe === 1 ? 'same' : 'new'"),
                 QString(patched ? "same" : "new"));

        QVERIFY(show([&] { viewer->loadFromString(after, dir); }));
        QCOMPARE(shown, js(whole));
        QCOMPARE(title, viewer->documentTitle());
    }

    // Edits one after another, each patched where the ones before left the
    // blocks, end with the page the final text gives when rendered whole.
    //
    // The spans of each edit may come from the caller (exact, or wider as
    // when several keystrokes make one update); spans told for another text
    // than the one on show are not used. Told as a change, the viewer gets
    // only the text between the spans and edits its own copy; given a
    // source of the text, it keeps no copy and reads from the source only
    // what the change touched.
    void aSeriesOfEditsEqualsWhole_data() {
        QTest::addColumn<int>("told");     // -1: none; else how much wider than the edit
        QTest::addColumn<bool>("stale");   // told for an earlier version
        QTest::addColumn<bool>("byChange"); // updateFromChange with the changed text
        QTest::addColumn<bool>("sourced");  // the viewer reads the text from a source
        QTest::newRow("compared") << -1 << false << false << false;
        QTest::newRow("told exactly") << 0 << false << false << false;
        QTest::newRow("told wider") << 9 << false << false << false;
        QTest::newRow("told for another text") << 0 << true << false << false;
        QTest::newRow("a change told exactly") << 0 << false << true << false;
        QTest::newRow("a change told wider") << 9 << false << true << false;
        QTest::newRow("a change told for another text") << 0 << true << true << false;
        QTest::newRow("a change read from a source") << 0 << false << true << true;
        QTest::newRow("a wider change read from a source") << 9 << false << true << true;
    }
    void aSeriesOfEditsEqualsWhole() {
        QFETCH(int, told);
        QFETCH(bool, stale);
        QFETCH(bool, byChange);
        QFETCH(bool, sourced);
        const QString dir = folder.path();
        QString text = head +
                       QStringLiteral("<DIV ALIGN=\"center\"><P>In a division</P></DIV>\r\n") +
                       body + foot;
        qint64 version = 0;
        if (sourced)
            viewer->setTextSource({[&] { return version; }, [&] { return int(text.size()); },
                                   [&](int from, int to) { return text.mid(from, to - from); }});
        QVERIFY(show([&] { viewer->loadFromString(text, dir); }));
        if (byChange) { // the text on show gets version 0
            QVERIFY(show([&] { QVERIFY(viewer->updateFromString(text, dir, {0})); }));
            QCOMPARE(viewer->textVersion(), qint64(0));
        }
        js("document.quilmeadProbe = 1;");
        const QList<QPair<QString, QString>> edits{{"division", "divisions"},
                                                   {"<P>One", "<P>One more"},
                                                   {"Last", "Lastly <B>b</B>"},
                                                   {"<HR>", "<HR><P>New</P>\r\n"},
                                                   {"New", "Newer"},
                                                   {"title", "titled"},
                                                   {"Lastly", "L"},
                                                   {"<LI>x", "<LI>xx"},
                                                   {"In a", "<I>In</I> a"}};
        for (const auto &[from, to] : edits) {
            const int at = int(text.indexOf(from));
            const int after = int(text.size()) - at - int(from.size());
            text.replace(at, from.size(), to);
            HtmlViewer::KnownChange known;
            if (told >= 0) {
                known.since = stale ? version - 1 : version;
                known.version = ++version;
                known.samePrefix = qMax(0, at - told);
                known.sameSuffix = qMax(0, after - told);
                known.delta = to.size() - from.size();
                if (stale) // what would be wrong for this text
                    known.samePrefix = known.sameSuffix = int(text.size());
            }
            if (byChange) {
                const QString changed =
                    stale ? text
                          : text.mid(known.samePrefix,
                                     text.size() - known.samePrefix - known.sameSuffix);
                // A change told for another text is refused; the whole text
                // is given then.
                const HtmlViewer::Update expected =
                    stale ? HtmlViewer::Update::NeedsText : HtmlViewer::Update::Shown;
                QVERIFY(show([&] {
                    QCOMPARE(viewer->updateFromChange(changed, dir, known), expected);
                    if (stale)
                        QVERIFY(viewer->updateFromString(text, dir, known));
                }));
            } else {
                QVERIFY(show([&] { QVERIFY(viewer->updateFromString(text, dir, known)); }));
            }
            QCOMPARE(viewer->textVersion(), known.version);
        }
        viewer->setTextSource({}); // it reads the locals above
        QCOMPARE(js("document.quilmeadProbe === 1 ? 'same' : 'new'"), QStringLiteral("same"));
        const QString whole = QStringLiteral("document.documentElement.outerHTML");
        const QString shown = js(whole);
        QVERIFY(show([&] { viewer->loadFromString(text, dir); }));
        QCOMPARE(shown, js(whole));
        QCOMPARE(viewer->textVersion(), qint64(-1));
    }

    // Every edit keeps the reader where they were, whether it is patched in
    // or the page is rendered whole, also when the page grows.
    void editsKeepTheScrollPosition_data() {
        QTest::addColumn<bool>("withBody");
        QTest::newRow("patched") << true;
        QTest::newRow("rendered whole") << false;
    }
    void editsKeepTheScrollPosition() {
        QFETCH(bool, withBody);
        QString blocks;
        for (int i = 0; i < 400; ++i)
            blocks +=
                QStringLiteral("<P>Paragraph %1 with <IMG SRC=\"pic.png\"> a picture.</P>\r\n")
                    .arg(i);
        auto pageOf = [&](const QString &extra) {
            return withBody ? head + blocks + extra + foot : blocks + extra;
        };
        const QString dir = folder.path();
        QVERIFY(show([&] { viewer->loadFromString(pageOf(QString()), dir); }));
        QVERIFY(viewer->maxPosition() > 4000);
        viewer->setPosition(viewer->maxPosition() / 2);
        QTRY_COMPARE(viewer->position(), viewer->maxPosition() / 2);
        const int position = viewer->position();
        QString extra;
        for (int i = 0; i < 5; ++i) {
            extra += QStringLiteral("<P>Grown %1</P>").arg(i);
            QVERIFY(show([&] { viewer->updateFromString(pageOf(extra), dir); }));
            QCOMPARE(viewer->isPatchable(), withBody);
            QCOMPARE(js("String(Math.round(window.scrollY))").toInt(), position);
        }
    }

    // A page over the limit is not rendered whole on an update, but edits to
    // it once it is on show are still patched in.
    void largePagesWaitForARequest() {
        const QString dir = folder.path();
        viewer->setAutoRenderLimit(head.size() + body.size());
        QVERIFY(show([&] { viewer->loadFromString(head + body + foot, dir); }));
        QVERIFY(show([&] { QVERIFY(viewer->updateFromString(edited("two", "twoo"), dir)); }));
        QVERIFY(js("document.body.textContent").contains("twoo"));
        QVERIFY(!viewer->updateFromString(edited("<TITLE>Patched", "<TITLE>Other"), dir));
        QVERIFY(!viewer->isBusy());
        QCOMPARE(viewer->documentTitle(), QStringLiteral("Patched"));
        // Nothing is patched into the stale page after that.
        QVERIFY(!viewer->updateFromString(edited("two", "two2"), dir));
        QVERIFY(show([&] { viewer->loadFromString(edited("two", "two2"), dir); }));
        QVERIFY(js("document.body.textContent").contains("two2"));
    }

    // The same with the text read from a source: an edit that needs a whole
    // render over the limit does not read the whole text.
    void largePagesFromASourceAreNotReadWhole() {
        const QString dir = folder.path();
        QString text = head + body + foot;
        qint64 version = 1;
        qsizetype read = 0;
        viewer->setTextSource({[&] { return version; }, [&] { return int(text.size()); },
                               [&](int from, int to) {
                                   read += to - from;
                                   return text.mid(from, to - from);
                               }});
        viewer->setAutoRenderLimit(head.size() + body.size());
        QVERIFY(show([&] { viewer->loadFromString(text, dir); }));
        QVERIFY(show([&] { QVERIFY(viewer->updateFromString(text, dir, {1})); }));
        auto change = [&](const QString &from, const QString &to) {
            const int at = int(text.indexOf(from));
            text.replace(at, from.size(), to);
            HtmlViewer::KnownChange known;
            known.since = version;
            known.version = ++version;
            known.samePrefix = at;
            known.sameSuffix = int(text.size()) - at - int(to.size());
            known.delta = to.size() - from.size();
            return viewer->updateFromChange(to, dir, known);
        };
        QVERIFY(show([&] { QCOMPARE(change("two", "twoo"), HtmlViewer::Update::Shown); }));
        QVERIFY(js("document.body.textContent").contains("twoo"));
        QVERIFY(read < text.size());
        read = 0;
        QCOMPARE(change("<TITLE>Patched", "<TITLE>Other"), HtmlViewer::Update::TooLarge);
        QVERIFY(read < text.size());
        QCOMPARE(viewer->textVersion(), qint64(-1));
        viewer->setTextSource({});
    }

    // Texts rendered whole one after another are not kept by the engine
    // (its history would hold each in the program's process).
    void theEngineKeepsNoTextsShownBefore() {
        const QString dir = folder.path();
        for (int i = 0; i < 3; ++i)
            QVERIFY(show([&] {
                viewer->loadFromString(edited("<HEAD>", QStringLiteral("<HEAD>%1").arg(i)), dir);
            }));
        QCOMPARE(view()->page()->history()->count(), 1);
        QVERIFY(!view()->page()->history()->canGoBack());
    }

    // The renderer's process dies: the preview says so in its own place and
    // the next document brings the page back.
    void rendererDeathIsShownAndRecovered() {
        const QString dir = folder.path();
        QVERIFY(show([&] { viewer->loadFromString(head + body + foot, dir); }));
        const qint64 pid = view()->page()->renderProcessPid();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(viewer->findChild<QLabel *>("previewStoppedNotice"), 10000);
        QLabel *notice = viewer->findChild<QLabel *>("previewStoppedNotice");
        QVERIFY(notice->isVisible());
        QVERIFY(!view()->isVisible());
        QVERIFY(!viewer->isBusy());
        QVERIFY(!viewer->isPatchable());

        QVERIFY(show([&] { viewer->updateFromString(edited("two", "twoo"), dir); }));
        QVERIFY(!viewer->findChild<QLabel *>("previewStoppedNotice"));
        QVERIFY(view()->isVisible());
        QVERIFY(js("document.body.textContent").contains("twoo"));
        QVERIFY(view()->page()->renderProcessPid() != pid);
        // Patching works again on the new renderer.
        QVERIFY(show([&] { viewer->updateFromString(edited("two", "twooo"), dir); }));
        QVERIFY(viewer->isPatchable());
        QVERIFY(js("document.body.textContent").contains("twooo"));
    }
};

QTEST_MAIN(TestHtmlViewerPatch)
#include "test_htmlviewer_patch.moc"
