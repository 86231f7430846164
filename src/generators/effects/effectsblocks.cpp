#include "generators/effects/effectsblocks.h"

#include <QDir>
#include <QFileInfo>

namespace Effects {

namespace {

const QString kDq = QStringLiteral("\"");

QString quoted(const QString &name, const QString &value) {
    return name + kDq + value + kDq;
}

// The opening and closing tags of a list kind; empty for "Definition" (as a
// child list it gives empty lines).
QString listOpening(const QString &kind) {
    if (kind == QLatin1String("Ordered"))
        return QStringLiteral("<ol>");
    if (kind == QLatin1String("UnOrder"))
        return QStringLiteral("<ul>");
    if (kind == QLatin1String("Directory"))
        return QStringLiteral("<dir>");
    if (kind == QLatin1String("Menu"))
        return QStringLiteral("<menu>");
    return QString();
}

QString closingOf(const QString &opening) {
    return opening.isEmpty() ? QString() : QStringLiteral("</") + opening.mid(1);
}

struct TextTags {
    const char *opening;
    const char *closing;
};

// In option order; Use Size's opening tag carries the size.
const TextTags kTextTags[TextOptionCount] = {
    {"<FONT SIZE=%1>", "</FONT>"},
    {"<center>", "</center>"},
    {"<b>", "</b>"},
    {"<i>", "</i>"},
    {"<u>", "</u>"},
    {"<p>", "</p>"},
    {"<tt>", "</tt>"},
    {"<address>", "</address>"},
    {"<blink>", "</blink>"},
    {"<blockquote>", "</blockquote>"},
    {"<var>", "</var>"},
    {"<cite>", "</cite>"},
    {"<code>", "</code>"},
    {"<SUP>", "</SUP>"},
    {"<SUB>", "</SUB>"},
};

QString openingTag(const TextFields &f, int option) {
    QString tag = QLatin1String(kTextTags[option].opening);
    if (option == UseSize)
        tag = tag.arg(f.fontSize);
    return tag;
}

} // namespace

const QStringList &tabCaptions() {
    static const QStringList captions = {
        QStringLiteral("Headers"), QStringLiteral("Tables"),        QStringLiteral("List Types"),
        QStringLiteral("Images"),  QStringLiteral("Document Text"), QStringLiteral("References"),
        QStringLiteral("Applet")};
    return captions;
}

QString capturedSelection(const QString &selected) {
    if (selected.isEmpty() || selected.size() > kMaxCapturedSelection)
        return QString();
    QString out;
    out.reserve(selected.size());
    for (qsizetype i = 0; i < selected.size(); ++i) {
        const QChar c = selected.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < selected.size() &&
                selected.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1Char(' ');
        } else {
            out += c;
        }
    }
    return out;
}

QString oneLine(const QStringList &lines) {
    QString out = lines.join(QString());
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    return out;
}

QStringList headerLines(const HeaderFields &f) {
    const QString size = QString::number(f.size);
    QString line = QStringLiteral("<H") + size;
    if (f.justify != QLatin1String("none"))
        line += quoted(QStringLiteral(" ALIGN="), f.justify);
    line += QLatin1Char('>') + f.text + QStringLiteral("</H") + size + QLatin1Char('>');
    return {line, QString()};
}

