#include "projects/evaluation/pageevaluation.h"

#include "projects/evaluation/filelookup.h"
#include "projects/evaluation/nocaselist.h"
#include "projects/evaluation/textlines.h"

#include <optional>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Characters that may stand in an attribute name, so that "src" inside
// "lowsrc" or a file name is not taken for the attribute.
bool isNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           u == u'-' || u == u'_' || u == u':' || u == u'.';
}

// Whether the keyword of `length` characters at `pos` of a lower-cased line
// is an attribute name with a value: not the end of a longer name, and
// followed (after any blanks) by "=".
bool isAttributeWithValue(QStringView lowLine, qsizetype pos, qsizetype length) {
    if (pos > 0 && isNameCharacter(lowLine[pos - 1]))
        return false;
    qsizetype i = pos + length;
    while (i < lowLine.size() && isBlank(lowLine[i]))
        ++i;
    return i < lowLine.size() && lowLine[i] == QLatin1Char('=');
}

QString placeText(int line, int column) {
    return QString::number(line) + QLatin1Char(':') + QString::number(column) + QLatin1String(": ");
}

const QLatin1String kNotLocated("(Did not locate.)");

// The title, searched in the text's lower-cased copy.
QString titleOf(QStringView text, QStringView lower) {
    const qsizetype open = lower.indexOf(QLatin1String("<title>"));
    if (open < 0 || lower.indexOf(QLatin1String("</title>"), open) < 0)
        return QString();
    const qsizetype start = open + 7;
    const qsizetype end = lower.indexOf(QLatin1Char('<'), start); // found: "</title>" follows
    return text.mid(start, qMin(end - start, Evaluation::kMaxTitleLength)).toString();
}

// One run of the evaluation over one page.
class Evaluator {
public:
    Evaluator(QStringView text, const QString &folder, FileLookup &files)
        : m_text(text), m_lower(asciiLower(text)), m_lines(text), m_folder(folder), m_files(files) {
    }

    PageEvaluation run();
    QStringList anchorsOnly();

private:
    void detail(const QString &text, int line = 0, int column = 0) {
        m_result.webDetails.append({text, line, column});
    }
    void reference(PageReference ref, const QString &text) {
        detail(text, ref.line, ref.column);
        m_result.references.append(std::move(ref));
    }
    // Counts a value against the limits; false (and the scan stops) when
    // they are exceeded.
    bool take(const QString &value);

    QStringView line(int n) const { return m_lines.text(m_text, n); }
    QStringView lowLine(int n) const { return m_lines.text(m_lower, n); }

    // Each line that holds `needle` (lower case), once, first to last.
    template <class Scan> void forEachLineWith(QLatin1String needle, Scan scan);

    void scanImageLine(int n, QLatin1String key, bool background);
    void scanLinkLine(int n);
    void scanMarkerLine(int n, bool record);
    void imageReference(int n, int column, const QString &value, bool background);
    void linkReference(int n, int column, const QString &value);
    void markerReference(int n, int column, const QString &value, bool record);
    void settleMarkerLinks();
    void crossCheckMarkers();
    PageEvaluation finish();

    QStringView m_text;
    QString m_lower;
    TextLines m_lines;
    QString m_folder;
    FileLookup &m_files;

    NoCaseList m_found, m_missing, m_links, m_locatedLinks, m_markers, m_missingMarkers;
    PageEvaluation m_result;
    struct MarkerLink {
        int detail;
        int reference;
    };
    QVector<MarkerLink> m_markerLinks; // links to "#marker", settled once markers are known
    int m_referenceCount = 0;
    qsizetype m_valueCharacters = 0;
    bool m_stopped = false;
};

bool Evaluator::take(const QString &value) {
    if (m_stopped)
        return false;
    ++m_referenceCount;
    m_valueCharacters += value.size();
    if (m_referenceCount > Evaluation::kMaxReferences ||
        m_valueCharacters > Evaluation::kMaxValueCharacters)
        m_stopped = true;
    return !m_stopped;
}

template <class Scan> void Evaluator::forEachLineWith(QLatin1String needle, Scan scan) {
    qsizetype from = 0;
    while (!m_stopped) {
        const qsizetype pos = QStringView(m_lower).indexOf(needle, from);
        if (pos < 0)
            return;
        const int n = m_lines.lineOf(pos);
        scan(n);
        // Go on from the next line: each line is scanned whole, once.
        from = m_lines.next(n);
        if (n == m_lines.count())
            return;
    }
}

