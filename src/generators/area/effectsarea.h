#pragma once

#include "app/area.h"
#include "generators/effects/effectsblocks.h"

#include <QObject>
#include <memory>

class GeneratorHost;
class QToolButton;
class QWidget;
class Shell;
class WebEffects;
struct MainActions;

// The tool pages that carry a button opening the Web Effects dialog.
struct EffectsWidgets {
    QWidget *listsPage = nullptr;
    QWidget *imagesPage = nullptr;
    QWidget *linksPage = nullptr;
};

// The entry points of the Web Effects dialog: the Insert menu's "&Heading...",
// "&List Type...", "&Image...", "Te&xt", "&URL Reference/Page Anchor" and
// "Applet...", and a button on the Lists, Images and Links pages, each
// opening the dialog on its own tab and usable exactly when a document is
// open. The dialog is made once and keeps its fields for the run.
class EffectsArea : public QObject, public Area {
    Q_OBJECT
public:
    EffectsArea(Shell &shell, GeneratorHost &host, const EffectsWidgets &widgets,
                MainActions &actions, QObject *parent = nullptr);
    ~EffectsArea() override;

    void openEffects(EffectsTab tab);
    WebEffects &effects() { return *m_effects; }

    void updateMenus(const UiState &state) override;

private:
    Shell &m_shell;
    MainActions &m_a;
    std::unique_ptr<WebEffects> m_effects;
    QToolButton *m_listButton = nullptr;
    QToolButton *m_imageButton = nullptr;
    QToolButton *m_linkButton = nullptr;
};
