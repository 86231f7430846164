// What the Table Veda Guy does when its controls are used.

#include "generators/table/ui/tablecreatedialog.h"

#include "app/userinteraction.h"
#include "generators/common/definitionfile.h"
#include "generators/common/ui/colorbutton.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/generatorhost.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

namespace {

const QString kFilter = QStringLiteral("Table Definition|*.tbl");

} // namespace

void TableCreateDialog::tblBuildClick() {
    if (m_model.tableBuilt() && m_confirm->isChecked()) {
        const int answer = m_host.ui().message(
            QStringLiteral("If you select to rebuild a table your current settings will be "
                           "reset.  Build anyway?"),
            Msg::Confirmation, Msg::Yes | Msg::No);
        if (answer != Msg::ResultYes)
            return;
    }
    m_model.build(m_rows->value(), m_cols->value(), tableControls());
    m_next->setEnabled(m_notebook->currentIndex() != CellPage);
    // The old selection is gone with the old table.
    toggleEnabled(false);
    showTableSettings(m_model.settings());
    updateViewCaption();
    updateMenus();
    refreshPreview();
}

void TableCreateDialog::tblPaddingChange() {
    if (m_updatesSuspended)
        return;
    m_model.setSettings(tableControls());
    if (m_model.tableBuilt())
        refreshPreview();
}

void TableCreateDialog::htmlViewerHotSpotClick(const QString &target) {
    // Only a cell's marker selects; another link the user put in a cell does
    // nothing.
    if (!m_model.selectCell(target))
        return;
    m_updatesSuspended = true;
    if (!m_deleteCell->isEnabled())
        toggleEnabled(true);
    showPage(CellPage);
    showCell(m_model.currentCellSettings());
    m_updatesSuspended = false;
}

void TableCreateDialog::rowSpanChange() {
    if (!m_updatesSuspended)
        updateCell();
}

void TableCreateDialog::updateCell() {
    if (m_model.currentCell() <= 0)
        return;
    m_model.updateCell(cellControls());
    refreshPreview();
}

void TableCreateDialog::deleteCellClick() {
    if (m_model.currentCell() <= 0)
        return;
    m_model.deleteCell();
    refreshPreview();
    toggleEnabled(false);
}

void TableCreateDialog::addCellClick() {
    if (m_model.currentCell() <= 0)
        return;
    m_model.addCell(m_whereToAdd->itemIndex() == 0 ? TableModel::Where::Before
                                                   : TableModel::Where::After);
    refreshPreview();
}

void TableCreateDialog::addRowClick() {
    if (m_model.currentCell() <= 0)
        return;
    m_model.addRow(m_whereToAdd->itemIndex() == 0 ? TableModel::Where::Before
                                                  : TableModel::Where::After);
    refreshPreview();
}

void TableCreateDialog::viewClick() {
    if (!m_model.tableBuilt())
        return;
    m_model.toggleView();
    // In the view form no cell is selected, so the cell controls rest until
    // the next cell is chosen.
    if (m_model.isViewForm())
        toggleEnabled(false);
    updateViewCaption();
    refreshPreview();
}

void TableCreateDialog::copyHtmlToClipboardClick() {
    if (!m_model.tableBuilt())
        return;
    QGuiApplication::clipboard()->setText(m_model.clipboardText());
}

void TableCreateDialog::tableFuncitons1Click() {
    updateMenus();
}

void TableCreateDialog::colorButtonClick(QLineEdit *field, bool cellColor) {
    if (!chooseFieldColor(m_host.ui(), *field))
        return;
    if (cellColor) {
        updateCell();
    } else {
        m_model.setSettings(tableControls());
        if (m_model.tableBuilt())
            refreshPreview();
    }
}

void TableCreateDialog::prevPageClick() {
    const int page = m_notebook->currentIndex();
    if (page > MainPage)
        showPage(page - 1);
}

void TableCreateDialog::nextPageClick() {
    const int page = m_notebook->currentIndex();
    if (page == MainPage && !m_model.tableBuilt())
        return;
    if (page < CellPage)
        showPage(page + 1);
}

void TableCreateDialog::showPage(int page) {
    m_notebook->setCurrentIndex(page);
    m_prev->setEnabled(page != MainPage);
    m_next->setEnabled(page != CellPage && m_model.tableBuilt());
}

