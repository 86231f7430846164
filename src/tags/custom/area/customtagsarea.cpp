#include "tags/custom/area/customtagsarea.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/ui/mainwidgets.h"
#include "app/ui/toolbook.h"
#include "settings/settings.h"
#include "tags/custom/ui/custombuttonform.h"
#include "tags/custom/ui/custombuttonpage.h"
#include "tags/custom/ui/speccharform.h"
#include "tags/custom/ui/specialpage.h"
#include "tags/custom/ui/tagmenus.h"
#include "tags/custom/ui/usercodeform.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTabWidget>

CustomTagsArea::CustomTagsArea(Shell &shell, TagInsertion insertion, QSettings &specialStore,
                               const CustomTagsWidgets &widgets, MainActions &actions,
                               QObject *parent)
    : QObject(parent), m_shell(shell), m_specialStore(specialStore), m_w(widgets), m_a(actions) {
    // The buttons themselves are made at the first show; the objects that
    // own them exist from the start so that the hint setting reaches them.
    for (int p = 0; p < kCustomPages; ++p)
        m_customPages[p] = new CustomButtonPage(m_w.customPages[p], insertion, m_shell.ui(), this);
    m_specialPage = new SpecialPage(m_w.specialPage, insertion.insertText, this);
    m_tagMenus = new TagMenus(m_a.tagMenus, m_shell.programDir(), insertion.address1Click,
                              m_shell.ui(), this);

    MainActions::setBuilt({m_a.customizeButtons, m_a.modifyMenuTags, m_a.specialCharacters});
    connect(m_a.customizeButtons, &QAction::triggered, this, &CustomTagsArea::customizeButtons);
    connect(m_a.modifyMenuTags, &QAction::triggered, this, &CustomTagsArea::modifyMenuTags);
    connect(m_a.specialCharacters, &QAction::triggered, this, &CustomTagsArea::specialCharacters);
    // "&Show Hints" switches the window's hints; the buttons follow it.
    connect(m_a.showHints, &QAction::toggled, this, &CustomTagsArea::setShowHints);
}

CustomTagsArea::~CustomTagsArea() = default;

QString CustomTagsArea::buttonFilePath(int page) const {
    return QDir(m_shell.programDir()).filePath(buttonFileName(page));
}

int CustomTagsArea::customTabIndex(int page) const {
    return MainWidgets::Custom1 + page;
}

// --- Area ----------------------------------------------------------------------------

void CustomTagsArea::created() {
    m_tagMenus->loadAll();
}

void CustomTagsArea::firstShow() {
    const bool hints = m_shell.settings().showHints;
    for (int p = 0; p < kCustomPages; ++p) {
        CustomButtonPage &page = *m_customPages[p];
        page.setShowHints(hints);
        if (page.createButtons())
            page.reassignFromFile(buttonFilePath(p));
    }
    m_specialPage->setShowHints(hints);
    m_specialPage->createButtons();
    m_specialPage->reassign(m_specialStore);
}

void CustomTagsArea::settingsChanged() {
    setShowHints(m_shell.settings().showHints);
}

void CustomTagsArea::setShowHints(bool show) {
    for (CustomButtonPage *page : m_customPages)
        page->setShowHints(show);
    m_specialPage->setShowHints(show);
}

void CustomTagsArea::updateMenus(const UiState &state) {
    // The sub-menus follow the open document like the rest of the first
    // HTML Codes entries, and stay disabled while they hold nothing.
    for (QMenu *menu : m_a.tagMenus)
        MainActions::setUsable(menu->menuAction(), state.documentOpen && !menu->isEmpty());
    for (QAction *a : {m_a.customizeButtons, m_a.modifyMenuTags, m_a.specialCharacters})
        MainActions::setUsable(a, true);
}

// --- Commands ------------------------------------------------------------------------

void CustomTagsArea::customizeButtons() {
    std::array<QString, kCustomPages> captions;
    for (int p = 0; p < kCustomPages; ++p)
        captions[p] = m_w.powerBook->pageText(customTabIndex(p));
    CustomButtonForm form(m_shell.programDir(), captions, m_shell.ui(), m_shell.dialogParent());
    form.setPageSaved([this](int page, const QString &caption) {
        m_w.powerBook->setPageText(customTabIndex(page), caption);
        m_customPages[page]->reassignFromFile(buttonFilePath(page));
    });
    form.exec();
}

void CustomTagsArea::modifyMenuTags() {
    UserCodeForm form(m_shell.programDir(), m_shell.ui(), m_shell.dialogParent());
    form.setMenusSaved([this] {
        m_tagMenus->reloadAll();
        m_shell.updateMenuStates();
    });
    form.exec();
}

void CustomTagsArea::specialCharacters() {
    SpecCharForm form(m_specialStore, m_shell.ui(), m_shell.dialogParent());
    form.setSaved([this] { m_specialPage->reassign(m_specialStore); });
    form.exec();
}
