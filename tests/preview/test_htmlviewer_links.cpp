// Links, history, forms and frame sets in the viewer, on the real browser
// engine. Clicks are made by the page's own scripts or by the mouse.

#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "testfolder.h"
#include "viewertesting.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWebEngineView>
#include <QtTest>

using namespace ViewerTesting;

namespace {

const char *const indexPage =
    "<html><head><title>Index</title></head><body>"
    "<p><a id=l href=\"next.htm\">Next <b id=inner>page</b></a></p>"
    "<p><a id=frag href=\"#sec\">Down</a>"
    " <a id=blank href=\"next.htm\" target=\"_blank\">New window</a>"
    " <a id=js href=\"javascript:void(0)\">Script</a>"
    " <a id=cancel href=\"next.htm\" onclick=\"return false\">Cancelled</a>"
    " <a id=mail href=\"mailto:a@example.com\">Mail</a>"
    " <span id=plain>Plain text</span></p>"
    "<p><img src=\"map.png\" usemap=\"#m\" width=20 height=20><map name=\"m\">"
    "<area id=area shape=rect coords=\"0,0,20,20\" href=\"next.htm\"></map></p>"
    "<div style=\"height: 3000px\"></div><p><a name=\"sec\">Section</a></p></body></html>";

QString chainPage(int n) {
    return QStringLiteral("<title>P%1</title><a id=l href=\"p%2.htm\">on</a>").arg(n).arg(n + 1);
}

} // namespace

class TestHtmlViewerLinks : public QObject {
    Q_OBJECT

    std::unique_ptr<HtmlViewer> viewer;
    TestFolder folder;

    bool open(const QString &name) {
        bool ok = false;
        return loadAndWait(
                   *viewer, [&] { viewer->loadFromFile(folder.file(name)); }, &ok) &&
               ok;
    }
    void click(const QString &id) {
        runScript(*viewer, QStringLiteral("document.getElementById('%1').click()").arg(id));
    }
    QString title() { return viewer->documentTitle(); }
    QWidget *renderWidget() {
        auto *view = viewer->findChild<QWebEngineView *>();
        return view ? view->focusProxy() : nullptr;
    }
    QPoint centreOf(const QString &id) {
        const QVariantList r =
            runScript(*viewer, QStringLiteral("(function(){ const r = document.getElementById('%1')"
                                              ".getBoundingClientRect(); return [r.x + r.width / "
                                              "2, r.y + r.height / 2]; })()")
                                   .arg(id))
                .toList();
        return r.size() == 2 ? QPoint(r.at(0).toInt(), r.at(1).toInt()) : QPoint();
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        folder.write("index.htm", indexPage);
        folder.write("next.htm", "<title>Next</title><p>The next page</p>");
        for (int i = 0; i < 7; ++i)
            folder.write(QStringLiteral("p%1.htm").arg(i), chainPage(i).toUtf8());
    }
    void init() {
        viewer = std::make_unique<HtmlViewer>();
        viewer->resize(600, 400);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QVERIFY(open("index.htm"));
    }
    void cleanup() { viewer.reset(); }

    void hoverByScript() {
        QSignalSpy covered(viewer.get(), &HtmlViewer::hotSpotCovered);
        runScript(*viewer, "document.getElementById('inner').dispatchEvent("
                           "new MouseEvent('mouseover', {bubbles: true}))");
        QTRY_COMPARE_WITH_TIMEOUT(covered.size(), 1, 5000);
        QCOMPARE(covered.last().at(0).toString(), QStringLiteral("next.htm"));
        // Moving within the link reports nothing; leaving it reports "".
        runScript(*viewer, "document.getElementById('inner').dispatchEvent(new MouseEvent("
                           "'mouseout', {bubbles: true, relatedTarget: "
                           "document.getElementById('l')}))");
        runScript(*viewer, "document.getElementById('inner').dispatchEvent(new MouseEvent("
                           "'mouseout', {bubbles: true, relatedTarget: "
                           "document.getElementById('plain')}))");
        QTRY_COMPARE_WITH_TIMEOUT(covered.size(), 2, 5000);
        QCOMPARE(covered.last().at(0).toString(), QString());
    }

