#include "editor/tledit.h"
#include "fakegeneratorhost.h"
#include "generators/template/ui/templatedialog.h"
#include "generators/template/ui/templategenerator.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

template <class T> T *child(QWidget *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QString pageShown(QWidget *dialog) {
    return child<QStackedWidget>(dialog, "Notebook1")->currentWidget()->objectName();
}

void click(QWidget *dialog, const char *name) {
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

struct Fixture {
    TestFolder folder;
    FakeGeneratorHost host;
    TLEdit editor;
    QStringList calls;
    TemplateHooks hooks{[this] { calls << "refresh"; }, [this] { calls << "collapse"; },
                        [this] { calls << "restore"; }};
    Fixture(const QStringList &lines) {
        host.folder = folder.path();
        host.program = folder.path();
        host.editor = &editor;
        editor.setText(lines.join("\r\n") + "\r\n");
    }
    QString line(int n) const { return editor.getLineText(n); }
    TemplateDialog *open() {
        TemplateDialog *dialog = openTemplateVedaGuy(host, hooks);
        if (dialog && !QTest::qWaitForWindowExposed(dialog))
            qWarning("the wizard was not shown");
        return dialog;
    }
};

} // namespace

class TestTemplateDialog : public QObject {
    Q_OBJECT
private slots:
    void noDocument();
    void noPlaceholderClosesTheWizard();
    void walkingThroughThePlaceholders();
    void headingRefresh();
    void imageChosenByBrowsing();
    void linkPage();
    void bodyColors();
};

void TestTemplateDialog::noDocument() {
    Fixture f({});
    f.editor.setText("<P>one line</P>");
    QVERIFY(!f.open());
    QCOMPARE(f.host.user.messageTexts(), QStringList{"No document appears to be loaded."});
    QCOMPARE(f.host.user.asked().at(0).kind, int(Msg::Information));
    QVERIFY(f.calls.isEmpty());
}

void TestTemplateDialog::noPlaceholderClosesTheWizard() {
    Fixture f({"<HTML>", "<BODY>", "</BODY>", "</HTML>"});
    QPointer<TemplateDialog> dialog = f.open();
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), QString("TTemplateVedaGuy"));
    QCOMPARE(dialog->windowTitle(), QString("Template Veda Guy"));
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!dialog->isModal());
    QCOMPARE(pageShown(dialog), QString("StartingPage"));
    QVERIFY(child<QPushButton>(dialog, "NextTemp")->isHidden());
    QCOMPARE(f.calls, QStringList{"collapse"});
    f.host.user.answerMessage(Msg::ResultOk);
    click(dialog, "StartBtn");
    QCOMPARE(f.host.user.messageTexts(), QStringList{"No document appears to be loaded."});
    QTRY_VERIFY(!dialog);
    QCOMPARE(f.calls, (QStringList{"collapse", "restore"}));
}

