#pragma once

#include "projects/pageops/pageoperations.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// "Copy/Move a Page": which project a page goes to, and whether it is
// copied or moved there. "&Copy" and "&Move" are usable once a project is
// chosen; "&Move" only for another project than the page's own.
class CopyMoveForm : public QDialog {
    Q_OBJECT
public:
    // `workingWith`: the page, as its project's folder (as the entry writes
    // it) and file name; `projects`: the texts of the project entries in tree
    // order; `ownProject`: the index of the page's project among them.
    CopyMoveForm(const QString &workingWith, const QStringList &projects, int ownProject,
                 QWidget *parent = nullptr);

    // After "&Copy" or "&Move": the chosen project and what to do.
    int chosenProject() const;
    PageOps::Transfer transfer() const { return m_transfer; }

    // "Working with: " + the page.
    static QString workingWithText(const QString &page);

private:
    void projectChosen();
    void finish(PageOps::Transfer transfer);

    int m_own;
    PageOps::Transfer m_transfer = PageOps::Transfer::Copy;
    QLabel *m_label = nullptr;
    QListWidget *m_projects = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_move = nullptr;
    QPushButton *m_cancel = nullptr;
};
