#include "generators/template/templatewizard.h"

#include <QtTest>

namespace {

// A page: the lines given, then the empty line after the last line end.
LineListText page(QStringList lines) {
    lines << QString();
    return LineListText(lines);
}

} // namespace

class TestTemplateWizard : public QObject {
    Q_OBJECT
private slots:
    void noPlaceholder();
    void searchingForwardAndBack();
    void placeholderTooNearTheEnd();
    void readAndWriteBack_data();
    void readAndWriteBack();
    void headingFields();
    void emptyHeadingLeavesTheLine();
    void defaultsFields();
    void defaultBodyLine();
    void bodyFields();
    void textWrittenOnceStaysOneLine();
    void textOfSeveralLines();
    void imageWrittenBackOnReading();
    void imageWithoutFileLeavesTheLine();
    void linkKinds_data();
    void linkKinds();
    void emptyUrlEmptiesTheLineOnRefresh();
    void defaultsBeyondTheEnd();
    void lineListReplacement();
    void shippedTemplates_data();
    void shippedTemplates();
};

void TestTemplateWizard::noPlaceholder() {
    LineListText text = page({"<HTML>", "<BODY>", "</BODY>", "</HTML>"});
    TemplateWizard w(text);
    QVERIFY(!w.start());
    QCOMPARE(w.placeholderLine(), 0);
    QCOMPARE(w.kind(), PlaceholderKind::None);
}

