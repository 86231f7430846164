#include "documents/recentfiles.h"

void setLastFiles(RecentFiles &files, const QString &path) {
    int slot = int(files.size()) - 1; // a new path: the oldest drops out
    for (int k = 0; k < int(files.size()); ++k) {
        if (files[k] == path) {
            slot = k;
            break;
        }
    }
    for (int k = slot; k > 0; --k)
        files[k] = files[k - 1];
    files[0] = path;
}
