#include "app/ui/toolbook.h"

ToolBook::ToolBook(QWidget *parent) : QTabWidget(parent) {}

void ToolBook::addPage(QWidget *page, const QString &caption) {
    m_pages.append(page);
    m_captions.append(caption);
    m_shown.append(true);
    addTab(page, caption);
}

int ToolBook::tabOf(int page) const {
    return indexOf(m_pages.at(page));
}

bool ToolBook::isPageShown(int page) const {
    return page >= 0 && page < m_pages.size() && m_shown.at(page);
}

void ToolBook::setPageShown(int page, bool shown) {
    if (page < 0 || page >= m_pages.size() || m_shown.at(page) == shown)
        return;
    m_shown[page] = shown;
    if (!shown) {
        removeTab(tabOf(page));
        return;
    }
    // Back in its place: after every shown page that comes before it.
    int at = 0;
    for (int i = 0; i < page; ++i)
        if (m_shown.at(i))
            ++at;
    insertTab(at, m_pages.at(page), m_captions.at(page));
}

QString ToolBook::pageText(int page) const {
    return page >= 0 && page < m_captions.size() ? m_captions.at(page) : QString();
}

void ToolBook::setPageText(int page, const QString &caption) {
    if (page < 0 || page >= m_captions.size())
        return;
    m_captions[page] = caption;
    const int tab = tabOf(page);
    if (tab >= 0)
        setTabText(tab, caption);
}
