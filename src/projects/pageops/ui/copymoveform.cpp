#include "projects/pageops/ui/copymoveform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CopyMoveForm::CopyMoveForm(const QString &workingWith, const QStringList &projects, int ownProject,
                           QWidget *parent)
    : QDialog(parent), m_own(ownProject) {
    setObjectName(QStringLiteral("CopyMoveForm"));
    setWindowTitle(QStringLiteral("Copy/Move a Page"));

    m_label = new QLabel(workingWithText(workingWith), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setTextFormat(Qt::PlainText);
    m_projects = new QListWidget(this);
    m_projects->setObjectName(QStringLiteral("ListBox1"));
    m_projects->addItems(projects);
    m_projects->setMinimumSize(320, 180);

    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_copy->setObjectName(QStringLiteral("CopyBtn"));
    m_move = new QPushButton(QStringLiteral("&Move"), this);
    m_move->setObjectName(QStringLiteral("MoveBtn"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_move);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(m_projects, 1);
    row->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(row, 1);

    m_projects->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_projects, &QListWidget::itemSelectionChanged, this, &CopyMoveForm::projectChosen);
    connect(m_copy, &QPushButton::clicked, this, [this] { finish(PageOps::Transfer::Copy); });
    connect(m_move, &QPushButton::clicked, this, [this] { finish(PageOps::Transfer::Move); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    projectChosen();
}

QString CopyMoveForm::workingWithText(const QString &page) {
    return QStringLiteral("Working with: ") + page;
}

int CopyMoveForm::chosenProject() const {
    // The project the user picked, not the list's current row, which focus
    // alone may set.
    const QList<QListWidgetItem *> chosen = m_projects->selectedItems();
    return chosen.isEmpty() ? -1 : m_projects->row(chosen.constFirst());
}

void CopyMoveForm::projectChosen() {
    const int chosen = chosenProject();
    m_copy->setEnabled(chosen >= 0);
    m_move->setEnabled(chosen >= 0 && chosen != m_own);
}

void CopyMoveForm::finish(PageOps::Transfer transfer) {
    if (chosenProject() < 0)
        return;
    m_transfer = transfer;
    accept();
}