void Evaluator::scanImageLine(int n, QLatin1String key, bool background) {
    const QStringView low = lowLine(n);
    for (qsizetype pos = low.indexOf(key); pos >= 0 && !m_stopped;
         pos = low.indexOf(key, pos + 1)) {
        if (!isAttributeWithValue(low, pos, key.size()))
            continue;
        const QString value = attrValue(line(n), pos);
        if (take(value))
            imageReference(n, int(pos), value, background);
    }
}

void Evaluator::imageReference(int n, int column, const QString &value, bool background) {
    // A reference without a value names no file: nothing to list.
    if (value.isEmpty())
        return;
    PageReference ref;
    ref.kind = background ? PageReference::Kind::Background : PageReference::Kind::Image;
    ref.line = n;
    ref.column = column;
    ref.value = value;
    ref.size = m_files.fileSize(referencePath(m_folder, value));
    ref.located = ref.size >= 0;
    if (ref.located) {
        m_found.add(value);
        m_result.totalBytes += ref.size;
    } else {
        m_missing.add(value);
    }
    QString text = placeText(n, column) + value;
    if (!ref.located)
        text += kNotLocated;
    if (background)
        text += QLatin1String("(Background Image)");
    text += QLatin1String(" Size=") + QString::number(ref.size) + QLatin1String(" bytes.");
    reference(std::move(ref), text);
}

void Evaluator::scanLinkLine(int n) {
    const QLatin1String key("<a href=");
    const QStringView low = lowLine(n);
    for (qsizetype pos = low.indexOf(key); pos >= 0 && !m_stopped;
         pos = low.indexOf(key, pos + 1)) {
        const QString value = attrValue(line(n), pos);
        if (take(value))
            linkReference(n, int(pos), value);
    }
}

void Evaluator::linkReference(int n, int column, const QString &value) {
    PageReference ref;
    ref.kind = PageReference::Kind::Link;
    ref.line = n;
    ref.column = column;
    ref.value = value;
    if (value.isEmpty()) {
        reference(std::move(ref),
                  QString::number(n) + QLatin1String(": Appears to be a link without quotes"));
        return;
    }
    m_links.add(value);
    if (value.startsWith(QLatin1Char('#'))) {
        // Located once the page's markers are known.
        m_markerLinks.append({int(m_result.webDetails.size()), int(m_result.references.size())});
        reference(std::move(ref), placeText(n, column) + value);
        return;
    }
    // A mark after the file name ("page.htm#part") does not belong to the
    // file's name; the list keeps the link as written.
    const qsizetype mark = value.indexOf(QLatin1Char('#'));
    ref.located = m_files.isFile(referencePath(m_folder, mark < 0 ? value : value.left(mark)));
    if (ref.located)
        m_locatedLinks.add(value);
    reference(std::move(ref),
              placeText(n, column) + value + (ref.located ? QString() : kNotLocated));
}

void Evaluator::scanMarkerLine(int n, bool record) {
    // "<a name=" rather than "a name=", so that "<meta name=", "<textarea
    // name=" and the like are not taken for anchors. The column given is
    // that of the "a".
    const QLatin1String key("<a name=");
    const QStringView low = lowLine(n);
    for (qsizetype pos = low.indexOf(key); pos >= 0 && !m_stopped;
         pos = low.indexOf(key, pos + 1)) {
        const QString value = attrValue(line(n), pos);
        if (take(value))
            markerReference(n, int(pos) + 1, value, record);
    }
}

void Evaluator::markerReference(int n, int column, const QString &value, bool record) {
    if (!record) {
        if (!value.isEmpty())
            m_markers.add(value);
        return;
    }
    PageReference ref;
    ref.kind = PageReference::Kind::Marker;
    ref.line = n;
    ref.column = column;
    ref.value = value;
    if (value.isEmpty()) {
        reference(std::move(ref),
                  QString::number(n) + QLatin1String(": Appears to be a name without quotes"));
        return;
    }
    ref.located = m_links.contains(QLatin1Char('#') + value);
    m_markers.add(value);
    reference(std::move(ref),
              placeText(n, column) + value + (ref.located ? QString() : kNotLocated));
}

// A link to "#marker" is located when the page names that marker.
void Evaluator::settleMarkerLinks() {
    for (const MarkerLink &link : std::as_const(m_markerLinks)) {
        PageReference &ref = m_result.references[link.reference];
        const QString marker = ref.value.mid(1);
        ref.located = !marker.isEmpty() && m_markers.contains(marker);
        if (!ref.located)
            m_result.webDetails[link.detail].text += kNotLocated;
    }
}

