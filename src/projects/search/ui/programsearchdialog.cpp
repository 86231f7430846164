#include "projects/search/ui/programsearchdialog.h"

#include "app/driveroots.h"
#include "app/userinteraction.h"
#include "projects/search/programsearch.h"
#include "projects/search/programwalk.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ProgramSearchDialog::ProgramSearchDialog(UserInteraction &ui, QWidget *parent)
    : QDialog(parent), m_ui(ui), m_search(new ProgramSearch(this)) {
    setObjectName(QStringLiteral("TSearchForm"));
    setWindowTitle(QStringLiteral("Search "));

    m_additional = new QLineEdit(this);
    m_additional->setObjectName(QStringLiteral("AdditionalBrowser"));
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QString &root : driveRoots())
        m_drives->addItem(root, root);
    m_drives->setCurrentIndex(0); // the root of the whole tree

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setMinimumSize(360, 160);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SearchStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setMinimumWidth(1); // a long folder name must not widen the window

    m_searchButton = new QPushButton(QStringLiteral("&Search"), this);
    m_searchButton->setObjectName(QStringLiteral("Search"));
    m_searchButton->setAutoDefault(false);
    m_stopButton = new QPushButton(QStringLiteral("S&top"), this);
    m_stopButton->setObjectName(QStringLiteral("StopSearch"));
    m_stopButton->setAutoDefault(false);
    m_stopButton->setEnabled(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Additional Browser Name:"), this), 0, 0);
    fields->addWidget(m_additional, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Drive to search:"), this), 1, 0);
    fields->addWidget(m_drives, 1, 1);
    fields->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_searchButton);
    buttons->addWidget(m_stopButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    connect(m_searchButton, &QPushButton::clicked, this, &ProgramSearchDialog::search);
    connect(m_stopButton, &QPushButton::clicked, m_search, &ProgramSearch::stop);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_search, &ProgramSearch::found, this, &ProgramSearchDialog::addFound);
    connect(m_search, &ProgramSearch::searching, m_status, &QLabel::setText);
    connect(m_search, &ProgramSearch::finished, this, &ProgramSearchDialog::searchFinished);
}

ProgramSearchDialog::~ProgramSearchDialog() = default;

QString ProgramSearchDialog::chosenProgram() const {
    if (m_list->count() == 0)
        return QString();
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->text() : m_list->item(0)->text();
}

bool ProgramSearchDialog::isSearching() const {
    return m_search->isRunning();
}

void ProgramSearchDialog::search() {
    m_list->clear();
    const QString root = m_drives->currentData().toString();
    if (root.isEmpty())
        return;
    setSearching(true);
    m_tellEmpty = true;
    m_search->start(root, programSearchMasks(m_additional->text()));
}

void ProgramSearchDialog::addFound(int row, const QString &path) {
    m_list->insertItem(row, path);
    if (!m_list->currentItem())
        m_list->setCurrentRow(0);
}

void ProgramSearchDialog::searchFinished(bool completed) {
    setSearching(false);
    emit searchEnded();
    if (completed && m_tellEmpty && m_list->count() == 0)
        m_ui.message(QStringLiteral("No files matching the mask were found!"), Msg::Information,
                     Msg::Ok);
}

void ProgramSearchDialog::setSearching(bool on) {
    m_searchButton->setEnabled(!on);
    m_stopButton->setEnabled(on);
    m_status->clear();
    if (on) {
        // Only this window shows the busy pointer: it still takes Stop,
        // OK and Cancel.
        setCursor(Qt::BusyCursor);
        m_stopButton->setFocus();
    } else {
        unsetCursor();
    }
}

void ProgramSearchDialog::done(int result) {
    // A walk that ends as the window closes has nothing more to say.
    m_tellEmpty = false;
    m_search->stop();
    QDialog::done(result);
}
