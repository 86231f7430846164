#pragma once

#include "app/area.h"

#include <QObject>
#include <QString>

class ActiveDocument;
class PreviewPane;
class Shell;
struct MainActions;

// "Create &Index of Images" in the File menu: opens the page "images.htm"
// of the program folder (making it first when it is missing), lets the user
// pick a folder in the image index dialog and adds two lines for each of the
// folder's pictures to the page, then refreshes the preview. The lines go
// at the caret; when the page has just been opened, the caret is first put
// at its end, so that every run adds to what is there.
class ImageIndexArea : public QObject, public Area {
    Q_OBJECT
public:
    ImageIndexArea(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                   MainActions &actions, QObject *parent = nullptr);

    void createIndexOfImages();

    void updateMenus(const UiState &state) override;

private:
    void moveCaretToEnd();

    Shell &m_shell;
    ActiveDocument &m_document;
    PreviewPane &m_preview;
    MainActions &m_a;
    QString m_lastFolder; // where the dialog opens next time
};
