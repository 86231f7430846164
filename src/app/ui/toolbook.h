#pragma once

#include <QStringList>
#include <QTabWidget>
#include <QVector>

// The tag tool pages (`PowerBook`), addressed by their fixed place among all
// pages (MainWidgets::ToolPage) whether shown or not. A page that is not
// shown is taken out of the tab strip instead of being hidden in it, so that
// the strip's scroll arrows always reach the last page shown.
class ToolBook : public QTabWidget {
    Q_OBJECT
public:
    explicit ToolBook(QWidget *parent = nullptr);

    // Adds the next page, shown, under `caption`.
    void addPage(QWidget *page, const QString &caption);
    int pageCount() const { return m_pages.size(); }

    bool isPageShown(int page) const;
    void setPageShown(int page, bool shown);
    // The caption, also while the page is not shown.
    QString pageText(int page) const;
    void setPageText(int page, const QString &caption);

private:
    int tabOf(int page) const;

    QVector<QWidget *> m_pages;
    QStringList m_captions;
    QVector<bool> m_shown;
};
