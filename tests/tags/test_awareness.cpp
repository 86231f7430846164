// Tag awareness on the real document editor: the TAG and BODY lamps, tag
// pairs, attribute editing by double-click with the Parameter Selections
// dialog, and the removal of empty colour attributes.

#include "app/ui/lamp.h"
#include "tagfixture.h"
#include "tags/ui/parmform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <functional>

namespace {

const QColor kGreen(0, 255, 0), kRed(255, 0, 0), kYellow(255, 255, 0);

const QString kPage = "<html>\r\n"
                      "<body bgcolor=\"#FFFFFF\">\r\n"
                      "<B>text</B>\r\n"
                      "</body>\r\n"
                      "</html>";

const QString kTwoBodies = "It appears as if you have two closing </BODY> tags in your document.  "
                           "Remember that anything appearing after the first closing tag may not "
                           "display in all browsers!  It will NOT appear in this viewer.";

// Runs `look` on the Parameter Selections dialog once it is shown, then
// presses its "Ok" (or Cancel) button.
void whenDialogShows(std::function<void(ParmForm *)> look, bool ok = true) {
    QTimer::singleShot(0, [look, ok] {
        auto *form = qobject_cast<ParmForm *>(QApplication::activeModalWidget());
        if (!form) {
            qWarning("no Parameter Selections dialog");
            return;
        }
        look(form);
        form->findChild<QPushButton *>(ok ? "BitBtn1" : "BitBtn2")->click();
    });
}

QString comboText(ParmForm *form, const char *name) {
    return form->findChild<QComboBox *>(name)->currentText();
}

} // namespace

class TestAwareness : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFixture> f;

    QColor tagLamp() { return f->w.inATagLight->color(); }
    QColor bodyLamp() { return f->w.inABodyLight->color(); }

