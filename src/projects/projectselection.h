#pragma once

#include "projects/projecttree.h"

// The project tree and the entry selected in it, as other areas (sending a
// project to its site) see them.
class ProjectSelection {
public:
    virtual ~ProjectSelection() = default;
    virtual const ProjectTree &projectTree() const = 0;
    // No entry (level 0) when nothing is selected.
    virtual EntryRef selectedEntry() const = 0;
};
