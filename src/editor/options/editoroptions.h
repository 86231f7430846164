#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

struct Settings;

// What the editor options dialog edits: the editors' font, colours and
// behaviour, the line ends written on saving, and the previews' default font
// and colours. A plain value, converted to and from the settings.
struct EditorOptions {
    // The line ends a save writes ("File type:"): the loaded ones, CR, LF.
    enum FileType { DefaultStyle = 0, MacStyle = 1, UnixStyle = 2 };

    // General
    QString fontName;
    int fontSize = 10; // points
    int fileType = DefaultStyle;
    int tabSize = 5;
    bool autoIndent = true;
    bool wordWrap = false;
    bool expandToHtml = true;   // typed special characters become entities
    bool useWarningLeds = true; // the TAG/BODY lamps

    // Editor colours
    QColor textColor{0, 0, 0};
    QColor windowColor{255, 255, 255};
    QColor tagFore{0, 0, 255};
    QColor tagBack{255, 255, 255};
    QColor selectedFore{255, 255, 255};
    QColor selectedBack{0, 0, 128};

    // The previews' defaults
    QString htmlFontName = QStringLiteral("Times New Roman");
    int htmlFontSize = 12; // points
    QColor htmlFontColor{0, 0, 0};
    QColor htmlWindowColor{255, 255, 255};

    bool operator==(const EditorOptions &other) const;
    bool operator!=(const EditorOptions &other) const { return !(*this == other); }

    // The options the settings hold. A value the settings leave empty, or
    // hold in a form that cannot be read (a colour or size that is not a
    // number, a tab size below 1, an unknown file type), is taken from
    // `inForce`.
    static EditorOptions fromSettings(const Settings &settings, const EditorOptions &inForce);
    // The same with the defaults in force.
    static EditorOptions fromSettings(const Settings &settings);
    // Writes every option into the settings.
    void toSettings(Settings &settings) const;
};

// The colour presets offered beside the colour boxes. Each sets the editor's
// and the previews' colours and leaves everything else alone.
enum class ColorScheme { Default, Dark };
void applyColorScheme(EditorOptions &options, ColorScheme scheme);

// The items of "File type:", by EditorOptions::FileType.
const QStringList &fileTypeNames();

// The page the dialog's sample editor shows, lines separated by CR.
QString editorSampleText();