private slots:
    void init() { f = std::make_unique<TagFixture>(); }
    void cleanup() { f.reset(); }

    void lamps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("tag");
        QTest::addColumn<QColor>("body");
        QTest::newRow("between < and B") << kPage << 3 << 1 << kYellow << kGreen;
        QTest::newRow("after <B>") << kPage << 3 << 3 << kGreen << kGreen;
        QTest::newRow("in <html>") << kPage << 1 << 2 << kYellow << kRed;
        QTest::newRow("in body statement") << kPage << 2 << 8 << kYellow << kRed;
        QTest::newRow("right after body statement") << kPage << 2 << 24 << kGreen << kGreen;
        QTest::newRow("before </body") << kPage << 4 << 0 << kGreen << kGreen;
        QTest::newRow("inside </body>") << kPage << 4 << 1 << kYellow << kRed;
        QTest::newRow("after the body") << kPage << 5 << 0 << kGreen << kRed;
        QTest::newRow("upper case") << "<BODY>\r\nx\r\n</BODY>" << 2 << 1 << kGreen << kGreen;
        QTest::newRow("no closing body") << "<body>\r\nx" << 2 << 1 << kGreen << kGreen;
        QTest::newRow("no body") << "<p>x</p>" << 1 << 4 << kGreen << kRed;
        QTest::newRow("body on the first column") << "<body>x</body>" << 1 << 6 << kGreen << kGreen;
        QTest::newRow("empty line") << "<body>\r\n\r\n</body>" << 2 << 0 << kGreen << kGreen;
    }
    void lamps() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QColor, tag);
        QFETCH(QColor, body);
        f->setText(text, line, column);
        f->tags().webPageClick();
        QCOMPARE(tagLamp(), tag);
        QCOMPARE(bodyLamp(), body);
        QCOMPARE(f->tags().inATag(), tag == kYellow);
        QCOMPARE(f->ui.asked().size(), 0);
    }

    void lampsLeaveCaretAndFindText() {
        f->editor().setSearchText("needle");
        f->setText(kPage, 3, 4);
        f->tags().webPageClick();
        f->editor().readSelection();
        QCOMPARE(f->editor().startLine, 3);
        QCOMPARE(f->editor().endPos, 4);
        QCOMPARE(f->editor().searchTextValue(), QString("needle"));
    }

    void selectionMakesLampsNeutral() {
        f->setText(kPage, 3, 4);
        f->tags().webPageClick();
        QCOMPARE(bodyLamp(), kGreen);
        f->select(3, 3, 3, 7);
        f->tags().webPageClick();
        QCOMPARE(tagLamp(), Lamp::neutral());
        QCOMPARE(bodyLamp(), Lamp::neutral());
    }

    void clicksFollowTheSetting() {
        f->setText("<body>x</body>\r\n</body>", 1, 6);
        f->settings.useEws = true;
        emit f->editor().clicked();
        emit f->editor().clicked();
        // Warned on every click, and the body runs to the last closing tag.
        QCOMPARE(f->ui.messageTexts(), QStringList({kTwoBodies, kTwoBodies}));
        QCOMPARE(f->ui.asked().at(0).kind, int(Msg::Warning));
        QCOMPARE(f->ui.asked().at(0).buttons, int(Msg::Ok));
        QCOMPARE(bodyLamp(), kGreen);

        f->ui.clear();
        f->settings.useEws = false;
        f->w.inABodyLight->setColor(kRed);
        emit f->editor().clicked();
        QCOMPARE(f->ui.asked().size(), 0);
        QCOMPARE(bodyLamp(), kRed); // lamps keep their colours
        // "Check Cursor Position" runs whatever the setting says.
        f->action("CheckCursorPosition1")->trigger();
        QCOMPARE(f->ui.messageTexts(), QStringList({kTwoBodies}));
        QCOMPARE(bodyLamp(), kGreen);
    }

    void tagPairs() {
        f->setText("<p>a <TITLE>x\r\ny</TITLE> b", 1, 0);
        QVERIFY(f->tags().highlightTag("<TITLE>", "</TITLE>"));
        QCOMPARE(f->editor().getSelText(), QString("<TITLE>x\r\ny</TITLE>"));
        // No second pair after the selection: false, and the caret stays.
        QVERIFY(!f->tags().highlightTag("<TITLE>", "</TITLE>"));
        QCOMPARE(f->editor().getSelText(), QString("<TITLE>x\r\ny</TITLE>"));

        f->setText("<META NAME=x", 1, 0);
        QVERIFY(!f->tags().highlightTag("<META", ">"));
        QCOMPARE(f->editor().getSelText(), QString("<META")); // moved to the opening match
    }

    void removeInvalidColours() {
        const QString text = "<BODY bgcolor=\"\" text=\"#000000\"><FONT color=\"\">\r\nsecond line";
        f->setText(text, 2, 3);
        f->ui.answerMessage(Msg::ResultNo);
        f->tags().removeInvalidColors();
        QCOMPARE(f->editor().text(), text);
        QCOMPARE(
            f->ui.messageTexts(),
            QStringList({"Remove COLOR and BGCOLOR tags with empty contents such as COLOR=\"\"?"}));
        QCOMPARE(f->ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(f->ui.asked().at(0).buttons, int(Msg::Yes | Msg::No));

        f->ui.answerMessage(Msg::ResultYes);
        f->tags().removeInvalidColors();
        QCOMPARE(f->editor().text(), QString("<BODY  text=\"#000000\"><FONT >\r\nsecond line"));
        f->editor().readSelection();
        QCOMPARE(f->editor().endLine, 2);
        QCOMPARE(f->editor().endPos, 3);
        QVERIFY(f->changed());
        // Values that are not empty stay.
        f->setText("<FONT COLOR=\"#FF0000\" BGCOLOR=\"x\">");
        f->ui.answerMessage(Msg::ResultYes);
        f->tags().removeInvalidColors();
        QCOMPARE(f->editor().text(), QString("<FONT COLOR=\"#FF0000\" BGCOLOR=\"x\">"));
    }

    void colourValues_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("result");
        QTest::newRow("quoted") << "BGCOLOR=\"#FF0000\""
                                << "#ff0000"
                                << "BGCOLOR=\"#0A0B0C\"";
        QTest::newRow("bare") << "TEXT=#00FF00"
                              << "#00ff00"
                              << "TEXT=\"#0A0B0C\"";
        QTest::newRow("empty value") << "LINK=\"#\""
                                     << "#000000"
                                     << "LINK=\"#0A0B0C\"";
        QTest::newRow("no name") << "\"#123456\""
                                 << "#123456"
                                 << "\"#0A0B0C\"";
    }
    void colourValues() {
        QFETCH(QString, word);
        QFETCH(QString, preset);
        QFETCH(QString, result);
        f->setText("<X " + word + ">", 1, 3, 1, 3 + word.size());
        f->ui.answerColor(QColor(10, 11, 12));
        f->tags().webPageDblClick();
        QCOMPARE(f->ui.count(ScriptedUserInteraction::Type::Color), 1);
        QCOMPARE(f->ui.asked().at(0).text, preset);
        QCOMPARE(f->editor().text(), "<X " + result + ">");
        QVERIFY(f->changed());
    }

    void colourValueRemembered() {
        f->setText("<BODY VLINK=\"#FF0000\">", 1, 6, 1, 21);
        f->ui.answerColor(QColor(1, 2, 3));
        f->tags().webPageDblClick();
        QCOMPARE(f->tags().bodyMemory().vlink, QColor(1, 2, 3));
        QCOMPARE(f->tags().bodyMemory().link, QColor(0, 0, 0));
    }

    void colourCancelledOrUnreadable() {
        f->setText("<FONT COLOR=\"#FF0000\">", 1, 6, 1, 21);
        f->ui.answerColor(QColor());
        f->tags().webPageDblClick();
        QCOMPARE(f->editor().text(), QString("<FONT COLOR=\"#FF0000\">"));

        f->ui.clear();
        f->setText("<A HREF=\"#top\">", 1, 3, 1, 14);
        f->tags().webPageDblClick();
        QCOMPARE(f->ui.messageTexts(), QStringList({"Exception occured during WebPageDblClick!"}));
        QCOMPARE(f->ui.count(ScriptedUserInteraction::Type::Color), 0);
        QCOMPARE(f->editor().text(), QString("<A HREF=\"#top\">"));
    }

    void parameterPages_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("result");
        QTest::newRow("size") << "SIZE=4"
                              << "size"
                              << "sizelist"
                              << "4"
                              << "SIZE=\"4\"";
        QTest::newRow("align not listed") << "ALIGN=\"justify\""
                                          << "align"
                                          << "alignlist"
                                          << "none"
                                          << "ALIGN=\"none\"";
        QTest::newRow("valign") << "valign=middle"
                                << "valign"
                                << "valignlist"
                                << "middle"
                                << "VALIGN=\"middle\"";
    }
    void parameterPages() {
        QFETCH(QString, word);
        QFETCH(QString, page);
        QFETCH(QString, list);
        QFETCH(QString, shown);
        QFETCH(QString, result);
        f->setText("<TD " + word + ">", 1, 4, 1, 4 + word.size());
        QString seenPage, seenValue, caption;
        whenDialogShows([&](ParmForm *form) {
            seenPage = form->page();
            seenValue = comboText(form, list.toLatin1().constData());
            caption = form->windowTitle();
        });
        QSignalSpy refreshed(&f->tags(), &TagController::previewRefreshed);
        f->tags().webPageDblClick();
        QCOMPARE(caption, QString("Parameter Selections"));
        QCOMPARE(seenPage, page);
        QCOMPARE(seenValue, shown);
        QCOMPARE(f->editor().text(), "<TD " + result + ">");
        QCOMPARE(refreshed.count(), 1);
    }

    void dialogCancelInsertsNothing() {
        f->setText("<TD SIZE=4>", 1, 4, 1, 10);
        whenDialogShows([](ParmForm *) {}, false);
        QSignalSpy refreshed(&f->tags(), &TagController::previewRefreshed);
        f->tags().webPageDblClick();
        QCOMPARE(f->editor().text(), QString("<TD SIZE=4>"));
        QCOMPARE(refreshed.count(), 1); // refreshed all the same
    }

    void dialogWithoutSelectionReadsLineRest() {
        // The rest of the line presets the dialog; the insertion goes in at
        // the caret and replaces nothing.
        f->setText("<HR SIZE=3 WIDTH=5>", 1, 4);
        QString shown;
        whenDialogShows([&](ParmForm *form) { shown = comboText(form, "sizelist"); });
        QVERIFY(f->tags().showParameterSelections("size"));
        QCOMPARE(shown, QString("1")); // "3 WIDTH=5>" is no item of the list
        QCOMPARE(f->editor().text(), QString("<HR SIZE=\"1\"SIZE=3 WIDTH=5>"));
    }

    void metaPage() {
        f->setText("<META NAME=\"keywords\" CONTENT=\"old\">", 1, 0, 1, 36);
        whenDialogShows([](ParmForm *form) {
            QCOMPARE(form->findChild<QLineEdit *>("MetaName")->text(), QString("keywords"));
            QCOMPARE(form->findChild<QLineEdit *>("MetaContent")->text(), QString("old"));
            form->findChild<QLineEdit *>("MetaContent")->setText("html, editor");
        });
        QVERIFY(f->tags().showParameterSelections("meta"));
        QCOMPARE(f->editor().text(), QString("<META NAME=\"keywords\" CONTENT=\"html, editor\" >"));
        // The fields were emptied after use.
        f->setText("", 1, 0);
        QString name;
        whenDialogShows(
            [&](ParmForm *form) { name = form->findChild<QLineEdit *>("MetaName")->text(); },
            false);
        QVERIFY(!f->tags().showParameterSelections("meta"));
        QCOMPARE(name, QString());
    }

    void embedPage() {
        f->ui.answerFile("/media/clips/intro.avi");
        f->setText("ab", 1, 1);
        whenDialogShows([](ParmForm *form) {
            form->findChild<QToolButton *>("EmbedBrowse")->click();
            form->findChild<QSpinBox *>("EmbedHeight")->setValue(120);
        });
        QVERIFY(f->tags().showParameterSelections("embed"));
        QCOMPARE(f->editor().text(),
                 QString("a<EMBED SRC=\"/media/clips/intro.avi\" HEIGHT=\"120\">b"));
        whenDialogShows([](ParmForm *form) {
            QCOMPARE(form->findChild<QLineEdit *>("EmbedSrc")->text(), QString());
            QCOMPARE(form->findChild<QSpinBox *>("EmbedHeight")->value(), 0);
        });
        // Without a source nothing goes in, and the selection stays.
        f->setText("ab", 1, 0, 1, 1);
        QVERIFY(!f->tags().showParameterSelections("embed"));
        QCOMPARE(f->editor().text(), QString("ab"));
    }

    void objectAndParameterPages() {
        f->setText("ab", 1, 0, 1, 1);
        whenDialogShows([](ParmForm *) {});
        QVERIFY(!f->tags().showParameterSelections("object"));
        QCOMPARE(f->editor().getSelText(), QString("a"));

        f->setText("<PARAM NAME=\"speed\" VALUE=\"slow\">", 1, 0, 1, 33);
        whenDialogShows([](ParmForm *form) {
            QCOMPARE(form->findChild<QLineEdit *>("PName")->text(), QString("speed"));
            form->findChild<QLineEdit *>("PValue")->setText("fast");
        });
        QVERIFY(f->tags().showParameterSelections("Parameter"));
        QCOMPARE(f->editor().text(), QString("<PARAM NAME=\"speed\" VALUE=\"fast\">"));
        QVERIFY(!f->tags().showParameterSelections("nosuchpage"));
    }

    void pictureAttributes() {
        TestFolder pictures;
        const QString page = f->program.path() + "site/";
        QVERIFY(QDir().mkpath(page));
        f->document.dir = page;
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(page));
        const QString source = pictures.write("dot.gif", "GIF89a new");
        pictures.write("kept.gif", "GIF89a other");
        QFile existing(page + "kept.gif");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("mine");
        existing.close();

        f->setText("<IMG src=old.gif>", 1, 5, 1, 16);
        f->ui.answerFile(source);
        f->tags().webPageDblClick();
        QCOMPARE(f->editor().text(), QString("<IMG SRC=\"dot.gif\">"));
        const auto &asked = f->ui.asked().last();
        QCOMPARE(asked.caption, QString("Open File"));
        QVERIFY(asked.preset.startsWith(QDir(page).canonicalPath()));
        QCOMPARE(TestFolder::read(page + "dot.gif"), QByteArray("GIF89a new"));

        // A file of that name already beside the page stays as it is.
        f->setText("<BODY BACKGROUND=\"x.gif\">", 1, 6, 1, 24);
        f->ui.answerFile(pictures.file("kept.gif"));
        f->tags().webPageDblClick();
        QCOMPARE(f->editor().text(), QString("<BODY BACKGROUND=\"kept.gif\">"));
        QCOMPARE(TestFolder::read(page + "kept.gif"), QByteArray("mine"));

        // Cancelled: nothing changes.
        f->setText("<IMG LOWSRC=a.gif>", 1, 5, 1, 17);
        f->ui.answerFile(QString());
        f->tags().webPageDblClick();
        QCOMPARE(f->editor().text(), QString("<IMG LOWSRC=a.gif>"));
        QCOMPARE(f->ui.messageTexts(), QStringList());
        QDir::setCurrent(old);
    }

    void otherWordsOnlyRefresh() {
        QSignalSpy refreshed(&f->tags(), &TagController::previewRefreshed);
        for (const char *word : {"<BODY", "HREF=\"x.htm\"", "plain"}) {
            const QString text = QString("<P ") + word + ">";
            f->setText(text, 1, 3, 1, 3 + int(strlen(word)));
            f->tags().webPageDblClick();
            QCOMPARE(f->editor().text(), text);
        }
        QCOMPARE(refreshed.count(), 3);
        QCOMPARE(f->ui.asked().size(), 0);
    }
};

QTEST_MAIN(TestAwareness)
#include "test_awareness.moc"
