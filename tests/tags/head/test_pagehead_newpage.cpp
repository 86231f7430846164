// The first version of a new page: the lines the Initial Values wizard
// makes, the project's defaults, the themes, and copying pictures beside the
// page.

#include "tags/head/initialvalues.h"
#include "tags/head/picturecopy.h"
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <unistd.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QDateTime kCreated(QDate(2024, 3, 5), QTime(14, 7, 9));
const QString kThemes = "/prog/themes/";

QString createdText() {
    return kUs.toString(kCreated.date(), QLocale::ShortFormat) + "  " +
           kUs.toString(kCreated.time(), QLocale::LongFormat);
}

// A page with a theme, a logo, a coloured heading and an e-mail address.
InitialValues themedPage() {
    InitialValues v;
    v.applyDefaults(PageDefaults());
    v.pageTitle = "Acme Home";
    v.keywords = "acme, tools";
    v.description = "Acme's page";
    v.docType = 1;
    v.theme = "ocean";
    v.leftArrow = v.upArrow = v.questionMark = true;
    v.email = "Info@Example.COM";
    v.heading = "Welcome";
    v.headingColor = QColor(0, 0, 128);
    v.headingSize = 2;
    v.logo = "/pics/logo.gif";
    v.greeting = "Acme Inc.";
    v.otherInfo = QStringList{"Line one", "Line two"};
    v.leftMargin = 0;
    return v;
}

} // namespace

class TestPageHeadNewPage : public QObject {
    Q_OBJECT
private slots:
    void themedPageLines() {
        const QStringList lines = initialValuesLines(themedPage(), kThemes, kCreated, kUs);
        const QStringList expected = {
            "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.2\">",
            "<HTML>",
            "<HEAD>",
            "<TITLE>Acme Home</TITLE>",
            "<META NAME=\"Keywords\" CONTENT=\"acme, tools\">",
            "<META NAME=\"Description\" CONTENT=\"Acme's page\">",
            "<META NAME=\"Generator\" CONTENT=\"Quilmead 2.5\">",
            "</HEAD>",
            "<BODY BACKGROUND=\"/prog/themes/t_ocean.gif\"  TEXT=\"#000000\" LINK=\"#FF0000\" "
            "VLINK=\"#800080\" ALINK=\"#000000\" BGCOLOR=\"#C0C0C0\" LEFTMARGIN=\"0\">",
            "<!-- Comments go here -- Created: " + createdText() + " -->",
            "",
            "<BASEFONT SIZE=3>",
            "",
            "<CENTER>",
            "<IMG SRC=\"/prog/themes/l_ocean.gif\">",
            "<BR>",
            "<IMG SRC=\"/pics/logo.gif\">",
            "<BR>",
            "<FONT COLOR=\"#000080\">",
            "<H2>Welcome</H2>",
            "</FONT>",
            "<IMG SRC=\"/prog/themes/l_ocean.gif\">",
            "<BR>",
            "</CENTER>",
            "Acme Inc.",
            "<P>",
            "Line one",
            "Line two",
            "<P>",
            "<CENTER>",
            "<IMG SRC=\"/prog/themes/l_ocean.gif\">",
            "<BR>",
            "<a href=\"mailto:info@example.com\">Click here to send us an email message</a><p>",
            "<BR>",
            "<IMG SRC=\"/prog/themes/w_ocean.gif\">",
            "<IMG SRC=\"/prog/themes/n_ocean.gif\">",
            "<IMG SRC=\"/prog/themes/q_ocean.gif\">",
            "<BR>",
            "</CENTER>",
            "</BODY>",
            "</HTML>"};
        QCOMPARE(lines, expected);

        // In the page the theme's folder goes and the logo is named bare.
        const QStringList page = pageLines(lines, themedPage(), kThemes);
        QCOMPARE(page.size(), expected.size());
        QVERIFY(page.at(8).startsWith("<BODY BACKGROUND=\"t_ocean.gif\"  TEXT="));
        QCOMPARE(page.at(14), QString("<IMG SRC=\"l_ocean.gif\">"));
        QCOMPARE(page.at(16), QString("<IMG SRC=\"logo.gif\">"));
        QCOMPARE(page.at(35), QString("<IMG SRC=\"n_ocean.gif\">"));
        for (const QString &line : page)
            QVERIFY2(!line.contains(kThemes) && !line.contains("/pics/"), qPrintable(line));
    }

