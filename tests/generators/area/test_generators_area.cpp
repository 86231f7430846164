// The generators' entry points on the window's widgets and menus (AreaRig),
// with the program's generator host over a fake tag inserter and document:
// each entry opens its generator, the entries and buttons follow the open
// document, and the template wizard lends the editor's room to the preview.

#include "app/ui/percentsplitter.h"
#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "generators/area/generatorsarea.h"
#include "generators/host/generatorhostimpl.h"
#include "generators/template/ui/templatedialog.h"
#include "modal.h"
#include "preview/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

struct Submitted {
    QString action, method;
    QStringList results;
};

struct GeneratorsFixture : AreaRig {
    FakeActiveDocument document{*w.webPage};
    FakeTagInserter tags{w.webPage};
    FakePreviewPane preview;
    ProgramGeneratorHost host{shell, tags, document};
    QVector<Submitted> submitted;
    std::unique_ptr<GeneratorsArea> area;

    GeneratorsFixture() : AreaRig(true) {
        area = std::make_unique<GeneratorsArea>(
            shell, host, document, preview,
            [this](const QString &action, const QString &method, const QStringList &results) {
                submitted.append({action, method, results});
            },
            GeneratorWidgets{w.splitScreen, w.toolPages[MainWidgets::Tables],
                             w.toolPages[MainWidgets::Forms], w.toolPages[MainWidgets::Templates]},
            a);
        shell.addArea(area.get());
        document.dir = program.path();
        openPage(QStringLiteral("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n"));
    }

    ~GeneratorsFixture() {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        area.reset();
    }

    void openPage(const QString &text) {
        openDocument(true);
        w.webPage->setText(text);
        shell.updateMenuStates();
    }
    void closePage() {
        w.webPage->setText(QString());
        openDocument(false);
        shell.updateMenuStates();
    }
};

const QString kTemplatePage = QStringLiteral("<HTML>\r\n"
                                             "<!--##Heading\r\n"
                                             "<H1>Welcome</H1>\r\n"
                                             "<P>\r\n"
                                             "</HTML>\r\n");

} // namespace

class TestGeneratorsArea : public QObject {
    Q_OBJECT
private slots:
    void entriesAndButtonsFollowTheDocument_data() {
        QTest::addColumn<QString>("entry");
        for (const char *name :
             {"InsertTable", "TableVedaGuy1", "SpeedButton14", "TableCellAttributes1",
              "SpeedButton70", "DataEntryForm", "FormVedaGuy1", "FormVedaGuyButton",
              "CalendarVedaGuy1", "FrameVedaGuyItem", "FrameVedaGuy1", "TemplateVedaGuy1",
              "SpeedButton34"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void entriesAndButtonsFollowTheDocument() {
        QFETCH(QString, entry);
        GeneratorsFixture f;
        QVERIFY(f.usable(entry));
        f.closePage();
        QVERIFY(!f.usable(entry));
        f.openPage(QStringLiteral("<P>\r\n"));
        QVERIFY(f.usable(entry));
    }

    void buttonsSitOnTheirPagesWithTheirHints_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("table") << int(MainWidgets::Tables) << "SpeedButton14"
                               << "Table Veda Guy";
        QTest::newRow("cell") << int(MainWidgets::Tables) << "SpeedButton70"
                              << "Change table cell attributes";
        QTest::newRow("form") << int(MainWidgets::Forms) << "FormVedaGuyButton"
                              << "Data Entry Form Veda Guy";
        QTest::newRow("template") << int(MainWidgets::Templates) << "SpeedButton34"
                                  << "Fill in template definitions";
    }
    void buttonsSitOnTheirPagesWithTheirHints() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, hint);
        GeneratorsFixture f;
        auto *button = f.w.toolPages[size_t(page)]->findChild<QToolButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(button->statusTip(), hint);
    }

