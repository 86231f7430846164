#pragma once

// The page head commands on their own: the tag area on the window's widgets
// (TagFixture) with the page head area beside it, a fixed clock, and a way
// to work a modal dialog as the user would.

#include "../tagfixture.h"
#include "tags/head/ui/pageheadarea.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

struct PageHeadFixture : TagFixture {
    std::unique_ptr<PageHeadArea> head;
    QDateTime now{QDate(2024, 3, 5), QTime(14, 7, 9)};
    const QLocale locale{QLocale::English, QLocale::UnitedStates};

    PageHeadFixture() {
        head = std::make_unique<PageHeadArea>(shell, document, tags(), fakePreview,
                                              w.toolPages[MainWidgets::Templates], a);
        head->setClock([this] { return now; });
        head->setLocale(locale);
        shell.addArea(head.get());
        shell.updateMenuStates();
    }
    ~PageHeadFixture() {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        head.reset();
    }
    PageHeadArea &area() { return *head; }
};

// Works the next modal dialog of type T once it shows: `work` fills it in
// and presses its buttons. shown() tells whether it showed.
template <class T> class WhenShown {
public:
    explicit WhenShown(std::function<void(T *)> work) {
        std::shared_ptr<bool> shown = m_shown;
        QTimer::singleShot(0, [shown, work] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            *shown = true;
            work(dialog);
        });
    }
    bool shown() const { return *m_shown; }

private:
    std::shared_ptr<bool> m_shown = std::make_shared<bool>(false);
};

template <class T> T *child(QObject *parent, const QString &name) {
    T *w = parent->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}
