#include "editor/tledit.h"
#include "fakegeneratorhost.h"
#include "generators/frame/framefiles.h"
#include "generators/frame/ui/framedialog.h"
#include "generators/frame/ui/framegenerator.h"
#include "generators/frame/ui/framesplitter.h"
#include "preview/htmlviewer.h"
#include "testfolder.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

namespace {

template <class T> T *child(QWidget *parent, const QString &name) {
    T *w = parent->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QString documentText(const QStringList &lines) {
    return lines.join("\r\n") + "\r\n";
}

struct Fixture {
    TestFolder folder;
    FakeGeneratorHost host;
    TLEdit editor;
    Fixture() {
        host.folder = folder.path();
        host.program = folder.path();
        host.editor = &editor;
        editor.setText("<P>old page</P>\r\n");
    }
};

void showDialog(FrameDialog &dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

void click(QWidget *parent, const char *name) {
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

} // namespace

class TestFrameDialog : public QObject {
    Q_OBJECT
private slots:
    void defaultDocumentThroughTheSteps();
    void insertFromStartGivesNoNames();
    void scrollBarsShapeTheGrid();
    void draggingRowOneBar();
    void frameSettingsAreStored();
    void blankFrameNameIsRefused();
    void byColumns();
    void saveAndOpenAgain();
    void openDamagedPar();
    void entryQuestion();
};

void TestFrameDialog::defaultDocumentThroughTheSteps() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    QCOMPARE(dialog.windowTitle(), QString("Frame Creation"));
    QVERIFY(!child<QPushButton>(&dialog, "Prev")->isEnabled());
    QVERIFY(child<QPushButton>(&dialog, "Finished")->isHidden());
    QCOMPARE(child<QLabel>(&dialog, "r1c1")->text(), QString("33%"));
    QCOMPARE(child<QLabel>(&dialog, "r2")->text(), QString("66%"));
    QCOMPARE(child<QScrollBar>(&dialog, "Row1Bar2")->value(), 67);

    click(&dialog, "Next");
    auto *book = child<QStackedWidget>(&dialog, "FrameBook");
    QCOMPARE(book->currentWidget()->objectName(), QString("framesettings"));
    QVERIFY(child<QPushButton>(&dialog, "Prev")->isEnabled());
    QVERIFY(!child<QWidget>(&dialog, "MainRows")->isEnabled());
    QCOMPARE(child<QLabel>(&dialog, "FrameCaption")->text(), QString("Frame: 1"));
    for (int i = 2; i <= 9; ++i) {
        click(&dialog, "Next");
        QCOMPARE(child<QLineEdit>(&dialog, "FrameName")->text(), QString("Frame: %1").arg(i));
    }
    QVERIFY(child<QPushButton>(&dialog, "Finished")->isHidden());
    click(&dialog, "Next");
    QVERIFY(!child<QPushButton>(&dialog, "Finished")->isHidden());
    QCOMPARE(dialog.model().currentFrame(), 9);
    click(&dialog, "Finished");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList expected{"<HTML>", "<HEAD>", "<TITLE>Document Title</TITLE>", "</HEAD>",
                         "<FRAMESET ROWS=\"33%,*,34%\">"};
    for (int row = 0; row < 3; ++row) {
        expected << "<FRAMESET COLS=\"33%,*,34%\">";
        for (int i = 1; i <= 3; ++i)
            expected << QString("<FRAME SRC=\"\" NAME=\"Frame: %1\">").arg(row * 3 + i);
        expected << "</FRAMESET>";
    }
    expected << "</FRAMESET>"
             << "<NOFRAMES>"
             << "<BODY >"
             << "<!-- Anything inserted between the NOFRAMES tags will appear-->"
             << "<!-- in a browser that does not support frames.             -->"
             << "This site makes use of frames.<BR>"
             << "For your viewing pleasure you should use Netscape or Internet Explorer.<br>"
             << "</BODY>"
             << "</NOFRAMES>"
             << "</HTML>";
    QCOMPARE(f.editor.text(), documentText(expected));
    QCOMPARE(f.host.user.asked().size(), 0);
}

void TestFrameDialog::insertFromStartGivesNoNames() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    child<QLineEdit>(&dialog, "PageTitle")->setText("Mine");
    child<QCheckBox>(&dialog, "NoFrame")->setChecked(false);
    child<QAction>(&dialog, "FramesOk")->trigger();
    const QStringList lines = f.editor.text().split("\r\n");
    QCOMPARE(lines.at(2), QString("<TITLE>Mine</TITLE>"));
    QCOMPARE(lines.at(6), QString("<FRAME SRC=\"\">"));
    QVERIFY(!f.editor.text().contains("NOFRAMES"));
    QVERIFY(!f.editor.text().contains("old page"));
}

void TestFrameDialog::scrollBarsShapeTheGrid() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    auto *bar1 = child<QScrollBar>(&dialog, "Row1Bar1");
    auto *bar2 = child<QScrollBar>(&dialog, "Row1Bar2");
    // Bar 1 goes only as far as bar 2 allows once it has been moved.
    QCOMPARE(bar1->maximum(), 66);
    bar2->setValue(100);
    QCOMPARE(dialog.model().rows[0].bar2, 100);
    QCOMPARE(bar2->minimum(), 33);
    QCOMPARE(child<QLabel>(&dialog, "r1c2")->text(), QString("100%"));
    QVERIFY(child<HtmlViewer>(&dialog, "Cell3")->isHidden());
    bar1->setValue(50);
    QCOMPARE(bar1->maximum(), 100);
    bar1->setValue(99);
    QVERIFY(child<HtmlViewer>(&dialog, "Cell2")->isHidden());
    bar1->setValue(100); // not below bar 2: refused
    QCOMPARE(dialog.model().rows[0].bar1, 99);
    QCOMPARE(child<QLabel>(&dialog, "r1c1")->text(), QString("99%"));

