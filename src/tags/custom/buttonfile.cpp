#include "tags/custom/buttonfile.h"
#include "tags/custom/datafile.h"

namespace {

bool wholeNumber(const QString &field, int &value) {
    bool ok = false;
    value = field.toInt(&ok, 10);
    return ok;
}

ButtonSlot::Action actionFor(int tagType) {
    switch (tagType) {
    case int(TagType::AsIs):
        return ButtonSlot::Action::InsertAsIs;
    case int(TagType::Even):
        return ButtonSlot::Action::InsertEven;
    case int(TagType::UnEven):
        return ButtonSlot::Action::InsertUnEven;
    default:
        return ButtonSlot::Action::None;
    }
}

ButtonSlot::Action dropDownFor(int style) {
    switch (style) {
    case int(DropStyle::Align):
        return ButtonSlot::Action::DropDownAlign;
    case int(DropStyle::Clear):
        return ButtonSlot::Action::DropDownClear;
    default:
        return ButtonSlot::Action::None;
    }
}

} // namespace

QString buttonFileName(int page) {
    return QStringLiteral("page%1.btn").arg(page + 1);
}

ButtonLine ButtonLine::parse(const QString &line) {
    const QStringList fields = line.split(QLatin1Char('|'));
    ButtonLine b;
    b.caption = fields.value(0);
    b.code = fields.value(1);
    b.tagType = fields.value(2);
    b.dropStyle = fields.value(3);
    return b;
}

QString ButtonLine::toLine() const {
    return caption + QLatin1Char('|') + code + QLatin1Char('|') + tagType + QLatin1Char('|') +
           dropStyle;
}

QString freeButtonLine() {
    return QStringLiteral("||0|0");
}

int fieldIndex(const QString &field) {
    int value = 0;
    return wholeNumber(field, value) ? value : 0;
}

ButtonLayout layoutButtons(const QStringList &lines) {
    ButtonLayout layout;
    for (int i = 0; i < kButtonSlots; ++i) {
        ButtonSlot slot;
        slot.left = 30 * i;
        if (i < lines.size()) {
            if (DataFile::isDamagedLine(lines.at(i))) {
                layout.failed = true;
                return layout;
            }
            const ButtonLine line = ButtonLine::parse(lines.at(i));
            slot.caption = line.caption;
            slot.hint = line.code;
            slot.visible = !line.caption.isEmpty();
            int number = 0;
            if (!line.isArrow()) {
                if (!wholeNumber(line.tagType, number)) {
                    layout.failed = true;
                    return layout;
                }
                slot.action = actionFor(number);
            } else {
                // The arrow offers variants of the next button's code.
                if (i + 1 >= lines.size() || DataFile::isDamagedLine(lines.at(i + 1)) ||
                    !wholeNumber(line.dropStyle, number)) {
                    layout.failed = true;
                    return layout;
                }
                slot.hint = ButtonLine::parse(lines.at(i + 1)).code;
                slot.caption.clear();
                slot.arrow = true;
                slot.width = 19;
                slot.left += 12;
                slot.action = dropDownFor(number);
            }
        }
        layout.buttons << slot;
    }
    return layout;
}

QStringList arrowEntries(const QString &hint, DropStyle style) {
    const QString open = QLatin1Char('<') + hint;
    if (style == DropStyle::Clear) {
        return {open + QLatin1Char('>'), open + QStringLiteral(" CLEAR=\"left\">"),
                open + QStringLiteral(" CLEAR=\"all\">"),
                open + QStringLiteral(" CLEAR=\"right\">")};
    }
    const QString close = QStringLiteral("</") + hint + QLatin1Char('>');
    return {open + QLatin1Char('>') + close, open + QStringLiteral(" ALIGN=\"left\">") + close,
            open + QStringLiteral(" ALIGN=\"center\">") + close,
            open + QStringLiteral(" ALIGN=\"right\">") + close};
}
