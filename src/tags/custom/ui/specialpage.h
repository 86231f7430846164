#pragma once

#include "tags/custom/specialcharacters.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QToolButton;
class QWidget;

// The "Special" tool page: 19 buttons, each showing one character and
// inserting its HTML code, set up from the "SpecialCharacters" group of the
// settings store.
class SpecialPage : public QObject {
    Q_OBJECT
public:
    SpecialPage(QWidget *page, std::function<void(const QString &)> insertText,
                QObject *parent = nullptr);

    // Puts 19 hidden buttons ("SpecialChar1" ..) on the page, once.
    void createButtons();

    // ReassignSpecialCharacters: writes the default set first unless the
    // store says it was written, then shows a button for every slot in use.
    void reassign(SpecialCharacterStore &store);

    void setShowHints(bool show);

    QToolButton *button(int slot) const { return m_buttons.at(slot); }
    QString hint(int slot) const { return m_hints.at(slot); }

private:
    QWidget *m_page;
    std::function<void(const QString &)> m_insertText;
    bool m_showHints = false;
    std::array<QToolButton *, kSpecialButtons> m_buttons{};
    std::array<QString, kSpecialButtons> m_hints;
};
