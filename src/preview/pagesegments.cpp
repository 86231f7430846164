#include "preview/pagesegments.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstring>

namespace {

bool isSpace(QChar c) {
    const ushort u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool isAsciiLetter(QChar c) {
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool allSpace(const QString &s, int from, int to) {
    for (int i = from; i < to; ++i)
        if (!isSpace(s.at(i)))
            return false;
    return true;
}

const QSet<QString> &voidElements() {
    static const QSet<QString> set{"area",   "br",    "col",   "embed",   "hr",
                                   "img",    "image", "input", "link",    "param",
                                   "source", "track", "wbr",   "bgsound", "basefont"};
    return set;
}

// Their content is text up to their own end tag.
const QSet<QString> &rawTextElements() {
    static const QSet<QString> set{"style",    "xmp",      "iframe",  "noembed",
                                   "noframes", "noscript", "textarea"};
    return set;
}

// Start tags that close an open paragraph.
const QSet<QString> &paragraphClosers() {
    static const QSet<QString> set{
        "address", "article", "aside",    "blockquote", "center", "details", "dialog",  "dir",
        "div",     "dl",      "fieldset", "figcaption", "figure", "footer",  "form",    "h1",
        "h2",      "h3",      "h4",       "h5",         "h6",     "header",  "hgroup",  "hr",
        "main",    "menu",    "nav",      "ol",         "p",      "pre",     "section", "summary",
        "table",   "ul",      "li",       "dd",         "dt",     "listing", "xmp",     "search"};
    return set;
}

// Start tags whose effect reaches beyond their own element, or whose nodes
// the parser puts elsewhere: never patched.
const QSet<QString> &neverInBody() {
    static const QSet<QString> set{"html",   "head",      "body",     "frameset", "frame",
                                   "script", "plaintext", "template", "svg",      "math",
                                   "base",   "meta",      "title",    "isindex",  "keygen",
                                   "rb",     "rp",        "rt",       "rtc"};
    return set;
}

bool isHeading(const QString &n) {
    return n.size() == 2 && n.at(0) == QLatin1Char('h') && n.at(1) >= QLatin1Char('1') &&
           n.at(1) <= QLatin1Char('6');
}

// Whether `n` is a table part, and then whether `parent` may hold it.
bool isTablePart(const QString &n, const QString &parent, bool *fits) {
    auto is = [&](const char *name) { return parent == QLatin1String(name); };
    if (n == QLatin1String("caption") || n == QLatin1String("colgroup") ||
        n == QLatin1String("tbody") || n == QLatin1String("thead") || n == QLatin1String("tfoot"))
        *fits = is("table");
    else if (n == QLatin1String("tr"))
        *fits = is("table") || is("tbody") || is("thead") || is("tfoot");
    else if (n == QLatin1String("td") || n == QLatin1String("th"))
        *fits = is("tr");
    else if (n == QLatin1String("col"))
        *fits = is("table") || is("colgroup");
    else
        return false;
    return true;
}

bool isTableLevel(const QString &n) {
    return n == QLatin1String("table") || n == QLatin1String("tbody") ||
           n == QLatin1String("thead") || n == QLatin1String("tfoot") || n == QLatin1String("tr") ||
           n == QLatin1String("colgroup");
}

bool contains(const std::vector<QString> &stack, QLatin1String name) {
    for (const QString &open : stack)
        if (open == name)
            return true;
    return false;
}

bool contains(const std::vector<QString> &stack, const QString &name) {
    return std::find(stack.begin(), stack.end(), name) != stack.end();
}

// Walking down from the top: whether `self` is met before one of `stops`.
bool openBefore(const std::vector<QString> &stack, const QString &self,
                std::initializer_list<const char *> stops) {
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (*it == self)
            return true;
        for (const char *stop : stops)
            if (*it == QLatin1String(stop))
                return false;
    }
    return false;
}

// Whether a start tag `n` on top of `stack` is parsed as written.
bool startIsPlain(const QString &n, const std::vector<QString> &stack) {
    if (neverInBody().contains(n))
        return false;
    const QString top = stack.empty() ? QString() : stack.back();
    bool fits = false;
    if (isTablePart(n, top, &fits))
        return fits;
    if (isTableLevel(top))
        return false; // the parser would move it out of the table
    if (top == QLatin1String("select") || top == QLatin1String("optgroup"))
        return n == QLatin1String("option") || n == QLatin1String("optgroup");
    if (top == QLatin1String("option") || contains(stack, QLatin1String("select")))
        return false;
    if (n == QLatin1String("option") || n == QLatin1String("optgroup"))
        return true;
    if (contains(stack, QLatin1String("p")) && paragraphClosers().contains(n))
        return false;
    if (isHeading(n) && isHeading(top))
        return false;
    if (n == QLatin1String("li"))
        return !openBefore(stack, n, {"ul", "ol", "menu", "dir", "table", "td", "th"});
    if (n == QLatin1String("dd") || n == QLatin1String("dt"))
        return !openBefore(stack, QStringLiteral("dd"), {"dl", "table", "td", "th"}) &&
               !openBefore(stack, QStringLiteral("dt"), {"dl", "table", "td", "th"});
    if (n == QLatin1String("a") || n == QLatin1String("nobr") || n == QLatin1String("button") ||
        n == QLatin1String("form") || n == QLatin1String("select"))
        return !contains(stack, n);
    return true;
}

// One token of mark-up starting at a "<".
struct Token {
    enum Kind { Text, Start, End, Comment, Odd } kind = Text;
    QString name; // lower case
    int end = 0;  // just after the token
};

// Reads the attributes of a tag from `i` to its ">"; -1 at the end of text.
int tagEnd(const QString &s, int i) {
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('>'))
            return i + 1;
        if (isSpace(c) || c == QLatin1Char('/')) {
            ++i;
            continue;
        }
        // An attribute name (it may begin with "="), then perhaps a value.
        ++i;
        while (i < n && !isSpace(s.at(i)) && s.at(i) != QLatin1Char('/') &&
               s.at(i) != QLatin1Char('>') && s.at(i) != QLatin1Char('='))
            ++i;
        while (i < n && isSpace(s.at(i)))
            ++i;
        if (i < n && s.at(i) == QLatin1Char('=')) {
            ++i;
            while (i < n && isSpace(s.at(i)))
                ++i;
            if (i < n && (s.at(i) == QLatin1Char('"') || s.at(i) == QLatin1Char('\''))) {
                const int close = int(s.indexOf(s.at(i), i + 1));
                if (close < 0)
                    return -1;
                i = close + 1;
            } else {
                while (i < n && !isSpace(s.at(i)) && s.at(i) != QLatin1Char('>'))
                    ++i;
            }
        }
    }
    return -1;
}

