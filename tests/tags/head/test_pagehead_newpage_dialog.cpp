// The Initial Values wizard worked as the user would: the project's
// defaults, the pages and their buttons, the live preview, Finish with the
// page's lines and the copies beside it, and Cancel.

#include "pageheadfixture.h"
#include "tags/head/initialvalues.h"
#include "tags/head/ui/initialvaluesform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

const char *const kOceanFiles[] = {"t_ocean.gif", "l_ocean.gif", "w_ocean.gif", "e_ocean.gif",
                                   "n_ocean.gif", "s_ocean.gif", "q_ocean.gif"};

void setField(QObject *form, const char *name, const QString &text) {
    auto *field = child<QLineEdit>(form, name);
    field->setText(text);
    emit field->editingFinished();
}

} // namespace

class TestPageHeadNewPageDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<PageHeadFixture> f;
    std::unique_ptr<TestFolder> page;
    QString themes;

private slots:
    void init() {
        f = std::make_unique<PageHeadFixture>();
        page = std::make_unique<TestFolder>();
        f->document.dir = page->path();
        for (const char *name : kOceanFiles)
            f->program.write(QString("themes/") + name, QByteArray("GIF89a ") + name);
        f->program.write("themes/t_forest.gif", "GIF89a forest");
        themes = f->program.path() + "themes/";
        page->write("PROJECT.INI", "[PROJECT]\r\nmailto=Web@Acme.test\r\nTextColor=112233\r\n"
                                   "ThemeStyle=ocean\r\n");
        f->setText("");
    }
    void cleanup() {
        f.reset();
        page.reset();
    }

    void opensWithTheProjectsDefaults() {
        f->setText("left over");
        WhenShown<InitialValuesForm> wizard([](InitialValuesForm *form) {
            QCOMPARE(form->objectName(), QString("TInitialValuesForm"));
            QCOMPARE(form->windowTitle(), QString("Initial Values"));
            QCOMPARE(child<QLabel>(form, "PageCaption")->text(), QString("Page Internals"));
            QCOMPARE(child<QLineEdit>(form, "PageTitle")->text(), QString("Web Page Title Here"));
            QCOMPARE(child<QLineEdit>(form, "PageComments")->text(), QString("Comments go here"));
            auto *docType = child<QComboBox>(form, "DocType");
            QCOMPARE(docType->count(), 4);
            QCOMPARE(docType->currentText(), QString("none"));
            auto *theme = child<QComboBox>(form, "ThemeCombo");
            QCOMPARE(theme->count(), 3);
            QCOMPARE(theme->itemText(0), QString("[None]"));
            QCOMPARE(theme->currentText(), QString("ocean"));
            QCOMPARE(child<QLineEdit>(form, "EmailAddress")->text(), QString("Web@Acme.test"));
            QCOMPARE(child<QLineEdit>(form, "EmailCaption")->text(),
                     QString("Click here to send us an email message"));
            QVERIFY(child<QCheckBox>(form, "CenterItems")->isChecked());
            QCOMPARE(child<QSpinBox>(form, "HeadingSize")->value(), 1);
            QCOMPARE(child<QSpinBox>(form, "HeadingSize")->maximum(), 6);
            QCOMPARE(child<QSpinBox>(form, "DefaultFontSize")->value(), 3);
            QCOMPARE(child<QSpinBox>(form, "DefaultFontSize")->maximum(), 7);
            QStringList colors;
            for (const char *name : {"TextColorText", "LinkColorText", "ALinkColorText",
                                     "VLinkColorText", "BgColorText"})
                colors << child<QLineEdit>(form, name)->text();
            QCOMPARE(colors, QStringList({"112233", "FF0000", "000000", "800080", "C0C0C0"}));
            auto *left = child<QSpinBox>(form, "LeftMargin");
            QCOMPARE(left->value(), -1);
            QCOMPARE(left->singleStep(), 5);
            QCOMPARE(left->maximum(), 100);

            // The preview shows the page from the start and follows a field
            // once it is left.
            QVERIFY(form->previewHtml().contains("<TITLE>Web Page Title Here</TITLE>"));
            setField(form, "PageTitle", "Acme Home");
            QVERIFY(form->previewHtml().contains("<TITLE>Acme Home</TITLE>"));
            child<QCheckBox>(form, "CenterItems")->setChecked(false);
            QVERIFY(!form->previewHtml().contains("<CENTER>"));

            // The buttons walk the five pages; Finish shows on the last only.
            auto *back = child<QPushButton>(form, "BackBtn");
            auto *next = child<QPushButton>(form, "NextBtn");
            auto *finish = child<QPushButton>(form, "FinishBtn");
            QVERIFY(!back->isEnabled());
            QVERIFY(finish->isHidden());
            QStringList captions{form->pageCaption()};
            for (int i = 0; i < 4; ++i) {
                next->click();
                captions << child<QLabel>(form, "PageCaption")->text();
            }
            QCOMPARE(captions,
                     QStringList({"Page Internals", "Images/Themes", "Text", "General", "Colors"}));
            QVERIFY(!next->isEnabled());
            QVERIFY(!finish->isHidden());
            QVERIFY(back->isEnabled());
            back->click();
            QCOMPARE(form->pageCaption(), QString("General"));
            QVERIFY(finish->isHidden());
            child<QPushButton>(form, "CancelBtn")->click();
        });
        QVERIFY(f->area().startInitialValues());
        QVERIFY(wizard.shown());
        // Cancel empties the editor.
        QCOMPARE(f->editor().text(), QString());
        QCOMPARE(QDir(page->path()).entryList(QDir::Files), QStringList{"PROJECT.INI"});
    }

    // A page with a theme, a logo, a coloured heading and an e-mail address.
    void finishWritesThePageAndCopiesItsPictures() {
        TestFolder pictures;
        const QString logo = pictures.write("logo.gif", "GIF89a logo");
        page->write("l_ocean.gif", "the page's own separator");
        WhenShown<InitialValuesForm> wizard([&](InitialValuesForm *form) {
            setField(form, "PageTitle", "Acme Home");
            setField(form, "MetaKeywords", "acme, tools");
            setField(form, "MetaDescription", "Acme's page");
            child<QComboBox>(form, "DocType")->setCurrentIndex(1);
            for (const char *box : {"LeftArrow", "UpArrow", "QuestionMark"})
                child<QCheckBox>(form, box)->setChecked(true);
            setField(form, "PageHeading", "Welcome");
            f->ui.answerColor(QColor(0, 0, 128));
            child<QToolButton>(form, "HeadingColorBtn")->click();
            child<QSpinBox>(form, "HeadingSize")->setValue(2);
            f->ui.answerFile(logo);
            child<QToolButton>(form, "LogoBrowse")->click();
            QCOMPARE(child<QLineEdit>(form, "Logo")->text(), logo);
            setField(form, "Greeting", "Acme Inc.");
            child<QPlainTextEdit>(form, "OtherInfo")->setPlainText("Line one\nLine two");
            child<QSpinBox>(form, "LeftMargin")->setValue(0);
            QVERIFY(form->previewHtml().contains("<IMG SRC=\"" + logo + "\">"));
            form->setPage(4);
            child<QPushButton>(form, "FinishBtn")->click();
        });
        QVERIFY(f->area().startInitialValues());
        QVERIFY(wizard.shown());

        InitialValues expected;
        expected.applyDefaults(readPageDefaults(page->path()));
        expected.pageTitle = "Acme Home";
        expected.keywords = "acme, tools";
        expected.description = "Acme's page";
        expected.docType = 1;
        expected.leftArrow = expected.upArrow = expected.questionMark = true;
        expected.heading = "Welcome";
        expected.headingColor = QColor(0, 0, 128);
        expected.headingSize = 2;
        expected.logo = logo;
        expected.greeting = "Acme Inc.";
        expected.otherInfo = QStringList{"Line one", "Line two"};
        expected.leftMargin = 0;
        const QStringList lines =
            pageLines(initialValuesLines(expected, themes, f->now, f->locale), expected, themes);
        QCOMPARE(lines.size(), 41);
        QCOMPARE(f->editor().text(), lines.join("\r\n") + "\r\n");
        QCOMPARE(lines.at(8), QString("<BODY BACKGROUND=\"t_ocean.gif\"  TEXT=\"#112233\" "
                                      "LINK=\"#FF0000\" VLINK=\"#800080\" ALINK=\"#000000\" "
                                      "BGCOLOR=\"#C0C0C0\" LEFTMARGIN=\"0\">"));
        QCOMPARE(lines.at(16), QString("<IMG SRC=\"logo.gif\">"));
        QCOMPARE(lines.at(18), QString("<FONT COLOR=\"#000080\">"));
        QCOMPARE(lines.at(32), QString("<a href=\"mailto:web@acme.test\">Click here to send us "
                                       "an email message</a><p>"));

        // The logo and the theme's pictures sit beside the page; a file of
        // that name already there stayed as it was.
        QStringList copied = QDir(page->path()).entryList(QDir::Files);
        QStringList wanted{"PROJECT.INI", "logo.gif"};
        for (const char *name : kOceanFiles)
            wanted << name;
        copied.sort();
        wanted.sort();
        QCOMPARE(copied, wanted);
        QCOMPARE(TestFolder::read(page->file("l_ocean.gif")),
                 QByteArray("the page's own separator"));
        QCOMPARE(TestFolder::read(page->file("n_ocean.gif")), QByteArray("GIF89a n_ocean.gif"));

        const BodyMemory &body = f->tags().bodyMemory();
        QCOMPARE(body.text, QColor(0x11, 0x22, 0x33));
        QCOMPARE(body.vlink, QColor(0x80, 0, 0x80));
        QCOMPARE(body.background, themes + "t_ocean.gif");
        QVERIFY(f->changed());
        QCOMPARE(QDir::currentPath() + "/", page->path());
        QCOMPARE(f->ui.messageTexts(), QStringList());
        QCOMPARE(f->ui.unexpected(), 0);
    }

    // The page is written whole; the picture that cannot be copied is
    // named, and no part of it is left beside the page.
    void failedCopyIsReported() {
        const QString missing = page->path() + "nowhere/logo.gif";
        WhenShown<InitialValuesForm> wizard([&](InitialValuesForm *form) {
            child<QComboBox>(form, "ThemeCombo")->setCurrentIndex(0);
            setField(form, "Logo", missing);
            form->setPage(4);
            child<QPushButton>(form, "FinishBtn")->click();
        });
        f->area().startInitialValues();
        QVERIFY(wizard.shown());
        QCOMPARE(f->ui.messageTexts(),
                 QStringList{"Cannot copy " + missing + " to " + page->path()});
        QCOMPARE(f->ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(f->editor().text().contains("\r\n<IMG SRC=\"logo.gif\">\r\n"));
        QVERIFY(f->editor().text().endsWith("</BODY>\r\n</HTML>\r\n"));
        QCOMPARE(QDir(page->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"PROJECT.INI"});
    }

    void pickersAndColourButtons() {
        TestFolder pictures;
        const QString back = pictures.write("back.jpg", "JFIF");
        WhenShown<InitialValuesForm> wizard([&](InitialValuesForm *form) {
            f->ui.answerFile(back);
            child<QToolButton>(form, "BackgroundBrowse")->click();
            QCOMPARE(child<QLineEdit>(form, "BackgroundGraphic")->text(), back);
            child<QCheckBox>(form, "FixedBackground")->setChecked(true);
            f->ui.answerColor(QColor(0xAB, 0xCD, 0xEF));
            child<QToolButton>(form, "BgButton")->click();
            QCOMPARE(child<QLineEdit>(form, "BgColorText")->text(), QString("ABCDEF"));
            // A colour field takes hexadecimal digits only.
            auto *text = child<QLineEdit>(form, "TextColorText");
            text->clear();
            QTest::keyClicks(text, "12zz34");
            QCOMPARE(text->text(), QString("1234"));
            emit text->editingFinished();
            QVERIFY(form->previewHtml().contains("<BODY BACKGROUND=\"" + back +
                                                 "\"  TEXT=\"#1234\" LINK=\"#FF0000\""));
            QVERIFY(form->previewHtml().contains("BGCOLOR=\"#ABCDEF\" BGPROPERTIES=\"FIXED\" >"));
            child<QPushButton>(form, "CancelBtn")->click();
        });
        f->area().startInitialValues();
        QVERIFY(wizard.shown());
        QCOMPARE(f->ui.asked().at(0).caption, QString("Open"));
        QCOMPARE(f->ui.asked().at(0).preset, page->path() + "|");
        // Cancelled: nothing copied.
        QVERIFY(!QFile::exists(page->file("back.jpg")));
    }

    // Without a project file the new page's own defaults apply, and no
    // theme is chosen.
    void withoutAProjectFile() {
        QFile::remove(page->file("PROJECT.INI"));
        WhenShown<InitialValuesForm> wizard([](InitialValuesForm *form) {
            QCOMPARE(child<QComboBox>(form, "ThemeCombo")->currentText(), QString("[None]"));
            QCOMPARE(child<QLineEdit>(form, "EmailAddress")->text(), QString());
            QCOMPARE(child<QLineEdit>(form, "TextColorText")->text(), QString("000000"));
            form->setPage(4);
            child<QPushButton>(form, "FinishBtn")->click();
        });
        f->area().startInitialValues();
        QVERIFY(wizard.shown());
        QVERIFY(!f->editor().text().contains("IMG"));
        QVERIFY(!f->editor().text().contains("mailto"));
        QCOMPARE(QDir(page->path()).entryList(QDir::Files), QStringList());
    }

    void notStartedWithoutADocument() {
        f->openDocument(false);
        QVERIFY(!f->area().startInitialValues());
    }
};

QTEST_MAIN(TestPageHeadNewPageDialog)
#include "test_pagehead_newpage_dialog.moc"
