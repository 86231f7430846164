#include "app/ui/filelistpanel.h"
#include "app/driveroots.h"
#include "app/ui/percentsplitter.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

FileListPanel::FileListPanel(QWidget *parent) : QWidget(parent) {
    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    m_drives = new QComboBox(panel1);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    auto *p1 = new QVBoxLayout(panel1);
    p1->setContentsMargins(0, 0, 3, 0);
    p1->addWidget(m_drives);

    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("FolderLabel"));

    auto *split = new PercentSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("ThreeWaySplitter1"));
    m_folders = new QListWidget(split);
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_files = new QListWidget(split);
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    split->addWidget(m_folders);
    split->addWidget(m_files);
    split->setBarPercent(0, 50);

    auto *panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    m_filterBox = new QComboBox(panel2);
    m_filterBox->setObjectName(QStringLiteral("FilterComboBox1"));
    // Long filter texts and mount points must not widen the pane.
    for (QComboBox *box : {m_drives, m_filterBox}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    auto *p2 = new QVBoxLayout(panel2);
    p2->setContentsMargins(0, 0, 3, 0);
    p2->addWidget(m_filterBox);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(panel1);
    layout->addWidget(m_folderLabel);
    layout->addWidget(split, 1);
    layout->addWidget(panel2);

    fillDrives();
    connect(m_drives, &QComboBox::activated, this,
            [this](int index) { setFolder(m_drives->itemData(index).toString()); });
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(pathOf(item)); });
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit fileClicked(pathOf(item)); });
    connect(m_files, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { emit fileDoubleClicked(pathOf(item)); });
    connect(m_filterBox, &QComboBox::currentIndexChanged, this, [this] { fillFiles(); });
    setFolder(QDir::homePath());
}

void FileListPanel::fillDrives() {
    m_drives->clear();
    for (const QString &root : driveRoots())
        m_drives->addItem(root, root);
}

void FileListPanel::setFilter(const QString &filter) {
    m_filter = filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QSignalBlocker block(m_filterBox);
    m_filterBox->clear();
    for (int i = 0; i + 1 < parts.size(); i += 2)
        m_filterBox->addItem(parts.at(i) + QStringLiteral(" (") + parts.at(i + 1) +
                                 QLatin1Char(')'),
                             parts.at(i + 1));
    fillFiles();
}

QStringList FileListPanel::currentPatterns() const {
    QStringList patterns =
        m_filterBox->currentData().toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (patterns.isEmpty())
        patterns << QStringLiteral("*.htm");
    return patterns;
}

void FileListPanel::setFolder(const QString &folder) {
    const QDir dir(folder);
    if (!dir.exists())
        return;
    m_folder = dir.absolutePath();
    // The drive box shows the root the folder lies on (the longest match).
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i).toString();
        const bool under =
            m_folder == root ||
            m_folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (under && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0)
        m_drives->setCurrentIndex(best);
    m_folderLabel->setText(m_folder);
    m_folderLabel->setToolTip(m_folder);
    fillFolders();
    fillFiles();
}

QStringList FileListPanel::files() const {
    QStringList out;
    for (int i = 0; i < m_files->count(); ++i)
        out << m_files->item(i)->text();
    return out;
}

void FileListPanel::fillFolders() {
    m_folders->clear();
    const QDir dir(m_folder);
    if (!dir.isRoot()) {
        auto *up = new QListWidgetItem(QStringLiteral(".."), m_folders);
        up->setData(Qt::UserRole, QDir::cleanPath(m_folder + QStringLiteral("/..")));
    }
    const QStringList subs =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subs) {
        auto *item = new QListWidgetItem(name, m_folders);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }
}

void FileListPanel::fillFiles() {
    m_files->clear();
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    const QStringList names =
        dir.entryList(currentPatterns(), QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, m_files);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }
}

QString FileListPanel::pathOf(QListWidgetItem *item) const {
    return item ? item->data(Qt::UserRole).toString() : QString();
}
