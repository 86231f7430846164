#pragma once

#include <QString>

// What the page operations tell and ask the user.
namespace PageTexts {

QString highlightAProject();    // "Please Highlight a project."
QString nameRefusal();          // "Filename name must be 8 characters or less ..."
QString requiredFieldMissing(); // "Required field missing!"
QString pageExists();           // "Project page already exists!"
QString dashInDescription();    // "The dash character, '-', is not allowed ..."
QString imagesNotFound();       // "Could not find one or more images in source directory"
QString deleteSelectedFile();   // "Delete selected file?"
QString removeFromProject();    // "Remove selected file from project?" and its second line
QString cannotRename();         // "Could not rename the specified file."

// The import's question for a file's description.
QString importCaption(); // "Importing Page"
QString importPrompt(const QString &path);
QString defaultDescription(); // "New Page"

// The description's question.
QString descriptionCaption(); // "Page Description:"
QString descriptionPrompt(const QString &name);

// The rename's question.
QString renameCaption(); // "Rename File:"
QString renamePrompt(const QString &fileName);

// The copy's question for a new name in the page's own project.
QString newNameCaption(); // "New Name"
QString newNamePrompt();  // "New name:"

// A step on the disk that failed, with the system's reason.
QString copyFailed(const QString &reason);
QString moveFailed(const QString &reason);
QString createFailed(const QString &reason);
QString deleteFailed(const QString &reason);
// An imported page whose name is taken in the project folder by another file.
QString importTargetTaken(const QString &target);

} // namespace PageTexts
