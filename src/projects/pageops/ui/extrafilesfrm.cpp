#include "projects/pageops/ui/extrafilesfrm.h"

#include "app/regularfile.h"
#include "preview/htmlviewer.h"
#include "projects/pageops/orphansearch.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

QStringList itemsOf(const QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QListWidget *newList(const char *name, QWidget *parent) {
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

ExtraFilesFrm::ExtraFilesFrm(OrphanSearch &search, const QStringList &folderFiles,
                             const QString &selected, const QString &documentExtensions,
                             const QString &graphicExtensions, QWidget *parent)
    : QDialog(parent), m_search(search), m_documentExtensions(documentExtensions),
      m_graphicExtensions(graphicExtensions) {
    setObjectName(QStringLiteral("ExtraFilesFrm"));
    setWindowTitle(QStringLiteral("Orphan Files"));

    m_inUse = newList("FilesInUse", this);
    m_inUse->addItems(search.filesInUse());
    m_supporting = newList("SupportingFiles", this);
    m_files = newList("FileListBox1", this);
    m_files->addItems(folderFiles);
    const QList<QListWidgetItem *> own = m_inUse->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !own.isEmpty())
        m_inUse->setCurrentItem(own.constFirst());

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SearchStatus"));
    setStatus(OrphanSearch::statusText(0, search.count()));
    m_searchButton = new QPushButton(QStringLiteral("Search"), this);
    m_searchButton->setObjectName(QStringLiteral("SearchBtn"));
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));

    auto *left = new QWidget(this);
    auto *column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char *, QListWidget *> lists[] = {{"Project Files:", m_inUse},
                                                            {"Supporting Files:", m_supporting},
                                                            {"Orphan Files:", m_files}};
    for (const auto &[caption, list] : lists) {
        auto *label = new QLabel(QString::fromLatin1(caption), left);
        label->setBuddy(list);
        column->addWidget(label);
        column->addWidget(list, 1);
        connect(list, &QListWidget::itemClicked, this,
                [this, list = list](QListWidgetItem *item) { nameClicked(list, item); });
    }
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel(QStringLiteral("Searching File:"), left));
    statusRow->addWidget(m_status, 1);
    column->addLayout(statusRow);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_searchButton);
    buttons->addWidget(m_close);
    column->addLayout(buttons);
    left->setMinimumWidth(220);

    m_preview = new HtmlViewer(this);
    m_preview->setObjectName(QStringLiteral("HTMLViewer1"));
    m_preview->setMinimumSize(360, 360);
    // The preview shows the file; it follows no link.
    connect(m_preview, &HtmlViewer::hotSpotClick, this,
            [](const QString &, bool *handled) { *handled = true; });

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(m_preview);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(split);
    resize(720, 480);

    connect(m_searchButton, &QPushButton::clicked, this, &ExtraFilesFrm::search);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void ExtraFilesFrm::setStatus(const QString &text) {
    m_status->setText(text);
    // Shown at once: the search runs without returning to the event loop.
    m_status->repaint();
}

void ExtraFilesFrm::search() {
    m_searchButton->setEnabled(false);
    m_close->setEnabled(false);
    const int total = m_search.count();
    for (int i = 0; i < total; ++i) {
        setStatus(OrphanSearch::statusText(i + 1, total));
        m_search.searchFile(i);
        m_supporting->clear();
        m_supporting->addItems(m_search.supportingFiles());
    }
    setStatus(OrphanSearch::comparingText());
    const QStringList orphans = m_search.orphans(itemsOf(m_files));
    m_files->clear();
    m_files->addItems(orphans);
    setStatus(OrphanSearch::completeText());
    // "Search" stays off: the lists now hold its result.
    m_close->setEnabled(true);
}

void ExtraFilesFrm::nameClicked(QListWidget *list, QListWidgetItem *item) {
    for (QListWidget *other : {m_inUse, m_supporting, m_files}) {
        if (other != list)
            other->clearSelection();
    }
    if (item)
        showFile(item->text());
}

void ExtraFilesFrm::showFile(const QString &name) {
    const QString path = m_search.projectDir() + QLatin1Char('/') + name;
    if (!RegularFile::isRegular(path)) {
        m_preview->clear();
        return;
    }
    switch (fileShowing(name, m_documentExtensions, m_graphicExtensions)) {
    case FileShowing::Picture:
        m_preview->loadFromString(picturePage(name), m_search.projectDir());
        break;
    case FileShowing::Page:
        m_preview->loadFromFile(path);
        break;
    case FileShowing::PlainText:
        m_preview->loadFromString(plainTextPage(path), m_search.projectDir());
        break;
    }
}

QStringList ExtraFilesFrm::filesInUse() const {
    return itemsOf(m_inUse);
}

QStringList ExtraFilesFrm::supportingFiles() const {
    return itemsOf(m_supporting);
}

QStringList ExtraFilesFrm::orphanFiles() const {
    return itemsOf(m_files);
}

QString ExtraFilesFrm::status() const {
    return m_status->text();
}
