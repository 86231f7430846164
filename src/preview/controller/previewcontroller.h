#pragma once

#include <QObject>
#include <QString>

class HtmlViewer;
class MainWindow;

// The previews of the main window: refreshing them from the editor, frame
// sets, links, history, forms, inline images, find, and the external
// browsers.
class PreviewController : public QObject {
    Q_OBJECT
public:
    explicit PreviewController(MainWindow &window);
    ~PreviewController() override;

    // Refreshes the preview from the editor text (the split preview, or the
    // frame preview for a frame set; only the full-screen preview while that
    // is shown).
    void updateWebView();
    // Renders the editor text into `viewer` and scrolls it to `position`.
    void refreshViewer(int position, HtmlViewer *viewer);
    // Empties the previews (no document open).
    void clearPreviews();
    // Shows the document in an external browser program.
    void launchBrowser(const QString &program, bool prefix);
    // Shows a file in the split preview: a picture on its own, or a page.
    void showFile(const QString &path);

private:
    MainWindow &m_window;
};
