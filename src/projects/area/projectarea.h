#pragma once

#include "app/area.h"

#include <QObject>

class QTreeWidget;
class Shell;

// The web projects in the left pane: the project tree `Outline1`, read from
// "project.dat" in the program folder at start and written back at exit.
class ProjectArea : public QObject, public Area {
    Q_OBJECT
public:
    ProjectArea(Shell &shell, QTreeWidget *outline, QObject *parent = nullptr);

    void created() override;
    void shutdown() override;

    // The tree from "project.dat", or the default Welcome tree when the file
    // is missing or cannot be read.
    void loadProjectTree();
    // Writes the tree to "project.dat"; throws when it cannot be written.
    void saveProjectTree();

private:
    Shell &m_shell;
    QTreeWidget *m_outline;
};
