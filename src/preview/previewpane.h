#pragma once

#include <QString>
#include <functional>

class QPrinter;

// The preview beside the editor, as other areas see it.
class PreviewPane {
public:
    virtual ~PreviewPane() = default;

    // Re-renders the preview from the editor text (`UpdateWebView`).
    virtual void updateWebView() = 0;
    // Empties the previews (no document open).
    virtual void clearPreviews() = 0;
    // Scrolls the split preview to the top of its page.
    virtual void scrollToTop() = 0;
    // Shows a file in the split preview: a picture on its own, or a page.
    virtual void showFile(const QString &path) = 0;
    // Shows a page the program made (not the editor text) in the split
    // preview, brought into view; links resolve against the document's folder.
    virtual void showPage(const QString &html) = 0;
    // Renders the editor text and hands back the text a reader sees; false
    // when the preview engine could not render it.
    virtual bool renderedText(QString &text) = 0;
    // Prints the rendered page; `done` is told whether it worked (possibly
    // later, from the event loop).
    virtual void printPage(QPrinter &printer, std::function<void(bool)> done) = 0;
};
