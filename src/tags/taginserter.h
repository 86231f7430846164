#pragma once

#include <QString>
#include <QStringList>

// Putting mark-up into the document at the caret, as every tag button, menu
// entry and generator does. Each insertion refreshes the preview once.
class TagInserter {
public:
    virtual ~TagInserter() = default;

    // Inserts text at the caret, replacing the selection.
    virtual void insertText(const QString &text) = 0;
    // Wraps the selection in `tag` and its closing tag ("<B>" gives "</B>").
    virtual void insertSelected(const QString &tag) = 0;
    // Wraps the selection in two given texts.
    virtual void insertSelected2(const QString &opening, const QString &closing) = 0;
    // Puts the lines, each followed by CR LF, in place of the selection and
    // focuses the editor.
    virtual void insertLines(const QStringList &lines) = 0;
};
