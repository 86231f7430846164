#include "generators/table/ui/tablegenerator.h"

#include "app/helpertips.h"
#include "generators/generatorhost.h"
#include "generators/table/ui/cellattributesdialog.h"
#include "generators/table/ui/tablecreatedialog.h"

void openTableGenerator(GeneratorHost &host) {
    host.showHelperTopic(HelperTopic::SimpleTables);
    TableCreateDialog dialog(host, host.dialogParent());
    dialog.exec();
}

void openCellAttributes(GeneratorHost &host) {
    CellAttributesDialog dialog(host, host.dialogParent());
    dialog.exec();
}
