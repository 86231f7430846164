#pragma once

#include <QString>
#include <QStringList>

// The lines of a table under construction, one tag or one cell per line:
//   0        the table start tag
//   1        the caption line
//   2 ...    for each row "<TR>", one line per cell, "</TR>"
//   last     "</TABLE>"
// In the edit form every cell line carries a marker link right after its first
// ">" ("<A HREF="Cell:4.">*</A>"); clicking the "*" in the preview selects the
// cell. The view form is the same list without the markers.

// The table's own settings, as the dialog's table controls hold them.
struct TableSettings {
    int border = 1;
    int width = 0;                                  // per cent
    QString justification = QStringLiteral("None"); // None, Left, Center, Right
    int padding = 1;
    int spacing = 2;
    QString tableColor;  // six hexadecimal digits without "#"; empty: none
    QString borderColor; // the same
    QString caption;
    int captionSize = 1;                             // 1 to 7
    QString captionLocation = QStringLiteral("Top"); // Top, Bottom

    bool operator==(const TableSettings &o) const;
    bool operator!=(const TableSettings &o) const { return !(*this == o); }
};

// One cell, as the dialog's cell controls hold it.
struct CellSettings {
    bool header = false; // TH instead of TD
    int rowSpan = 1;
    int colSpan = 1;
    QString vAlign; // as chosen or typed
    QString hAlign;
    QString color; // six hexadecimal digits without "#"; empty: none
    QString text;

    bool operator==(const CellSettings &o) const;
};

namespace TableLines {

extern const QStringList justifications;   // "None", "Left", "Center", "Right"
extern const QStringList captionLocations; // "Top", "Bottom"

// "<TABLE BORDER="1" WIDTH="0%"  ALIGN="None"  CELLPADDING="1"  CELLSPACING="2" >"
// with " BGCOLOR" and " BORDERCOLOR" before the ">" when those colours are set.
QString buildTableStyle(const TableSettings &s);
// "<CAPTION ALIGN="Top"><H1>caption</H1></CAPTION>"
QString buildCaptionStyle(const TableSettings &s);

// "Cell:" number "."; the full stop keeps "Cell:1." from matching in "Cell:10.".
QString markerName(int number);
// The marker link inserted after a cell line's first ">".
QString markerLink(int number);
// A new data cell numbered `number`, its visible text "Cell:" number + 1.
// `colorText` is empty or "#" and six digits.
QString newCell(int number, const QString &colorText);
// A cell line in the edit form, built from the cell settings and the marker
// name the cell keeps.
QString cellLine(const CellSettings &cell, const QString &marker);

// Whether a line is a cell line: it contains "<TH" or "<TD" in any case.
bool isCellLine(const QString &line);
// The marker name in a cell line of the edit form (the target of its first
// "<A HREF="...""); empty when the line has none.
QString markerOf(const QString &line);
// Reads a cell line back into its settings. Pieces that are missing or not
// numbers keep their defaults.
CellSettings readCell(const QString &line);

// The view form of the lines: every cell line loses its marker; with
// `dropEmptyColors` every "BGCOLOR=""" is removed as well.
QStringList viewForm(const QStringList &lines, bool dropEmptyColors);
// The edit form: every cell line gets a marker after its first ">", numbered
// from 0 in line order. Returns the number of cells.
int addMarkers(QStringList &lines);

// Reads the table settings back from the start tag and the caption line.
// What cannot be read keeps its default and is described in `notes`.
TableSettings getTableDetails(const QString &startTag, const QString &captionLine,
                              QStringList *notes = nullptr);

} // namespace TableLines
