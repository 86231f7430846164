#include "projects/pageops/linkupdate.h"

#include "editor/textfile.h"
#include "projects/evaluation/textlines.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace {

bool isAttributeStart(QChar before) {
    return before.isSpace() || before == QLatin1Char('"') || before == QLatin1Char('\'');
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char(':');
}

// The attributes whose values name a file of the site.
bool namesFile(QStringView name) {
    static const char *const names[] = {"href",   "src",      "lowsrc", "background",
                                        "action", "longdesc", "usemap"};
    for (const char *n : names) {
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isAddress(QStringView path) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return path.startsWith(QLatin1String("//")) || scheme.match(path.toString()).hasMatch();
}

// Where the path part of a value ends: at its first "?" or "#".
qsizetype pathLength(QStringView value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('?') || value[i] == QLatin1Char('#'))
            return i;
    }
    return value.size();
}

QString resolved(const QString &pageFolder, QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(pageFolder + QLatin1Char('/') + path);
}

// Whether a path written in a page leads to `target`: as written, or with
// its percent escapes decoded.
bool leadsTo(QStringView path, const QString &pageFolder, const QString &target) {
    if (path.isEmpty() || isAddress(path))
        return false;
    const QString written = path.toString();
    if (resolved(pageFolder, written) == target)
        return true;
    return written.contains(QLatin1Char('%')) &&
           resolved(pageFolder, QUrl::fromPercentEncoding(written.toUtf8())) == target;
}

// Calls `found` with the offset and length of every file-naming attribute
// value in the text.
template <typename F> void forEachValue(QStringView text, F found) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text[i] != QLatin1Char('<')) {
            ++i;
            continue;
        }
        if (text.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), i + 4);
            i = close < 0 ? n : close + 3;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && text[j] != QLatin1Char('>') && text[j] != QLatin1Char('<')) {
            if (!isNameChar(text[j]) || !isAttributeStart(text[j - 1])) {
                ++j;
                continue;
            }
            const qsizetype nameStart = j;
            while (j < n && isNameChar(text[j]))
                ++j;
            const QStringView name = text.mid(nameStart, j - nameStart);
            qsizetype k = j;
            while (k < n && text[k].isSpace())
                ++k;
            if (k >= n || text[k] != QLatin1Char('='))
                continue;
            ++k;
            while (k < n && text[k].isSpace())
                ++k;
            if (k >= n)
                break;
            qsizetype start = k;
            qsizetype end = k;
            if (text[k] == QLatin1Char('"') || text[k] == QLatin1Char('\'')) {
                start = k + 1;
                end = text.indexOf(text[k], start);
                if (end < 0)
                    end = n;
                j = qMin(n, end + 1);
            } else {
                while (end < n && !text[end].isSpace() && text[end] != QLatin1Char('>'))
                    ++end;
                j = end;
            }
            if (namesFile(name))
                found(start, end - start);
        }
        i = j;
    }
}

// The tag that holds a reference, within its line, cut to a length that
// fits in the question.
QString tagAround(QStringView text, const TextLines &lines, const LinkReference &reference) {
    const qsizetype lineStart = lines.start(reference.line);
    const qsizetype lineEnd = lines.end(reference.line);
    qsizetype from = text.lastIndexOf(QLatin1Char('<'), reference.offset);
    if (from < lineStart)
        from = lineStart;
    qsizetype to = text.indexOf(QLatin1Char('>'), reference.offset + reference.length);
    to = to < 0 || to >= lineEnd ? lineEnd : to + 1;
    const QString tag = text.mid(from, to - from).trimmed().toString();
    if (tag.size() <= LinkUpdate::kShownTagLength)
        return tag;
    return tag.left(LinkUpdate::kShownTagLength) + QStringLiteral("...");
}

} // namespace

QVector<LinkReference> findReferences(QStringView text, const QString &pageFolder,
                                      const QString &target) {
    QVector<LinkReference> references;
    forEachValue(text, [&](qsizetype offset, qsizetype length) {
        const QStringView value = text.mid(offset, length);
        const qsizetype pathEnd = pathLength(value);
        if (leadsTo(value.left(pathEnd), pageFolder, target))
            references.append({offset, pathEnd, 0});
    });
    if (!references.isEmpty()) {
        const TextLines lines(text);
        for (LinkReference &reference : references)
            reference.line = lines.lineOf(reference.offset);
    }
    return references;
}

QString retargetedPath(const QString &written, const QString &pageFolder, const QString &to) {
    QString path = QDir(pageFolder).relativeFilePath(to);
    const QString slashes = QString(written).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (slashes.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("..")))
        path.prepend(QLatin1Char('/'));
    else if (slashes.startsWith(QLatin1String("./")))
        path.prepend(QLatin1String("./"));
    if (written.contains(QLatin1Char('%')))
        path = QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
    if (written.contains(QLatin1Char('\\')) && !written.contains(QLatin1Char('/')))
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

