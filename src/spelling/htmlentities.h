#pragma once

#include <QString>
#include <QStringView>

// Character references of HTML text ("&eacute;", "&#233;", "&#xE9;"), as the
// spell checker reads them: the character a reader sees in their place.
namespace htmlentity {

struct Decoded {
    char32_t character = 0;
    int length = 0; // characters of the reference, 0 when there is none
};

// Decodes the reference that starts at `at` (which holds "&"). Named
// references need their ";" and are told apart by letter case; numeric ones
// from 128 to 159 are read as Windows-1252 codes, as browsers do. Returns
// length 0 when no known reference starts there.
Decoded decodeAt(QStringView text, qsizetype at);

// The named reference of a character ("&eacute;" for U+00E9), or an empty
// string when it has none.
QString namedReference(char32_t character);

} // namespace htmlentity
