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
    m_length = 0;
    m_patchable = false;
    m_segments.clear();
    m_tail.clear();
    m_head.clear();
    m_afterBody.clear();
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
    m_length = int(html.size());
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
    m_head = html.left(m_bodyStart);
    m_afterBody = html.mid(m_bodyEnd);
    for (size_t k = 0; k < m_segments.size(); ++k)
        finishSegment(m_segments[k], k + 1 == m_segments.size(), html, 0);
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
// its own) and the text after it, up to the next block. Also finds the
// content of the element the block starts with, between its start and end
// tags, for edits inside it; `text` holds the block, its first character
// being the text's character `base`.
void PageSegments::finishSegment(Segment &segment, bool last, const QString &text,
                                 int base) const {
    const bool leading = segment.firstName.isEmpty();
    const int textFrom = leading || segment.textFrom < 0 ? segment.start : segment.textFrom;
    const bool hasText = textFrom < segment.end || (last && !m_tail.isEmpty());
    segment.nodes = (leading ? 0 : 1) + (hasText ? 1 : 0);
    segment.contentFrom = segment.contentTo = -1;
    if (!contentParents().contains(segment.firstName) || segment.textFrom < 0)
        return;
    const Token start = readToken(text, segment.start - base);
    const int close = int(text.lastIndexOf(QLatin1Char('<'), segment.textFrom - base - 1));
    if (start.kind != Token::Start || close < start.end)
        return;
    const Token end = readToken(text, close);
    if (end.kind != Token::End || end.end != segment.textFrom - base ||
        end.name.toUpper() != segment.firstName)
        return;
    segment.contentFrom = start.end + base;
    segment.contentTo = close + base;
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
    return patchChange(prefix, oldLen - suffix, newLen - suffix, [&] {
        m_text = html;
        m_length = newLen;
    });
}

