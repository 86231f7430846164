#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The list of links a viewer has followed, most recent first, with the index
// of the entry on show. The index may also equal count(): the viewer is then
// showing something older than every entry (the document it was given before
// the first link was followed).
class ViewerHistory {
public:
    int count() const { return int(entries_.size()); }
    QStringList targets() const;
    QUrl url(int index) const;

    int index() const { return index_; }
    // Accepts 0 ... count(); returns whether the index changed.
    bool setIndex(int index);
    bool isValidIndex(int index) const { return index >= 0 && index <= count(); }

    int maxCount() const { return maxCount_; }
    // Drops the oldest entries beyond the new maximum; returns whether the
    // list or the index changed.
    bool setMaxCount(int count);

    // A link was followed from the entry on show: entries newer than it are
    // dropped, the link becomes entry 0 and the current one. Following the
    // link that is already entry 0 adds nothing. Returns whether anything
    // changed.
    bool record(const QString &target, const QUrl &url);

private:
    struct Entry {
        QString target;
        QUrl url;
    };
    bool trim();

    QList<Entry> entries_;
    int index_ = 0;
    int maxCount_ = 10;
};
