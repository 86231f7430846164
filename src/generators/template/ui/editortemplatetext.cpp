#include "generators/template/ui/editortemplatetext.h"

#include "editor/tledit.h"

EditorTemplateText::EditorTemplateText(TLEdit *editor) : m_editor(editor) {}

int EditorTemplateText::lineCount() const {
    return m_editor ? m_editor->lineCount() : 0;
}

QString EditorTemplateText::line(int n) const {
    return n >= 1 && n <= lineCount() ? m_editor->getLineText(n) : QString();
}

void EditorTemplateText::replaceLine(int n, const QString &text) {
    if (!m_editor || n < 1)
        return;
    while (m_editor->lineCount() < n)
        m_editor->appendText(QStringLiteral("\r\n"));
    m_editor->startLine = n;
    m_editor->startPos = 0;
    m_editor->endLine = n;
    m_editor->endPos = m_editor->lineLength(n);
    m_editor->applySelection();
    m_editor->replaceSel(text);
}
