#include "projects/evaluation/nocaselist.h"

bool NoCaseList::add(const QString &text) {
    return m_items.insert(text).second;
}

QStringList NoCaseList::items() const {
    QStringList list;
    list.reserve(qsizetype(m_items.size()));
    for (const QString &item : m_items)
        list.append(item);
    return list;
}
