// The Web Effects dialog's entry points on the window's widgets and menus
// (AreaRig), with the program's generator host over a fake tag inserter and
// document: each entry opens the one dialog on its own tab, and usable
// exactly while a document is open.

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "generators/area/effectsarea.h"
#include "generators/effects/ui/effectsdialog.h"
#include "generators/effects/ui/effectsgenerator.h"
#include "generators/host/generatorhostimpl.h"
#include "modal.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

struct EffectsFixture : AreaRig {
    FakeActiveDocument document{*w.webPage};
    FakeTagInserter tags{w.webPage};
    ProgramGeneratorHost host{shell, tags, document};
    std::unique_ptr<EffectsArea> area;

    EffectsFixture() : AreaRig(true) {
        area = std::make_unique<EffectsArea>(shell, host,
                                             EffectsWidgets{w.toolPages[MainWidgets::Lists],
                                                            w.toolPages[MainWidgets::Images],
                                                            w.toolPages[MainWidgets::Links]},
                                             a);
        shell.addArea(area.get());
        document.dir = program.path();
        openDocument(true);
        w.webPage->setText("<BODY>\r\nHello world\r\n</BODY>\r\n");
        shell.updateMenuStates();
    }
    ~EffectsFixture() {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        area.reset();
    }
};

} // namespace

class TestEffectsArea : public QObject {
    Q_OBJECT
private slots:
    void entriesOpenTheirTab_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("tab");
        QTest::newRow("Heading") << "Heading1"
                                 << "Headers";
        QTest::newRow("List Type") << "ListType1"
                                   << "List Types";
        QTest::newRow("Lists page") << "ListEffectsButton"
                                    << "List Types";
        QTest::newRow("Image") << "Image1"
                               << "Images";
        QTest::newRow("Images page") << "ImageEffectsButton"
                                     << "Images";
        QTest::newRow("Text") << "Text1"
                              << "Document Text";
        QTest::newRow("URL Reference") << "URLReference1"
                                       << "References";
        QTest::newRow("Links page") << "LinkEffectsButton"
                                    << "References";
        QTest::newRow("Applet") << "Applet1"
                                << "Applet";
    }
    void entriesOpenTheirTab() {
        QFETCH(QString, entry);
        QFETCH(QString, tab);
        EffectsFixture f;
        QVERIFY(f.usable(entry));
        f.shell.fullScreen = true;
        QString shownTab, name;
        onModal([&](QDialog *dialog) {
            name = dialog->objectName();
            auto *tabs = dialog->findChild<QTabBar *>("TabSet1");
            shownTab = tabs->tabText(tabs->currentIndex());
        });
        f.press(entry);
        QCOMPARE(name, QString("TEffectsForm"));
        QCOMPARE(shownTab, tab);
        QVERIFY(!f.shell.fullScreen); // left, so the block lands in view

        f.openDocument(false);
        f.shell.updateMenuStates();
        QVERIFY(!f.usable(entry));
        f.openDocument(true);
        f.shell.updateMenuStates();
        QVERIFY(f.usable(entry));
    }

    // Through the program's host the block replaces the selection it was
    // made from; the same dialog comes back with its fields.
    void addPutsTheBlockIntoThePage() {
        EffectsFixture f;
        TLEdit &editor = *f.w.webPage;
        editor.startLine = 2;
        editor.startPos = 6;
        editor.endLine = 2;
        editor.endPos = 11;
        editor.applySelection();
        onModal([](QDialog *dialog) { dialog->findChild<QPushButton *>("BitBtn1")->click(); });
        f.press("Heading1");
        QCOMPARE(editor.text(), QString("<BODY>\r\nHello <H1>world</H1>\r\n</BODY>\r\n"));

        EffectsDialog *first = f.area->effects().dialog();
        first->findChild<QLineEdit *>("AlternateText")->setText("kept");
        onModal([&](QDialog *dialog) {
            QCOMPARE(dialog, first);
            QCOMPARE(dialog->findChild<QLineEdit *>("AlternateText")->text(), QString("kept"));
        });
        f.press("Image1");
    }
};

QTEST_MAIN(TestEffectsArea)
#include "test_effects_area.moc"
