#include "projects/projectlist.h"
#include "projects/projectlistfile.h"

#include <QFileInfo>

ProjectList toProjectList(const ProjectTree &tree) {
    ProjectList out;
    out.reserve(tree.entryCount());
    for (int p = 0; p < tree.projectCount(); ++p) {
        out.append({1, tree.projectText(p)});
        for (const QString &page : tree.pages(p))
            out.append({2, page});
    }
    return out;
}

ProjectTree toProjectTree(const ProjectList &entries) {
    ProjectTree tree;
    int project = -1;
    for (const ProjectEntry &e : entries) {
        if (e.level <= 1 || project < 0)
            project = tree.addProject(e.text);
        else
            tree.appendPage(project, e.text);
    }
    return tree;
}

ProjectList defaultProjectList() {
    return toProjectList(ProjectTree::defaultTree());
}

bool readProjectList(const QString &path, ProjectList &out) {
    if (!QFileInfo::exists(path))
        return false;
    ProjectListFile file(path);
    ProjectTree tree;
    const ProjectListLoad load = file.load(tree);
    if (load.status != ProjectListLoad::Status::Loaded)
        return false;
    out = toProjectList(tree);
    return true;
}

bool writeProjectList(const QString &path, const ProjectList &entries) {
    return ProjectListFile(path).save(toProjectTree(entries));
}
