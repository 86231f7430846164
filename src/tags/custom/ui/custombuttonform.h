#pragma once

#include "tags/custom/custombuttonsetup.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class UserInteraction;

// "Custom Button Setup" (`TCustomButtonForm`): edits the four button files.
// Each page shows its 19 slots as buttons, empty ones too; the user chooses
// one, fills in caption, code and kind, and presses "Assign". OK writes the
// four files and hands each page back to the main window; Cancel asks before
// dropping assigned changes.
class CustomButtonForm : public QDialog {
    Q_OBJECT
public:
    CustomButtonForm(const QString &programDir, const std::array<QString, kCustomPages> &captions,
                     UserInteraction &ui, QWidget *parent = nullptr);

    // Called by OK for each page after the files were written, with the
    // page's caption: the main window gives its custom tab that caption and
    // sets the tab's buttons up again from the page's file.
    void setPageSaved(std::function<void(int page, const QString &caption)> pageSaved) {
        m_pageSaved = std::move(pageSaved);
    }

    QTabWidget *pages() const { return m_pages; }
    const CustomButtonSetup &setup() const { return m_setup; }
    // The chosen slot on the page shown, or -1.
    int chosenSlot() const { return m_chosen; }
    QToolButton *slotButton(int page, int slot) const { return m_buttons.at(page).at(slot); }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPage(int page);
    QGroupBox *radioGroup(const QString &name, const QString &title, const QStringList &items,
                          QButtonGroup *&group);
    void choose(int slot);
    void dropTypeToggled(bool on);
    void assign();
    void pageChanged(int index);
    void releaseChosen();
    void renameShownPage();
    void saveAndClose();

    UserInteraction &m_ui;
    CustomButtonSetup m_setup;
    std::function<void(int, const QString &)> m_pageSaved;

    QTabWidget *m_pages = nullptr;
    std::array<std::array<QToolButton *, kButtonSlots>, kCustomPages> m_buttons{};
    std::array<QButtonGroup *, kCustomPages> m_groups{};
    QLineEdit *m_caption = nullptr;
    QLineEdit *m_source = nullptr;
    QGroupBox *m_insertStyleBox = nullptr;
    QGroupBox *m_dropStyleBox = nullptr;
    QButtonGroup *m_insertStyle = nullptr;
    QButtonGroup *m_dropStyle = nullptr;
    QCheckBox *m_isDropType = nullptr;
    QCheckBox *m_tabWarning = nullptr;
    QPushButton *m_assign = nullptr;

    int m_shownPage = 0;
    int m_chosen = -1;
    bool m_revertingPage = false;
};
