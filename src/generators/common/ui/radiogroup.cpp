#include "generators/common/ui/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &title, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(title, parent), m_items(items), m_group(new QButtonGroup(this)) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    columns = qMax(1, columns);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items.at(i), this);
        m_group->addButton(b, i);
        // Filled column by column, as the items are read.
        grid->addWidget(b, i % rows, i / rows);
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit changed(id);
    });
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton *b = m_group->button(index))
        b->setChecked(true);
}

QString RadioGroup::itemText() const {
    const int i = itemIndex();
    return i >= 0 ? m_items.at(i) : QString();
}

bool RadioGroup::setItemText(const QString &text) {
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).compare(text, Qt::CaseInsensitive) == 0) {
            setItemIndex(i);
            return true;
        }
    }
    return false;
}

QRadioButton *RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton *>(m_group->button(index));
}
