#pragma once

#include "settings/settings.h"

#include <QString>
#include <memory>

class QSettings;

// Reads and writes Settings in the per-user store: one group per section
// ("LastFiles", "Helpers", "FTP", "Spelling", "Defaults", "WindowAttributes"),
// value names as in the store. Booleans and integers are stored as integers,
// texts as strings. Reading an absent value keeps the default and creates
// nothing; a text longer than its limit is cut.
class SettingsStore {
public:
    // The user's store (organization "Tarnholm", application "Quilmead").
    SettingsStore();
    // A store in an INI file of its own; tests use this.
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();

    struct ReadResult {
        bool ok = true;
        QString failedValue; // "Section/Name" of the value that stopped reading
    };

    // Reads every value in the order of the sections above. A value stored
    // with another type than its default's stops reading there: the values
    // before it are taken, the rest keep what `settings` held.
    ReadResult read(Settings &settings) const;

    // Writes every value; returns false when the store could not be written.
    bool write(const Settings &settings);

    QSettings &raw() { return *m_store; }

private:
    std::unique_ptr<QSettings> m_store;
};
