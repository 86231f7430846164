#pragma once

#include "app/area.h"
#include "projects/projectpaths.h"

#include <QObject>
#include <QStringList>
#include <functional>

class ActiveDocument;
class OpenDocuments;
class ProjectTreeView;
class Shell;
struct MainActions;

// What runs on a new page once it is open in the editor; the composition
// root fills it from the page head and generator areas.
struct NewPageSteps {
    std::function<void()> insertBasicTags; // the skeleton of a "Default Page"
    std::function<void()> templateVedaGuy; // a page made from a template
    std::function<void()> frameCreator;    // a "Frame Page"
};

// The page operations of the project tree: the "&Pages" submenu of
// "P&rojects", "&Edit Project Description..." and their twins in the tree's
// pop-up menu. New pages, import, removing and deleting, copying and moving
// between projects, renaming, descriptions and the orphan search, each on
// the tree's selected entry. When a page is renamed or moved, the links to
// it in the other pages of its project can follow it, in the pages' tabs
// where they are open. Which entries are usable is the project area's rule.
class PageOperationsArea : public QObject, public Area {
    Q_OBJECT
public:
    PageOperationsArea(Shell &shell, ActiveDocument &document, OpenDocuments &openDocuments,
                       ProjectTreeView &view, MainActions &actions, QObject *parent = nullptr);

    void setNewPageSteps(NewPageSteps steps) { m_steps = std::move(steps); }

    // "&New page...": the Create Page dialog, then the new page opened.
    void addPage();
    // "&Import Page...": existing pages chosen in the open dialog.
    void importPage();
    // "Remove && &Delete Page...".
    void deletePage();
    // "Remove file from project...".
    void removeFromProject();
    // "&Copy/Move page...": the Copy/Move a Page dialog.
    void copyMovePage();
    // "&Edit Page Description..." and "&Edit Project Description...".
    void changeDescription();
    // "&Rename File...".
    void renameFile();
    // "Find Project Orphans...": the Orphan Files dialog.
    void findOrphans();

private:
    void wireMenus();
    IsFileOpen isFileOpen() const;
    bool openNewPage(const QString &path);
    // The files of a project's pages, but for its settings file.
    QStringList pageFiles(int project) const;
    // Offers to make the links to a file that moved from `from` to `to` in
    // `pages` lead to its new place.
    void offerLinkUpdate(const QString &from, const QString &to, const QStringList &pages);

    Shell &m_shell;
    ActiveDocument &m_document;
    OpenDocuments &m_open;
    ProjectTreeView &m_view;
    MainActions &m_a;
    NewPageSteps m_steps;
};
