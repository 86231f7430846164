#include "generators/form/ui/formgenerator.h"

#include "generators/generatorhost.h"

void openFormGenerator(GeneratorHost &host, FormSubmitHandler onSubmit) {
    QWidget *parent = host.dialogParent();
    FormVedaDialog *dialog =
        parent ? parent->findChild<FormVedaDialog *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
    if (!dialog) {
        dialog = new FormVedaDialog(host, onSubmit, parent);
        // Without a window to keep it, the dialog goes when it closes.
        if (!parent)
            dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->attach(host, std::move(onSubmit));
    dialog->run();
}
