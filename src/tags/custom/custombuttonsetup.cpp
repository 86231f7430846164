#include "tags/custom/custombuttonsetup.h"
#include "tags/custom/datafile.h"

#include <QDir>

CustomButtonSetup::CustomButtonSetup(const QString &programDir) : m_dir(programDir) {}

QString CustomButtonSetup::filePath(int page) const {
    return QDir(m_dir).filePath(buttonFileName(page));
}

void CustomButtonSetup::load() {
    for (int p = 0; p < kCustomPages; ++p) {
        Page &page = m_pages[p];
        const DataFile::Lines read = DataFile::read(filePath(p));
        page = Page();
        page.unreadable = !read.ok();
        page.lines = read.lines;
        while (page.lines.size() < kButtonSlots)
            page.lines << freeButtonLine();
    }
    m_modified = false;
}

ButtonLine CustomButtonSetup::line(int page, int slot) const {
    return ButtonLine::parse(m_pages.at(page).lines.value(slot));
}

void CustomButtonSetup::assign(int page, int slot, const ButtonLine &line) {
    Page &p = m_pages.at(page);
    if (slot < 0 || slot >= p.lines.size())
        return;
    p.lines[slot] = line.toLine();
    p.assigned = true;
    m_modified = true;
}

CustomButtonSetup::SaveResult CustomButtonSetup::save() {
    SaveResult result;
    for (int p = 0; p < kCustomPages; ++p) {
        Page &page = m_pages[p];
        if (page.unreadable && !page.assigned)
            continue;
        QString error;
        if (DataFile::write(filePath(p), page.lines, &error)) {
            result.written[p] = true;
            page.unreadable = false;
        } else {
            result.errors << error;
        }
    }
    if (result.ok())
        m_modified = false;
    return result;
}
