#pragma once

#include "projects/projectsettings.h"
#include "projects/projecttree.h"

#include <QString>
#include <QStringList>

class UserInteraction;

// The themes a project may default to: for every file "t_<name>.gif" in the
// program folder's "themes" folder (any letter case), <name> (the file name
// from its third character up to its first "."), sorted.
QStringList themeNames(const QString &programDir);

// Creates the folder of a new project. A name without a separator is made
// directly under the program folder; otherwise each folder of the path is
// made in turn (existing ones are fine), from the root for an absolute path,
// else from the program folder. "\" counts as a separator. Succeeds when the
// folder exists at the end; otherwise the user is told.
bool createProjectDirectory(const QString &programDir, const QString &name, UserInteraction &ui);

// What the user entered for a new project. The name and description are
// written back trimmed (and the name without a trailing separator).
struct NewProject {
    QString name;        // folder: relative to the program folder, or absolute
    QString description; // no dash
    ProjectSettings settings;
};

struct CreateProjectResult {
    enum class Outcome {
        Created,
        MissingField,      // name or description empty
        DashInDescription, // the description holds a "-"
        FolderFailed,      // the folder could not be made
        Failed,            // the settings file could not be written
    };
    Outcome outcome = Outcome::Failed;
    int project = -1;       // the new project entry
    EntryRef settingsEntry; // its settings entry, which becomes the selection
};

// Makes a new project: its folder when missing, its "PROJECT.INI" unless one
// is there already (which is then kept), and its entry with the settings
// entry at the end of the tree. Every refusal is told to the user; when the
// outcome is not Created, neither the tree nor the settings file changed.
CreateProjectResult createProject(ProjectTree &tree, const QString &programDir, NewProject &input,
                                  UserInteraction &ui);

// The texts of project creation.
namespace ProjectTexts {
QString requiredFieldMissing();     // "Required field missing!"
QString dashInDescription();        // "The dash character, '-', is not allowed ..."
QString projectAlreadyExists();     // "Project already exists, using previously defined defaults."
QString projectDirectoryExists();   // "Project directory exists."
QString errorNewProjectDirectory(); // "Error processing new project directory!"
QString errorProjectDrive();        // "Error changing to specified project drive!"
} // namespace ProjectTexts
