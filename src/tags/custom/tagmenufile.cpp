#include "tags/custom/tagmenufile.h"
#include "tags/custom/datafile.h"

#include <algorithm>

QString tagMenuFileName(int index) {
    static const char *const names[kTagMenus] = {"blkhlght.mnu", "textattr.mnu", "usercode.mnu"};
    if (index < 0 || index >= kTagMenus)
        return QString();
    return QLatin1String(names[index]);
}

TagMenuEntries readTagMenu(const QString &path) {
    TagMenuEntries result;
    const DataFile::Lines read = DataFile::read(path);
    if (!read.ok()) {
        result.ok = false;
        result.error = read.error;
        return result;
    }
    for (int i = 0; i < read.lines.size(); ++i) {
        if (DataFile::isDamagedLine(read.lines.at(i))) {
            result.ok = false;
            result.error = QStringLiteral("Line %1 of %2 is damaged.").arg(i + 1).arg(path);
            return result;
        }
    }
    result.entries = menuEntries(read.lines);
    return result;
}

QStringList menuEntries(const QStringList &lines) {
    QStringList sorted;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            sorted << line;
    }
    // A stable sort keeps the first of several equal lines first, and that
    // one is kept.
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    auto same = [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    };
    sorted.erase(std::unique(sorted.begin(), sorted.end(), same), sorted.end());
    return sorted;
}
