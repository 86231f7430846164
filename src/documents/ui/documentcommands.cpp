// The File menu's document commands, Insert File, the scratch pad, printing
// and dropping project pages into the text.

#include "app/helpertips.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/ui/percentsplitter.h"
#include "app/userinteraction.h"
#include "documents/companionfiles.h"
#include "documents/documentnames.h"
#include "documents/recentfiles.h"
#include "documents/ui/documentcontroller.h"
#include "documents/ui/openhtmlform.h"
#include "documents/ui/printform.h"
#include "editor/textfile.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "settings/settings.h"
#include "tags/taginserter.h"

#include <QAction>
#include <QDataStream>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <stdexcept>

namespace {

const QString kSaveFilter = QStringLiteral("HTML Documents|*.htm;*.html|Frame Settings|*.set");
const QString kTreeDragFormat = QStringLiteral("application/x-qabstractitemmodeldatalist");
// Printing the preview hands the page to the browser engine, which answers
// from the event loop; a reply that never comes must not hold the window.
constexpr int kPreviewPrintTimeoutMs = 120000;

} // namespace

void DocumentController::wireCommands() {
    MainActions &a = m_a;
    const DocumentWidgets &b = m_w;
    MainActions::setBuilt({a.newPage, a.open, a.save, a.saveAs, a.closePage, a.closeAll, a.print,
                           a.printerSetup, a.insertFile, a.toggleInternalClipboard, a.lastFiles[0],
                           a.lastFiles[1], a.lastFiles[2], a.lastFiles[3]});
    connect(a.newPage, &QAction::triggered, this, &DocumentController::newPage);
    connect(b.newPage, &QToolButton::clicked, this, &DocumentController::newPage);
    connect(a.open, &QAction::triggered, this, &DocumentController::openPage);
    connect(b.open, &QToolButton::clicked, this, &DocumentController::openPage);
    connect(a.save, &QAction::triggered, this, &DocumentController::save);
    connect(b.save, &QToolButton::clicked, this, &DocumentController::save);
    connect(a.saveAs, &QAction::triggered, this, &DocumentController::saveAs);
    connect(a.closePage, &QAction::triggered, this, &DocumentController::closeActivePage);
    connect(b.close, &QToolButton::clicked, this, &DocumentController::closeActivePage);
    connect(a.closeAll, &QAction::triggered, this, &DocumentController::closeAllPages);
    connect(a.print, &QAction::triggered, this, &DocumentController::print);
    connect(b.print, &QToolButton::clicked, this, &DocumentController::print);
    connect(a.printerSetup, &QAction::triggered, this, &DocumentController::printerSetup);
    connect(a.insertFile, &QAction::triggered, this, &DocumentController::insertFile);
    connect(a.toggleInternalClipboard, &QAction::triggered, this, [this](bool checked) {
        m_shell.showHelperTopic(HelperTopic::InternalClipboard);
        m_w.mainSplitter->setBarPercent(1, checked ? 75 : 100);
    });
    for (QAction *last : a.lastFiles) {
        connect(last, &QAction::triggered, this,
                [this, last] { loadFile(last->data().toString(), false); });
    }
}

// --- New and Open ------------------------------------------------------------------

void DocumentController::newPage() {
    const QString programDir = m_shell.programDir();
    changeDirectory(programDir);
    m_shell.showHelperTopic(HelperTopic::OrphanPages);
    const QString path = programDir + QStringLiteral("newpage.htm");
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly); // an empty file
    }
    loadFile(path, false);
}

void DocumentController::openPage() {
    OpenHtmlForm form(openFilter(), QDir::currentPath(), m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted)
        return;
    const QString file = form.fileToLoad();
    if (file.isEmpty() || DocumentNames::namesImage(file))
        return;
    loadFile(file, false);
    if (isOpen()) {
        m_w.powerBook->setEnabled(true);
        m_editor->setFocus();
    }
}

// --- Saving ------------------------------------------------------------------------

