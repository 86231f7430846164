#include "publish/send/sendoptions.h"

#include "projects/inifile.h"
#include "projects/projectsettings.h"

namespace {
bool flag(const IniFile &ini, const QString &key) {
    return ini.value(projectSection(), key, QStringLiteral("0")).trimmed() == QLatin1String("1");
}
} // namespace

SendOptions readSendOptions(const QString &projectDir) {
    IniFile ini;
    ini.load(projectIniPath(projectDir));
    SendOptions options;
    options.passive = flag(ini, QStringLiteral("Passive"));
    options.secure = flag(ini, QStringLiteral("Secure"));
    return options;
}

bool writeSendOptions(const QString &projectDir, const SendOptions &options, QString *error) {
    const QString path = projectIniPath(projectDir);
    IniFile ini;
    if (!ini.load(path)) {
        if (error)
            *error = ini.errorString();
        return false;
    }
    ini.setValue(projectSection(), QStringLiteral("Passive"),
                 options.passive ? QStringLiteral("1") : QStringLiteral("0"));
    ini.setValue(projectSection(), QStringLiteral("Secure"),
                 options.secure ? QStringLiteral("1") : QStringLiteral("0"));
    if (ini.save(path))
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}