void Evaluator::crossCheckMarkers() {
    for (const QString &link : m_links.items()) {
        if (!link.startsWith(QLatin1Char('#')))
            continue;
        const QString marker = link.mid(1);
        // A bare "#" names no marker.
        if (!marker.isEmpty() && !m_markers.contains(marker))
            m_missingMarkers.add(marker);
    }
    for (const QString &marker : m_markers.items()) {
        if (!m_links.contains(QLatin1Char('#') + marker))
            m_missingMarkers.add(QLatin1Char('#') + marker);
    }
}

PageEvaluation Evaluator::run() {
    detail(QStringLiteral("Searching for Title..."));
    m_result.title = titleOf(m_text, m_lower);
    detail(m_result.title);

    // Only the first line that sets a background is looked at.
    const qsizetype background = m_lower.indexOf(QLatin1String("background="));
    if (background >= 0)
        scanImageLine(m_lines.lineOf(background), QLatin1String("background"), true);

    if (!m_stopped) {
        detail(QStringLiteral("Searching for image items..."));
        forEachLineWith(QLatin1String("src=\""),
                        [this](int n) { scanImageLine(n, QLatin1String("src"), false); });
    }
    if (!m_stopped) {
        detail(QStringLiteral("Searching for link references..."));
        forEachLineWith(QLatin1String("<a href"), [this](int n) { scanLinkLine(n); });
    }
    if (!m_stopped) {
        detail(QStringLiteral("Searching for page markers..."));
        forEachLineWith(QLatin1String("<a name="), [this](int n) { scanMarkerLine(n, true); });
    }
    return finish();
}

PageEvaluation Evaluator::finish() {
    settleMarkerLinks();
    if (m_stopped) {
        // The markers may not all be known: no cross-check.
        m_result.complete = false;
        detail(Evaluation::stoppedText());
    } else {
        crossCheckMarkers();
    }
    detail(QString());
    detail(QLatin1String("Page contains ") + QString::number(m_found.size()) +
           QLatin1String(" SRC references totalling ") + QString::number(m_result.totalBytes) +
           QLatin1String(" bytes."));
    m_result.filesFound = m_found.items();
    m_result.filesMissing = m_missing.items();
    m_result.links = m_links.items();
    m_result.locatedLinks = m_locatedLinks.items();
    m_result.pageMarkers = m_markers.items();
    m_result.missingPages = m_missingMarkers.items();
    return std::move(m_result);
}

QStringList Evaluator::anchorsOnly() {
    forEachLineWith(QLatin1String("<a name="), [this](int n) { scanMarkerLine(n, false); });
    return m_markers.items();
}

} // namespace

QString Evaluation::stoppedText() {
    return QStringLiteral("Evaluation stopped: the page holds more references than can be listed.");
}

QString attrValue(QStringView line, qsizetype keyPos, qsizetype maxLength) {
    qsizetype p = line.indexOf(QLatin1Char('='), keyPos);
    if (p < 0)
        return QString();
    ++p;
    while (p < line.size() && isBlank(line[p]))
        ++p;
    QChar quote;
    if (p < line.size() && (line[p] == QLatin1Char('"') || line[p] == QLatin1Char('\'')))
        quote = line[p++];
    // The tag ends where a value should be: no value.
    if (p >= line.size() || (line[p] == QLatin1Char('>') && quote.isNull()))
        return QString();
    const qsizetype start = p++;
    const qsizetype stop = qMin(line.size(), start + maxLength);
    while (p < stop) {
        const QChar c = line[p];
        if (isBlank(c) || c == QLatin1Char('"') || c == QLatin1Char('>') ||
            (quote == QLatin1Char('\'') && c == quote))
            break;
        ++p;
    }
    const QStringView value = line.mid(start, p - start);
    if (value == QLatin1String("\"") || value == QLatin1String("'"))
        return QString();
    return value.toString();
}

QString pageTitle(QStringView text) {
    return titleOf(text, asciiLower(text));
}

PageEvaluation evaluatePage(QStringView text, const QString &folder, FileLookup *files) {
    FileLookup own;
    Evaluator evaluator(text, folder, files ? *files : own);
    return evaluator.run();
}

QStringList namedAnchors(QStringView text) {
    FileLookup unused;
    Evaluator evaluator(text, QString(), unused);
    return evaluator.anchorsOnly();
}
