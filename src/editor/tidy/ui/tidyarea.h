#pragma once

#include "app/area.h"

#include <QObject>
#include <QPointer>

class ActiveDocument;
class Shell;
class TidyResultsDialog;
struct MainActions;

// "Check with HTML &Tidy..." in the Page menu: runs HTML Tidy over the text in
// the editor (not the file: unsaved changes count) and lists its warnings and
// errors; a double-click on one puts the caret there. The page itself is
// never changed.
class TidyArea : public QObject, public Area {
    Q_OBJECT
public:
    TidyArea(Shell &shell, ActiveDocument &document, MainActions &actions,
             QObject *parent = nullptr);
    ~TidyArea() override;

    void updateMenus(const UiState &state) override;

    // Checks the page on screen and shows the findings.
    void checkPage();
    // Puts the caret at `line` (from 1) and `column` (from 0) of `document`,
    // bringing its tab forward if it is open but not on screen.
    void goTo(const QString &document, int line, int column);
    TidyResultsDialog *resultsDialog() const;

private:
    Shell &m_shell;
    ActiveDocument &m_document;
    MainActions &m_a;
    QPointer<TidyResultsDialog> m_dialog;
};
