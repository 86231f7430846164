#include "generators/rainbow/ui/rainbowgenerator.h"

#include "generators/generatorhost.h"
#include "generators/rainbow/ui/rainbowdialog.h"

void openRainbowizer(GeneratorHost &host) {
    RainbowDialog dialog(host, systemRainbowDice(), host.dialogParent());
    dialog.exec();
}
