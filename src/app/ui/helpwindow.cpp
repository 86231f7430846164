#include "app/ui/helpwindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &indexPage, QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quilmead Help"));
    resize(640, 520);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto *row = new QHBoxLayout;
    row->addWidget(contents);
    row->addWidget(back);
    row->addWidget(forward);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_browser);

    if (QFileInfo::exists(indexPage))
        m_browser->setSource(QUrl::fromLocalFile(indexPage));
    else
        m_browser->setPlainText(QStringLiteral("The help file could not be found: ") + indexPage);
}

QString HelpWindow::currentPage() const {
    return m_browser->source().toLocalFile();
}
