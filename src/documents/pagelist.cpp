#include "documents/pagelist.h"
#include "documents/documentnames.h"

int PageList::indexOf(const QString &path) const {
    for (int i = count() - 1; i >= 0; --i) {
        if (m_pages.at(i).fileName == path)
            return i;
    }
    return -1;
}

int PageList::indexOfSameFile(const QString &path) const {
    const int exact = indexOf(path);
    if (exact >= 0)
        return exact;
    for (int i = count() - 1; i >= 0; --i) {
        if (DocumentNames::sameFile(m_pages.at(i).fileName, path))
            return i;
    }
    return -1;
}
