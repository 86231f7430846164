#include "generators/frame/ui/framegenerator.h"

#include "app/userinteraction.h"
#include "generators/frame/ui/framedialog.h"
#include "generators/generatorhost.h"

bool openFrameCreator(GeneratorHost &host) {
    const int answer =
        host.ui().message(QStringLiteral("Clear current page to create Frame Structure?"),
                          Msg::Information, Msg::Yes | Msg::No);
    return answer == Msg::ResultYes && startFrameVedaGuy(host);
}

bool startFrameVedaGuy(GeneratorHost &host) {
    FrameDialog dialog(host, host.dialogParent());
    return dialog.exec() == QDialog::Accepted;
}
