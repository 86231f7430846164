#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The body of an HTML text cut into its top-level blocks, so that an edit
// can be shown by replacing only the blocks it touched in the rendered
// document instead of rendering the whole text again.
//
// A block starts at a tag at the top level of the body (an element with
// everything up to its end tag, or a comment) and runs on to the next such
// tag, so it is one node of the body followed by at most one text node; the
// text before the first block is a block of its own. Parsed on its own in
// the body, every block gives the same nodes as it does inside the whole
// document only when the parser's state between blocks is plain: nothing
// left open, nothing moved elsewhere, nothing closed implicitly. The
// analysis checks that conservatively (every element closed in order, no
// content the parser would move out of a table, no block inside an open
// paragraph, no scripts, an explicit BODY tag, ...). A text that fails a
// check is not patchable and is rendered whole.
class PageSegments {
public:
    // What to do to the body of the document on show: replace `removeNodes`
    // of its child nodes from `firstNode` on (their node names are
    // `removedNames`) by the nodes of `html`, parsed in the body, which are
    // `newNodes` many. The body has `totalNodes` children before.
    //
    // When the edit lies inside the content of one element (`insideName`,
    // the node name of the body's child `firstNode`), and its tags and the
    // text after it stay as they were, only that element's children are
    // replaced by the nodes of `html` parsed in it; no node of the body is
    // removed or added. The engine then restyles that element alone rather
    // than the element and its neighbours.
    struct Patch {
        int firstNode = 0;
        int removeNodes = 0;
        QStringList removedNames;
        QString html;
        int newNodes = 0;
        int totalNodes = 0;
        QString insideName;
        bool isEmpty() const {
            return removeNodes == 0 && newNodes == 0 && html.isEmpty() && insideName.isEmpty();
        }
    };

    // Analyses `html` as the text of the document now on show.
    void reset(const QString &html);
    // Forgets the text: the next update() asks for a full render.
    void clear();

    // Whether the text analysed last can be patched at all.
    bool patchable() const { return m_patchable; }
    const QString &text() const { return m_text; }
    int segmentCount() const { return int(m_segments.size()); }
    int nodeCount() const;

    // The patch that turns the document of the text analysed last into that
    // of `html`, which becomes the text analysed; none when the change
    // cannot be expressed as a patch (the head, the BODY tag or what follows
    // the body changed, or either text is not patchable): then `html` needs a
    // full render. An unchanged text gives an empty patch.
    //
    // `samePrefix` and `sameSuffix`: the caller knows that `html` starts and
    // ends with that many characters of text() (as the editor's record of
    // changed spans says); only the characters between are compared.
    std::optional<Patch> update(const QString &html, int samePrefix = 0, int sameSuffix = 0);
    // Like update(), for a text known only by its change: the characters
    // [from, from + removed) of text() became `inserted`. text() is changed
    // in place, without a second copy of a large text.
    std::optional<Patch> replace(int from, int removed, const QString &inserted);

    // Forgets the text itself but keeps its analysis, for a caller that can
    // give pieces of the text again (replaceFrom()). text() is empty then.
    void dropText();
    bool holdsText() const { return m_length == 0 || !m_text.isEmpty(); }
    // The length of the text analysed last, also when it is not held.
    int length() const { return m_length; }
    // Gives the characters [from, to) of the new text.
    using TextWindow = std::function<QString(int from, int to)>;
    // Like replace(), when the text is not held: the characters
    // [from, from + removed) became `inserted` many, which with the rest of
    // the new text `window` gives, a piece at a time, only as far as the
    // change reaches. When there is no patch the analysis is forgotten and
    // the caller analyses the new text with reset().
    std::optional<Patch> replaceFrom(int from, int removed, int inserted,
                                     const TextWindow &window);

    // The blocks as [start, end) offsets into text(), for tests.
    std::vector<std::pair<int, int>> ranges() const;

private:
    struct Segment {
        int start = 0;
        int end = 0;
        int nodes = 0;
        int textFrom = -1; // where the text after its first node starts
        // The content of its first element, between its tags, when an edit
        // there can be patched inside the element (-1: it cannot).
        int contentFrom = -1;
        int contentTo = -1;
        QString firstName; // node name of its first node
    };
    // Reads blocks from `from` (`leading`: the start of the body) until the
    // body ends; stops early once a block starts at `stopAt` or beyond where
    // one of `stops` from `firstStop` on starts (shifted by `shift`).
    // Returns false when the text is not patchable there.
    struct Scan {
        std::vector<Segment> segments;
        int bodyEnd = -1;
        bool reachedStop = false;
        int stopIndex = -1;
    };
    bool scan(const QString &html, int from, bool leading, int stopAt,
              const std::vector<Segment> *stops, int firstStop, int shift, Scan &out) const;
    bool analyseTail(const QString &html, int bodyEnd);
    std::optional<Patch> patchChange(int prefix, int oldChangeEnd, int newChangeEnd,
                                     const std::function<void()> &edit,
                                     const TextWindow *window = nullptr);
    void resetToText();
    void finishSegment(Segment &segment, bool last, const QString &text, int base) const;
    void replaceSegments(int first, int last, const std::vector<Segment> &fresh, int shift);

    QString m_text;
    int m_length = 0;
    bool m_patchable = false;
    int m_bodyStart = 0; // just after the BODY tag
    int m_bodyEnd = 0;   // the end tag of the body, or the end of the text
    QString m_tail;      // white space after the body, which goes into it
    QString m_head;      // the text before the body, its BODY tag included
    QString m_afterBody; // the text from the body's end tag on
    std::vector<Segment> m_segments;
};