bool DocumentController::writeDocument(const QString &path) {
    const Settings &settings = m_shell.settings();
    if (settings.autoTimeStamp && m_beforeSave)
        m_beforeSave();
    if (!CompanionFiles::maySave(path, m_pages)) {
        m_shell.ui().message(CompanionFiles::saveBlockedText(path), Msg::Error, Msg::Ok);
        return false;
    }
    // The line ends written follow the editor's save style; with neither Mac
    // nor Unix style the document keeps its own.
    QString error;
    if (m_editor->saveToFile(path, &error))
        return true;
    // The file on disk is as it was and the text stays modified.
    m_shell.ui().message(error, Msg::Error, Msg::Ok);
    return false;
}

bool DocumentController::save() {
    if (m_pages.isEmpty())
        return false;
    if (DocumentNames::isDefaultPage(m_currentFile))
        m_shell.showHelperTopic(HelperTopic::SavingToDefault);
    if (m_currentFile.isEmpty())
        return saveAs();
    if (!writeDocument(m_currentFile))
        return false;
    m_editor->setModifiedFlag(false);
    m_w.save->setEnabled(false);
    dropParkingFile();
    return true;
}

bool DocumentController::saveAs() {
    if (m_pages.isEmpty())
        return false;
    UserInteraction &ui = m_shell.ui();
    FileRequest request;
    request.caption = QStringLiteral("Save As");
    request.folder = m_saveFolder;
    request.fileName = m_saveName;
    request.filter = kSaveFilter;
    request.filterIndex = 1;
    const QString chosen = ui.saveFile(request);
    if (chosen.isEmpty())
        return false;
    // The name actually written is the one checked for an existing file.
    const QString target = DocumentNames::saveAsPath(chosen);
    const int open = openIndexOf(target);
    if (open >= 0 && open != m_current) {
        ui.message(target + QStringLiteral(" is open in another tab. Close it there first, or "
                                           "choose another name."),
                   Msg::Information, Msg::Ok);
        return false;
    }
    if (QFileInfo::exists(target) &&
        ui.message(QStringLiteral("Overwrite existing file?"), Msg::Warning,
                   Msg::Ok | Msg::Cancel) != Msg::ResultOk)
        return false;
    if (!writeDocument(target))
        return false;
    m_editor->setModifiedFlag(false);
    m_w.save->setEnabled(false);
    pointAt(target);
    pushRecentFile(target);
    renameSaveAsFile(target);
    return true;
}

void DocumentController::renameSaveAsFile(const QString &path) {
    PageRecord &record = m_pages.at(m_current);
    const QString old = record.fileName;
    record.fileName = path;
    m_w.webPageTabs->setTabText(m_current, DocumentNames::fileNameOf(path));
    // The tab no longer parks its text beside the old file.
    if (old != path && CompanionFiles::mayDelete(DocumentNames::parkingFile(old), m_pages))
        QFile::remove(DocumentNames::parkingFile(old));
    if (record.inProject) {
        m_shell.ui().message(
            QStringLiteral(
                "A Save As function has been performed on document that was in a project.  "
                "The file that is being edited is no longer part of that project."),
            Msg::Information, Msg::Ok);
    }
    record.inProject = false;
    emit currentDocumentChanged();
}

void DocumentController::pushRecentFile(const QString &path) {
    setLastFiles(m_shell.settings().lastFiles, path);
    setLastFilesMenu();
}

// --- Insert File and the scratch pad ---------------------------------------------------

void DocumentController::insertFile() {
    if (!isOpen())
        return;
    UserInteraction &ui = m_shell.ui();
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = QDir::currentPath();
    request.filter = openFilter();
    request.filterIndex = 1;
    const QString path = ui.openFile(request);
    if (path.isEmpty())
        return;
    saveSpareEditorContents();
    // The file is read on its own: the pad keeps its text and undo history.
    TextFile file;
    QString error;
    if (!readTextFile(path, file, &error)) {
        ui.message(error, Msg::Error, Msg::Ok);
        return;
    }
    m_editor->replaceSel(file.text);
    m_editor->setFocus();
}

void DocumentController::toggleInternalClipboard() {
    m_a.toggleInternalClipboard->trigger();
}

void DocumentController::loadSpareEditorContents() {
    const QString path = m_shell.programDir() + QStringLiteral("scratch.txt");
    runStep(m_shell.ui(), QStringLiteral("LoadSpareEditorContents"), [this, path] {
        if (!QFileInfo::exists(path))
            return;
        if (!m_w.spareEditor->loadFromFile(path))
            throw std::runtime_error("scratch pad not read");
    });
}

