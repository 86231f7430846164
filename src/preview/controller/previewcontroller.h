#pragma once

#include "app/area.h"
#include "preview/previewappearance.h"
#include "preview/previewpane.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>

class ActiveDocument;
class HtmlViewer;
struct KnownTextChange;
class PercentSplitter;
class PreviewFindDialog;
class QToolButton;
class QWidget;
class Shell;
class SubmitForm;
class TLEdit;
struct MainActions;

// The widgets of the preview pane.
struct PreviewWidgets {
    TLEdit *webPage = nullptr; // the editor whose text is rendered
    HtmlViewer *htmlSplit = nullptr, *htmlFull = nullptr, *htmlFrames = nullptr;
    PercentSplitter *splitScreen = nullptr; // editor | preview | frame preview
    QWidget *toolsPanel = nullptr;          // disabled while a page renders
    QToolButton *refresh = nullptr, *back = nullptr, *forward = nullptr, *browser = nullptr;
};

// The previews of the main window: refreshing them from the editor, frame
// sets, links, history, forms, inline images, find, and the external
// browsers.
//
// Rendering never holds up typing: a refresh asked for while the split
// preview is still taking in the previous text is remembered and runs as
// soon as the preview is done, with the text as it is then; several requests
// in the meantime make one refresh.
class PreviewController : public QObject,
                          public PreviewPane,
                          public PreviewAppearance,
                          public Area {
    Q_OBJECT
public:
    PreviewController(Shell &shell, const PreviewWidgets &widgets, MainActions &actions,
                      QObject *parent = nullptr);
    ~PreviewController() override;

    // The document whose folder pages resolve against.
    void setActiveDocument(ActiveDocument *document) { m_document = document; }

    // --- Area -----------------------------------------------------------------------
    void applySettings() override;
    void firstShow() override;
    void updateMenus(const UiState &state) override;
    void fullScreenChanged(bool on) override;

    // --- PreviewPane ----------------------------------------------------------------
    void scrollToTop() override { goToTop(); }
    bool renderedText(QString &text) override;
    void printPage(QPrinter &printer, std::function<void(bool)> done) override;

    // --- PreviewAppearance ------------------------------------------------------------
    PreviewLook previewLook() const override;
    void setPreviewLook(const PreviewLook &look) override;

    // Refreshes the preview from the editor text: shows the frame preview
    // (with the text written to "quilview.htm" beside the document) when the
    // text is a frame set, else the split preview, and re-renders the split
    // preview at its scroll position. While the full-screen preview is shown
    // only that one is re-rendered, from the top. The frame check and the
    // file are done at once; the rendering starts from the event loop.
    void updateWebView() override;
    // F5 and the other refresh commands: like updateWebView, but the split
    // preview renders the text whole whatever its size (where the reader
    // was), instead of changing only what an edit touched.
    void refreshOnRequest();
    // Characters beyond which a page that needs a whole render is rendered
    // only on request (F5), not after every change.
    void setAutoRenderLimit(qsizetype characters) { m_autoRenderLimit = characters; }
    // The status bar's note for a page too large to render on every change.
    static QString tooLargeText();
    // Renders the editor text into `viewer` now and scrolls it to `position`.
    void refreshViewer(int position, HtmlViewer *viewer);
    // Empties the previews (no document open).
    void clearPreviews() override;
    // Shows the document in an external browser program.
    void launchBrowser(const QString &program, bool prefix);
    // Shows a file in the split preview: a picture on its own, or a page.
    void showFile(const QString &path) override;
    // Shows a page the program made in the split preview, in place of the
    // frame preview, and opens the split preview when it was closed.
    void showPage(const QString &html) override;

    // Viewer history: both previews move together.
    void goBack();
    void goForward();
    void chooseHistoryItem(int index);

    // Preview pop-up commands on the split preview.
    void goToTop();
    void goToBottom();
    void copySelection();
    // "Search Source": copies the split preview's selection and selects its
    // first occurrence in the editor text, searching from the top.
    void searchSource();
    void showFindDialog();
    // Searches the split preview for the next match; tells the user when
    // there is none.
    void findNext(const QString &text, bool matchCase);

    // Inline images on or off in the split and the full-screen preview.
    void setViewImages(bool on);
    // The browser command of the Page menu and the tool button (1 or 2):
    // the helper tip, then the browser with its settings.
    void runBrowser(int which);

    // The folder of the current document, where "quilview.htm" goes and
    // against which the previews resolve relative links.
    QString documentFolder() const;
    bool framePreviewShown() const;
    SubmitForm *submitForm() const { return m_submitForm; }
    PreviewFindDialog *findDialog() const; // null until first opened

    // How text reaches a viewer (by default HtmlViewer::loadFromString).
    // Replaceable so that a failing viewer can be simulated.
    using ViewerLoader =
        std::function<void(HtmlViewer &viewer, const QString &html, const QString &baseDir)>;
    void setViewerLoader(ViewerLoader loader);

signals:
    // A link to a picture was clicked in the split preview: its file name is
    // meant for the image box of the Images page.
    void pictureLinkChosen(const QString &fileName);
    // A rendering of the editor text has been laid out in `viewer`.
    void viewerRefreshed(HtmlViewer *viewer);

private:
    // A viewer the controller renders into, with what it still owes it.
    struct Slot {
        HtmlViewer *viewer = nullptr;
        bool due = false;          // a render waits for the viewer to be free
        bool whole = false;        // the render asked for is a whole one (F5)
        int position = -1;         // where to scroll then; -1 keeps the position
        bool awaitingShow = false; // a render was handed over, not yet laid out
        bool captionDue = false;   // the window caption follows its next document
    };

    void wireCommands();
    void reserveComposition();
    void wireViewers();
    Slot *slotOf(HtmlViewer *viewer);
    HtmlViewer *liveViewer() const;
    void scheduleRender(HtmlViewer *viewer, int position);
    void renderDue();
    void updateViewer(Slot &slot);
    void showTooLarge(bool on);
    KnownTextChange knownChange(const HtmlViewer &viewer) const;
    bool textIsFrameSet();
    void setFramePreviewShown(bool shown);
    void showFrameSet();
    void historyChanged(HtmlViewer *viewer);
    void updateHistoryControls(HtmlViewer *viewer);
    void viewerReady(HtmlViewer *viewer, bool loaded);
    void linkClicked(const QString &target, bool *handled);
    void showLinkTarget(const QString &target);

    Shell &m_shell;
    PreviewWidgets m_w;
    MainActions &m_a;
    ActiveDocument *m_document = nullptr;
    std::array<Slot, 2> m_slots; // split preview, full-screen preview
    QTimer m_renderTimer;        // runs due renders from the event loop
    QTimer m_busyPoll;           // looks again while a viewer is busy
    ViewerLoader m_loader;
    SubmitForm *m_submitForm = nullptr;
    QPointer<PreviewFindDialog> m_findDialog;
    bool m_tooLargeShown = false;
    // The last look for the frame set marker: at which change count, with
    // which letter case option, and where it found one (-1: none). Later
    // looks search only what changed since.
    struct FrameSetCheck {
        bool valid = false;
        quint64 count = 0;
        bool matchCase = false;
        int at = -1;
    };
    FrameSetCheck m_frameCheck;
    // The browser engine takes about 100 MB per MiB of a page like the
    // benchmark's in its helper processes, and more while it replaces one
    // large document by another: past 24 MiB only F5 renders a page whole.
    // Edits to a page on show are still patched in at any size.
    qsizetype m_autoRenderLimit = 24 * 1024 * 1024;
};
