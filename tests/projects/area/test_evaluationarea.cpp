// The page evaluation area on the window's widgets: "&Evaluate..." and the
// editor pop-up's "Evaluate" show the page details of the text in the editor,
// and a double-click on a details line puts the caret there.

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "projects/area/evaluationarea.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <memory>

namespace {

const char kPage[] = "<TITLE>Home</TITLE>\r\n"
                     "<IMG SRC=\"logo.gif\">\r\n"
                     "<IMG SRC=\"gone.gif\">\r\n";

struct Fixture : AreaRig {
    TestFolder docs;
    FakeActiveDocument document{*w.webPage};
    std::unique_ptr<EvaluationArea> area;

    Fixture() {
        area = std::make_unique<EvaluationArea>(shell, document, a);
        shell.addArea(area.get());
        shell.updateMenuStates();
    }
    ~Fixture() { area.reset(); }

    // A page in the editor, as the documents area leaves it.
    void open(const QString &text) {
        docs.write("logo.gif", "GIF89a");
        document.file = docs.file("index.htm");
        document.dir = docs.path();
        openDocument();
        w.webPage->setText(text);
        shell.updateMenuStates();
    }
    QListWidget *list(const char *name) {
        return area->form().findChild<QListWidget *>(QString::fromLatin1(name));
    }
};

QStringList items(QListWidget *list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class TestEvaluationArea : public QObject {
    Q_OBJECT
private slots:
    void usableWithADocument() {
        Fixture f;
        QVERIFY(!f.a.evaluate->isEnabled());
        QVERIFY(!f.a.popupEvaluate->isEnabled());
        f.open(kPage);
        QVERIFY(f.a.evaluate->isEnabled());
        QVERIFY(f.a.popupEvaluate->isEnabled());
        QCOMPARE(f.area->form().objectName(), QString("TEvaluateForm"));
        QVERIFY(!f.area->form().isVisible()); // made at start, shown on demand
    }

    void evaluateShowsTheCurrentText_data() {
        QTest::addColumn<bool>("popup");
        QTest::newRow("Page menu") << false;
        QTest::newRow("editor pop-up") << true;
    }
    void evaluateShowsTheCurrentText() {
        QFETCH(bool, popup);
        Fixture f;
        f.open(kPage);
        (popup ? f.a.popupEvaluate : f.a.evaluate)->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&f.area->form()));
        QCOMPARE(f.area->form().windowTitle(), QString("Web details for: <Home>"));
        QCOMPARE(items(f.list("FilesFound")), QStringList{"logo.gif"});
        QCOMPARE(items(f.list("FilesMissing")), QStringList{"gone.gif"});
        f.area->form().hide();
    }

    void detailsLineMovesTheCaret() {
        Fixture f;
        f.open(kPage);
        f.a.evaluate->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&f.area->form()));
        QListWidget *details = f.list("WebDetails");
        int row = 0;
        while (row < details->count() && !details->item(row)->text().startsWith("3:"))
            ++row;
        QVERIFY(row < details->count());
        QCOMPARE(details->item(row)->text(),
                 QString("3:5: gone.gif(Did not locate.) Size=-1 bytes."));
        emit details->itemDoubleClicked(details->item(row));
        QVERIFY(!f.area->form().isVisible());
        TLEdit &editor = *f.w.webPage;
        editor.readSelection();
        QCOMPARE(editor.endLine, 3);
        QCOMPARE(editor.endPos, 5);
        QCOMPARE(editor.startLine, 3);
        QCOMPARE(editor.startPos, 5);
        QCOMPARE(f.w.statusPanels[0]->text(), QString("3:5"));
        QCOMPARE(f.window.focusWidget(), static_cast<QWidget *>(&editor));
    }
};

QTEST_MAIN(TestEvaluationArea)
#include "test_evaluationarea.moc"
