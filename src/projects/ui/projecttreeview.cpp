#include "projects/ui/projecttreeview.h"

#include <QTreeWidget>

ProjectTreeView::ProjectTreeView(QTreeWidget *widget, ProjectTree &tree)
    : m_widget(widget), m_tree(tree) {
    m_widget->setColumnCount(1);
    m_widget->setHeaderHidden(true);
    // Every row is one line of text: lets the widget skip measuring rows.
    m_widget->setUniformRowHeights(true);
    m_tree.setObserver(this);
    fill(m_widget, m_tree);
}

ProjectTreeView::~ProjectTreeView() {
    m_tree.setObserver(nullptr);
}

EntryRef ProjectTreeView::entryOf(const QTreeWidgetItem *item) const {
    if (!item)
        return {};
    if (const QTreeWidgetItem *parent = item->parent())
        return {m_widget->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(parent)),
                parent->indexOfChild(const_cast<QTreeWidgetItem *>(item))};
    const int project = m_widget->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item));
    return project < 0 ? EntryRef() : EntryRef{project, -1};
}

QTreeWidgetItem *ProjectTreeView::itemOf(EntryRef entry) const {
    if (entry.project < 0 || entry.project >= m_widget->topLevelItemCount())
        return nullptr;
    QTreeWidgetItem *project = m_widget->topLevelItem(entry.project);
    if (entry.page < 0)
        return project;
    return entry.page < project->childCount() ? project->child(entry.page) : nullptr;
}

EntryRef ProjectTreeView::selectedEntry() const {
    return entryOf(m_widget->currentItem());
}

void ProjectTreeView::select(EntryRef entry) {
    QTreeWidgetItem *item = itemOf(entry);
    if (!item)
        return;
    m_widget->setCurrentItem(item);
    item->setSelected(true);
    m_widget->scrollToItem(item);
}

void ProjectTreeView::fill(QTreeWidget *widget, const ProjectTree &tree) {
    widget->clear();
    QList<QTreeWidgetItem *> projects;
    projects.reserve(tree.projectCount());
    for (int p = 0; p < tree.projectCount(); ++p) {
        auto *project = new QTreeWidgetItem(QStringList(tree.projectText(p)));
        QList<QTreeWidgetItem *> pages;
        pages.reserve(tree.pageCount(p));
        for (const QString &text : tree.pages(p))
            pages.append(new QTreeWidgetItem(QStringList(text)));
        project->addChildren(pages);
        projects.append(project);
    }
    widget->addTopLevelItems(projects);
}

ProjectTree ProjectTreeView::readTree(const QTreeWidget *widget) {
    ProjectTree tree;
    for (int p = 0; p < widget->topLevelItemCount(); ++p) {
        const QTreeWidgetItem *project = widget->topLevelItem(p);
        const int index = tree.addProject(project->text(0));
        for (int i = 0; i < project->childCount(); ++i)
            tree.appendPage(index, project->child(i)->text(0));
    }
    return tree;
}

void ProjectTreeView::treeReset() {
    fill(m_widget, m_tree);
}

void ProjectTreeView::projectInserted(int project) {
    auto *item = new QTreeWidgetItem(QStringList(m_tree.projectText(project)));
    for (const QString &text : m_tree.pages(project))
        item->addChild(new QTreeWidgetItem(QStringList(text)));
    m_widget->insertTopLevelItem(project, item);
}

void ProjectTreeView::projectRemoved(int project) {
    delete m_widget->takeTopLevelItem(project);
}

void ProjectTreeView::pageInserted(int project, int page) {
    if (QTreeWidgetItem *parent = m_widget->topLevelItem(project))
        parent->insertChild(page, new QTreeWidgetItem(QStringList(m_tree.pageText(project, page))));
}

void ProjectTreeView::pageRemoved(int project, int page) {
    if (QTreeWidgetItem *parent = m_widget->topLevelItem(project))
        delete parent->takeChild(page);
}

void ProjectTreeView::entryChanged(EntryRef entry) {
    if (QTreeWidgetItem *item = itemOf(entry))
        item->setText(0, m_tree.text(entry));
}
