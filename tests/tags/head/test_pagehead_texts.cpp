// The texts of the page head commands without an editor: the title, the
// stamp, the skeleton, the template markers, the body statement read and
// written, and the content rating tag.

#include "tags/head/bodystatement.h"
#include "tags/head/pagehead.h"
#include "tags/head/safesurf.h"

#include <QtTest>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestPageHeadTexts : public QObject {
    Q_OBJECT
private slots:
    void titleOfAPair_data() {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "<TITLE>Home</TITLE>"
                               << "Home";
        QTest::newRow("lower case") << "<title>Start page</title>"
                                    << "Start page";
        QTest::newRow("empty") << "<TITLE></TITLE>"
                               << "";
        QTest::newRow("over two lines") << "<TITLE>Two\r\nlines</TITLE>"
                                        << "Two\r\nlines";
        QTest::newRow("no closing <") << "<TITLE>odd"
                                      << "odd";
    }
    void titleOfAPair() {
        QFETCH(QString, pair);
        QFETCH(QString, title);
        QCOMPARE(PageHead::titleOf(pair), title);
    }

    // The stamp writes the locale's short date and long time, without the
    // time at exactly midnight.
    void stamp() {
        const QDate day(2024, 3, 5);
        const QString date = kUs.toString(day, QLocale::ShortFormat);
        const QString time = kUs.toString(QTime(14, 7, 9), QLocale::LongFormat);
        QVERIFY(date.contains("24"));
        QVERIFY(time.contains("07:09"));
        QCOMPARE(PageHead::stampElement(QDateTime(day, QTime(14, 7, 9)), kUs),
                 "<PAGEMODIFIED>" + date + " " + time + "</PAGEMODIFIED>");
        QCOMPARE(PageHead::stampDateTime(QDateTime(day, QTime(0, 0)), kUs), date);
        QCOMPARE(PageHead::stampDateTime(QDateTime(day, QTime(0, 0, 0, 1)), kUs),
                 date + " " + kUs.toString(QTime(0, 0, 0, 1), QLocale::LongFormat));
    }

    // --- Body statement ------------------------------------------------------------

    void readStatement_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("link");
        QTest::addColumn<QColor>("vlink");
        QTest::addColumn<QColor>("alink");
        QTest::addColumn<QColor>("bgcolor");
        QTest::addColumn<QList<int>>("margins"); // left, right, top, bottom
        QTest::addColumn<bool>("fixed");
        const QColor black(0, 0, 0), white(255, 255, 255), kept(1, 2, 3);
        QTest::newRow("unquoted value")
            << "<BODY BGCOLOR=#FFFFFF TEXT=\"#000000\">"
            << "" << black << kept << kept << kept << white << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("link names apart")
            << "<body vlink=\"#800080\" alink=\"#FF0000\" link=\"#0000FF\">"
            << "" << kept << QColor(0, 0, 255) << QColor(128, 0, 128) << QColor(255, 0, 0) << kept
            << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("vlink only leaves link")
            << "<BODY VLINK=\"#123456\">"
            << "" << kept << kept << QColor(0x12, 0x34, 0x56) << kept << kept
            << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("background and margins")
            << "<BODY BACKGROUND=\"images/tile.gif\" LEFTMARGIN=\"0\" RIGHTMARGIN=10 "
               "TOPMARGIN=\"5\" BOTTOMMARGIN=\"7\" BGPROPERTIES=\"FIXED\">"
            << "images/tile.gif" << kept << kept << kept << kept << kept << QList<int>{0, 10, 5, 7}
            << true;
        QTest::newRow("empty and lone quote")
            << "<BODY TEXT=\"\" BGCOLOR=' BACKGROUND=>"
            << "" << black << kept << kept << kept << black << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("value up to >") << "<BODY TEXT=FF0000>"
                                       << "" << QColor(255, 0, 0) << kept << kept << kept << kept
                                       << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("margin not a number")
            << "<BODY LEFTMARGIN=\"x\" TOPMARGIN=3>"
            << "" << kept << kept << kept << kept << kept << QList<int>{-1, -1, 3, -1} << false;
    }
    void readStatement() {
        QFETCH(QString, statement);
        QFETCH(QString, background);
        QFETCH(QColor, text);
        QFETCH(QColor, link);
        QFETCH(QColor, vlink);
        QFETCH(QColor, alink);
        QFETCH(QColor, bgcolor);
        QFETCH(QList<int>, margins);
        QFETCH(bool, fixed);
        // What the statement does not name stays as the memory had it,
        // except margins and background, which are reset.
        BodyMemory m;
        m.text = m.link = m.vlink = m.alink = m.bgcolor = QColor(1, 2, 3);
        m.background = "old.gif";
        m.leftMargin = m.rightMargin = m.topMargin = m.bottomMargin = 20;
        m.fixedBackground = true;
        QVERIFY(BodyStatement::setBodyVars(statement, m));
        QCOMPARE(m.background, background);
        QCOMPARE(m.text, text);
        QCOMPARE(m.link, link);
        QCOMPARE(m.vlink, vlink);
        QCOMPARE(m.alink, alink);
        QCOMPARE(m.bgcolor, bgcolor);
        QCOMPARE((QList<int>{m.leftMargin, m.rightMargin, m.topMargin, m.bottomMargin}), margins);
        QCOMPARE(m.fixedBackground, fixed);
    }

    // A colour that is not hexadecimal stops the reading there.
    void unreadableColorStops() {
        BodyMemory m;
        QString bad;
        QVERIFY(!BodyStatement::setBodyVars(
            "<BODY TEXT=\"#00FF00\" LINK=\"blue\" VLINK=\"#FF0000\" LEFTMARGIN=4>", m, &bad));
        QCOMPARE(bad, QString("blue"));
        QCOMPARE(m.text, QColor(0, 255, 0));
        QCOMPARE(m.vlink, QColor(0, 0, 0));
        QCOMPARE(m.leftMargin, -1);
    }

    void writeStatement_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("background");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("statement");
        const QString colors = "TEXT=\"#000000\" LINK=\"#000000\" ALINK=\"#000000\" "
                               "VLINK=\"#000000\" BGCOLOR=\"#000000\" ";
        QTest::newRow("start values") << -1 << -1 << "" << false << "<BODY " + colors + ">";
        QTest::newRow("margin 0 written, -1 left out")
            << 0 << -1 << "" << false << "<BODY " + colors + "LEFTMARGIN=\"0\" >";
        QTest::newRow("both margins")
            << 5 << 10 << "" << false
            << "<BODY " + colors + "LEFTMARGIN=\"5\" RIGHTMARGIN=\"10\" >";
        QTest::newRow("background by its name, fixed")
            << -1 << -1 << "/home/u/pics/tile.gif" << true
            << "<BODY BACKGROUND=\"tile.gif\" " + colors + "BGPROPERTIES=\"FIXED\">";
    }
    void writeStatement() {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, background);
        QFETCH(bool, fixed);
        QFETCH(QString, statement);
        BodyMemory b;
        b.leftMargin = left;
        b.rightMargin = right;
        b.background = background;
        b.fixedBackground = fixed;
        QCOMPARE(BodyStatement::statementText(b), statement);
    }

    void statementOrderAndRoundTrip() {
        BodyMemory b;
        b.text = QColor(0x11, 0x22, 0x33);
        b.link = QColor(0xFF, 0, 0);
        b.alink = QColor(0, 0xFF, 0);
        b.vlink = QColor(0, 0, 0xFF);
        b.bgcolor = QColor(0xC0, 0xC0, 0xC0);
        b.topMargin = 3;
        b.bottomMargin = 0;
        const QString s = BodyStatement::statementText(b);
        QCOMPARE(s, QString("<BODY TEXT=\"#112233\" LINK=\"#FF0000\" ALINK=\"#00FF00\" "
                            "VLINK=\"#0000FF\" BGCOLOR=\"#C0C0C0\" TOPMARGIN=\"3\" "
                            "BOTTOMMARGIN=\"0\" >"));
        BodyMemory back;
        QVERIFY(BodyStatement::setBodyVars(s, back));
        QCOMPARE(back.text, b.text);
        QCOMPARE(back.link, b.link);
        QCOMPARE(back.alink, b.alink);
        QCOMPARE(back.vlink, b.vlink);
        QCOMPARE(back.bgcolor, b.bgcolor);
        QCOMPARE(back.topMargin, 3);
        QCOMPARE(back.bottomMargin, 0);
        QCOMPARE(back.leftMargin, -1);
    }

    // --- Content rating ----------------------------------------------------------------

    void ratingTag_data() {
        QTest::addColumn<QList<int>>("levels"); // category, level pairs
        QTest::addColumn<bool>("wholeSite");
        QTest::addColumn<QString>("codes");
        QTest::newRow("profanity only") << QList<int>{1, 2} << false << "( SS~~001 2";
        QTest::newRow("age and profanity")
            << QList<int>{0, 1, 1, 2} << false << "(SS~~000 1 SS~~001 2";
        QTest::newRow("nothing rated") << QList<int>{} << false << "(";
        QTest::newRow("gambling") << QList<int>{10, 9} << false << "( SS~~00A 9";
    }
    void ratingTag() {
        QFETCH(QList<int>, levels);
        QFETCH(bool, wholeSite);
        QFETCH(QString, codes);
        SafeSurf::Rating r;
        for (int i = 0; i + 1 < levels.size(); i += 2)
            r.levels[size_t(levels.at(i))] = levels.at(i + 1);
        r.wholeSite = wholeSite;
        const QString url = SafeSurf::serviceUrl();
        QCOMPARE(SafeSurf::tag(r), "<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"" + url +
                                       "\" l  r " + codes + "))'>");
    }

    void ratingForTheWholeSite() {
        SafeSurf::Rating r;
        r.levels[0] = 1;
        r.wholeSite = true;
        r.siteUrl = "http://www.acme.test/";
        QCOMPARE(SafeSurf::tag(r),
                 "<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"" + SafeSurf::serviceUrl() +
                     "\" l generic true for \"http://www.acme.test/\" r (SS~~000 1))'>");
    }

    // A tag this program wrote presets the same choice again.
    void presetFromATag() {
        SafeSurf::Rating r;
        r.levels = {3, 2, 0, 0, 5, 0, 0, 0, 0, 1, 7};
        r.wholeSite = true;
        r.siteUrl = "http://www.acme.test/";
        SafeSurf::Rating back;
        SafeSurf::presetFrom(SafeSurf::tag(r), back);
        QCOMPARE(back.levels, r.levels);
        QVERIFY(back.wholeSite);
        QCOMPARE(back.siteUrl, r.siteUrl);

        // A tag without the whole-site part leaves the box and the address.
        SafeSurf::Rating fresh;
        SafeSurf::presetFrom("<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"u\" l  r ( "
                             "SS~~001 2 SS~~00A x))'>",
                             fresh);
        QCOMPARE(fresh.levels[1], 2);
        QCOMPARE(fresh.levels[10], 0); // not a digit
        QVERIFY(!fresh.wholeSite);
        QCOMPARE(fresh.siteUrl, SafeSurf::sampleSiteUrl());
        // A code at the very end is no harm.
        SafeSurf::presetFrom("SS~~00A", fresh);
        QCOMPARE(fresh.levels[10], 0);
    }

    // Every category offers ten levels, "0) N/A" first.
    void ratingVocabulary() {
        for (int c = 0; c < SafeSurf::kCategories; ++c) {
            QCOMPARE(SafeSurf::levelTexts(c).size(), SafeSurf::kLevels);
            QCOMPARE(SafeSurf::levelTexts(c).first(), QString("0) N/A"));
            QVERIFY(SafeSurf::levelTexts(c).last().startsWith("9) "));
        }
    }
};

QTEST_GUILESS_MAIN(TestPageHeadTexts)
#include "test_pagehead_texts.moc"
