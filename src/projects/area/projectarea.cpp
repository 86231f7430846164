#include "projects/area/projectarea.h"
#include "app/shell.h"
#include "projects/projectlist.h"

#include <QFileInfo>
#include <QTreeWidget>
#include <stdexcept>

ProjectArea::ProjectArea(Shell &shell, QTreeWidget *outline, QObject *parent)
    : QObject(parent), m_shell(shell), m_outline(outline) {}

void ProjectArea::created() {
    loadProjectTree();
}

void ProjectArea::shutdown() {
    saveProjectTree();
}

void ProjectArea::loadProjectTree() {
    ProjectList entries;
    const QString path = m_shell.programDir() + QStringLiteral("project.dat");
    if (!QFileInfo::exists(path) || !readProjectList(path, entries))
        entries = defaultProjectList();
    m_outline->clear();
    QTreeWidgetItem *project = nullptr;
    for (const ProjectEntry &e : entries) {
        if (e.level == 1 || !project)
            project = new QTreeWidgetItem(m_outline, QStringList(e.text));
        else
            new QTreeWidgetItem(project, QStringList(e.text));
    }
}

void ProjectArea::saveProjectTree() {
    ProjectList entries;
    for (int i = 0; i < m_outline->topLevelItemCount(); ++i) {
        QTreeWidgetItem *project = m_outline->topLevelItem(i);
        entries.append({1, project->text(0)});
        for (int k = 0; k < project->childCount(); ++k)
            entries.append({2, project->child(k)->text(0)});
    }
    if (!writeProjectList(m_shell.programDir() + QStringLiteral("project.dat"), entries))
        throw std::runtime_error("project list not written");
}