    child<QScrollBar>(&dialog, "Row2Height")->setValue(100);
    QVERIFY(child<QWidget>(&dialog, "Row3")->isHidden());
    QCOMPARE(child<QLabel>(&dialog, "r2")->text(), QString("100%"));

    click(&dialog, "Next");
    QCOMPARE(dialog.model().record(2).name, QString());
    QCOMPARE(dialog.model().record(3).name, QString());
    QCOMPARE(dialog.model().record(7).name, QString());
    QCOMPARE(dialog.model().record(4).name, QString("Frame: 4"));
    click(&dialog, "Next");
    QCOMPARE(dialog.model().currentFrame(), 4);

    child<QAction>(&dialog, "FramesOk")->trigger();
    const QStringList lines = f.editor.text().split("\r\n");
    QCOMPARE(lines.mid(4, 8),
             (QStringList{"<FRAMESET ROWS=\"33%,*\">", "<FRAME SRC=\"\" NAME=\"Frame: 1\">",
                          "<FRAMESET COLS=\"33%,*,34%\">", "<FRAME SRC=\"\" NAME=\"Frame: 4\">",
                          "<FRAME SRC=\"\" NAME=\"Frame: 5\">",
                          "<FRAME SRC=\"\" NAME=\"Frame: 6\">", "</FRAMESET>", "</FRAMESET>"}));
}

void TestFrameDialog::draggingRowOneBar() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    auto *row1 = child<FrameSplitter>(&dialog, "Row1");
    row1->setSizes({2, 500, 500});
    emit row1->splitterMoved(2, 1);
    QCOMPARE(dialog.model().rows[0].bar1, 5);
    QCOMPARE(child<QLabel>(&dialog, "r1c1")->text(), QString("5%"));
    QCOMPARE(row1->bar1(), 5);

    auto *rows = child<FrameSplitter>(&dialog, "MainRows");
    rows->setSizes({300, 500, 200});
    emit rows->splitterMoved(0, 2);
    QCOMPARE(dialog.model().outer.bar2, 80);
    QCOMPARE(child<QScrollBar>(&dialog, "Row2Height")->value(), 80);
    QCOMPARE(child<QLabel>(&dialog, "r2")->text(), QString("80%"));

    // In the other rows a bar goes where it is dragged; its scroll bar follows
    // as far as it reaches.
    auto *row2 = child<FrameSplitter>(&dialog, "Row2");
    row2->setSizes({20, 500, 480});
    emit row2->splitterMoved(0, 1);
    QCOMPARE(dialog.model().rows[1].bar1, 2);
    QCOMPARE(child<QScrollBar>(&dialog, "Row2Bar1")->value(), 10);
    QCOMPARE(child<QLabel>(&dialog, "r2c1")->text(), QString("2%"));
}

