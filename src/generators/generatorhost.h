#pragma once

#include <QString>
#include <QStringList>

struct Settings;
class QWidget;
class TLEdit;
class UserInteraction;

// What a generator (a dialog that builds a block of mark-up or a whole page)
// may do to the rest of the program. The program hands each generator one of
// these; tests hand it a scripted one and read back the lines it inserted.
class GeneratorHost {
public:
    virtual ~GeneratorHost() = default;

    // Every question to the user.
    virtual UserInteraction &ui() = 0;
    // The user's preferences (read; a generator may change its own).
    virtual Settings &settings() = 0;
    // Shows a one-time helper explanation (HelperTopic numbers).
    virtual void showHelperTopic(int topic) = 0;
    // The folder of the document in the editor, with a trailing "/"; empty
    // when no document is open.
    virtual QString documentFolder() const = 0;
    // The program folder, with a trailing "/".
    virtual QString programDir() const = 0;
    // The parent for the generator's dialogs.
    virtual QWidget *dialogParent() = 0;

    // Puts `text` at the caret in place of the selection.
    virtual void insertText(const QString &text) = 0;
    // Puts the lines, each followed by CR LF, in place of the selection,
    // focuses the editor and refreshes the preview once.
    virtual void insertLines(const QStringList &lines) = 0;
    // The document editor, for generators that edit the text in place; null
    // when no document is open.
    virtual TLEdit *documentEditor() = 0;

    // Copies a picture into the document's folder unless a file of that name
    // is already there. Returns false, having told the user, when the copy
    // failed.
    virtual bool copyBesidePage(const QString &picturePath) = 0;
};
