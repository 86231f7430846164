#pragma once

#include <QString>

// The filter of the open dialogs and of the File List's filter box:
// "Web Documents|" with "*.<ext>;" for each entry of the document extensions
// (or "*.htm;*.html" when there are none), "|HTMLFiles|*.html|Graphics|" with
// the same for the graphic extensions (or "*.gif;*.jpg"), then
// "|Executable|*.exe|FrameSettings|*.set|JavaClass|*.class".
QString buildOpenFilter(const QString &extension, const QString &graphicExtension);

// The 1-based index of the Graphics entry in that filter.
constexpr int kGraphicsFilterIndex = 3;