void TestFrameDialog::frameSettingsAreStored() {
    Fixture f;
    f.folder.write("menu.htm", "<P>menu</P>");
    FrameDialog dialog(f.host);
    showDialog(dialog);
    click(&dialog, "Next");
    click(&dialog, "Next");
    QCOMPARE(dialog.model().currentFrame(), 2);
    f.host.user.answerFile(f.folder.file("menu.htm"));
    QTest::mouseClick(child<QWidget>(&dialog, "SpeedButton1"), Qt::LeftButton);
    QCOMPARE(f.host.user.asked().at(0).filterIndex, 1);
    QCOMPARE(child<QLineEdit>(&dialog, "SrcName")->text(), QString("menu.htm"));
    child<QSpinBox>(&dialog, "MarginWidth")->setValue(3);
    child<QRadioButton>(&dialog, "Scrolling2")->click();
    child<QCheckBox>(&dialog, "AllowResize")->setChecked(false);
    auto *name = child<QLineEdit>(&dialog, "FrameName");
    name->setText("menu");
    emit name->editingFinished();
    QCOMPARE(child<QLabel>(&dialog, "FrameCaption")->text(), QString("menu"));
    click(&dialog, "Prev");
    QCOMPARE(child<QLineEdit>(&dialog, "FrameName")->text(), QString("Frame: 1"));
    click(&dialog, "Next");
    QCOMPARE(child<QSpinBox>(&dialog, "MarginWidth")->value(), 3);
    QCOMPARE(dialog.model().frameLine(2),
             QString("<FRAME SRC=\"menu.htm\" NAME=\"menu\" MARGINWIDTH=\"3\" NORESIZE "
                     "SCROLLING=\"NO\">"));
}

void TestFrameDialog::blankFrameNameIsRefused() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    click(&dialog, "Next");
    auto *name = child<QLineEdit>(&dialog, "FrameName");
    name->clear();
    f.host.user.answerMessage(Msg::ResultOk);
    emit name->editingFinished();
    QCOMPARE(f.host.user.messageTexts(), QStringList{"Frame name cannot be blank."});
    QCOMPARE(f.host.user.asked().at(0).kind, int(Msg::Warning));
    QCOMPARE(f.host.user.asked().at(0).buttons, int(Msg::Ok));
    // Changing another field keeps the frame's name.
    child<QSpinBox>(&dialog, "MarginHeight")->setValue(2);
    QCOMPARE(dialog.model().record(1).name, QString("Frame: 1"));
    QCOMPARE(dialog.model().record(1).marginHeight, 2);
}

void TestFrameDialog::byColumns() {
    Fixture f;
    FrameDialog dialog(f.host);
    showDialog(dialog);
    child<QRadioButton>(&dialog, "Orientation1")->click();
    QCOMPARE(child<FrameSplitter>(&dialog, "MainRows")->orientation(), Qt::Horizontal);
    QCOMPARE(child<FrameSplitter>(&dialog, "Row2")->orientation(), Qt::Vertical);
    child<QAction>(&dialog, "FramesOk")->trigger();
    QVERIFY(f.editor.text().contains("<FRAMESET COLS=\"33%,*,34%\">\r\n<FRAMESET ROWS="));
}

