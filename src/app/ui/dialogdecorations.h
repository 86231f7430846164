#pragma once

#include <QObject>

// Dialogs carry a title and a close button only, never minimise or maximise
// buttons. Installed once on the application, it sets that on every dialog
// window as it is shown, whoever made the dialog.
class DialogDecorations : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs one for the application's lifetime.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
