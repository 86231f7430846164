#pragma once

#include "app/area.h"
#include "documents/activedocument.h"
#include "documents/opendocuments.h"
#include "documents/pagelist.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class PercentSplitter;
class PreviewPane;
class QPrinter;
class QTabBar;
class QTimer;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class Shell;
class TagInserter;
class TLEdit;
class TLEditDocument;
struct MainActions;

// The widgets the open documents use.
struct DocumentWidgets {
    TLEdit *webPage = nullptr;               // the document editor
    TLEdit *spareEditor = nullptr;           // the scratch pad (also prints the text)
    QTabBar *webPageTabs = nullptr;          // one tab per document
    QTabWidget *powerBook = nullptr;         // the tag tool pages, usable with a document
    PercentSplitter *mainSplitter = nullptr; // its second bar shows the scratch pad
    QTreeWidget *outline = nullptr;          // project pages dragged from it become links
    QToolButton *newPage = nullptr, *open = nullptr, *save = nullptr, *close = nullptr,
                *print = nullptr;
};

// The open documents: one tab per document over the one document editor,
// the page records, the parking files, New, Open, Save, Save As, Close,
// the recent files, Insert File, the scratch pad and printing.
//
// Only the current document is in the editor. Each other open document is
// held in memory with its undo history (so that a tab change is instant
// whatever the size of the page), and its text is also written to its
// parking file, the document's path with "_" appended, when its tab is left:
// that copy survives a crash and is offered back when the document is opened
// again.
class DocumentController : public ActiveDocument, public OpenDocuments, public Area {
    Q_OBJECT
public:
    DocumentController(Shell &shell, PreviewPane &preview, const DocumentWidgets &widgets,
                       MainActions &actions, QObject *parent = nullptr);
    ~DocumentController() override;

    // Dropped project pages become links through the tag insertion.
    void setTagInserter(TagInserter *tags) { m_tags = tags; }

    // --- ActiveDocument -------------------------------------------------------------
    bool isOpen() const override;
    QString currentFile() const override;
    QString currentDir() const override;
    TLEdit &editor() override { return *m_editor; }
    void markChanged() override;
    void setBeforeSave(std::function<void()> step) override { m_beforeSave = std::move(step); }
    void setNewPageWizard(std::function<bool()> wizard) override {
        m_newPageWizard = std::move(wizard);
    }

    // --- OpenDocuments ---------------------------------------------------------------
    QStringList openPaths() const override;
    bool openText(const QString &path, QString &text) override;
    bool replaceInOpenDocument(const QString &path,
                               const QVector<TextReplacement> &replacements) override;

    // --- Area -----------------------------------------------------------------------
    void applySettings() override;
    void firstShow() override;
    void started() override;
    void updateMenus(const UiState &state) override;
    bool queryClose() override;
    void shutdown() override;

    int count() const;
    // The tab of the document in the editor; -1 when none is open.
    int currentIndex() const { return m_current; }
    const PageList &pages() const { return m_pages; }

    // Opens a document in a new tab (`inProject`: a project opens it). A path
    // that is already open gets no second tab: its tab becomes current.
    // Returns true when an existing file was loaded (or its tab shown), or
    // when the Initial Values wizard was started for a new, empty page;
    // false when nothing was opened, and for a New page that does not exist
    // yet while the wizard did not start.
    bool loadFile(const QString &path, bool inProject) override;
    // Opens a document with the unsaved text an earlier run left in its
    // parking file (or in a save cut short), without asking: the user chose
    // it already. The tab shows the page modified; the file changes only
    // when it is saved.
    bool openRecovered(const QString &path);
    // Whether a document with exactly this path (same letter case) is open.
    bool isFileNameOpen(const QString &path) const override;
    // Closes the current tab, asking first when it is modified; false when
    // the user cancelled (or the save they asked for failed).
    bool closeActivePage();
    // Closes tab after tab; false when the user cancelled a question.
    bool closeAllPages();
    // "&Save" and "Save &As...": true when the text reached the file.
    bool save();
    bool saveAs();

    // --- Commands ----------------------------------------------------------------
    void newPage();
    // The Open HTML Page dialog.
    void openPage();
    void insertFile();
    void toggleInternalClipboard();
    // The "Print" dialog, and the two ways of printing it offers. The
    // printer is the scratch pad's, set up by printerSetup().
    void print();
    bool printGraphicView();
    bool printWebPage();
    void printerSetup();
    QPrinter &printer();

    // The scratch pad's text is kept in "scratch.txt" in the program folder.
    void loadSpareEditorContents();
    // Writes the pad when it holds text; false when that failed.
    bool saveSpareEditorContents();

    // Writes the current text to its parking file and to "quilview.htm"
    // beside it (run after a mouse release on the tab strip).
    void backupCurrentText();

    // The recent files of the File menu, from the settings.
    void setLastFilesMenu();
    // The open-file filter from the extension settings.
    QString openFilter() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Opening and switching.
    // Reads the document's bytes, or those of a backup copy the user prefers;
    // false when nothing is to be opened.
    bool readDocument(const QString &path, QByteArray &bytes, bool &fromBackup);
    void saveToPageHandle();
    void loadFromPageHandle();
    void tabChanged(int index);
    void pointAt(const QString &path);
    bool changeDirectory(const QString &folder);
    void clearPage();
    void setDocumentControls(bool open);
    int openIndexOf(const QString &path) const;
    bool writeKeepingLineEnds(const QString &path, QString *error);
    // Writes the current text to its parking file unless the file already
    // holds it; false when it could not be written.
    bool writeParkingFile(QString *error);
    // The current page was saved: its parking file holds nothing the file
    // lacks, and a crash must not offer it back.
    void dropParkingFile();

    // Runs `step` with the document of tab `index` in the editor, then puts
    // back the document that was there; false when that tab holds none.
    bool withTabInEditor(int index, const std::function<void()> &step);

    // Saving.
    bool writeDocument(const QString &path);
    void renameSaveAsFile(const QString &path);
    void pushRecentFile(const QString &path);

    // Editor events.
    void webPageChanged();

    // Commands wired to menus and buttons.
    void wireCommands();
    void wireProjectDrag();

    Shell &m_shell;
    PreviewPane &m_preview;
    DocumentWidgets m_w;
    MainActions &m_a;
    TagInserter *m_tags = nullptr;
    std::function<void()> m_beforeSave;
    std::function<bool()> m_newPageWizard;
    TLEdit *m_editor;
    PageList m_pages;
    // What each tab keeps besides its page record.
    struct TabState {
        // The document while its tab is not current (the current one is in
        // the editor).
        std::unique_ptr<TLEditDocument> held;
        // The parking file holds the text as it was at the editor's change
        // count `parkedAt`: unchanged text is not written again.
        bool parkedCopyCurrent = false;
        quint64 parkedAt = 0;
    };
    std::vector<TabState> m_tabStates;
    int m_current = -1;
    QString m_currentFile;
    QString m_currentDir;
    // Where the save dialog opens: the current document's folder and name.
    QString m_saveFolder;
    QString m_saveName;
    // Set while the controller itself changes tabs or documents, so that
    // the tab bar's and the editor's notifications are not taken for the
    // user's.
    int m_busy = 0;
    // The document openRecovered() is opening.
    QString m_recovering;
    // Writes the current page's parking file a little after it was changed,
    // so that a crash loses at most the last few seconds of typing.
    QTimer *m_parkTimer;
};
