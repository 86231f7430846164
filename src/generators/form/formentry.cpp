#include "generators/form/formentry.h"

#include <algorithm>

namespace {

bool lessThan(const QString &a, const QString &b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

void ListBoxEntries::setSorted(bool on) {
    sorted_ = on;
    if (on)
        std::stable_sort(items_.begin(), items_.end(), lessThan);
}

void ListBoxEntries::add(const QString &text) {
    if (text.isEmpty())
        return;
    if (sorted_)
        items_.insert(std::upper_bound(items_.begin(), items_.end(), text, lessThan), text);
    else
        items_.append(text);
}

void ListBoxEntries::remove(const QString &text) {
    items_.removeOne(text);
}

void ListBoxEntries::setItems(const QStringList &items) {
    items_ = items;
    setSorted(sorted_);
}

FormEntry::FormEntry() {
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i].kind = static_cast<FieldKind>(i);
}

QString FormEntry::caption() const {
    return fieldPageName(page_) + QLatin1String(" Definition");
}

void FormEntry::beginAdding(FieldKind page, const QStringList &groupNames) {
    page_ = page;
    editing_ = false;
    groupNames_ = groupNames;
    FormRecord &r = current();
    if (page != FieldKind::RadioGroup)
        r.name.clear();
    r.value.clear();
    r.caption.clear();
    r.checked = r.password = r.sorted = r.multiple = false;
    r.bold = r.italics = r.underline = r.preformatted = false;
    r.entries.clear();
    if (page == FieldKind::ListBox) {
        entries_.setSorted(false);
        entries_.setItems({});
    }
}

bool FormEntry::beginEditing(const QString &line, const QStringList &groupNames) {
    const auto record = FormRecord::parse(line);
    if (!record)
        return false;
    page_ = record->kind;
    editing_ = true;
    groupNames_ = groupNames;
    current() = *record;
    if (page_ == FieldKind::ListBox) {
        entries_.setSorted(record->sorted);
        entries_.setItems(record->entries);
    }
    return true;
}

QString FormEntry::refusal() const {
    if (page_ == FieldKind::CheckBox && current().name.contains(QLatin1Char(' ')))
        return QStringLiteral("No spaces allowed in variable name!");
    return QString();
}

QString FormEntry::recordLine() const {
    FormRecord r = current();
    if (page_ == FieldKind::ListBox) {
        r.sorted = entries_.sorted();
        r.entries = entries_.items();
    }
    return r.toLine();
}
