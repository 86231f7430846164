#include "preview/viewerhistory.h"

QStringList ViewerHistory::targets() const {
    QStringList list;
    list.reserve(entries_.size());
    for (const Entry &e : entries_)
        list << e.target;
    return list;
}

QUrl ViewerHistory::url(int index) const {
    if (index < 0 || index >= count())
        return QUrl();
    return entries_.at(index).url;
}

bool ViewerHistory::setIndex(int index) {
    if (!isValidIndex(index) || index == index_)
        return false;
    index_ = index;
    return true;
}

bool ViewerHistory::setMaxCount(int count) {
    count = qMax(0, count);
    if (count == maxCount_)
        return false;
    maxCount_ = count;
    return trim();
}

bool ViewerHistory::record(const QString &target, const QUrl &url) {
    const int oldIndex = index_;
    const int dropped = qMin(index_, count());
    entries_.remove(0, dropped);
    index_ = 0;
    bool added = false;
    if (maxCount_ > 0 && (entries_.isEmpty() || entries_.first().url != url)) {
        entries_.prepend(Entry{target, url});
        added = true;
    }
    trim();
    return added || dropped > 0 || oldIndex != index_;
}

bool ViewerHistory::trim() {
    bool changed = false;
    if (count() > maxCount_) {
        entries_.resize(maxCount_);
        changed = true;
    }
    if (index_ > count()) {
        index_ = count();
        changed = true;
    }
    return changed;
}
