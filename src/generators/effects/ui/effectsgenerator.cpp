#include "generators/effects/ui/effectsgenerator.h"

#include "generators/effects/ui/effectsdialog.h"
#include "generators/generatorhost.h"

WebEffects::WebEffects(GeneratorHost &host) : m_host(host) {}

WebEffects::~WebEffects() {
    delete m_dialog.data();
}

EffectsDialog *WebEffects::dialog() {
    if (!m_dialog)
        m_dialog = new EffectsDialog(m_host, m_host.dialogParent());
    return m_dialog;
}

void WebEffects::open(EffectsTab tab) {
    dialog()->openOn(tab);
}
