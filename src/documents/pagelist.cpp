#include "documents/pagelist.h"

int PageList::indexOf(const QString &path) const {
    for (int i = count() - 1; i >= 0; --i) {
        if (m_pages.at(i).fileName == path)
            return i;
    }
    return -1;
}
