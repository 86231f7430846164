// The project references window, offscreen: checking, the report, opening a
// page from it, copying it and cancelling.

#include "projects/evaluation/ui/sitecheckdialog.h"
#include "testfolder.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

template <class T> T *child(QWidget *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QStringList items(QListWidget *list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void doubleClick(QListWidget *list, int row) {
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void writeSite(const TestFolder &site) {
    site.write("index.htm", "<A HREF=\"news.htm\">n</A>\r\n<IMG SRC=\"gone.gif\" ALT=\"x\">\r\n");
    site.write("news.htm", "<A HREF=\"index.htm#top\">i</A>\r\n");
    site.write("old.htm", "no links\r\n");
}

} // namespace

class TestSiteCheckDialog : public QObject {
    Q_OBJECT
private slots:
    void checksAndReports() {
        TestFolder site;
        writeSite(site);
        QVector<QPair<QString, int>> opened;
        SiteCheckDialog dialog(site.path(), {"index.htm", "news.htm", "old.htm"},
                               [&](const QString &path, int line) {
                                   opened.append({path, line});
                               });
        QCOMPARE(dialog.objectName(), QString("SiteCheckForm"));
        QCOMPARE(dialog.windowTitle(), QString("Check Project References"));
        QVERIFY(!child<QPushButton>(&dialog, "CopyReport")->isEnabled());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.run();

        auto *report = child<QListWidget>(&dialog, "ReportList");
        QCOMPARE(items(report), (QStringList{"Project folder: " + site.path(), "Pages checked: 3",
                                             "Problems found: 3", "", "index.htm",
                                             "    2: Missing image: gone.gif", "", "news.htm",
                                             "    1: Link to a missing marker: index.htm#top", "",
                                             "old.htm", "    No other page links to this page."}));
        QCOMPARE(child<QProgressBar>(&dialog, "CheckProgress")->value(), 3);
        QCOMPARE(child<QLabel>(&dialog, "CheckStatus")->text(), QString("Check complete."));
        QVERIFY(!child<QPushButton>(&dialog, "CancelCheck")->isEnabled());
        QVERIFY(child<QPushButton>(&dialog, "CopyReport")->isEnabled());
        QVERIFY(child<QPushButton>(&dialog, "CloseReport")->isEnabled());

        doubleClick(report, 8);
        doubleClick(report, 1); // a heading line: no page
        doubleClick(report, 10);
        QCOMPARE(opened, (QVector<QPair<QString, int>>{{site.file("news.htm"), 1},
                                                       {site.file("old.htm"), 1}}));
        doubleClick(report, 5);
        QCOMPARE(opened.last(), (QPair<QString, int>{site.file("index.htm"), 2}));
        QVERIFY(dialog.isVisible());

        QApplication::clipboard()->clear();
        QTest::mouseClick(child<QPushButton>(&dialog, "CopyReport"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), items(report).join('\n') + '\n');
    }

    // Cancel stops the check after the page in hand; the report covers the
    // pages checked.
    void cancelStopsTheCheck() {
        TestFolder site;
        writeSite(site);
        SiteCheckDialog dialog(site.path(), {"index.htm", "news.htm", "old.htm"}, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *cancel = child<QPushButton>(&dialog, "CancelCheck");
        QVERIFY(cancel->isEnabled());
        QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
        dialog.run();
        const QStringList lines = items(child<QListWidget>(&dialog, "ReportList"));
        QVERIFY(lines.size() >= 2);
        QVERIFY(lines[1].startsWith("Check cancelled: "));
        QVERIFY(lines[1].endsWith(" of 3 pages checked."));
        QCOMPARE(child<QLabel>(&dialog, "CheckStatus")->text(), QString("Check cancelled."));
        QVERIFY(!lines.contains("    No other page links to this page."));
    }

    // Closing the window while the check runs cancels the check first.
    void closingWhileChecking() {
        TestFolder site;
        writeSite(site);
        SiteCheckDialog dialog(site.path(), {"index.htm", "news.htm", "old.htm"}, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
        dialog.run();
        QVERIFY(dialog.isVisible());
        QVERIFY(
            items(child<QListWidget>(&dialog, "ReportList")).at(1).startsWith("Check cancelled"));
        dialog.reject();
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestSiteCheckDialog)
#include "test_sitecheckdialog.moc"
