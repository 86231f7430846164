#pragma once

#include "tags/custom/tagmenufile.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QMenu;
class UserInteraction;

// The three tag sub-menus of the HTML Codes menu ("&Block Tags", "&Text
// Attributes", "&Additional Tags"), filled from their files in the program
// folder. Choosing an entry hands its caption to the tag-menu handler.
class TagMenus : public QObject {
    Q_OBJECT
public:
    TagMenus(const std::array<QMenu *, kTagMenus> &menus, const QString &programDir,
             std::function<void(const QString &caption)> address1Click, UserInteraction &ui,
             QObject *parent = nullptr);

    // LoadMenu: appends the entries of a tag-menu file to sub-menu `index`,
    // sorted and without duplicates. A missing file adds nothing; a file that
    // cannot be read shows "Exception occured during LoadMenu!" and adds
    // nothing.
    bool loadMenu(const QString &path, int index);
    // ClearMenu: removes every entry of sub-menu `index`.
    void clearMenu(int index);

    // Loads the three files (at start-up).
    void loadAll();
    // Empties the three sub-menus and loads them again (after "Definable Tags").
    void reloadAll();

    QString filePath(int index) const;

private:
    std::array<QMenu *, kTagMenus> m_menus;
    QString m_programDir;
    std::function<void(const QString &)> m_address1Click;
    UserInteraction &m_ui;
};
