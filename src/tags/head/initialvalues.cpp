#include "tags/head/initialvalues.h"
#include "projects/inifile.h"
#include "projects/projectcreation.h"
#include "projects/projectsettings.h"
#include "settings/colors.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString bareName(const QString &path) {
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

QString colorAttribute(const char *name, const QString &field) {
    if (field.isEmpty())
        return QString();
    QString digits = field;
    digits.remove(QLatin1Char('#'));
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"#") + digits.toUpper() +
           QLatin1Char('"');
}

QString image(const QString &source) {
    return QStringLiteral("<IMG SRC=\"") + source + QStringLiteral("\">");
}

} // namespace

PageDefaults readPageDefaults(const QString &pageDir) {
    PageDefaults d;
    IniFile ini;
    if (pageDir.isEmpty() || !ini.load(projectIniPath(pageDir)))
        return d;
    const QString section = projectSection();
    d.mailto = ini.value(section, QStringLiteral("mailto"), d.mailto);
    d.textColor = ini.value(section, QStringLiteral("TextColor"), d.textColor);
    d.linkColor = ini.value(section, QStringLiteral("LinkColor"), d.linkColor);
    d.aLinkColor = ini.value(section, QStringLiteral("aLinkColor"), d.aLinkColor);
    d.vLinkColor = ini.value(section, QStringLiteral("vLinkColor"), d.vLinkColor);
    d.bgColor = ini.value(section, QStringLiteral("bgColor"), d.bgColor);
    d.themeStyle = ini.value(section, QStringLiteral("ThemeStyle"), d.themeStyle);
    return d;
}

QString noTheme() {
    return QStringLiteral("[None]");
}

QStringList themeList(const QString &programDir) {
    return QStringList{noTheme()} + themeNames(programDir);
}

QString themesFolder(const QString &programDir) {
    QString dir = QDir(programDir).filePath(QStringLiteral("themes"));
    return dir + QLatin1Char('/');
}

