#include "app/userinteraction.h"

#include <exception>

bool runStep(UserInteraction &ui, const QString &name, const std::function<void()> &step) {
    try {
        step();
        return true;
    } catch (const std::exception &) {
    } catch (...) {
    }
    ui.message(Msg::exceptionText(name), Msg::Warning, Msg::Ok);
    return false;
}

QStringList UserInteraction::openFiles(const FileRequest &request) {
    const QString path = openFile(request);
    return path.isEmpty() ? QStringList() : QStringList{path};
}
