// The preview's commands and events: refresh entries, links, history, forms,
// inline images, find, and the external browsers.

#include "preview/controller/previewcontroller.h"

#include "app/helpertips.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "preview/controller/previewfinddialog.h"
#include "preview/controller/previewrules.h"
#include "preview/controller/submitform.h"
#include "preview/htmlviewer.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QToolButton>

void PreviewController::wireCommands() {
    MainActions &a = m_a;
    const PreviewWidgets &w = m_w;

    QList<QAction *> built{a.refreshHtml,   a.popupRefresh, a.previewRefresh, a.previewTop,
                           a.previewBottom, a.previewCopy,  a.previewFind,    a.viewInlineImages,
                           a.browser1,      a.browser2};
    built << a.previewSearchSource << a.searchSource;
    for (QAction *item : a.historyItems)
        built << item;
    for (QAction *action : built)
        MainActions::setBuilt({action});

    for (QAction *refresh : {a.refreshHtml, a.popupRefresh, a.previewRefresh})
        connect(refresh, &QAction::triggered, this, &PreviewController::refreshOnRequest);
    connect(w.refresh, &QToolButton::clicked, this, &PreviewController::refreshOnRequest);

    connect(a.previewTop, &QAction::triggered, this, &PreviewController::goToTop);
    connect(a.previewBottom, &QAction::triggered, this, &PreviewController::goToBottom);
    connect(a.previewCopy, &QAction::triggered, this, &PreviewController::copySelection);
    connect(a.previewFind, &QAction::triggered, this, &PreviewController::showFindDialog);
    for (QAction *search : {a.previewSearchSource, a.searchSource})
        connect(search, &QAction::triggered, this, &PreviewController::searchSource);

    connect(a.viewInlineImages, &QAction::triggered, this, [this](bool on) {
        if (m_w.webPage->isEnabled())
            m_shell.showHelperTopic(HelperTopic::ImageView);
        setViewImages(on);
    });

    connect(w.back, &QToolButton::clicked, this, &PreviewController::goBack);
    connect(w.forward, &QToolButton::clicked, this, &PreviewController::goForward);
    for (int i = 0; i < int(a.historyItems.size()); ++i)
        connect(a.historyItems[i], &QAction::triggered, this, [this, i] { chooseHistoryItem(i); });

    connect(a.browser1, &QAction::triggered, this, [this] { runBrowser(1); });
    connect(a.browser2, &QAction::triggered, this, [this] { runBrowser(2); });
    connect(w.browser, &QToolButton::clicked, this, [this] { runBrowser(1); });
}

void PreviewController::wireViewers() {
    const PreviewWidgets &w = m_w;
    for (Slot &slot : m_slots) {
        HtmlViewer *viewer = slot.viewer;
        connect(viewer, &HtmlViewer::historyChanged, this,
                [this, viewer] { historyChanged(viewer); });
        connect(viewer, &HtmlViewer::documentReady, this,
                [this, viewer] { viewerReady(viewer, false); });
        connect(viewer, &HtmlViewer::loadFinished, this,
                [this, viewer] { viewerReady(viewer, true); });
    }
    HtmlViewer *split = w.htmlSplit;
    connect(split, &HtmlViewer::hotSpotCovered, this, &PreviewController::showLinkTarget);
    connect(split, &HtmlViewer::hotSpotClick, this, &PreviewController::linkClicked);
    connect(split, &HtmlViewer::formSubmit, this,
            [this](const QString &action, const QString &method, const QStringList &results) {
                m_submitForm->showResults(action, method, results);
            });
    // With "Auto update HTML viewer" on, every change of the text is shown;
    // changes in quick succession make one render.
    connect(m_w.webPage, &TLEdit::changed, this, [this] {
        if (m_shell.settings().autoUpdate && m_w.webPage->isEnabled())
            updateWebView();
    });
    split->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(split, &QWidget::customContextMenuRequested, this, [this, split](const QPoint &pos) {
        m_shell.updateMenuStates();
        m_a.htmlPopup->popup(split->mapToGlobal(pos));
    });
}

// --- Links -----------------------------------------------------------------------------

void PreviewController::showLinkTarget(const QString &target) {
    m_shell.showLinkTarget(target);
}

void PreviewController::linkClicked(const QString &target, bool *handled) {
    if (!PreviewRules::isPictureLink(target, m_shell.settings().graphicExtension))
        return; // the viewer follows it
    *handled = true;
    emit pictureLinkChosen(PreviewRules::linkFileName(target));
}

// --- History ---------------------------------------------------------------------------

void PreviewController::historyChanged(HtmlViewer *viewer) {
    Slot *slot = slotOf(viewer);
    // The viewer moved to a page of its own; a render of the editor text
    // asked for earlier must not replace it.
    slot->due = false;
    slot->awaitingShow = false;
    updateHistoryControls(viewer);
    // The caption follows the title of the document the viewer turns to.
    if (viewer->isBusy())
        slot->captionDue = true;
    else
        m_shell.setWindowCaption(viewer->documentTitle());
}

