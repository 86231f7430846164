#include "projects/search/ui/imageindexdialog.h"

#include "app/driveroots.h"
#include "projects/search/imageindex.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
const QString kAllImages = QStringLiteral("*.gif;*.jpg");
} // namespace

ImageIndexDialog::ImageIndexDialog(const QString &startFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TImageIndexForm"));
    setWindowTitle(QStringLiteral("ImageIndexForm"));

    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QString &root : driveRoots())
        m_drives->addItem(root, root);
    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("Label1"));
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_folderLabel->setMinimumWidth(1);
    m_folders = new QListWidget(this);
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    for (QListWidget *list : {m_folders, m_files})
        list->setFixedSize(200, 220);
    m_filter = new QLineEdit(kAllImages, this);
    m_filter->setObjectName(QStringLiteral("Edit1"));
    m_filters = new QComboBox(this);
    m_filters->setObjectName(QStringLiteral("FilterComboBox1"));
    m_filters->addItem(QStringLiteral("All Images"), kAllImages);
    m_filters->addItem(QStringLiteral("GIF Images"), QStringLiteral("*.gif"));
    m_filters->addItem(QStringLiteral("JPEG Images"), QStringLiteral("*.jpg"));

    auto *create = new QPushButton(QStringLiteral("Create"), this);
    create->setObjectName(QStringLiteral("BitBtn2"));
    create->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    create->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn1"));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(m_drives, 0, 0);
    grid->addWidget(m_folderLabel, 1, 0);
    grid->addWidget(m_folders, 2, 0, 3, 1);
    grid->addWidget(m_files, 0, 1, 3, 1);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Filter:"), this));
    filterRow->addWidget(m_filter, 1);
    grid->addLayout(filterRow, 3, 1);
    grid->addWidget(m_filters, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_drives, &QComboBox::activated, this,
            [this](int index) { setFolder(m_drives->itemData(index).toString()); });
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(Qt::UserRole).toString()); });
    connect(m_filter, &QLineEdit::textChanged, this, &ImageIndexDialog::fillFiles);
    connect(m_filters, &QComboBox::activated, this,
            [this](int index) { m_filter->setText(m_filters->itemData(index).toString()); });
    connect(create, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFolder(QDir(startFolder).exists() ? startFolder : QDir::rootPath());
}

void ImageIndexDialog::setFolder(const QString &folder) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    m_folder = QDir::cleanPath(dir.absolutePath());
    m_folderLabel->setText(m_folder);
    m_folderLabel->setToolTip(m_folder);
    showDriveOf(m_folder);
    fillFolders();
    fillFiles();
}

QStringList ImageIndexDialog::files() const {
    QStringList names;
    for (int i = 0; i < m_files->count(); ++i)
        names << m_files->item(i)->text();
    return names;
}

QString ImageIndexDialog::filter() const {
    return m_filter->text();
}

// The drive box shows the root the folder lies on (the longest that fits).
void ImageIndexDialog::showDriveOf(const QString &folder) {
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i).toString();
        const bool under = folder == root || folder.startsWith(ImageIndex::folderPrefix(root));
        if (under && root.size() > bestLength) {
            best = i;
            bestLength = int(root.size());
        }
    }
    if (best >= 0)
        m_drives->setCurrentIndex(best);
}

// The folder list shows the way down from the root to the folder, one
// level deeper each, then the folder's own sub-folders; the folder itself
// is the current entry.
void ImageIndexDialog::fillFolders() {
    m_folders->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QStringList path{QStringLiteral("/")};
    for (const QString &part : m_folder.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        path << QDir(path.last()).filePath(part);
    int depth = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &level : path) {
        const QString name = level == QLatin1String("/") ? level : QDir(level).dirName();
        current = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, m_folders);
        current->setData(Qt::UserRole, level);
        ++depth;
    }
    const QDir dir(m_folder);
    for (const QString &name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item =
            new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + name, m_folders);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }
    m_folders->setCurrentItem(current);
}

void ImageIndexDialog::fillFiles() {
    m_files->clear();
    m_files->addItems(ImageIndex::listFiles(m_folder, m_filter->text()));
}
