#include "projects/evaluation/ui/sitecheckdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

SiteCheckDialog::SiteCheckDialog(const QString &folder, const QStringList &pages, OpenPage openPage,
                                 QWidget *parent)
    : QDialog(parent), m_folder(folder), m_pages(pages), m_openPage(std::move(openPage)) {
    setObjectName(QStringLiteral("SiteCheckForm"));
    setWindowTitle(QStringLiteral("Check Project References"));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("CheckStatus"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("CheckProgress"));
    m_progress->setRange(0, qMax(1, int(pages.size())));
    m_progress->setValue(0);

    m_report = new QListWidget;
    m_report->setObjectName(QStringLiteral("ReportList"));
    m_report->setUniformItemSizes(true);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_report->setToolTip(QStringLiteral("Double click a line to open its page there"));
    connect(m_report, &QListWidget::itemDoubleClicked, this, &SiteCheckDialog::lineDoubleClicked);

    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setObjectName(QStringLiteral("CancelCheck"));
    connect(m_cancel, &QPushButton::clicked, this, &SiteCheckDialog::cancel);
    m_copy = new QPushButton(QStringLiteral("Copy Report"));
    m_copy->setObjectName(QStringLiteral("CopyReport"));
    m_copy->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, &SiteCheckDialog::copyReport);
    m_close = new QPushButton(QStringLiteral("&Close"));
    m_close->setObjectName(QStringLiteral("CloseReport"));
    m_close->setEnabled(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto *progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(progress);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
    resize(640, 480);
}

void SiteCheckDialog::run() {
    if (m_running)
        return;
    m_running = true;
    m_cancelled = false;
    SiteCheck check(m_folder, m_pages);
    m_progress->setRange(0, qMax(1, check.pageCount()));
    QElapsedTimer sinceEvents;
    bool first = true;
    while (!check.atEnd() && !m_cancelled) {
        m_progress->setValue(check.checkedCount());
        m_status->setText(QStringLiteral("Checking %1 of %2: %3")
                              .arg(check.checkedCount() + 1)
                              .arg(check.pageCount())
                              .arg(check.nextPageName()));
        // Let the window repaint and Cancel be pressed, without paying for it
        // on every one of many small pages.
        if (first || sinceEvents.elapsed() >= 50) {
            QApplication::processEvents();
            sinceEvents.start();
            first = false;
            if (m_cancelled)
                break;
        }
        check.checkNext();
    }
    QApplication::processEvents();
    const SiteReport report = check.report(m_cancelled);
    m_progress->setValue(check.checkedCount());
    showReport(report);
    m_running = false;
}

void SiteCheckDialog::showReport(const SiteReport &report) {
    m_lines = siteReportLines(report);
    QStringList texts;
    texts.reserve(m_lines.size());
    for (const SiteReportLine &line : std::as_const(m_lines))
        texts.append(line.text);
    m_report->clear();
    m_report->addItems(texts);
    m_status->setText(report.cancelled ? QStringLiteral("Check cancelled.")
                                       : QStringLiteral("Check complete."));
    m_cancel->setEnabled(false);
    m_copy->setEnabled(true);
    m_close->setEnabled(true);
    m_close->setDefault(true);
}

void SiteCheckDialog::lineDoubleClicked(QListWidgetItem *item) {
    const int row = m_report->row(item);
    if (row < 0 || row >= m_lines.size())
        return;
    const SiteReportLine &line = m_lines[row];
    if (!line.pagePath.isEmpty() && m_openPage)
        m_openPage(line.pagePath, qMax(1, line.line));
}

void SiteCheckDialog::copyReport() {
    QApplication::clipboard()->setText(reportText());
}

// While the check runs, closing the window (or Escape) cancels it first.
void SiteCheckDialog::closeEvent(QCloseEvent *event) {
    if (m_running) {
        cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SiteCheckDialog::reject() {
    if (m_running) {
        cancel();
        return;
    }
    QDialog::reject();
}
