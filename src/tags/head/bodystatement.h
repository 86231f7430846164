#pragma once

#include "tags/bodymemory.h"

#include <QString>

// Reading a page's body statement into the body memory and writing the
// statement the Body Settings dialog makes from it.
namespace BodyStatement {

// Reads a "<BODY ...>" statement into `memory` (`SetBodyVars`). The margins
// become -1 and the background empty first; then each of BACKGROUND, TEXT,
// LINK, VLINK, ALINK, BGCOLOR, RIGHTMARGIN, LEFTMARGIN, TOPMARGIN and
// BOTTOMMARGIN that the statement names (any letter case, as a whole
// attribute name, so that LINK= is not taken from VLINK=) is read, quoted or
// bare. The fixed flag follows BGPROPERTIES=. A colour that is not
// hexadecimal ends the reading: false, with the value in `badValue`; what was
// read before it stays read.
bool setBodyVars(const QString &statement, BodyMemory &memory, QString *badValue = nullptr);

// The value of attribute `name` ("TEXT=" and the like, in upper case) in the
// statement: its first occurrence as a whole attribute name, from the "=" on,
// one double quote skipped, up to the next blank, double quote or ">". A lone
// quote counts as empty. `found` tells whether the name occurs at all.
QString attributeValue(const QString &statement, const QString &name, bool *found = nullptr);

// The statement the Body Settings dialog writes: "<BODY ", the background's
// file name (without its folder) when there is one, the five colours in the
// order TEXT, LINK, ALINK, VLINK, BGCOLOR, the margins of 0 or more, the
// fixed background, ">". Every attribute is followed by a blank.
QString statementText(const BodyMemory &body);

} // namespace BodyStatement