    // The plainest page: no theme, nothing centred, no optional lines.
    void plainPageLines() {
        InitialValues v;
        v.center = false;
        v.fixedBackground = true;
        v.background = "C:\\pics\\back.jpg";
        v.textColor = "abcdef";
        v.rightMargin = 15;
        v.heading = "Hello";
        v.headingColor = QColor(0, 0, 0); // black is no colour
        const QStringList lines = initialValuesLines(v, kThemes, kCreated, kUs);
        const QStringList expected = {
            "<HTML>",
            "<HEAD>",
            "<TITLE>Web Page Title Here</TITLE>",
            "<META NAME=\"Keywords\" CONTENT=\"\">",
            "<META NAME=\"Description\" CONTENT=\"\">",
            "<META NAME=\"Generator\" CONTENT=\"Quilmead 2.5\">",
            "</HEAD>",
            "<BODY BACKGROUND=\"C:\\pics\\back.jpg\"  TEXT=\"#ABCDEF\" RIGHTMARGIN=\"15\" "
            "BGPROPERTIES=\"FIXED\" >",
            "<!-- Comments go here -- Created: " + createdText() + " -->",
            "",
            "<BASEFONT SIZE=3>",
            "",
            "<H1>Hello</H1>",
            "<P>",
            "<P>",
            "<BR>",
            "</BODY>",
            "</HTML>"};
        QCOMPARE(lines, expected);
        QCOMPARE(pageLines(lines, v, kThemes).at(7),
                 QString("<BODY BACKGROUND=\"back.jpg\"  TEXT=\"#ABCDEF\" RIGHTMARGIN=\"15\" "
                         "BGPROPERTIES=\"FIXED\" >"));
    }

    void themeInUse_data() {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("none") << "[None]" << false;
        QTest::newRow("ocean") << "ocean" << true;
    }
    void themeInUse() {
        QFETCH(QString, theme);
        QFETCH(bool, inUse);
        InitialValues v;
        v.theme = theme;
        v.rightArrow = true;
        QCOMPARE(v.themeInUse(), inUse);
        const QStringList lines = initialValuesLines(v, kThemes, kCreated, kUs);
        QCOMPARE(lines.contains("<IMG SRC=\"/prog/themes/e_ocean.gif\">"), inUse);
        QCOMPARE(lines.at(7), inUse ? QString("<BODY BACKGROUND=\"/prog/themes/t_ocean.gif\" >")
                                    : QString("<BODY>"));
        // A chosen background wins over the theme's tile.
        v.background = "/x/own.gif";
        QCOMPARE(v.backgroundFor(kThemes), QString("/x/own.gif"));
    }

    // --- Project defaults and themes ------------------------------------------------------

    void projectDefaults() {
        TestFolder page;
        PageDefaults none = readPageDefaults(page.path());
        QCOMPARE(none.mailto, QString());
        QCOMPARE(none.textColor, QString("000000"));
        QCOMPARE(none.linkColor, QString("FF0000"));
        QCOMPARE(none.aLinkColor, QString("000000"));
        QCOMPARE(none.vLinkColor, QString("800080"));
        QCOMPARE(none.bgColor, QString("C0C0C0"));
        QCOMPARE(none.themeStyle, QString());

        page.write("PROJECT.INI", "[PROJECT]\r\nmailto=web@acme.test\r\nTextColor=112233\r\n"
                                  "bgColor=FFFFFF\nThemeStyle=ocean\r\nWebURL=www.acme.test\r\n");
        const PageDefaults d = readPageDefaults(page.path());
        QCOMPARE(d.mailto, QString("web@acme.test"));
        QCOMPARE(d.textColor, QString("112233"));
        QCOMPARE(d.linkColor, QString("FF0000")); // missing: the new page's default
        QCOMPARE(d.bgColor, QString("FFFFFF"));
        QCOMPARE(d.themeStyle, QString("ocean"));

        InitialValues v;
        v.applyDefaults(d);
        QCOMPARE(v.email, QString("web@acme.test"));
        QCOMPARE(v.textColor, QString("112233"));
        QCOMPARE(v.vLinkColor, QString("800080"));
        QCOMPARE(v.theme, QString("ocean"));
    }

