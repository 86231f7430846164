#pragma once

#include "editor/tidy/tidychecker.h"

#include <QDialog>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The findings of HTML Tidy about one page, with line and column. A
// double-click (or Enter) on a finding asks for the caret to go there. The
// window stays open beside the editor while the user mends the page.
class TidyResultsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TidyResultsDialog(QWidget *parent = nullptr);

    // Shows the findings about `document`, ordered by line and column.
    void showFindings(const QString &document, QList<TidyFinding> findings);
    QString document() const { return m_document; }
    QTreeWidget *list() const { return m_list; }
    QString summary() const;

signals:
    void goTo(const QString &document, int line, int column);

private:
    void activate(QTreeWidgetItem *item);

    QString m_document;
    QLabel *m_summary;
    QTreeWidget *m_list;
};
