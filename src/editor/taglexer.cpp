#include "editor/taglexer.h"

#include "editor/scintillacall.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QColor>

namespace {
// Text is read and styled in slices so that styling a whole large document
// (after a jump to its end) needs no copy of the document.
constexpr int kSlice = 64 * 1024;
} // namespace

TagLexer::TagLexer(QObject *parent) : QsciLexerCustom(parent) {}

const char *TagLexer::language() const {
    return "Tags";
}

QString TagLexer::description(int style) const {
    switch (style) {
    case Text:
        return QStringLiteral("Text");
    case Tag:
        return QStringLiteral("Tag");
    default:
        return QString();
    }
}

const char *TagLexer::wordCharacters() const {
    return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-#=\"./:%<";
}

QColor TagLexer::defaultColor(int style) const {
    return style == Tag ? QColor(0, 0, 255) : QColor(0, 0, 0);
}

QColor TagLexer::defaultPaper(int) const {
    return QColor(255, 255, 255);
}

void TagLexer::styleText(int start, int end) {
    QsciScintilla *ed = editor();
    if (!ed || end <= start)
        return;

    // Inside a tag when the character before the range belongs to a tag that
    // it does not close.
    bool inTag = false;
    if (start > 0) {
        const long prevStyle = sci::call(ed, QsciScintillaBase::SCI_GETSTYLEAT, start - 1);
        const long prevChar = sci::call(ed, QsciScintillaBase::SCI_GETCHARAT, start - 1);
        inTag = prevStyle == Tag && char(prevChar) != '>';
    }

    sci::call(ed, QsciScintillaBase::SCI_STARTSTYLING, start);
    QByteArray text;
    QByteArray styles;
    for (int from = start; from < end; from += kSlice) {
        const int to = qMin(end, from + kSlice);
        const int length = to - from;
        text.resize(length + 1);
        styles.resize(length);
        sci::textRange(ed, from, to, text.data());
        const char *p = text.constData();
        char *s = styles.data();
        for (int i = 0; i < length; ++i) {
            const char c = p[i];
            if (!inTag && c == '<')
                inTag = true;
            s[i] = inTag ? char(Tag) : char(Text);
            if (inTag && c == '>')
                inTag = false;
        }
        sci::callBytes(ed, QsciScintillaBase::SCI_SETSTYLINGEX, length, styles.constData());
    }
}
