#pragma once

#include <QString>
#include <QStringList>

// The tag-menu files "blkhlght.mnu", "textattr.mnu" and "usercode.mnu": one
// menu entry per line, the line being the entry's caption and its definition
// at once ("STRONG - strong emphasis", "<UL><LI>..</UL> - bulleted list").

constexpr int kTagMenus = 3;

// The file of sub-menu `index` (0: Block Tags, 1: Text Attributes,
// 2: Additional Tags).
QString tagMenuFileName(int index);

struct TagMenuEntries {
    bool ok = true; // false: the file exists but could not be read
    QStringList entries;
    QString error;
};

// The entries of a tag-menu file in menu order. A missing file gives none. A
// file that is too large or holds a damaged line (binary bytes, a line far
// too long) cannot be read.
TagMenuEntries readTagMenu(const QString &path);

// Lines in menu order: sorted alphabetically without regard to case; a line
// equal, without regard to case, to one read before is dropped, and so are
// blank lines.
QStringList menuEntries(const QStringList &lines);
