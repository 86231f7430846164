// Presets of the Parameter Selections dialog and the mark-up of its pages.

#include "tags/bodymemory.h"
#include "tags/parameterselections.h"

#include <QtTest>

namespace PS = ParameterSelections;

class TestParameterSelections : public QObject {
    Q_OBJECT
private slots:
    void listPresets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("align");
        QTest::addColumn<QString>("valign");
        QTest::addColumn<QString>("size");
        QTest::newRow("bare size") << "SIZE=4"
                                   << ""
                                   << ""
                                   << "4";
        QTest::newRow("signed size") << "size=\"+3\""
                                     << ""
                                     << ""
                                     << "+3";
        QTest::newRow("size not listed") << "SIZE=9"
                                         << ""
                                         << ""
                                         << "1";
        QTest::newRow("align listed") << "ALIGN=\"center\""
                                      << "center"
                                      << ""
                                      << "";
        QTest::newRow("align not listed") << "ALIGN=\"justify\""
                                          << "none"
                                          << ""
                                          << "";
        QTest::newRow("lower case name") << "align=right"
                                         << "right"
                                         << ""
                                         << "";
        QTest::newRow("valign") << "VALIGN=\"bottom\""
                                << ""
                                << "bottom"
                                << "";
        // Rest of a line after the caret: the value runs on to the line's end.
        QTest::newRow("line rest") << "ALIGN=center>text"
                                   << "none"
                                   << ""
                                   << "";
        QTest::newRow("unrelated") << "HREF=\"x.htm\""
                                   << ""
                                   << ""
                                   << "";
    }
    void listPresets() {
        QFETCH(QString, text);
        QFETCH(QString, align);
        QFETCH(QString, valign);
        QFETCH(QString, size);
        const PS::Preset p = PS::presetFor(text);
        QCOMPARE(p.align.value_or(QString()), align);
        QCOMPARE(p.valign.value_or(QString()), valign);
        QCOMPARE(p.size.value_or(QString()), size);
        QVERIFY(!p.metaName && !p.paramName);
    }

    void tagPresets() {
        PS::Preset p = PS::presetFor(
            "<meta http-equiv=\"Expires\" Name=\"keywords\" CONTENT=\"html, editor\">");
        QCOMPARE(*p.metaHttpEquiv, QString("Expires"));
        QCOMPARE(*p.metaName, QString("keywords"));
        QCOMPARE(*p.metaContent, QString("html, editor"));
        QVERIFY(!p.paramName);

        p = PS::presetFor("<META NAME=author>");
        QCOMPARE(*p.metaName, QString("author"));
        QCOMPARE(*p.metaContent, QString()); // absent attributes empty their fields

        p = PS::presetFor("<PARAM NAME=\"speed\" VALUE=\"fast\">");
        QCOMPARE(*p.paramName, QString("speed"));
        QCOMPARE(*p.paramValue, QString("fast"));
        QVERIFY(!p.metaName);
        // Only a PARAM tag with its NAME first presets the page.
        QVERIFY(!PS::presetFor("<PARAM VALUE=\"fast\" NAME=\"speed\">").paramName);
    }

    void attributeLookup() {
        QCOMPARE(PS::tagAttribute("<X FILENAME=\"a\" NAME=\"b\">", "name"), QString("b"));
        QCOMPARE(PS::tagAttribute("<X NAME=\"unterminated>", "name"), QString("unterminated>"));
        QCOMPARE(PS::tagAttribute("<X>", "name"), QString());
    }

    void insertions() {
        QCOMPARE(PS::alignText("left"), QString("ALIGN=\"left\""));
        QCOMPARE(PS::valignText("top"), QString("VALIGN=\"top\""));
        QCOMPARE(PS::sizeText("4"), QString("SIZE=\"4\""));
        QCOMPARE(PS::metaText("", "keywords", "html, editor"),
                 QString("<META NAME=\"keywords\" CONTENT=\"html, editor\" >"));
        QCOMPARE(PS::metaText("Expires", "", "0"),
                 QString("<META HTTP-EQUIV=\"Expires\" CONTENT=\"0\" >"));
        QCOMPARE(PS::metaText("", "", ""), QString("<META >"));
        QCOMPARE(PS::embedText("", 10, 10), QString());
        QCOMPARE(PS::embedText("/m/song.mid", 0, 0), QString("<EMBED SRC=\"/m/song.mid\">"));
        QCOMPARE(PS::embedText("a.avi", 60, 0), QString("<EMBED SRC=\"a.avi\" HEIGHT=\"60\">"));
        QCOMPARE(PS::embedText("a.avi", 60, 80),
                 QString("<EMBED SRC=\"a.avi\" HEIGHT=\"60\" WIDTH=\"80\">"));
        QCOMPARE(PS::paramText("speed", "fast"), QString("<PARAM NAME=\"speed\" VALUE=\"fast\">"));
    }

    void bodyColours() {
        BodyMemory m;
        QVERIFY(m.rememberColor("VLINK=\"#00FF00\"", QColor(0, 255, 0)));
        QCOMPARE(m.vlink, QColor(0, 255, 0));
        QCOMPARE(m.link, QColor(0, 0, 0)); // LINK is not found inside VLINK
        QVERIFY(m.rememberColor("BGCOLOR=", Qt::white));
        QCOMPARE(m.bgcolor, QColor(Qt::white));
        QVERIFY(!m.rememberColor("bgcolor=\"#FFFFFF\"", Qt::red)); // names as written in upper case
        QVERIFY(!m.rememberColor("COLOR=\"#FFFFFF\"", Qt::red));
    }
};

QTEST_APPLESS_MAIN(TestParameterSelections)
#include "test_parameterselections.moc"