QStringList tableLines(const TableFields &f) {
    QString start = QStringLiteral("<table ");
    if (f.border)
        start += QStringLiteral("border ");
    if (f.width > 0)
        start += QStringLiteral("width=%1% ").arg(f.width);
    start += QStringLiteral("align=") + f.justify + QLatin1Char(' ');
    if (f.padding != 1)
        start += QStringLiteral("cellpadding=%1 ").arg(f.padding);
    if (f.spacing != 1)
        start += QStringLiteral("cellspacing=%1 ").arg(f.spacing);
    start += QLatin1Char('>');

    QStringList lines{start};
    if (!f.caption.isEmpty()) {
        const QString size = QString::number(f.captionSize);
        lines << QStringLiteral("<caption align=") + f.captionLocation + QStringLiteral("><h") +
                     size + QLatin1Char('>') + f.caption + QStringLiteral("</h") + size +
                     QStringLiteral("></caption>");
    }
    for (int r = 1; r <= f.rows; ++r) {
        lines << QStringLiteral("<tr>");
        const QStringList row = r - 1 < f.cells.size() ? f.cells.at(r - 1) : QStringList();
        for (int c = 1; c <= f.columns; ++c) {
            const QString text = c - 1 < row.size() ? row.at(c - 1) : QString();
            if (text.isEmpty())
                lines << QStringLiteral("<td>Cell:%1,%2</td>").arg(r).arg(c);
            else
                lines << QStringLiteral("<td>") + text + QStringLiteral("</td>");
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

const QStringList &listKinds() {
    static const QStringList kinds = {QStringLiteral("Ordered"), QStringLiteral("UnOrder"),
                                      QStringLiteral("Definition"), QStringLiteral("Directory"),
                                      QStringLiteral("Menu")};
    return kinds;
}

QStringList listLines(const ListFields &f) {
    QStringList lines;
    if (f.kind == QLatin1String("Definition")) {
        lines << QStringLiteral("<dl>");
        for (int i = 1; i <= f.parents; ++i)
            lines << QStringLiteral("<dt> Line:%1 <dd>Line %1's definition").arg(i);
        lines << QStringLiteral("</dl>");
        return lines;
    }
    int next = 0; // the item row used next
    auto item = [&]() {
        const QString text = next < f.items.size() ? f.items.at(next) : QString();
        ++next;
        return text;
    };
    const QString opening = listOpening(f.kind);
    const QString childOpening = listOpening(f.childKind);
    lines << opening;
    for (int i = 1; i <= f.parents; ++i) {
        const QString text = item();
        lines << (text.isEmpty() ? QStringLiteral("<li> Line:%1").arg(i)
                                 : QStringLiteral("<li>") + text);
        if (f.children <= 0)
            continue;
        lines << childOpening;
        for (int j = 1; j <= f.children; ++j) {
            const QString child = item();
            lines << (child.isEmpty() ? QStringLiteral("<li> Child Line:%1").arg(j)
                                      : QStringLiteral("<li>") + child);
        }
        lines << closingOf(childOpening);
    }
    lines << closingOf(opening);
    return lines;
}

QStringList imagePreviewLines(const ImageFields &f) {
    QString line = quoted(QStringLiteral("sample<img src="), f.file) +
                   quoted(QStringLiteral(" alt="), f.alternateText);
    if (f.align != QLatin1String("none"))
        line += quoted(QStringLiteral(" ALIGN="), f.align);
    line += quoted(QStringLiteral(" WIDTH="), f.width) +
            quoted(QStringLiteral(" HEIGHT="), f.height) + QStringLiteral(">text");
    if (f.center)
        line = QStringLiteral("<center>") + line + QStringLiteral("</center>");
    return {line, QString()};
}

QString imageTag(const ImageFields &f, bool isMap, bool mapPending, const QString &mapName) {
    QString tag = QStringLiteral("<IMG ");
    if (isMap && !mapPending)
        tag += QStringLiteral(" ISMAP ");
    tag += quoted(QStringLiteral("SRC="), fileNameOf(f.file)) +
           quoted(QStringLiteral(" ALT="), f.alternateText);
    if (f.align != QLatin1String("none"))
        tag += quoted(QStringLiteral(" ALIGN="), f.align);
    tag +=
        quoted(QStringLiteral(" WIDTH="), f.width) + quoted(QStringLiteral(" HEIGHT="), f.height);
    if (isMap && mapPending)
        tag += quoted(QStringLiteral(" USEMAP="), QLatin1Char('#') + mapName);
    tag += QLatin1Char('>');
    if (f.center)
        tag = QStringLiteral("<CENTER>") + tag + QStringLiteral("</CENTER>");
    return tag;
}

QStringList documentTextLines(const TextFields &f) {
    QStringList lines = f.lines;
    for (int option = 0; option < TextOptionCount; ++option) {
        if (f.options[option])
            lines.prepend(openingTag(f, option));
    }
    for (int option = 0; option < TextOptionCount; ++option) {
        if (f.options[option])
            lines << QLatin1String(kTextTags[option].closing);
    }
    return lines;
}

QString documentTextLine(const TextFields &f) {
    QString opening, closing;
    for (int option = 0; option < TextOptionCount; ++option) {
        if (!f.options[option])
            continue;
        opening.prepend(openingTag(f, option));
        closing += QLatin1String(kTextTags[option].closing);
    }
    QStringList text;
    for (const QString &line : f.lines)
        text << oneLine({line});
    return opening + text.join(QLatin1Char(' ')) + closing;
}

QStringList referenceLines(const ReferenceFields &f) {
    QString line = (f.anchor ? QStringLiteral("<a name=") : QStringLiteral("<a href=")) + kDq +
                   f.url + kDq + QLatin1Char('>') + f.description + QStringLiteral("</a>");
    if (f.justify != QLatin1String("none"))
        line = QLatin1Char('<') + f.justify + QLatin1Char('>') + line + QStringLiteral("</") +
               f.justify + QLatin1Char('>');
    return {line, QString()};
}

bool appletComplete(const AppletFields &f) {
    return !f.code.isEmpty() && !f.width.isEmpty() && !f.height.isEmpty();
}

QString appletText(const AppletFields &f) {
    const QChar cr = QLatin1Char('\r');
    QString text =
        quoted(QStringLiteral("<APPLET CODE="), fileNameOf(f.code)) + QLatin1Char(' ') + cr;
    const std::pair<const char *, const QString *> attributes[] = {
        {"CODEBASE=", &f.codebase}, {"NAME=", &f.name}, {"TITLE=", &f.title}, {"ALIGN=", &f.align}};
    for (const auto &[name, value] : attributes) {
        if (!value->isEmpty())
            text += quoted(QLatin1String(name), *value) + QLatin1Char(' ') + cr;
    }
    text += quoted(QStringLiteral("WIDTH="), f.width) + QLatin1Char(' ') + cr;
    text += quoted(QStringLiteral("HEIGHT="), f.height) + QLatin1Char('>') + cr;
    text += QStringLiteral("</APPLET>") + cr;
    return text;
}

const QStringList &linkPrefixes() {
    static const QStringList prefixes = {
        QStringLiteral("http://"),    QStringLiteral("http://www."), QStringLiteral("ftp://"),
        QStringLiteral("ftp://ftp."), QStringLiteral("mailto:"),     QStringLiteral("#"),
        QStringLiteral("news:"),      QStringLiteral("file:"),       QStringLiteral("file:///"),
        QStringLiteral("gopher://"),  QStringLiteral("telnet://"),   QStringLiteral("wais://")};
    return prefixes;
}

QString fileNameOf(const QString &path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

bool isInOtherFolder(const QString &path, const QString &folder) {
    if (!path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\')))
        return false;
    if (folder.isEmpty())
        return true;
    QString own = path;
    own.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString full = QDir::isAbsolutePath(own) ? own : QDir(folder).filePath(own);
    return QDir::cleanPath(QFileInfo(full).absolutePath()) !=
           QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace Effects
