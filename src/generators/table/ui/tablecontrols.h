#pragma once

#include <QComboBox>
#include <QSpinBox>
#include <QStringList>

// The controls both table dialogs build their fields from, each with its
// component name as objectName.
namespace TableControls {

// Spin boxes "without bounds" still need limits; this one is far beyond any
// table a page would hold.
constexpr int kNoBound = 99999;

template <class W> W *named(W *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QSpinBox *spinBox(QWidget *parent, const char *name, int min, int max, int value) {
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

// An alignment list that also takes a value typed in, without adding it.
inline QComboBox *alignList(QWidget *parent, const char *name, const QStringList &items) {
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

} // namespace TableControls
