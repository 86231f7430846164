#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One change of a text: `length` characters from `offset` (positions as
// QString counts them) give way to `text`.
struct TextReplacement {
    qsizetype offset = 0;
    qsizetype length = 0;
    QString text;
    bool operator==(const TextReplacement &o) const {
        return offset == o.offset && length == o.length && text == o.text;
    }
};

// The documents open in tabs, as seen by an area that changes pages on
// disk: a page that is open is changed in its tab, never behind its back.
// The documents area (DocumentController) implements it.
class OpenDocuments {
public:
    virtual ~OpenDocuments() = default;

    // The full paths of the open documents, in tab order.
    virtual QStringList openPaths() const = 0;
    // The text of the open document with exactly this path, as its tab
    // holds it (saved or not). False when no such document is open.
    virtual bool openText(const QString &path, QString &text) = 0;
    // Makes the replacements in that document's text as one undo step. They
    // refer to the text openText gives and must not overlap. The document
    // becomes modified; its caret, bookmarks and scroll position stay on the
    // text they were at. False (nothing changed) when no such document is
    // open or a replacement lies outside its text.
    virtual bool replaceInOpenDocument(const QString &path,
                                       const QVector<TextReplacement> &replacements) = 0;
};