    void themes() {
        TestFolder program;
        for (const char *name : {"t_ocean.gif", "l_ocean.gif", "w_ocean.gif", "q_ocean.gif",
                                 "t_forest.gif", "xt_ocean.gif", "t_sea.png", "readme.txt"})
            program.write(QString("themes/") + name, "GIF89a");
        QCOMPARE(themeList(program.path()), QStringList({"[None]", "forest", "ocean"}));
        const QString dir = themesFolder(program.path());
        QVERIFY(dir.endsWith("/themes/"));
        QStringList files = themeFiles(dir, "ocean");
        for (QString &f : files)
            f = QFileInfo(f).fileName();
        QCOMPARE(files, QStringList({"l_ocean.gif", "q_ocean.gif", "t_ocean.gif", "w_ocean.gif"}));
        QVERIFY(themeFiles(dir, "[None]").isEmpty());

        InitialValues v;
        v.theme = "ocean";
        v.logo = dir + "t_ocean.gif"; // named twice, copied once
        v.background = "/pics/back.gif";
        QCOMPARE(filesToCopy(v, dir).size(), 6);
        QCOMPARE(filesToCopy(v, dir).first(), QString("/pics/back.gif"));

        BodyMemory body;
        v.applyDefaults(PageDefaults());
        v.bgColor.clear();
        v.storeInto(body, dir);
        QCOMPARE(body.link, QColor(255, 0, 0));
        QCOMPARE(body.vlink, QColor(128, 0, 128));
        QCOMPARE(body.bgcolor, QColor(0, 0, 0));
        QCOMPARE(body.background, QString("/pics/back.gif"));
    }

    // --- Copies beside the page ----------------------------------------------------------

    void copyPictures() {
        TestFolder source, page;
        const QString picture = source.write("pics/logo.gif", "GIF89a-logo");
        QCOMPARE(PictureCopy::copyInto(picture, page.path()), PictureCopy::Outcome::Copied);
        QCOMPARE(TestFolder::read(page.file("logo.gif")), QByteArray("GIF89a-logo"));

        // An existing file stays as it is.
        source.write("pics/logo.gif", "GIF89a-newer");
        QCOMPARE(PictureCopy::copyInto(picture, page.path()), PictureCopy::Outcome::AlreadyThere);
        QCOMPARE(TestFolder::read(page.file("logo.gif")), QByteArray("GIF89a-logo"));
        // A name taken from the page is the page's own file.
        QCOMPARE(PictureCopy::copyInto("logo.gif", page.path()),
                 PictureCopy::Outcome::AlreadyThere);
    }

    void failedCopyLeavesNothing_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("missing picture") << false;
        QTest::newRow("folder not writable") << true;
    }
    void failedCopyLeavesNothing() {
        QFETCH(bool, readOnlyFolder);
        TestFolder source, page;
        QString picture = source.file("missing.gif");
        if (readOnlyFolder) {
            if (geteuid() == 0)
                QSKIP("the super-user writes into any folder");
            picture = source.write("big.gif", QByteArray(200000, 'x'));
            QFile::setPermissions(page.path(), QFile::ReadOwner | QFile::ExeOwner);
        }
        QString error;
        QCOMPARE(PictureCopy::copyInto(picture, page.path(), &error), PictureCopy::Outcome::Failed);
        QVERIFY(!error.isEmpty());
        QFile::setPermissions(page.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QDir(page.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(PictureCopy::failureText("/a/b.gif", "/page/"),
                 QString("Cannot copy /a/b.gif to /page/"));
    }
};

QTEST_GUILESS_MAIN(TestPageHeadNewPage)
#include "test_pagehead_newpage.moc"
