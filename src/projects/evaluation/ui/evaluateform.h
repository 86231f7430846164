#pragma once

#include "projects/evaluation/pageevaluation.h"

#include <QDialog>
#include <QUrl>
#include <QVector>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class UserInteraction;

// "Web Page Details": the references of the page in the editor, as the
// evaluation found them. The window evaluates the page again each time it
// becomes active, so it follows the page while the user edits.
//
// A click on an item of the six lists shows its text in the header strip;
// a double-click on a details line moves the editor's caret to the line and
// column of its reference and closes the window; a double-click on a link
// hands it to the desktop's e-mail program or web browser.
class EvaluateForm : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        // Evaluates the page in the editor (with the hourglass shown).
        std::function<PageEvaluation()> evaluate;
        // Puts the editor's caret at a line (from 1) and column (from 0).
        std::function<void(int line, int column)> moveCaret;
        // The page's file, against which links to files are resolved.
        std::function<QString()> pagePath;
        // Opens a link on the desktop; QDesktopServices when not set.
        std::function<bool(const QUrl &)> openUrl;
    };

    explicit EvaluateForm(UserInteraction &ui, QWidget *parent = nullptr);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Evaluates the page (the `evaluate` hook) and shows the result.
    void refresh();
    void showEvaluation(const PageEvaluation &evaluation);

    QLabel *header() const { return m_header; }
    QListWidget *details() const { return m_details; }

protected:
    bool event(QEvent *event) override;

private:
    QListWidget *makeList(const char *name);
    void listClicked(QListWidget *list, QListWidgetItem *item);
    void detailsDoubleClicked(QListWidgetItem *item);
    void linkDoubleClicked(QListWidgetItem *item);

    UserInteraction &m_ui;
    Hooks m_hooks;
    QLabel *m_header = nullptr;
    QVector<QListWidget *> m_lists; // the six sorted lists
    QListWidget *m_filesFound = nullptr;
    QListWidget *m_filesMissing = nullptr;
    QListWidget *m_links = nullptr;
    QListWidget *m_locatedLinks = nullptr;
    QListWidget *m_pageMarkers = nullptr;
    QListWidget *m_missingPages = nullptr;
    QListWidget *m_details = nullptr;
    QVector<DetailLine> m_detailPlaces;
};
