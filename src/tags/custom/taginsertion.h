#pragma once

#include <QString>
#include <functional>

// The insertion operations custom buttons, tag menus and special characters
// call, handed in by whoever owns the document editor. An empty function
// makes that kind of button or entry do nothing.
struct TagInsertion {
    // The three kinds of custom buttons, given the button's code.
    std::function<void(const QString &code)> buttonInsertAsIs;   // inserted as it stands
    std::function<void(const QString &code)> buttonInsertEven;   // "B" wraps in <B> and </B>
    std::function<void(const QString &code)> buttonInsertUnEven; // "<UL><LI>..</UL> - list"
    // A tag-menu entry, given its caption (uneven specification or first word).
    std::function<void(const QString &caption)> address1Click;
    // Inserts text at the caret: special characters, single-tag variants.
    std::function<void(const QString &text)> insertText;
    // Splits a caption after its first ">" and wraps the selection in the two
    // parts: the ALIGN variants of an arrow button.
    std::function<void(const QString &caption)> insertCaptionAsTag;
};
