#pragma once

#include <Qsci/qsciscintillabase.h>

#include <cstdint>

// Typed wrappers around QsciScintillaBase::SendScintilla, whose many
// overloads make calls with plain integer arguments ambiguous.
namespace sci {

inline long call(const QsciScintillaBase *editor, unsigned int message, unsigned long wParam = 0,
                 long lParam = 0) {
    return editor->SendScintilla(message, wParam, lParam);
}

// A message whose second argument is a byte buffer (with an explicit length in
// wParam where the message takes one, so NUL bytes pass unharmed).
inline long callBytes(const QsciScintillaBase *editor, unsigned int message, unsigned long wParam,
                      const char *bytes) {
    return editor->SendScintilla(message, static_cast<uintptr_t>(wParam), bytes);
}

// Copies the bytes from..to (document positions) into buffer, which must hold
// to - from + 1 bytes.
inline void textRange(const QsciScintillaBase *editor, long from, long to, char *buffer) {
    editor->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, from, to, buffer);
}

} // namespace sci
