#pragma once

#include "tags/custom/specialcharacters.h"

#include <QDialog>
#include <array>
#include <functional>

class QLineEdit;
class UserInteraction;

// "Special Characters" (`TSpecCharForm`): 19 rows of a character and the HTML
// code its button on the "Special" page inserts. OK stores every row (a row
// missing either part frees its slot) and has the page rebuilt; Cancel
// stores nothing.
class SpecCharForm : public QDialog {
    Q_OBJECT
public:
    SpecCharForm(SpecialCharacterStore &store, UserInteraction &ui, QWidget *parent = nullptr);

    // Called by OK after the rows were stored: the "Special" page is built again.
    void setSaved(std::function<void()> saved) { m_saved = std::move(saved); }

    QLineEdit *characterField(int row) const { return m_characters.at(row); }
    QLineEdit *codeField(int row) const { return m_codes.at(row); }

private:
    void saveAndClose();

    SpecialCharacterStore &m_store;
    UserInteraction &m_ui;
    std::function<void()> m_saved;
    std::array<QLineEdit *, kSpecialButtons> m_characters{};
    std::array<QLineEdit *, kSpecialButtons> m_codes{};
};