Token readToken(const QString &s, int i) {
    Token t;
    const int n = int(s.size());
    t.end = i + 1;
    if (i + 1 >= n)
        return t; // a "<" at the very end is text
    const QChar c = s.at(i + 1);
    if (c == QLatin1Char('!')) {
        t.kind = Token::Odd;
        if (s.mid(i, 4) != QLatin1String("<!--"))
            return t;
        const int close = int(s.indexOf(QLatin1String("-->"), i + 4));
        if (close < 0 || s.mid(i + 4, 1) == QLatin1String(">") ||
            s.mid(i + 4, 2) == QLatin1String("->") ||
            s.mid(i + 4, close - i - 4).contains(QLatin1String("--!>")))
            return t;
        t.kind = Token::Comment;
        t.end = close + 3;
        return t;
    }
    if (c == QLatin1Char('?')) {
        t.kind = Token::Odd;
        return t;
    }
    const bool closing = c == QLatin1Char('/');
    int p = i + (closing ? 2 : 1);
    if (p >= n || !isAsciiLetter(s.at(p))) {
        if (closing)
            t.kind = Token::Odd;
        return t; // "<" followed by anything else is text
    }
    const int nameStart = p;
    while (p < n && !isSpace(s.at(p)) && s.at(p) != QLatin1Char('/') && s.at(p) != QLatin1Char('>'))
        ++p;
    t.name = s.mid(nameStart, p - nameStart).toLower();
    t.end = tagEnd(s, p);
    t.kind = t.end < 0 ? Token::Odd : (closing ? Token::End : Token::Start);
    return t;
}

