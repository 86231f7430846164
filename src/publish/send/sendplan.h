#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class FileLookup;
class SentRecord;

// One file to send: a page or a file a page refers to.
struct SendItem {
    QString name; // as listed, and the remote name: a path below the project folder, "/" between
                  // folders
    QString path; // the local file
    qint64 size = 0;
    bool selected = true;
    bool unchanged = false; // unselected by "Only changed files"
};

// What is sent when a project (or one of its pages) goes to its web site:
// the pages, the files they refer to, and the references refused.
//
// Nothing outside the project folder is ever sent: a page or a reference
// whose path leads out of it, in its letters ("../x.gif") or through a
// symbolic link, is refused and listed in refused() instead. Names are
// kept in the order of the sorted lists the user sees (letter case aside).
class SendPlan {
public:
    // `pageNames`: the page file names of the project's tree entries; the
    // settings file is left out.
    SendPlan(const QString &projectDir, const QStringList &pageNames);

    const QString &projectDir() const { return m_projectDir; }
    QVector<SendItem> &pages() { return m_pages; }
    const QVector<SendItem> &pages() const { return m_pages; }
    QVector<SendItem> &references() { return m_references; }
    const QVector<SendItem> &references() const { return m_references; }
    // One line per refused page or reference, for the log.
    const QStringList &refused() const { return m_refused; }

    // Sums of the sizes of the selected items.
    qint64 pageTotal() const;
    qint64 referenceTotal() const;

    // Collects what the selected pages refer to: every located SRC and
    // background file, and every located link (less a "#marker" after the
    // file's name) that is not itself a selected page. Each file once, all
    // selected. Returns the lines refused on the way (also kept in refused()).
    QStringList collectReferences();
    bool referencesCollected() const { return m_collected; }

    // "Only changed files": unselects every page and reference that `record`
    // holds as sent unchanged to `site`; turned off, selects them again.
    void setOnlyChanged(bool on, const SentRecord &record, const QString &site);
    bool onlyChanged() const { return m_onlyChanged; }

    // The project-relative name a reference leads to from a page at
    // `pageName`, with "\" read as "/", "." and ".." steps resolved and any
    // "/" in front taken off; empty when it leads out of the project folder.
    static QString projectRelativeName(const QString &pageName, const QString &value);

private:
    // Whether the file at `relativeName` lies in the project folder, also
    // once every symbolic link on the way is followed. Missing files lie
    // where their names say.
    bool staysInside(const QString &relativeName) const;
    void addReference(const QString &pageName, const QString &value, FileLookup &files,
                      const QStringList &selectedPages);
    void refuse(const QString &pageName, const QString &value);
    void markUnchanged(SendItem &item, const SentRecord &record, const QString &site) const;
    static void sortItems(QVector<SendItem> &items);

    QString m_projectDir;   // clean, absolute, no trailing "/"
    QString m_canonicalDir; // the same with links followed
    QVector<SendItem> m_pages;
    QVector<SendItem> m_references;
    QStringList m_refused;
    bool m_collected = false;
    bool m_onlyChanged = false;
    const SentRecord *m_record = nullptr;
    QString m_site;
};
