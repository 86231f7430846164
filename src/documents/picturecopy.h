#pragma once

#include <QString>

class UserInteraction;

// Copies a picture into a page's folder (`pageDir`, with or without a
// trailing "/"), unless a file of that name is already there, which then
// stays as it is. Returns true when a file of the picture's name is beside
// the page afterwards; a failed copy is told as a Warning, "Cannot copy
// <picture> to <folder>".
bool copyPictureBesidePage(const QString &picture, const QString &pageDir, UserInteraction &ui);
