#pragma once

#include <QList>
#include <QString>

// One finding of HTML Tidy about a page.
struct TidyFinding {
    enum class Kind { Warning, Error };
    Kind kind = Kind::Warning;
    int line = 0;   // from 1; 0 when it concerns the whole page
    int column = 0; // editor column: from 0, counted as QString counts
    QString text;   // Tidy's message, without its position ("missing <!DOCTYPE> declaration")
};

// Runs HTML Tidy (libtidy) over a page's text in memory and collects its
// warnings and errors in the order Tidy reports them. The text is only read:
// nothing is written anywhere, and Tidy's cleaned-up page is not made.
class TidyChecker {
public:
    QList<TidyFinding> check(const QString &text) const;

    // Tidy counts columns from 1 in characters, a tab as one; the editor
    // counts from 0 in UTF-16 units.
    static int editorColumn(const QString &lineText, int tidyColumn);
};
