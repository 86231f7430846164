#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The image index dialog (`TImageIndexForm`): a drive box, a folder list
// with the current folder above it, and the list of the folder's pictures
// under a filter that can be typed or chosen. "Create" closes it with OK;
// the caller then indexes every listed file of the folder.
class ImageIndexDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `startFolder` (the root when it does not exist).
    explicit ImageIndexDialog(const QString &startFolder, QWidget *parent = nullptr);

    // The folder shown, without a trailing "/" (except the root "/").
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // The names in the file list, in list order.
    QStringList files() const;
    // The filter in force ("*.gif;*.jpg" at first).
    QString filter() const;

private:
    void fillFolders();
    void fillFiles();
    void showDriveOf(const QString &folder);

    QString m_folder;
    QComboBox *m_drives = nullptr;
    QLabel *m_folderLabel = nullptr;
    QListWidget *m_folders = nullptr;
    QListWidget *m_files = nullptr;
    QLineEdit *m_filter = nullptr;
    QComboBox *m_filters = nullptr;
};
