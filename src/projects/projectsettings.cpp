#include "projects/projectsettings.h"

#include "projects/inifile.h"
#include "projects/passwordcipher.h"
#include "projects/projecttree.h"

#include <QDir>
#include <QFileInfo>

bool ProjectSettings::operator==(const ProjectSettings &o) const {
    return mailto == o.mailto && webURL == o.webURL && ftpDirectory == o.ftpDirectory &&
           textColor == o.textColor && linkColor == o.linkColor && aLinkColor == o.aLinkColor &&
           vLinkColor == o.vLinkColor && bgColor == o.bgColor && themeStyle == o.themeStyle &&
           loginID == o.loginID && loginPassword == o.loginPassword;
}

const QStringList &projectSettingKeys() {
    static const QStringList keys{QStringLiteral("mailto"),       QStringLiteral("WebURL"),
                                  QStringLiteral("FTPDirectory"), QStringLiteral("TextColor"),
                                  QStringLiteral("LinkColor"),    QStringLiteral("aLinkColor"),
                                  QStringLiteral("vLinkColor"),   QStringLiteral("bgColor"),
                                  QStringLiteral("ThemeStyle"),   QStringLiteral("LoginID"),
                                  QStringLiteral("LoginPassword")};
    return keys;
}

QString projectIniPath(const QString &projectDir) {
    const QDir dir(projectDir);
    const QString exact = dir.filePath(settingsFileName());
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.compare(settingsFileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return exact;
}

ProjectSettings projectSettingsFrom(const IniFile &ini) {
    const QString s = projectSection();
    const QString black = QStringLiteral("000000");
    ProjectSettings out;
    out.mailto = ini.value(s, QStringLiteral("mailto"), QString());
    out.webURL = ini.value(s, QStringLiteral("WebURL"), QString());
    out.ftpDirectory = ini.value(s, QStringLiteral("FTPDirectory"), QString());
    out.textColor = ini.value(s, QStringLiteral("TextColor"), black);
    out.linkColor = ini.value(s, QStringLiteral("LinkColor"), black);
    out.aLinkColor = ini.value(s, QStringLiteral("aLinkColor"), black);
    out.vLinkColor = ini.value(s, QStringLiteral("vLinkColor"), black);
    out.bgColor = ini.value(s, QStringLiteral("bgColor"), black);
    out.themeStyle = ini.value(s, QStringLiteral("ThemeStyle"), QString());
    out.loginID = ini.value(s, QStringLiteral("LoginID"), QString());
    out.loginPassword = decodeStr(ini.value(s, QStringLiteral("LoginPassword"), QString()));
    return out;
}

void applyProjectSettings(IniFile &ini, const ProjectSettings &settings) {
    const QString values[] = {settings.mailto,
                              settings.webURL,
                              settings.ftpDirectory,
                              settings.textColor,
                              settings.linkColor,
                              settings.aLinkColor,
                              settings.vLinkColor,
                              settings.bgColor,
                              settings.themeStyle,
                              settings.loginID,
                              encodeStr(settings.loginPassword)};
    const QStringList &keys = projectSettingKeys();
    for (int i = 0; i < keys.size(); ++i)
        ini.setValue(projectSection(), keys.at(i), values[i]);
}

bool readProjectSettings(const QString &projectDir, ProjectSettings &settings, QString *error) {
    IniFile ini;
    const bool ok = ini.load(projectIniPath(projectDir));
    if (!ok && error)
        *error = ini.errorString();
    settings = projectSettingsFrom(ini);
    return ok;
}

ProjectSettings readProjectSettings(const QString &projectDir) {
    ProjectSettings settings;
    readProjectSettings(projectDir, settings);
    return settings;
}

bool writeProjectSettings(const QString &projectDir, const ProjectSettings &settings,
                          QString *error) {
    const QString path = projectIniPath(projectDir);
    IniFile ini;
    ini.load(path);
    applyProjectSettings(ini, settings);
    if (ini.save(path))
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}

QString sendTarget(const ProjectSettings &settings) {
    return settings.webURL + QLatin1Char('/') + settings.ftpDirectory;
}
