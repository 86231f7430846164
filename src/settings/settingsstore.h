#pragma once

#include "settings/settings.h"

#include <QString>
#include <QStringList>
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
        QString failedValue;      // "Section/Name" of the first value not read
        QStringList failedValues; // every value not read, in reading order
    };

    // Reads every value on its own. A value stored with another type than its
    // default's keeps what `settings` held; every other value is read. A list
    // written without quotes (Extension=htm,html) reads as the same text as
    // with quotes. When the store's file is not a regular file (a pipe, a
    // device) nothing is read and the file's path is the failed value.
    ReadResult read(Settings &settings) const;

    // Writes every value; returns false when the store could not be written
    // (also when its file is not a regular file, which is left alone).
    bool write(const Settings &settings);

    // The file the store lives in.
    QString fileName() const { return m_file; }

    QSettings &raw() { return *m_store; }

    // Every stored value in reading order, one a line: "Section/Name", its
    // type (text, integer or flag), its default and, for a text, the length
    // it is cut to ("whole" when never cut).
    static QStringList describeValues();

private:
    void makeUnusedStore();

    QString m_file;
    bool m_usable = true;
    std::unique_ptr<QSettings> m_store;
};
