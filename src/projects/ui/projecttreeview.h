#pragma once

#include "projects/projecttree.h"

class QTreeWidget;
class QTreeWidgetItem;

// Shows a project tree in a QTreeWidget (Outline1): projects as top-level
// items, their pages as children, each item's text the entry text. The view
// follows every change of the tree, so an item's position is its entry.
class ProjectTreeView : public ProjectTreeObserver {
public:
    ProjectTreeView(QTreeWidget *widget, ProjectTree &tree);
    ~ProjectTreeView() override;
    ProjectTreeView(const ProjectTreeView &) = delete;
    ProjectTreeView &operator=(const ProjectTreeView &) = delete;

    QTreeWidget *widget() const { return m_widget; }
    ProjectTree &tree() const { return m_tree; }

    // The entry an item shows; none for a null item.
    EntryRef entryOf(const QTreeWidgetItem *item) const;
    QTreeWidgetItem *itemOf(EntryRef entry) const;

    // The current item's entry (the tree's selection).
    EntryRef selectedEntry() const;
    // Makes an entry the current, selected and visible item.
    void select(EntryRef entry);

    // Fills a widget with a tree (all projects collapsed).
    static void fill(QTreeWidget *widget, const ProjectTree &tree);
    // The tree a widget shows.
    static ProjectTree readTree(const QTreeWidget *widget);

    // ProjectTreeObserver
    void treeReset() override;
    void projectInserted(int project) override;
    void projectRemoved(int project) override;
    void pageInserted(int project, int page) override;
    void pageRemoved(int project, int page) override;
    void entryChanged(EntryRef entry) override;

private:
    QTreeWidget *m_widget;
    ProjectTree &m_tree;
};
