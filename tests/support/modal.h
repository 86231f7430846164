#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Runs `step` on the modal dialog that the next action opens; the dialog is
// closed with Cancel afterwards should the step leave it open (a failed
// check), so that the test goes on instead of waiting for ever.
inline void onModal(const std::function<void(QDialog *)> &step) {
    QTimer::singleShot(0, [step] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no modal dialog");
        step(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}
