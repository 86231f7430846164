#pragma once

#include "projects/evaluation/filelookup.h"
#include "projects/evaluation/imagealt.h"
#include "projects/evaluation/pageevaluation.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// A fault found in one page of a project.
struct SiteProblem {
    enum class Kind {
        MissingImage,  // an image or background whose file is not there
        MissingFile,   // a link to a file that is not there
        MissingMarker, // a link to a marker that the page it names does not define
        NoAltText,     // an image without ALT text
    };
    Kind kind = Kind::MissingImage;
    int line = 0;
    int column = 0;
    QString value; // the reference as written; the image's source for NoAltText
};

struct SitePageReport {
    QString name;                  // as given
    QString path;                  // the full path
    QString readError;             // why the page could not be read; empty when it was
    bool complete = true;          // false when the page held more references than are taken
    bool linked = false;           // whether another page links to it or shows it
    QVector<SiteProblem> problems; // in the order of the page's lines
};

struct SiteReport {
    QString folder;
    int pageCount = 0;    // pages to check
    int checkedCount = 0; // pages checked
    bool cancelled = false;
    QVector<SitePageReport> pages; // the pages checked, in the order given
    // Whether the pages that nobody links to are known: only when every page
    // has been checked.
    bool linksKnown() const { return !cancelled && checkedCount == pageCount; }
    int problemCount() const;
};

// Checks the references of every page of a project, one page per step, so
// that a caller can show progress and stop between pages. Pages are read
// from disk (UTF-8 when the bytes are valid UTF-8, else Windows-1252) and
// evaluated as the page details do; then the links between the pages are
// followed: to files, to markers of the page itself ("#part") and of other
// pages ("page.htm#part"). Nothing is written.
class SiteCheck {
public:
    // `pages`: the project's page files, each a full path or a name in
    // `folder`. The project's settings file is no page and is left out.
    SiteCheck(const QString &folder, const QStringList &pages);

    int pageCount() const { return int(m_pages.size()); }
    int checkedCount() const { return m_next; }
    bool atEnd() const { return m_next >= m_pages.size(); }
    QString nextPageName() const; // empty at the end
    void checkNext();

    // The report on the pages checked so far. `cancelled`: the caller stopped
    // before the end.
    SiteReport report(bool cancelled = false);

private:
    struct Page {
        QString name;
        QString path;
        QString folder;
        QString readError;
        bool complete = true;
        QVector<PageReference> references;
        QSet<QString> markers; // case-folded
        QVector<ImageWithoutAlt> withoutAlt;
    };
    // The markers of another page or HTML file, read once; null when the file
    // is no page to look into.
    const QSet<QString> *markersOf(const QString &path);
    void checkReferences(const Page &page, SitePageReport &out, QVector<bool> &linked);
    // The existing file or folder a reference leads to, or empty.
    QString resolve(const Page &page, const QString &filePart);

    QString m_folder;
    QVector<Page> m_pages;
    QHash<QString, int> m_pageIndex; // clean full path -> page
    QHash<QString, QSet<QString>> m_otherMarkers;
    QSet<QString> m_unreadable;
    FileLookup m_files;
    int m_next = 0;
};

// Checks every page at once. `progress` is called before each page with the
// number of pages done and the total; returning false stops the check (the
// report says it was cancelled).
SiteReport checkSite(const QString &folder, const QStringList &pages,
                     const std::function<bool(int done, int total)> &progress = {});
