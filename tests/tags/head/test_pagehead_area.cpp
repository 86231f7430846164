// The page head commands on the document editor, their dialogs worked as
// the user would: the title, the stamp, the body statement with the Body
// Settings dialog, the content rating, the META entries, the template
// markers and the menu entries' states.

#include "pageheadfixture.h"
#include "tags/head/pagehead.h"
#include "tags/head/safesurf.h"
#include "tags/head/ui/bodyform.h"
#include "tags/head/ui/safesurfform.h"
#include "tags/ui/parmform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QString kStartStatement = "<BODY TEXT=\"#000000\" LINK=\"#000000\" ALINK=\"#000000\" "
                                "VLINK=\"#000000\" BGCOLOR=\"#000000\" >";

QString ratingTag(const QString &codes) {
    return "<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"" + SafeSurf::serviceUrl() +
           "\" l  r " + codes + "))'>";
}

} // namespace

class TestPageHeadArea : public QObject {
    Q_OBJECT
    std::unique_ptr<PageHeadFixture> f;

    QString stamp() const { return PageHead::stampElement(f->now, f->locale); }

private slots:
    void init() { f = std::make_unique<PageHeadFixture>(); }
    void cleanup() { f.reset(); }

    // --- Title ---------------------------------------------------------------------------

    void titleText() {
        f->setText("<HTML>\r\n<HEAD><TITLE>Home page</TITLE></HEAD>\r\n<BODY>", 3, 2);
        bool found = false;
        QCOMPARE(f->area().getTitleText(&found), QString("Home page"));
        QVERIFY(found);
        QCOMPARE(f->marked(),
                 QString("<HTML>\r\n<HEAD>[<TITLE>Home page</TITLE>]</HEAD>\r\n<BODY>"));

        f->setText("<html>\r\n<head>\r\n</head>", 3, 2);
        QCOMPARE(f->area().getTitleText(&found), QString());
        QVERIFY(!found);
        QCOMPARE(f->marked(), QString("<html>\r\n<head>|\r\n</head>"));
    }

