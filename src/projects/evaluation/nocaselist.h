#pragma once

#include <QString>
#include <QStringList>
#include <set>

// A sorted list of texts that ignores upper and lower case: a text is added
// only when no item equal to it, ignoring case, is present, and the first
// spelling added is the one kept. Adding and looking up take logarithmic
// time, so a page with a great many references stays quick.
class NoCaseList {
public:
    bool add(const QString &text); // true when added
    bool contains(const QString &text) const { return m_items.count(text) != 0; }
    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    void clear() { m_items.clear(); }
    QStringList items() const; // in order, ignoring case

private:
    struct Less {
        bool operator()(const QString &a, const QString &b) const {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        }
    };
    std::set<QString, Less> m_items;
};
