// The blocks of the Web Effects dialog, line by line, and the copy of a file
// beside the page.

#include "generators/effects/besidepage.h"
#include "generators/effects/effectsblocks.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>
#include <unistd.h>

using namespace Effects;

class TestGenEffectsModel : public QObject {
    Q_OBJECT
private slots:
    void capturedSelection_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("captured");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one character") << "x"
                                       << "x";
        QTest::newRow("154 characters") << QString(154, 'a') << QString(154, 'a');
        QTest::newRow("155 characters") << QString(155, 'a') << QString();
        QTest::newRow("line breaks keep words apart") << "one\r\ntwo\nthree\rfour"
                                                      << "one two three four";
    }
    void capturedSelection() {
        QFETCH(QString, selected);
        QFETCH(QString, captured);
        QCOMPARE(Effects::capturedSelection(selected), captured);
    }

    void headerLines_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("justify");
        QTest::addColumn<QString>("line");
        QTest::newRow("defaults: no attributes") << 1 << "none"
                                                 << "<H1>Title</H1>";
        QTest::newRow("size and justification") << 3 << "center"
                                                << "<H3 ALIGN=\"center\">Title</H3>";
        QTest::newRow("right") << 6 << "right"
                               << "<H6 ALIGN=\"right\">Title</H6>";
    }
    void headerLines() {
        QFETCH(int, size);
        QFETCH(QString, justify);
        QFETCH(QString, line);
        HeaderFields f;
        f.text = "Title";
        f.size = size;
        f.justify = justify;
        QCOMPARE(Effects::headerLines(f), QStringList({line, QString()}));
        QCOMPARE(oneLine(Effects::headerLines(f)), line);
    }

    void tableWithTheDefaults() {
        QCOMPARE(tableLines(TableFields()),
                 QStringList({"<table border align=left cellspacing=2 >", "<tr>",
                              "<td>Cell:1,1</td>", "<td>Cell:1,2</td>", "</tr>", "<tr>",
                              "<td>Cell:2,1</td>", "<td>Cell:2,2</td>", "</tr>", "</table>"}));
    }

    void tableWithEverySetting() {
        TableFields f;
        f.columns = 3;
        f.rows = 1;
        f.border = false;
        f.width = 50;
        f.justify = "center";
        f.padding = 4;
        f.spacing = 1;
        f.caption = "Prices";
        f.captionLocation = "Bottom";
        f.captionSize = 2;
        f.cells = {{"a", "", "c"}};
        QCOMPARE(tableLines(f), QStringList({"<table width=50% align=center cellpadding=4 >",
                                             "<caption align=Bottom><h2>Prices</h2></caption>",
                                             "<tr>", "<td>a</td>", "<td>Cell:1,2</td>",
                                             "<td>c</td>", "</tr>", "</table>"}));
    }

    void listsOfEveryKind_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("opening");
        QTest::newRow("Ordered") << "Ordered"
                                 << "<ol>";
        QTest::newRow("UnOrder") << "UnOrder"
                                 << "<ul>";
        QTest::newRow("Directory") << "Directory"
                                   << "<dir>";
        QTest::newRow("Menu") << "Menu"
                              << "<menu>";
    }
    void listsOfEveryKind() {
        QFETCH(QString, kind);
        QFETCH(QString, opening);
        ListFields f;
        f.kind = kind;
        f.parents = 1;
        QCOMPARE(listLines(f), QStringList({opening, "<li> Line:1", "</" + opening.mid(1)}));
    }

    void listWithTheDefaults() {
        QCOMPARE(listLines(ListFields()), QStringList({"<ol>", "<li> Line:1", "<li> Line:2",
                                                       "<li> Line:3", "<li> Line:4", "</ol>"}));
    }

    // Parents and children each take the next item row, in that order.
    void listWithChildren() {
        ListFields f;
        f.parents = 2;
        f.children = 1;
        f.childKind = "UnOrder";
        QCOMPARE(listLines(f),
                 QStringList({"<ol>", "<li> Line:1", "<ul>", "<li> Child Line:1", "</ul>",
                              "<li> Line:2", "<ul>", "<li> Child Line:1", "</ul>", "</ol>"}));
        f.items = {"Fruit", "", "Bread"};
        QCOMPARE(listLines(f),
                 QStringList({"<ol>", "<li>Fruit", "<ul>", "<li> Child Line:1", "</ul>",
                              "<li>Bread", "<ul>", "<li> Child Line:1", "</ul>", "</ol>"}));
    }

    void definitionLists() {
        ListFields f;
        f.kind = "Definition";
        f.parents = 2;
        f.children = 3;
        f.items = {"ignored"};
        QCOMPARE(listLines(f), QStringList({"<dl>", "<dt> Line:1 <dd>Line 1's definition",
                                            "<dt> Line:2 <dd>Line 2's definition", "</dl>"}));
        // As a child list it gives empty lines in place of its tags.
        f.kind = "Menu";
        f.parents = 1;
        f.children = 1;
        f.childKind = "Definition";
        f.items.clear();
        QCOMPARE(listLines(f),
                 QStringList({"<menu>", "<li> Line:1", "", "<li> Child Line:1", "", "</menu>"}));
    }

    void imagePreviewAndTag() {
        ImageFields f;
        f.file = "/pics/dot.gif";
        f.alternateText = "A dot";
        f.width = "16";
        f.height = "8";
        QCOMPARE(imagePreviewLines(f),
                 QStringList({"sample<img src=\"/pics/dot.gif\" alt=\"A dot\" WIDTH=\"16\" "
                              "HEIGHT=\"8\">text",
                              ""}));
        QCOMPARE(imageTag(f, false, false, QString()),
                 QString("<IMG SRC=\"dot.gif\" ALT=\"A dot\" WIDTH=\"16\" HEIGHT=\"8\">"));
        f.align = "left";
        f.center = true;
        QCOMPARE(imagePreviewLines(f).first(),
                 QString("<center>sample<img src=\"/pics/dot.gif\" alt=\"A dot\" ALIGN=\"left\" "
                         "WIDTH=\"16\" HEIGHT=\"8\">text</center>"));
        // A server-side map without a pending one; a client-side map with one.
        QCOMPARE(imageTag(f, true, false, QString()),
                 QString("<CENTER><IMG  ISMAP SRC=\"dot.gif\" ALT=\"A dot\" ALIGN=\"left\" "
                         "WIDTH=\"16\" HEIGHT=\"8\"></CENTER>"));
        QCOMPARE(imageTag(f, true, true, "nav"),
                 QString("<CENTER><IMG SRC=\"dot.gif\" ALT=\"A dot\" ALIGN=\"left\" WIDTH=\"16\" "
                         "HEIGHT=\"8\" USEMAP=\"#nav\"></CENTER>"));
        f.file = "C:\\pics\\dot.gif";
        QVERIFY(imageTag(f, false, false, QString()).contains("SRC=\"dot.gif\""));
    }

    // The last option checked stands on top; closing tags follow in option
    // order, so the tags nest.
    void documentText() {
        TextFields f;
        f.lines = {"Hello", "world"};
        f.options[Bold] = true;
        f.options[Italics] = true;
        QCOMPARE(documentTextLines(f),
                 QStringList({"<i>", "<b>", "Hello", "world", "</b>", "</i>"}));
        QCOMPARE(documentTextLine(f), QString("<i><b>Hello world</b></i>"));

        TextFields all;
        all.lines = {"x"};
        all.fontSize = 5;
        for (bool &option : all.options)
            option = true;
        QCOMPARE(documentTextLine(all),
                 QString("<SUB><SUP><code><cite><var><blockquote><blink><address><tt><p><u><i><b>"
                         "<center><FONT SIZE=5>x</FONT></center></b></i></u></p></tt></address>"
                         "</blink></blockquote></var></cite></code></SUP></SUB>"));
        QVERIFY(documentTextLines(TextFields()).isEmpty());
    }

    void references_data() {
        QTest::addColumn<bool>("anchor");
        QTest::addColumn<QString>("justify");
        QTest::addColumn<QString>("line");
        QTest::newRow("URL") << false << "none"
                             << "<a href=\"a.htm\">Go</a>";
        QTest::newRow("anchor") << true << "none"
                                << "<a name=\"a.htm\">Go</a>";
        QTest::newRow("center") << false << "center"
                                << "<center><a href=\"a.htm\">Go</a></center>";
        QTest::newRow("left") << false << "left"
                              << "<left><a href=\"a.htm\">Go</a></left>";
    }
    void references() {
        QFETCH(bool, anchor);
        QFETCH(QString, justify);
        QFETCH(QString, line);
        ReferenceFields f;
        f.description = "Go";
        f.url = "a.htm";
        f.anchor = anchor;
        f.justify = justify;
        QCOMPARE(referenceLines(f), QStringList({line, QString()}));
    }

    void applets() {
        AppletFields f;
        QVERIFY(!appletComplete(f));
        f.code = "/java/Clock.class";
        f.width = "100";
        QVERIFY(!appletComplete(f));
        f.height = "50";
        QVERIFY(appletComplete(f));
        QCOMPARE(appletText(f), QString("<APPLET CODE=\"Clock.class\" \r"
                                        "WIDTH=\"100\" \r"
                                        "HEIGHT=\"50\">\r"
                                        "</APPLET>\r"));
        f.codebase = "classes";
        f.name = "clock";
        f.title = "Time";
        f.align = "left";
        QCOMPARE(appletText(f), QString("<APPLET CODE=\"Clock.class\" \r"
                                        "CODEBASE=\"classes\" \r"
                                        "NAME=\"clock\" \r"
                                        "TITLE=\"Time\" \r"
                                        "ALIGN=\"left\" \r"
                                        "WIDTH=\"100\" \r"
                                        "HEIGHT=\"50\">\r"
                                        "</APPLET>\r"));
    }

    void otherFolders() {
        QVERIFY(!isInOtherFolder("dot.gif", "/site/"));
        QVERIFY(!isInOtherFolder("/site/dot.gif", "/site/"));
        QVERIFY(!isInOtherFolder("/site/./dot.gif", "/site"));
        QVERIFY(isInOtherFolder("/pics/dot.gif", "/site/"));
        QVERIFY(isInOtherFolder("pics\\dot.gif", "/site/"));
        QCOMPARE(resolvedPath("pics\\dot.gif", "/site/"), QString("/site/pics/dot.gif"));
        QCOMPARE(fileNameOf("C:\\pics\\dot.gif"), QString("dot.gif"));
    }

    // The copy replaces a file of the same name; a copy that fails leaves it.
    void copyIntoFolderReplaces() {
        TestFolder from, to;
        const QString source = from.write("dot.gif", "new picture");
        to.write("dot.gif", "old picture");
        QString error;
        QVERIFY(copyIntoFolder(source, to.path(), &error));
        QCOMPARE(TestFolder::read(to.file("dot.gif")), QByteArray("new picture"));

        QVERIFY(!copyIntoFolder(from.file("missing.gif"), to.path(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFolder::read(to.file("dot.gif")), QByteArray("new picture"));

        // Into a folder that cannot be written: the old file stays.
        if (geteuid() != 0) {
            QFile::setPermissions(to.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            from.write("dot.gif", "newer picture");
            QVERIFY(!copyIntoFolder(source, to.path(), &error));
            QFile::setPermissions(to.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
            QCOMPARE(TestFolder::read(to.file("dot.gif")), QByteArray("new picture"));
        }
    }
};

QTEST_GUILESS_MAIN(TestGenEffectsModel)
#include "test_gen_effects_model.moc"
