#include "publish/send/sendplan.h"

#include "editor/textfile.h"
#include "projects/evaluation/filelookup.h"
#include "projects/evaluation/linktarget.h"
#include "projects/evaluation/pageevaluation.h"
#include "projects/projecttree.h"
#include "publish/send/sentrecord.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
bool lessByName(const SendItem &a, const SendItem &b) {
    const int c = a.name.compare(b.name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.name < b.name;
}

bool containsName(const QVector<SendItem> &items, const QString &name) {
    return std::any_of(items.begin(), items.end(),
                       [&name](const SendItem &item) { return item.name == name; });
}

qint64 selectedTotal(const QVector<SendItem> &items) {
    qint64 total = 0;
    for (const SendItem &item : items) {
        if (item.selected)
            total += item.size;
    }
    return total;
}
} // namespace

SendPlan::SendPlan(const QString &projectDir, const QStringList &pageNames)
    : m_projectDir(QDir::cleanPath(QDir(projectDir).absolutePath())) {
    m_canonicalDir = QFileInfo(m_projectDir).canonicalFilePath();
    if (m_canonicalDir.isEmpty())
        m_canonicalDir = m_projectDir;
    for (const QString &pageName : pageNames) {
        if (pageName.compare(settingsFileName(), Qt::CaseInsensitive) == 0)
            continue;
        const QString name = projectRelativeName(QString(), pageName);
        if (name.isEmpty() || !staysInside(name)) {
            refuse(QString(), pageName);
            continue;
        }
        if (containsName(m_pages, name))
            continue;
        SendItem item;
        item.name = name;
        item.path = m_projectDir + QLatin1Char('/') + name;
        const QFileInfo info(item.path);
        item.size = info.isFile() ? info.size() : 0;
        m_pages.append(item);
    }
    sortItems(m_pages);
}

void SendPlan::sortItems(QVector<SendItem> &items) {
    std::stable_sort(items.begin(), items.end(), lessByName);
}

qint64 SendPlan::pageTotal() const {
    return selectedTotal(m_pages);
}

qint64 SendPlan::referenceTotal() const {
    return selectedTotal(m_references);
}

QString SendPlan::projectRelativeName(const QString &pageName, const QString &value) {
    QString tail = value;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // "/images/a.gif" is read below the project folder, as the page details
    // read it.
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    QString folder = pageName;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
    folder = slash < 0 ? QString() : folder.left(slash);
    const QString joined = folder.isEmpty() ? tail : folder + QLatin1Char('/') + tail;
    if (joined.isEmpty())
        return QString();
    const QString clean = QDir::cleanPath(joined);
    if (clean.isEmpty() || clean == QLatin1String(".") || clean == QLatin1String("..") ||
        clean.startsWith(QLatin1String("../")) || clean.startsWith(QLatin1Char('/')))
        return QString();
    return clean;
}

bool SendPlan::staysInside(const QString &relativeName) const {
    // The nearest part of the path that is there, with its links followed.
    QString path = m_projectDir + QLatin1Char('/') + relativeName;
    QString canonical;
    for (;;) {
        const QFileInfo info(path);
        if (info.exists()) {
            canonical = info.canonicalFilePath();
            break;
        }
        if (info.isSymLink()) // a link that leads nowhere: no telling where
            return false;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash <= m_projectDir.size())
            return true; // nothing of it is there yet but the project folder
        path.truncate(slash);
    }
    if (canonical.isEmpty())
        return false;
    const QString inside = m_canonicalDir.endsWith(QLatin1Char('/'))
                               ? m_canonicalDir
                               : m_canonicalDir + QLatin1Char('/');
    return canonical.startsWith(inside);
}

void SendPlan::refuse(const QString &pageName, const QString &value) {
    const QString line =
        pageName.isEmpty()
            ? QStringLiteral("Refused page %1: it lies outside the project folder").arg(value)
            : QStringLiteral("Refused %1 (in %2): it lies outside the project folder")
                  .arg(value, pageName);
    if (!m_refused.contains(line))
        m_refused << line;
}

QStringList SendPlan::collectReferences() {
    const int refusedBefore = int(m_refused.size());
    QStringList notes;
    QStringList selectedPages;
    for (const SendItem &page : std::as_const(m_pages)) {
        if (page.selected)
            selectedPages << page.name;
    }
    FileLookup files;
    for (const SendItem &page : std::as_const(m_pages)) {
        if (!page.selected)
            continue;
        TextFile file;
        QString error;
        if (!readTextFile(page.path, file, &error)) {
            notes << QStringLiteral("Could not look into %1: %2").arg(page.name, error);
            continue;
        }
        const PageEvaluation evaluation =
            evaluatePage(file.text, QFileInfo(page.path).absolutePath(), &files);
        for (const QString &value : evaluation.filesFound)
            addReference(page.name, value, files, selectedPages);
        for (const QString &link : evaluation.locatedLinks) {
            // "page.htm#part" sends page.htm.
            const qsizetype mark = link.indexOf(QLatin1Char('#'));
            const QString value = mark < 0 ? link : link.left(mark);
            if (!value.isEmpty())
                addReference(page.name, value, files, selectedPages);
        }
    }
    sortItems(m_references);
    m_collected = true;
    if (m_onlyChanged && m_record) {
        for (SendItem &item : m_references)
            markUnchanged(item, *m_record, m_site);
    }
    return m_refused.mid(refusedBefore) + notes;
}

void SendPlan::addReference(const QString &pageName, const QString &value, FileLookup &files,
                            const QStringList &selectedPages) {
    if (isExternalReference(value))
        return;
    const QString name = projectRelativeName(pageName, value);
    if (name.isEmpty()) {
        refuse(pageName, value);
        return;
    }
    // A page that is being sent anyway is no reference.
    if (selectedPages.contains(name) || containsName(m_references, name))
        return;
    if (!staysInside(name)) {
        refuse(pageName, value);
        return;
    }
    SendItem item;
    item.name = name;
    item.path = m_projectDir + QLatin1Char('/') + name;
    item.size = files.fileSize(item.path);
    if (item.size < 0)
        return;
    m_references.append(item);
}

void SendPlan::markUnchanged(SendItem &item, const SentRecord &record, const QString &site) const {
    if (record.isUnchanged(site, item.name, item.path)) {
        item.unchanged = true;
        item.selected = false;
    }
}

void SendPlan::setOnlyChanged(bool on, const SentRecord &record, const QString &site) {
    m_onlyChanged = on;
    m_record = &record;
    m_site = site;
    for (QVector<SendItem> *items : {&m_pages, &m_references}) {
        for (SendItem &item : *items) {
            if (on) {
                markUnchanged(item, record, site);
            } else if (item.unchanged) {
                item.unchanged = false;
                item.selected = true;
            }
        }
    }
}
