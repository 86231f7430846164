#pragma once

#include <QString>
#include <QUrl>

// Helpers for showing a document whose text is handed over in memory but
// whose relative links and images live in a folder on disk.
namespace HtmlBase {

// Whether the document names its own base address (a BASE tag with HREF).
bool hasBaseHref(const QString &html);

// The document with a BASE tag pointing at `baseUrl`, placed after a leading
// DOCTYPE (so the document keeps its rendering mode) or at the very start.
// A document that names its own base address is returned unchanged.
QString withBaseHref(const QString &html, const QUrl &baseUrl);

// Where withBaseHref puts its BASE tag, and the tag, so that a caller can
// write the document out without a copy of it; `at` is -1 when the document
// names its own base address.
struct Insertion {
    qsizetype at = -1;
    QString tag;
};
Insertion baseInsertion(const QString &html, const QUrl &baseUrl);

} // namespace HtmlBase
