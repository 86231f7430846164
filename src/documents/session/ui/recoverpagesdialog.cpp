#include "documents/session/ui/recoverpagesdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString stamp(const QDateTime &time) {
    return time.isValid() ? QLocale().toString(time, QLocale::ShortFormat)
                          : QStringLiteral("(file missing)");
}

} // namespace

RecoverPagesDialog::RecoverPagesDialog(const QList<RecoverablePage> &pages, QWidget *parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("RecoverUnsavedPages"));
    setWindowTitle(QStringLiteral("Recover unsaved pages"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        QStringLiteral("When Quilmead last ended, these pages had changes that were not saved.\n"
                       "Open: the page opens in a tab with the unsaved text; the file itself "
                       "changes only when you save it.\n"
                       "Discard: the unsaved text is deleted and the file stays as it was saved."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_list->setObjectName(QStringLiteral("RecoverList"));
    m_list->setRootIsDecorated(false);
    m_list->setTextElideMode(Qt::ElideMiddle); // a long path keeps its file name
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("Unsaved text of"),
                             QStringLiteral("Last saved"), QStringLiteral("Action")});
    for (const RecoverablePage &page : pages) {
        // The whole path: two pages of one name in different folders stay apart.
        auto *item = new QTreeWidgetItem(m_list, {QDir::toNativeSeparators(page.document),
                                                  stamp(page.copyWritten),
                                                  stamp(page.documentSaved), QString()});
        item->setToolTip(0, page.document);
        item->setData(0, Qt::UserRole, page.document);
        auto *choice = new QComboBox(m_list);
        choice->addItem(QStringLiteral("Open"));
        choice->addItem(QStringLiteral("Discard"));
        m_list->setItemWidget(item, 3, choice);
        m_choices << choice;
    }
    // The path takes the room left; the choice is as wide as its box.
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 3; ++c)
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(3, QHeaderView::Fixed);
    int choiceWidth = header->sectionSizeHint(3);
    for (const QComboBox *choice : m_choices)
        choiceWidth = std::max(choiceWidth, choice->sizeHint().width());
    header->resizeSection(3, choiceWidth);
    layout->addWidget(m_list);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Decide &Later"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(780, 320);
}

QList<RecoveryAction> RecoverPagesDialog::actions() const {
    QList<RecoveryAction> actions;
    for (const QComboBox *choice : m_choices)
        actions << (choice->currentIndex() == 1 ? RecoveryAction::Discard : RecoveryAction::Open);
    return actions;
}

void RecoverPagesDialog::setAction(int row, RecoveryAction action) {
    if (row >= 0 && row < m_choices.size())
        m_choices[row]->setCurrentIndex(action == RecoveryAction::Discard ? 1 : 0);
}
