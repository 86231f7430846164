#include "documents/ui/documentcontroller.h"
#include "app/ui/mainwindow.h"

DocumentController::DocumentController(MainWindow &window) : QObject(&window), m_window(window) {}
DocumentController::~DocumentController() = default;

QString DocumentController::currentFile() const { return QString(); }
QString DocumentController::currentDir() const { return QString(); }
int DocumentController::count() const { return 0; }
bool DocumentController::loadFile(const QString &, bool) { return false; }
bool DocumentController::isFileNameOpen(const QString &) const { return false; }
bool DocumentController::closeActivePage() { return false; }
bool DocumentController::closeAllPages() { return true; }
void DocumentController::save() {}
void DocumentController::saveAs() {}
