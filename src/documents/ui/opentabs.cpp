// The open documents as other areas may read and change them: a page open in
// a tab is changed in that tab, as one undo step, whether or not it is the
// one on screen.

#include "app/scopeguards.h"
#include "documents/ui/documentcontroller.h"
#include "editor/tledit.h"

#include <QToolButton>
#include <algorithm>

namespace {

// Where each line of a text starts; lines end at CR LF, LF or CR, as the
// editor splits them.
QVector<qsizetype> lineStarts(const QString &text) {
    QVector<qsizetype> starts{0};
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        starts.append(i + 1);
    }
    return starts;
}

// The editor's line (from 1) and column of a position in the text.
void lineColumnOf(const QVector<qsizetype> &starts, qsizetype offset, int &line, int &column) {
    const auto it = std::upper_bound(starts.begin(), starts.end(), offset);
    const int index = int(it - starts.begin()) - 1;
    line = index + 1;
    column = int(offset - starts.at(index));
}

// A position in the text after the replacements; one inside a replaced
// stretch goes to its start.
qsizetype shifted(qsizetype offset, const QVector<TextReplacement> &replacements) {
    qsizetype moved = offset;
    for (const TextReplacement &r : replacements) {
        if (r.offset + r.length <= offset)
            moved += r.text.size() - r.length;
        else if (r.offset < offset)
            moved -= offset - r.offset;
    }
    return moved;
}

} // namespace

QStringList DocumentController::openPaths() const {
    QStringList paths;
    for (int i = 0; i < m_pages.count(); ++i)
        paths << m_pages.at(i).fileName;
    return paths;
}

bool DocumentController::withTabInEditor(int index, const std::function<void()> &step) {
    if (index == m_current) {
        step();
        return true;
    }
    TabState &state = m_tabStates[size_t(index)];
    if (!state.held)
        return false;
    // The editor's change notifications speak of the document on screen:
    // the Save button keeps its state.
    CountedScope busy(m_busy);
    const bool saveEnabled = m_w.save->isEnabled();
    std::unique_ptr<TLEditDocument> shown = m_editor->exchangeDocument(std::move(state.held));
    step();
    state.held = m_editor->exchangeDocument(std::move(shown));
    m_w.save->setEnabled(saveEnabled);
    return true;
}

bool DocumentController::openText(const QString &path, QString &text) {
    const int index = m_pages.indexOf(path);
    if (index < 0)
        return false;
    return withTabInEditor(index, [&] { text = m_editor->text(); });
}

bool DocumentController::replaceInOpenDocument(const QString &path,
                                               const QVector<TextReplacement> &replacements) {
    const int index = m_pages.indexOf(path);
    if (index < 0 || replacements.isEmpty())
        return false;
    QVector<TextReplacement> sorted = replacements;
    std::sort(sorted.begin(), sorted.end(), [](const TextReplacement &a, const TextReplacement &b) {
        return a.offset < b.offset;
    });
    TLEdit &editor = *m_editor;
    // The editor's cached selection belongs to the document on screen.
    const int cached[4] = {editor.startLine, editor.startPos, editor.endLine, editor.endPos};
    bool done = false;
    int selection[4] = {1, 0, 1, 0};
    const bool inEditor = withTabInEditor(index, [&] {
        const QString text = editor.text();
        qsizetype end = 0;
        for (const TextReplacement &r : sorted) {
            if (r.offset < end || r.length < 0 || r.offset + r.length > text.size())
                return;
            end = r.offset + r.length;
        }
        const QVector<qsizetype> starts = lineStarts(text);
        editor.readSelection();
        const qsizetype anchor = starts.at(editor.startLine - 1) + editor.startPos;
        const qsizetype caret = starts.at(editor.endLine - 1) + editor.endPos;
        const int firstLine = editor.firstVisibleLine();
        const int xOffset = editor.firstVisiblePos();

        // From the last to the first, so that each position still holds.
        editor.beginUndoAction();
        for (auto r = sorted.crbegin(); r != sorted.crend(); ++r) {
            lineColumnOf(starts, r->offset, editor.startLine, editor.startPos);
            lineColumnOf(starts, r->offset + r->length, editor.endLine, editor.endPos);
            editor.applySelection();
            editor.replaceSel(r->text);
        }
        editor.endUndoAction();

        const QVector<qsizetype> after = lineStarts(editor.text());
        lineColumnOf(after, shifted(anchor, sorted), selection[0], selection[1]);
        lineColumnOf(after, shifted(caret, sorted), selection[2], selection[3]);
        editor.startLine = selection[0];
        editor.startPos = selection[1];
        editor.endLine = selection[2];
        editor.endPos = selection[3];
        editor.applySelection();
        editor.setFirstVisibleLine(firstLine);
        editor.setFirstVisiblePos(xOffset);
        done = true;
    });
    if (!inEditor || !done) {
        editor.startLine = cached[0];
        editor.startPos = cached[1];
        editor.endLine = cached[2];
        editor.endPos = cached[3];
        return false;
    }
    if (index == m_current) {
        markChanged();
        return true;
    }
    editor.startLine = cached[0];
    editor.startPos = cached[1];
    editor.endLine = cached[2];
    editor.endPos = cached[3];
    // The tab takes its selection and modified state from its record when
    // it comes back, and its parking file no longer holds its text.
    PageRecord &record = m_pages.at(index);
    record.modified = true;
    record.startLine = selection[0];
    record.startPos = selection[1];
    record.endLine = selection[2];
    record.endPos = selection[3];
    m_tabStates[size_t(index)].parkedCopyCurrent = false;
    return true;
}