void TestTemplateWizard::searchingForwardAndBack() {
    LineListText text = page({"<HTML>", "<!--##Heading-->", "<H1>A</H1>", "<!--##Footer-->", "x",
                              "<!--##Text-->", "words", "</HTML>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    QCOMPARE(w.placeholderLine(), 2);
    QCOMPARE(w.kind(), PlaceholderKind::Heading);
    QVERIFY(w.next());
    QCOMPARE(w.placeholderLine(), 4);
    QCOMPARE(w.kind(), PlaceholderKind::Invalid);
    QVERIFY(w.next());
    QCOMPARE(w.placeholderLine(), 6);
    QVERIFY(!w.next());
    QCOMPARE(w.placeholderLine(), 6);
    QVERIFY(w.previous());
    QVERIFY(w.previous());
    QCOMPARE(w.placeholderLine(), 2);
    QVERIFY(!w.previous());
    QCOMPARE(w.placeholderLine(), 2);
}

void TestTemplateWizard::placeholderTooNearTheEnd() {
    // Four lines with the empty one after the last line end: a placeholder
    // is looked for up to line 2.
    LineListText text = page({"<HTML>", "<!--##Text-->", "<!--##Body-->"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    QCOMPARE(w.placeholderLine(), 2);
    QVERIFY(!w.next());
    // Without a line end after the last line the last placeholder is out of
    // reach as well.
    LineListText bare({"<!--##Text-->", "words"});
    TemplateWizard b(bare);
    QVERIFY(!b.start());
}

// Lines that the wizard reads and writes back unchanged.
void TestTemplateWizard::readAndWriteBack_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QStringList>("content");
    QTest::newRow("heading in colour")
        << "<!--##Heading-->"
        << QStringList{"<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>"};
    QTest::newRow("heading") << "<!--##Heading-->" << QStringList{"<H3>Plain</H3>"};
    QTest::newRow("defaults") << "<!--##Defaults-->"
                              << QStringList{"<TITLE>Home</TITLE>",
                                             "<META NAME=\"Keywords\" CONTENT=\"a, b\">",
                                             "<META NAME=\"Description\" CONTENT=\"x\">"};
    QTest::newRow("text") << "<!--##Text-->"
                          << QStringList{"<P ALIGN=\"right\"><I><U><B>Hello there</B></U></I></P>"};
    QTest::newRow("image") << "<!--##Image-->"
                           << QStringList{"<IMG SRC=\"a b.gif\" HEIGHT=\"20\" WIDTH=\"30\" "
                                          "ALIGN=\"middle\">"};
    QTest::newRow("link") << "<!--##Link-->"
                          << QStringList{"<P ALIGN=\"center\"><A HREF=\"a.htm\">Home</A></P>"};
    QTest::newRow("image link") << "<!--##Link-->"
                                << QStringList{"<A HREF=\"a.htm\"><IMG SRC=\"home.gif\"></A>"};
    QTest::newRow("mail link") << "<!--##MailLink-->"
                               << QStringList{"<A HREF=\"mailto:me@example.org\">Write</A>"};
    QTest::newRow("body") << "<!--##Body-->"
                          << QStringList{"<BODY BACKGROUND=\"Paper.gif\" TEXT=\"#000080\" "
                                         "LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\" "
                                         "BGCOLOR=\"#FFFFFF\" LEFTMARGIN=\"0\" RIGHTMARGIN=\"10\" "
                                         "BGPROPERTIES=\"FIXED\">"};
}

void TestTemplateWizard::readAndWriteBack() {
    QFETCH(QString, marker);
    QFETCH(QStringList, content);
    const QStringList original = QStringList{"<HTML>", marker} + content + QStringList{"</HTML>"};
    LineListText text = page(original);
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(text.lines.mid(0, original.size()), original);
    w.writeContent();
    QCOMPARE(text.lines.mid(0, original.size()), original);
    QCOMPARE(text.lines.size(), original.size() + 1);
}

void TestTemplateWizard::headingFields() {
    LineListText text = page(
        {"<!--##Heading-->", "<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.heading.text, QString("Welcome"));
    QCOMPARE(w.heading.size, 2);
    QCOMPARE(w.heading.alignment, QString("center"));
    QCOMPARE(w.heading.color, QString("FF0000"));

    w.heading.color.clear();
    w.heading.alignment = "none";
    w.heading.size = 4;
    w.heading.text = "50%1 off";
    w.writeContent();
    QCOMPARE(text.line(2), QString("<H4>50%1 off</H4>"));

    // Fields are reset before reading; an empty line leaves the defaults.
    text.lines[1] = "";
    w.readContent();
    QCOMPARE(w.heading.size, 1);
    QCOMPARE(w.heading.text, QString());
}

void TestTemplateWizard::emptyHeadingLeavesTheLine() {
    LineListText text = page({"<!--##Heading-->", "<P>keep me</P>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    w.heading.text.clear();
    w.writeContent();
    QCOMPARE(text.line(2), QString("<P>keep me</P>"));
}

void TestTemplateWizard::defaultsFields() {
    LineListText text = page({"<!--##Defaults-->", "<TITLE>Home</TITLE>",
                              "<META NAME=\"Description\" CONTENT=\"x\">",
                              "<META NAME=\"Keywords\" CONTENT=\"a, b\">"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.defaults.title, QString("Home"));
    QCOMPARE(w.defaults.keywords, QString("a, b"));
    QCOMPARE(w.defaults.description, QString("x"));
    w.defaults.title = "New";
    w.writeContent();
    QCOMPARE(text.lines.mid(1, 3),
             (QStringList{"<TITLE>New</TITLE>", "<META NAME=\"Keywords\" CONTENT=\"a, b\">",
                          "<META NAME=\"Description\" CONTENT=\"x\">"}));
}

void TestTemplateWizard::defaultBodyLine() {
    LineListText text = page({"<!--##Body-->", ""});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    w.writeContent();
    QCOMPARE(text.line(2), QString("<BODY  TEXT=\"#000000\" LINK=\"#000000\" VLINK=\"#000000\" "
                                   "ALINK=\"#000000\" BGCOLOR=\"#FFFFFF\">"));
}

void TestTemplateWizard::bodyFields() {
    LineListText text =
        page({"<!--##Body-->", "<body vlink=\"#111111\" background=\"Back Ground.gif\" "
                               "leftmargin=8 bgproperties=fixed>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.body.vlink, QString("111111"));
    QCOMPARE(w.body.link, QString("000000"));
    QCOMPARE(w.body.background, QString("Back Ground.gif"));
    QCOMPARE(w.body.leftMargin, 8);
    QCOMPARE(w.body.rightMargin, -1);
    QVERIFY(w.body.fixedBackground);
    w.body.text.clear();
    w.writeContent();
    QCOMPARE(text.line(2), QString("<BODY BACKGROUND=\"Back Ground.gif\" LINK=\"#000000\" "
                                   "VLINK=\"#111111\" ALINK=\"#000000\" BGCOLOR=\"#FFFFFF\" "
                                   "LEFTMARGIN=\"8\" BGPROPERTIES=\"FIXED\">"));
}

void TestTemplateWizard::textWrittenOnceStaysOneLine() {
    LineListText text = page({"<!--##Text-->", "Plain words", "<P>after</P>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.text.text, QString("Plain words"));
    QVERIFY(!w.text.bold);
    for (int i = 0; i < 3; ++i) {
        w.writeContent();
        w.readContent();
    }
    QCOMPARE(text.lines, (QStringList{"<!--##Text-->", "Plain words", "<P>after</P>", ""}));
    w.text.bold = true;
    w.text.alignment = "center";
    w.writeContent();
    QCOMPARE(text.line(2), QString("<P ALIGN=\"center\"><B>Plain words</B></P>"));
}

void TestTemplateWizard::textOfSeveralLines() {
    LineListText text = page({"<!--##Text-->", "old", "<P>after</P>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    w.text.text = "one\ntwo";
    w.text.italics = true;
    w.writeContent();
    QCOMPARE(text.lines, (QStringList{"<!--##Text-->", "<I>one", "two</I>", "<P>after</P>", ""}));
}

void TestTemplateWizard::imageWrittenBackOnReading() {
    LineListText text = page({"<!--##Image-->", "<img align=left src=pic.gif width=5>"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.image.file, QString("pic.gif"));
    QCOMPARE(w.image.width, 5);
    QCOMPARE(w.image.height, 0);
    QCOMPARE(w.image.alignment, QString("left"));
    QCOMPARE(text.line(2), QString("<IMG SRC=\"pic.gif\" WIDTH=\"5\" ALIGN=\"left\">"));
}

void TestTemplateWizard::imageWithoutFileLeavesTheLine() {
    // Two placeholders in a row: reading the first does not wipe the second.
    LineListText text = page({"<!--##Image-->", "<!--##Link-->", "<P>x</P>", "<!--##Text-->", "y"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(text.line(2), QString("<!--##Link-->"));
    QVERIFY(w.next());
    w.readContent();
    QCOMPARE(text.line(3), QString("<P>x</P>"));
    // On "&Refresh" an empty file name empties the line.
    QVERIFY(w.previous());
    w.readContent();
    w.writeContent();
    QCOMPARE(text.line(2), QString());
}

void TestTemplateWizard::linkKinds_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("mailTo");
    QTest::addColumn<QString>("written");
    QTest::newRow("mail link gains mailto")
        << "<!--##MailLink-->"
        << "<A HREF=\"me@example.org\">Write</A>"
        << "me@example.org" << true << "<A HREF=\"mailto:me@example.org\">Write</A>";
    QTest::newRow("plain link keeps its mailto")
        << "<!--##Link-->"
        << "<A HREF=\"mailto:me@example.org\">Write</A>"
        << "me@example.org" << true << "<A HREF=\"mailto:me@example.org\">Write</A>";
    QTest::newRow("address after the second colon dropped")
        << "<!--##MailLink-->"
        << "<A HREF=\"mailto:a@b.c:x\">W</A>"
        << "a@b.c" << true << "<A HREF=\"mailto:a@b.c\">W</A>";
    QTest::newRow("plain link") << "<!--##Link-->"
                                << "<a href=\"b.htm\">B</a>"
                                << "b.htm" << false << "<A HREF=\"b.htm\">B</A>";
}

void TestTemplateWizard::linkKinds() {
    QFETCH(QString, marker);
    QFETCH(QString, line);
    QFETCH(QString, url);
    QFETCH(bool, mailTo);
    QFETCH(QString, written);
    LineListText text = page({marker, line});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(w.link.url, url);
    QCOMPARE(w.link.mailTo, mailTo);
    QCOMPARE(text.line(2), written);
}

void TestTemplateWizard::emptyUrlEmptiesTheLineOnRefresh() {
    LineListText text = page({"<!--##Link-->", "Click here"});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    QCOMPARE(text.line(2), QString("Click here"));
    w.link.imageLink = true;
    w.link.url = "x.htm";
    w.writeLink();
    QCOMPARE(text.line(2), QString("<A HREF=\"x.htm\"></A>"));
    w.link.url.clear();
    w.writeContent();
    QCOMPARE(text.line(2), QString());
}

void TestTemplateWizard::defaultsBeyondTheEnd() {
    LineListText text({"<!--##Defaults-->", "<TITLE>T</TITLE>", ""});
    TemplateWizard w(text);
    QVERIFY(w.start());
    w.readContent();
    w.writeContent();
    QCOMPARE(text.lines, (QStringList{"<!--##Defaults-->", "<TITLE>T</TITLE>",
                                      "<META NAME=\"Keywords\" CONTENT=\"\">",
                                      "<META NAME=\"Description\" CONTENT=\"\">"}));
}

void TestTemplateWizard::lineListReplacement() {
    LineListText text({"a", "b"});
    text.replaceLine(2, "x\r\ny\rz");
    QCOMPARE(text.lines, (QStringList{"a", "x", "y", "z"}));
    text.replaceLine(6, "w");
    QCOMPARE(text.lines, (QStringList{"a", "x", "y", "z", "", "w"}));
    QCOMPARE(text.line(0), QString());
    QCOMPARE(text.line(7), QString());
}

void TestTemplateWizard::shippedTemplates_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/data/template");
    for (const char *name : {"business.htm", "personal.htm", "article.htm"})
        QTest::newRow(name) << folder.filePath(name);
}

// Every shipped template holds each kind of placeholder, and walking through
// it and refreshing every page without a change leaves it as it is.
void TestTemplateWizard::shippedTemplates() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains('\n') || bytes.count('\n') == bytes.count("\r\n"));
    LineListText text(QString::fromUtf8(bytes).split("\r\n"));
    const QStringList original = text.lines;
    TemplateWizard w(text);
    QSet<PlaceholderKind> kinds;
    bool more = w.start();
    QVERIFY(more);
    while (more) {
        QVERIFY2(w.kind() != PlaceholderKind::Invalid, qPrintable(text.line(w.placeholderLine())));
        kinds << w.kind();
        w.readContent();
        w.writeContent();
        QCOMPARE(text.lines, original);
        more = w.next();
    }
    QCOMPARE(kinds.size(), 7);
}

QTEST_GUILESS_MAIN(TestTemplateWizard)
#include "test_gen_template_model.moc"
