#pragma once

#include <QString>

// Copying a picture or an applet's class file into the page's folder, where
// the inserted tag refers to it by its bare name.

// The file a path names: "\" is read as a separator too, and a relative path
// is taken from `folder`.
QString resolvedPath(const QString &path, const QString &folder);

// Copies `source` into `folder` under its own name, replacing a file of that
// name there: the new copy is written beside it first and renamed over it,
// so a failed copy leaves that file as it was. Returns false with the
// system's reason in `error`.
bool copyIntoFolder(const QString &source, const QString &folder, QString *error);
