#pragma once

#include "tags/custom/tagmenufile.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QPlainTextEdit;
class QTabWidget;
class UserInteraction;

// "Definable Tags" (`TUserCodeForm`): the three tag-menu files, each on its
// own page as plain text. "&Ok" writes them back and has the sub-menus
// rebuilt; "Close" leaves the files as they are.
class UserCodeForm : public QDialog {
    Q_OBJECT
public:
    UserCodeForm(const QString &programDir, UserInteraction &ui, QWidget *parent = nullptr);

    // Called by "&Ok" after the files were written: the three sub-menus are
    // emptied and loaded again.
    void setMenusSaved(std::function<void()> menusSaved) { m_menusSaved = std::move(menusSaved); }

    QTabWidget *pages() const { return m_pages; }
    QPlainTextEdit *editor(int index) const { return m_editors.at(index); }

private:
    void saveAndClose();

    QString m_programDir;
    UserInteraction &m_ui;
    std::function<void()> m_menusSaved;
    QTabWidget *m_pages = nullptr;
    std::array<QPlainTextEdit *, kTagMenus> m_editors{};
    // A file too large to show is neither shown nor written back.
    std::array<bool, kTagMenus> m_editable{};
};
