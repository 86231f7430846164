#pragma once

#include "preview/pagesegments.h"

#include <QColor>
#include <QString>

// The script the viewer puts into every document it shows (in a world of its
// own, apart from the page's scripts). It reports link hovers and clicks, form
// submissions and the moment the document is laid out as console messages
// that start with `token`, keeps links and forms from navigating by
// themselves, and gives the document its default text colour.
namespace PageScript {

QString source(const QString &token, const QColor &textColor);

// Sets the default text colour of the document on show.
QString setTextColor(const QColor &textColor);

// Marks the next document with the number of the request that loads it and
// where it is to be scrolled once laid out (-1: nowhere).
QString loadMark(int serial, int scrollTarget);

// Applies a scroll target the document did not reach when it was laid out
// (images arrived since) and answers as state() does.
QString finishLoad(int target);

// Answers [title, scroll position, greatest scroll position, request number
// of the document (0: none)].
QString state();

// Applies `patch` to the body of the document when it is the one request
// `serial` showed and its body is as the patch expects; answers as state()
// does, or null when it changed nothing.
QString patchBody(const PageSegments::Patch &patch, int serial);

QString scrollTo(int y);
QString scrollToAnchor(const QString &name);

} // namespace PageScript