    void eachEntryOpensItsGenerator_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("helperTopic"); // 0: none
        QTest::newRow("table menu") << "InsertTable"
                                    << "TTblCreateForm" << 4;
        QTest::newRow("table pop-up") << "TableVedaGuy1"
                                      << "TTblCreateForm" << 4;
        QTest::newRow("table button") << "SpeedButton14"
                                      << "TTblCreateForm" << 4;
        QTest::newRow("cell menu") << "TableCellAttributes1"
                                   << "TTableAttrForm" << 0;
        QTest::newRow("cell button") << "SpeedButton70"
                                     << "TTableAttrForm" << 0;
        QTest::newRow("form menu") << "DataEntryForm"
                                   << "TFormVedaForm" << 0;
        QTest::newRow("form pop-up") << "FormVedaGuy1"
                                     << "TFormVedaForm" << 0;
        QTest::newRow("form button") << "FormVedaGuyButton"
                                     << "TFormVedaForm" << 0;
        QTest::newRow("calendar") << "CalendarVedaGuy1"
                                  << "TCalendarForm" << 0;
    }
    void eachEntryOpensItsGenerator() {
        QFETCH(QString, entry);
        QFETCH(QString, dialog);
        QFETCH(int, helperTopic);
        GeneratorsFixture f;
        QString opened;
        QWidget *parent = nullptr;
        onModal([&](QDialog *d) {
            opened = d->objectName();
            parent = d->parentWidget();
        });
        f.press(entry);
        QCOMPARE(opened, dialog);
        QCOMPARE(parent, &f.window);
        QCOMPARE(f.shell.helperTopics, helperTopic ? QList<int>{helperTopic} : QList<int>{});
        // Leaving without inserting changes nothing.
        QVERIFY(f.tags.texts.isEmpty() && f.tags.lineBlocks.isEmpty());
    }

    // The generators that insert reach the page through tag insertion, which
    // refreshes the preview itself.
    void insertedLinesReachThePage() {
        GeneratorsFixture f;
        onModal([](QDialog *d) {
            d->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click(); // OK
        });
        f.press(QStringLiteral("CalendarVedaGuy1"));
        QCOMPARE(f.tags.lineBlocks.size(), 1);
        QVERIFY(f.tags.lineBlocks.first().first().startsWith(QStringLiteral("<TABLE")));
        QVERIFY(f.w.webPage->text().contains(QStringLiteral("<TABLE")));
    }

    // A form submitted in the Form Veda Guy's preview goes to the window's
    // results, on every use of the kept dialog.
    void submittedFormsReachTheResults() {
        GeneratorsFixture f;
        for (int use = 1; use <= 2; ++use) {
            onModal([](QDialog *d) {
                emit d->findChild<HtmlViewer *>()->formSubmit(
                    QStringLiteral("mailto:me@example.org"), QStringLiteral("POST"),
                    {QStringLiteral("name=value")});
            });
            f.press(QStringLiteral("DataEntryForm"));
            QCOMPARE(f.submitted.size(), use);
        }
        QCOMPARE(f.submitted.first().action, QStringLiteral("mailto:me@example.org"));
        QCOMPARE(f.submitted.first().method, QStringLiteral("POST"));
        QCOMPARE(f.submitted.first().results, QStringList{QStringLiteral("name=value")});
    }

    // "Rainbowize Text..." follows Copy while the document editor has the
    // focus; OK replaces the selection and the preview follows.
    void rainbowizeReplacesTheSelection() {
        GeneratorsFixture f;
        f.openPage(QStringLiteral("<P>ab</P>\r\n"));
        TLEdit &editor = *f.w.webPage;
        editor.setFocus();
        QTRY_VERIFY(editor.hasFocus());
        f.shell.updateMenuStates();
        QVERIFY(!f.usable(QStringLiteral("RainbowizeText1")));
        editor.startLine = editor.endLine = 1;
        editor.startPos = 3;
        editor.endPos = 5;
        editor.applySelection();
        f.shell.updateMenuStates();
        QVERIFY(f.usable(QStringLiteral("RainbowizeText1")));
        f.w.spareEditor->setFocus();
        QTRY_VERIFY(f.w.spareEditor->hasFocus());
        f.shell.updateMenuStates();
        QVERIFY(!f.usable(QStringLiteral("RainbowizeText1")));
        editor.setFocus();
        QTRY_VERIFY(editor.hasFocus());
        f.shell.updateMenuStates();

        QString opened;
        onModal([&](QDialog *d) {
            opened = d->objectName();
            d->findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        });
        f.press(QStringLiteral("RainbowizeText1"));
        QCOMPARE(opened, QStringLiteral("TRainbowForm"));
        QCOMPARE(editor.text(), QStringLiteral("<P><FONT COLOR=\"#2122DE\">a</FONT>"
                                               "<FONT COLOR=\"#4344BC\">b</FONT></P>\r\n"));
        QCOMPARE(f.preview.updates, 1);
    }

    void anEntryLeavesTheFullScreenPreview() {
        GeneratorsFixture f;
        f.shell.fullScreen = true;
        onModal([](QDialog *) {});
        f.press(QStringLiteral("CalendarVedaGuy1"));
        QVERIFY(!f.shell.fullScreen);
    }

    void frameCreatorAsksFirst_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("finish"); // "Return and insert" in the dialog
        QTest::addColumn<bool>("replaced");
        QTest::newRow("menu, no") << "FrameVedaGuyItem" << int(Msg::ResultNo) << false << false;
        QTest::newRow("menu, yes, abandon")
            << "FrameVedaGuyItem" << int(Msg::ResultYes) << false << false;
        QTest::newRow("menu, yes, insert")
            << "FrameVedaGuyItem" << int(Msg::ResultYes) << true << true;
        QTest::newRow("pop-up, yes, insert")
            << "FrameVedaGuy1" << int(Msg::ResultYes) << true << true;
    }
    void frameCreatorAsksFirst() {
        QFETCH(QString, entry);
        QFETCH(int, answer);
        QFETCH(bool, finish);
        QFETCH(bool, replaced);
        GeneratorsFixture f;
        const QString before = f.w.webPage->text();
        f.ui.answerMessage(answer);
        QString opened;
        if (answer == Msg::ResultYes) {
            onModal([&](QDialog *d) {
                opened = d->objectName();
                if (finish)
                    d->findChild<QAction *>(QStringLiteral("FramesOk"))->trigger();
            });
        }
        f.press(entry);
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{QStringLiteral("Clear current page to create Frame Structure?")});
        QCOMPARE(f.ui.asked().first().kind, int(Msg::Information));
        QCOMPARE(f.ui.asked().first().buttons, int(Msg::Yes | Msg::No));
        QCOMPARE(opened, answer == Msg::ResultYes ? QStringLiteral("TFrameForm") : QString());
        const QString after = f.w.webPage->text();
        QCOMPARE(after != before, replaced);
        if (replaced)
            QVERIFY(after.contains(QStringLiteral("<FRAMESET")));
        QCOMPARE(f.preview.updates, replaced ? 1 : 0);
    }

    void frameForANewFramePageAsksNothing() {
        GeneratorsFixture f;
        onModal([](QDialog *d) { d->findChild<QAction *>(QStringLiteral("FramesOk"))->trigger(); });
        QVERIFY(f.area->startFrameVedaGuy());
        QVERIFY(f.ui.asked().isEmpty());
        QVERIFY(f.w.webPage->text().contains(QStringLiteral("<FRAMESET")));
        QCOMPARE(f.preview.updates, 1);
    }

    void templateWizardLendsTheEditorsRoomToThePreview_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("menu") << "TemplateVedaGuy1";
        QTest::newRow("button") << "SpeedButton34";
    }
    void templateWizardLendsTheEditorsRoomToThePreview() {
        QFETCH(QString, entry);
        GeneratorsFixture f;
        f.openPage(kTemplatePage);
        f.w.splitScreen->setBarPercent(0, 40);
        f.press(entry);
        TemplateDialog *wizard = f.area->templateWizard();
        QVERIFY(wizard);
        QCOMPARE(wizard->objectName(), QStringLiteral("TTemplateVedaGuy"));
        QVERIFY(wizard->isVisible() && !wizard->isModal());
        QCOMPARE(f.w.splitScreen->barPercent(0), 0);

        // "&Refresh" writes the page and refreshes the preview.
        wizard->startClicked();
        wizard->refreshClicked();
        QCOMPARE(f.preview.updates, 1);

        wizard->close();
        QCOMPARE(f.w.splitScreen->barPercent(0), 40);
        QTRY_VERIFY(!f.area->templateWizard());
        QVERIFY(f.ui.asked().isEmpty());
    }

    void templateWizardNeedsAPage() {
        GeneratorsFixture f;
        f.openPage(QStringLiteral("<P>"));
        f.w.splitScreen->setBarPercent(0, 40);
        QVERIFY(!f.area->startTemplateVedaGuy());
        QCOMPARE(f.ui.messageTexts(),
                 QStringList{QStringLiteral("No document appears to be loaded.")});
        QCOMPARE(f.w.splitScreen->barPercent(0), 40);
    }

    // A second wizard replaces the first; the editor comes back to where it
    // was before either, not to the first wizard's collapsed bar.
    void aSecondWizardReplacesTheFirst() {
        GeneratorsFixture f;
        f.openPage(kTemplatePage);
        f.w.splitScreen->setBarPercent(0, 30);
        QPointer<TemplateDialog> first = f.area->startTemplateVedaGuy();
        TemplateDialog *second = f.area->startTemplateVedaGuy();
        QVERIFY(first && second && first != second);
        QVERIFY(!first->isVisible());
        QCOMPARE(f.w.splitScreen->barPercent(0), 0);
        second->close();
        QCOMPARE(f.w.splitScreen->barPercent(0), 30);
        QTRY_VERIFY(!first && !f.area->templateWizard());
    }

    // The wizard writes into the text in the editor: when another document
    // takes the editor (or none is left), it closes.
    void wizardClosesWhenTheDocumentChanges() {
        GeneratorsFixture f;
        f.openPage(kTemplatePage);
        f.w.splitScreen->setBarPercent(0, 45);
        TemplateDialog *wizard = f.area->startTemplateVedaGuy();
        QVERIFY(wizard);
        emit f.document.currentDocumentChanged();
        QVERIFY(!wizard->isVisible());
        QCOMPARE(f.w.splitScreen->barPercent(0), 45);
    }

    // The frame creator replaces the page the wizard works on.
    void frameCreatorClosesTheWizard() {
        GeneratorsFixture f;
        f.openPage(kTemplatePage);
        f.w.splitScreen->setBarPercent(0, 45);
        TemplateDialog *wizard = f.area->startTemplateVedaGuy();
        QVERIFY(wizard);
        f.ui.answerMessage(Msg::ResultYes);
        onModal([](QDialog *d) { d->findChild<QAction *>(QStringLiteral("FramesOk"))->trigger(); });
        QVERIFY(f.area->openFrameCreator());
        QVERIFY(!wizard->isVisible());
        QCOMPARE(f.w.splitScreen->barPercent(0), 45);
    }

    // At shutdown the editor's room comes back before the window records
    // its split.
    void shutdownClosesTheWizard() {
        GeneratorsFixture f;
        f.openPage(kTemplatePage);
        f.w.splitScreen->setBarPercent(0, 35);
        TemplateDialog *wizard = f.area->startTemplateVedaGuy();
        QVERIFY(wizard);
        f.area->shutdown();
        QVERIFY(!wizard->isVisible());
        QCOMPARE(f.w.splitScreen->barPercent(0), 35);
    }
};

QTEST_MAIN(TestGeneratorsArea)
#include "test_generators_area.moc"