void TestTemplateDialog::walkingThroughThePlaceholders() {
    Fixture f({"<HTML>", "<!--##Defaults-->", "<TITLE>Home</TITLE>",
               "<META NAME=\"Keywords\" CONTENT=\"a, b\">",
               "<META NAME=\"Description\" CONTENT=\"x\">", "<!--##Footer-->", "<P>f</P>",
               "<!--##Text-->", "<B>Hello</B>", "</HTML>"});
    TemplateDialog *dialog = f.open();
    click(dialog, "StartBtn");
    QCOMPARE(pageShown(dialog), QString("Defaults"));
    QCOMPARE(child<QLineEdit>(dialog, "PageTitle")->text(), QString("Home"));
    QCOMPARE(child<QLineEdit>(dialog, "Keywords")->text(), QString("a, b"));
    QCOMPARE(child<QLineEdit>(dialog, "Description")->text(), QString("x"));
    QVERIFY(!child<QPushButton>(dialog, "RefreshBtn")->isHidden());
    QVERIFY(child<QPushButton>(dialog, "CloseBtn")->isHidden());

    click(dialog, "NextTemp");
    QCOMPARE(pageShown(dialog), QString("InvalidTag"));
    QCOMPARE(child<QLabel>(dialog, "LineNumber")->text(), QString("#6"));
    click(dialog, "NextTemp");
    QCOMPARE(pageShown(dialog), QString("Text"));
    QCOMPARE(child<QPlainTextEdit>(dialog, "WebText")->toPlainText(), QString("Hello"));
    QVERIFY(child<QCheckBox>(dialog, "BoldCB")->isChecked());

    f.host.user.answerMessage(Msg::ResultOk);
    click(dialog, "NextTemp");
    QCOMPARE(f.host.user.messageTexts(), QStringList{"No more template definitions"});
    QCOMPARE(pageShown(dialog), QString("Text"));
    QCOMPARE(dialog->wizard().placeholderLine(), 8);
    QVERIFY(!child<QPushButton>(dialog, "CloseBtn")->isHidden());
    click(dialog, "PrevTemp");
    QCOMPARE(pageShown(dialog), QString("InvalidTag"));
    QVERIFY(child<QPushButton>(dialog, "CloseBtn")->isHidden());
    click(dialog, "PrevTemp");
    f.host.user.answerMessage(Msg::ResultOk);
    click(dialog, "PrevTemp");
    QCOMPARE(f.host.user.messageTexts().size(), 2);
    QCOMPARE(dialog->wizard().placeholderLine(), 2);

    // Refreshing unchanged fields writes the same lines.
    const QString before = f.editor.text();
    click(dialog, "RefreshBtn");
    QCOMPARE(f.editor.text(), before);
    QCOMPARE(f.calls, (QStringList{"collapse", "refresh"}));
    dialog->close();
    QCOMPARE(f.calls.constLast(), QString("restore"));
}

void TestTemplateDialog::headingRefresh() {
    Fixture f({"<HTML>", "<!--##Heading-->",
               "<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>", "</HTML>"});
    TemplateDialog *dialog = f.open();
    click(dialog, "StartBtn");
    QCOMPARE(pageShown(dialog), QString("Header"));
    QCOMPARE(child<QLineEdit>(dialog, "HeaderText")->text(), QString("Welcome"));
    QCOMPARE(child<QSpinBox>(dialog, "HeaderSize")->value(), 2);
    QCOMPARE(child<QComboBox>(dialog, "HeaderAlignment")->currentText(), QString("center"));
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(3),
             QString("<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>"));

    child<QLineEdit>(dialog, "HeaderText")->setText("Hello");
    child<QComboBox>(dialog, "HeaderAlignment")->setCurrentText("none");
    f.host.user.answerColor(QColor(0, 0x80, 0xFF));
    click(dialog, "HeaderColor");
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(3), QString("<FONT COLOR=\"#0080FF\"><H2>Hello</H2></FONT>"));
    QCOMPARE(f.line(4), QString("</HTML>"));

    child<QLineEdit>(dialog, "HeaderText")->clear();
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(3), QString("<FONT COLOR=\"#0080FF\"><H2>Hello</H2></FONT>"));
    dialog->close();
}

void TestTemplateDialog::imageChosenByBrowsing() {
    Fixture f({"<HTML>", "<!--##Image-->", "", "</HTML>"});
    TestFolder elsewhere;
    QImage picture(40, 25, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(elsewhere.file("logo.jpg")));
    QVERIFY(picture.save(f.folder.file("here.bmp")));
    f.host.prefs.graphicExtension = "jpg,bmp";
    TemplateDialog *dialog = f.open();
    click(dialog, "StartBtn");
    QCOMPARE(pageShown(dialog), QString("Image"));
    QCOMPARE(f.line(3), QString());

    f.host.user.answerFile(elsewhere.file("logo.jpg"));
    click(dialog, "SpeedButton2");
    QCOMPARE(f.host.user.asked().at(0).text, QString("Graphics|*.jpg;*.bmp|All Files|*"));
    QCOMPARE(f.host.copiedPictures, QStringList{elsewhere.file("logo.jpg")});
    QVERIFY(QFileInfo::exists(f.folder.file("logo.jpg")));
    auto *file = child<QComboBox>(dialog, "ImageFilename");
    QCOMPARE(file->currentText(), QString("logo.jpg"));
    QCOMPARE(child<QSpinBox>(dialog, "ImageWidth")->value(), 40);
    QCOMPARE(child<QSpinBox>(dialog, "ImageHeight")->value(), 25);
    child<QComboBox>(dialog, "ImageAlignment")->setCurrentText("bottom");
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(3),
             QString("<IMG SRC=\"logo.jpg\" HEIGHT=\"25\" WIDTH=\"40\" ALIGN=\"bottom\">"));

    // The list offers the pictures beside the page; a name that cannot be
    // loaded gives no size.
    file->showPopup();
    QStringList items;
    for (int i = 0; i < file->count(); ++i)
        items << file->itemText(i);
    file->hidePopup();
    QCOMPARE(items, (QStringList{"logo.jpg", "here.bmp"}));
    file->setEditText("missing.gif");
    QCOMPARE(child<QSpinBox>(dialog, "ImageWidth")->value(), 0);
    dialog->close();
}

