#pragma once

#include "generators/form/formrecord.h"

#include <QString>
#include <QStringList>
#include <array>

// The entries of the list box being defined: added and removed by text,
// optionally kept sorted (case-insensitively), stored in the order shown.
class ListBoxEntries {
public:
    const QStringList &items() const { return items_; }
    bool sorted() const { return sorted_; }
    // Turning sorting on sorts the entries; turning it off keeps their order.
    void setSorted(bool on);
    // Appends (or, when sorted, inserts in order) a non-empty text.
    void add(const QString &text);
    // Removes the first entry equal to the text, if any.
    void remove(const QString &text);
    void setItems(const QStringList &items);

private:
    QStringList items_;
    bool sorted_ = false;
};

// The Form Definition dialog's state: which page is shown, whether OK
// replaces the selected field or adds a new one, and what each page's
// controls hold between uses.
class FormEntry {
public:
    FormEntry();

    FieldKind page() const { return page_; }
    bool editing() const { return editing_; }
    // "Check Box Definition" and the like.
    QString caption() const;

    // The controls of a page.
    FormRecord &values(FieldKind page) { return pages_[static_cast<size_t>(page)]; }
    const FormRecord &values(FieldKind page) const { return pages_[static_cast<size_t>(page)]; }
    FormRecord &current() { return values(page_); }
    const FormRecord &current() const { return values(page_); }
    // The entries of the List Box page (its record's entries are copied from
    // here when the record is made).
    ListBoxEntries &listEntries() { return entries_; }
    const ListBoxEntries &listEntries() const { return entries_; }
    // The choices of the Radio Group page's group-name list.
    const QStringList &groupNames() const { return groupNames_; }

    // Opens a page for a new field: its texts, entries and check boxes are
    // emptied; number fields and the group name keep their last values.
    // `groupNames` are the radio-group names of the field list.
    void beginAdding(FieldKind page, const QStringList &groupNames);
    // Opens the page of an existing record filled from it; false (nothing
    // changes) when the line is not a readable record.
    bool beginEditing(const QString &record, const QStringList &groupNames);

    // Why OK must refuse the page as filled in; empty when it is acceptable.
    QString refusal() const;
    // The record line that the page's controls make.
    QString recordLine() const;
    // OK or Cancel closed the dialog.
    void finish() { editing_ = false; }

private:
    FieldKind page_ = FieldKind::CheckBox;
    bool editing_ = false;
    std::array<FormRecord, kFieldKindCount> pages_;
    ListBoxEntries entries_;
    QStringList groupNames_;
};
