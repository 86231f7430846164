#include "editor/tidy/ui/tidyarea.h"
#include "app/menurules.h"
#include "app/scopeguards.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "documents/activedocument.h"
#include "editor/tidy/tidychecker.h"
#include "editor/tidy/ui/tidyresultsdialog.h"
#include "editor/tledit.h"

#include <QAction>

TidyArea::TidyArea(Shell &shell, ActiveDocument &document, MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_a(actions) {
    MainActions::setBuilt({m_a.checkWithTidy});
    connect(m_a.checkWithTidy, &QAction::triggered, this, &TidyArea::checkPage);
}

TidyArea::~TidyArea() {
    delete m_dialog;
}

void TidyArea::updateMenus(const UiState &state) {
    MainActions::setUsable(m_a.checkWithTidy, state.documentOpen);
}

void TidyArea::checkPage() {
    if (!m_document.isOpen())
        return;
    QList<TidyFinding> findings;
    {
        WaitCursor wait;
        findings = TidyChecker().check(m_document.editor().text());
    }
    if (!m_dialog) {
        m_dialog = new TidyResultsDialog(m_shell.dialogParent());
        connect(m_dialog, &TidyResultsDialog::goTo, this, &TidyArea::goTo);
    }
    m_dialog->showFindings(m_document.currentFile(), findings);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TidyArea::goTo(const QString &document, int line, int column) {
    if (m_document.currentFile() != document) {
        // Only a page still open is brought back; a closed one is not reopened.
        if (!m_document.isFileNameOpen(document) || !m_document.loadFile(document, false) ||
            m_document.currentFile() != document)
            return;
    }
    m_shell.hideFullScreen();
    TLEdit &editor = m_document.editor();
    editor.startLine = editor.endLine = line;
    editor.startPos = editor.endPos = column;
    editor.applySelection();
    editor.ensureLineVisible(line - 1);
    if (QWidget *window = editor.window()) {
        window->raise();
        window->activateWindow();
    }
    editor.setFocus();
}

TidyResultsDialog *TidyArea::resultsDialog() const {
    return m_dialog;
}
