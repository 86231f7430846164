#pragma once

class TLEdit;

// Where the user is in the editor: the selection and the scroll position.
// Operations that search or rewrite the text save it first and restore it
// afterwards, so that the user's view does not move.
struct CursorLocation {
    int startLine = 1;
    int startPos = 0;
    int endLine = 1;
    int endPos = 0;
    int firstVisibleLine = 1;
    int firstVisiblePos = 0;
};

// Reads the scroll position first, then the selection.
CursorLocation getCursorLocation(TLEdit &editor);
// Sets the scroll position first, then the selection.
void setCursorLocation(TLEdit &editor, const CursorLocation &location);