    void hoverAndClickWithMouse() {
        QWidget *target = renderWidget();
        QVERIFY(target);
        const QPoint link = centreOf("l");
        QVERIFY(!link.isNull());
        QSignalSpy covered(viewer.get(), &HtmlViewer::hotSpotCovered);
        QTest::mouseMove(target, link);
        QTRY_VERIFY_WITH_TIMEOUT(!covered.isEmpty(), 5000);
        QCOMPARE(covered.last().at(0).toString(), QStringLiteral("next.htm"));
        // A new document under the pointer: the link is gone.
        QVERIFY(loadAndWait(*viewer, [&] { QTest::mouseClick(target, Qt::LeftButton, {}, link); }));
        QCOMPARE(title(), QStringLiteral("Next"));
        QCOMPARE(covered.last().at(0).toString(), QString());
    }

    void rightClickAsksTheViewerForItsMenu() {
        viewer->setContextMenuPolicy(Qt::CustomContextMenu);
        QSignalSpy menu(viewer.get(), &QWidget::customContextMenuRequested);
        QTest::mouseClick(renderWidget(), Qt::RightButton, {}, QPoint(30, 200));
        QTRY_COMPARE_WITH_TIMEOUT(menu.size(), 1, 5000);
        QCOMPARE(menu.first().at(0).toPoint(), QPoint(30, 200));
    }

    void handledClickIsNotFollowed() {
        QStringList clicked;
        connect(viewer.get(), &HtmlViewer::hotSpotClick, this,
                [&](const QString &target, bool *handled) {
                    clicked << target;
                    *handled = true;
                });
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        click("l");
        QTRY_COMPARE_WITH_TIMEOUT(clicked, QStringList{"next.htm"}, 5000);
        QTest::qWait(500);
        QVERIFY(finished.isEmpty());
        QCOMPARE(title(), QStringLiteral("Index"));
        QVERIFY(viewer->history().isEmpty());
    }

    void clickIsFollowedAndRecorded() {
        QSignalSpy changed(viewer.get(), &HtmlViewer::historyChanged);
        QVERIFY(loadAndWait(*viewer, [&] { click("l"); }));
        QCOMPARE(title(), QStringLiteral("Next"));
        QCOMPARE(viewer->history(), QStringList{folder.file("next.htm")});
        QCOMPARE(viewer->historyIndex(), 0);
        QCOMPARE(changed.size(), 1);
    }

    // A page that keeps clicks from every listener but its own still cannot
    // navigate by itself: the click is reported with the full address.
    void clickHiddenFromTheViewer() {
        QVERIFY(loadAndWait(*viewer, [&] {
            viewer->loadFromString("<title>Hiding</title><script>window.addEventListener("
                                   "'click', e => e.stopPropagation(), true)</script>"
                                   "<a id=l href=\"next.htm\">Next</a>",
                                   folder.path());
        }));
        QStringList clicked;
        bool handle = true;
        connect(viewer.get(), &HtmlViewer::hotSpotClick, this,
                [&](const QString &target, bool *handled) {
                    clicked << target;
                    *handled = handle;
                });
        click("l");
        QTRY_COMPARE_WITH_TIMEOUT(clicked, QStringList{folder.file("next.htm")}, 5000);
        QTest::qWait(300);
        QCOMPARE(title(), QStringLiteral("Hiding"));
        QVERIFY(!viewer->isBusy());

        handle = false;
        QVERIFY(loadAndWait(*viewer, [&] { click("l"); }));
        QCOMPARE(title(), QStringLiteral("Next"));
        QCOMPARE(viewer->history(), QStringList{folder.file("next.htm")});
    }

