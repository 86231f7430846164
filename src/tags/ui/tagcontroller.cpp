#include "tags/ui/tagcontroller.h"
#include "app/ui/mainwindow.h"

TagController::TagController(MainWindow &window) : QObject(&window), m_window(window) {}
TagController::~TagController() = default;

void TagController::insertText(const QString &) {}
void TagController::insertSelected(const QString &) {}
void TagController::insertSelected2(const QString &, const QString &) {}
void TagController::createUnevenTags(const QString &) {}
void TagController::insertCaptionAsTag(const QString &) {}
bool TagController::inATag() { return false; }
void TagController::webPageClick() {}
bool TagController::highlightTag(const QString &, const QString &) { return false; }
void TagController::setLastModifiedDate() {}
bool TagController::startInitialValues() { return false; }
