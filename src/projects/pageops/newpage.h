#pragma once

#include "projects/projecttree.h"

#include <QString>
#include <QStringList>

class UserInteraction;

// The four kinds of new page the Create Page dialog offers (UseStyle).
enum class PageStyle { DefaultPage, UseTemplate, ThemePage, FramePage };

// What the Create Page dialog collects.
struct NewPageRequest {
    QString name;        // PageName, without extension
    QString extension;   // ExtensionList
    QString description; // PageDesc
    PageStyle style = PageStyle::DefaultPage;
    QString templateName; // TemplateList; empty when none is chosen
};

// What runs on the new page once it is open in the editor.
enum class NewPageStep {
    None,
    BasicTags,       // the skeleton of a page, when the editor holds at most one line
    TemplateVedaGuy, // the template's placeholders are filled in
    FrameCreator,    // the frame set is built
};

struct NewPage {
    bool created = false;
    QString path;   // the page's file
    EntryRef entry; // its entry, to be selected
    NewPageStep step = NewPageStep::None;
};

// The project a page command works on: the selected project, or the project
// of the selected page; -1 for none.
int projectOfSelection(const ProjectTree &tree, EntryRef selected);

// The index of the page of `project` whose file is `fileName`; -1 for none.
int pageIndexOf(const ProjectTree &tree, int project, const QString &fileName);

// Makes a new page in a project from what the dialog collected: checks the
// name and description, creates the file by its style (never over an
// existing file) and adds the entry "description - name.extension". A
// refusal or a failure is told to the user and leaves the folder and the
// tree as they were.
NewPage createPage(ProjectTree &tree, int project, const QString &programDir,
                   const NewPageRequest &request, UserInteraction &ui);

// The templates folder, "template" in the program folder, with a trailing "/".
QString templatesFolder(const QString &programDir);
// The names of its files whose extension begins with "ht", each once, sorted.
QStringList templateNames(const QString &programDir);
// The document extensions of the settings ("html,htm,..."), in their order.
QStringList documentExtensions(const QString &setting);
// Whether a description holds the dash that separates an entry's parts.
bool hasDash(const QString &description);
