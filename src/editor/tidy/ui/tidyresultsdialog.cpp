#include "editor/tidy/ui/tidyresultsdialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { LineColumn, ColumnColumn, KindColumn, TextColumn };
enum Role { LineRole = Qt::UserRole, ColumnRole };

} // namespace

TidyResultsDialog::TidyResultsDialog(QWidget *parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("TidyResults"));
    auto *layout = new QVBoxLayout(this);
    m_summary->setObjectName(QStringLiteral("TidySummary"));
    layout->addWidget(m_summary);
    m_list->setObjectName(QStringLiteral("TidyList"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Column"),
                             QStringLiteral("Kind"), QStringLiteral("Message")});
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    connect(m_list, &QTreeWidget::itemActivated, this, &TidyResultsDialog::activate);
    resize(700, 360);
}

void TidyResultsDialog::showFindings(const QString &document, QList<TidyFinding> findings) {
    m_document = document;
    // In the page's order, as the user goes through it; Tidy reports some
    // faults only where it notices them (an unclosed table at </body>), and
    // findings about one place keep Tidy's order.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const TidyFinding &a, const TidyFinding &b) {
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    setWindowTitle(QStringLiteral("HTML Tidy - ") + QFileInfo(document).fileName());
    m_list->clear();
    int warnings = 0;
    int errors = 0;
    for (const TidyFinding &finding : findings) {
        const bool error = finding.kind == TidyFinding::Kind::Error;
        (error ? errors : warnings)++;
        auto *item = new QTreeWidgetItem(m_list);
        // Shown as the editor's status bar shows the caret: line from 1,
        // column from 0.
        item->setText(LineColumn, finding.line > 0 ? QString::number(finding.line) : QString());
        item->setText(ColumnColumn, finding.line > 0 ? QString::number(finding.column) : QString());
        item->setText(KindColumn, error ? QStringLiteral("Error") : QStringLiteral("Warning"));
        item->setText(TextColumn, finding.text);
        item->setToolTip(TextColumn, finding.text);
        item->setData(LineColumn, LineRole, finding.line);
        item->setData(LineColumn, ColumnRole, finding.column);
    }
    for (int c = LineColumn; c < TextColumn; ++c)
        m_list->resizeColumnToContents(c);
    m_summary->setText(findings.isEmpty()
                           ? QStringLiteral("HTML Tidy found no warnings or errors.")
                           : QStringLiteral("HTML Tidy found %1 warning(s) and %2 error(s). "
                                            "Double-click one to go there.")
                                 .arg(warnings)
                                 .arg(errors));
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

QString TidyResultsDialog::summary() const {
    return m_summary->text();
}

void TidyResultsDialog::activate(QTreeWidgetItem *item) {
    if (!item)
        return;
    const int line = item->data(LineColumn, LineRole).toInt();
    if (line > 0)
        emit goTo(m_document, line, item->data(LineColumn, ColumnRole).toInt());
}