std::optional<PageSegments::Patch> PageSegments::replace(int from, int removed,
                                                         const QString &inserted) {
    const int oldLen = int(m_text.size());
    from = std::clamp(from, 0, oldLen);
    removed = std::clamp(removed, 0, oldLen - from);
    auto edit = [&] {
        m_text.replace(from, removed, inserted);
        m_length = int(m_text.size());
    };
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

std::optional<PageSegments::Patch> PageSegments::replaceFrom(int from, int removed, int inserted,
                                                             const TextWindow &window) {
    const int oldLen = m_length;
    from = std::clamp(from, 0, oldLen);
    removed = std::clamp(removed, 0, oldLen - from);
    inserted = std::max(0, inserted);
    const int newLen = oldLen - removed + inserted;
    auto forget = [&] {
        clear();
        m_length = newLen;
    };
    if (!m_patchable || !m_text.isEmpty() || oldLen == 0) {
        forget(); // nothing to patch, or the text is held: replace() then
        return std::nullopt;
    }
    if (removed == 0 && inserted == 0) {
        Patch none;
        none.totalNodes = nodeCount();
        return none;
    }
    // A span wider than the change may reach over the head or what follows
    // the body; those are kept, so that the span can be narrowed to the
    // body when they are as they were.
    int oldEnd = from + removed;
    int newEnd = from + inserted;
    const bool sameLength = removed == inserted;
    if ((sameLength && oldEnd <= m_bodyStart && window(0, m_bodyStart) == m_head) ||
        (sameLength && from >= m_bodyEnd && window(m_bodyEnd, newLen) == m_afterBody)) {
        Patch none; // changed back to what it was
        none.totalNodes = nodeCount();
        return none;
    }
    if (from < m_bodyStart && oldEnd >= m_bodyStart && newEnd >= m_bodyStart &&
        window(from, m_bodyStart) == QStringView(m_head).mid(from))
        from = m_bodyStart;
    const int after = int(m_afterBody.size());
    if (oldEnd > m_bodyEnd && m_bodyEnd >= from && newLen - after >= from &&
        window(newLen - after, newLen) == m_afterBody) {
        oldEnd = m_bodyEnd;
        newEnd = newLen - after;
    }
    return patchChange(from, oldEnd, newEnd, forget, &window);
}

void PageSegments::dropText() {
    m_text = QString();
}

// Turns the text on show into the new one with `edit` and works out the
// patch for the change of its characters [prefix, oldChangeEnd), which are
// [prefix, newChangeEnd) in the new text.
std::optional<PageSegments::Patch>
PageSegments::patchChange(int prefix, int oldChangeEnd, int newChangeEnd,
                          const std::function<void()> &edit, const TextWindow *window) {
    const int shift = newChangeEnd - oldChangeEnd;
    // Without a window the text is held: edited, and analysed anew when the
    // change cannot be patched. With one, the caller analyses anew.
    auto fail = [&] {
        if (window) {
            edit();
        } else {
            resetToText();
        }
        return std::nullopt;
    };
    if (prefix < m_bodyStart || oldChangeEnd > m_bodyEnd) {
        if (!window)
            edit();
        return fail();
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
    const Segment &from = m_segments[size_t(first)];
    const int newLen = m_length + shift;

    // The new text from the first block touched on: the whole text when it
    // is held, else pieces of it, larger each time, until the blocks read
    // meet those after the change or the end of the body.
    QString piece;
    int base = 0;
    Scan scanned;
    if (!window) {
        edit();
        piece = m_text;
        if (!scan(piece, from.start, first == 0, newChangeEnd, &m_segments, stopFrom, shift,
                  scanned))
            return fail();
    } else {
        base = from.start;
        for (int reach = newChangeEnd - base + 4096;;
             reach = int(std::min<qint64>(qint64(reach) * 4, newLen))) {
            const int end = std::min(newLen, base + reach);
            piece = (*window)(base, end);
            if (piece.size() != end - base)
                return fail();
            scanned = Scan();
            const bool ok = scan(piece, 0, first == 0, newChangeEnd - base, &m_segments, stopFrom,
                                 shift - base, scanned);
            const bool cut =
                end < newLen && (!ok || (!scanned.reachedStop && scanned.bodyEnd == end - base));
            if (cut)
                continue;
            if (!ok)
                return fail();
            break;
        }
        for (Segment &segment : scanned.segments) {
            segment.start += base;
            segment.end += base;
            if (segment.textFrom >= 0)
                segment.textFrom += base;
        }
        scanned.bodyEnd += base;
    }
    if (!scanned.reachedStop && scanned.bodyEnd != m_bodyEnd + shift)
        return fail();
    m_length = newLen;
    const int last = scanned.reachedStop ? scanned.stopIndex : int(m_segments.size());
    const bool reachesEnd = last == int(m_segments.size());

    Patch patch;
    for (int k = 0; k < first; ++k)
        patch.firstNode += m_segments[size_t(k)].nodes;
    patch.totalNodes = nodeCount();
    for (size_t k = 0; k < scanned.segments.size(); ++k)
        finishSegment(scanned.segments[k], reachesEnd && k + 1 == scanned.segments.size(), piece,
                      base);
    // An edit inside one element's content: only that content changes.
    if (last == first + 1 && scanned.segments.size() == 1 &&
        scanned.segments.front().textFrom == from.textFrom + shift && from.contentFrom >= 0 &&
        prefix >= from.contentFrom && oldChangeEnd <= from.contentTo) {
        patch.insideName = from.firstName;
        patch.html = piece.mid(from.contentFrom - base, from.contentTo + shift - from.contentFrom);
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
    for (const Segment &s : scanned.segments)
        patch.newNodes += s.nodes;
    patch.html = piece.mid(scanned.segments.front().start - base,
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
        if (m_segments[k].contentFrom >= 0) {
            m_segments[k].contentFrom += shift;
            m_segments[k].contentTo += shift;
        }
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
