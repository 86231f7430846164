#pragma once

#include "documents/pagelist.h"

#include <QString>
#include <QStringList>

// The files the program keeps beside an open document: its parking file, and
// the temporary files that a save of the document, or of its parking file,
// writes before renaming them into place. Such a name can be the name of
// another document the user has open (a page called "c.htm_" beside
// "c.htm"). These rules keep the program's own files from ever writing over or
// deleting an open document, and keep the user from opening one of them as a
// document of its own unawares.
namespace CompanionFiles {

// The parking file, the save's temporary file and the parking file's save
// temporary file of `document`.
QStringList of(const QString &document);

// The index in `open` of the document that `path` is a companion file of;
// -1 when none.
int ownerOf(const QString &path, const PageList &open);

// Whether the program may delete its own file `file` (a parking file, a
// preview file): not when it is an open document.
bool mayDelete(const QString &file, const PageList &open);

// Whether the program may write its own file `file` (a parking file, a
// preview file): not when the file, or the temporary file its save writes
// first, is an open document.
bool mayWrite(const QString &file, const PageList &open);

// Whether the open document `document` may be saved: not when the temporary
// file the save writes first is another open document (the save would
// replace it).
bool maySave(const QString &document, const PageList &open);

// The question to ask (a Warning with Yes and No) before `path` is opened as
// a document when it is a companion file of an open document; empty when it
// is none. Yes opens it; from then on the owner's copies are not written to
// it (mayWrite), so the owner's text stays in memory.
QString ownedFileQuestion(const QString &path, const PageList &open);

// The message when a save is refused because its temporary file is an open
// document (an Error with OK).
QString saveBlockedText(const QString &document);

} // namespace CompanionFiles
