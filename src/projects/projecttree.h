#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Tree entry texts are "description - name": a project's name is its folder
// (a path relative to the program folder, or an absolute one), a page's name
// is its file name. The first "-" separates the two, so descriptions cannot
// hold a dash while names may.

// Everything from two characters after the first "-"; the whole text when it
// has no dash.
QString entryName(const QString &text);
// Everything before the first "-" less the blank in front of it; empty when
// the text has no dash.
QString entryDescription(const QString &text);
// description + " - " + name
QString makeEntryText(const QString &description, const QString &name);

// The entry that stands for a project's settings file.
inline QString settingsEntryText() {
    return QStringLiteral("#Default Project Settings - PROJECT.INI");
}
inline QString settingsFileName() {
    return QStringLiteral("PROJECT.INI");
}

// One entry of the tree: a project (page < 0) or one of its pages.
struct EntryRef {
    int project = -1;
    int page = -1;

    bool isValid() const { return project >= 0; }
    bool isProject() const { return project >= 0 && page < 0; }
    bool isPage() const { return project >= 0 && page >= 0; }
    // 0 for no entry, 1 for a project, 2 for a page.
    int level() const { return project < 0 ? 0 : (page < 0 ? 1 : 2); }
    bool operator==(const EntryRef &o) const { return project == o.project && page == o.page; }
    bool operator!=(const EntryRef &o) const { return !(*this == o); }
};

// Told of every change of a tree, so a view can follow it entry by entry.
class ProjectTreeObserver {
public:
    virtual ~ProjectTreeObserver() = default;
    virtual void treeReset() = 0;
    virtual void projectInserted(int project) = 0;
    virtual void projectRemoved(int project) = 0;
    virtual void pageInserted(int project, int page) = 0;
    virtual void pageRemoved(int project, int page) = 0;
    virtual void entryChanged(EntryRef entry) = 0;
};

// The projects and their pages, in tree order. Pages added through addPage
// keep a project's pages in ordinal order of their whole entry text.
class ProjectTree {
public:
    struct Project {
        QString text;
        QStringList pages;
        bool operator==(const Project &o) const { return text == o.text && pages == o.pages; }
    };

    ProjectTree() = default;
    // Copies hold the entries only; an observer stays with its own tree.
    ProjectTree(const ProjectTree &other) : m_projects(other.m_projects) {}
    ProjectTree &operator=(const ProjectTree &other);
    bool operator==(const ProjectTree &o) const { return m_projects == o.m_projects; }

    // The tree used when there is no project list yet: the Welcome project.
    static ProjectTree defaultTree();

    void setObserver(ProjectTreeObserver *observer) { m_observer = observer; }

    bool isEmpty() const { return m_projects.isEmpty(); }
    int projectCount() const { return int(m_projects.size()); }
    int entryCount() const; // projects and pages
    const QString &projectText(int project) const { return m_projects.at(project).text; }
    int pageCount(int project) const { return int(m_projects.at(project).pages.size()); }
    const QString &pageText(int project, int page) const {
        return m_projects.at(project).pages.at(page);
    }
    const QStringList &pages(int project) const { return m_projects.at(project).pages; }
    bool contains(EntryRef entry) const;
    // The text of an entry; empty for none.
    QString text(EntryRef entry) const;

    // Appends a project at the end; returns its index.
    int addProject(const QString &text);
    // Inserts a page before the first page whose text is not less than `text`
    // (ordinal comparison), or after the last one; returns its index.
    int addPage(int project, const QString &text);
    // Appends a page as the last one, whatever its text (used when reading a
    // stored list, which keeps its order).
    int appendPage(int project, const QString &text);
    void removePage(int project, int page);
    void removeProject(int project);
    void setText(EntryRef entry, const QString &text);
    void clear();

    // The index of the first project whose text is `text`; -1 when none.
    int findProject(const QString &text) const;

private:
    QVector<Project> m_projects;
    ProjectTreeObserver *m_observer = nullptr;
};
