#pragma once

#include <QString>
#include <QVector>

// One line of the project tree: a project (level 1, "description - folder")
// or one of its pages (level 2, "description - file name").
struct ProjectEntry {
    int level = 1;
    QString text;
    bool operator==(const ProjectEntry &o) const { return level == o.level && text == o.text; }
};
using ProjectList = QVector<ProjectEntry>;

// The tree used when there is no list file yet.
ProjectList defaultProjectList();

// Reads the list file: one line per entry in tree order, as many TABs before
// the text as the entry's level less one. Accepts CR LF, LF or CR. Returns
// false when the file cannot be read.
bool readProjectList(const QString &path, ProjectList &out);

// Writes the list file (lines end in CR LF) through a temporary file.
bool writeProjectList(const QString &path, const ProjectList &entries);
