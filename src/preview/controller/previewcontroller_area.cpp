// The preview pane as an area of the main window: its settings, its menu
// entries and buttons, and what other areas ask of it.

#include "preview/controller/previewcontroller.h"

#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "preview/viewerengine.h"
#include "settings/colors.h"
#include "settings/settings.h"

#include <QAction>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {
// How long Strip HTML Codes waits for the preview to render the page.
constexpr int kRenderTimeoutMs = 30000;
} // namespace

void PreviewController::applySettings() {
    const Settings &s = m_shell.settings();
    for (HtmlViewer *viewer : {m_w.htmlSplit, m_w.htmlFull})
        viewer->setViewImages(s.showImages);
    m_a.viewInlineImages->setChecked(s.showImages);

    // Stored values that are empty or unreadable keep the preview's own.
    PreviewLook look = previewLook();
    if (!s.htmlFontName.isEmpty())
        look.fontName = s.htmlFontName;
    bool ok = false;
    const int htmlPoints = s.htmlFontSize.toInt(&ok);
    if (ok && htmlPoints > 0)
        look.fontSize = htmlPoints;
    look.fontColor = storedColor(s.htmlFontColor, look.fontColor);
    look.background = storedColor(s.htmlBackgroundColor, look.background);
    setPreviewLook(look);
}

PreviewLook PreviewController::previewLook() const {
    const HtmlViewer *split = m_w.htmlSplit;
    return {split->defFontName(), split->defFontSize(), split->defFontColor(),
            split->defBackground()};
}

void PreviewController::setPreviewLook(const PreviewLook &look) {
    for (HtmlViewer *viewer : {m_w.htmlSplit, m_w.htmlFull, m_w.htmlFrames}) {
        viewer->setDefFontColor(look.fontColor);
        viewer->setDefFontSize(look.fontSize);
        viewer->setDefFontName(look.fontName);
        viewer->setDefBackground(look.background);
    }
}

// The appearance in force at first show is what gets written at exit.
void PreviewController::firstShow() {
    Settings &s = m_shell.settings();
    const HtmlViewer *split = m_w.htmlSplit;
    s.htmlFontName = split->defFontName();
    s.htmlFontSize = QString::number(split->defFontSize());
    s.htmlFontColor = colorToStoreText(split->defFontColor());
    s.htmlBackgroundColor = colorToStoreText(split->defBackground());
}

void PreviewController::updateMenus(const UiState &s) {
    const bool open = s.documentOpen;
    MainActions &a = m_a;
    for (QAction *x : {a.refreshHtml, a.popupRefresh, a.viewInlineImages})
        MainActions::setUsable(x, open);
    const Settings &settings = m_shell.settings();
    const BrowserEntry b1 = browserEntry(settings.browser1, open);
    const BrowserEntry b2 = browserEntry(settings.browser2, open);
    a.browser1->setVisible(b1.visible);
    a.browser2->setVisible(b2.visible);
    if (b1.visible)
        a.browser1->setText(b1.caption);
    if (b2.visible)
        a.browser2->setText(b2.caption);
    MainActions::setUsable(a.browser1, b1.enabled);
    MainActions::setUsable(a.browser2, b2.enabled);

    const PreviewPopupEnabling pp = previewPopupEnabling(s);
    MainActions::setUsable(a.previewCopy, pp.copy);
    MainActions::setUsable(a.previewSearchSource, pp.searchSource);
    MainActions::setUsable(a.searchSource, searchMenuEnabling(s).searchSource);

    m_w.refresh->setEnabled(open);
    m_w.browser->setEnabled(open && !settings.browser1.isEmpty());
}

void PreviewController::fullScreenChanged(bool on) {
    if (on)
        refreshViewer(0, m_w.htmlFull);
}

bool PreviewController::renderedText(QString &text) {
    if (!ViewerEngine::instance().isLoaded())
        return false;
    HtmlViewer *viewer = m_w.htmlSplit;
    QEventLoop loop;
    bool done = false;
    bool ok = false;
    QPointer<QEventLoop> guard(&loop);
    auto finish = [&](bool success) {
        if (done)
            return;
        done = true;
        ok = success;
        if (guard)
            loop.quit();
    };
    // The loop and the flags live on this stack frame: a late answer after a
    // time-out must not reach them.
    auto alive = std::make_shared<bool>(true);
    const QMetaObject::Connection loaded =
        connect(viewer, &HtmlViewer::loadFinished, &loop, [&, viewer, alive](bool success) {
            if (!success) {
                finish(false);
                return;
            }
            viewer->renderedText([&, alive](const QString &t) {
                if (!*alive)
                    return;
                text = t;
                finish(true);
            });
        });
    QTimer::singleShot(kRenderTimeoutMs, &loop, [&] { finish(false); });
    // The preview renders the editor text as it always does; should it start
    // nothing, the text is loaded into the viewer here.
    refreshViewer(0, viewer);
    if (!viewer->isBusy() && !done)
        viewer->loadFromString(m_w.webPage->text(), documentFolder());
    if (!done)
        loop.exec();
    *alive = false;
    disconnect(loaded);
    return ok;
}

void PreviewController::printPage(QPrinter &printer, std::function<void(bool)> done) {
    m_w.htmlSplit->print(printer, std::move(done));
}
