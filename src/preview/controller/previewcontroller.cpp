#include "preview/controller/previewcontroller.h"
#include "app/ui/mainwindow.h"

PreviewController::PreviewController(MainWindow &window) : QObject(&window), m_window(window) {}
PreviewController::~PreviewController() = default;

void PreviewController::updateWebView() {}
void PreviewController::refreshViewer(int, HtmlViewer *) {}
void PreviewController::clearPreviews() {}
void PreviewController::launchBrowser(const QString &, bool) {}
void PreviewController::showFile(const QString &) {}