void TestFrameDialog::saveAndOpenAgain() {
    Fixture f;
    const QString path = f.folder.file("frames.set");
    {
        FrameDialog dialog(f.host);
        showDialog(dialog);
        child<QScrollBar>(&dialog, "Row2Bar2")->setValue(80);
        child<QRadioButton>(&dialog, "Orientation1")->click();
        click(&dialog, "Next");
        child<QSpinBox>(&dialog, "MarginWidth")->setValue(7);
        f.host.user.answerFile(path);
        child<QAction>(&dialog, "Save1")->trigger();
        QCOMPARE(f.host.user.asked().at(0).filterIndex, 2);
        QCOMPARE(f.host.user.asked().at(0).preset,
                 f.folder.path() + "|" + FrameDialog::lastSettingsFile());
    }
    QCOMPARE(TestFolder::read(path),
             QByteArray("1\r\n66\r\n33\r\n66\r\n33\r\n80\r\n33\r\n66\r\n33\r\n"));
    QCOMPARE(TestFolder::read(f.folder.file("frames.par")).size(), 1728);

    f.host.user.clear();
    FrameDialog dialog(f.host);
    showDialog(dialog);
    f.host.user.answerFile(path);
    child<QAction>(&dialog, "Open1")->trigger();
    QCOMPARE(f.host.user.asked().at(0).filterIndex, 5);
    QCOMPARE(dialog.model().rows[1].bar2, 80);
    QCOMPARE(child<QScrollBar>(&dialog, "Row2Bar2")->value(), 80);
    QCOMPARE(child<QLabel>(&dialog, "r2c2")->text(), QString("80%"));
    QVERIFY(child<QRadioButton>(&dialog, "Orientation1")->isChecked());
    QCOMPARE(child<FrameSplitter>(&dialog, "MainRows")->orientation(), Qt::Horizontal);
    QCOMPARE(dialog.model().record(1).marginWidth, 7);
    QCOMPARE(dialog.model().record(1).name, QString("Frame: 1"));
    // Save proposes the file opened last.
    f.host.user.answerFile(QString());
    child<QAction>(&dialog, "Save1")->trigger();
    QCOMPARE(f.host.user.asked().at(1).preset, f.folder.path() + "|" + path);
}

void TestFrameDialog::openDamagedPar() {
    Fixture f;
    f.folder.write("bad.set", "0\r\n90\r\n10\r\n66\r\n33\r\n66\r\n33\r\n66\r\n33\r\n");
    f.folder.write("bad.par", QByteArray(100, '\x7f'));
    FrameDialog dialog(f.host);
    showDialog(dialog);
    f.host.user.answerFile(f.folder.file("bad.set"));
    f.host.user.answerMessage(Msg::ResultOk);
    child<QAction>(&dialog, "Open1")->trigger();
    QCOMPARE(f.host.user.messageTexts(),
             QStringList{QString("The frame file %1 holds 100 bytes instead of 1728.")
                             .arg(f.folder.file("bad.par"))});
    QCOMPARE(f.host.user.asked().at(1).kind, int(Msg::Error));
    // The layout read before the failure stays.
    QCOMPARE(child<QLabel>(&dialog, "r1")->text(), QString("10%"));
    QCOMPARE(child<QScrollBar>(&dialog, "Row1Height")->value(), 10);
}

void TestFrameDialog::entryQuestion() {
    Fixture f;
    f.host.user.answerMessage(Msg::ResultNo);
    QVERIFY(!openFrameCreator(f.host));
    QCOMPARE(f.host.user.messageTexts(),
             QStringList{"Clear current page to create Frame Structure?"});
    QCOMPARE(f.host.user.asked().at(0).kind, int(Msg::Information));
    QCOMPARE(f.host.user.asked().at(0).buttons, int(Msg::Yes | Msg::No));
    QCOMPARE(f.editor.text(), QString("<P>old page</P>\r\n"));

    // On Yes the dialog runs modally; here the user returns at once.
    f.host.user.answerMessage(Msg::ResultYes);
    QTimer::singleShot(0, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "TFrameForm")
                w->findChild<QAction *>("FramesOk")->trigger();
        }
    });
    QVERIFY(openFrameCreator(f.host));
    QVERIFY(f.editor.text().startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>Document Title</TITLE>"));
}

QTEST_MAIN(TestFrameDialog)
#include "test_gen_frame_dialog.moc"
