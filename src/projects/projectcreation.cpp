#include "projects/projectcreation.h"

#include "app/userinteraction.h"
#include "projects/projectpaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace ProjectTexts {
QString requiredFieldMissing() {
    return QStringLiteral("Required field missing!");
}
QString dashInDescription() {
    return QStringLiteral("The dash character, '-', is not allowed in a project description.  "
                          "Please remove it before continuing.");
}
QString projectAlreadyExists() {
    return QStringLiteral("Project already exists, using previously defined defaults.");
}
QString projectDirectoryExists() {
    return QStringLiteral("Project directory exists.");
}
QString errorNewProjectDirectory() {
    return QStringLiteral("Error processing new project directory!");
}
QString errorProjectDrive() {
    return QStringLiteral("Error changing to specified project drive!");
}
} // namespace ProjectTexts

QStringList themeNames(const QString &programDir) {
    const QDir dir(QDir(programDir).filePath(QStringLiteral("themes")));
    QStringList names;
    const QStringList files = dir.entryList(QDir::Files | QDir::Readable);
    for (const QString &file : files) {
        if (!file.startsWith(QLatin1String("t_"), Qt::CaseInsensitive) ||
            !file.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
            continue;
        const int dot = file.indexOf(QLatin1Char('.'));
        const QString name = file.mid(2, dot - 2);
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool createProjectDirectory(const QString &programDir, const QString &name, UserInteraction &ui) {
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.contains(QLatin1Char('/'))) {
        const QString full = resolveProjectDir(programDir, path);
        QDir().mkdir(full);
        if (QFileInfo(full).isDir())
            return true;
        ui.message(ProjectTexts::errorNewProjectDirectory(), Msg::Warning, Msg::Ok);
        return false;
    }
    QString built;
    if (QDir::isAbsolutePath(path)) {
        if (!QFileInfo(QDir::rootPath()).isDir()) {
            ui.message(ProjectTexts::errorProjectDrive(), Msg::Warning, Msg::Ok);
            return false;
        }
        built = QDir::rootPath();
    } else {
        built = programDir;
    }
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (!built.endsWith(QLatin1Char('/')))
            built += QLatin1Char('/');
        built += part;
        QDir().mkdir(built); // a folder that is there already is fine
    }
    if (!parts.isEmpty() && QFileInfo(built).isDir())
        return true;
    ui.message(ProjectTexts::errorNewProjectDirectory(), Msg::Warning, Msg::Ok);
    return false;
}

CreateProjectResult createProject(ProjectTree &tree, const QString &programDir, NewProject &input,
                                  UserInteraction &ui) {
    using Outcome = CreateProjectResult::Outcome;
    CreateProjectResult result;
    input.name = input.name.trimmed();
    input.description = input.description.trimmed();
    if (input.name.isEmpty() || input.description.isEmpty()) {
        ui.message(ProjectTexts::requiredFieldMissing(), Msg::Information, Msg::Ok);
        result.outcome = Outcome::MissingField;
        return result;
    }
    // A dash would split the entry text in the wrong place, so the project
    // would point at another folder.
    if (input.description.contains(QLatin1Char('-'))) {
        ui.message(ProjectTexts::dashInDescription(), Msg::Warning, Msg::Ok);
        result.outcome = Outcome::DashInDescription;
        return result;
    }
    if (input.name.size() > 1 &&
        (input.name.endsWith(QLatin1Char('\\')) || input.name.endsWith(QLatin1Char('/'))))
        input.name.chop(1);

    const QString dir = resolveProjectDir(programDir, input.name);
    if (!QFileInfo(dir).isDir() && !createProjectDirectory(programDir, input.name, ui)) {
        result.outcome = Outcome::FolderFailed;
        return result;
    }
    if (QFileInfo::exists(projectIniPath(dir))) {
        ui.message(ProjectTexts::projectAlreadyExists(), Msg::Information, Msg::Ok);
    } else if (!writeProjectSettings(dir, input.settings)) {
        ui.message(ProjectTexts::projectDirectoryExists(), Msg::Warning, Msg::Ok);
        result.outcome = Outcome::Failed;
        return result;
    }
    result.project = tree.addProject(makeEntryText(input.description, input.name));
    result.settingsEntry = {result.project, tree.addPage(result.project, settingsEntryText())};
    result.outcome = Outcome::Created;
    return result;
}
