#include "projects/pageops/orphansearch.h"

#include "app/regularfile.h"
#include "editor/textfile.h"
#include "projects/evaluation/pageevaluation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace {

void sortNoCase(QStringList &list) {
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

bool containsNoCase(const QStringList &list, const QString &name) {
    return list.contains(name, Qt::CaseInsensitive);
}

// A reference as a name of the folder: "\" read as "/", no "./" in front, no
// "?" or "#" part.
QString referencedName(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (QChar mark : {QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = value.indexOf(mark);
        if (at >= 0)
            value.truncate(at);
    }
    while (value.startsWith(QLatin1String("./")))
        value.remove(0, 2);
    return value;
}

bool extensionListed(const QString &extension, const QString &setting) {
    const QStringList listed = setting.toLower().split(QLatin1Char(','));
    for (const QString &item : listed) {
        if (item.trimmed() == extension)
            return true;
    }
    return false;
}

} // namespace

OrphanSearch::OrphanSearch(const QString &projectDir, const QStringList &filesInUse)
    : m_dir(projectDir), m_inUse(filesInUse) {
    sortNoCase(m_inUse);
}

QStringList OrphanSearch::folderFiles(const QString &projectDir) {
    QStringList files = QDir(projectDir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    sortNoCase(files);
    return files;
}

bool OrphanSearch::listed(const QString &name) const {
    return containsNoCase(m_inUse, name) || containsNoCase(m_supporting, name);
}

void OrphanSearch::searchFile(int index) {
    if (index < 0 || index >= count())
        return;
    TextFile page;
    if (!readTextFile(m_dir + QLatin1Char('/') + m_inUse.at(index), page))
        return;
    const PageEvaluation evaluation = evaluatePage(page.text, m_dir);
    for (const QStringList *found : {&evaluation.filesFound, &evaluation.locatedLinks}) {
        for (const QString &value : *found) {
            const QString name = referencedName(value);
            if (!name.isEmpty() && !listed(name))
                m_supporting << name;
        }
    }
}

QStringList OrphanSearch::supportingFiles() const {
    QStringList sorted = m_supporting;
    sortNoCase(sorted);
    return sorted;
}

QStringList OrphanSearch::orphans(const QStringList &files) const {
    QStringList left;
    for (const QString &file : files) {
        if (!listed(file))
            left << file;
    }
    return left;
}

QString OrphanSearch::statusText(int searched, int total) {
    return QStringLiteral("%1 of %2").arg(searched).arg(total);
}

QString OrphanSearch::comparingText() {
    return QStringLiteral("Comparing...");
}

QString OrphanSearch::completeText() {
    return QStringLiteral("Complete");
}

FileShowing fileShowing(const QString &fileName, const QString &documentExtensions,
                        const QString &graphicExtensions) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension.isEmpty())
        return FileShowing::PlainText;
    if (extensionListed(extension, graphicExtensions))
        return FileShowing::Picture;
    if (extensionListed(extension, documentExtensions))
        return FileShowing::Page;
    return FileShowing::PlainText;
}

QString plainTextPage(const QString &path) {
    QFile file;
    if (!RegularFile::open(file, path).ok())
        return QString();
    const QByteArray bytes = file.read(kPlainTextBytes);
    return QStringLiteral("<HTML><BODY><PRE>") + decodeText(bytes).text.toHtmlEscaped() +
           QStringLiteral("</PRE></BODY></HTML>");
}

QString picturePage(const QString &name) {
    return QStringLiteral("<HTML><BODY><IMG SRC=\"") +
           QString::fromLatin1(QUrl::toPercentEncoding(name, "/")) +
           QStringLiteral("\"></BODY></HTML>");
}
