#include "tags/cursorlocation.h"
#include "editor/tledit.h"

CursorLocation getCursorLocation(TLEdit &editor) {
    CursorLocation c;
    c.firstVisibleLine = editor.firstVisibleLine();
    c.firstVisiblePos = editor.firstVisiblePos() & 0xFFFF;
    editor.readSelection();
    c.startLine = editor.startLine;
    c.startPos = editor.startPos;
    c.endLine = editor.endLine;
    c.endPos = editor.endPos;
    return c;
}

void setCursorLocation(TLEdit &editor, const CursorLocation &c) {
    editor.setFirstVisibleLine(c.firstVisibleLine);
    editor.setFirstVisiblePos(c.firstVisiblePos);
    editor.startLine = c.startLine;
    editor.startPos = c.startPos;
    editor.endLine = c.endLine;
    editor.endPos = c.endPos;
    editor.applySelection();
    // Applying the selection may scroll the caret into view; the saved view wins.
    editor.setFirstVisibleLine(c.firstVisibleLine);
    editor.setFirstVisiblePos(c.firstVisiblePos);
}
