#pragma once

#include <QWidget>

class QTextBrowser;

// Shows the program's help book, a small set of HTML pages in the program
// folder, with back, forward and contents buttons.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString &indexPage, QWidget *parent = nullptr);
    QString currentPage() const;

private:
    QTextBrowser *m_browser = nullptr;
};
