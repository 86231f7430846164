#pragma once

#include <QDialog>
#include <QString>

class FileListPanel;
class HtmlViewer;
class QLineEdit;

// "Open HTML Page" (TOpenHTMLForm): a drive box, a folder list, a file list
// with its filter box, a small preview of the clicked file and the name to
// open (FileToLoad). OK, a double click or Enter in the file list accept the
// dialog; the caller opens fileToLoad() unless it names a picture.
class OpenHtmlForm : public QDialog {
    Q_OBJECT
public:
    OpenHtmlForm(const QString &filter, const QString &folder, QWidget *parent = nullptr);

    QString fileToLoad() const;
    FileListPanel *fileList() const { return m_files; }
    HtmlViewer *openViewer() const { return m_viewer; }
    QLineEdit *fileToLoadEdit() const { return m_fileToLoad; }

    // What a click on a file in the list does: shows it in the small preview
    // (a picture on its own, a page without its pictures) and takes its
    // name into FileToLoad.
    void showFile(const QString &path);

private:
    void linkClicked(const QString &target, bool *handled);

    FileListPanel *m_files = nullptr;
    HtmlViewer *m_viewer = nullptr;
    QLineEdit *m_fileToLoad = nullptr;
};