    void linkKinds_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("reported"); // empty: no hotSpotClick
        QTest::addColumn<QString>("titleAfter");
        QTest::newRow("new-window link loads in place") << "blank"
                                                        << "next.htm"
                                                        << "Next";
        QTest::newRow("image map area") << "area"
                                        << "next.htm"
                                        << "Next";
        QTest::newRow("anchor in the page: no load") << "frag"
                                                     << "#sec"
                                                     << "Index";
        QTest::newRow("mail link: reported, not loaded") << "mail"
                                                         << "mailto:a@example.com"
                                                         << "Index";
        QTest::newRow("script link: the page's business") << "js"
                                                          << ""
                                                          << "Index";
        QTest::newRow("click cancelled by the page") << "cancel"
                                                     << ""
                                                     << "Index";
    }
    void linkKinds() {
        QFETCH(QString, id);
        QFETCH(QString, reported);
        QFETCH(QString, titleAfter);
        QSignalSpy clicks(viewer.get(), &HtmlViewer::hotSpotClick);
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        click(id);
        if (titleAfter != title())
            QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);
        else
            QTest::qWait(500);
        QCOMPARE(title(), titleAfter);
        QCOMPARE(clicks.isEmpty() ? QString() : clicks.first().at(0).toString(), reported);
        QCOMPARE(viewer->history().size(), titleAfter == QLatin1String("Index") ? 0 : 1);
        if (id == QLatin1String("frag")) {
            QVERIFY(finished.isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(viewer->position() > 1000, 5000);
        }
    }

    void historyLimitAndIndex() {
        viewer->setHistoryMaxCount(3);
        QCOMPARE(viewer->historyMaxCount(), 3);
        QVERIFY(open("p0.htm"));
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(loadAndWait(*viewer, [&] { click("l"); }));
            QCOMPARE(title(), QStringLiteral("P%1").arg(i));
        }
        const QStringList expected{folder.file("p5.htm"), folder.file("p4.htm"),
                                   folder.file("p3.htm")};
        QCOMPARE(viewer->history(), expected);

        QSignalSpy changed(viewer.get(), &HtmlViewer::historyChanged);
        QVERIFY(loadAndWait(*viewer, [&] { viewer->setHistoryIndex(2); }));
        QCOMPARE(title(), QStringLiteral("P3"));
        QCOMPARE(viewer->historyIndex(), 2);
        QCOMPARE(changed.size(), 1);

        // One past the oldest entry: the index moves, nothing loads.
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        viewer->setHistoryIndex(3);
        QCOMPARE(viewer->historyIndex(), 3);
        viewer->setHistoryIndex(4);
        viewer->setHistoryIndex(-1);
        QCOMPARE(viewer->historyIndex(), 3);
        QCOMPARE(changed.size(), 2);
        QTest::qWait(300);
        QVERIFY(finished.isEmpty());

        // Following a link from there starts the list afresh.
        QVERIFY(loadAndWait(*viewer, [&] { click("l"); }));
        QCOMPARE(viewer->history(), QStringList{folder.file("p4.htm")});
        QCOMPARE(viewer->historyIndex(), 0);

        viewer->setHistoryMaxCount(0);
        QVERIFY(viewer->history().isEmpty());
    }

    void formSubmit_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("GET with every kind of field")
            << "<form action=\"cgi/echo.pl\" method=\"get\"><input name=user value=\"Ann\">"
               "<input type=checkbox name=c value=yes checked><input type=checkbox name=d>"
               "<select name=s><option>One<option selected>Two</select>"
               "<textarea name=t>a b</textarea><input type=submit id=go name=send value=Send>"
               "</form>"
            << "cgi/echo.pl"
            << "GET" << QStringList{"user=Ann", "c=yes", "s=Two", "t=a b", "send=Send"};
        QTest::newRow("POST, upper case mark-up")
            << "<FORM ACTION=\"mailto:me@example.com\" METHOD=POST>"
               "<INPUT TYPE=RADIO NAME=r VALUE=1><INPUT TYPE=RADIO NAME=r VALUE=2 CHECKED>"
               "<INPUT TYPE=hidden NAME=h VALUE=x><button id=go>Go</button></FORM>"
            << "mailto:me@example.com"
            << "POST" << QStringList{"r=2", "h=x"};
        QTest::newRow("no action, no method, awkward value")
            << "<form><input name=q value=\"a&amp;b=c\"><input type=submit id=go></form>"
            << ""
            << "GET" << QStringList{"q=a&b=c"};
        QTest::newRow("button overrides the form")
            << "<form action=a.pl method=get><input name=q value=1>"
               "<button id=go formaction=b.pl formmethod=post name=b value=2>Go</button></form>"
            << "b.pl"
            << "POST" << QStringList{"q=1", "b=2"};
        QTest::newRow("field named like form properties")
            << "<form action=real.pl method=post><input name=action value=x>"
               "<input name=method value=y><input type=submit id=go></form>"
            << "real.pl"
            << "POST" << QStringList{"action=x", "method=y"};
    }
    void formSubmit() {
        QFETCH(QString, form);
        QFETCH(QString, action);
        QFETCH(QString, method);
        QFETCH(QStringList, fields);
        QVERIFY(loadAndWait(
            *viewer, [&] { viewer->loadFromString("<title>Form</title>" + form, folder.path()); }));
        QSignalSpy submitted(viewer.get(), &HtmlViewer::formSubmit);
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        click("go");
        QTRY_COMPARE_WITH_TIMEOUT(submitted.size(), 1, 5000);
        QCOMPARE(submitted.first().at(0).toString(), action);
        QCOMPARE(submitted.first().at(1).toString(), method);
        QCOMPARE(submitted.first().at(2).toStringList(), fields);
        QTest::qWait(300);
        QVERIFY(finished.isEmpty());
        QCOMPARE(title(), QStringLiteral("Form"));
    }

    // A script's form.submit() skips the submit event: nothing is reported,
    // and still nothing is sent or loaded.
    void scriptSubmitGoesNowhere() {
        QVERIFY(loadAndWait(*viewer, [&] {
            viewer->loadFromString("<title>Form</title><form action=next.htm>"
                                   "<input name=q value=1></form>",
                                   folder.path());
        }));
        QSignalSpy finished(viewer.get(), &HtmlViewer::loadFinished);
        runScript(*viewer, "document.forms[0].submit()");
        QTest::qWait(1000);
        QVERIFY(finished.isEmpty());
        QCOMPARE(title(), QStringLiteral("Form"));
    }

    void frameSet() {
        folder.write("left.htm", "<title>Left</title><p>Left frame</p>"
                                 "<a id=l href=\"next.htm\" target=\"main\">in frame</a> "
                                 "<a id=top href=\"next.htm\" target=\"_top\">whole</a>");
        folder.write("right.htm", "<title>Right</title><p>Right frame</p>");
        folder.write("quilview.htm", "<html><head><title>Frames</title></head>"
                                     "<frameset cols=\"50%,*\"><frame name=left src=\"left.htm\">"
                                     "<frame name=main src=\"right.htm\"></frameset></html>");
        QVERIFY(open("quilview.htm"));
        QCOMPARE(title(), QStringLiteral("Frames"));
        QString text;
        viewer->renderedText([&](const QString &t) { text = t; });
        QTRY_VERIFY_WITH_TIMEOUT(text.contains(QLatin1String("Left frame")) &&
                                     text.contains(QLatin1String("Right frame")),
                                 5000);

        // A link aimed at a frame loads into that frame.
        QSignalSpy clicks(viewer.get(), &HtmlViewer::hotSpotClick);
        runScript(*viewer, "frames[0].document.getElementById('l').click()");
        QTRY_COMPARE_WITH_TIMEOUT(runScript(*viewer, "frames[1].document.title").toString(),
                                  QStringLiteral("Next"), 5000);
        QVERIFY(clicks.isEmpty());
        QCOMPARE(title(), QStringLiteral("Frames"));

        // One aimed at the whole window is the viewer's to follow.
        QVERIFY(loadAndWait(*viewer, [&] {
            runScript(*viewer, "frames[0].document.getElementById('top').click()");
        }));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(title(), QStringLiteral("Next"));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    useLinkedEngine();
    TestHtmlViewerLinks test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_htmlviewer_links.moc"
