#include "projects/evaluation/sitecheck.h"

#include "editor/textfile.h"
#include "projects/evaluation/linktarget.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace {

bool isSettingsFile(const QString &path) {
    return QFileInfo(path).fileName().compare(QLatin1String("PROJECT.INI"), Qt::CaseInsensitive) ==
           0;
}

// Files whose named anchors a "file#marker" link may point at.
bool isPageFile(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html") ||
           suffix == QLatin1String("shtml") || suffix == QLatin1String("xhtml");
}

QSet<QString> foldedSet(const QStringList &values) {
    QSet<QString> set;
    set.reserve(values.size());
    for (const QString &value : values)
        set.insert(value.toCaseFolded());
    return set;
}

// A reference split into the file it names and the marker after "#"; a
// query ("?...") asks a server for something and names no file.
struct SplitReference {
    QString file;
    QString marker;
    bool hasMarker = false;
};

SplitReference splitReference(const QString &value) {
    SplitReference split;
    qsizetype end = value.size();
    const qsizetype mark = value.indexOf(QLatin1Char('#'));
    if (mark >= 0) {
        split.hasMarker = true;
        split.marker = value.mid(mark + 1);
        end = mark;
    }
    const qsizetype query = value.indexOf(QLatin1Char('?'));
    if (query >= 0 && query < end)
        end = query;
    split.file = value.left(end);
    return split;
}

bool problemBefore(const SiteProblem &a, const SiteProblem &b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
}

} // namespace

int SiteReport::problemCount() const {
    int count = 0;
    for (const SitePageReport &page : pages) {
        count += int(page.problems.size());
        if (!page.readError.isEmpty())
            ++count;
        if (linksKnown() && page.readError.isEmpty() && !page.linked)
            ++count;
    }
    return count;
}

SiteCheck::SiteCheck(const QString &folder, const QStringList &pages) : m_folder(folder) {
    for (const QString &name : pages) {
        if (name.isEmpty())
            continue;
        const QString path =
            QDir::cleanPath(QDir::isAbsolutePath(name) ? name : referencePath(folder, name));
        if (isSettingsFile(path) || m_pageIndex.contains(path))
            continue;
        Page page;
        page.name = name;
        page.path = path;
        page.folder = QFileInfo(path).absolutePath();
        m_pageIndex.insert(path, int(m_pages.size()));
        m_pages.append(page);
    }
}

QString SiteCheck::nextPageName() const {
    return atEnd() ? QString() : m_pages[m_next].name;
}

void SiteCheck::checkNext() {
    if (atEnd())
        return;
    Page &page = m_pages[m_next++];
    TextFile file;
    QString error;
    if (!readTextFile(page.path, file, &error)) {
        page.readError = error.isEmpty() ? QStringLiteral("the file could not be read") : error;
        return;
    }
    PageEvaluation evaluation = evaluatePage(file.text, page.folder, &m_files);
    page.complete = evaluation.complete;
    page.references = std::move(evaluation.references);
    page.markers = foldedSet(evaluation.pageMarkers);
    page.withoutAlt = imagesWithoutAlt(file.text);
}

const QSet<QString> *SiteCheck::markersOf(const QString &path) {
    const auto own = m_pageIndex.constFind(path);
    if (own != m_pageIndex.constEnd()) {
        const Page &page = m_pages[*own];
        // A project page not checked yet (the check was cancelled), or one
        // that could not be read: its markers are unknown.
        if (*own >= m_next || !page.readError.isEmpty())
            return nullptr;
        return &page.markers;
    }
    const auto known = m_otherMarkers.constFind(path);
    if (known != m_otherMarkers.constEnd())
        return &*known;
    if (m_unreadable.contains(path) || !isPageFile(path) || m_files.fileSize(path) < 0) {
        m_unreadable.insert(path);
        return nullptr;
    }
    TextFile file;
    if (!readTextFile(path, file)) {
        m_unreadable.insert(path);
        return nullptr;
    }
    return &*m_otherMarkers.insert(path, foldedSet(namedAnchors(file.text)));
}

QString SiteCheck::resolve(const Page &page, const QString &filePart) {
    QString path = QDir::cleanPath(referencePath(page.folder, filePart));
    if (m_files.exists(path))
        return path;
    // "my%20page.htm" names the file "my page.htm".
    if (filePart.contains(QLatin1Char('%'))) {
        path = QDir::cleanPath(
            referencePath(page.folder, QUrl::fromPercentEncoding(filePart.toUtf8())));
        if (m_files.exists(path))
            return path;
    }
    return QString();
}

void SiteCheck::checkReferences(const Page &page, SitePageReport &out, QVector<bool> &linked) {
    const int self = m_pageIndex.value(page.path, -1);
    auto problem = [&out](SiteProblem::Kind kind, const PageReference &ref) {
        out.problems.append({kind, ref.line, ref.column, ref.value});
    };
    for (const PageReference &ref : page.references) {
        if (ref.value.isEmpty() || ref.kind == PageReference::Kind::Marker ||
            isExternalReference(ref.value))
            continue;
        const bool isImage = ref.kind != PageReference::Kind::Link;
        const SplitReference split = splitReference(ref.value);
        if (split.file.isEmpty()) {
            // "#part" (or "?query") within the page itself.
            if (!isImage && split.hasMarker && !split.marker.isEmpty() &&
                !page.markers.contains(split.marker.toCaseFolded()))
                problem(SiteProblem::Kind::MissingMarker, ref);
            continue;
        }
        const QString target = resolve(page, split.file);
        if (target.isEmpty() || (isImage && m_files.fileSize(target) < 0)) {
            problem(isImage ? SiteProblem::Kind::MissingImage : SiteProblem::Kind::MissingFile,
                    ref);
            continue;
        }
        const int index = m_pageIndex.value(target, -1);
        if (index >= 0 && index != self)
            linked[index] = true;
        if (!isImage && split.hasMarker && !split.marker.isEmpty()) {
            const QSet<QString> *markers = markersOf(target);
            if (markers && !markers->contains(split.marker.toCaseFolded()))
                problem(SiteProblem::Kind::MissingMarker, ref);
        }
    }
    for (const ImageWithoutAlt &image : page.withoutAlt)
        out.problems.append({SiteProblem::Kind::NoAltText, image.line, image.column, image.source});
    std::stable_sort(out.problems.begin(), out.problems.end(), problemBefore);
}

SiteReport SiteCheck::report(bool cancelled) {
    SiteReport report;
    report.folder = m_folder;
    report.pageCount = pageCount();
    report.checkedCount = m_next;
    report.cancelled = cancelled && !atEnd();
    QVector<bool> linked(m_pages.size(), false);
    for (int i = 0; i < m_next; ++i) {
        const Page &page = m_pages[i];
        SitePageReport out;
        out.name = page.name;
        out.path = page.path;
        out.readError = page.readError;
        out.complete = page.complete;
        if (page.readError.isEmpty())
            checkReferences(page, out, linked);
        report.pages.append(out);
    }
    for (int i = 0; i < report.pages.size(); ++i)
        report.pages[i].linked = linked[i];
    return report;
}

SiteReport checkSite(const QString &folder, const QStringList &pages,
                     const std::function<bool(int, int)> &progress) {
    SiteCheck check(folder, pages);
    while (!check.atEnd()) {
        if (progress && !progress(check.checkedCount(), check.pageCount()))
            return check.report(true);
        check.checkNext();
    }
    return check.report();
}
