#pragma once

#include "tags/custom/buttonfile.h"
#include "tags/custom/taginsertion.h"

#include <QObject>
#include <QStringList>
#include <array>

class QMenu;
class QToolButton;
class QWidget;
class UserInteraction;

// The 19 buttons of one custom tool page ("Custom 1" .. "Custom 4"). They are
// made once and then set up again from the page's button file whenever it
// changes. Pressing one inserts its code through the given operations; an
// arrow button opens a menu of variants just below itself.
class CustomButtonPage : public QObject {
    Q_OBJECT
public:
    CustomButtonPage(QWidget *page, TagInsertion insertion, UserInteraction &ui,
                     QObject *parent = nullptr);

    // CreateButtons: puts 19 hidden buttons ("CustomButton1" ..) on the page.
    // A failure shows "Exception occured during CreateButtons!".
    bool createButtons();

    // ReassignButtons: lays out and sets up the buttons from the lines of a
    // button file. A malformed line shows "Exception occured during
    // ReassignButtons!"; the buttons before it are set up, the rest keep
    // their state.
    bool reassignButtons(const QStringList &lines);
    // Reads a button file (a missing file counts as empty) and sets the
    // buttons up from it. A file that cannot be read changes no button and
    // shows the ReassignButtons message.
    bool reassignFromFile(const QString &path);

    // The main window's hint setting: whether the buttons show their codes as
    // tool tips.
    void setShowHints(bool show);

    QToolButton *button(int slot) const { return m_buttons.at(slot); }
    const ButtonSlot &slotAt(int slot) const { return m_slots.at(slot); }
    QMenu *dropDownMenu() const { return m_dropDown; }

private:
    void press(int slot);
    void apply(int slot, const ButtonSlot &setup);
    void showDropDown(int slot);

    QWidget *m_page;
    TagInsertion m_insert;
    UserInteraction &m_ui;
    bool m_showHints = false;
    std::array<QToolButton *, kButtonSlots> m_buttons{};
    std::array<ButtonSlot, kButtonSlots> m_slots{};
    QMenu *m_dropDown = nullptr;
};