void PreviewController::updateHistoryControls(HtmlViewer *viewer) {
    const PreviewWidgets &w = m_w;
    MainActions &a = m_a;
    const QStringList entries = viewer->history();
    const int index = viewer->historyIndex();
    w.forward->setEnabled(index > 0);
    w.back->setEnabled(index < entries.size());
    a.historyMenu->menuAction()->setVisible(!entries.isEmpty());
    for (int i = 0; i < int(a.historyItems.size()); ++i) {
        QAction *item = a.historyItems[i];
        if (i < entries.size()) {
            item->setText(PreviewRules::historyCaption(entries.at(i)));
            item->setChecked(i == index);
            item->setVisible(true);
        } else {
            item->setChecked(false);
            item->setVisible(false);
        }
    }
}

void PreviewController::goBack() {
    // A preview on its oldest entry goes back to the editor's text.
    QList<HtmlViewer *> backToText;
    for (Slot &slot : m_slots) {
        HtmlViewer *viewer = slot.viewer;
        const int count = int(viewer->history().size());
        const int index = viewer->historyIndex();
        if (count == 0 || index >= count)
            continue;
        if (index == count - 1)
            backToText << viewer;
        viewer->setHistoryIndex(index + 1);
    }
    for (HtmlViewer *viewer : backToText) {
        if (viewer == liveViewer())
            updateWebView();
        else
            scheduleRender(viewer, 0);
        slotOf(viewer)->captionDue = true;
    }
}

void PreviewController::goForward() {
    for (Slot &slot : m_slots) {
        const int index = slot.viewer->historyIndex();
        if (index > 0)
            slot.viewer->setHistoryIndex(index - 1);
    }
}

void PreviewController::chooseHistoryItem(int index) {
    for (Slot &slot : m_slots)
        slot.viewer->setHistoryIndex(index);
}

// --- Preview commands ------------------------------------------------------------------

void PreviewController::goToTop() {
    m_w.htmlSplit->setPosition(0);
}

void PreviewController::goToBottom() {
    HtmlViewer *split = m_w.htmlSplit;
    split->setPosition(split->maxPosition());
}

void PreviewController::copySelection() {
    m_w.htmlSplit->copyToClipboard();
    m_shell.updateMenuStates();
}

// Always the document editor: it holds the source of what the preview
// shows, even when the scratch pad has the focus.
void PreviewController::searchSource() {
    const QString selection = m_w.htmlSplit->selectedText();
    const QString text = PreviewRules::sourceSearchText(selection);
    if (text.isEmpty())
        return;
    // The selection goes to the clipboard as a copy would put it there (the
    // preview's own copy needs the focus, which the Search menu may not
    // leave it).
    QGuiApplication::clipboard()->setText(selection);
    TLEdit *editor = m_w.webPage;
    editor->startLine = editor->endLine = 1;
    editor->startPos = editor->endPos = 0;
    editor->applySelection();
    if (editor->searchText(text))
        editor->setFocus(Qt::OtherFocusReason);
    else
        QApplication::beep();
}

PreviewFindDialog *PreviewController::findDialog() const {
    return m_findDialog;
}

void PreviewController::showFindDialog() {
    if (!m_findDialog) {
        m_findDialog = new PreviewFindDialog(m_shell.dialogParent());
        connect(m_findDialog, &PreviewFindDialog::findNextRequested, this,
                &PreviewController::findNext);
    }
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void PreviewController::findNext(const QString &text, bool matchCase) {
    if (text.isEmpty())
        return;
    QPointer<PreviewController> self(this);
    m_w.htmlSplit->find(text, matchCase, [self, text](bool found) {
        if (!self || found)
            return;
        self->m_shell.ui().message(QStringLiteral("No further occurances of ") + QLatin1Char('"') +
                                       text + QLatin1Char('"'),
                                   Msg::Information, Msg::Ok);
    });
}

void PreviewController::setViewImages(bool on) {
    m_w.htmlSplit->setViewImages(on);
    m_w.htmlFull->setViewImages(on);
    m_a.viewInlineImages->setChecked(on);
    m_shell.settings().showImages = on;
}

// --- External browsers -----------------------------------------------------------------

void PreviewController::runBrowser(int which) {
    m_shell.showHelperTopic(HelperTopic::BrowserRefresh);
    const Settings &s = m_shell.settings();
    if (which == 2)
        launchBrowser(s.browser2, s.browser2Prefix);
    else
        launchBrowser(s.browser1, s.browser1Prefix);
}

void PreviewController::launchBrowser(const QString &program, bool prefix) {
    UserInteraction &ui = m_shell.ui();
    if (program.isEmpty()) {
        ui.message(QStringLiteral("No default browser has been selected!"), Msg::Information,
                   Msg::Ok);
        return;
    }
    const QString folder = documentFolder();
    const QString path = QDir(folder).filePath(PreviewRules::viewFileName());
    QString error;
    if (!m_w.webPage->saveToFile(path, &error)) {
        // The browser would show an old copy of the page, or none.
        ui.message(error, Msg::Warning, Msg::Ok);
        return;
    }
    QString workingDir;
    if (m_document)
        workingDir = m_document->currentDir();
    if (workingDir.isEmpty())
        workingDir = folder;
    if (!QProcess::startDetached(program, {PreviewRules::browserArgument(path, prefix)},
                                 workingDir))
        ui.message(QStringLiteral("Error launching external browser!  Please verify browser "
                                  "location and try again."),
                   Msg::Information, Msg::Ok);
}