    void editTitle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("result");
        QTest::newRow("in place") << "<HTML><HEAD><TITLE>Home</TITLE></HEAD>"
                                  << "Home"
                                  << "<HTML><HEAD><TITLE>Start</TITLE></HEAD>";
        QTest::newRow("after <head>") << "<html>\r\n<head>\r\n</head>"
                                      << ""
                                      << "<html>\r\n<head>\r\n<TITLE>Start</TITLE>\r\n</head>";
        QTest::newRow("empty title in place") << "<HEAD><TITLE></TITLE></HEAD>"
                                              << ""
                                              << "<HEAD><TITLE>Start</TITLE></HEAD>";
        QTest::newRow("no head: at the top") << "<p>x</p>"
                                             << ""
                                             << "\r\n<TITLE>Start</TITLE><p>x</p>";
    }
    void editTitle() {
        QFETCH(QString, text);
        QFETCH(QString, preset);
        QFETCH(QString, result);
        f->setText(text, 1, text.indexOf('\r') < 0 ? 3 : 1);
        f->ui.answerInput("Start");
        f->action("Title1")->trigger();
        QCOMPARE(f->editor().text(), result);
        const auto &asked = f->ui.asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).caption, QString("Page Title"));
        QCOMPARE(asked.at(0).text, QString("New Title"));
        QCOMPARE(asked.at(0).preset, preset);
        QVERIFY(f->changed());
        QCOMPARE(f->fakePreview.updates, 1);
    }

    void cancelledTitleChangesNothing() {
        const QString text = "<HEAD><TITLE>Home</TITLE></HEAD>";
        f->setText(text);
        f->ui.cancelInput();
        f->action("Title1")->trigger();
        QCOMPARE(f->editor().text(), text);
        QVERIFY(!f->changed());
    }

    // --- Last-modified stamp ----------------------------------------------------------------

    void stampTwiceKeepsOneElement() {
        f->setText("<HTML><BODY>\r\ntext\r\n</BODY></HTML>", 2, 2);
        f->area().setLastModifiedDate();
        QCOMPARE(f->editor().text(), "<HTML><BODY>\r\ntext\r\n" + stamp() + "</BODY></HTML>");
        QVERIFY(f->changed());

        f->now = f->now.addDays(1).addSecs(61);
        f->select(1, 0, 1, 0);
        f->action("UpdateLastModified1")->trigger();
        QCOMPARE(f->editor().text(), "<HTML><BODY>\r\ntext\r\n" + stamp() + "</BODY></HTML>");
        QCOMPARE(f->editor().text().count("<PAGEMODIFIED>"), 1);
        QCOMPARE(f->fakePreview.updates, 2);
    }

    void stampWithoutBodyGoesToTheTop() {
        f->setText("<P>no body</P>", 1, 5);
        f->area().setLastModifiedDate();
        QCOMPARE(f->editor().text(), stamp() + "<P>no body</P>");
    }

    // The preview refreshes itself on every change when automatic updates
    // are on.
    void stampLeavesTheRefreshToAutomaticUpdates() {
        f->settings.autoUpdate = true;
        f->setText("<BODY></BODY>");
        f->area().setLastModifiedDate();
        QCOMPARE(f->fakePreview.updates, 0);
        QCOMPARE(f->editor().text(), "<BODY>" + stamp() + "</BODY>");
    }

    // --- Standard tags and template markers -----------------------------------------------

    void standardTags() {
        f->setText("");
        f->action("InsertStandardTags1")->trigger();
        QCOMPARE(f->editor().text(),
                 QString("<HTML>\r\n<HEAD>\r\n<TITLE>Web page Title</TITLE>\r\n</HEAD>\r\n<BODY>"
                         "\r\n\r\n</BODY>\r\n</HTML>"));
        QVERIFY(f->marked().endsWith("</HTML>|"));
    }

    void templateMarkers_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("marker");
        const QStringList names = {"Body", "Link", "MailLink", "Image", "", "Text", "Heading"};
        for (int i = 0; i < names.size(); ++i) {
            const QString marker = i == 4 ? QString("\r\n<!--##Defaults-->\r\n\r\n\r\n")
                                          : "\r\n<!--##" + names.at(i) + "-->\r\n";
            QTest::newRow(qPrintable(PageHead::templateMarkerCaptions().at(i))) << i << marker;
        }
    }
    void templateMarkers() {
        QFETCH(int, index);
        QFETCH(QString, marker);
        f->setText("ab", 1, 1);
        f->a.pageTemplates.at(index)->trigger();
        QCOMPARE(f->editor().text(), "a" + marker + "b");
        // The button of the Templates page inserts the same.
        f->setText("");
        f->area().markerButtons().at(index)->click();
        QCOMPARE(f->editor().text(), marker);
    }

    void templatesPageButtons() {
        const QVector<QToolButton *> &buttons = f->area().markerButtons();
        QCOMPARE(buttons.size(), 7);
        QStringList captions, names;
        for (QToolButton *b : buttons) {
            QCOMPARE(b->parentWidget(), f->w.toolPages[MainWidgets::Templates]);
            QVERIFY(!b->toolTip().isEmpty());
            captions << b->text();
            names << b->objectName();
        }
        QCOMPARE(captions, QStringList({"Body Settings", "Hot Link", "Mailto: Link", "Image",
                                        "Page Defaults", "Plain Text", "Heading"}));
        QCOMPARE(names.at(2), QString("TemplateMailLink"));
    }

    // --- Menu entries --------------------------------------------------------------------

    void entriesFollowTheDocument() {
        QStringList names = {"BodyStatement1",      "Title1", "MetaTag1",
                             "SafeSurfRating1",     "Embed1", "Meta1",
                             "InsertStandardTags1", "Param1", "UpdateLastModified1"};
        for (int i = 1; i <= 7; ++i)
            names << QString("PageTemplate%1").arg(i);
        for (const QString &name : names) {
            QAction *x = f->action(name);
            QVERIFY2(!MainActions::isPending(x), qPrintable(name));
            QVERIFY2(x->isEnabled(), qPrintable(name));
        }
        // The full-screen preview leaves only the stamp.
        f->shell.fullScreen = true;
        f->shell.updateMenuStates();
        for (const QString &name : names)
            QCOMPARE(f->action(name)->isEnabled(), name == "UpdateLastModified1");
        f->shell.fullScreen = false;

        f->openDocument(false);
        f->shell.updateMenuStates();
        for (const QString &name : names)
            QVERIFY2(!f->action(name)->isEnabled(), qPrintable(name));
        for (QToolButton *b : f->area().markerButtons())
            QVERIFY(!b->isEnabled());
        QCOMPARE(f->action("BodyStatement1")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
        QCOMPARE(f->action("UpdateLastModified1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    }

    // --- META tags -----------------------------------------------------------------------

    void metaTagEditedInPlace() {
        f->setText("<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"old\">\r\n</HEAD>", 1, 0);
        WhenShown<ParmForm> dialog([](ParmForm *form) {
            QCOMPARE(form->page(), QString("meta"));
            QCOMPARE(child<QLineEdit>(form, "MetaName")->text(), QString("keywords"));
            auto *content = child<QLineEdit>(form, "MetaContent");
            QCOMPARE(content->text(), QString("old"));
            content->setText("html, editor");
            child<QPushButton>(form, "BitBtn1")->click();
        });
        f->action("MetaTag1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(
            f->editor().text(),
            QString("<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"html, editor\" >\r\n</HEAD>"));
    }

    void htmlCodesEntries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("fields"); // name, value pairs
        QTest::addColumn<QString>("inserted");
        QTest::newRow("Meta...") << "Meta1"
                                 << "meta" << QStringList{"MetaName", "author", "MetaContent", "me"}
                                 << "<META NAME=\"author\" CONTENT=\"me\" >";
        QTest::newRow("Embed...") << "Embed1"
                                  << "embed" << QStringList{"EmbedSrc", "song.mid"}
                                  << "<EMBED SRC=\"song.mid\">";
        QTest::newRow("Param...") << "Param1"
                                  << "Parameter" << QStringList{"PName", "speed", "PValue", "2"}
                                  << "<PARAM NAME=\"speed\" VALUE=\"2\">";
    }
    void htmlCodesEntries() {
        QFETCH(QString, entry);
        QFETCH(QString, page);
        QFETCH(QStringList, fields);
        QFETCH(QString, inserted);
        // "Meta..." inserts at the caret even where a META tag follows.
        f->setText("ab\r\n<META NAME=\"x\" CONTENT=\"y\">", 1, 1);
        WhenShown<ParmForm> dialog([page, fields](ParmForm *form) {
            QCOMPARE(form->page(), page);
            for (int i = 0; i + 1 < fields.size(); i += 2)
                child<QLineEdit>(form, fields.at(i))->setText(fields.at(i + 1));
            child<QPushButton>(form, "BitBtn1")->click();
        });
        f->action(entry)->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(), "a" + inserted + "b\r\n<META NAME=\"x\" CONTENT=\"y\">");
    }

    // --- Body statement ------------------------------------------------------------------

    void bodyStatementReadEditedAndReplaced() {
        f->setText("<HTML><HEAD></HEAD>\r\n<BODY BGCOLOR=#FFFFFF TEXT=\"#000000\" LEFTMARGIN=5>"
                   "\r\nx\r\n</BODY>",
                   3, 0);
        WhenShown<BodyForm> dialog([this](BodyForm *form) {
            QCOMPARE(form->objectName(), QString("TBodyForm"));
            QCOMPARE(form->windowTitle(), QString("Body Settings"));
            QCOMPARE(form->itemColor(BodyForm::BackgroundItem), QColor(255, 255, 255));
            QCOMPARE(child<QSpinBox>(form, "LeftMargin")->value(), 5);
            QCOMPARE(child<QSpinBox>(form, "TopMargin")->value(), -1);
            QVERIFY(child<QRadioButton>(form, "TextRB")->isChecked());
            auto *red = child<QScrollBar>(form, "RedBar");
            QCOMPARE(red->value(), 0);

            // The bars edit the chosen item only.
            child<QRadioButton>(form, "BackgroundRB")->click();
            QCOMPARE(red->value(), 255);
            QCOMPARE(child<QLabel>(form, "RedBarValue")->text(), QString("FF"));
            red->setValue(0xC0);
            QCOMPARE(child<QLabel>(form, "RedBarValue")->text(), QString("C0"));
            QCOMPARE(form->itemColor(BodyForm::BackgroundItem), QColor(0xC0, 255, 255));
            QCOMPARE(form->itemColor(BodyForm::TextItem), QColor(0, 0, 0));

            // The colour dialog starts from the bars and sets the chosen item.
            child<QRadioButton>(form, "TextRB")->click();
            QCOMPARE(red->value(), 0);
            f->ui.answerColor(QColor(0x11, 0x22, 0x33));
            child<QPushButton>(form, "ColorBtn")->click();
            QCOMPARE(red->value(), 0x11);
            QCOMPARE(child<QScrollBar>(form, "BlueBar")->value(), 0x33);
            QCOMPARE(form->itemColor(BodyForm::BackgroundItem), QColor(0xC0, 255, 255));

            child<QSpinBox>(form, "LeftMargin")->setValue(-1);
            child<QSpinBox>(form, "TopMargin")->setValue(0);
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("BodyStatement1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->ui.asked().at(0).type, ScriptedUserInteraction::Type::Color);
        QCOMPARE(f->editor().text(),
                 QString("<HTML><HEAD></HEAD>\r\n<BODY TEXT=\"#112233\" LINK=\"#000000\" "
                         "ALINK=\"#000000\" VLINK=\"#000000\" BGCOLOR=\"#C0FFFF\" "
                         "TOPMARGIN=\"0\" >\r\nx\r\n</BODY>"));
        const BodyMemory &m = f->tags().bodyMemory();
        QCOMPARE(m.text, QColor(0x11, 0x22, 0x33));
        QCOMPARE(m.bgcolor, QColor(0xC0, 255, 255));
        QCOMPARE(m.leftMargin, -1);
        QCOMPARE(m.topMargin, 0);
        QCOMPARE(f->fakePreview.updates, 1);
        QCOMPARE(QDir::currentPath() + "/", f->program.path());
    }

    // A page without a body statement gets one on a new line after
    // "</head>"; with the start values it reads as below.
    void newStatementAfterTheHead() {
        f->setText("<HTML><HEAD></HEAD>\r\n</HTML>", 2, 3);
        WhenShown<BodyForm> dialog(
            [](BodyForm *form) { child<QPushButton>(form, "OkBtn")->click(); });
        f->action("BodyStatement1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(), "<HTML><HEAD></HEAD>\r\n" + kStartStatement + "\r\n</HTML>");
    }

    void backgroundPictureCopiedBesideThePage() {
        TestFolder elsewhere;
        const QString picture = elsewhere.write("pics/tile.gif", "GIF89a-tile");
        f->program.write("keep.gif", "GIF89a-page's own");
        const QString keep = elsewhere.write("keep.gif", "GIF89a-other");
        f->setText("<BODY>x</BODY>");
        WhenShown<BodyForm> dialog([&](BodyForm *form) {
            f->ui.answerFile(picture);
            child<QPushButton>(form, "LoadBackground")->click();
            QCOMPARE(child<QLabel>(form, "BackgroundName")->text(), QString("tile.gif"));
            child<QCheckBox>(form, "FixedBackground")->setChecked(true);
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("BodyStatement1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(), "<BODY BACKGROUND=\"tile.gif\" " +
                                         kStartStatement.mid(6).chopped(1) +
                                         "BGPROPERTIES=\"FIXED\">x</BODY>");
        QCOMPARE(f->ui.asked().at(0).caption, QString("Load Background"));
        QCOMPARE(f->ui.asked().at(0).preset, f->program.path() + "|"); // in the page's folder
        QCOMPARE(TestFolder::read(f->program.file("tile.gif")), QByteArray("GIF89a-tile"));
        QCOMPARE(f->tags().bodyMemory().background, picture);
        QVERIFY(f->tags().bodyMemory().fixedBackground);

        // A picture whose name the page's folder holds already leaves that file.
        f->setText("<BODY>x</BODY>");
        WhenShown<BodyForm> again([&](BodyForm *form) {
            f->ui.answerFile(keep);
            child<QPushButton>(form, "LoadBackground")->click();
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("BodyStatement1")->trigger();
        QVERIFY(again.shown());
        QVERIFY(f->editor().text().startsWith("<BODY BACKGROUND=\"keep.gif\" TEXT="));
        QCOMPARE(TestFolder::read(f->program.file("keep.gif")), QByteArray("GIF89a-page's own"));
        QCOMPARE(f->ui.messageTexts(), QStringList());
    }

    void failedBackgroundCopyIsReported() {
        const QString missing = f->program.path() + "gone/tile.gif";
        f->setText("<BODY>x</BODY>");
        WhenShown<BodyForm> dialog([&](BodyForm *form) {
            f->ui.answerFile(missing);
            child<QPushButton>(form, "LoadBackground")->click();
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("BodyStatement1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->ui.messageTexts(),
                 QStringList{"Cannot copy " + missing + " to " + f->program.path()});
        QVERIFY(!QFile::exists(f->program.file("tile.gif")));
        QVERIFY(f->editor().text().startsWith("<BODY BACKGROUND=\"tile.gif\" TEXT="));
    }

    void clearBackground() {
        f->setText("<BODY BACKGROUND=\"old.gif\" TEXT=\"#102030\">x</BODY>");
        WhenShown<BodyForm> dialog([](BodyForm *form) {
            QCOMPARE(child<QLabel>(form, "BackgroundName")->text(), QString("old.gif"));
            child<QPushButton>(form, "ClearBackground")->click();
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("BodyStatement1")->trigger();
        QVERIFY(dialog.shown());
        QVERIFY(f->editor().text().startsWith("<BODY TEXT=\"#102030\" LINK="));
        QVERIFY(f->tags().bodyMemory().background.isEmpty());
    }

    // Double-clicking "<BODY" opens the same dialog; Cancel leaves the page
    // and refreshes the preview.
    void doubleClickOnBody() {
        const QString text = "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n</HTML>";
        f->setText(text);
        f->select(2, 0, 2, 5);
        WhenShown<BodyForm> dialog([](BodyForm *form) {
            QCOMPARE(form->itemColor(BodyForm::BackgroundItem), QColor(255, 255, 255));
            child<QPushButton>(form, "CancelBtn")->click();
        });
        f->tags().webPageDblClick();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(), text);
        QVERIFY(!f->changed());
        QVERIFY(f->fakePreview.updates >= 1);
    }

    void unreadableColorIsReported() {
        const QString text = "<BODY TEXT=\"red\">x</BODY>";
        f->setText(text);
        WhenShown<BodyForm> dialog([](BodyForm *form) { form->reject(); });
        f->action("BodyStatement1")->trigger();
        QVERIFY(!dialog.shown());
        QCOMPARE(f->ui.messageTexts(),
                 QStringList{"Exception occured during BodyStatement1Click!"});
        QCOMPARE(f->ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(f->editor().text(), text);
    }

    // --- Content rating ------------------------------------------------------------------

    void ratingAfterTheTitle() {
        f->setText("<HTML><HEAD><TITLE>T</TITLE></HEAD>", 1, 3);
        WhenShown<SafeSurfForm> dialog([](SafeSurfForm *form) {
            QCOMPARE(form->windowTitle(), QString("SafeSurf Rating"));
            auto *question = child<QLabel>(form, "QuestionLabel");
            auto *prev = child<QPushButton>(form, "PrevBtn");
            auto *next = child<QPushButton>(form, "NextBtn");
            QCOMPARE(question->text(), QString("Question 1 of 12"));
            QVERIFY(!prev->isEnabled());
            auto *first = child<QListWidget>(form, "Levels1");
            QCOMPARE(first->count(), 10);
            QCOMPARE(first->currentItem()->text(), QString("0) N/A"));
            QCOMPARE(first->item(9)->text(), QString("9) Explicitly for Adults"));
            next->click();
            QCOMPARE(question->text(), QString("Question 2 of 12"));
            QVERIFY(prev->isEnabled());
            child<QListWidget>(form, "Levels2")->setCurrentRow(2);
            for (int i = 0; i < 10; ++i)
                next->click();
            QCOMPARE(question->text(), QString("Question 12 of 12"));
            QVERIFY(!next->isEnabled());
            QCOMPARE(child<QLineEdit>(form, "WebsiteURL")->text(), SafeSurf::sampleSiteUrl());
            QVERIFY(!child<QCheckBox>(form, "WholeSite")->isChecked());
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("SafeSurfRating1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(),
                 "<HTML><HEAD><TITLE>T</TITLE>\r\n" + ratingTag("( SS~~001 2") + "</HEAD>");
        QCOMPARE(f->fakePreview.updates, 1);
    }

    void ratingPresetAndReplacedInPlace() {
        const QString old = "<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"" +
                            SafeSurf::serviceUrl() +
                            "\" l generic true for \"http://www.acme.test/\" r (SS~~000 1 "
                            "SS~~001 2 SS~~00A 4))'>";
        f->setText("<HEAD><TITLE>T</TITLE>" + old + "</HEAD>", 1, 30);
        WhenShown<SafeSurfForm> dialog([](SafeSurfForm *form) {
            QCOMPARE(child<QListWidget>(form, "Levels1")->currentRow(), 1);
            QCOMPARE(child<QListWidget>(form, "Levels2")->currentRow(), 2);
            QCOMPARE(child<QListWidget>(form, "Levels3")->currentRow(), 0);
            QCOMPARE(child<QListWidget>(form, "Levels11")->currentRow(), 4);
            QVERIFY(child<QCheckBox>(form, "WholeSite")->isChecked());
            QCOMPARE(child<QLineEdit>(form, "WebsiteURL")->text(),
                     QString("http://www.acme.test/"));
            child<QListWidget>(form, "Levels1")->setCurrentRow(0);
            child<QCheckBox>(form, "WholeSite")->setChecked(false);
            child<QPushButton>(form, "OkBtn")->click();
        });
        f->action("SafeSurfRating1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(),
                 "<HEAD><TITLE>T</TITLE>" + ratingTag("( SS~~001 2 SS~~00A 4") + "</HEAD>");
    }

    void cancelledRatingChangesNothing() {
        const QString text = "<HEAD><TITLE>T</TITLE></HEAD>";
        f->setText(text);
        WhenShown<SafeSurfForm> dialog(
            [](SafeSurfForm *form) { child<QPushButton>(form, "CancelBtn")->click(); });
        f->action("SafeSurfRating1")->trigger();
        QVERIFY(dialog.shown());
        QCOMPARE(f->editor().text(), text);
        QVERIFY(!f->changed());
    }
};

QTEST_MAIN(TestPageHeadArea)
#include "test_pagehead_area.moc"
