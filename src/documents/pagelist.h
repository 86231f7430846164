#pragma once

#include <QString>
#include <QVector>

// One open document: created when the document is opened, removed when its
// tab is closed. The selection and the modified flag are kept here while the
// document's tab is not the current one.
struct PageRecord {
    bool inProject = false; // opened from a project
    QString fileName;       // full path of the document
    bool modified = false;
    int startLine = 1; // selection: lines from 1, columns from 0
    int startPos = 0;
    int endLine = 1;
    int endPos = 0;
};

// The open documents in tab order: entry i belongs to tab i; new documents
// are appended at the end.
class PageList {
public:
    int count() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.isEmpty(); }
    PageRecord &at(int index) { return m_pages[index]; }
    const PageRecord &at(int index) const { return m_pages.at(index); }
    void append(const PageRecord &record) { m_pages.append(record); }
    void removeAt(int index) { m_pages.removeAt(index); }

    // The index of the document whose path is exactly `path` (same
    // characters, same letter case), searching from the last tab to the
    // first; -1 when none.
    int indexOf(const QString &path) const;
    bool isFileNameOpen(const QString &path) const { return indexOf(path) >= 0; }

    // The index of the document that is the file at `path` however it is
    // spelled: the exact path, or the same file reached through links or
    // "..". Searches from the last tab to the first; -1 when none.
    int indexOfSameFile(const QString &path) const;

private:
    QVector<PageRecord> m_pages;
};
