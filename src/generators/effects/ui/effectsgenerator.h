#pragma once

#include "generators/effects/effectsblocks.h"

#include <QPointer>

class EffectsDialog;
class GeneratorHost;

// The Web Effects dialog of the run: made on first use and kept, with its
// fields, until this goes (the program's end).
class WebEffects {
public:
    explicit WebEffects(GeneratorHost &host);
    ~WebEffects();
    WebEffects(const WebEffects &) = delete;
    WebEffects &operator=(const WebEffects &) = delete;

    // Shows the dialog modally on `tab`, with the editor's selection taken
    // over; "Add" puts the block into the page.
    void open(EffectsTab tab);
    // The dialog, made when there is none yet.
    EffectsDialog *dialog();

private:
    GeneratorHost &m_host;
    QPointer<EffectsDialog> m_dialog;
};
