#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// The open documents: one tab per document over the one document editor,
// the page records, the parking files, New, Open, Save, Save As, Close,
// the recent files, Insert File, the scratch pad and printing.
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

    bool loadFile(const QString &path, bool inProject);
    bool isFileNameOpen(const QString &path) const;
    bool closeActivePage();
    // Closes tab after tab; false when the user cancelled a question.
    bool closeAllPages();
    void save();
    void saveAs();

signals:
    // A document was opened, restored by a tab change, or closed.
    void currentDocumentChanged();

private:
    MainWindow &m_window;
};
