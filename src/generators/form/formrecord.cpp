#include "generators/form/formrecord.h"

#include <array>

namespace {

struct KindInfo {
    const char *code;
    const char *page;
};

constexpr std::array<KindInfo, kFieldKindCount> kKinds{{{"CB", "Check Box"},
                                                        {"RG", "Radio Group"},
                                                        {"DE", "Data Entry"},
                                                        {"LB", "List Box"},
                                                        {"TA", "Text Area"},
                                                        {"PT", "Page Text"},
                                                        {"HD", "Hidden"}}};

// Fields a record of each kind has after its code (a list box's entries
// excluded).
constexpr std::array<int, kFieldKindCount> kFieldCounts{4, 4, 4, 5, 4, 6, 2};

QString text(const QString &s) {
    QString out = s;
    out.replace(QLatin1Char('|'), QLatin1String("&#124;"));
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Reads whole numbers; the first field that is not one makes the record
// unreadable.
class NumberReader {
public:
    int number(const QString &field) {
        bool ok = false;
        const int n = field.trimmed().toInt(&ok);
        if (!ok)
            good_ = false;
        return n;
    }
    bool flag(const QString &field) { return number(field) != 0; }
    bool good() const { return good_; }

private:
    bool good_ = true;
};

} // namespace

QString fieldPageName(FieldKind kind) {
    return QLatin1String(kKinds.at(static_cast<size_t>(kind)).page);
}

QString fieldCode(FieldKind kind) {
    return QLatin1String(kKinds.at(static_cast<size_t>(kind)).code);
}

std::optional<FieldKind> fieldKindOfCode(const QString &code) {
    for (size_t i = 0; i < kKinds.size(); ++i) {
        if (code == QLatin1String(kKinds[i].code))
            return static_cast<FieldKind>(i);
    }
    return std::nullopt;
}

QString FormRecord::toLine() const {
    QStringList f{fieldCode(kind)};
    switch (kind) {
    case FieldKind::CheckBox:
    case FieldKind::RadioGroup:
        f << text(name) << text(value) << text(caption) << flag(checked);
        break;
    case FieldKind::DataEntry:
        f << text(name) << text(caption) << QString::number(length) << flag(password);
        break;
    case FieldKind::ListBox:
        f << text(name) << text(caption) << flag(sorted) << flag(multiple)
          << QString::number(visible);
        for (const QString &entry : entries) {
            if (!entry.isEmpty())
                f << text(entry);
        }
        f << QString(); // the record ends with "|"
        break;
    case FieldKind::TextArea:
        f << text(name) << text(caption) << QString::number(columns) << QString::number(rows);
        break;
    case FieldKind::PageText:
        f << flag(bold) << flag(italics) << flag(underline) << flag(preformatted)
          << QString::number(fontSize) << text(caption);
        break;
    case FieldKind::Hidden:
        f << text(name) << text(value);
        break;
    }
    return f.join(QLatin1Char('|'));
}

std::optional<FormRecord> FormRecord::parse(const QString &line) {
    const QStringList f = line.split(QLatin1Char('|'));
    const auto kind = fieldKindOfCode(f.first());
    if (!kind || f.size() < 1 + kFieldCounts.at(static_cast<size_t>(*kind)))
        return std::nullopt;

    FormRecord r;
    r.kind = *kind;
    NumberReader n;
    switch (r.kind) {
    case FieldKind::CheckBox:
    case FieldKind::RadioGroup:
        r.name = f[1];
        r.value = f[2];
        r.caption = f[3];
        r.checked = n.flag(f[4]);
        break;
    case FieldKind::DataEntry:
        r.name = f[1];
        r.caption = f[2];
        r.length = n.number(f[3]);
        r.password = n.flag(f[4]);
        break;
    case FieldKind::ListBox:
        r.name = f[1];
        r.caption = f[2];
        r.sorted = n.flag(f[3]);
        r.multiple = n.flag(f[4]);
        r.visible = n.number(f[5]);
        for (int i = 6; i < f.size() && !f[i].isEmpty(); ++i)
            r.entries << f[i];
        break;
    case FieldKind::TextArea:
        r.name = f[1];
        r.caption = f[2];
        r.columns = n.number(f[3]);
        r.rows = n.number(f[4]);
        break;
    case FieldKind::PageText:
        r.bold = n.flag(f[1]);
        r.italics = n.flag(f[2]);
        r.underline = n.flag(f[3]);
        r.preformatted = n.flag(f[4]);
        r.fontSize = n.number(f[5]);
        r.caption = f[6];
        break;
    case FieldKind::Hidden:
        r.name = f[1];
        r.value = f[2];
        break;
    }
    if (!n.good())
        return std::nullopt;
    return r;
}
