#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The seven kinds of field a data-entry form is made of, in the order of the
// Form Definition dialog's pages (a page's index is its kind's value).
enum class FieldKind { CheckBox, RadioGroup, DataEntry, ListBox, TextArea, PageText, Hidden };

constexpr int kFieldKindCount = 7;

// "Check Box", "Radio Group", ...: the page of the Form Definition dialog.
QString fieldPageName(FieldKind kind);
// "CB", "RG", "DE", "LB", "TA", "PT", "HD": the code a record starts with.
QString fieldCode(FieldKind kind);
std::optional<FieldKind> fieldKindOfCode(const QString &code);

// One field of a form. Stored as one line of "|"-separated fields that starts
// with the kind's code:
//   CB|name|value|caption|checked        RG|group|value|caption|default
//   DE|name|caption|length|password       TA|name|caption|columns|rows
//   LB|name|caption|sorted|multiple|visible|entry|entry|...|
//   PT|bold|italics|underline|preformatted|font size|text
//   HD|name|value
// Flags are "1" or "0".
struct FormRecord {
    FieldKind kind = FieldKind::CheckBox;
    QString name;         // variable name (the group name of a radio button); not PT
    QString value;        // assigned value: CB, RG, HD
    QString caption;      // CB, RG, DE, LB, TA; the text of PT
    bool checked = false; // CB checked, RG default button
    bool password = false;
    int length = 20; // DE
    bool sorted = false;
    bool multiple = false;
    int visible = 0; // LB visible items
    QStringList entries;
    int columns = 1; // TA
    int rows = 1;
    bool bold = false;
    bool italics = false;
    bool underline = false;
    bool preformatted = false;
    int fontSize = 0; // PT; 0 means no FONT element

    // The record line. A "|" inside a text is written as "&#124;", which the
    // mark-up shows as "|", so a typed "|" cannot split the record; line
    // breaks become blanks.
    QString toLine() const;

    // Reads a record line. Empty when the code is unknown, a field is missing
    // or a flag or number field is not a whole number. A list box's entries
    // run from its seventh field to the first empty one.
    static std::optional<FormRecord> parse(const QString &line);
};