QVector<TextReplacement> linkReplacements(QStringView text, const QString &pageFolder,
                                          const QString &from, const QString &to) {
    QVector<TextReplacement> replacements;
    for (const LinkReference &reference : findReferences(text, pageFolder, from)) {
        const QString written = text.mid(reference.offset, reference.length).toString();
        replacements.append(
            {reference.offset, reference.length, retargetedPath(written, pageFolder, to)});
    }
    return replacements;
}

QString applyReplacements(const QString &text, const QVector<TextReplacement> &replacements) {
    QVector<TextReplacement> sorted = replacements;
    std::sort(sorted.begin(), sorted.end(), [](const TextReplacement &a, const TextReplacement &b) {
        return a.offset < b.offset;
    });
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    for (const TextReplacement &r : sorted) {
        result += QStringView(text).mid(at, r.offset - at);
        result += r.text;
        at = r.offset + r.length;
    }
    result += QStringView(text).mid(at);
    return result;
}

// --- LinkUpdate --------------------------------------------------------------------------

LinkUpdate::LinkUpdate(const QString &from, const QString &to)
    : m_from(QDir::cleanPath(from)), m_to(QDir::cleanPath(to)) {}

bool LinkUpdate::readPage(const QString &path, OpenDocuments *open, QString &text,
                          bool &isOpen) const {
    isOpen = open && open->openPaths().contains(path);
    if (isOpen)
        return open->openText(path, text);
    QByteArray bytes;
    if (!readFileBytes(path, bytes) || bytes.contains('\0'))
        return false;
    text = decodeText(bytes).text;
    return true;
}

void LinkUpdate::scan(const QStringList &pages, OpenDocuments *open) {
    m_pages.clear();
    for (const QString &path : pages) {
        QString text;
        bool isOpen = false;
        if (!readPage(path, open, text, isOpen))
            continue;
        const QString folder = QFileInfo(path).absolutePath();
        const QVector<LinkReference> references = findReferences(text, folder, m_from);
        if (references.isEmpty())
            continue;
        Page page;
        page.path = path;
        page.open = isOpen;
        const TextLines lines(text);
        for (const LinkReference &reference : references)
            page.places.append({reference.line, tagAround(text, lines, reference)});
        m_pages.append(page);
    }
}

int LinkUpdate::referenceCount() const {
    int count = 0;
    for (const Page &page : m_pages)
        count += int(page.places.size());
    return count;
}

QString LinkUpdate::question() const {
    const QFileInfo from(m_from);
    const QString newName = QDir(from.absolutePath()).relativeFilePath(m_to);
    QString text = QStringLiteral("These links lead to %1, which is now %2:\n\n")
                       .arg(from.fileName(), newName);
    int listed = 0;
    int left = 0;
    for (const Page &page : m_pages) {
        const QString name =
            QFileInfo(page.path).fileName() + (page.open ? QStringLiteral(" (open)") : QString());
        for (const Place &place : page.places) {
            if (listed == kListedPlaces) {
                ++left;
                continue;
            }
            text += QStringLiteral("%1, line %2: %3\n").arg(name).arg(place.line).arg(place.tag);
            ++listed;
        }
    }
    if (left > 0)
        text += QStringLiteral("... and %1 more.\n").arg(left);
    text += QStringLiteral("\nChange them to lead to %1?").arg(newName);
    return text;
}

QStringList LinkUpdate::apply(OpenDocuments *open) const {
    QStringList failures;
    for (const Page &page : m_pages) {
        const QString folder = QFileInfo(page.path).absolutePath();
        if (open && open->openPaths().contains(page.path)) {
            QString text;
            const bool changed = open->openText(page.path, text) &&
                                 open->replaceInOpenDocument(
                                     page.path, linkReplacements(text, folder, m_from, m_to));
            if (!changed)
                failures << page.path;
            continue;
        }
        // The page as it is now, written whole in the encoding and with the
        // line ends it had.
        QByteArray bytes;
        QString error;
        if (!readFileBytes(page.path, bytes, &error)) {
            failures << error;
            continue;
        }
        if (bytes.contains('\0'))
            continue;
        const TextFile file = decodeText(bytes);
        const QVector<TextReplacement> replacements =
            linkReplacements(file.text, folder, m_from, m_to);
        if (replacements.isEmpty())
            continue;
        const QString changed = applyReplacements(file.text, replacements);
        if (!writeFileAtomically(page.path, encodeText(changed, file.format), &error))
            failures << error;
    }
    return failures;
}
