// The page details window, offscreen: what it shows, and what clicks on its
// lists do.

#include "projects/evaluation/linktarget.h"
#include "projects/evaluation/ui/evaluateform.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

QListWidget *list(QWidget *form, const char *name) {
    auto *w = form->findChild<QListWidget *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no list %s", name);
    return w;
}

QStringList items(QListWidget *list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void click(QListWidget *list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// As a user does it: a click, then the second press that makes it double.
void doubleClick(QListWidget *list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestEvaluateForm : public QObject {
    Q_OBJECT
private slots:
    void init() { m_folder.reset(new TestFolder); }

    void showsTheEvaluation() {
        ScriptedUserInteraction ui;
        EvaluateForm form(ui);
        QCOMPARE(form.objectName(), QString("TEvaluateForm"));
        QCOMPARE(form.windowTitle(), QString("Web Page Details"));
        int evaluations = 0;
        form.setHooks({[&] {
                           ++evaluations;
                           return page();
                       },
                       {},
                       {},
                       {}});
        form.refresh();
        QCOMPARE(evaluations, 1);
        QCOMPARE(form.windowTitle(), QString("Web details for: <Home>"));
        QCOMPARE(items(list(&form, "FilesFound")), QStringList{"logo.gif"});
        QCOMPARE(items(list(&form, "FilesMissing")), QStringList{"gone.gif"});
        QCOMPARE(items(list(&form, "Links")),
                 (QStringList{"#top", "about.htm", "mailto:me@example.com"}));
        QCOMPARE(items(list(&form, "LocatedLinks")), QStringList{"about.htm"});
        QCOMPARE(items(list(&form, "PageMarkers")), QStringList());
        QCOMPARE(items(list(&form, "MissingPages")), QStringList{"top"});
        QCOMPARE(list(&form, "WebDetails")->count(), page().webDetails.size());
        QCOMPARE(list(&form, "Links")->toolTip(),
                 QString("Double click to pass URL to Netscape, or email address to Eudora"));
        QCOMPARE(list(&form, "LocatedLinks")->toolTip(), list(&form, "Links")->toolTip());
    }

    // Each time the window becomes active it evaluates the page again, so
    // that it follows the user's edits.
    void evaluatesWhenActivated() {
        ScriptedUserInteraction ui;
        EvaluateForm form(ui);
        int evaluations = 0;
        form.setHooks({[&] {
                           ++evaluations;
                           return page();
                       },
                       {},
                       {},
                       {}});
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(evaluations >= 1);
        QCOMPARE(form.windowTitle(), QString("Web details for: <Home>"));
        QCOMPARE(list(&form, "FilesFound")->count(), 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void clickShowsTheItemInTheHeader() {
        ScriptedUserInteraction ui;
        EvaluateForm form(ui);
        form.showEvaluation(page());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        click(list(&form, "FilesMissing"), 0);
        QCOMPARE(form.findChild<QLabel *>("Header1")->text(), QString("gone.gif"));
        QCOMPARE(list(&form, "FilesMissing")->selectedItems().size(), 1);
        click(list(&form, "Links"), 1);
        QCOMPARE(form.findChild<QLabel *>("Header1")->text(), QString("about.htm"));
        QVERIFY(list(&form, "FilesMissing")->selectedItems().isEmpty());
        QCOMPARE(list(&form, "Links")->selectedItems().size(), 1);
    }

    // A double-click on a reference's details line puts the caret there and
    // closes the window; on a line that names no place it does nothing.
    void doubleClickOnDetails() {
        ScriptedUserInteraction ui;
        EvaluateForm form(ui);
        QVector<QPair<int, int>> moves;
        form.setHooks({{}, [&](int line, int column) { moves.append({line, column}); }, {}, {}});
        const PageEvaluation evaluation = page();
        form.showEvaluation(evaluation);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QListWidget *details = list(&form, "WebDetails");
        doubleClick(details, 0); // "Searching for Title..."
        QVERIFY(moves.isEmpty());
        QVERIFY(form.isVisible());
        int row = 0;
        while (!details->item(row)->text().startsWith("3:"))
            ++row;
        QCOMPARE(details->item(row)->text(),
                 QString("3:5: gone.gif(Did not locate.) Size=-1 bytes."));
        doubleClick(details, row);
        QCOMPARE(moves, (QVector<QPair<int, int>>{{3, 5}}));
        QVERIFY(!form.isVisible());
    }

    void doubleClickOnALink_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("message");
        QTest::newRow("web page") << 1 << true << "about.htm"
                                  << "";
        QTest::newRow("no browser")
            << 1 << false << "about.htm"
            << "Netscape is not currently running or we just could not find it.";
        QTest::newRow("mail") << 2 << true << "mailto:me@example.com"
                              << "";
        QTest::newRow("no mail program")
            << 2 << false << "mailto:me@example.com"
            << "Eudora is not currently running or we just could not find it.";
    }
    void doubleClickOnALink() {
        QFETCH(int, row);
        QFETCH(bool, opens);
        QFETCH(QString, url);
        QFETCH(QString, message);
        ScriptedUserInteraction ui;
        EvaluateForm form(ui);
        QList<QUrl> opened;
        const QString pagePath = m_folder->file("index.htm");
        form.setHooks({{},
                       {},
                       [&] { return pagePath; },
                       [&](const QUrl &u) {
                           opened.append(u);
                           return opens;
                       }});
        form.showEvaluation(page());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        doubleClick(list(&form, "Links"), row);
        QCOMPARE(opened.size(), 1);
        const QUrl expected =
            url.startsWith("mailto:") ? QUrl(url) : QUrl::fromLocalFile(m_folder->file(url));
        QCOMPARE(opened.first(), expected);
        QCOMPARE(ui.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(ui.asked().first().kind, int(Msg::Information));
        QVERIFY(form.isVisible());
    }

    void linkTargets_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("mail");
        QTest::newRow("web") << "http://example.com/a"
                             << "http://example.com/a" << false;
        QTest::newRow("mail in any case") << "MAILTO:me@example.com"
                                          << "mailto:me@example.com" << true;
        QTest::newRow("file beside the page") << "sub\\b.htm#part"
                                              << "file://%F/sub/b.htm#part" << false;
        QTest::newRow("marker of the page") << "#top"
                                            << "file://%F/index.htm#top" << false;
        QTest::newRow("up a folder") << "../x.htm"
                                     << "file://%P/x.htm" << false;
        QTest::newRow("no scheme, no file") << "www.example.com"
                                            << "http://www.example.com" << false;
        QTest::newRow("no scheme") << "//example.com/"
                                   << "http://example.com/" << false;
    }
    void linkTargets() {
        QFETCH(QString, value);
        QFETCH(QString, url);
        QFETCH(bool, mail);
        const QString folder = m_folder->path().chopped(1);
        const LinkTarget target = linkTarget(value, folder + "/index.htm");
        url.replace("%F", folder).replace("%P", QFileInfo(folder).absolutePath());
        QCOMPARE(target.url.toString(), url);
        QCOMPARE(target.mail, mail);
    }

private:
    // A page evaluated in the test's folder.
    PageEvaluation page() {
        m_folder->write("logo.gif", "GIF");
        m_folder->write("about.htm", "a");
        const QString text = "<TITLE>Home</TITLE>\r\n"
                             "<IMG SRC=\"logo.gif\">\r\n"
                             "<IMG SRC=\"gone.gif\">\r\n"
                             "<A HREF=\"about.htm\">a</A> <A HREF=\"#top\">t</A>\r\n"
                             "<A HREF=\"mailto:me@example.com\">m</A>\r\n";
        return evaluatePage(text, m_folder->path());
    }

    std::unique_ptr<TestFolder> m_folder;
};

QTEST_MAIN(TestEvaluateForm)
#include "test_evaluateform.moc"