// The end of a raw text element's content: the start of its end tag.
int rawTextEnd(const QString &s, int from, const QString &name) {
    const QString close = QStringLiteral("</") + name;
    for (int i = from;; ++i) {
        i = int(s.indexOf(close, i, Qt::CaseInsensitive));
        if (i < 0)
            return -1;
        const int after = i + int(close.size());
        if (after >= s.size() || isSpace(s.at(after)) || s.at(after) == QLatin1Char('/') ||
            s.at(after) == QLatin1Char('>'))
            return i;
    }
}

// Elements whose content, parsed on its own in the element, gives the nodes
// it gives inside the document whenever the block it starts is plain: their
// content is read in the body's mode, and none drops a leading line break.
const QSet<QString> &contentParents() {
    static const QSet<QString> set{"P",  "H1",  "H2",         "H3",     "H4",      "H5",
                                   "H6", "DIV", "BLOCKQUOTE", "CENTER", "ADDRESS", "LI",
                                   "DD", "DT",  "UL",         "OL",     "DL"};
    return set;
}

// A large page has a block for every few hundred characters: their names
// share one copy of each (per thread, as a page is analysed on a thread of
// its own).
QString nodeName(const Token &t) {
    if (t.kind == Token::Comment)
        return QStringLiteral("#comment");
    if (t.name == QLatin1String("image"))
        return QStringLiteral("IMG");
    thread_local QHash<QString, QString> names;
    QString &name = names[t.name];
    if (name.isEmpty()) {
        if (names.size() > 256) { // a page of made-up tags: do not keep them all
            names.clear();
            return t.name.toUpper();
        }
        name = t.name.toUpper();
    }
    return name;
}

} // namespace

void PageSegments::clear() {
    m_text.clear();
    m_patchable = false;
    m_segments.clear();
    m_tail.clear();
    m_bodyStart = m_bodyEnd = 0;
}

int PageSegments::nodeCount() const {
    int count = 0;
    for (const Segment &s : m_segments)
        count += s.nodes;
    return count;
}

void PageSegments::reset(const QString &html) {
    clear();
    m_text = html;
    // The head: only what the parser keeps there, and an explicit BODY tag.
    const int n = int(html.size());
    int i = 0;
    m_bodyStart = -1;
    while (i < n && m_bodyStart < 0) {
        const int lt = int(html.indexOf(QLatin1Char('<'), i));
        if (!allSpace(html, i, lt < 0 ? n : lt) || lt < 0)
            return;
        if (html.mid(lt, 9).compare(QLatin1String("<!doctype"), Qt::CaseInsensitive) == 0) {
            const int close = int(html.indexOf(QLatin1Char('>'), lt));
            if (close < 0)
                return;
            i = close + 1;
            continue;
        }
        const Token t = readToken(html, lt);
        if (t.kind == Token::Comment) {
            i = t.end;
        } else if (t.kind == Token::Start) {
            static const QSet<QString> head{"html", "head",     "meta",   "link",
                                            "base", "basefont", "bgsound"};
            if (t.name == QLatin1String("body")) {
                m_bodyStart = t.end;
            } else if (t.name == QLatin1String("title") || t.name == QLatin1String("style") ||
                       t.name == QLatin1String("noscript")) {
                const int close = rawTextEnd(html, t.end, t.name);
                if (close < 0)
                    return;
                i = close;
            } else if (head.contains(t.name)) {
                i = t.end;
            } else {
                return;
            }
        } else if (t.kind == Token::End &&
                   (t.name == QLatin1String("head") || t.name == QLatin1String("title") ||
                    t.name == QLatin1String("style") || t.name == QLatin1String("noscript"))) {
            i = t.end;
        } else {
            return;
        }
    }
    if (m_bodyStart < 0)
        return;
    Scan scanned;
    if (!scan(html, m_bodyStart, true, -1, nullptr, 0, 0, scanned) ||
        !analyseTail(html, scanned.bodyEnd))
        return;
    m_segments = std::move(scanned.segments);
    m_bodyEnd = scanned.bodyEnd;
    for (size_t k = 0; k < m_segments.size(); ++k)
        countNodes(m_segments[k], k + 1 == m_segments.size());
    m_patchable = true;
}

