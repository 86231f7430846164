#pragma once

#include "documents/opendocuments.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// Keeping a site's links working when one of its files moves: the
// references to the file in the other pages are found and changed to lead
// to the file's new place.
//
// A reference is the value of an HREF, SRC, LOWSRC, BACKGROUND, ACTION,
// LONGDESC or USEMAP attribute in a tag (quoted in double quotes,
// apostrophes or not at all; comments are passed over). Its path, the part
// before any "?" or "#", leads to a file as the evaluation of a page reads
// it: relative to the page's folder, "\" read as "/", and "/" at the start
// meaning the page's own folder. Web addresses ("http:", "mailto:", "//...")
// lead to no file here. Letter case counts, as it does for the file system.

// One reference to a file in a page's text: where its path stands.
struct LinkReference {
    qsizetype offset = 0; // of the path in the text
    qsizetype length = 0;
    int line = 0; // from 1, as the editor counts lines
};

// The references in `text`, a page in `pageFolder`, that lead to the file
// `target` (a clean absolute path).
QVector<LinkReference> findReferences(QStringView text, const QString &pageFolder,
                                      const QString &target);

// A path written in a page (`written`) made to lead to `to` instead: the
// path from the page's folder, in the way the old one was written ("./" or
// "/" in front, "\" as separator, percent-encoded).
QString retargetedPath(const QString &written, const QString &pageFolder, const QString &to);

// The replacements that make the references in `text` to `from` lead to
// `to`.
QVector<TextReplacement> linkReplacements(QStringView text, const QString &pageFolder,
                                          const QString &from, const QString &to);

// `text` with the replacements made (they must not overlap).
QString applyReplacements(const QString &text, const QVector<TextReplacement> &replacements);

// The references to one file in a set of pages, found before asking the user
// and changed once they agreed. A page open in a tab is read from its tab and
// changed there, as one undo step; any other page is changed on disk through
// a temporary file, keeping its encoding and line ends. Files that hold NUL
// characters are not pages and are passed over.
class LinkUpdate {
public:
    // A reference as the question shows it: its line and its tag as it
    // stands before the change.
    struct Place {
        int line = 0; // from 1
        QString tag;
    };
    struct Page {
        QString path;
        bool open = false;
        QVector<Place> places; // in the order of the text
    };

    // The file moved from `from` to `to` (clean absolute paths).
    LinkUpdate(const QString &from, const QString &to);

    // Looks through `pages` (full paths); `open` answers for the open
    // documents (none: every page is read from disk).
    void scan(const QStringList &pages, OpenDocuments *open);

    bool isEmpty() const { return m_pages.isEmpty(); }
    const QVector<Page> &pages() const { return m_pages; }
    int referenceCount() const;

    // The question: the pages and lines that will change, and whether to
    // change them.
    QString question() const;

    // At most this many places are listed in the question, each tag cut to
    // at most kShownTagLength characters.
    static constexpr int kListedPlaces = 30;
    static constexpr int kShownTagLength = 70;

    // Changes the references, in each page as it is now. Returns a line for
    // each page that could not be changed, with the reason.
    QStringList apply(OpenDocuments *open) const;

private:
    bool readPage(const QString &path, OpenDocuments *open, QString &text, bool &isOpen) const;

    QString m_from;
    QString m_to;
    QVector<Page> m_pages;
};
