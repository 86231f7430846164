#include "generators/form/formmarkup.h"

namespace {

const QString kTopCell = QStringLiteral("<TD VALIGN=\"TOP\">");
const QString kCellBreak = QStringLiteral("</TD><TD VALIGN=\"TOP\">");

QString wrap(const QString &tag, const QString &text) {
    return QLatin1Char('<') + tag + QLatin1Char('>') + text + QLatin1String("</") + tag +
           QLatin1Char('>');
}

QString row(const QString &cellStart, const QString &text) {
    return wrap(QStringLiteral("TR"), cellStart + text + QLatin1String("</TD>"));
}

QString preformatted(const QString &text, const FormOptions &options) {
    return options.preformat ? wrap(QStringLiteral("PRE"), text) : text;
}

// A check box or a radio button.
QString choice(const QString &type, const FormRecord &r, const FormOptions &options) {
    QString t = QLatin1String("<INPUT TYPE=\"") + type + QLatin1String("\" NAME=\"") + r.name +
                QLatin1String("\" VALUE=\"") + r.value + QLatin1Char('"');
    if (r.checked)
        t += QLatin1String(" CHECKED");
    t += QLatin1String("> ") + r.caption + QLatin1String("<BR>");
    t = preformatted(t, options);
    if (options.useTable)
        t = row(QStringLiteral("<TD></TD><TD VALIGN=\"TOP\">"), t);
    return t;
}

// A captioned field: the caption, in a table a cell boundary, then `input`.
QString captioned(const FormRecord &r, const QString &input, const FormOptions &options) {
    QString t = r.caption;
    if (options.useTable)
        t += kCellBreak;
    t += input;
    t = preformatted(t, options);
    if (options.useTable)
        t = row(kTopCell, t);
    return t;
}

QString pageText(const FormRecord &r, const FormOptions &options) {
    QString t = r.caption;
    if (r.bold)
        t = wrap(QStringLiteral("B"), t);
    if (r.italics)
        t = wrap(QStringLiteral("I"), t);
    if (r.underline)
        t = wrap(QStringLiteral("U"), t);
    if (r.preformatted)
        t = wrap(QStringLiteral("PRE"), t);
    if (r.fontSize > 0)
        t = QLatin1String("<FONT SIZE=") + QString::number(r.fontSize) + QLatin1Char('>') + t +
            QLatin1String("</FONT>");
    t += QLatin1String("<BR>");
    if (options.useTable)
        t = row(QStringLiteral("<TD COLSPAN=\"2\">"), t);
    return t;
}

QStringList listBox(const FormRecord &r, bool preformat, bool useTable) {
    QStringList lines;
    if (useTable)
        lines << QStringLiteral("<TR>") << kTopCell;
    QString select = preformat ? QStringLiteral("<PRE>") : QString();
    select += r.caption;
    if (useTable)
        select += kCellBreak;
    select += QLatin1String("   <SELECT NAME=\"") + r.name + QLatin1Char('"');
    if (r.multiple)
        select += QLatin1String(" Multiple");
    select += QLatin1String(" Size=") + QString::number(r.visible) + QLatin1Char('>');
    lines << select;
    for (int i = 0; i < r.entries.size() && !r.entries[i].isEmpty(); ++i)
        lines << (i == 0 ? QLatin1String("<OPTION SELECTED>") : QLatin1String("<OPTION>")) +
                     r.entries[i];
    lines << QStringLiteral("</SELECT><BR>");
    if (preformat)
        lines << QStringLiteral("</PRE>");
    if (useTable)
        lines << QStringLiteral("</TD></TR>");
    return lines;
}

} // namespace

QStringList fieldMarkup(const FormRecord &r, const FormOptions &options) {
    switch (r.kind) {
    case FieldKind::CheckBox:
        return {choice(QStringLiteral("checkbox"), r, options)};
    case FieldKind::RadioGroup:
        return {choice(QStringLiteral("radio"), r, options)};
    case FieldKind::Hidden:
        return {preformatted(QLatin1String("<INPUT TYPE=\"HIDDEN\" NAME=\"") + r.name +
                                 QLatin1String("\" VALUE=\"") + r.value + QLatin1String("\">"),
                             options)};
    case FieldKind::DataEntry:
        return {captioned(r,
                          QLatin1String("  <INPUT TYPE=\"") +
                              (r.password ? QLatin1String("password") : QLatin1String("text")) +
                              QLatin1String("\" NAME=\"") + r.name + QLatin1String("\" SIZE=") +
                              QString::number(r.length) + QLatin1String("><BR>"),
                          options)};
    case FieldKind::TextArea:
        return {captioned(r,
                          QLatin1String("<BR><TEXTAREA NAME=\"") + r.name +
                              QLatin1String("\" ROWS=") + QString::number(r.rows) +
                              QLatin1String(" COLS=") + QString::number(r.columns) +
                              QLatin1String("></TEXTAREA><BR><P>"),
                          options)};
    case FieldKind::PageText:
        return {pageText(r, options)};
    case FieldKind::ListBox:
        return listBox(r, options.preformat, options.useTable);
    }
    return {};
}

QStringList singleFieldMarkup(const FormRecord &record, const FormOptions &options) {
    if (record.kind == FieldKind::ListBox)
        return listBox(record, false, false);
    return fieldMarkup(record, options);
}

QStringList formMarkup(const QStringList &records, const FormOptions &options) {
    if (records.isEmpty())
        return {};
    QStringList lines;
    lines << QLatin1String("<FORM METHOD=\"POST\" ACTION=\"mailto:") + options.mailTo +
                 QLatin1String("\" >");
    if (options.useTable)
        lines << QStringLiteral("<TABLE >");
    for (const QString &line : records) {
        if (const auto record = FormRecord::parse(line))
            lines << fieldMarkup(*record, options);
    }
    if (options.useTable)
        lines << QStringLiteral("<TR>") << QStringLiteral("<TD COLSPAN=\"2\">");
    lines << QStringLiteral("<P ALIGN=\"CENTER\">")
          << QLatin1String("<INPUT TYPE=\"submit\" VALUE=\"") + options.submitText +
                 QLatin1String("\">")
          << QLatin1String("<INPUT TYPE=\"reset\" VALUE=\"") + options.resetText +
                 QLatin1String("\">")
          << QStringLiteral("</P>");
    if (options.useTable)
        lines << QStringLiteral("</TD>") << QStringLiteral("</TR>") << QStringLiteral("</TABLE>");
    lines << QStringLiteral("</FORM>");
    return lines;
}
