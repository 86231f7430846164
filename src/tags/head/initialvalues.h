#pragma once

#include "tags/bodymemory.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The first version of a new page, as the Initial Values wizard builds it
// from the user's answers: the answers, the project's defaults for new pages,
// the themes, and the lines of the page.

// A project's defaults for new pages, from the "PROJECT" section of the
// "PROJECT.INI" file in the page's folder. Colours are six hexadecimal digits
// without "#".
struct PageDefaults {
    QString mailto;
    QString textColor = QStringLiteral("000000");
    QString linkColor = QStringLiteral("FF0000");
    QString aLinkColor = QStringLiteral("000000");
    QString vLinkColor = QStringLiteral("800080");
    QString bgColor = QStringLiteral("C0C0C0");
    QString themeStyle;
};
// A folder without the file (or a file that cannot be read) gives the
// defaults above.
PageDefaults readPageDefaults(const QString &pageDir);

// The theme list: "[None]" and every theme N with a file "t_N.gif" in the
// themes folder.
QString noTheme(); // "[None]"
QStringList themeList(const QString &programDir);
// The themes folder, with a trailing "/".
QString themesFolder(const QString &programDir);
// Every file "??N.gif" of a theme, as full paths.
QStringList themeFiles(const QString &themesDir, const QString &theme);

struct InitialValues {
    // "Page Internals"
    QString pageTitle = QStringLiteral("Web Page Title Here");
    QString comments = QStringLiteral("Comments go here");
    QString keywords;
    QString description;
    int docType = 0; // an index into docTypes(); 0 is "none"

    // "Images/Themes"
    QString background; // a picture, as chosen (usually a full path)
    QString theme;      // empty or "[None]": no theme
    bool leftArrow = false, rightArrow = false, upArrow = false, downArrow = false;
    bool questionMark = false;
    bool fixedBackground = false;

    // "Text"
    QString email;
    QString emailCaption = QStringLiteral("Click here to send us an email message");
    QString heading;
    QColor headingColor = QColor(0, 0, 0); // black: no colour
    int headingSize = 1;                   // 1 .. 6
    QString logo;
    bool center = true;

    // "General"
    QString greeting;
    QStringList otherInfo;
    int fontSize = 3; // 1 .. 7

    // "Colors": six hexadecimal digits each, or empty for none
    QString textColor, linkColor, aLinkColor, vLinkColor, bgColor;
    int leftMargin = -1, rightMargin = -1;

    // The e-mail address, the five colours and the theme from the project.
    void applyDefaults(const PageDefaults &defaults);
    bool themeInUse() const;
    // The page's background: the chosen picture, or the theme's tile when a
    // theme is in use and no picture is chosen.
    QString backgroundFor(const QString &themesDir) const;
    // The five colours (black for an empty or unreadable field) and the
    // background, as the body memory keeps them.
    void storeInto(BodyMemory &body, const QString &themesDir) const;
};

// "none" and the three DOCTYPE lines.
const QStringList &docTypes();

// The lines of the page, in order; `themesDir` ends in "/". References to
// the theme, the background and the logo are full paths, so that the
// wizard's preview shows them.
QStringList initialValuesLines(const InitialValues &values, const QString &themesDir,
                               const QDateTime &created, const QLocale &locale);

// The lines as they go into the page: the themes folder removed, the
// background and the logo by their bare file names (their copies sit beside
// the page).
QStringList pageLines(const QStringList &lines, const InitialValues &values,
                      const QString &themesDir);

// Every file Finish copies into the page's folder: the background, the logo
// and the theme's files.
QStringList filesToCopy(const InitialValues &values, const QString &themesDir);
