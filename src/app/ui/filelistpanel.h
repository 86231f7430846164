#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class PercentSplitter;

// The File List page: a drive box, a folder list, a file list and a filter
// box, linked to each other. Clicks on files are reported; what they do is up
// to the window.
class FileListPanel : public QWidget {
    Q_OBJECT
public:
    explicit FileListPanel(QWidget *parent = nullptr);

    // The filter in "Name|pattern;pattern|..." form; the first entry applies.
    void setFilter(const QString &filter);
    QString filter() const { return m_filter; }
    // The patterns of the chosen filter entry, e.g. {"*.htm", "*.html"}.
    QStringList currentPatterns() const;

    void setFolder(const QString &folder);
    QString folder() const { return m_folder; }
    QStringList files() const;

    QComboBox *driveBox() const { return m_drives; }
    QListWidget *folderList() const { return m_folders; }
    QListWidget *fileList() const { return m_files; }
    QComboBox *filterBox() const { return m_filterBox; }

signals:
    void fileClicked(const QString &path);
    void fileDoubleClicked(const QString &path);

private:
    void fillDrives();
    void fillFolders();
    void fillFiles();
    QString pathOf(QListWidgetItem *item) const;

    QString m_folder;
    QString m_filter;
    QComboBox *m_drives = nullptr;
    QLabel *m_folderLabel = nullptr;
    QListWidget *m_folders = nullptr;
    QListWidget *m_files = nullptr;
    QComboBox *m_filterBox = nullptr;
};