void TableCreateDialog::saveTableDefinition1Click() {
    saveDefinition();
}

TableCreateDialog::SaveResult TableCreateDialog::saveDefinition() {
    if (!m_model.tableBuilt())
        return SaveResult::Cancelled;
    if (m_model.isViewForm()) {
        m_model.showEditForm();
        updateViewCaption();
        refreshPreview();
    }
    FileRequest request;
    request.filter = kFilter;
    request.fileName = m_fileName;
    request.folder =
        m_fileName.isEmpty() ? m_host.documentFolder() : QFileInfo(m_fileName).absolutePath();
    const QString chosen = m_host.ui().saveFile(request);
    if (chosen.isEmpty())
        return SaveResult::Cancelled;
    const QString path = DefinitionFile::withExtension(chosen, QStringLiteral(".tbl"));
    QString error;
    if (!DefinitionFile::writeLines(path, m_model.definitionLines(), &error)) {
        m_host.ui().message(
            error + QStringLiteral("\n\nThe table was not saved; it is still here in the dialog."),
            Msg::Error, Msg::Ok);
        return SaveResult::Failed;
    }
    m_model.markSaved();
    m_fileName = path;
    return SaveResult::Saved;
}

void TableCreateDialog::open1Click() {
    FileRequest request;
    request.filter = kFilter;
    request.fileName = m_fileName;
    request.folder =
        m_fileName.isEmpty() ? m_host.documentFolder() : QFileInfo(m_fileName).absolutePath();
    const QString path = m_host.ui().openFile(request);
    if (path.isEmpty())
        return;
    QStringList lines;
    QString error;
    if (!DefinitionFile::readLines(path, lines, &error)) {
        m_host.ui().message(error, Msg::Error, Msg::Ok);
        return;
    }
    QStringList notes;
    if (!m_model.open(lines, &notes)) {
        m_host.ui().message(
            QStringLiteral("The file %1 is not a table definition: it does not start with a "
                           "table tag.")
                .arg(path),
            Msg::Error, Msg::Ok);
        return;
    }
    m_fileName = path;
    toggleEnabled(false);
    updateViewCaption();
    refreshPreview();
    showTableSettings(m_model.settings());
    m_next->setEnabled(m_notebook->currentIndex() != CellPage);
    updateMenus();
    if (!notes.isEmpty()) {
        m_host.ui().message(
            QStringLiteral("The table definition %1 does not follow the usual layout; it was "
                           "opened as far as it could be read.\n\nNot read, set to the default: "
                           "%2.")
                .arg(path, notes.join(QStringLiteral(", "))),
            Msg::Warning, Msg::Ok);
    }
}

void TableCreateDialog::exit1Click(bool insert) {
    if (m_model.tableChanged()) {
        const int answer = m_host.ui().message(
            QStringLiteral("Would you like to save the Table Definition before proceeding?"),
            Msg::Confirmation, Msg::Yes | Msg::No | Msg::Cancel);
        if (answer == Msg::ResultYes) {
            // A failed save keeps the dialog open, so the table is not lost.
            if (saveDefinition() == SaveResult::Failed)
                return;
        } else if (answer != Msg::ResultNo) {
            return;
        }
    }
    if (insert && m_model.tableBuilt())
        m_host.insertLines(m_model.linesToInsert());
    if (insert)
        accept();
    else
        reject();
}

void TableCreateDialog::toggleEnabled(bool on) {
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_deleteCell, m_addCell, m_addRow, m_cellText,
                                          m_cellHeader, m_rowSpan, m_colSpan, m_valign, m_halign})
        w->setEnabled(on);
    if (!on) {
        const bool suspended = m_updatesSuspended;
        m_updatesSuspended = true;
        m_cellText->clear();
        m_updatesSuspended = suspended;
    }
}

void TableCreateDialog::refreshPreview() {
    m_preview->showHtml(m_model.previewHtml(), m_host.documentFolder());
}

void TableCreateDialog::updateViewCaption() {
    m_view->setText(m_model.isViewForm() ? QStringLiteral("&Edit") : QStringLiteral("&View"));
}

void TableCreateDialog::updateMenus() {
    const bool built = m_model.tableBuilt();
    m_view->setEnabled(built);
    m_copy->setEnabled(built);
    m_save->setEnabled(built);
}
