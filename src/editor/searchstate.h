#pragma once

#include "editor/tledit.h"

// Searches the program makes on the user's behalf (the lamps, the frame set
// check, tag pairs) must not cost the user the "Find Next" text, nor, where
// asked, the cached selection they move. This keeps both for a scope and
// puts them back when it ends.
class SearchStateKeeper {
public:
    enum Keep { SearchTextOnly, SearchTextAndCachedSelection };

    explicit SearchStateKeeper(TLEdit &editor, Keep keep = SearchTextOnly)
        : m_editor(editor), m_keep(keep), m_text(editor.searchTextValue()),
          m_startLine(editor.startLine), m_startPos(editor.startPos), m_endLine(editor.endLine),
          m_endPos(editor.endPos) {}
    ~SearchStateKeeper() {
        m_editor.setSearchText(m_text);
        if (m_keep == SearchTextAndCachedSelection) {
            m_editor.startLine = m_startLine;
            m_editor.startPos = m_startPos;
            m_editor.endLine = m_endLine;
            m_editor.endPos = m_endPos;
        }
    }
    SearchStateKeeper(const SearchStateKeeper &) = delete;
    SearchStateKeeper &operator=(const SearchStateKeeper &) = delete;

private:
    TLEdit &m_editor;
    Keep m_keep;
    QString m_text;
    int m_startLine, m_startPos, m_endLine, m_endPos;
};
