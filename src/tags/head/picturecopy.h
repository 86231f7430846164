#pragma once

#include <QString>

// Copies a picture a page refers to into the page's folder, under its own
// name. A file of that name already there is never overwritten. The copy
// goes through a temporary file, so a failed copy leaves nothing behind.
namespace PictureCopy {

enum class Outcome {
    Copied,
    AlreadyThere, // a file of that name is in the folder (or it is the source itself)
    Failed,
};

// `source` may be relative to `folder` (a name taken from the page).
Outcome copyInto(const QString &source, const QString &folder, QString *error = nullptr);

// "Cannot copy <source> to <folder>".
QString failureText(const QString &source, const QString &folder);

} // namespace PictureCopy