void TestTemplateDialog::linkPage() {
    Fixture f({"<HTML>", "<!--##MailLink-->", "<A HREF=\"mailto:me@example.org\">Write</A>",
               "<!--##Link-->", "", "</HTML>"});
    f.folder.write("a.htm", "");
    TemplateDialog *dialog = f.open();
    click(dialog, "StartBtn");
    QCOMPARE(pageShown(dialog), QString("Link"));
    QVERIFY(child<QCheckBox>(dialog, "MailTo")->isChecked());
    QCOMPARE(child<QLabel>(dialog, "URLCaption")->text(), QString("Mailto:"));
    QCOMPARE(child<QComboBox>(dialog, "URLLink")->currentText(), QString("me@example.org"));
    QVERIFY(!child<QWidget>(dialog, "DisplayedGraphic")->isVisible());

    auto *text = child<QLineEdit>(dialog, "DisplayedText");
    text->setText("Mail me");
    emit text->editingFinished();
    QCOMPARE(f.line(3), QString("<A HREF=\"mailto:me@example.org\">Mail me</A>"));
    QVERIFY(f.calls.size() == 1); // leaving the text writes, without a refresh

    click(dialog, "NextTemp");
    QVERIFY(!child<QCheckBox>(dialog, "MailTo")->isChecked());
    QCOMPARE(child<QLabel>(dialog, "URLCaption")->text(), QString("URL to Link to:"));
    auto *url = child<QComboBox>(dialog, "URLLink");
    url->showPopup();
    QCOMPARE(url->itemText(0), QString("a.htm"));
    url->hidePopup();
    url->setEditText("a.htm");
    child<QComboBox>(dialog, "LinkStyle")->setCurrentIndex(1);
    QVERIFY(child<QWidget>(dialog, "DisplayedGraphic")->isVisible());
    child<QComboBox>(dialog, "DisplayedGraphic")->setEditText("home.gif");
    child<QComboBox>(dialog, "LinkAlignment")->setCurrentText("right");
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(5),
             QString("<P ALIGN=\"right\"><A HREF=\"a.htm\"><IMG SRC=\"home.gif\"></A></P>"));
    dialog->close();
}

void TestTemplateDialog::bodyColors() {
    Fixture f({"<HTML>", "<!--##Body-->", "<BODY>", "</HTML>"});
    TemplateDialog *dialog = f.open();
    click(dialog, "StartBtn");
    QCOMPARE(pageShown(dialog), QString("Body"));
    QCOMPARE(child<QLineEdit>(dialog, "bgColorText")->text(), QString("FFFFFF"));
    QCOMPARE(child<QSpinBox>(dialog, "LeftMargin")->value(), -1);
    f.host.user.answerColor(QColor(255, 0, 0));
    click(dialog, "LinkButton");
    QCOMPARE(child<QLineEdit>(dialog, "LinkColorText")->text(), QString("FF0000"));
    child<QLineEdit>(dialog, "ALinkColorText")->clear();
    child<QSpinBox>(dialog, "RightMargin")->setValue(4);
    child<QCheckBox>(dialog, "bgProperties")->setChecked(true);
    click(dialog, "RefreshBtn");
    QCOMPARE(f.line(3), QString("<BODY  TEXT=\"#000000\" LINK=\"#FF0000\" VLINK=\"#000000\" "
                                "BGCOLOR=\"#FFFFFF\" RIGHTMARGIN=\"4\" BGPROPERTIES=\"FIXED\">"));
    dialog->close();
}

QTEST_MAIN(TestTemplateDialog)
#include "test_gen_template_dialog.moc"
