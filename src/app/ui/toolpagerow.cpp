#include "app/ui/toolpagerow.h"

#include <QBoxLayout>
#include <QToolButton>

QBoxLayout *toolPageRow(QWidget *page) {
    if (auto *existing = qobject_cast<QBoxLayout *>(page->layout()))
        return existing;
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    row->addStretch(1);
    return row;
}

void addToToolPageRow(QWidget *page, QWidget *control) {
    QBoxLayout *row = toolPageRow(page);
    // Before the stretch that closes the row.
    row->insertWidget(qMax(0, row->count() - 1), control);
}

QToolButton *addToolPageButton(QWidget *page, const QString &name, const QString &caption,
                               const QString &hint) {
    auto *b = new QToolButton(page);
    b->setObjectName(name);
    b->setText(caption);
    b->setAutoRaise(true);
    b->setMinimumSize(25, 25);
    b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    addToToolPageRow(page, b);
    return b;
}
