#pragma once

#include <QString>
#include <QUrl>

// Where a link of a page is handed when the user double-clicks it in the
// page's details: a value holding "mailto:" goes to the desktop's e-mail
// program, any other to its web browser. A link to a file (no scheme) is
// taken relative to the page's folder; a link to a marker of the page itself
// ("#top") opens the page there.
struct LinkTarget {
    QUrl url;
    bool mail = false;
};

LinkTarget linkTarget(const QString &value, const QString &pagePath);

// What the user is told when the desktop could not take the link.
QString linkFailureText(bool mail);

// Whether a reference names a place elsewhere rather than a file beside the
// page: it has a scheme ("http:", "mailto:", "data:", ...) or starts with
// "//".
bool isExternalReference(const QString &value);
