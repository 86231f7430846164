#pragma once

#include <QObject>
#include <QString>
#include <functional>

class TLEdit;

// The document on screen, as other areas see it: its file and folder, the
// editor that holds it, and the two operations other areas call, LoadFile
// and IsFileNameOpen.
class ActiveDocument : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A document is open exactly when the document editor is enabled.
    virtual bool isOpen() const = 0;
    // Full path of the document in the editor; empty when none is open.
    virtual QString currentFile() const = 0;
    // Its folder with a trailing "/"; the working directory follows it.
    virtual QString currentDir() const = 0;
    // The document editor (`WebPage`).
    virtual TLEdit &editor() = 0;

    // Opens a document in a new tab (`inProject`: a project opens it), or
    // shows its tab when it is already open. False when nothing was opened.
    virtual bool loadFile(const QString &path, bool inProject) = 0;
    // Whether a document with exactly this path (same letter case) is open.
    virtual bool isFileNameOpen(const QString &path) const = 0;

    // An operation other than typing changed the text: Save becomes usable.
    virtual void markChanged() = 0;
    // Runs before every save (the last-modified stamp).
    virtual void setBeforeSave(std::function<void()> step) = 0;
    // Offered for an empty new page (the Initial Values wizard); returns
    // whether it started.
    virtual void setNewPageWizard(std::function<bool()> wizard) = 0;

signals:
    // A document was opened, restored by a tab change, renamed or closed.
    void currentDocumentChanged();
};
