#pragma once

#include <Qsci/qscilexercustom.h>

// Colours every stretch of text from "<" to the next ">" (both included), also
// across line ends, and leaves the rest as plain text.
//
// Styling is lazy: Scintilla asks for the range it is about to show, and the
// lexer works out from the style of the character just before that range
// whether it starts inside a tag. Opening a large document therefore costs
// nothing until its text is drawn.
class TagLexer : public QsciLexerCustom {
    Q_OBJECT
public:
    enum Style { Text = 0, Tag = 1 };

    explicit TagLexer(QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    void styleText(int start, int end) override;

    // The characters that make up a "word" when the user double-clicks:
    // letters, digits and the characters of attribute expressions, so that a
    // double-click selects SIZE=4, BGCOLOR="#FF0000" or <BODY whole.
    const char *wordCharacters() const override;

    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
};