// After the body: white space (which the parser adds to the body) and the
// end tags of the body and the document.
bool PageSegments::analyseTail(const QString &html, int bodyEnd) {
    m_tail.clear();
    const int n = int(html.size());
    for (int i = bodyEnd; i < n;) {
        if (isSpace(html.at(i))) {
            m_tail += html.at(i++);
            continue;
        }
        if (html.at(i) != QLatin1Char('<'))
            return false;
        const Token t = readToken(html, i);
        if (t.kind != Token::End ||
            (t.name != QLatin1String("body") && t.name != QLatin1String("html")))
            return false;
        i = t.end;
    }
    return true;
}

bool PageSegments::scan(const QString &html, int from, bool leading, int stopAt,
                        const std::vector<Segment> *stops, int firstStop, int shift,
                        Scan &out) const {
    const int n = int(html.size());
    std::vector<QString> stack;
    Segment current;
    current.start = from;
    // The text before the first block has no node of its own (and no name);
    // any other block starts with its first node.
    if (!leading)
        current.firstName = nodeName(readToken(html, from));
    int k = firstStop;
    auto boundary = [&](int at, const Token &t) {
        if (!leading && at == from)
            return; // the tag that starts the first block read
        current.end = at;
        out.segments.push_back(current);
        if (stops && at >= stopAt) {
            while (k < int(stops->size()) && (*stops)[size_t(k)].start + shift < at)
                ++k;
            if (k < int(stops->size()) && (*stops)[size_t(k)].start + shift == at) {
                out.reachedStop = true;
                out.stopIndex = k;
                return;
            }
        }
        current = Segment();
        current.start = at;
        current.firstName = nodeName(t);
    };
    int i = from;
    while (true) {
        const int lt = int(html.indexOf(QLatin1Char('<'), i));
        const int textEnd = lt < 0 ? n : lt;
        for (int c = i; c < textEnd; ++c)
            if (html.at(c).unicode() == 0)
                return false;
        if (!stack.empty() && isTableLevel(stack.back()) && !allSpace(html, i, textEnd))
            return false;
        if (lt < 0) {
            if (!stack.empty())
                return false;
            current.end = n;
            out.segments.push_back(current);
            out.bodyEnd = n;
            return true;
        }
        const Token t = readToken(html, lt);
        switch (t.kind) {
        case Token::Text:
            break;
        case Token::Odd:
            return false;
        case Token::Comment:
            if (stack.empty()) {
                boundary(lt, t);
                if (out.reachedStop)
                    return true;
            }
            break;
        case Token::Start: {
            if (stack.empty()) {
                boundary(lt, t);
                if (out.reachedStop)
                    return true;
            }
            if (!startIsPlain(t.name, stack))
                return false;
            if (voidElements().contains(t.name))
                break;
            if (rawTextElements().contains(t.name)) {
                const int close = rawTextEnd(html, t.end, t.name);
                if (close < 0)
                    return false;
                const Token endTag = readToken(html, close);
                if (endTag.kind != Token::End)
                    return false;
                i = endTag.end;
                if (stack.empty() && current.textFrom < 0)
                    current.textFrom = i;
                continue;
            }
            stack.push_back(t.name);
            break;
        }
        case Token::End:
            if (stack.empty()) {
                if (t.name != QLatin1String("body") && t.name != QLatin1String("html"))
                    return false;
                current.end = lt;
                out.segments.push_back(current);
                out.bodyEnd = lt;
                return true;
            }
            if (stack.back() != t.name)
                return false;
            stack.pop_back();
            break;
        }
        i = t.end;
        if (stack.empty() && current.textFrom < 0 && t.kind != Token::Text)
            current.textFrom = i;
    }
}

// A block is its first node (the text before the first block has none of
// its own) and the text after it, up to the next block.
void PageSegments::countNodes(Segment &segment, bool last) const {
    const bool leading = segment.firstName.isEmpty();
    const int textFrom = leading || segment.textFrom < 0 ? segment.start : segment.textFrom;
    const bool hasText = textFrom < segment.end || (last && !m_tail.isEmpty());
    segment.nodes = (leading ? 0 : 1) + (hasText ? 1 : 0);
}

// The content of the element a block starts with, between its start and
// end tags, as offsets into text(); false when it has none to patch.
bool PageSegments::contentRange(const Segment &segment, int *from, int *to) const {
    if (!contentParents().contains(segment.firstName) || segment.textFrom < 0)
        return false;
    const Token start = readToken(m_text, segment.start);
    const int close = int(m_text.lastIndexOf(QLatin1Char('<'), segment.textFrom - 1));
    if (start.kind != Token::Start || close < start.end)
        return false;
    const Token end = readToken(m_text, close);
    if (end.kind != Token::End || end.end != segment.textFrom ||
        end.name.toUpper() != segment.firstName)
        return false;
    *from = start.end;
    *to = close;
    return true;
}

