#pragma once

#include <QString>

// Small decisions of the preview pane, kept apart from the widgets.
namespace PreviewRules {

// The text whose presence makes a document a frame set, shown in the frame
// preview instead of the split preview.
QString frameSetMarker();

// The file the frame preview and the external browsers are given, written
// into the document's folder.
QString viewFileName();

// Whether a clicked link points at a picture: the extension of its file name
// (what follows the name's first ".") occurs, in lower case, in the
// comma-separated `graphicExtensions`. A name without an extension is no
// picture.
bool isPictureLink(const QString &target, const QString &graphicExtensions);

// The file name part of a link ("images/pic.gif" gives "pic.gif"); "\" counts
// as a separator too.
QString linkFileName(const QString &target);

// The argument an external browser is started with: the full path of the
// file, preceded by "FILE://" when `prefix` is set.
QString browserArgument(const QString &path, bool prefix);

// A history entry as a menu caption: "&" doubled so that it shows as written.
QString historyCaption(const QString &target);

// What "Search Source" looks for in the editor: the text selected in the
// preview without the line ends it may end in (a selection that runs to the
// end of a paragraph carries one, and the source has mark-up there instead).
QString sourceSearchText(const QString &selection);

} // namespace PreviewRules
