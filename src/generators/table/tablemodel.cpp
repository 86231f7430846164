#include "generators/table/tablemodel.h"

using namespace TableLines;

namespace {

const QLatin1String kRowStart("<TR>");
const QLatin1String kRowEnd("</TR>");
const QLatin1String kTableEnd("</TABLE>");

// The number in a marker name "Cell:12."; -1 when it is not one.
int markerNumber(const QString &marker) {
    if (!marker.startsWith(QLatin1String("Cell:"), Qt::CaseInsensitive) ||
        !marker.endsWith(QLatin1Char('.')))
        return -1;
    bool ok = false;
    const int n = marker.mid(5, marker.size() - 6).toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

bool isBlank(const QString &line) {
    return line.trimmed().isEmpty();
}

} // namespace

void TableModel::build(int rows, int columns, const TableSettings &colors) {
    m_changed = true;
    m_built = true;
    m_viewForm = false;
    m_lines.clear();
    m_currentCell = -1;
    m_nextCellNumber = 0;

    TableSettings fresh;
    fresh.tableColor = colors.tableColor;
    fresh.borderColor = colors.borderColor;
    m_settings = fresh;

    m_lines.reserve(3 + qMax(0, rows) * (qMax(0, columns) + 2));
    m_lines << buildTableStyle(m_settings) << buildCaptionStyle(m_settings);
    for (int r = 0; r < rows; ++r) {
        m_lines << kRowStart;
        for (int c = 0; c < columns; ++c)
            m_lines << newCell(m_nextCellNumber++, QString());
        m_lines << kRowEnd;
    }
    m_lines << kTableEnd;
}

void TableModel::setSettings(const TableSettings &settings) {
    m_settings = settings;
    if (!m_built)
        return;
    m_changed = true;
    refreshHead();
}

void TableModel::refreshHead() {
    if (m_lines.size() < 2)
        return;
    m_lines[0] = buildTableStyle(m_settings);
    m_lines[1] = buildCaptionStyle(m_settings);
}

bool TableModel::selectCell(const QString &marker) {
    if (marker.isEmpty())
        return false;
    // The cell whose own marker this is: a cell's text may mention another
    // cell's name, but never carries it as its first link.
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (isCellLine(line) && markerOf(line).compare(marker, Qt::CaseInsensitive) == 0) {
            m_currentCell = i;
            return true;
        }
    }
    return false;
}

bool TableModel::hasSelection() const {
    return m_currentCell > 0 && m_currentCell < m_lines.size();
}

CellSettings TableModel::currentCellSettings() const {
    return hasSelection() ? readCell(m_lines.at(m_currentCell)) : CellSettings();
}

void TableModel::updateCell(const CellSettings &cell) {
    if (!hasSelection())
        return;
    QString &line = m_lines[m_currentCell];
    line = cellLine(cell, markerOf(line));
    m_changed = true;
}

void TableModel::deleteCell() {
    if (!hasSelection())
        return;
    const int at = m_currentCell;
    m_lines.removeAt(at);
    if (at < m_lines.size() && at > 0 && m_lines.at(at) == kRowEnd &&
        m_lines.at(at - 1) == kRowStart) {
        m_lines.removeAt(at);
        m_lines.removeAt(at - 1);
    }
    m_currentCell = -1;
    m_changed = true;
}

QString TableModel::tableColorText() const {
    return m_settings.tableColor.isEmpty() ? QString() : QLatin1Char('#') + m_settings.tableColor;
}

void TableModel::addCell(Where where) {
    if (!hasSelection())
        return;
    const QString cell = newCell(m_nextCellNumber, tableColorText());
    if (where == Where::Before) {
        m_lines.insert(m_currentCell, cell);
        ++m_currentCell;
    } else {
        m_lines.insert(m_currentCell + 1, cell);
    }
    m_changed = true;
    ++m_nextCellNumber;
}

