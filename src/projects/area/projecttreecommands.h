#pragma once

#include "projects/evaluation/ui/sitecheckdialog.h"
#include "projects/projectcommands.h"
#include "projects/projecttree.h"

#include <QObject>
#include <QPointer>
#include <QString>

class ActiveDocument;
class ProjectTreeView;
class Shell;

// The commands that act on the project tree's selected entry: creating and
// deleting projects, opening a page (or the project's settings) from the
// tree, and checking a project's references.
class ProjectTreeCommands : public QObject {
    Q_OBJECT
public:
    ProjectTreeCommands(Shell &shell, ActiveDocument &document, ProjectTreeView &view,
                        QObject *parent = nullptr);
    ~ProjectTreeCommands() override;

    // Whether a document with exactly this path is open.
    IsFileOpen isFileOpen() const;

    // "&New Project...": the Create Project dialog; the new project's
    // settings entry becomes the selection.
    void newProject();
    // "&Delete Project...": the selected project, after asking.
    void deleteProject();
    // A double-click or "View Page": refuses a page that is open, else as
    // loadProjectPage().
    void viewPage();
    // Enter: a page opens as a project document, the settings entry opens
    // the project dialog in modify mode; a project entry does nothing.
    void loadProjectPage();
    // F3: opens the selected page's file as a project document.
    void openPageFile();
    // "Check Project References...": checks every page of the selected
    // entry's project.
    void checkReferences();

    // Opens a project page (switching to its tab when it is open) and puts
    // the caret at the start of a line (from 1).
    void openPageAt(const QString &path, int line);
    // The site check window while it is open.
    SiteCheckDialog *siteCheck() const { return m_siteCheck; }

private:
    void editSettings(const QString &projectDir);
    // Opens a file as a project document, with the tree disabled meanwhile.
    bool openDocument(const QString &path);

    Shell &m_shell;
    ActiveDocument &m_document;
    ProjectTreeView &m_view;
    QPointer<SiteCheckDialog> m_siteCheck;
};
