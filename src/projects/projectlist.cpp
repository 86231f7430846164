#include "projects/projectlist.h"
#include "app/regularfile.h"

#include <QRegularExpression>
#include <QSaveFile>

ProjectList defaultProjectList() {
    return {{1, QStringLiteral("Welcome - Welcome")},
            {2, QStringLiteral("International Vendors - internat.htm")},
            {2, QStringLiteral("Readme File - readme.htm")},
            {2, QStringLiteral("Safesurf Ratings Explanation - ssplan.htm")},
            {2, QStringLiteral("Update notices - updates.htm")}};
}

namespace {
// Far more than any list of projects; a larger file is not one.
constexpr qint64 kMaxListBytes = qint64(16) * 1024 * 1024;
} // namespace

bool readProjectList(const QString &path, ProjectList &out) {
    QByteArray bytes;
    if (!RegularFile::readAll(path, bytes, kMaxListBytes).ok())
        return false;
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(bytes);
    out.clear();
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (line.trimmed().isEmpty())
            continue;
        int tabs = 0;
        while (tabs < line.size() && line.at(tabs) == QLatin1Char('\t'))
            ++tabs;
        // A page cannot come before any project; deeper levels count as pages.
        int level = qMin(tabs + 1, 2);
        if (level == 2 && out.isEmpty())
            level = 1;
        out.append({level, line.mid(tabs)});
    }
    return true;
}

bool writeProjectList(const QString &path, const ProjectList &entries) {
    if (!RegularFile::replaceable(path).ok())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const ProjectEntry &e : entries)
        bytes += QByteArray(e.level - 1, '\t') + e.text.toUtf8() + "\r\n";
    file.write(bytes);
    return file.commit();
}
