#pragma once

#include "documents/pagelist.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class MainWindow;
class QPrinter;
class TLEdit;
class TLEditDocument;

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
class DocumentController : public QObject {
    Q_OBJECT
public:
    explicit DocumentController(MainWindow &window);
    ~DocumentController() override;

    // Full path of the document in the editor; empty when none is open.
    QString currentFile() const;
    // Its folder with a trailing "/"; the working directory follows it.
    QString currentDir() const;
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
    bool loadFile(const QString &path, bool inProject);
    // Whether a document with exactly this path (same letter case) is open.
    bool isFileNameOpen(const QString &path) const;
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

signals:
    // A document was opened, restored by a tab change, or closed.
    void currentDocumentChanged();

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

    // Saving.
    bool writeDocument(const QString &path);
    void renameSaveAsFile(const QString &path);
    void pushRecentFile(const QString &path);

    // Editor events.
    void webPageChanged();
    void updateCopyCutButtons();

    // Commands wired to menus and buttons.
    void wireCommands();
    void wireProjectDrag();

    MainWindow &m_window;
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
};
