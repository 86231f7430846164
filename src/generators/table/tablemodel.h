#pragma once

#include "generators/table/tablelines.h"

#include <QString>
#include <QStringList>

// The Table Veda Guy without its window: the table settings, the lines of the
// table (see tablelines.h) and every edit the dialog offers. The dialog only
// collects input, calls these and shows previewHtml().
class TableModel {
public:
    enum class Where { Before, After };

    // The lines as they are now, in the form shown.
    const QStringList &tableLines() const { return m_lines; }
    // Index of the selected cell's line; -1 when none is selected.
    int currentCell() const { return m_currentCell; }
    int nextCellNumber() const { return m_nextCellNumber; }
    bool tableBuilt() const { return m_built; }
    // The table changed since it was last saved as a definition.
    bool tableChanged() const { return m_changed; }
    bool isViewForm() const { return m_viewForm; }
    const TableSettings &settings() const { return m_settings; }

    // Starts afresh: the table settings go back to their defaults except the
    // table and border colours, which are taken from `colors`; the table gets
    // `rows` rows of `columns` new cells, numbered from 0.
    void build(int rows, int columns, const TableSettings &colors = TableSettings());

    // New table settings; when a table exists its start tag and caption line
    // are rebuilt and the table counts as changed.
    void setSettings(const TableSettings &settings);

    // Selects the cell whose marker the user clicked. Returns false, leaving
    // the selection as it was, when no cell carries that marker.
    bool selectCell(const QString &marker);
    // The selected cell's settings as its line holds them.
    CellSettings currentCellSettings() const;
    // Rebuilds the selected cell's line from `cell`; nothing without a
    // selected cell.
    void updateCell(const CellSettings &cell);
    // Removes the selected cell, and its row when the row is left empty. The
    // selection ends.
    void deleteCell();
    // A new cell (coloured like the table) before or after the selected one.
    void addCell(Where where);
    // A new row of one cell before the selected cell's row or after it.
    void addRow(Where where);

    // Switches between the edit form and the view form. Going to the view form
    // ends the selection; coming back renumbers the markers from 0.
    void toggleView();
    // Switches to the edit form when the view form is shown.
    void showEditForm();

    // The whole table in the view form, each line followed by CR LF.
    QString clipboardText() const;
    // The lines to insert into the page: without markers; a table shown in the
    // edit form also loses its empty BGCOLOR attributes.
    QStringList linesToInsert() const;
    // The mark-up the preview shows.
    QString previewHtml() const;

    // The table as a definition file holds it (the edit form). Call
    // showEditForm() first.
    QStringList definitionLines() const { return m_lines; }
    void markSaved() { m_changed = false; }

    // Replaces the table by the lines of a definition file (in the edit form).
    // Lines that do not follow the layout are repaired as far as that keeps
    // them: a missing start tag, caption line or "</TABLE>" is put in. Returns
    // false, changing nothing, when the lines hold no table at all; `notes`
    // receives what could not be read.
    bool open(const QStringList &lines, QStringList *notes = nullptr);

private:
    void refreshHead();
    QString tableColorText() const;
    bool hasSelection() const;

    QStringList m_lines;
    TableSettings m_settings;
    int m_currentCell = -1;
    int m_nextCellNumber = 0;
    bool m_built = false;
    bool m_changed = false;
    bool m_viewForm = false;
};
