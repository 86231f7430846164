#include "generators/area/effectsarea.h"

#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/ui/toolpagerow.h"
#include "generators/effects/ui/effectsgenerator.h"

#include <QAction>
#include <QToolButton>

EffectsArea::EffectsArea(Shell &shell, GeneratorHost &host, const EffectsWidgets &widgets,
                         MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_a(actions), m_effects(std::make_unique<WebEffects>(host)) {
    MainActions &a = m_a;
    MainActions::setBuilt({a.heading, a.listType, a.image, a.text, a.urlReference, a.applet});
    m_listButton = addToolPageButton(widgets.listsPage, QStringLiteral("ListEffectsButton"),
                                     QStringLiteral("Effects..."),
                                     QStringLiteral("Open List page in Effects Notebook"));
    m_imageButton = addToolPageButton(widgets.imagesPage, QStringLiteral("ImageEffectsButton"),
                                      QStringLiteral("Effects..."),
                                      QStringLiteral("Open Image page in Effects Notebook"));
    m_linkButton = addToolPageButton(widgets.linksPage, QStringLiteral("LinkEffectsButton"),
                                     QStringLiteral("Effects..."),
                                     QStringLiteral("Create link in the Effects Notebook"));

    auto on = [this](QAction *action, EffectsTab tab) {
        connect(action, &QAction::triggered, this, [this, tab] { openEffects(tab); });
    };
    auto onButton = [this](QToolButton *button, EffectsTab tab) {
        connect(button, &QToolButton::clicked, this, [this, tab] { openEffects(tab); });
    };
    on(a.heading, EffectsTab::Headers);
    on(a.listType, EffectsTab::ListTypes);
    onButton(m_listButton, EffectsTab::ListTypes);
    on(a.image, EffectsTab::Images);
    onButton(m_imageButton, EffectsTab::Images);
    on(a.text, EffectsTab::DocumentText);
    on(a.urlReference, EffectsTab::References);
    onButton(m_linkButton, EffectsTab::References);
    on(a.applet, EffectsTab::Applet);
}

// The dialog refers to the host: it goes with the area.
EffectsArea::~EffectsArea() = default;

void EffectsArea::updateMenus(const UiState &state) {
    const bool open = state.documentOpen;
    MainActions &a = m_a;
    for (QAction *x : {a.heading, a.listType, a.image, a.text, a.urlReference, a.applet})
        MainActions::setUsable(x, open);
    for (QToolButton *b : {m_listButton, m_imageButton, m_linkButton})
        b->setEnabled(open);
}

// A key reaches its entry while the full-screen preview hides the editor:
// the entry leaves it first, so that the block lands in view.
void EffectsArea::openEffects(EffectsTab tab) {
    m_shell.hideFullScreen();
    m_effects->open(tab);
}
