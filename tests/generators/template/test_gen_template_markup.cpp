#include "generators/template/imagesize.h"
#include "generators/template/templatemarkup.h"
#include "testfolder.h"

#include <QImage>
#include <QtTest>

class TestTemplateMarkup : public QObject {
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void innerTexts_data();
    void innerTexts();
    void attributeValues_data();
    void attributeValues();
    void colorDigitsOfValues();
    void imageSizes();
};

void TestTemplateMarkup::kinds_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::newRow("plain") << "<H1>x</H1>" << int(PlaceholderKind::None);
    QTest::newRow("other comment") << "<!-- ##Heading -->" << int(PlaceholderKind::None);
    QTest::newRow("heading") << "<!--##Heading-->" << int(PlaceholderKind::Heading);
    QTest::newRow("defaults") << "  <!--##Defaults-->" << int(PlaceholderKind::Defaults);
    QTest::newRow("text") << "<!--##Text-->" << int(PlaceholderKind::Text);
    QTest::newRow("image") << "<!--##Image-->" << int(PlaceholderKind::Image);
    QTest::newRow("link") << "<!--##Link-->" << int(PlaceholderKind::Link);
    QTest::newRow("mail link") << "<!--##MailLink-->" << int(PlaceholderKind::MailLink);
    QTest::newRow("body") << "<!--##Body-->" << int(PlaceholderKind::Body);
    QTest::newRow("footer") << "<!--##Footer-->" << int(PlaceholderKind::Invalid);
    QTest::newRow("bare marker") << "<!--##" << int(PlaceholderKind::Invalid);
    QTest::newRow("first in order wins")
        << "<!--##Body--><!--##Heading-->" << int(PlaceholderKind::Heading);
    QTest::newRow("letter case counts") << "<!--##heading-->" << int(PlaceholderKind::Invalid);
}

void TestTemplateMarkup::kinds() {
    QFETCH(QString, line);
    QFETCH(int, kind);
    QCOMPARE(int(placeholderKind(line)), kind);
    QCOMPARE(isPlaceholderLine(line), kind != int(PlaceholderKind::None));
}

void TestTemplateMarkup::innerTexts_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("inner");
    QTest::newRow("heading") << "<H2>Hello</H2>"
                             << "Hello";
    QTest::newRow("in a font") << "<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>"
                               << "Welcome";
    QTest::newRow("four deep") << "<P ALIGN=\"left\"><I><U><B>Hi</B></U></I></P>"
                               << "Hi";
    QTest::newRow("link") << "<A HREF=\"a.htm\">Home</A>"
                          << "Home";
    QTest::newRow("no tag") << "Hello"
                            << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("open tag only") << "<P>"
                                   << "";
    QTest::newRow("empty piece early") << "<B>>x</B>"
                                       << "";
}

void TestTemplateMarkup::innerTexts() {
    QFETCH(QString, line);
    QFETCH(QString, inner);
    QCOMPARE(innerText(line), inner);
}

void TestTemplateMarkup::attributeValues_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("quoted") << "<H2 ALIGN=\"center\">x</H2>"
                            << "ALIGN"
                            << "center";
    QTest::newRow("bare") << "<IMG SRC=a.gif WIDTH=10>"
                          << "WIDTH"
                          << "10";
    QTest::newRow("bare before tag end") << "<IMG WIDTH=10>"
                                         << "WIDTH"
                                         << "10";
    QTest::newRow("blank inside quotes") << "<META NAME=\"Keywords\" CONTENT=\"a, b\">"
                                         << "CONTENT"
                                         << "a, b";
    QTest::newRow("file with a blank") << "<IMG SRC=\"my photo.gif\">"
                                       << "SRC"
                                       << "my photo.gif";
    QTest::newRow("single quotes") << "<A HREF='x.htm'>"
                                   << "HREF"
                                   << "x.htm";
    QTest::newRow("letter case") << "<h2 align=\"right\">"
                                 << "ALIGN"
                                 << "right";
    QTest::newRow("whole name") << "<BODY VLINK=\"#111111\" LINK=\"#222222\">"
                                << "LINK"
                                << "#222222";
    QTest::newRow("inside another only") << "<BODY VLINK=\"#111111\">"
                                         << "LINK"
                                         << "";
    QTest::newRow("blanks around =") << "<P ALIGN = \"left\">"
                                     << "ALIGN"
                                     << "left";
    QTest::newRow("empty quotes") << "<P ALIGN=\"\">"
                                  << "ALIGN"
                                  << "";
    QTest::newRow("unclosed quote") << "<P ALIGN=\"left"
                                    << "ALIGN"
                                    << "left";
    QTest::newRow("absent") << "<P>"
                            << "ALIGN"
                            << "";
    QTest::newRow("name without =") << "<P ALIGN>"
                                    << "ALIGN"
                                    << "";
}

void TestTemplateMarkup::attributeValues() {
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(attributeValue(line, name), value);
}

void TestTemplateMarkup::colorDigitsOfValues() {
    QCOMPARE(colorDigits("#ff00a0"), QString("FF00A0"));
    QCOMPARE(colorDigits("00FF00"), QString("00FF00"));
    QCOMPARE(colorDigits("red"), QString());
    QCOMPARE(colorDigits("#12345G"), QString());
    QCOMPARE(colorDigits(""), QString());
}

void TestTemplateMarkup::imageSizes() {
    TestFolder folder;
    QImage picture(37, 21, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder.file("a.bmp")));
    QVERIFY(picture.save(folder.file("a.jpg")));
    QCOMPARE(imagePixelSize(folder.file("a.bmp")), QSize(37, 21));
    QCOMPARE(imagePixelSize(folder.file("a.jpg")), QSize(37, 21));
    folder.write("broken.gif", "GIF89a\x01");
    QCOMPARE(imagePixelSize(folder.file("broken.gif")), QSize(0, 0));
    QCOMPARE(imagePixelSize(folder.file("none.gif")), QSize(0, 0));
    QCOMPARE(imagePixelSize(folder.path()), QSize(0, 0));
}

QTEST_GUILESS_MAIN(TestTemplateMarkup)
#include "test_gen_template_markup.moc"
