#pragma once

#include <QString>

class QSettings;

// The buttons of the "Special" tool page, kept in the "SpecialCharacters"
// group of the settings store: "Spec1" .. "Spec19" each hold a character, "|"
// and the HTML code that button inserts; "|", an empty or a missing value
// leaves the slot free. "Setup" is true once the default set was written.

constexpr int kSpecialButtons = 19;

// What one button shows and inserts.
struct SpecialButton {
    bool visible = false;
    QString caption; // the text before the first "|"
    QString hint;    // the text between the first and the second "|": inserted
};

// Reads a stored value. A value that is empty, starts with "|" or holds no
// "|" at all leaves the slot free.
SpecialButton parseSpecialValue(const QString &value);

// The value a row of the "Special Characters" dialog stores: character, "|",
// code; "|" when either is empty.
QString specialValue(const QString &character, const QString &code);

// The group on a settings store given by the caller (the user's store, or a
// test's own INI file).
class SpecialCharacterStore {
public:
    explicit SpecialCharacterStore(QSettings &settings) : m_settings(settings) {}

    bool isSetup() const;
    // Writes the ten default buttons (©, ®, ™, ¼, ½, ¾, §, <, >, &) over
    // "Spec1" .. "Spec10" and sets "Setup".
    void setupDefaults();
    // Writes the defaults unless "Setup" is true.
    void ensureSetup();

    // "Spec" + n for n = 1..19; a missing or unreadable value reads as "|".
    QString value(int n) const;
    SpecialButton button(int n) const { return parseSpecialValue(value(n)); }
    void setValue(int n, const QString &value);

    // Writes pending changes; false when the store could not be written.
    bool sync();

private:
    QSettings &m_settings;
};
