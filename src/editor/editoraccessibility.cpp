#include "editor/editoraccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace editoraccessibility {

namespace {

// The editors given a plain stand-in while nothing listened.
QList<QPointer<QObject>> &withStandIns() {
    static QList<QPointer<QObject>> editors;
    return editors;
}

// Whether assistive technology listens, as the platform last said.
bool listening = false;

QAccessibleInterface *factory(const QString &className, QObject *object) {
    if (className != QLatin1String("TLEdit") || !object || !object->isWidgetType() || listening ||
        QAccessible::isActive())
        return nullptr;
    withStandIns().removeAll(nullptr);
    withStandIns() << object;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::EditableText);
}

class Observer : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        listening = active;
        if (!active)
            return;
        const QList<QPointer<QObject>> editors = std::exchange(withStandIns(), {});
        for (const QPointer<QObject> &editor : editors) {
            if (!editor)
                continue;
            // The cached stand-in goes; the next question makes the full one.
            if (QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(editor))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
        }
    }
};

} // namespace

void install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    listening = QAccessible::isActive();
    // Installed after QScintilla's own factory, so asked before it.
    QAccessible::installFactory(factory);
    static Observer observer;
    QAccessible::installActivationObserver(&observer);
}

} // namespace editoraccessibility
