#pragma once

#include "projects/projecttree.h"

#include <QString>
#include <QVector>

// The project list as flat lines, for callers that walk it in file order:
// a project (level 1) or one of its pages (level 2).
struct ProjectEntry {
    int level = 1;
    QString text;
    bool operator==(const ProjectEntry &o) const { return level == o.level && text == o.text; }
};
using ProjectList = QVector<ProjectEntry>;

ProjectList toProjectList(const ProjectTree &tree);
ProjectTree toProjectTree(const ProjectList &entries);

// The tree used when there is no list file yet.
ProjectList defaultProjectList();

// Reads the list file (see projectlistfile.h). Returns false when the file
// cannot be read.
bool readProjectList(const QString &path, ProjectList &out);

// Writes the list file (lines end in CR LF) through a temporary file.
bool writeProjectList(const QString &path, const ProjectList &entries);
