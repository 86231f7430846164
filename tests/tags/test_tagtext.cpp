// Tag texts derived from tag names, menu captions and dialog choices.

#include "app/userinteraction.h"
#include "tags/tagtext.h"

#include <QtTest>

class TestTagText : public QObject {
    Q_OBJECT
private slots:
    void closingTags_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("closing");
        QTest::newRow("bold") << "<B>"
                              << "</B>";
        QTest::newRow("heading") << "<H1>"
                                 << "</H1>";
        // Attributes are carried into the closing tag: why attribute tags
        // use the two-text wrapping instead.
        QTest::newRow("attributes kept") << "<FONT SIZE=2>"
                                         << "</FONT SIZE=2>";
        QTest::newRow("empty") << ""
                               << "";
    }
    void closingTags() {
        QFETCH(QString, tag);
        QFETCH(QString, closing);
        QCOMPARE(closingTagFor(tag), closing);
    }

    void unevenSpecifications_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("closing");
        QTest::newRow("tags with description") << "<UL><LI>..</UL> - list"
                                               << "<UL><LI>"
                                               << "</UL>";
        QTest::newRow("bare names") << "TABLE..TD"
                                    << "<TABLE>"
                                    << "<TD>";
        QTest::newRow("bare names, description") << "OL..LI - ordered list"
                                                 << "<OL>"
                                                 << "<LI>";
        QTest::newRow("no dash") << "<DL>..</DL>"
                                 << "<DL>"
                                 << "</DL>";
        // The character before the dash is dropped even when it is no blank.
        QTest::newRow("dash without blank") << "OL..LI- x"
                                            << "<OL>"
                                            << "<L>";
        // A dash before ".." leaves the closing as everything after "..".
        QTest::newRow("early dash") << "<A HREF=\"my-page.htm\">..</A>"
                                    << "<A HREF=\"my-page.htm\">"
                                    << "</A>";
        QTest::newRow("no dots") << "BR"
                                 << "<BR>"
                                 << "";
    }
    void unevenSpecifications() {
        QFETCH(QString, spec);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        const TagPair pair = unevenTags(spec);
        QCOMPARE(pair.opening, opening);
        QCOMPARE(pair.closing, closing);
    }

    void captionsAndFirstWords() {
        TagPair p = captionAsTag("<P ALIGN=\"left\"></P>");
        QCOMPARE(p.opening, QString("<P ALIGN=\"left\">"));
        QCOMPARE(p.closing, QString("</P>"));
        p = captionAsTag("<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">");
        QCOMPARE(p.opening, QString("<HR ALIGN=\"center\" SIZE=\"2\" WIDTH=\"100%\">"));
        QCOMPARE(p.closing, QString());
        p = captionAsTag("plain");
        QCOMPARE(p.opening, QString("plain"));
        QCOMPARE(p.closing, QString());

        QCOMPARE(firstWordTag("H1 - Size 1"), QString("<H1>"));
        QCOMPARE(firstWordTag("BLOCKQUOTE"), QString("<BLOCKQUOTE>"));
        QVERIFY(isUnevenSpec("<UL><LI>..</UL> - list"));
        QVERIFY(!isUnevenSpec("H1 - Size 1"));
    }

    void dropDownEntriesByHint() {
        QCOMPARE(dropDownEntries("DIV"),
                 QStringList({"<DIV></DIV>", "<DIV ALIGN=\"left\"></DIV>",
                              "<DIV ALIGN=\"center\"></DIV>", "<DIV ALIGN=\"right\"></DIV>"}));
        QCOMPARE(dropDownEntries("H3").at(2), QString("<H3 ALIGN=\"center\"></H3>"));
        QCOMPARE(dropDownEntries("HR").at(1),
                 QString("<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">"));
        QCOMPARE(dropDownEntries("BR"),
                 QStringList({"<BR>", "<BR CLEAR=\"left\">", "<BR CLEAR=\"all\">",
                              "<BR CLEAR=\"right\">"}));
        QVERIFY(dropDownInsertsAsText("BR"));
        QVERIFY(!dropDownInsertsAsText("HR"));
        // A user's hint is taken literally, "%" included.
        QCOMPARE(dropDownEntries("X%s").first(), QString("<X%s></X%s>"));
    }

    void fontTags() {
        FontChoice f;
        f.family = "Arial";
        f.pointSize = 12;
        f.color = QColor(0, 0, 0);
        TagPair p = fontDialogTags(f);
        QCOMPARE(p.opening, QString("<FONT FACE=\"Arial\" SIZE=\"12\" COLOR=\"#000000\">"));
        QCOMPARE(p.closing, QString("</FONT>"));

        f.bold = f.italic = f.underline = f.strikeOut = true;
        f.family = QString(40, QLatin1Char('x'));
        f.color = QColor(255, 0, 16);
        p = fontDialogTags(f);
        QCOMPARE(p.opening, "<S><U><I><B><FONT FACE=\"" + QString(31, QLatin1Char('x')) +
                                "\" SIZE=\"12\" COLOR=\"#FF0010\">");
        QCOMPARE(p.closing, QString("</FONT></B></I></U></S>"));

        QCOMPARE(fontColorTag(QColor(0x12, 0xAB, 0xEF)), QString("<FONT COLOR=\"#12ABEF\">"));
        QCOMPARE(fontStepTag(2, true), QString("<FONT SIZE=+2>"));
        QCOMPARE(fontStepTag(3, false), QString("<FONT SIZE=-3>"));
        QCOMPARE(fontSizeTag("5"), QString("<FONT SIZE=5>"));
        QCOMPARE(fontFaceTag("Courier New"), QString("<FONT FACE=\"Courier New\">"));
    }

    void entities_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("entity");
        QTest::newRow("192") << 192 << "&Agrave;";
        QTest::newRow("201") << 201 << "&Eacute;";
        QTest::newRow("208") << 208 << "&ETH;";
        QTest::newRow("214") << 214 << "&Ouml;";
        QTest::newRow("215 times") << 215 << "";
        QTest::newRow("216") << 216 << "&Oslash;";
        QTest::newRow("222") << 222 << "&THORN;";
        QTest::newRow("223") << 223 << "&szlig;";
        QTest::newRow("233") << 233 << "&eacute;";
        QTest::newRow("240") << 240 << "&eth;";
        QTest::newRow("247 divide") << 247 << "";
        QTest::newRow("248") << 248 << "&oslash;";
        QTest::newRow("255") << 255 << "&yuml;";
        QTest::newRow("191") << 191 << "";
        QTest::newRow("copyright") << 169 << "";
        QTest::newRow("trade mark") << 0x2122 << "";
        QTest::newRow("Y diaeresis 376") << 0x178 << "";
        QTest::newRow("ascii") << int('e') << "";
    }
    void entities() {
        QFETCH(int, code);
        QFETCH(QString, entity);
        QCOMPARE(expandToHtml(QChar(code)), entity);
    }

    void insideATag_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("inside");
        QTest::newRow("between < and B") << "<B>" << 1 << true;
        QTest::newRow("after <B>") << "<B>text</B>" << 3 << false;
        QTest::newRow("before <B>") << "<B>" << 0 << false;
        QTest::newRow("tag continues next line") << "<A HREF=" << 8 << true;
        QTest::newRow("no brackets") << "plain text" << 4 << false;
        QTest::newRow("empty line") << "" << 0 << false;
        QTest::newRow("in attribute") << "x <FONT SIZE=2> y" << 9 << true;
        QTest::newRow("after closing >") << "a > b" << 4 << false;
        QTest::newRow("column past end") << "<B" << 9 << true;
    }
    void insideATag() {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(bool, inside);
        QCOMPARE(inATag(line, column), inside);
    }

    void shapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("breaks");
        QTest::addColumn<int>("firstLength");
        QTest::newRow("one line") << "</FONT>" << 0 << 7;
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("CR around") << "\rLoop\r" << 2 << 0;
        QTest::newRow("CR LF counts once") << "</A>\r\nx" << 1 << 4;
        QTest::newRow("LF") << "a\nb\nc" << 2 << 1;
        QTest::newRow("CR CR") << "\r\r" << 2 << 0;
    }
    void shapes() {
        QFETCH(QString, text);
        QFETCH(int, breaks);
        QFETCH(int, firstLength);
        const TextShape s = textShape(text);
        QCOMPARE(s.lineBreaks, breaks);
        QCOMPARE(s.firstLineLength, firstLength);
    }

    void attributeValues_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("value");
        QTest::newRow("quoted") << "BGCOLOR=\"#FF0000\""
                                << "#FF0000";
        QTest::newRow("bare") << "SIZE=4"
                              << "4";
        QTest::newRow("empty quotes") << "COLOR=\"\""
                                      << "\"\"";
        QTest::newRow("one quote") << "ALIGN=\"left"
                                   << "\"left";
        QTest::newRow("no equals") << "#00FF00"
                                   << "#00FF00";
    }
    void attributeValues() {
        QFETCH(QString, expression);
        QFETCH(QString, value);
        QCOMPARE(attributeValue(expression), value);
    }
};

QTEST_APPLESS_MAIN(TestTagText)
#include "test_tagtext.moc"
