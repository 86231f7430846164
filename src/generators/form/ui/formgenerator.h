#pragma once

#include "generators/form/ui/formvedadialog.h"

class GeneratorHost;

// Opens the Form Veda Guy modally. The dialog is made on first use as a child
// of host.dialogParent() and kept there, so the field list and the options
// stay as the user left them until the program ends. `onSubmit` receives
// forms submitted in its preview.
void openFormGenerator(GeneratorHost &host, FormSubmitHandler onSubmit);
