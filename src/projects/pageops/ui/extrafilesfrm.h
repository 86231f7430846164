#pragma once

#include <QDialog>
#include <QStringList>

class HtmlViewer;
class OrphanSearch;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Orphan Files": the project files, the supporting files the search finds
// in them, and the files of the project folder; "Search" looks through the
// project files and leaves in "Orphan Files:" only the files nothing uses.
// A click on any name shows the file in the preview beside the lists.
class ExtraFilesFrm : public QDialog {
    Q_OBJECT
public:
    // `selected`: the project file to select (a page's own search); the
    // extension lists are the settings' texts.
    ExtraFilesFrm(OrphanSearch &search, const QStringList &folderFiles, const QString &selected,
                  const QString &documentExtensions, const QString &graphicExtensions,
                  QWidget *parent = nullptr);

    // What "Search" (SearchBtn) does.
    void search();
    // Shows a file of the project folder in the preview.
    void showFile(const QString &name);

    QStringList filesInUse() const;
    QStringList supportingFiles() const;
    QStringList orphanFiles() const;
    QString status() const;
    HtmlViewer *preview() const { return m_preview; }

private:
    void setStatus(const QString &text);
    void nameClicked(QListWidget *list, QListWidgetItem *item);

    OrphanSearch &m_search;
    QString m_documentExtensions;
    QString m_graphicExtensions;
    QListWidget *m_inUse = nullptr;
    QListWidget *m_supporting = nullptr;
    QListWidget *m_files = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_close = nullptr;
    HtmlViewer *m_preview = nullptr;
};
