#pragma once

#include <QString>
#include <QStringList>

class IniFile;

// The settings of one project, kept in "PROJECT.INI" in the project folder
// (section "PROJECT"). The password is held here in plain text; the file
// holds it enciphered (encodeStr).
struct ProjectSettings {
    QString mailto;
    QString webURL;
    QString ftpDirectory;
    QString textColor = QStringLiteral("000000");
    QString linkColor = QStringLiteral("000000");
    QString aLinkColor = QStringLiteral("000000");
    QString vLinkColor = QStringLiteral("000000");
    QString bgColor = QStringLiteral("000000");
    QString themeStyle;
    QString loginID;
    QString loginPassword;

    bool operator==(const ProjectSettings &o) const;
    bool operator!=(const ProjectSettings &o) const { return !(*this == o); }
};

inline QString projectSection() {
    return QStringLiteral("PROJECT");
}

// The eleven keys in the order they are written.
const QStringList &projectSettingKeys();

// The settings file of a project folder: "PROJECT.INI", or a file of that
// name in another letter case when only such a one exists.
QString projectIniPath(const QString &projectDir);

// The values of an INI text; a missing key gives its missing value.
ProjectSettings projectSettingsFrom(const IniFile &ini);
// Sets the eleven keys in order, leaving every other line as it is.
void applyProjectSettings(IniFile &ini, const ProjectSettings &settings);

// Reads the settings of a project folder. A missing file gives the missing
// values. Returns false (with `error`) when the file cannot be read.
bool readProjectSettings(const QString &projectDir, ProjectSettings &settings,
                         QString *error = nullptr);
ProjectSettings readProjectSettings(const QString &projectDir);

// Writes the settings into the project folder's settings file, keeping the
// keys this program does not know. Returns false with an error that names the
// file when it cannot be written.
bool writeProjectSettings(const QString &projectDir, const ProjectSettings &settings,
                          QString *error = nullptr);

// Where the send commands send to: WebURL + "/" + FTPDirectory.
QString sendTarget(const ProjectSettings &settings);
