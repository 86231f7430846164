#pragma once

#include <QObject>
#include <QString>

class ActiveDocument;
class FileListPanel;
class PreviewPane;
class UserInteraction;

// The File List sheet beside the project tree: a click on a file shows it in
// the preview (a picture, or a page); a double-click opens a page as a
// document outside any project, unless it is open already.
class FileListSheet : public QObject {
    Q_OBJECT
public:
    FileListSheet(UserInteraction &ui, ActiveDocument &document, PreviewPane &preview,
                  FileListPanel *panel, QObject *parent = nullptr);

    void fileClicked(const QString &path);
    void fileDoubleClicked(const QString &path);

private:
    UserInteraction &m_ui;
    ActiveDocument &m_document;
    PreviewPane &m_preview;
};
