#include "app/ui/dialogdecorations.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>

void DialogDecorations::install() {
    qApp->installEventFilter(new DialogDecorations(qApp));
}

bool DialogDecorations::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Show) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow()) {
            if (QWindow *window = dialog->windowHandle()) {
                // Changing the hints of the shown window does not create it anew.
                const Qt::WindowFlags wanted = Qt::Dialog | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                               Qt::WindowCloseButtonHint |
                                               (window->flags() & Qt::WindowStaysOnTopHint);
                if (window->flags() != wanted)
                    window->setFlags(wanted);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
