#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The files "page1.btn" .. "page4.btn", one per custom tool page: one line
// per button slot, leftmost first, each "caption|code|tag type|drop-down
// style". A caption "***" makes a narrow drop-down arrow that offers variants
// of the next line's code; an empty caption leaves the slot free.

constexpr int kCustomPages = 4;
constexpr int kButtonSlots = 19;

// "page1.btn" for page 0, and so on.
QString buttonFileName(int page);

// How a button's code is inserted (the third field).
enum class TagType { AsIs = 0, Even = 1, UnEven = 2 };
// Which variants an arrow button offers (the fourth field): the tag with
// ALIGN values, or the single tag with CLEAR values.
enum class DropStyle { Align = 0, Clear = 1 };

struct ButtonLine {
    QString caption;
    QString code;
    QString tagType = QStringLiteral("0");
    QString dropStyle = QStringLiteral("0");

    static ButtonLine parse(const QString &line);
    QString toLine() const;
    bool isArrow() const { return caption == QLatin1String("***"); }
};

// A free slot as the setup dialog writes it.
QString freeButtonLine();

// A field as a radio-group index: a whole number, or 0 when the field is
// empty or no number.
int fieldIndex(const QString &field);

// What one slot of a custom page shows and does.
struct ButtonSlot {
    enum class Action { None, InsertAsIs, InsertEven, InsertUnEven, DropDownAlign, DropDownClear };
    int left = 0;
    int top = 0;
    int width = 30;
    int height = 26;
    QString caption;
    QString hint; // the code the action applies to; the button's tool tip
    bool visible = false;
    bool arrow = false;
    Action action = Action::None;
};

struct ButtonLayout {
    // The slots set up, from slot 0 on. After a malformed line this stops
    // before the slot of that line, and the slots from there keep whatever
    // they showed before.
    QVector<ButtonSlot> buttons;
    bool failed = false;
};

// Lays out the 19 slots of a page from the lines of its button file. A type
// or style field that is not a whole number, a "***" line with no line after
// it, or a damaged line (binary bytes, far too long) is malformed.
ButtonLayout layoutButtons(const QStringList &lines);

// The four entries an arrow button offers for the tag `hint`.
QStringList arrowEntries(const QString &hint, DropStyle style);