QStringList themeFiles(const QString &themesDir, const QString &theme) {
    if (theme.isEmpty() || theme == noTheme())
        return {};
    const QDir dir(themesDir);
    QStringList files;
    for (const QString &name : dir.entryList(
             {QStringLiteral("??") + theme + QStringLiteral(".gif")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

void InitialValues::applyDefaults(const PageDefaults &d) {
    email = d.mailto;
    textColor = d.textColor;
    linkColor = d.linkColor;
    aLinkColor = d.aLinkColor;
    vLinkColor = d.vLinkColor;
    bgColor = d.bgColor;
    theme = d.themeStyle;
}

bool InitialValues::themeInUse() const {
    return !theme.isEmpty() && theme != noTheme();
}

QString InitialValues::backgroundFor(const QString &themesDir) const {
    if (background.isEmpty() && themeInUse())
        return themesDir + QStringLiteral("t_") + theme + QStringLiteral(".gif");
    return background;
}

void InitialValues::storeInto(BodyMemory &body, const QString &themesDir) const {
    auto color = [](const QString &field) {
        QColor c(0, 0, 0);
        if (!hexToColor(field, c))
            c = QColor(0, 0, 0);
        return c;
    };
    body.text = color(textColor);
    body.link = color(linkColor);
    body.vlink = color(vLinkColor);
    body.alink = color(aLinkColor);
    body.bgcolor = color(bgColor);
    body.background = backgroundFor(themesDir);
}

const QStringList &docTypes() {
    static const QStringList types = {
        QStringLiteral("none"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.2\">"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML Level 1//EN\">")};
    return types;
}

QStringList initialValuesLines(const InitialValues &v, const QString &themesDir,
                               const QDateTime &created, const QLocale &locale) {
    QStringList l;
    const bool theme = v.themeInUse();
    auto themeImage = [&](const char *prefix) {
        return image(themesDir + QLatin1String(prefix) + v.theme + QStringLiteral(".gif"));
    };
    auto separator = [&] {
        if (theme)
            l << themeImage("l_") << QStringLiteral("<BR>");
    };

    if (v.docType > 0 && v.docType < docTypes().size())
        l << docTypes().at(v.docType);
    l << QStringLiteral("<HTML>") << QStringLiteral("<HEAD>");
    l << QStringLiteral("<TITLE>") + v.pageTitle + QStringLiteral("</TITLE>");
    l << QStringLiteral("<META NAME=\"Keywords\" CONTENT=\"") + v.keywords + QStringLiteral("\">");
    l << QStringLiteral("<META NAME=\"Description\" CONTENT=\"") + v.description +
             QStringLiteral("\">");
    l << QStringLiteral("<META NAME=\"Generator\" CONTENT=\"Quilmead 2.5\">");
    l << QStringLiteral("</HEAD>");

    QString body = QStringLiteral("<BODY");
    const QString background = v.backgroundFor(themesDir);
    if (!background.isEmpty())
        body += QStringLiteral(" BACKGROUND=\"") + background + QStringLiteral("\" ");
    body += colorAttribute("TEXT", v.textColor) + colorAttribute("LINK", v.linkColor) +
            colorAttribute("VLINK", v.vLinkColor) + colorAttribute("ALINK", v.aLinkColor) +
            colorAttribute("BGCOLOR", v.bgColor);
    if (v.leftMargin >= 0)
        body += QStringLiteral(" LEFTMARGIN=\"%1\"").arg(v.leftMargin);
    if (v.rightMargin >= 0)
        body += QStringLiteral(" RIGHTMARGIN=\"%1\"").arg(v.rightMargin);
    if (v.fixedBackground)
        body += QStringLiteral(" BGPROPERTIES=\"FIXED\" ");
    l << body + QLatin1Char('>');

    l << QStringLiteral("<!-- ") + v.comments + QStringLiteral(" -- Created: ") +
             locale.toString(created.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
             locale.toString(created.time(), QLocale::LongFormat) + QStringLiteral(" -->");
    l << QString() << QStringLiteral("<BASEFONT SIZE=%1>").arg(v.fontSize) << QString();

    if (v.center)
        l << QStringLiteral("<CENTER>");
    separator();
    if (!v.logo.isEmpty())
        l << image(v.logo) << QStringLiteral("<BR>");
    if (!v.heading.isEmpty()) {
        const bool colored = v.headingColor.isValid() && v.headingColor != QColor(0, 0, 0);
        if (colored)
            l << QStringLiteral("<FONT COLOR=\"#") + colorToHex(v.headingColor) +
                     QStringLiteral("\">");
        l << QStringLiteral("<H%1>").arg(v.headingSize) + v.heading +
                 QStringLiteral("</H%1>").arg(v.headingSize);
        if (colored)
            l << QStringLiteral("</FONT>");
    }
    separator();
    if (v.center)
        l << QStringLiteral("</CENTER>");

    if (!v.greeting.isEmpty())
        l << v.greeting;
    l << QStringLiteral("<P>");
    l << v.otherInfo;
    l << QStringLiteral("<P>");

    if (v.center)
        l << QStringLiteral("<CENTER>");
    separator();
    if (!v.email.isEmpty())
        l << QStringLiteral("<a href=\"mailto:") + v.email.toLower() + QStringLiteral("\">") +
                 v.emailCaption + QStringLiteral("</a><p>");
    l << QStringLiteral("<BR>");
    if (theme) {
        const struct {
            bool on;
            const char *prefix;
        } arrows[] = {{v.leftArrow, "w_"},
                      {v.rightArrow, "e_"},
                      {v.upArrow, "n_"},
                      {v.downArrow, "s_"},
                      {v.questionMark, "q_"}};
        for (const auto &a : arrows)
            if (a.on)
                l << themeImage(a.prefix);
        l << QStringLiteral("<BR>");
    }
    if (v.center)
        l << QStringLiteral("</CENTER>");
    l << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return l;
}

QStringList pageLines(const QStringList &lines, const InitialValues &values,
                      const QString &themesDir) {
    QStringList out;
    out.reserve(lines.size());
    for (QString line : lines) {
        line.remove(themesDir);
        for (const QString &path : {values.background, values.logo})
            if (!path.isEmpty())
                line.replace(path, bareName(path));
        out << line;
    }
    return out;
}

QStringList filesToCopy(const InitialValues &values, const QString &themesDir) {
    QStringList files;
    for (const QString &path : {values.background, values.logo})
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    if (values.themeInUse())
        files << themeFiles(themesDir, values.theme);
    return files;
}