bool DocumentController::saveSpareEditorContents() {
    TLEdit *pad = m_w.spareEditor;
    if (pad->textLength() == 0)
        return true;
    return pad->saveToFile(m_shell.programDir() + QStringLiteral("scratch.txt"));
}

// --- Printing ----------------------------------------------------------------------

QPrinter &DocumentController::printer() {
    return m_w.spareEditor->printer();
}

void DocumentController::printerSetup() {
    m_w.spareEditor->printerSetup();
}

void DocumentController::print() {
    PrintForm form(m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted)
        return;
    QPrinter &p = printer();
    // Without a printer or an output file nothing could be printed: ask.
    const bool ready =
        p.outputFormat() == QPrinter::PdfFormat ? !p.outputFileName().isEmpty() : p.isValid();
    if (!ready && !m_shell.ui().choosePrinter(p, false))
        return;
    bool ok = true;
    if (form.choice() != PrintForm::TextView)
        ok = printGraphicView() && ok;
    if (form.choice() != PrintForm::GraphicView)
        ok = printWebPage() && ok;
    if (!ok)
        m_shell.ui().message(QStringLiteral("Printing failed."), Msg::Error, Msg::Ok);
}

bool DocumentController::printGraphicView() {
    QPrinter &p = printer();
    p.setPrintRange(QPrinter::PageRange);
    p.setFromTo(1, 9999);
    struct Outcome {
        bool done = false;
        bool ok = false;
        QEventLoop loop;
    };
    auto outcome = std::make_shared<Outcome>();
    std::weak_ptr<Outcome> waiting = outcome;
    m_preview.printPage(p, [waiting](bool ok) {
        if (auto o = waiting.lock()) {
            o->done = true;
            o->ok = ok;
            o->loop.quit();
        }
    });
    if (!outcome->done) {
        QTimer::singleShot(kPreviewPrintTimeoutMs, &outcome->loop, &QEventLoop::quit);
        outcome->loop.exec();
    }
    p.setPrintRange(QPrinter::AllPages);
    p.setFromTo(0, 0);
    return outcome->done && outcome->ok;
}

bool DocumentController::printWebPage() {
    saveSpareEditorContents();
    // The pad's own text waits in memory while it prints the document.
    TLEdit *pad = m_w.spareEditor;
    std::unique_ptr<TLEditDocument> padText = pad->exchangeDocument(nullptr);
    pad->setText(m_editor->text());
    const bool ok = pad->print();
    pad->exchangeDocument(std::move(padText));
    return ok;
}

// --- Project pages dropped into the text ---------------------------------------------

void DocumentController::wireProjectDrag() {
    QTreeWidget *tree = m_w.outline;
    tree->setDragEnabled(true);
    tree->setDragDropMode(QAbstractItemView::DragOnly);
    // The page entry being dragged: the tree's current entry at the page
    // level, when the dragged data is that entry.
    auto draggedPage = [tree](const QMimeData *mime) -> QString {
        QTreeWidgetItem *item = tree->currentItem();
        if (!mime || !mime->hasFormat(kTreeDragFormat) || !item || !item->parent() ||
            item->parent()->parent())
            return QString();
        QByteArray data = mime->data(kTreeDragFormat);
        QDataStream stream(&data, QIODevice::ReadOnly);
        while (!stream.atEnd()) {
            int row = 0;
            int column = 0;
            QMap<int, QVariant> roles;
            stream >> row >> column >> roles;
            if (stream.status() != QDataStream::Ok)
                break;
            if (roles.value(Qt::DisplayRole).toString() == item->text(0))
                return item->text(0);
        }
        return QString();
    };
    m_editor->setDragHooks([draggedPage](const QMimeData *mime,
                                         const QPoint &) { return !draggedPage(mime).isEmpty(); },
                           [this, draggedPage](const QMimeData *mime, const QPoint &) {
                               const QString entry = draggedPage(mime);
                               if (entry.isEmpty() || !isOpen() || !m_tags)
                                   return false;
                               const QString file = DocumentNames::entryFileName(entry);
                               m_tags->insertSelected2(QStringLiteral("<A HREF=\"") +
                                                                    file + QStringLiteral("\">"),
                                                                QStringLiteral("</A>"));
                               m_editor->setFocus();
                               return true;
                           });
}
