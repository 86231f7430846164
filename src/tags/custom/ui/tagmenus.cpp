#include "tags/custom/ui/tagmenus.h"
#include "app/userinteraction.h"
#include "tags/custom/ui/widgettext.h"

#include <QDir>
#include <QMenu>

TagMenus::TagMenus(const std::array<QMenu *, kTagMenus> &menus, const QString &programDir,
                   std::function<void(const QString &)> address1Click, UserInteraction &ui,
                   QObject *parent)
    : QObject(parent), m_menus(menus), m_programDir(programDir),
      m_address1Click(std::move(address1Click)), m_ui(ui) {}

QString TagMenus::filePath(int index) const {
    return QDir(m_programDir).filePath(tagMenuFileName(index));
}

bool TagMenus::loadMenu(const QString &path, int index) {
    QMenu *menu = index >= 0 && index < kTagMenus ? m_menus[index] : nullptr;
    const TagMenuEntries read = readTagMenu(path);
    if (!menu || !read.ok) {
        m_ui.message(Msg::exceptionText(QStringLiteral("LoadMenu")), Msg::Warning, Msg::Ok);
        return false;
    }
    for (const QString &caption : read.entries) {
        QAction *a = menu->addAction(WidgetText::literalMenuText(caption));
        connect(a, &QAction::triggered, this, [this, caption] {
            if (m_address1Click)
                m_address1Click(caption);
        });
    }
    return true;
}

void TagMenus::clearMenu(int index) {
    if (index >= 0 && index < kTagMenus && m_menus[index])
        m_menus[index]->clear();
}

void TagMenus::loadAll() {
    for (int i = 0; i < kTagMenus; ++i)
        loadMenu(filePath(i), i);
}

void TagMenus::reloadAll() {
    for (int i = 0; i < kTagMenus; ++i) {
        clearMenu(i);
        loadMenu(filePath(i), i);
    }
}