QString PageSegments::segmentHtml(const Segment &segment, bool last) const {
    QString html = m_text.mid(segment.start, segment.end - segment.start);
    if (last)
        html += m_tail;
    return html;
}

std::optional<PageSegments::Patch> PageSegments::update(const QString &html, int samePrefix,
                                                        int sameSuffix) {
    if (!m_patchable) {
        reset(html);
        return std::nullopt;
    }
    const int oldLen = int(m_text.size());
    const int newLen = int(html.size());
    // Where the texts differ: the common start and end, taken greedily from
    // the front, or else from the back (a repeated character can put the
    // first choice over the end of the body, as when a block is added just
    // before the body's end tag). What the caller knows to be the same is
    // not compared again.
    const int shorter = std::min(oldLen, newLen);
    const int knownStart = std::clamp(samePrefix, 0, shorter);
    const int knownEnd = std::clamp(sameSuffix, 0, shorter - knownStart);
    const QChar *a = m_text.constData();
    const QChar *b = html.constData();
    // Compared a run at a time first (memcmp is far quicker on the long
    // equal stretches of a large page), then a character at a time.
    constexpr int run = 256;
    auto sameStart = [&](int limit) {
        int n = knownStart;
        while (n + run <= limit && std::memcmp(a + n, b + n, run * sizeof(QChar)) == 0)
            n += run;
        while (n < limit && a[n] == b[n])
            ++n;
        return n;
    };
    auto sameEnd = [&](int limit) {
        int n = knownEnd;
        while (n + run <= limit &&
               std::memcmp(a + oldLen - n - run, b + newLen - n - run, run * sizeof(QChar)) == 0)
            n += run;
        while (n < limit && a[oldLen - 1 - n] == b[newLen - 1 - n])
            ++n;
        return n;
    };
    int prefix = sameStart(shorter - knownEnd);
    if (oldLen == newLen && prefix + knownEnd == oldLen) {
        Patch none;
        none.totalNodes = nodeCount();
        return none;
    }
    int suffix = sameEnd(shorter - prefix);
    if (prefix < m_bodyStart || oldLen - suffix > m_bodyEnd) {
        suffix = sameEnd(shorter - knownStart);
        prefix = sameStart(shorter - suffix);
    }
    return patchChange(prefix, oldLen - suffix, newLen - suffix, [&] { m_text = html; });
}

std::optional<PageSegments::Patch> PageSegments::replace(int from, int removed,
                                                         const QString &inserted) {
    const int oldLen = int(m_text.size());
    from = std::clamp(from, 0, oldLen);
    removed = std::clamp(removed, 0, oldLen - from);
    auto edit = [&] { m_text.replace(from, removed, inserted); };
    if (!m_patchable) {
        edit();
        resetToText();
        return std::nullopt;
    }
    // The editor's span may be wider than the difference: the same
    // characters at either end of it are left out, from the front first or
    // else from the back, as update() does.
    const int added = int(inserted.size());
    const QChar *a = m_text.constData() + from;
    const QChar *b = inserted.constData();
    auto sameStart = [&](int skipEnd) {
        int n = 0;
        while (n < removed - skipEnd && n < added - skipEnd && a[n] == b[n])
            ++n;
        return n;
    };
    auto sameEnd = [&](int skipStart) {
        int n = 0;
        while (n < removed - skipStart && n < added - skipStart &&
               a[removed - 1 - n] == b[added - 1 - n])
            ++n;
        return n;
    };
    int head = sameStart(0);
    int tail = sameEnd(head);
    if (head == removed && tail == 0 && removed == added) {
        Patch none;
        none.totalNodes = nodeCount();
        return none;
    }
    if (from + head < m_bodyStart || from + removed - tail > m_bodyEnd) {
        tail = sameEnd(0);
        head = sameStart(tail);
    }
    return patchChange(from + head, from + removed - tail, from + added - tail, edit);
}

