#include "generators/table/tablelines.h"

bool TableSettings::operator==(const TableSettings &o) const {
    return border == o.border && width == o.width && justification == o.justification &&
           padding == o.padding && spacing == o.spacing && tableColor == o.tableColor &&
           borderColor == o.borderColor && caption == o.caption && captionSize == o.captionSize &&
           captionLocation == o.captionLocation;
}

bool CellSettings::operator==(const CellSettings &o) const {
    return header == o.header && rowSpan == o.rowSpan && colSpan == o.colSpan &&
           vAlign == o.vAlign && hAlign == o.hAlign && color == o.color && text == o.text;
}

namespace TableLines {

const QStringList justifications = {QStringLiteral("None"), QStringLiteral("Left"),
                                    QStringLiteral("Center"), QStringLiteral("Right")};
const QStringList captionLocations = {QStringLiteral("Top"), QStringLiteral("Bottom")};

namespace {

const QLatin1String kMarkerStart("<A HREF=\"");
const QLatin1String kMarkerEnd("</A>");

// The value of attribute `name` (given with its leading blank and "=\"") in
// `line`, up to the next double quote; null when the attribute is absent.
QString attributeValue(const QString &line, const QString &name) {
    const qsizetype at = line.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype start = at + name.size();
    const qsizetype end = line.indexOf(QLatin1Char('"'), start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

QString field(const QStringList &fields, int i) {
    return i < fields.size() ? fields.at(i) : QString();
}

bool readInt(const QString &text, int &value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

// A colour as read from a file: no "#", at most the six digits a field holds.
QString colorField(QString value) {
    if (value.startsWith(QLatin1Char('#')))
        value.remove(0, 1);
    return value.left(6);
}

} // namespace

QString buildTableStyle(const TableSettings &s) {
    QString tag = QStringLiteral("<TABLE BORDER=\"%1\" WIDTH=\"%2%\"  ALIGN=\"%3\"  "
                                 "CELLPADDING=\"%4\"  CELLSPACING=\"%5\" ")
                      .arg(s.border)
                      .arg(s.width)
                      .arg(s.justification)
                      .arg(s.padding)
                      .arg(s.spacing);
    if (!s.tableColor.isEmpty())
        tag += QStringLiteral(" BGCOLOR=\"#") + s.tableColor + QLatin1Char('"');
    if (!s.borderColor.isEmpty())
        tag += QStringLiteral(" BORDERCOLOR=\"#") + s.borderColor + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

QString buildCaptionStyle(const TableSettings &s) {
    const QString size = QString::number(s.captionSize);
    return QStringLiteral("<CAPTION ALIGN=\"") + s.captionLocation + QStringLiteral("\"><H") +
           size + QLatin1Char('>') + s.caption + QStringLiteral("</H") + size +
           QStringLiteral("></CAPTION>");
}

QString markerName(int number) {
    return QStringLiteral("Cell:%1.").arg(number);
}

QString markerLink(int number) {
    return kMarkerStart + markerName(number) + QStringLiteral("\">*</A>");
}

QString newCell(int number, const QString &colorText) {
    return QStringLiteral("<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" "
                          "BGCOLOR=\"%1\">")
               .arg(colorText) +
           markerLink(number) + QStringLiteral("Cell:%1</TD>").arg(number + 1);
}

QString cellLine(const CellSettings &cell, const QString &marker) {
    const QString tag = cell.header ? QStringLiteral("TH") : QStringLiteral("TD");
    const QString color = cell.color.isEmpty() ? QString() : QLatin1Char('#') + cell.color;
    return QLatin1Char('<') + tag + QStringLiteral(" ROWSPAN=\"") + QString::number(cell.rowSpan) +
           QStringLiteral("\" COLSPAN=\"") + QString::number(cell.colSpan) +
           QStringLiteral("\" VALIGN=\"") + cell.vAlign + QStringLiteral("\" ALIGN=\"") +
           cell.hAlign + QStringLiteral("\" BGCOLOR=\"") + color + QStringLiteral("\">") +
           kMarkerStart + marker + QStringLiteral("\">*</A>") + cell.text + QStringLiteral("</") +
           tag + QLatin1Char('>');
}

bool isCellLine(const QString &line) {
    return line.contains(QLatin1String("<TH"), Qt::CaseInsensitive) ||
           line.contains(QLatin1String("<TD"), Qt::CaseInsensitive);
}

QString markerOf(const QString &line) {
    const qsizetype at = line.indexOf(kMarkerStart, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype start = at + kMarkerStart.size();
    const qsizetype end = line.indexOf(QLatin1Char('"'), start);
    return end < 0 ? QString() : line.mid(start, end - start);
}

CellSettings readCell(const QString &line) {
    CellSettings cell;
    cell.header = line.contains(QLatin1String("<TH"), Qt::CaseInsensitive);
    const QStringList fields = line.split(QLatin1Char('"'));
    readInt(field(fields, 1), cell.rowSpan);
    readInt(field(fields, 3), cell.colSpan);
    cell.vAlign = field(fields, 5);
    cell.hAlign = field(fields, 7);
    cell.color = field(fields, 9);
    if (cell.color.startsWith(QLatin1Char('#')))
        cell.color.remove(0, 1);

    // The text runs from the marker's end to the cell's closing tag.
    qsizetype start = line.indexOf(kMarkerEnd, 0, Qt::CaseInsensitive);
    if (start >= 0) {
        start += kMarkerEnd.size();
    } else {
        start = line.indexOf(QLatin1Char('>'));
        start = start < 0 ? line.size() : start + 1;
    }
    const QLatin1String closing(cell.header ? "</TH" : "</TD");
    qsizetype end = line.lastIndexOf(closing, -1, Qt::CaseInsensitive);
    if (end < start)
        end = line.size();
    cell.text = line.mid(start, end - start);
    return cell;
}

QStringList viewForm(const QStringList &lines, bool dropEmptyColors) {
    QStringList out = lines;
    for (QString &line : out) {
        if (!isCellLine(line))
            continue;
        // Only a marker link goes; a link the user typed into a cell stays.
        const qsizetype start = line.indexOf(QLatin1String("<A HREF"), 0, Qt::CaseInsensitive);
        if (start >= 0 &&
            markerOf(line.mid(start)).startsWith(QLatin1String("Cell:"), Qt::CaseInsensitive)) {
            const qsizetype end = line.indexOf(kMarkerEnd, start, Qt::CaseInsensitive);
            if (end >= 0)
                line.remove(start, end + kMarkerEnd.size() - start);
        }
        if (dropEmptyColors)
            line.remove(QLatin1String("BGCOLOR=\"\""));
    }
    return out;
}

int addMarkers(QStringList &lines) {
    int number = 0;
    for (QString &line : lines) {
        if (!isCellLine(line))
            continue;
        const qsizetype gt = line.indexOf(QLatin1Char('>'));
        if (gt < 0)
            continue;
        line.insert(gt + 1, markerLink(number++));
    }
    return number;
}

TableSettings getTableDetails(const QString &startTag, const QString &captionLine,
                              QStringList *notes) {
    TableSettings s;
    auto note = [&](const QString &what) {
        if (notes)
            *notes << what;
    };

    const QStringList t = startTag.split(QLatin1Char('"'));
    if (!readInt(field(t, 1), s.border))
        note(QStringLiteral("the border width"));
    QString width = field(t, 3);
    if (width.endsWith(QLatin1Char('%')))
        width.chop(1);
    if (!readInt(width, s.width) || s.width < 0 || s.width > 100) {
        s.width = qBound(0, s.width, 100);
        note(QStringLiteral("the table width"));
    }
    const QString justification = field(t, 5);
    bool known = false;
    for (const QString &item : justifications) {
        if (item.compare(justification, Qt::CaseInsensitive) == 0) {
            s.justification = item;
            known = true;
        }
    }
    if (!known)
        note(QStringLiteral("the table justification"));
    if (!readInt(field(t, 7), s.padding))
        note(QStringLiteral("the cell padding"));
    if (!readInt(field(t, 9), s.spacing))
        note(QStringLiteral("the cell spacing"));
    const QString bg = attributeValue(startTag, QStringLiteral(" BGCOLOR=\""));
    if (!bg.isNull())
        s.tableColor = colorField(bg);
    const QString border = attributeValue(startTag, QStringLiteral(" BORDERCOLOR=\""));
    if (!border.isNull())
        s.borderColor = colorField(border);

    const QStringList c = captionLine.split(QLatin1Char('"'));
    known = false;
    for (const QString &item : captionLocations) {
        if (item.compare(field(c, 1), Qt::CaseInsensitive) == 0) {
            s.captionLocation = item;
            known = true;
        }
    }
    if (!known)
        note(QStringLiteral("the caption location"));
    const qsizetype h = captionLine.indexOf(QLatin1String("<H"), 0, Qt::CaseInsensitive);
    const qsizetype end = captionLine.indexOf(QLatin1String("</H"), 0, Qt::CaseInsensitive);
    if (h >= 0 && end >= h + 4) {
        s.caption = captionLine.mid(h + 4, end - h - 4);
        const int size = captionLine.at(h + 2).digitValue();
        if (size >= 1 && size <= 7)
            s.captionSize = size;
        else
            note(QStringLiteral("the caption size"));
    } else {
        note(QStringLiteral("the caption"));
    }
    return s;
}

} // namespace TableLines
