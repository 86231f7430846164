#include "arearig.h"

#include "app/helpertips.h"
#include "app/menurules.h"
#include "app/tipbook.h"
#include "app/ui/toolbook.h"
#include "editor/tledit.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>

RigShell::RigShell(ScriptedUserInteraction &user, Settings &prefs, QString programDir,
                   QMainWindow &window, MainWidgets &widgets, MainActions &actions)
    : m_user(user), m_prefs(prefs), m_programDir(std::move(programDir)), m_window(window),
      m_w(widgets), m_a(actions) {}

void RigShell::setFormCaption(const QString &name) {
    m_window.setWindowTitle(formCaption(name));
}

void RigShell::setWindowCaption(const QString &caption) {
    m_window.setWindowTitle(caption);
}

void RigShell::setStatusText(int panel, const QString &text) {
    if (panel >= 0 && panel < int(m_w.statusPanels.size()))
        m_w.statusPanels[size_t(panel)]->setText(text);
}

void RigShell::showLinkTarget(const QString &target) {
    m_w.statusPanels[HintPanel]->setText(target);
    m_w.headerSections[3]->setText(target);
}

void RigShell::showHelperTopic(int topic) {
    helperTopics << topic;
    static const TipBook noTips;
    ::showHelperTopic(m_user, noTips, m_prefs, topic);
}

void RigShell::updateMenuStates() {
    ++menuUpdates;
    const UiState s = uiStateOf(m_w);
    applyMenuDefaults(m_a, m_w, s);
    for (Area *area : m_areas)
        area->updateMenus(s);
}

AreaRig::AreaRig(bool show) : shell(ui, settings, program.path(), window, w, a) {
    buildMainWidgets(&window, w);
    a.build(window.menuBar(), &window);
    w.webPage->setEnabled(false);
    w.webPage->setUserInteraction(&ui);
    w.spareEditor->setUserInteraction(&ui);
    window.resize(900, 700);
    if (show)
        window.show();
}

AreaRig::~AreaRig() {
    // Tear the widgets down with nothing focused, so that no focus change
    // reaches an area while they are being deleted.
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
}

void AreaRig::openDocument(bool open) {
    w.webPage->setEnabled(open);
    w.powerBook->setEnabled(open);
}

void AreaRig::press(const QString &name) {
    if (auto *button = window.findChild<QToolButton *>(name))
        button->click();
    else
        find<QAction>(name)->trigger();
}

bool AreaRig::usable(const QString &name) {
    if (auto *button = window.findChild<QToolButton *>(name))
        return button->isEnabled();
    QAction *action = find<QAction>(name);
    return action->isEnabled() && !MainActions::isPending(action);
}
