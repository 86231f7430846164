#include "projects/pageops/pagetexts.h"

namespace PageTexts {

QString highlightAProject() {
    return QStringLiteral("Please Highlight a project.");
}

QString nameRefusal() {
    return QStringLiteral("Filename name must be 8 characters or less and must not contain any "
                          "drive information.  This file will not be added to the selected "
                          "project.");
}

QString requiredFieldMissing() {
    return QStringLiteral("Required field missing!");
}

QString pageExists() {
    return QStringLiteral("Project page already exists!");
}

QString dashInDescription() {
    return QStringLiteral("The dash character, '-', is not allowed in a project description.  "
                          "Please remove it before continuing.");
}

QString imagesNotFound() {
    return QStringLiteral("Could not find one or more images in source directory");
}

QString deleteSelectedFile() {
    return QStringLiteral("Delete selected file?");
}

QString removeFromProject() {
    return QStringLiteral(
        "Remove selected file from project?\n(File will not be deleted from drive)");
}

QString cannotRename() {
    return QStringLiteral("Could not rename the specified file.");
}

QString importCaption() {
    return QStringLiteral("Importing Page");
}

QString importPrompt(const QString &path) {
    return QStringLiteral("Description for ") + path + QLatin1Char(':');
}

QString defaultDescription() {
    return QStringLiteral("New Page");
}

QString descriptionCaption() {
    return QStringLiteral("Page Description:");
}

QString descriptionPrompt(const QString &name) {
    return QStringLiteral("Description for ") + name;
}

QString renameCaption() {
    return QStringLiteral("Rename File:");
}

QString renamePrompt(const QString &fileName) {
    return QStringLiteral("Change filename for ") + fileName;
}

QString newNameCaption() {
    return QStringLiteral("New Name");
}

QString newNamePrompt() {
    return QStringLiteral("New name:");
}

QString copyFailed(const QString &reason) {
    return QStringLiteral("The page was not copied. ") + reason;
}

QString moveFailed(const QString &reason) {
    return QStringLiteral("The page was not moved. ") + reason;
}

QString createFailed(const QString &reason) {
    return QStringLiteral("The page was not created. ") + reason;
}

QString deleteFailed(const QString &reason) {
    return QStringLiteral("The file was not deleted, so the page stays in the project. ") + reason;
}

QString importTargetTaken(const QString &target) {
    return target + QStringLiteral(" is another file of the same name in the project folder. It "
                                   "was not replaced, and the page was not imported.");
}

} // namespace PageTexts