void TableModel::addRow(Where where) {
    if (!hasSelection())
        return;
    const QStringList row = {kRowStart, newCell(m_nextCellNumber, tableColorText()), kRowEnd};
    if (where == Where::After) {
        int i = m_currentCell;
        while (i < m_lines.size() && !m_lines.at(i).contains(kRowEnd))
            ++i;
        if (i >= m_lines.size())
            return;
        for (int k = 0; k < row.size(); ++k)
            m_lines.insert(i + 1 + k, row.at(k));
    } else {
        int i = m_currentCell;
        while (i >= 0 && !m_lines.at(i).contains(kRowStart))
            --i;
        if (i < 0)
            return;
        for (int k = 0; k < row.size(); ++k)
            m_lines.insert(i + k, row.at(k));
        // The selected cell moved down with its row; the selection follows it
        // so that the next change edits this cell, not the new one.
        m_currentCell += row.size();
    }
    m_changed = true;
    ++m_nextCellNumber;
}

void TableModel::toggleView() {
    if (!m_viewForm) {
        m_currentCell = -1;
        m_lines = viewForm(m_lines, false);
        m_viewForm = true;
    } else {
        m_viewForm = false;
        m_nextCellNumber = addMarkers(m_lines);
    }
}

void TableModel::showEditForm() {
    if (m_viewForm)
        toggleView();
}

QString TableModel::clipboardText() const {
    const QStringList lines = m_viewForm ? m_lines : viewForm(m_lines, false);
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList TableModel::linesToInsert() const {
    return m_viewForm ? m_lines : viewForm(m_lines, true);
}

QString TableModel::previewHtml() const {
    return m_lines.join(QLatin1String("\r\n"));
}

bool TableModel::open(const QStringList &fileLines, QStringList *notes) {
    QStringList lines = fileLines;
    while (!lines.isEmpty() && isBlank(lines.constFirst()))
        lines.removeFirst();
    while (!lines.isEmpty() && isBlank(lines.constLast()))
        lines.removeLast();
    if (lines.isEmpty() ||
        !lines.constFirst().trimmed().startsWith(QLatin1String("<TABLE"), Qt::CaseInsensitive)) {
        if (notes)
            *notes << QStringLiteral("it does not start with a table tag");
        return false;
    }
    // The dialog rewrites lines 0 and 1 when a table setting changes, so both
    // must be what they are meant to be.
    if (lines.size() < 2 ||
        !lines.at(1).trimmed().startsWith(QLatin1String("<CAPTION"), Qt::CaseInsensitive)) {
        lines.insert(1, buildCaptionStyle(TableSettings()));
        if (notes)
            *notes << QStringLiteral("the caption line");
    }
    if (lines.size() < 3 || lines.constLast().trimmed().compare(kTableEnd, Qt::CaseInsensitive)) {
        lines << kTableEnd;
        if (notes)
            *notes << QStringLiteral("the end of the table");
    }

    const TableSettings settings = getTableDetails(lines.at(0), lines.at(1), notes);

    // New cells continue after every number already in use, so that no two
    // cells share a marker (a deleted cell leaves a gap in the numbers).
    int cells = 0;
    int highest = -1;
    for (const QString &line : lines) {
        if (!isCellLine(line))
            continue;
        ++cells;
        highest = qMax(highest, markerNumber(markerOf(line)));
    }
    int next = qMax(cells, highest + 1);
    // A cell without a marker could never be selected: give it one.
    for (int i = 2; i < lines.size(); ++i) {
        QString &line = lines[i];
        if (!isCellLine(line) || !markerOf(line).isEmpty())
            continue;
        const qsizetype gt = line.indexOf(QLatin1Char('>'));
        if (gt >= 0)
            line.insert(gt + 1, markerLink(next++));
    }

    m_lines = lines;
    m_settings = settings;
    m_viewForm = false;
    m_currentCell = -1;
    m_nextCellNumber = next;
    m_built = true;
    return true;
}
