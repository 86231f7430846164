#include "projects/projecttree.h"
#include "projects/ui/projecttreeview.h"

#include <QTreeWidget>
#include <QtTest>

namespace {

ProjectTree sample() {
    ProjectTree tree;
    const int a = tree.addProject("Alpha - alpha");
    tree.appendPage(a, "#Default Project Settings - PROJECT.INI");
    tree.appendPage(a, "Home - index.htm");
    tree.addProject("Empty - empty");
    const int c = tree.addProject("Gamma - /srv/gamma");
    tree.appendPage(c, "One - 1.htm");
    return tree;
}

// Whether the widget shows exactly the tree, and every item maps to its entry.
void checkMirrors(const ProjectTreeView &view) {
    QCOMPARE(ProjectTreeView::readTree(view.widget()), view.tree());
    const ProjectTree &tree = view.tree();
    for (int p = 0; p < tree.projectCount(); ++p) {
        QCOMPARE(view.entryOf(view.itemOf({p, -1})), (EntryRef{p, -1}));
        for (int i = 0; i < tree.pageCount(p); ++i)
            QCOMPARE(view.entryOf(view.itemOf({p, i})), (EntryRef{p, i}));
    }
}

} // namespace

class TestProjectTreeView : public QObject {
    Q_OBJECT
private slots:
    void showsTheTree() {
        QTreeWidget widget;
        ProjectTree tree = sample();
        ProjectTreeView view(&widget, tree);
        QCOMPARE(widget.topLevelItemCount(), 3);
        QCOMPARE(widget.topLevelItem(0)->child(1)->text(0), QString("Home - index.htm"));
        QVERIFY(!widget.topLevelItem(0)->isExpanded());
        checkMirrors(view);
        QVERIFY(!view.itemOf({1, 0}));
        QVERIFY(!view.itemOf({3, -1}));
        QCOMPARE(view.entryOf(nullptr), EntryRef());
        QCOMPARE(view.selectedEntry(), EntryRef());
    }

    void followsEveryChange() {
        QTreeWidget widget;
        ProjectTree tree = sample();
        ProjectTreeView view(&widget, tree);
        QCOMPARE(tree.addPage(0, "About - about.htm"), 1);
        checkMirrors(view);
        const int d = tree.addProject("Delta - delta");
        tree.addPage(d, "#Default Project Settings - PROJECT.INI");
        checkMirrors(view);
        tree.removePage(0, 0);
        tree.removeProject(1);
        tree.setText({1, 0}, "Uno - 1.htm");
        checkMirrors(view);
        tree = ProjectTree::defaultTree();
        checkMirrors(view);
        tree.clear();
        QCOMPARE(widget.topLevelItemCount(), 0);
    }

    void selection() {
        QTreeWidget widget;
        ProjectTree tree = sample();
        ProjectTreeView view(&widget, tree);
        view.select({2, 0});
        QCOMPARE(view.selectedEntry(), (EntryRef{2, 0}));
        QVERIFY(widget.currentItem()->isSelected());
        QVERIFY(widget.topLevelItem(2)->isExpanded());
        view.select({0, -1});
        QCOMPARE(view.selectedEntry(), (EntryRef{0, -1}));
        view.select({9, 9}); // no such entry: the selection stays
        QCOMPARE(view.selectedEntry(), (EntryRef{0, -1}));
    }

    void viewLeavesItsTree() {
        ProjectTree tree = sample();
        {
            QTreeWidget widget;
            ProjectTreeView view(&widget, tree);
        }
        tree.addPage(0, "Later - later.htm"); // no view to tell any more
        QCOMPARE(tree.pageCount(0), 3);
    }
};

QTEST_MAIN(TestProjectTreeView)
#include "test_projecttreeview.moc"