// Turns the text on show into the new one with `edit` and works out the
// patch for the change of its characters [prefix, oldChangeEnd), which are
// [prefix, newChangeEnd) in the new text.
std::optional<PageSegments::Patch>
PageSegments::patchChange(int prefix, int oldChangeEnd, int newChangeEnd,
                          const std::function<void()> &edit) {
    const int shift = newChangeEnd - oldChangeEnd;
    if (prefix < m_bodyStart || oldChangeEnd > m_bodyEnd) {
        edit();
        resetToText();
        return std::nullopt;
    }
    // The first block touched: the one holding the character before the
    // change (text typed at a block's start belongs to the block before).
    int first = 0;
    for (int k = int(m_segments.size()) - 1; k > 0; --k)
        if (m_segments[size_t(k)].start <= prefix - 1) {
            first = k;
            break;
        }
    int stopFrom = first + 1;
    while (stopFrom < int(m_segments.size()) && m_segments[size_t(stopFrom)].start < oldChangeEnd)
        ++stopFrom;
    // The content of the first block's element, read before the text changes.
    int contentFrom = 0, contentTo = 0;
    const bool hasContent = contentRange(m_segments[size_t(first)], &contentFrom, &contentTo);
    edit();
    const QString &html = m_text;
    Scan scanned;
    const Segment &from = m_segments[size_t(first)];
    if (!scan(html, from.start, first == 0, newChangeEnd, &m_segments, stopFrom, shift, scanned) ||
        (!scanned.reachedStop && scanned.bodyEnd != m_bodyEnd + shift)) {
        resetToText();
        return std::nullopt;
    }
    const int last = scanned.reachedStop ? scanned.stopIndex : int(m_segments.size());
    const bool reachesEnd = last == int(m_segments.size());

    Patch patch;
    for (int k = 0; k < first; ++k)
        patch.firstNode += m_segments[size_t(k)].nodes;
    patch.totalNodes = nodeCount();
    // An edit inside one element's content: only that content changes.
    if (last == first + 1 && scanned.segments.size() == 1 &&
        scanned.segments.front().textFrom == from.textFrom + shift && hasContent &&
        prefix >= contentFrom && oldChangeEnd <= contentTo) {
        patch.insideName = from.firstName;
        patch.html = html.mid(contentFrom, contentTo + shift - contentFrom);
        countNodes(scanned.segments.front(), reachesEnd);
        replaceSegments(first, last, scanned.segments, shift);
        return patch;
    }
    for (int k = first; k < last; ++k) {
        const Segment &s = m_segments[size_t(k)];
        patch.removeNodes += s.nodes;
        if (!s.firstName.isEmpty())
            patch.removedNames << s.firstName;
        if (s.nodes == (s.firstName.isEmpty() ? 1 : 2))
            patch.removedNames << QStringLiteral("#text");
    }

    for (size_t k = 0; k < scanned.segments.size(); ++k)
        countNodes(scanned.segments[k], reachesEnd && k + 1 == scanned.segments.size());
    for (const Segment &s : scanned.segments)
        patch.newNodes += s.nodes;
    patch.html = html.mid(scanned.segments.front().start,
                          scanned.segments.back().end - scanned.segments.front().start);
    if (reachesEnd)
        patch.html += m_tail;
    replaceSegments(first, last, scanned.segments, shift);
    return patch;
}

// Analyses the text as it now stands from scratch (no patch).
void PageSegments::resetToText() {
    const QString text = m_text; // reset() starts by forgetting m_text
    reset(text);
}

// Puts `fresh` in place of the blocks [first, last) and moves the blocks
// after them by `shift`.
void PageSegments::replaceSegments(int first, int last, const std::vector<Segment> &fresh,
                                   int shift) {
    for (size_t k = size_t(last); k < m_segments.size(); ++k) {
        m_segments[k].start += shift;
        m_segments[k].end += shift;
        if (m_segments[k].textFrom >= 0)
            m_segments[k].textFrom += shift;
    }
    m_segments.erase(m_segments.begin() + first, m_segments.begin() + last);
    m_segments.insert(m_segments.begin() + first, fresh.begin(), fresh.end());
    m_bodyEnd += shift;
}

std::vector<std::pair<int, int>> PageSegments::ranges() const {
    std::vector<std::pair<int, int>> out;
    for (const Segment &s : m_segments)
        out.emplace_back(s.start, s.end);
    return out;
}
