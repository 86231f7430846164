#pragma once

#include "projects/evaluation/sitereporttext.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

// "Check Project References": checks every page of a project without
// opening it in the editor, with a progress bar and a Cancel button, and
// shows one report. A double-click on a line of the report opens its page at
// that line; "Copy Report" puts the whole report on the clipboard as text.
class SiteCheckDialog : public QDialog {
    Q_OBJECT
public:
    // Opens a page (its full path) in the editor at a line (from 1).
    using OpenPage = std::function<void(const QString &path, int line)>;

    SiteCheckDialog(const QString &folder, const QStringList &pages, OpenPage openPage,
                    QWidget *parent = nullptr);

    // Runs the check, keeping the window responsive, then shows the report.
    // Call it once the window is shown.
    void run();
    // Stops a running check after the page in hand; the report covers the
    // pages checked.
    void cancel() { m_cancelled = true; }
    bool isRunning() const { return m_running; }
    // Escape or Close while the check runs cancels the check first.
    void reject() override;

    const QVector<SiteReportLine> &reportLines() const { return m_lines; }
    QString reportText() const { return siteReportText(m_lines); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showReport(const SiteReport &report);
    void lineDoubleClicked(QListWidgetItem *item);
    void copyReport();

    QString m_folder;
    QStringList m_pages;
    OpenPage m_openPage;
    bool m_running = false;
    bool m_cancelled = false;
    QVector<SiteReportLine> m_lines;

    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QListWidget *m_report = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_close = nullptr;
};
