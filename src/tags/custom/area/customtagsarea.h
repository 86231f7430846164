#pragma once

#include "app/area.h"
#include "tags/custom/buttonfile.h"
#include "tags/custom/specialcharacters.h"
#include "tags/custom/taginsertion.h"

#include <QObject>
#include <array>

class CustomButtonPage;
class QSettings;
class ToolBook;
class QWidget;
class Shell;
class SpecialPage;
class TagMenus;
struct MainActions;

// The tool pages this area fills.
struct CustomTagsWidgets {
    ToolBook *powerBook = nullptr;                     // holds the pages; the custom tabs' captions
    std::array<QWidget *, kCustomPages> customPages{}; // "Custom 1" .. "Custom 4"
    QWidget *specialPage = nullptr;                    // "Special"
};

// The user's own tag buttons and menus: the four custom tool pages built
// from "page1.btn" .. "page4.btn", the "Special" page built from the
// special characters in the settings store, the three tag sub-menus of
// "&HTML Codes" filled from their ".mnu" files, and the three dialogs that
// edit them ("Customize Buttons...", "&Modify Menu Tags...", "Special
// Characters..."). Every button and entry inserts through `insertion`.
//
// A tag sub-menu without entries (its file missing, unreadable or empty)
// stays disabled rather than opening empty.
class CustomTagsArea : public QObject, public Area {
    Q_OBJECT
public:
    // `specialStore` is the settings store the special characters live in
    // (their own group); it must outlive the area.
    CustomTagsArea(Shell &shell, TagInsertion insertion, QSettings &specialStore,
                   const CustomTagsWidgets &widgets, MainActions &actions,
                   QObject *parent = nullptr);
    ~CustomTagsArea() override;

    // --- Area -----------------------------------------------------------------------
    void created() override;   // loads the three tag menus
    void firstShow() override; // builds the custom pages, then the Special page
    void settingsChanged() override;
    void updateMenus(const UiState &state) override;

    // --- Commands -------------------------------------------------------------------
    void customizeButtons();  // "Custom Button Setup"
    void modifyMenuTags();    // "Definable Tags"
    void specialCharacters(); // "Special Characters"

    // Whether the pages' buttons show their codes as tool tips.
    void setShowHints(bool show);

    CustomButtonPage &customPage(int page) const { return *m_customPages.at(page); }
    SpecialPage &specialPage() const { return *m_specialPage; }
    TagMenus &tagMenus() const { return *m_tagMenus; }

private:
    QString buttonFilePath(int page) const;
    int customTabIndex(int page) const;

    Shell &m_shell;
    SpecialCharacterStore m_specialStore;
    CustomTagsWidgets m_w;
    MainActions &m_a;
    std::array<CustomButtonPage *, kCustomPages> m_customPages{};
    SpecialPage *m_specialPage = nullptr;
    TagMenus *m_tagMenus = nullptr;
};
