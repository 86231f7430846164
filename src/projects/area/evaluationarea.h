#pragma once

#include "app/area.h"
#include "projects/evaluation/ui/evaluateform.h"

#include <QObject>
#include <QPointer>

class ActiveDocument;
class Shell;
struct MainActions;
struct PageEvaluation;

// Page evaluation: "&Evaluate..." in the Page menu and "Evaluate" in the
// editor's pop-up show the page details window, which lives from start-up to
// exit and evaluates the page in the editor each time it becomes active. A
// double-click on one of its details lines puts the editor's caret there.
class EvaluationArea : public QObject, public Area {
    Q_OBJECT
public:
    EvaluationArea(Shell &shell, ActiveDocument &document, MainActions &actions,
                   QObject *parent = nullptr);
    ~EvaluationArea() override;

    EvaluateForm &form() { return *m_form; }
    // Shows (or raises) the page details window; its activation evaluates.
    void showEvaluation();

    void updateMenus(const UiState &state) override;

private:
    PageEvaluation evaluate();
    void moveCaret(int line, int column);

    Shell &m_shell;
    ActiveDocument &m_document;
    MainActions &m_a;
    QPointer<EvaluateForm> m_form;
};
