#include "tags/custom/specialcharacters.h"
#include "editor/textfile.h"

#include <QSettings>

namespace {

QString key(const QString &name) {
    return QStringLiteral("SpecialCharacters/") + name;
}

QString specKey(int n) {
    return key(QStringLiteral("Spec%1").arg(n));
}

} // namespace

SpecialButton parseSpecialValue(const QString &value) {
    SpecialButton button;
    const int bar = value.indexOf(QLatin1Char('|'));
    if (bar <= 0)
        return button;
    button.visible = true;
    button.caption = value.left(bar);
    const int next = value.indexOf(QLatin1Char('|'), bar + 1);
    button.hint = next < 0 ? value.mid(bar + 1) : value.mid(bar + 1, next - bar - 1);
    return button;
}

QString specialValue(const QString &character, const QString &code) {
    if (character.isEmpty() || code.isEmpty())
        return QStringLiteral("|");
    return character + QLatin1Char('|') + code;
}

bool SpecialCharacterStore::isSetup() const {
    const QVariant v = m_settings.value(key(QStringLiteral("Setup")));
    if (!v.isValid())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString text = v.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        return text.toInt() != 0;
    }
    return v.toInt() != 0;
}

void SpecialCharacterStore::setupDefaults() {
    // Characters by their Windows-1252 code (153 is the trade mark sign),
    // each inserted as its numeric reference; the three mark-up characters
    // as their named entities.
    static const struct {
        unsigned char code;
        const char *html;
    } defaults[] = {{169, "&#169;"}, {174, "&#174;"}, {153, "&#153;"}, {188, "&#188;"},
                    {189, "&#189;"}, {190, "&#190;"}, {167, "&#167;"}, {'<', "&lt;"},
                    {'>', "&gt;"},   {'&', "&amp;"}};
    int n = 1;
    for (const auto &d : defaults)
        setValue(n++, specialValue(windows1252ToUnicode(d.code), QLatin1String(d.html)));
    m_settings.setValue(key(QStringLiteral("Setup")), 1);
}

void SpecialCharacterStore::ensureSetup() {
    if (!isSetup())
        setupDefaults();
}

QString SpecialCharacterStore::value(int n) const {
    const QVariant v = m_settings.value(specKey(n));
    // A list (an unquoted value with commas) or another type counts as unreadable.
    if (!v.isValid() || v.typeId() != QMetaType::QString)
        return QStringLiteral("|");
    return v.toString();
}

void SpecialCharacterStore::setValue(int n, const QString &value) {
    m_settings.setValue(specKey(n), value);
}

bool SpecialCharacterStore::sync() {
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
