#pragma once

#include "tags/custom/buttonfile.h"

#include <QString>
#include <QStringList>
#include <array>

// The four button files while the "Custom Button Setup" dialog edits them:
// each page's lines, padded to 19, changed one slot at a time and written
// back together.
class CustomButtonSetup {
public:
    explicit CustomButtonSetup(const QString &programDir);

    // Reads the four files (a missing file counts as empty) and pads each page
    // with free lines up to 19.
    void load();

    QString filePath(int page) const;
    const QStringList &lines(int page) const { return m_pages.at(page).lines; }
    ButtonLine line(int page, int slot) const;
    // Whether a page's file existed but could not be read (too large).
    bool unreadable(int page) const { return m_pages.at(page).unreadable; }

    // Replaces the line of one slot.
    void assign(int page, int slot, const ButtonLine &line);
    // Whether lines were assigned since the last successful save.
    bool modified() const { return m_modified; }

    struct SaveResult {
        std::array<bool, kCustomPages> written{}; // files written this time
        QStringList errors;                       // one per file that failed
        bool ok() const { return errors.isEmpty(); }
    };
    // Writes the four files. A page whose file could not be read and has no
    // assignment is left alone, so that OK never wipes a file it never showed.
    // A file that cannot be written keeps its old contents.
    SaveResult save();

private:
    struct Page {
        QStringList lines;
        bool unreadable = false;
        bool assigned = false;
    };
    QString m_dir;
    std::array<Page, kCustomPages> m_pages;
    bool m_modified = false;
};
