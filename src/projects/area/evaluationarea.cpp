#include "projects/area/evaluationarea.h"

#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "projects/evaluation/pageevaluation.h"
#include "projects/evaluation/ui/evaluateform.h"

#include <QAction>

EvaluationArea::EvaluationArea(Shell &shell, ActiveDocument &document, MainActions &actions,
                               QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_a(actions) {
    m_form = new EvaluateForm(shell.ui(), shell.dialogParent());
    m_form->setHooks({[this] { return evaluate(); },
                      [this](int line, int column) { moveCaret(line, column); },
                      [this] { return m_document.currentFile(); },
                      {}});
    MainActions::setBuilt({m_a.evaluate, m_a.popupEvaluate});
    for (QAction *x : {m_a.evaluate, m_a.popupEvaluate})
        connect(x, &QAction::triggered, this, &EvaluationArea::showEvaluation);
}

EvaluationArea::~EvaluationArea() {
    // The window calls back into this object.
    delete m_form;
}

void EvaluationArea::showEvaluation() {
    if (!m_document.isOpen())
        return;
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

PageEvaluation EvaluationArea::evaluate() {
    // With no page in the editor there is nothing to look at.
    if (!m_document.isOpen())
        return evaluatePage(QString(), QString());
    return evaluatePage(m_document.editor().text(), m_document.currentDir());
}

void EvaluationArea::moveCaret(int line, int column) {
    if (!m_document.isOpen())
        return;
    TLEdit &editor = m_document.editor();
    if (editor.lineCount() < 1)
        return;
    editor.startLine = editor.endLine = line;
    editor.startPos = editor.endPos = column;
    editor.applySelection();
    editor.readSelection();
    m_shell.setStatusText(Shell::CaretPanel,
                          QStringLiteral("%1:%2").arg(editor.endLine).arg(editor.endPos));
    editor.setFocus(Qt::OtherFocusReason);
}

void EvaluationArea::updateMenus(const UiState &state) {
    MainActions::setUsable(m_a.evaluate, state.documentOpen);
    MainActions::setUsable(m_a.popupEvaluate, state.documentOpen);
}
