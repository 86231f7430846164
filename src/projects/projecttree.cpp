#include "projects/projecttree.h"

QString entryName(const QString &text) {
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return text;
    return text.mid(dash + 2);
}

QString entryDescription(const QString &text) {
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash < 1)
        return QString();
    return text.left(dash - 1);
}

QString makeEntryText(const QString &description, const QString &name) {
    return description + QStringLiteral(" - ") + name;
}

ProjectTree &ProjectTree::operator=(const ProjectTree &other) {
    if (this != &other) {
        m_projects = other.m_projects;
        if (m_observer)
            m_observer->treeReset();
    }
    return *this;
}

ProjectTree ProjectTree::defaultTree() {
    ProjectTree tree;
    const int p = tree.addProject(QStringLiteral("Welcome - Welcome"));
    tree.appendPage(p, QStringLiteral("International Vendors - internat.htm"));
    tree.appendPage(p, QStringLiteral("Readme File - readme.htm"));
    tree.appendPage(p, QStringLiteral("Safesurf Ratings Explanation - ssplan.htm"));
    tree.appendPage(p, QStringLiteral("Update notices - updates.htm"));
    return tree;
}

int ProjectTree::entryCount() const {
    int n = 0;
    for (const Project &p : m_projects)
        n += 1 + int(p.pages.size());
    return n;
}

bool ProjectTree::contains(EntryRef entry) const {
    if (entry.project < 0 || entry.project >= projectCount())
        return false;
    return entry.page < 0 || entry.page < pageCount(entry.project);
}

QString ProjectTree::text(EntryRef entry) const {
    if (!contains(entry))
        return QString();
    return entry.isProject() ? projectText(entry.project) : pageText(entry.project, entry.page);
}

int ProjectTree::addProject(const QString &text) {
    m_projects.append({text, {}});
    const int index = projectCount() - 1;
    if (m_observer)
        m_observer->projectInserted(index);
    return index;
}

int ProjectTree::addPage(int project, const QString &text) {
    QStringList &pages = m_projects[project].pages;
    int at = 0;
    while (at < pages.size() && QString::compare(pages.at(at), text, Qt::CaseSensitive) < 0)
        ++at;
    pages.insert(at, text);
    if (m_observer)
        m_observer->pageInserted(project, at);
    return at;
}

int ProjectTree::appendPage(int project, const QString &text) {
    QStringList &pages = m_projects[project].pages;
    pages.append(text);
    const int index = int(pages.size()) - 1;
    if (m_observer)
        m_observer->pageInserted(project, index);
    return index;
}

void ProjectTree::removePage(int project, int page) {
    m_projects[project].pages.removeAt(page);
    if (m_observer)
        m_observer->pageRemoved(project, page);
}

void ProjectTree::removeProject(int project) {
    m_projects.removeAt(project);
    if (m_observer)
        m_observer->projectRemoved(project);
}

void ProjectTree::setText(EntryRef entry, const QString &text) {
    if (!contains(entry))
        return;
    if (entry.isProject())
        m_projects[entry.project].text = text;
    else
        m_projects[entry.project].pages[entry.page] = text;
    if (m_observer)
        m_observer->entryChanged(entry);
}

void ProjectTree::clear() {
    m_projects.clear();
    if (m_observer)
        m_observer->treeReset();
}

int ProjectTree::findProject(const QString &text) const {
    for (int i = 0; i < projectCount(); ++i) {
        if (m_projects.at(i).text == text)
            return i;
    }
    return -1;
}
