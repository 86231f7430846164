#include "generators/template/ui/templategenerator.h"

#include "app/userinteraction.h"
#include "editor/tledit.h"
#include "generators/generatorhost.h"
#include "generators/template/ui/templatedialog.h"

TemplateDialog *openTemplateVedaGuy(GeneratorHost &host, const TemplateHooks &hooks) {
    TLEdit *editor = host.documentEditor();
    if (!editor || editor->lineCount() <= 1) {
        host.ui().message(QStringLiteral("No document appears to be loaded."), Msg::Information,
                          Msg::Ok);
        return nullptr;
    }
    auto *dialog = new TemplateDialog(host, hooks, host.dialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->raise();
    return dialog;
}
