#include "editor/options/editoroptions.h"
#include "editor/options/namedcolors.h"
#include "settings/colors.h"
#include "settings/settings.h"

namespace {

QColor named(const char *name) {
    for (int i = 0; i < NamedColors::count; ++i)
        if (NamedColors::name(i) == QLatin1String(name))
            return NamedColors::color(i);
    return QColor();
}

// A size in points stored as decimal text; `fallback` when there is none.
int storedPoints(const QString &text, int fallback) {
    bool ok = false;
    const int points = text.trimmed().toInt(&ok);
    return ok && points > 0 ? points : fallback;
}

QString storedName(const QString &text, const QString &fallback) {
    return text.trimmed().isEmpty() ? fallback : text;
}

} // namespace

bool EditorOptions::operator==(const EditorOptions &o) const {
    return fontName == o.fontName && fontSize == o.fontSize && fileType == o.fileType &&
           tabSize == o.tabSize && autoIndent == o.autoIndent && wordWrap == o.wordWrap &&
           expandToHtml == o.expandToHtml && useWarningLeds == o.useWarningLeds &&
           textColor == o.textColor && windowColor == o.windowColor && tagFore == o.tagFore &&
           tagBack == o.tagBack && selectedFore == o.selectedFore &&
           selectedBack == o.selectedBack && htmlFontName == o.htmlFontName &&
           htmlFontSize == o.htmlFontSize && htmlFontColor == o.htmlFontColor &&
           htmlWindowColor == o.htmlWindowColor;
}

EditorOptions EditorOptions::fromSettings(const Settings &s, const EditorOptions &inForce) {
    EditorOptions o = inForce;
    o.fontName = storedName(s.fontName, inForce.fontName);
    o.fontSize = storedPoints(s.fontSize, inForce.fontSize);
    o.fileType =
        s.fileFormat >= DefaultStyle && s.fileFormat <= UnixStyle ? s.fileFormat : inForce.fileType;
    o.tabSize = s.tabSize >= 1 ? s.tabSize : inForce.tabSize;
    o.autoIndent = s.autoIndent;
    o.wordWrap = s.wordwrap;
    o.expandToHtml = s.expandCharsToHtml;
    o.useWarningLeds = s.useEws;

    o.textColor = storedColor(s.fontColor, inForce.textColor);
    o.windowColor = storedColor(s.backgroundColor, inForce.windowColor);
    o.tagFore = storedColor(s.syntaxFgColor, inForce.tagFore);
    o.tagBack = storedColor(s.syntaxBgColor, inForce.tagBack);
    o.selectedFore = storedColor(s.highlightFgColor, inForce.selectedFore);
    o.selectedBack = storedColor(s.highlightBgColor, inForce.selectedBack);

    o.htmlFontName = storedName(s.htmlFontName, inForce.htmlFontName);
    o.htmlFontSize = storedPoints(s.htmlFontSize, inForce.htmlFontSize);
    o.htmlFontColor = storedColor(s.htmlFontColor, inForce.htmlFontColor);
    o.htmlWindowColor = storedColor(s.htmlBackgroundColor, inForce.htmlWindowColor);
    return o;
}

EditorOptions EditorOptions::fromSettings(const Settings &s) {
    return fromSettings(s, EditorOptions());
}

void EditorOptions::toSettings(Settings &s) const {
    s.fontName = fontName;
    s.fontSize = QString::number(fontSize);
    s.fileFormat = fileType;
    s.tabSize = tabSize;
    s.autoIndent = autoIndent;
    s.wordwrap = wordWrap;
    s.expandCharsToHtml = expandToHtml;
    s.useEws = useWarningLeds;

    s.fontColor = colorToStoreText(textColor);
    s.backgroundColor = colorToStoreText(windowColor);
    s.syntaxFgColor = colorToStoreText(tagFore);
    s.syntaxBgColor = colorToStoreText(tagBack);
    s.highlightFgColor = colorToStoreText(selectedFore);
    s.highlightBgColor = colorToStoreText(selectedBack);

    s.htmlFontName = htmlFontName;
    s.htmlFontSize = QString::number(htmlFontSize);
    s.htmlFontColor = colorToStoreText(htmlFontColor);
    s.htmlBackgroundColor = colorToStoreText(htmlWindowColor);
}

void applyColorScheme(EditorOptions &o, ColorScheme scheme) {
    switch (scheme) {
    case ColorScheme::Default: {
        const EditorOptions defaults;
        o.textColor = defaults.textColor;
        o.windowColor = defaults.windowColor;
        o.tagFore = defaults.tagFore;
        o.tagBack = defaults.tagBack;
        o.selectedFore = defaults.selectedFore;
        o.selectedBack = defaults.selectedBack;
        o.htmlFontColor = defaults.htmlFontColor;
        o.htmlWindowColor = defaults.htmlWindowColor;
        break;
    }
    case ColorScheme::Dark:
        // Light text on black, tags in aqua, the selection white on teal;
        // every one of them a colour the boxes offer by name.
        o.textColor = named("Silver");
        o.windowColor = named("Black");
        o.tagFore = named("Aqua");
        o.tagBack = named("Black");
        o.selectedFore = named("White");
        o.selectedBack = named("Teal");
        o.htmlFontColor = named("Silver");
        o.htmlWindowColor = named("Black");
        break;
    }
}

const QStringList &fileTypeNames() {
    static const QStringList names{QStringLiteral("Default"), QStringLiteral("Mac Style"),
                                   QStringLiteral("Unix Style")};
    return names;
}

QString editorSampleText() {
    return QStringList{QStringLiteral("<HTML>"),
                       QStringLiteral("<TITLE>Your Web Page</TITLE>"),
                       QStringLiteral("<BODY BACKGROUND=\"back.gif\""),
                       QStringLiteral("TEXT=\"#FF00FF\">"),
                       QStringLiteral("This is the contents of your web"),
                       QStringLiteral("page."),
                       QStringLiteral("</BODY>"),
                       QStringLiteral("</HTML>")}
        .join(QLatin1Char('\r'));
}
