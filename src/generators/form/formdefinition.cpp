#include "generators/form/formdefinition.h"

#include "generators/common/definitionfile.h"

void FormDefinition::select(int index) {
    selected_ = (index >= 0 && index < records_.size()) ? index : -1;
}

QString FormDefinition::selectedRecord() const {
    return selected_ >= 0 ? records_.at(selected_) : QString();
}

void FormDefinition::acceptField(const QString &record, bool editing) {
    if (editing && selected_ >= 0)
        records_[selected_] = record;
    else
        records_.insert(selected_ + 1, record);
}

bool FormDefinition::moveUp() {
    if (selected_ <= 0)
        return false;
    records_.swapItemsAt(selected_, selected_ - 1);
    --selected_;
    return true;
}

bool FormDefinition::moveDown() {
    if (selected_ < 0 || selected_ >= records_.size() - 1)
        return false;
    records_.swapItemsAt(selected_, selected_ + 1);
    ++selected_;
    return true;
}

bool FormDefinition::removeSelected() {
    if (selected_ < 0)
        return false;
    records_.removeAt(selected_);
    selected_ = -1;
    return true;
}

void FormDefinition::clear() {
    records_.clear();
    selected_ = -1;
    lines_.clear();
}

void FormDefinition::setRecords(const QStringList &records) {
    records_ = records;
    selected_ = -1;
}

const QStringList &FormDefinition::build() {
    lines_ = formMarkup(records_, options);
    return lines_;
}

const QStringList &FormDefinition::buildSelected() {
    lines_.clear();
    if (const auto record = FormRecord::parse(selectedRecord()))
        lines_ = singleFieldMarkup(*record, options);
    return lines_;
}

QString FormDefinition::clipboardText() const {
    QString text;
    for (const QString &line : lines_)
        text += line + QLatin1String("\r\n");
    return text;
}

QStringList FormDefinition::groupNames() const {
    QStringList names;
    for (const QString &line : records_) {
        const auto record = FormRecord::parse(line);
        if (record && record->kind == FieldKind::RadioGroup)
            names << record->name;
    }
    return names;
}

bool FormDefinition::save(const QString &path, QString *error) const {
    QString why;
    if (DefinitionFile::writeLines(path, records_, &why))
        return true;
    if (error)
        *error = QStringLiteral("The Form Definition could not be saved to %1.\n%2").arg(path, why);
    return false;
}

bool FormDefinition::load(const QString &path, QString *error) {
    QStringList lines;
    if (!DefinitionFile::readLines(path, lines, error, kMaxFileSize))
        return false;
    lines.removeAll(QString());
    setRecords(lines);
    return true;
}
