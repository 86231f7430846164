// Refreshing the previews from the editor text: the frame set check, the
// frame preview's file, and rendering that waits while a viewer is busy.

#include "preview/controller/previewcontroller.h"

#include "app/shell.h"
#include "app/ui/percentsplitter.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "preview/controller/previewfinddialog.h"
#include "preview/controller/previewrules.h"
#include "preview/controller/submitform.h"
#include "preview/htmlviewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLWidget>
#include <QSignalBlocker>
#include <exception>

namespace {

// While a viewer takes in a document: the tool panel is disabled and the
// hourglass shown; both come back however the load ends. A control of the
// panel that had the focus gets it back.
class RenderingScope {
public:
    explicit RenderingScope(QWidget *toolsPanel) : m_panel(toolsPanel) {
        QWidget *focus = QApplication::focusWidget();
        if (focus && m_panel->isAncestorOf(focus))
            m_focus = focus;
        m_panel->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~RenderingScope() {
        QApplication::restoreOverrideCursor();
        if (m_panel) {
            m_panel->setEnabled(true);
            if (m_focus)
                m_focus->setFocus();
        }
    }
    RenderingScope(const RenderingScope &) = delete;
    RenderingScope &operator=(const RenderingScope &) = delete;

private:
    QPointer<QWidget> m_panel;
    QPointer<QWidget> m_focus;
};

// How often a due render looks whether its viewer has become free, should
// the viewer not say so itself.
constexpr int busyPollMs = 50;

} // namespace

PreviewController::PreviewController(Shell &shell, const PreviewWidgets &widgets,
                                     MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_w(widgets), m_a(actions) {
    m_slots[0].viewer = m_w.htmlSplit;
    m_slots[1].viewer = m_w.htmlFull;
    // Both previews show the editor's text, so they need no copy of it: they
    // read again from the editor what an edit touched.
    const TLEdit *editor = m_w.webPage;
    const HtmlViewer::TextSource source{
        [editor] { return qint64(editor->changeCount()); },
        [editor] { return editor->textLength(); },
        [editor](int from, int to) { return editor->textRange(from, to); }};
    for (Slot &slot : m_slots)
        slot.viewer->setTextSource(source);
    reserveComposition();

    m_renderTimer.setSingleShot(true);
    m_renderTimer.setInterval(0);
    connect(&m_renderTimer, &QTimer::timeout, this, &PreviewController::renderDue);
    m_busyPoll.setSingleShot(true);
    m_busyPoll.setInterval(busyPollMs);
    connect(&m_busyPoll, &QTimer::timeout, this, &PreviewController::renderDue);

    m_loader = [](HtmlViewer &viewer, const QString &html, const QString &baseDir) {
        viewer.loadFromString(html, baseDir);
    };
    // "Submit Results" lives as long as the window and is shown on demand.
    m_submitForm = new SubmitForm(m_shell.dialogParent());

    wireViewers();
    wireCommands();
}

// The browser engine's view is drawn into a texture that the window puts
// together with its other widgets. A window that is first made without such a
// child has to be made anew when the engine's view arrives: it vanishes for a
// moment and comes back black. A hidden texture widget, present before the
// window is first shown, has it made for composition from the start. Only
// desktop platforms compose such widgets; elsewhere (the offscreen platform)
// the window stays as it is.
void PreviewController::reserveComposition() {
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return;
    auto *placeholder = new QOpenGLWidget(m_w.htmlSplit);
    placeholder->setObjectName(QStringLiteral("CompositionPlaceholder"));
    placeholder->setAttribute(Qt::WA_DontShowOnScreen);
    placeholder->hide();
}

PreviewController::~PreviewController() {
    // The dialogs go with the controller, while the window is being torn
    // down: closing a visible one moves the focus, and focus handlers of the
    // window must not run on its half-destroyed widgets.
    const QSignalBlocker quiet(qApp);
    delete m_findDialog;
    delete m_submitForm;
}

void PreviewController::setViewerLoader(ViewerLoader loader) {
    m_loader = std::move(loader);
}

PreviewController::Slot *PreviewController::slotOf(HtmlViewer *viewer) {
    for (Slot &slot : m_slots)
        if (slot.viewer == viewer)
            return &slot;
    return nullptr;
}

// The preview on show: the full-screen one while the window is in that mode.
HtmlViewer *PreviewController::liveViewer() const {
    return m_shell.isFullScreen() ? m_slots[1].viewer : m_slots[0].viewer;
}

QString PreviewController::documentFolder() const {
    if (const ActiveDocument *document = m_document) {
        const QString file = document->currentFile();
        if (!file.isEmpty())
            return QFileInfo(file).absolutePath();
        const QString dir = document->currentDir();
        if (!dir.isEmpty())
            return QDir(dir).absolutePath();
    }
    return QDir::currentPath();
}

bool PreviewController::framePreviewShown() const {
    PercentSplitter *split = m_w.splitScreen;
    return split->barPercent(1) < 100;
}

// --- Refreshing ----------------------------------------------------------------------

void PreviewController::updateWebView() {
    if (m_shell.isFullScreen()) {
        // Only the preview on show is brought up to date. The split preview
        // keeps the text it showed, which cannot change while the editor is
        // hidden.
        scheduleRender(m_slots[1].viewer, 0);
        return;
    }
    const bool frameSet = textIsFrameSet();
    setFramePreviewShown(frameSet);
    scheduleRender(m_slots[0].viewer, -1);
    if (frameSet)
        showFrameSet();
}

// Looks for the frame set marker with the editor's own search (so letter case
// follows its match-case option) without moving the caret, the selection or
// the view, and without replacing the search text the user's Find Next uses.
// After an edit only the stretch around what changed is searched: a marker
// found before and not touched is still there, and a new one overlaps the
// change.
bool PreviewController::textIsFrameSet() {
    TLEdit &editor = *m_w.webPage;
    const QString marker = PreviewRules::frameSetMarker();
    const int markerLength = int(marker.size());
    const int length = editor.textLength();
    FrameSetCheck &check = m_frameCheck;
    TLEdit::ChangedSpan span;
    int at = -2; // not known yet
    if (check.valid && check.matchCase == editor.matchCase() &&
        editor.changedSince(check.count, &span)) {
        const int oldLength = int(length - span.delta);
        if (check.at < 0) {
            // Room for a match that reaches into the change from either side.
            const int margin = 4 * markerLength;
            at = editor.findInRange(marker, span.prefix - margin,
                                    qMin(length, length - span.suffix + margin));
        } else if (check.at + markerLength <= span.prefix) {
            at = check.at;
        } else if (check.at >= oldLength - span.suffix) {
            at = int(check.at + span.delta);
        }
    }
    if (at == -2)
        at = editor.findInRange(marker, 0, length);
    check.valid = true;
    check.count = editor.changeCount();
    check.matchCase = editor.matchCase();
    check.at = at;
    return at >= 0;
}

void PreviewController::setFramePreviewShown(bool shown) {
    PercentSplitter *split = m_w.splitScreen;
    const int wanted = shown ? qMin(100, split->barPercent(0) + 1) : 100;
    if (split->barPercent(1) != wanted)
        split->setBarPercent(1, wanted);
}

void PreviewController::showFrameSet() {
    const PreviewWidgets &w = m_w;
    const QString folder = documentFolder();
    if (!QDir::setCurrent(folder))
        m_shell.ui().message(Msg::kChangeDirectoryFailed, Msg::Error, Msg::Ok);
    const QString path = QDir(folder).filePath(PreviewRules::viewFileName());
    if (w.webPage->saveToFile(path)) {
        w.htmlFrames->loadFromFile(path);
    } else {
        // The folder cannot take the file: show the frame set from memory
        // rather than an old copy of it.
        w.htmlFrames->loadFromString(w.webPage->text(), folder);
    }
}

void PreviewController::scheduleRender(HtmlViewer *viewer, int position) {
    Slot *slot = slotOf(viewer);
    if (!slot)
        return;
    slot->due = true;
    slot->position = position;
    m_renderTimer.start();
}

void PreviewController::renderDue() {
    for (Slot &slot : m_slots) {
        if (!slot.due)
            continue;
        if (slot.viewer->isBusy()) {
            // The viewer is still taking in an earlier document; the render
            // runs once that is laid out, with the text as it is then.
            m_busyPoll.start();
            continue;
        }
        if (slot.awaitingShow)
            viewerReady(slot.viewer, false);
        if (slot.position >= 0 || slot.whole)
            refreshViewer(slot.position >= 0 ? slot.position : slot.viewer->position(),
                          slot.viewer);
        else
            updateViewer(slot);
    }
}

// Brings the viewer up to the editor text: the parts of the page an edit
// touched are changed in place where that can be done, else the page is
// rendered whole where the reader was; a page too large to render on every
// change waits for F5.
void PreviewController::updateViewer(Slot &slot) {
    slot.due = false;
    bool failed = false;
    {
        RenderingScope scope(m_w.toolsPanel);
        try {
            HtmlViewer &viewer = *slot.viewer;
            const TLEdit &editor = *m_w.webPage;
            const QString folder = documentFolder();
            viewer.setAutoRenderLimit(m_autoRenderLimit);
            // What changed since the text on show is all the viewer needs;
            // the whole text only when it cannot take it that way.
            const HtmlViewer::KnownChange known = knownChange(viewer);
            HtmlViewer::Update result = HtmlViewer::Update::NeedsText;
            if (known.since >= 0)
                result = viewer.updateFromChange(
                    editor.textRange(known.samePrefix, editor.textLength() - known.sameSuffix),
                    folder, known);
            if (result == HtmlViewer::Update::NeedsText)
                result = viewer.updateFromString(editor.text(), folder, known)
                             ? HtmlViewer::Update::Shown
                             : HtmlViewer::Update::TooLarge;
            const bool shown = result == HtmlViewer::Update::Shown;
            if (shown)
                slot.awaitingShow = true;
            showTooLarge(!shown);
        } catch (...) {
            failed = true;
        }
    }
    if (failed)
        m_shell.ui().message(
            QStringLiteral("An error occured while parsing a comment in your HTML document!"),
            Msg::Warning, Msg::Ok);
}

// The editor's record of what changed since the text on show in `viewer`,
// so that the viewer compares only that stretch.
HtmlViewer::KnownChange PreviewController::knownChange(const HtmlViewer &viewer) const {
    const TLEdit &editor = *m_w.webPage;
    HtmlViewer::KnownChange known;
    known.version = qint64(editor.changeCount());
    const qint64 shown = viewer.textVersion();
    TLEdit::ChangedSpan span;
    if (shown >= 0 && editor.changedSince(quint64(shown), &span)) {
        known.since = shown;
        known.samePrefix = span.prefix;
        known.sameSuffix = span.suffix;
        known.delta = span.delta;
    }
    return known;
}

void PreviewController::showTooLarge(bool on) {
    if (on == m_tooLargeShown)
        return;
    m_tooLargeShown = on;
    m_shell.setStatusText(Shell::HintPanel, on ? tooLargeText() : QString());
}

QString PreviewController::tooLargeText() {
    return tr("This page is too large to preview after every change: press F5 to refresh "
              "the preview.");
}

void PreviewController::refreshOnRequest() {
    if (m_shell.isFullScreen()) {
        updateWebView();
        return;
    }
    m_slots[0].whole = true;
    updateWebView();
}

void PreviewController::refreshViewer(int position, HtmlViewer *viewer) {
    if (!viewer)
        return;
    Slot *slot = slotOf(viewer);
    if (slot) {
        slot->due = false;
        slot->whole = false;
    }
    showTooLarge(false);
    bool failed = false;
    {
        RenderingScope scope(m_w.toolsPanel);
        try {
            const QString text = m_w.webPage->text();
            if (text.isEmpty()) {
                viewer->clear();
            } else {
                m_loader(*viewer, text, documentFolder());
                viewer->setPosition(position);
            }
            if (slot)
                slot->awaitingShow = true;
        } catch (const std::exception &) {
            failed = true;
        } catch (...) {
            failed = true;
        }
    }
    if (failed)
        m_shell.ui().message(
            QStringLiteral("An error occured while parsing a comment in your HTML document!"),
            Msg::Warning, Msg::Ok);
}

// The viewer has laid out a document (`loaded`: has loaded it whole): a
// rendering handed over is on show, and a render that waited for the viewer
// can run. The title is known once the document has loaded.
void PreviewController::viewerReady(HtmlViewer *viewer, bool loaded) {
    Slot *slot = slotOf(viewer);
    if (!slot)
        return;
    if (loaded && slot->captionDue) {
        slot->captionDue = false;
        m_shell.setWindowCaption(viewer->documentTitle());
    }
    if (slot->awaitingShow) {
        slot->awaitingShow = false;
        emit viewerRefreshed(viewer);
    }
    if (slot->due)
        m_renderTimer.start();
}

void PreviewController::clearPreviews() {
    showTooLarge(false);
    for (Slot &slot : m_slots) {
        slot.due = false;
        slot.whole = false;
        slot.awaitingShow = false;
    }
    for (HtmlViewer *viewer : {m_w.htmlSplit, m_w.htmlFull, m_w.htmlFrames})
        viewer->clear();
    setFramePreviewShown(false);
}

void PreviewController::showFile(const QString &path) {
    Slot &split = m_slots[0];
    split.due = false;
    split.awaitingShow = false;
    split.viewer->loadFromFile(path);
}

void PreviewController::showPage(const QString &html) {
    Slot &split = m_slots[0];
    split.due = false;
    split.awaitingShow = false;
    setFramePreviewShown(false);
    // A preview the user closed (its bar dragged to the end) is opened.
    PercentSplitter *screen = m_w.splitScreen;
    if (screen->barPercent(0) >= 95)
        screen->setBarPercent(0, 50);
    m_loader(*split.viewer, html, documentFolder());
}
