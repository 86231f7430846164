#pragma once

#include <QString>

// Keeps the FTP password of a project out of plain sight in its settings
// file. This is a keyed, reversible scrambling, not protection against
// someone who has this program: the text becomes upper-case hexadecimal
// digits (safe in an INI value), led by a check byte. An empty text stays
// empty.
QString encodeStr(const QString &text);

// The text encodeStr was given. A value that encodeStr did not make (a
// password typed into the file by hand) comes back as it is.
QString decodeStr(const QString &text);
